// The paged rich-text window: its settings, the page signals by which the
// owner supplies pages, and printing a chosen range of pages.

#include "core/globals.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docimages.h"
#include "documents/zkrichtext.h"
#include "tests/support/testshop.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList pdfPages(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

class TestZkRichText : public QObject
{
    Q_OBJECT

private slots:
    void settingsShapeTheWindow();
    void buttonsAskTheOwnerForPages_data();
    void buttonsAskTheOwnerForPages();
    void navigationState();
    void printsTheChosenRange_data();
    void printsTheChosenRange();
    void cancelledSetupPrintsNothing();
};

void TestZkRichText::settingsShapeTheWindow()
{
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Misc/RichTextFontSize"), 20);
    settings->writeEntry(QStringLiteral("/Misc/RichTextZoom"), 2);
    settings->writeEntry(QStringLiteral("/Misc/RichTextWidth"), 700);
    settings->writeEntry(QStringLiteral("/Misc/RichTextHeight"), 500);
    ZkRichText w;
    w.readSettings();
    QCOMPARE(w.size(), QSize(700, 500));
    QCOMPARE(w.TextView->font().pointSize(), 20);
    QCOMPARE(w.TextView->document()->defaultFont().pointSize(), 10);
    w.setText(QStringLiteral("<p>short</p>"));
    w.fitDocument();
    QVERIFY(w.width() < 700);
}

void TestZkRichText::buttonsAskTheOwnerForPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("prev");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("all");
    QTest::newRow("prev") << "PrevButton" << 1 << 0 << 0;
    QTest::newRow("next") << "NextButton" << 0 << 1 << 0;
    QTest::newRow("print all") << "PrintAllButton" << 0 << 0 << 1;
}

void TestZkRichText::buttonsAskTheOwnerForPages()
{
    QFETCH(QString, button);
    QFETCH(int, prev);
    QFETCH(int, next);
    QFETCH(int, all);
    TestShop shop;
    ZkRichText w;
    QSignalSpy prevSpy(&w, &ZkRichText::prevPage);
    QSignalSpy nextSpy(&w, &ZkRichText::nextPage);
    QSignalSpy allSpy(&w, &ZkRichText::printAllPages);
    w.findChild<QPushButton*>(button)->click();
    QCOMPARE(prevSpy.count(), prev);
    QCOMPARE(nextSpy.count(), next);
    QCOMPARE(allSpy.count(), all);
    for (QSignalSpy* spy : {&prevSpy, &nextSpy, &allSpy}) {
        if (spy->count())
            QCOMPARE(spy->first().first().value<ZkRichText*>(), &w);
    }
}

void TestZkRichText::navigationState()
{
    TestShop shop;
    ZkRichText w;
    w.setNavState(false, true);
    QVERIFY(!w.PrevButton->isEnabled());
    QVERIFY(w.NextButton->isEnabled());
}

void TestZkRichText::printsTheChosenRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("all three") << 0 << 0 << QStringList{"PAGE ONE", "PAGE TWO", "PAGE THREE"};
    QTest::newRow("second only") << 2 << 2 << QStringList{"PAGE TWO"};
    QTest::newRow("two and three") << 2 << 3 << QStringList{"PAGE TWO", "PAGE THREE"};
}

void TestZkRichText::printsTheChosenRange()
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
    const QStringList pages{"PAGE ONE", "PAGE TWO", "PAGE THREE"};
    for (int k = 1; k <= 3; ++k)
        w.printPage(k, QStringLiteral("<h1>%1</h1>").arg(pages.at(k - 1)));
    QVERIFY(!w.isPrinting());
    const QStringList text = pdfPages(pdf);
    QCOMPARE(text.size(), printed.size());
    for (int i = 0; i < printed.size(); ++i)
        QCOMPARE(text.at(i).trimmed(), printed.at(i));
}

void TestZkRichText::cancelledSetupPrintsNothing()
{
    TestShop shop;
    ZkRichText w;
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [](QDialog*) { return int(QDialog::Rejected); });
    QVERIFY(!w.setNumPagesToPrint(2));
    QVERIFY(!w.isPrinting());
    w.printPage(1, QStringLiteral("x")); // nothing to print on: no crash, no output
}

BREVALON_TEST_MAIN(TestZkRichText)
#include "tst_zkrichtext.moc"
