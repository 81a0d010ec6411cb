// The end-of-day reports on paper, through the installed templates: each is
// printed as a page (PDF) and rendered as an 80- and a 40-column slip. The
// figures that the owner reads must be on each, and no slip line may run
// past the paper's edge. BREVALON_KEEP_OUTPUT keeps them for a person.

#include "core/globals.h"
#include "core/utility.h"
#include "documents/docprint.h"
#include "sales/combodialog.h"
#include "sales/datedialog.h"
#include "tests/endofday/endofdayshop.h"
#include "tests/support/slipout.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Paper
{
    QString type, page, slip, slip40;
};

} // namespace

class TestEndOfDayPaper : public QObject
{
    Q_OBJECT

private slots:
    void reports_data();
    void reports();
};

void TestEndOfDayPaper::reports_data()
{
    QTest::addColumn<QStringList>("shown"); // per report: texts separated by "|"
    QTest::newRow("cash up") << QStringList { "BAYSIDE CATERING|PATRICK|142.34|-355.00|435.00",
        "BAYSIDE CATERING|215.99|98.62|49.04|VAT|LEVY", "Bad Debt|355.00",
        "Coupons|-10.00|Write Off|-20.00|295.00|Hand-over checked by", "CATERING PLATTER|CHIPS|1.500" };
    QTest::newRow("waiter cash up") << QStringList { "JOHN|0.00", "JOHN|TABLE 1|100.00", "JOHN|100.00|10.00",
        "JOHN" };
    QTest::newRow("month end") << QStringList { "2026-12-05|470.34|378.00",
        "Interest On Arrears|MAINS|165.00", "Coupons|10.00|Bad Debt|20.00|Less VAT" };
}

void TestEndOfDayPaper::reports()
{
    QFETCH(QStringList, shown);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    EndOfDayShop shop;
    EndOfDayShop::tradeOneDay();
    if (kind == "waiter cash up")
        EndOfDayShop::receipt(210, kTable1, EndOfDayShop::Paid { 0, 100.00, 0, 0, 0, 0, 10.00 }, {},
            EndOfDayShop::noon(), "JOHN");
    QTemporaryDir dir;
    QList<Paper> papers;
    // Each report printed as a page and rendered as both slips.
    auto onPaper = [&](QDialog* d) {
            auto* dp = static_cast<DocPrint*>(d);
            Paper paper;
            paper.type = dp->documentRoot().firstChildElement("head").attribute("type");
            const QString pdf = dir.filePath(paper.type + ".pdf");
            dp->currentPrinter()->setOutputFileName(pdf);
            dp->printPage();
            QProcess p;
            p.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
            p.waitForFinished();
            // The page's type joins "ff" into one glyph.
            paper.page = QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0xFB00), QLatin1String("ff"));
            dp->mode_activated(1);
            paper.slip = dp->slipText();
            SlipOut::keep(dp->slipBytes(), false, paper.type);
            dp->mode_activated(2);
            paper.slip40 = dp->slipText();
            SlipOut::keep(dp->slipBytes(), true, paper.type);
            const QString keep = qEnvironmentVariable("BREVALON_KEEP_OUTPUT");
            if (!keep.isEmpty()) {
                QDir().mkpath(keep);
                QFile::remove(keep + '/' + paper.type + ".pdf");
                QFile::copy(pdf, keep + '/' + paper.type + ".pdf");
                for (const auto& [suffix, text] :
                    { std::pair { ".slip.txt", paper.slip }, { ".slip40.txt", paper.slip40 } }) {
                    QFile out(keep + '/' + paper.type + suffix);
                    if (out.open(QIODevice::WriteOnly))
                        out.write(text.toUtf8());
                }
            }
            papers << paper;
            return 1;
    };
    auto expectPapers = [&] {
        for (int i = 0; i < shown.size(); ++i)
            shop.prompts().expectExec(QStringLiteral("DocPrint"), onPaper);
    };

    if (kind == "cash up") {
        shop.prompts().expect(ZkPrompt::Question, "Brevalon - Cash Up", "There are pending orders", 0);
        shop.prompts().expect(ZkPrompt::Question, "Brevalon - Cash Up", "Please select the mode", 0);
        expectPapers();
        utils->cashUp();
    } else if (kind == "waiter cash up") {
        shop.prompts().expectExec("DateDialog", [](QDialog*) { return QDialog::Accepted; });
        shop.prompts().expectExec("ComboDialog", [](QDialog* d) {
            static_cast<ComboDialog*>(d)->comboBox1->setCurrentText("JOHN");
            return QDialog::Accepted;
        });
        shop.prompts().expect(ZkPrompt::Question, "Waiter Cash Up", "There are pending orders", 0);
        expectPapers();
        utils->waiterCashUp();
    } else {
        expectPapers();
        utils->analysis("2026-12-01", "2026-12-31");
    }
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(papers.size(), shown.size());
    for (int i = 0; i < papers.size(); ++i) {
        const Paper& paper = papers.at(i);
        QVERIFY2(!paper.page.contains("-0.00"), qPrintable(paper.type + " shows a negative nothing"));
        for (const QString& text : shown.at(i).split('|')) {
            QVERIFY2(paper.page.contains(text),
                qPrintable(paper.type + " page lacks " + text + ":\n" + paper.page));
            QVERIFY2(SlipOut::asPrinted(paper.slip).contains(text),
                qPrintable(paper.type + " slip lacks " + text + ":\n" + paper.slip));
            QVERIFY2(SlipOut::asPrinted(paper.slip40).contains(text),
                qPrintable(paper.type + " 40-column slip lacks " + text + ":\n" + paper.slip40));
        }
        for (const auto& [text, width] : { std::pair { paper.slip, 80 }, { paper.slip40, 40 } })
            for (const QString& line : text.split('\n'))
                QVERIFY2(SlipOut::paperWidth(line) <= width,
                    qPrintable(QStringLiteral("%1: %2 columns on a %3-column slip: %4")
                                   .arg(paper.type)
                                   .arg(SlipOut::paperWidth(line))
                                   .arg(width)
                                   .arg(line)));
    }
}

BREVALON_TEST_MAIN(TestEndOfDayPaper)
#include "tst_endofdaypaper.moc"
