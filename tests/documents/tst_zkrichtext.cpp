// The paged rich-text window printing a chosen range of the pages its owner
// supplies, or nothing when the print set-up is cancelled.

#include "documents/zkrichtext.h"
#include "tests/support/testshop.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestZkRichText : public QObject
{
    Q_OBJECT

private slots:
    void printsTheChosenRange_data();
    void printsTheChosenRange();
    void cancelledSetupPrintsNothing();
};

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
    const QStringList all{"PAGE ONE", "PAGE TWO", "PAGE THREE"};
    for (int k = 0; k < 3; ++k)
        w.printPage(k + 1, "<h1>" + all.at(k) + "</h1>");
    QVERIFY(!w.isPrinting());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    QStringList pages;
    for (const QString& page : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f')))
        if (!page.trimmed().isEmpty())
            pages << page.trimmed();
    QCOMPARE(pages, printed);
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
