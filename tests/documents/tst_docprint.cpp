// The document window: reading documents, printer roles and modes, the
// dialog's results, page printing with its footers, slips to a file and to
// the spooler, and the failures an operator must be told about.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "tests/documents/goldens.h"
#include "tests/support/slipout.h"
#include "tests/support/testshop.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString doc(const QString& head, const QString& items = QString(), const QString& tail = QString())
{
    return QStringLiteral("<zendrik>\n  <head ") + head + QStringLiteral(" />\n") + items
           + (tail.isEmpty() ? QString() : QStringLiteral("  <tail ") + tail + QStringLiteral(" />\n"))
           + QStringLiteral("</zendrik>\n");
}

QString fixture(const QString& name)
{
    return QString::fromUtf8(Goldens::readData(name));
}

// The text of a PDF, page by page.
QStringList pdfPages(const QString& path, QString* error)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        *error = QStringLiteral("pdftotext (poppler-utils) is not installed");
        return {};
    }
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The templates of the source tree: its share/ folder is the install
// folder's share/ (the logo stays where the test shop put it).
void useSourceTemplates()
{
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), QString::fromLocal8Bit(qgetenv("BREVALON_SOURCE_DIR")));
}

// Where a test keeps what it printed, for a person to look at.
QString keep(const QString& name, const QString& path)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("BREVALON_KEEP_OUTPUT"));
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QFile::remove(dir + QLatin1Char('/') + name);
        QFile::copy(path, dir + QLatin1Char('/') + name);
    }
    return path;
}

} // namespace

class TestDocPrint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void invalidDocumentsAreRejected_data();
    void invalidDocumentsAreRejected();
    void missingHeadTemplateIsReported();
    void rolesAndModes_data();
    void rolesAndModes();
    void titleAndFileName();
    void dialogResults_data();
    void dialogResults();
    void emailWithoutAddressShowsTheDialog();
    void modeSelectorRendersAgain();
    void debugCopies();
    void pagesAndFooters_data();
    void pagesAndFooters();
    void businessDocumentsPrint_data();
    void businessDocumentsPrint();
    void awkwardValuesOnPageAndSlip();
    void slipToPrintFile();
    void slipFileThatCannotBeWrittenIsReported();
    void spoolFileThatCannotBeWrittenIsReported();
    void missingSpoolerIsReported();
    void paymentCodeOnDocuments();

private:
    QString m_user;
};

void TestDocPrint::init()
{
    // Each run spools under its own name, so parallel runs never share a file.
    m_user = QStringLiteral("doc test %1").arg(QCoreApplication::applicationPid());
}

void TestDocPrint::invalidDocumentsAreRejected_data()
{
    QTest::addColumn<QString>("xml");
    QTest::newRow("wrong root") << "<document><head type=\"receipt\"/></document>";
    QTest::newRow("does not parse") << "<zendrik><head type=\"receipt\"</zendrik>";
    QTest::newRow("empty") << "";
}

void TestDocPrint::invalidDocumentsAreRejected()
{
    QFETCH(QString, xml);
    TestShop shop;
    useSourceTemplates();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(xml + QStringLiteral("<!-- auto=\"print\" -->"));
    QCOMPARE(dp->pageHtml(), QStringLiteral("<b>Not a valid Zendrik Document</b>"));
    QVERIFY(dp->slipBytes().isEmpty());
    // The window shows the text; nothing can be printed from it.
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [](QDialog* d) {
        auto* dp = static_cast<DocPrint*>(d);
        return dp->PrintButton->isEnabled() ? 1 : 0;
    });
    QCOMPARE(dp->exec(false), 0);
}

void TestDocPrint::missingHeadTemplateIsReported()
{
    TestShop shop;
    useSourceTemplates();
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("Instalation Error: ") + QString::fromLocal8Bit(qgetenv("BREVALON_SOURCE_DIR"))
                              + QStringLiteral("/share/Brevalon/English/NoSuchTypeHead.html"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(doc(QStringLiteral("type=\"noSuchType\"")));
    QVERIFY(dp->pageHtml().isEmpty());
}

void TestDocPrint::rolesAndModes_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("slip");
    QTest::addColumn<bool>("slip40");
    QTest::newRow("receipt slip") << "Receipt" << "/ReceiptPrinter" << "slip" << true << false;
    QTest::newRow("mail slip40") << "Mail" << "/MailPrinter" << "slip40" << false << true;
    QTest::newRow("kitchen slip40") << "Kitchen" << "/KitchenPrinter" << "slip40" << false << true;
    QTest::newRow("label page") << "Label" << "/LabelPrinter" << "page" << false << false;
    QTest::newRow("unknown role is the invoice printer") << "Fax" << "/InvoicePrinter" << "slip" << true << false;
    QTest::newRow("no role is the invoice printer") << "" << "/InvoicePrinter" << "slip40" << false << true;
}

void TestDocPrint::rolesAndModes()
{
    QFETCH(QString, printer);
    QFETCH(QString, group);
    QFETCH(QString, mode);
    QFETCH(bool, slip);
    QFETCH(bool, slip40);
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(group + QStringLiteral("/Mode"), mode);
    settings->writeEntry(group + QStringLiteral("/Margin"), 1.25);
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")).replace(QStringLiteral("printer=\"Receipt\""),
                                                                 QStringLiteral("printer=\"%1\"").arg(printer)));
    QCOMPARE(dp->isSlip(), slip);
    QCOMPARE(dp->isSlip40(), slip40);
    QCOMPARE(dp->margin(), 1.25);
    if (slip || slip40)
        SlipOut::keep(dp->slipBytes(), slip40);
    if (slip40)
        QVERIFY(dp->slipBytes().contains("\x1d\x56\x42\x06")); // the 40-column cut
    else if (slip)
        QVERIFY(dp->slipBytes().startsWith("\x1b\x78\x30"));
    else
        QVERIFY(dp->pageHtml().contains(QLatin1String("<html>")));
}

void TestDocPrint::titleAndFileName()
{
    TestShop shop;
    useSourceTemplates();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("invoice.xml")));
    QCOMPARE(dp->title(), QStringLiteral("Invoice - The Harbour Kitchen"));
    QCOMPARE(dp->fileBaseName(), QStringLiteral("Brevalon_Invoice2315"));
    QCOMPARE(dp->email(), QStringLiteral("patrick@obrien.example"));
}

void TestDocPrint::dialogResults_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("viewOnly");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("closeEnabled");
    QTest::newRow("process") << "" << "ProcessButton" << false << 1 << true;
    QTest::newRow("process with autoclose") << "autoclose=\"true\"" << "ProcessButton" << false << 0 << true;
    QTest::newRow("close") << "" << "CloseButton" << false << 0 << true;
    QTest::newRow("nocancel disables close") << "auto=\"nocancel\"" << "ProcessButton" << false << 1 << false;
    QTest::newRow("view only") << "" << "CloseButton" << true << 0 << true;
}

void TestDocPrint::dialogResults()
{
    QFETCH(QString, attributes);
    QFETCH(QString, button);
    QFETCH(bool, viewOnly);
    QFETCH(int, result);
    QFETCH(bool, closeEnabled);
    TestShop shop;
    useSourceTemplates();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(doc(QStringLiteral("type=\"receipt\" ") + attributes));
    bool printEnabled = true;
    bool closeOn = false;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        auto* w = static_cast<DocPrint*>(d);
        printEnabled = w->PrintButton->isEnabled() && w->ProcessButton->isEnabled() && w->EmailButton->isEnabled();
        closeOn = w->CloseButton->isEnabled();
        w->findChild<QPushButton*>(button)->click();
        return w->result();
    });
    QCOMPARE(dp->exec(viewOnly), result);
    QCOMPARE(printEnabled, !viewOnly);
    QCOMPARE(closeOn, closeEnabled);
}

void TestDocPrint::emailWithoutAddressShowsTheDialog()
{
    TestShop shop;
    useSourceTemplates();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(doc(QStringLiteral("type=\"receipt\" auto=\"email\"")));
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [](QDialog*) { return 0; });
    QCOMPARE(dp->exec(false), 0);
}

void TestDocPrint::modeSelectorRendersAgain()
{
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    const QByteArray forty = dp->slipBytes();
    SlipOut::keep(forty, true);
    dp->mode_activated(3);
    QVERIFY(!dp->isSlip() && !dp->isSlip40());
    QVERIFY(dp->pageHtml().contains(QLatin1String("<img src=PrintLogo>")));
    dp->mode_activated(1);
    QVERIFY(dp->isSlip() && !dp->isSlip40());
    SlipOut::keep(dp->slipBytes(), false);
    QVERIFY(dp->slipBytes().startsWith("\x1b\x78\x30"));
    QVERIFY(dp->slipBytes().contains(QByteArray(80, '=')));
    dp->mode_activated(0);
    QVERIFY(dp->isSlip40());
    QCOMPARE(dp->slipBytes(), forty);
}

void TestDocPrint::debugCopies()
{
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(QStringLiteral("/Pell/Debug"), QStringLiteral("ON"));
    QFile::remove(QStringLiteral("/tmp/zendrik.xml"));
    DocPrint* dp = utils->docPrint();
    const QString xml = doc(QStringLiteral("type=\"receipt\" aline1=\"Fish & Chips\""));
    dp->parseXml(xml);
    QFile copy(QStringLiteral("/tmp/zendrik.xml"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(copy.readAll()), QString(xml).replace(QStringLiteral("& "), QStringLiteral("&amp; ")));
    QFile page(QStringLiteral("/tmp/zendrik.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(page.readAll()), dp->pageHtml());
}

void TestDocPrint::pagesAndFooters_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("one page, no footer") << 20 << 1;
    QTest::newRow("three pages") << 100 << 3;
}

void TestDocPrint::pagesAndFooters()
{
    QFETCH(int, lines);
    QFETCH(int, pages);
    TestShop shop;
    useSourceTemplates();
    QString items;
    for (int i = 1; i <= lines; ++i)
        items += QStringLiteral("  <item description=\"LINE %1\" payment=\"%2.00\" />\n").arg(i).arg(i);
    DocPrint* dp = utils->docPrint();
    dp->parseXml(doc(QStringLiteral("type=\"receipt\" number=\"9\" aline1=\"The Harbour Kitchen\""), items));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    dp->currentPrinter()->setOutputFileName(pdf);
    dp->printPage();
    QCOMPARE(dp->result(), 1);
    QString error;
    const QStringList text = pdfPages(keep(QStringLiteral("footers-%1.pdf").arg(pages), pdf), &error);
    if (!error.isEmpty())
        QSKIP(qPrintable(error));
    QCOMPARE(text.size(), pages);
    for (int p = 0; p < pages; ++p) {
        const QString& page = text.at(p);
        QCOMPARE(page.contains(QStringLiteral("Page %1").arg(p + 1)), pages > 1);
        QCOMPARE(page.contains(QLatin1String("Continued on page")), p + 1 < pages);
        if (p + 1 < pages)
            QVERIFY(page.contains(QStringLiteral("Continued on page %1").arg(p + 2)));
    }
    // Every line is printed once: no line is lost or repeated at a break.
    const QString all = text.join(QLatin1Char('\n'));
    for (int i = 1; i <= lines; ++i)
        QCOMPARE(all.count(QRegularExpression(QStringLiteral("LINE %1\\b").arg(i))), 1);
}

void TestDocPrint::businessDocumentsPrint_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<QStringList>("shows");
    QTest::newRow("receipt") << "receipt.xml" << "I"
                             << QStringList{"RECEIPT", "1042", "245.50", "Thank you - please come again!"};
    QTest::newRow("invoice, tax included")
        << "invoice.xml" << "I" << QStringList{"TAX INVOICE", "O'BRIEN, PATRICK", "87.36", "11.21", "681.00"};
    QTest::newRow("invoice, tax added") << "invoiceexc.xml" << "E"
                                        << QStringList{"TAX INVOICE", "102.15", "13.12", "796.27"};
    QTest::newRow("kitchen docket") << "kitchen.xml" << "I" << QStringList{"TABLE 7", "FISH & CHIPS", "EXTRA LEMON"};
}

void TestDocPrint::businessDocumentsPrint()
{
    QFETCH(QString, xml);
    QFETCH(QString, taxMode);
    QFETCH(QStringList, shows);
    TestShop shop;
    useSourceTemplates();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(xml));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("doc.pdf"));
    dp->currentPrinter()->setOutputFileName(pdf);
    dp->printPage();
    QString error;
    const QStringList pages = pdfPages(keep(QString(xml).replace(QLatin1String(".xml"), QLatin1String(".pdf")), pdf),
                                       &error);
    if (!error.isEmpty())
        QSKIP(qPrintable(error));
    QCOMPARE(pages.size(), 1);
    for (const QString& s : shows)
        QVERIFY2(pages.first().contains(s), qPrintable(s + QStringLiteral(" missing in:\n") + pages.first()));
    QVERIFY(!pages.first().contains(QLatin1String("<!--")));
}

void TestDocPrint::awkwardValuesOnPageAndSlip()
{
    TestShop shop;
    useSourceTemplates();
    const QString word = QStringLiteral("HARBOURPLATTERWITHGRILLEDLINEFISHCALAMARIPRAWNSANDHANDCUTCHIPSFORTWO"
                                        "PEOPLEORMOREWITHEXTRALEMON");
    const QString xml = fixture(QStringLiteral("receipt.xml"))
                            .replace(QStringLiteral("Payment - Thank you\""), word + QStringLiteral("\""))
                            .replace(QStringLiteral("Thank you - please come again!"),
                                     QStringLiteral("Fish &amp; chips &lt; 5 &apos;n&apos; more\\nSee you"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(xml);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("awkward.pdf"));
    dp->currentPrinter()->setOutputFileName(pdf);
    dp->printPage();
    QString error;
    const QStringList pages = pdfPages(keep(QStringLiteral("awkward.pdf"), pdf), &error);
    if (!error.isEmpty())
        QSKIP(qPrintable(error));
    QCOMPARE(pages.size(), 1);
    // The long word is broken inside the page, never cut off at its edge.
    QString joined = pages.first();
    joined.remove(QRegularExpression(QStringLiteral("\\s")));
    QVERIFY2(joined.contains(word), qPrintable(pages.first()));
    QVERIFY(pages.first().contains(QLatin1String("Fish & chips < 5 'n' more")));
    QVERIFY(pages.first().contains(QLatin1String("See you")));

    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    dp->parseXml(xml);
    const QByteArray slip = dp->slipBytes();
    SlipOut::keep(slip, true);
    QVERIFY(slip.contains(word.left(26).toLatin1() + QByteArray(14 - 6, ' ') + "150.00\r\n"));
    QVERIFY(slip.contains("\r\n" + word.mid(26, 26).toLatin1() + "\r\n"));
    QVERIFY(slip.contains("Fish & chips < 5 'n' more"));
    QVERIFY(slip.contains("\r\nSee you"));
}

void TestDocPrint::slipToPrintFile()
{
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("slip.bin"));
    dp->currentPrinter()->setOutputFileName(target);
    dp->printPage();
    QCOMPARE(dp->result(), 1);
    QFile out(target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray written = out.readAll();
    SlipOut::keep(written, true);
    QCOMPARE(written, dp->slipBytes());
    const QString shots = QString::fromLocal8Bit(qgetenv("BREVALON_KEEP_OUTPUT"));
    if (!shots.isEmpty()) {
        dp->resize(560, 820);
        dp->grab().save(shots + QStringLiteral("/slip-preview.png"));
        dp->mode_activated(3);
        dp->grab().save(shots + QStringLiteral("/page-preview.png"));
    }
}

void TestDocPrint::slipFileThatCannotBeWrittenIsReported()
{
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    dp->setResult(-1);
    const QString target = QStringLiteral("/nonexistent-folder/slip.bin");
    dp->currentPrinter()->setOutputFileName(target);
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("Error creating slip printer file ") + target);
    dp->printPage();
    QCOMPARE(dp->result(), -1); // the window stays
    SlipOut::keep(dp->slipBytes(), false);
}

void TestDocPrint::spoolFileThatCannotBeWrittenIsReported()
{
    TestShop shop;
    useSourceTemplates();
    utils->setUserName(m_user);
    const QString spool = DocPrint::spoolFile(m_user);
    QVERIFY(!spool.contains(QLatin1Char(' ')));
    QDir().mkpath(spool); // a folder where the file should be
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), QStringLiteral("brevalon_nowhere"));
    utils->newDocPrint();
    DocPrint* dp = utils->docPrint();
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("Error creating slip printer file ") + spool);
    // An automatic print that fails shows the document instead of losing it.
    dp->parseXml(fixture(QStringLiteral("receipt.xml")).replace(QStringLiteral("printer=\"Receipt\""),
                                                                 QStringLiteral("printer=\"Receipt\" auto=\"print\"")));
    QDir().rmdir(spool);
    SlipOut::keep(dp->slipBytes(), true);
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [](QDialog*) { return 0; });
    QCOMPARE(dp->exec(false), 0);
}

void TestDocPrint::missingSpoolerIsReported()
{
    TestShop shop;
    useSourceTemplates();
    utils->setUserName(m_user);
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/KitchenPrinter/PrinterName"), QStringLiteral("kitchen"));
    utils->newDocPrint();
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("kitchen.xml")));
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("The printer kitchen did not take the document"));
    dp->setResult(-1);
    dp->printPage();
    qputenv("PATH", path);
    QCOMPARE(dp->result(), -1);
    // The docket is still there to print again.
    QFile spool(DocPrint::spoolFile(m_user));
    QVERIFY(spool.open(QIODevice::ReadOnly));
    const QByteArray spooled = spool.readAll();
    SlipOut::keep(spooled, true);
    QCOMPARE(spooled, dp->slipBytes());
    spool.remove();
}

void TestDocPrint::paymentCodeOnDocuments()
{
    TestShop shop;
    useSourceTemplates();
    settings->writeEntry(QStringLiteral("/Global/SnapScan/Enabled"), true);
    settings->writeEntry(QStringLiteral("/Global/SnapScan/MerchantId"), QStringLiteral("harbour"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), QStringLiteral("slip40"));
    DocPrint* dp = utils->docPrint();
    dp->parseXml(fixture(QStringLiteral("receipt.xml"))
                     .replace(QStringLiteral("tip=\"10.00\""), QStringLiteral("tip=\"10.00\" snapinfo=\"id=R1042\"")));
    QVERIFY(dp->qrMade());
    SlipOut::keep(dp->slipBytes(), true, QStringLiteral("with-code"));
    QVERIFY(dp->slipBytes().contains(QByteArray("\x1b\x2a\x21", 3)));
    QVERIFY(dp->pageHtml().contains(QLatin1String("<img src=SnapScanQR>")));
    dp->mode_activated(3);
    QVERIFY(dp->pageHtml().contains(QLatin1String("<img src=SnapScanQR><br>SnapScan")));

    // Without a reference there is no code.
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    QVERIFY(!dp->qrMade());
    SlipOut::keep(dp->slipBytes(), true, QStringLiteral("without-code"));
    QVERIFY(!dp->slipBytes().contains(QByteArray("\x1b\x2a\x21", 3)));
}

BREVALON_TEST_MAIN(TestDocPrint)
#include "tst_docprint.moc"
