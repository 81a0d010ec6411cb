// Posted documents on paper, the kinds the document references do not hold:
// each is posted in the demo shop and printed through the installed
// templates as a page (PDF) and as 80- and 40-column slips; what the posting
// wrote must reach all three, and no slip line may run past the paper's edge.

#include "core/globals.h"
#include "core/utility.h"
#include "documents/docprint.h"
#include "tests/posting/paper.h"
#include "tests/posting/postingshop.h"

#include <QTest>

class TestPaper : public QObject
{
    Q_OBJECT

private slots:
    void documents_data();
    void documents();
};

void TestPaper::documents_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("refund receipt") << QStringList{"BAYSIDE CATERING", "Refund", "-45.00"};
    QTest::newRow("quote") << QStringList{"BAYSIDE CATERING", "OLIVE OIL 500ML", "650.87"};
    QTest::newRow("refund") << QStringList{"BAYSIDE CATERING", "RET: GINGER BEER", "-19.50"};
}

void TestPaper::documents()
{
    QFETCH(QStringList, shown);
    if (!Paper::canReadPages())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    utils->setWaiter(QStringLiteral("SUE"));
    Paper paper;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&paper](QDialog* d) {
        paper = Paper::of(static_cast<DocPrint*>(d));
        return 1;
    });

    if (kind == QLatin1String("refund receipt")) {
        ReceiptRow row;
        row.account = kBayside, row.waiter = QStringLiteral("SUE"), row.cash = -45.00;
        QVERIFY(utils->processReceipt(SaleRows::receipt(row), true, 0, 0, 0, false));
    } else {
        SaleLine delivery = SaleRows::textLine("Inventory", "Delivery to the quay", 12.37);
        delivery.tax1 = delivery.tax2 = QStringLiteral("N");
        QList<SaleLine> lines{SaleRows::item("6005"), SaleRows::item("1006", 2), SaleRows::item("1009", 3), delivery,
                              SaleRows::textLine("Remarks", "Deliver before noon"), SaleRows::item("6006")};
        if (kind == QLatin1String("refund")) {
            lines = {SaleRows::item("1009", -1)};
            lines.first().description.prepend(QStringLiteral("RET: "));
        }
        PostingShop::setMode(kind == QLatin1String("quote") ? 1 : 2);
        QVERIFY(utils->processInvoice(SaleRows::invoice(kBayside, lines, QStringLiteral("JOHN")), false));
    }
    const QStringList wrong = paper.faults(shown);
    QVERIFY2(wrong.isEmpty() && !paper.page.isEmpty(), qPrintable(wrong.join('\n')));
}

BREVALON_TEST_MAIN(TestPaper)
#include "tst_paper.moc"
