// Posted documents on paper: each kind is posted in the demo shop and
// printed through the installed templates, as a page (PDF) and as slip
// text; what the posting wrote must reach both. With BREVALON_KEEP_OUTPUT
// set, the pages and slips are kept there for a person to look at.

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

namespace {

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

void keep(const QString& name, const QString& path)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("BREVALON_KEEP_OUTPUT"));
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QFile::remove(dir + QLatin1Char('/') + name);
    QFile::copy(path, dir + QLatin1Char('/') + name);
}

QList<SaleLine> lunch()
{
    SaleLine delivery = SaleRows::textLine(QStringLiteral("Inventory"), QStringLiteral("Delivery to the quay"), 12.37);
    delivery.tax1 = delivery.tax2 = QStringLiteral("N");
    SaleLine remark = SaleRows::textLine(QStringLiteral("Remarks"), QStringLiteral("Deliver before noon"));
    SaleLine gas = SaleRows::item("6006");
    gas.serial = QStringLiteral("CYL-20931");
    return {SaleRows::item("6005"), SaleRows::item("1006", 2), SaleRows::item("1009", 3), delivery, remark, gas};
}

} // namespace

class TestPaper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void documents_data();
    void documents();

private:
    QString m_skip;
};

void TestPaper::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        m_skip = QStringLiteral("pdftotext (poppler-utils) is not installed");
}

void TestPaper::documents_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("receipt") << "receipt"
                             << QStringList{"BAYSIDE CATERING", "Payment - Thank you", "100.00", "120.00", "20.00",
                                            "Thank you - please come again!", "SUE"};
    QTest::newRow("refund receipt") << "refund receipt" << QStringList{"BAYSIDE CATERING", "Refund", "-45.00"};
    QTest::newRow("invoice, prices including tax")
        << "invoice" << QStringList{"BAYSIDE CATERING", "OLIVE OIL 500ML", "LAGER DRAUGHT 500ML", "DELIVER BEFORE NOON",
                                    "Serial No: CYL-20931", "650.87", "83.11", "JOHN", "VAT", "LEVY", "42"};
    QTest::newRow("invoice, tax added on top")
        << "invoice exc" << QStringList{"BAYSIDE CATERING", "OLIVE OIL 500ML", "650.87", "95.78", "1.52", "748.17"};
    QTest::newRow("quote") << "quote" << QStringList{"BAYSIDE CATERING", "OLIVE OIL 500ML", "650.87"};
    QTest::newRow("refund") << "refund" << QStringList{"BAYSIDE CATERING", "RET: GINGER BEER", "-19.50"};
    QTest::newRow("kitchen docket") << "kitchen"
                                    << QStringList{"TABLE 1", "No. 42", "GARLIC BREAD", "BEEF BURGER & CHIPS", "NO ONIONS", "SUE"};
}

void TestPaper::documents()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, shown);
    if (!m_skip.isEmpty())
        QSKIP(qPrintable(m_skip));
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    utils->setWaiter(QStringLiteral("SUE"));
    QTemporaryDir dir;
    const QString name = kind;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QString page, slip;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        auto* dp = static_cast<DocPrint*>(d);
        dp->currentPrinter()->setOutputFileName(pdf);
        dp->printPage();
        page = pdfText(pdf);
        keep(QString(name).replace(QLatin1Char(' '), QLatin1Char('-')) + QLatin1String(".pdf"), pdf);
        dp->mode_activated(1);
        slip = dp->slipText();
        SlipOut::keep(dp->slipBytes(), false);
        QFile out(dir.filePath(QStringLiteral("slip.txt")));
        if (out.open(QIODevice::WriteOnly))
            out.write(slip.toUtf8());
        out.close();
        keep(QString(name).replace(QLatin1Char(' '), QLatin1Char('-')) + QLatin1String(".slip.txt"), out.fileName());
        return 1;
    });

    if (kind.endsWith(QLatin1String("receipt"))) {
        ReceiptRow row;
        row.account = kBayside;
        row.cash = kind == QLatin1String("receipt") ? 100.00 : -45.00;
        row.tendered = kind == QLatin1String("receipt") ? 120.00 : 0;
        row.change = kind == QLatin1String("receipt") ? 20.00 : 0;
        row.waiter = QStringLiteral("SUE");
        const int n = SaleRows::receipt(row);
        QCOMPARE(utils->processReceipt(n, true, row.tendered, row.change, 0, false), true);
    } else if (kind == QLatin1String("kitchen")) {
        settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QString());
        SaleLine onions = SaleRows::textLine(QStringLiteral("Inventory"), QStringLiteral("no onions"));
        onions.department = QStringLiteral("MAINS");
        const int n = SaleRows::invoice(kTable1, {SaleRows::item("2001"), SaleRows::item("3001", 2), onions});
        utils->setOrderMode(true);
        QVERIFY(!utils->processInvoice(n, false));
        utils->setOrderMode(false);
    } else {
        if (kind == QLatin1String("invoice exc"))
            PostingShop::setTaxRules(QStringLiteral("E"), 0);
        QList<SaleLine> lines = lunch();
        if (kind == QLatin1String("refund")) {
            SaleLine back = SaleRows::item("1009", -1);
            back.description = QStringLiteral("RET: ") + back.description;
            lines = {back};
        }
        const int n = SaleRows::invoice(kBayside, lines, QStringLiteral("JOHN"));
        utils->setQuoteMode(kind == QLatin1String("quote"));
        if (kind == QLatin1String("refund"))
            utils->setRefundMode(true);
        QVERIFY(utils->processInvoice(n, false));
        utils->setQuoteMode(false);
    }

    QVERIFY(!page.isEmpty());
    QVERIFY(!slip.isEmpty());
    for (const QString& text : shown) {
        QVERIFY2(page.contains(text), qPrintable(QStringLiteral("the page lacks \"%1\":\n%2").arg(text, page)));
        QVERIFY2(slip.contains(text), qPrintable(QStringLiteral("the slip lacks \"%1\":\n%2").arg(text, slip)));
    }
}

BREVALON_TEST_MAIN(TestPaper)
#include "tst_paper.moc"
