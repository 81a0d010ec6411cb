// The document window: invalid documents and missing templates, the dialog's
// results, pages with their footers, hostile values on a page and on a slip
// printed to a file, the print failures the operator is told about; and the
// paged rich-text window printing a chosen range of its owner's pages.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "documents/zkrichtext.h"
#include "tests/documents/goldens.h"
#include "tests/support/slipout.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fixture(const QString& name)
{
    return QString::fromUtf8(Goldens::readData(name));
}

QString receiptWith(const QString& attributes, const QString& items = QString())
{
    return "<zendrik>\n<head type=\"receipt\" " + attributes + " />\n" + items + "</zendrik>\n";
}

// A fresh window reading the templates of the source tree, with @p mode for
// the receipt printer (empty: as configured).
DocPrint* window(const QString& mode = QString(), const QString& printerName = QString())
{
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), qEnvironmentVariable("BREVALON_SOURCE_DIR"));
    if (!mode.isEmpty())
        settings->writeEntry(QStringLiteral("/ReceiptPrinter/Mode"), mode);
    if (!printerName.isEmpty())
        settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), printerName);
    utils->newDocPrint();
    return utils->docPrint();
}

// The text of a PDF page by page.
QStringList pdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Prints the page to PDF and gives its text page by page (kept for a person
// with BREVALON_KEEP_OUTPUT).
QStringList printedPages(DocPrint* dp, const QString& name)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(name);
    dp->currentPrinter()->setOutputFileName(pdf);
    dp->printPage();
    if (!qEnvironmentVariableIsEmpty("BREVALON_KEEP_OUTPUT")) {
        QDir().mkpath(qEnvironmentVariable("BREVALON_KEEP_OUTPUT"));
        QFile::remove(qEnvironmentVariable("BREVALON_KEEP_OUTPUT") + '/' + name);
        QFile::copy(pdf, qEnvironmentVariable("BREVALON_KEEP_OUTPUT") + '/' + name);
    }
    return pdfPages(pdf);
}

} // namespace

class TestDocPrint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unusableDocuments_data();
    void unusableDocuments();
    void dialogResults_data();
    void dialogResults();
    void pagesAndFooters_data();
    void pagesAndFooters();
    void hostileValuesOnPageAndSlip();
    void printFailuresAreReported_data();
    void printFailuresAreReported();
    void nocancelHoldsAgainstEscAndClose();
    void printerChosenOnceDoesNotStick();
    void paymentCodeOnDocuments();
    void richTextPrintsTheChosenRange_data();
    void richTextPrintsTheChosenRange();
    void richTextCancelledSetupPrintsNothing();

private:
    QString m_user;
};

void TestDocPrint::init()
{
    // Each run spools under its own name, so parallel runs never share a file.
    m_user = QStringLiteral("doc test %1").arg(QCoreApplication::applicationPid());
}

void TestDocPrint::unusableDocuments_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("error"); // the operator is told; empty: nothing
    const QString invalid = QStringLiteral("<b>Not a valid Zendrik Document</b>");
    QTest::newRow("wrong root") << "<document><head type=\"receipt\"/></document>" << invalid << "";
    QTest::newRow("does not parse") << "<zendrik><head type=\"receipt\"</zendrik>" << invalid << "";
    QTest::newRow("no head template") << "<zendrik><head type=\"noSuchType\"/></zendrik>" << ""
                                      << "Instalation Error: " + qEnvironmentVariable("BREVALON_SOURCE_DIR")
                                             + "/share/Brevalon/English/NoSuchTypeHead.html";
}

void TestDocPrint::unusableDocuments()
{
    QFETCH(QString, xml);
    QFETCH(QString, page);
    QFETCH(QString, error);
    TestShop shop;
    DocPrint* dp = window();
    if (!error.isEmpty())
        shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"), error);
    dp->parseXml(xml + QStringLiteral("<!-- auto=\"print\" -->"));
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(dp->pageHtml(), page);
    if (!error.isEmpty())
        return;
    QVERIFY(dp->slipBytes().isEmpty());
    // The window shows the text; nothing can be printed from it.
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [](QDialog* d) {
        return static_cast<DocPrint*>(d)->PrintButton->isEnabled() ? 1 : 0;
    });
    QCOMPARE(dp->exec(false), 0);
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
    QTest::newRow("e-mail without an address shows the window") << "auto=\"email\"" << "CloseButton" << false << 0
                                                                << true;
}

void TestDocPrint::dialogResults()
{
    QFETCH(QString, attributes);
    QFETCH(QString, button);
    QFETCH(bool, viewOnly);
    QFETCH(bool, closeEnabled);
    TestShop shop;
    DocPrint* dp = window();
    dp->parseXml(receiptWith(attributes));
    bool printEnabled = true, closeOn = false;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        auto* w = static_cast<DocPrint*>(d);
        printEnabled = w->PrintButton->isEnabled() && w->ProcessButton->isEnabled() && w->EmailButton->isEnabled();
        closeOn = w->CloseButton->isEnabled();
        w->findChild<QPushButton*>(button)->click();
        return w->result();
    });
    QTEST(dp->exec(viewOnly), "result");
    QCOMPARE(printEnabled, !viewOnly);
    QCOMPARE(closeOn, closeEnabled);
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
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestShop shop;
    QString items;
    for (int i = 1; i <= lines; ++i)
        items += QStringLiteral("<item description=\"LINE %1\" payment=\"%1.00\" />\n").arg(i);
    DocPrint* dp = window();
    dp->parseXml(receiptWith(QStringLiteral("number=\"9\" aline1=\"The Harbour Kitchen\""), items));
    const QStringList text = printedPages(dp, QStringLiteral("footers-%1.pdf").arg(pages));
    QCOMPARE(dp->result(), 1);
    QCOMPARE(text.size(), pages);
    for (int p = 0; p < pages; ++p) {
        QCOMPARE(text.at(p).contains(QStringLiteral("Page %1").arg(p + 1)), pages > 1);
        QCOMPARE(text.at(p).contains(QLatin1String("Continued on page")), p + 1 < pages);
        QCOMPARE(text.at(p).contains(QStringLiteral("Continued on page %1").arg(p + 2)), p + 1 < pages);
    }
    // Every line is printed once: no line is lost or repeated at a break.
    const QString all = text.join(QLatin1Char('\n'));
    for (int i = 1; i <= lines; ++i)
        QCOMPARE(all.count(QRegularExpression(QStringLiteral("LINE %1\\b").arg(i))), 1);
}

void TestDocPrint::hostileValuesOnPageAndSlip()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestShop shop;
    const QString word = QStringLiteral("HARBOURPLATTERWITHGRILLEDLINEFISHCALAMARIPRAWNSANDHANDCUTCHIPSFORTWO"
                                        "PEOPLEORMOREWITHEXTRALEMON");
    const QString xml = fixture(QStringLiteral("receipt.xml"))
                            .replace(QStringLiteral("Payment - Thank you\""), word + "\"")
                            .replace(QStringLiteral("Thank you - please come again!"),
                                     QStringLiteral("Fish &amp; chips &lt; 5 &apos;n&apos; more\\nSee you"));
    DocPrint* dp = window();
    dp->parseXml(xml);
    const QStringList pages = printedPages(dp, QStringLiteral("hostile.pdf"));
    QCOMPARE(pages.size(), 1);
    // The long word is broken inside the page, never cut off at its edge.
    QVERIFY2(QString(pages.first()).remove(QRegularExpression(QStringLiteral("\\s"))).contains(word),
             qPrintable(pages.first()));
    QVERIFY(pages.first().contains(QLatin1String("Fish & chips < 5 'n' more")));
    QVERIFY(pages.first().contains(QLatin1String("See you")));

    // The slip printed to a file holds the slip's bytes.
    dp = window(QStringLiteral("slip40"));
    dp->parseXml(xml);
    QTemporaryDir dir;
    dp->currentPrinter()->setOutputFileName(dir.filePath(QStringLiteral("slip.bin")));
    dp->printPage();
    QCOMPARE(dp->result(), 1);
    QFile out(dir.filePath(QStringLiteral("slip.bin")));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray slip = out.readAll();
    SlipOut::keep(slip, true);
    QCOMPARE(slip, dp->slipBytes());
    QVERIFY(slip.contains(word.left(26).toLatin1() + QByteArray(8, ' ') + "150.00\r\n"));
    QVERIFY(slip.contains("\r\n" + word.mid(26, 26).toLatin1() + "\r\n"));
    QVERIFY(slip.contains("Fish & chips < 5 'n' more"));
    QVERIFY(slip.contains("\r\nSee you"));
}

void TestDocPrint::printFailuresAreReported_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("the chosen slip file cannot be written") << "file"
                                                            << "Error creating slip printer file /nonexistent/slip.bin";
    QTest::newRow("the spool file cannot be made: the automatic print shows the window")
        << "spool" << "Error creating slip printer file %1";
    QTest::newRow("no spooler: the window stays to print again")
        << "lpr" << "The printer brevalon_nowhere did not take the document";
}

void TestDocPrint::printFailuresAreReported()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    TestShop shop;
    utils->setUserName(m_user);
    const QByteArray tmp = qgetenv("TMPDIR");
    QTemporaryDir spoolDir;
    qputenv("TMPDIR", failure == QLatin1String("spool") ? QByteArray("/proc") : spoolDir.path().toLocal8Bit());
    // The fixed name a spool file once had, planted as a link to a file
    // that must survive.
    const QString planted = QStringLiteral("/tmp/") + QString(m_user).replace(' ', '_') + QStringLiteral(".esp");
    QFile precious(spoolDir.filePath(QStringLiteral("precious")));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.write("keep me");
    precious.close();
    QFile::remove(planted);
    QVERIFY(QFile::link(precious.fileName(), planted));
    const QString pattern = DocPrint::spoolTemplate(m_user);
    QVERIFY(!pattern.contains(QLatin1Char(' ')));
    DocPrint* dp = window(QStringLiteral("slip40"), QStringLiteral("brevalon_nowhere"));
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"), QString(message).replace("%1", pattern));
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    if (failure == QLatin1String("file")) {
        dp->parseXml(fixture(QStringLiteral("receipt.xml")));
        dp->currentPrinter()->setOutputFileName(QStringLiteral("/nonexistent/slip.bin"));
    } else if (failure == QLatin1String("spool")) {
        dp->parseXml(fixture(QStringLiteral("receipt.xml"))
                         .replace("printer=\"Receipt\"", "printer=\"Receipt\" auto=\"print\""));
        shop.prompts().expectExec(QStringLiteral("DocPrint"), [](QDialog*) { return 0; });
        QCOMPARE(dp->exec(false), 0);
    } else {
        dp->parseXml(fixture(QStringLiteral("receipt.xml")));
        qputenv("PATH", empty.path().toLocal8Bit());
    }
    if (failure != QLatin1String("spool")) {
        dp->setResult(-1);
        dp->printPage();
        QCOMPARE(dp->result(), -1); // the window stays
    }
    qputenv("PATH", path);
    qputenv("TMPDIR", tmp);
    QVERIFY(dp->outputFailed());
    QVERIFY(!dp->outputTaken());
    SlipOut::keep(dp->slipBytes(), true);
    // Nothing followed the link, and no spool file is left behind.
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep me"));
    QFile::remove(planted);
    QCOMPARE(QDir(spoolDir.path()).entryList({QStringLiteral("*.esp")}, QDir::Files), QStringList());
}

void TestDocPrint::nocancelHoldsAgainstEscAndClose()
{
    TestShop shop;
    DocPrint* dp = window();
    dp->parseXml(receiptWith(QStringLiteral("auto=\"nocancel\"")));
    dp->show();
    dp->setResult(-1);
    QTest::keyClick(dp, Qt::Key_Escape);
    QVERIFY(!dp->close());
    QVERIFY(dp->isVisible());
    QCOMPARE(dp->result(), -1);
    dp->ProcessButton->click();
    QVERIFY(!dp->isVisible());
    QCOMPARE(dp->result(), 1);
    // Any other document may be cancelled with Esc.
    dp->parseXml(receiptWith(QString()));
    dp->show();
    QTest::keyClick(dp, Qt::Key_Escape);
    QVERIFY(!dp->isVisible());
    QCOMPARE(dp->result(), 0);
}

void TestDocPrint::printerChosenOnceDoesNotStick()
{
    TestShop shop;
    DocPrint* dp = window(QStringLiteral("page"));
    dp->parseXml(receiptWith(QStringLiteral("printer=\"Receipt\"")));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chosen.pdf"));
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [&](QDialog* d) {
        QPrinter* chosen = static_cast<QPrintDialog*>(d)->printer();
        chosen->setOutputFileName(pdf);
        chosen->setFromTo(1, 1);
        chosen->setCopyCount(3);
        return int(QDialog::Accepted);
    });
    dp->ModeComboBox->setCurrentIndex(3);
    dp->printPage();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(dp->outputTaken());
    // The next receipt goes where the receipt printer goes, as it is set up.
    dp->parseXml(receiptWith(QStringLiteral("printer=\"Receipt\"")));
    QPrinter* role = dp->printer(DocPrint::ReceiptRole);
    QCOMPARE(dp->currentPrinter(), role);
    QCOMPARE(role->outputFileName(), QString());
    QCOMPARE(role->fromPage(), 0);
    QCOMPARE(role->copyCount(), 1);
}

void TestDocPrint::paymentCodeOnDocuments()
{
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Global/SnapScan/Enabled"), true);
    settings->writeEntry(QStringLiteral("/Global/SnapScan/MerchantId"), QStringLiteral("harbour"));
    DocPrint* dp = window(QStringLiteral("slip40"));
    dp->parseXml(
        fixture(QStringLiteral("receipt.xml")).replace("tip=\"10.00\"", "tip=\"10.00\" snapinfo=\"id=R1042\""));
    QVERIFY(dp->qrMade());
    SlipOut::keep(dp->slipBytes(), true, QStringLiteral("with-code"));
    QVERIFY(dp->slipBytes().contains(QByteArray("\x1b\x2a\x21", 3)));
    QVERIFY(dp->pageHtml().contains(QLatin1String("<img src=SnapScanQR>")));
    dp->mode_activated(3);
    QVERIFY(dp->pageHtml().contains(QLatin1String("<img src=SnapScanQR><br>SnapScan")));
    // Without a reference there is no code.
    dp->parseXml(fixture(QStringLiteral("receipt.xml")));
    QVERIFY(!dp->qrMade());
    QVERIFY(!dp->slipBytes().contains(QByteArray("\x1b\x2a\x21", 3)));
}

void TestDocPrint::richTextPrintsTheChosenRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("all three") << 0 << 0 << QStringList{"PAGE ONE", "PAGE TWO", "PAGE THREE"};
    QTest::newRow("two and three") << 2 << 3 << QStringList{"PAGE TWO", "PAGE THREE"};
}

void TestDocPrint::richTextPrintsTheChosenRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, printed);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestShop shop;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ZkRichText w;
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [&](QDialog* d) {
        QPrinter* p = static_cast<QPrintDialog*>(d)->printer();
        p->setOutputFileName(pdf);
        if (from > 0) {
            p->setPrintRange(QPrinter::PageRange);
            p->setFromTo(from, to);
        }
        return int(QDialog::Accepted);
    });
    QVERIFY(w.setNumPagesToPrint(3));
    const QStringList all{"PAGE ONE", "PAGE TWO", "PAGE THREE"};
    for (int k = 0; k < 3; ++k)
        w.printPage(k + 1, "<h1>" + all.at(k) + "</h1>");
    QVERIFY(!w.isPrinting());
    QStringList pages;
    for (const QString& page : pdfPages(pdf))
        pages << page.trimmed();
    QCOMPARE(pages, printed);
}

void TestDocPrint::richTextCancelledSetupPrintsNothing()
{
    TestShop shop;
    ZkRichText w;
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [](QDialog*) { return int(QDialog::Rejected); });
    QVERIFY(!w.setNumPagesToPrint(2));
    QVERIFY(!w.isPrinting());
    w.printPage(1, QStringLiteral("x")); // nothing to print on: no crash, no output
}

BREVALON_TEST_MAIN(TestDocPrint)
#include "tst_docprint.moc"
