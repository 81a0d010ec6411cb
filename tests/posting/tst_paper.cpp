// Posted documents on paper, the kinds the document references do not hold:
// each is posted in the demo shop and printed through the installed
// templates as a page (PDF) and as a slip; what the posting wrote must reach
// both. BREVALON_KEEP_OUTPUT keeps them for a person.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "tests/posting/postingshop.h"
#include "tests/support/slipout.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    utils->setWaiter(QStringLiteral("SUE"));
    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("BREVALON_KEEP_OUTPUT") + '/' + QString(kind).replace(' ', '-');
    QString page, slip;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        auto* dp = static_cast<DocPrint*>(d);
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        dp->currentPrinter()->setOutputFileName(pdf);
        dp->printPage();
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished();
        page = QString::fromUtf8(p.readAllStandardOutput());
        dp->mode_activated(1);
        slip = dp->slipText();
        SlipOut::keep(dp->slipBytes(), false);
        if (!qEnvironmentVariableIsEmpty("BREVALON_KEEP_OUTPUT")) {
            QDir().mkpath(QFileInfo(keep).path());
            QFile::remove(keep + ".pdf");
            QFile::copy(pdf, keep + ".pdf");
            QFile out(keep + ".slip.txt");
            if (out.open(QIODevice::WriteOnly))
                out.write(slip.toUtf8());
        }
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
    QVERIFY(!page.isEmpty() && !slip.isEmpty());
    for (const QString& text : shown) {
        QVERIFY2(page.contains(text), qPrintable(QStringLiteral("the page lacks \"%1\":\n%2").arg(text, page)));
        QVERIFY2(slip.contains(text), qPrintable(QStringLiteral("the slip lacks \"%1\":\n%2").arg(text, slip)));
    }
}

BREVALON_TEST_MAIN(TestPaper)
#include "tst_paper.moc"
