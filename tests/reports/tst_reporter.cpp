// The report viewer: loading a report and refusing what is none, sorting on
// and off, the printed pages and their styles, the CSV export read back by
// another program, and what the chart is given.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zklistitem.h"
#include "core/zksettings.h"
#include "documents/zkrichtext.h"
#include "reports/plot.h"
#include "reports/reporter.h"
#include "tests/reports/reportdocs.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList column(const Reporter& r, int c)
{
    QStringList cells;
    for (const QStringList& row : r.rows())
        cells << row.value(c);
    return cells;
}

/** The pages of a PDF as text, empty pages left out. */
QStringList pdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    QStringList pages;
    for (const QString& page : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f')))
        if (!page.trimmed().isEmpty())
            pages << page;
    return pages;
}

/** A CSV file as Python's csv module reads it. */
QList<QStringList> readCsv(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import csv,json,sys\n"
                            "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))))"),
             path});
    p.waitForFinished();
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(p.readAllStandardOutput()).array()) {
        QStringList cells;
        for (const QJsonValue& cell : row.toArray())
            cells << cell.toString();
        rows << cells;
    }
    return rows;
}

} // namespace

class TestReporter : public QObject
{
    Q_OBJECT

private slots:
    void loadsAReport();
    void sorting_data();
    void sorting();
    void notAReport_data();
    void notAReport();
    void pages_data();
    void pages();
    void pageHtml();
    void printsEveryPage();
    void exportReadsBack();
    void exportNames_data();
    void exportNames();
    void exportFailures_data();
    void exportFailures();
    void chartWithoutRows();
    void chartSeries_data();
    void chartSeries();
};

void TestReporter::loadsAReport()
{
    TestShop shop;
    ReportWriter report(QStringLiteral("Takings & Tips"));
    report.column(QStringLiteral("Waiter"))
        .column(QStringLiteral("Amount"), ReportWriter::Right)
        .column(QStringLiteral("Note"), ReportWriter::Center)
        .setChart(true)
        .setExport(false)
        .row({QStringLiteral("SUE"), QStringLiteral("120.50"), QStringLiteral("two\nlines")}, ReportWriter::Red)
        .row({QStringLiteral("JOHN \"JJ\" <O'NEIL>"), QStringLiteral("99.00")});
    Reporter r;
    QVERIFY(r.parseXml(report.finish()));
    QVERIFY(r.isVisible());
    QCOMPARE(r.windowTitle(), QStringLiteral("Brevalon Reporter"));
    QCOMPARE(r.TitleLabel->text(), QStringLiteral("Takings & Tips"));
    QCOMPARE(r.ReportListView->headerItem()->text(1), QStringLiteral("Amount"));
    QVERIFY(r.ChartButton->isEnabled());
    QVERIFY(!r.ExportButton->isEnabled());
    // Sorted on the first column; text as written, line breaks kept.
    QCOMPARE(r.rows(), (QList<QStringList>{{"JOHN \"JJ\" <O'NEIL>", "99.00", ""}, {"SUE", "120.50", "two\nlines"}}));
    auto* sue = static_cast<ZkListItem*>(r.ReportListView->topLevelItem(1));
    QCOMPARE(sue->visual(), int(ReportWriter::Red));
    QCOMPARE(sue->textAlignment(1), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(sue->textAlignment(2), int(Qt::AlignCenter));
    QCOMPARE(sue->textAlignment(0), int(Qt::AlignLeft | Qt::AlignVCenter));
    // A two-line cell makes a taller row.
    QVERIFY(r.ReportListView->visualItemRect(sue).height()
            > r.ReportListView->visualItemRect(r.ReportListView->topLevelItem(0)).height());
}

void TestReporter::sorting_data()
{
    // A column sorts by number where both cells read as numbers (the
    // locale's form or the plain one, group separators allowed), numbers
    // before text, and by text otherwise: the list item's rule.
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<bool>("sorting");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("off: the order written") << QStringList{"B", "10", "A", "9"} << false
                                            << QStringList{"B", "10", "A", "9"};
    QTest::newRow("numbers by value, not by text") << QStringList{"10", "9", "100", "2.5", "-3"} << true
                                                   << QStringList{"-3", "2.5", "9", "10", "100"};
    QTest::newRow("numbers before text") << QStringList{"apple", "10", "Banana", "9", ""} << true
                                         << QStringList{"9", "10", "", "Banana", "apple"};
    QTest::newRow("money with thousands") << QStringList{"1,234.50", "999.99", "12.00"} << true
                                          << QStringList{"12.00", "999.99", "1,234.50"};
    QTest::newRow("dates as text are in date order") << QStringList{"2026-12-05", "2026-01-31", "2025-12-31"}
                                                     << true
                                                     << QStringList{"2025-12-31", "2026-01-31", "2026-12-05"};
}

void TestReporter::sorting()
{
    QFETCH(QStringList, written);
    QFETCH(bool, sorting);
    QFETCH(QStringList, listed);
    TestShop shop;
    Reporter r;
    QVERIFY(r.parseXml(ReportDocs::column0(written, sorting)));
    QCOMPARE(column(r, 0), listed);
    QCOMPARE(r.ReportListView->isSortingEnabled(), sorting);
}

void TestReporter::notAReport_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("debug"); // the debug line written; empty: none
    QTest::addColumn<QStringList>("listed");
    const QString bad = QStringLiteral("Not a valid report specification");
    const QString notZendrik = QStringLiteral("Not a valid zendrik document");
    QTest::newRow("no text") << "" << notZendrik << QStringList{};
    QTest::newRow("not XML") << "<zendrik><head type=" << notZendrik << QStringList{};
    QTest::newRow("another root") << "<report><head type='report' columns='1'/><item col0='x'/></report>"
                                  << notZendrik << QStringList{};
    QTest::newRow("an invoice") << "<zendrik><head type='Invoice' columns='1'/><item col0='x'/></zendrik>" << bad
                                << QStringList{};
    QTest::newRow("no head") << "<zendrik><item col0='x'/></zendrik>" << bad << QStringList{};
    QTest::newRow("no columns") << "<zendrik><head type='report'/><item col0='x'/></zendrik>" << bad
                                << QStringList{};
    QTest::newRow("columns not a number") << "<zendrik><head type='report' columns='two'/><item col0='x'/></zendrik>"
                                          << bad << QStringList{};
    QTest::newRow("no column") << "<zendrik><head type='report' columns='0'/><item col0='x'/></zendrik>" << bad
                               << QStringList{};
    QTest::newRow("a million columns")
        << "<zendrik><head type='report' columns='1000000'/><item col0='x'/></zendrik>" << bad << QStringList{};
    QTest::newRow("type in capitals") << "<zendrik><head type='REPORT' columns='1'/><item col0='x'/></zendrik>"
                                      << "" << QStringList{"x"};
    QTest::newRow("rows short of cells: empty cells")
        << "<zendrik><head type='report' columns='3' title='T'/><item col0='x'/><item col0='y' col1='1' col2='2'/>"
           "</zendrik>"
        << "Report \"T\": 1 rows with fewer cells than its 3 columns" << QStringList{"x|-|-", "y|1|2"};
    QTest::newRow("a bare ampersand") << "<zendrik><head type='report' columns='1'/><item col0='Fish & Chips'/>"
                                         "<item col0='&#65;&quot;'/></zendrik>"
                                      << "" << QStringList{"A\"", "Fish & Chips"};
}

void TestReporter::notAReport()
{
    QFETCH(QString, xml);
    QFETCH(QString, debug);
    QFETCH(QStringList, listed);
    TestShop shop;
    Reporter r;
    // A good report first: a bad one must not leave its rows behind.
    QVERIFY(r.parseXml(ReportDocs::numbered(3)));
    if (!debug.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, qPrintable(debug));
    QCOMPARE(r.parseXml(xml), !listed.isEmpty());
    QStringList rows;
    for (QStringList row : r.rows())
        rows << row.replaceInStrings(QRegularExpression(QStringLiteral("^$")), QStringLiteral("-")).join('|');
    QCOMPARE(rows, listed);
    if (listed.isEmpty())
        QCOMPARE(r.ReportListView->topLevelItemCount(), 0);
}

void TestReporter::pages_data()
{
    QTest::addColumn<int>("lines"); // /Misc/RichTextLines; 0: not set
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lastPage");
    QTest::newRow("37 rows at the default 36: two pages") << 0 << 37 << 1;
    QTest::newRow("36 rows: one page") << 0 << 36 << 0;
    QTest::newRow("73 rows: three pages") << 0 << 73 << 2;
    QTest::newRow("no rows: one empty page") << 0 << 0 << 0;
    QTest::newRow("25 rows at 10 a page: three pages") << 10 << 25 << 2;
}

void TestReporter::pages()
{
    QFETCH(int, lines);
    QFETCH(int, rows);
    QFETCH(int, lastPage);
    TestShop shop;
    if (lines > 0)
        settings->writeEntry(QStringLiteral("/Misc/RichTextLines"), lines);
    const int perPage = lines > 0 ? lines : 36;
    Reporter r;
    QVERIFY(r.parseXml(ReportDocs::numbered(rows)));
    r.printPage();
    QCOMPARE(r.result(), 1);
    QVERIFY(!r.isVisible());
    ZkRichText* preview = r.preview();
    QVERIFY(preview->isVisible());
    QCOMPARE(r.lastPage(), lastPage);

    // Forward past the end and back past the start: each page holds its
    // rows only, and the buttons say where one can go.
    auto check = [&](int page) {
        QCOMPARE(r.currentPage(), page);
        QCOMPARE(preview->text(), r.tableViewLoad());
        QCOMPARE(preview->PrevButton->isEnabled(), page > 0);
        QCOMPARE(preview->NextButton->isEnabled(), page < lastPage);
        const int first = page * perPage + 1;
        const int last = qMin(rows, (page + 1) * perPage);
        QCOMPARE(int(preview->text().count(QLatin1String("<tr"))), 1 + qMax(0, last - first + 1));
        if (last >= first) {
            QVERIFY(preview->text().contains(QStringLiteral(">ROW %1<").arg(first)));
            QVERIFY(preview->text().contains(QStringLiteral(">ROW %1<").arg(last)));
        }
    };
    for (int page = 0; page <= lastPage; ++page) {
        check(page);
        preview->next();
    }
    check(lastPage);
    for (int page = lastPage; page >= 0; --page) {
        check(page);
        preview->prev();
    }
    check(0);
}

void TestReporter::pageHtml()
{
    TestShop shop;
    ReportWriter report(QStringLiteral("Cash & Carry"));
    report.column(QStringLiteral("Item")).column(QStringLiteral("Qty"), ReportWriter::Right).setSorting(false);
    report.row({QStringLiteral("A<b>"), QStringLiteral("1")})
        .row({QStringLiteral("two\nlines"), QStringLiteral("2")}, ReportWriter::Grey)
        .row({QStringLiteral("BIG"), QStringLiteral("3")}, 18)
        .row({QStringLiteral("GREEN"), QStringLiteral("4")}, ReportWriter::Green);
    Reporter r;
    QVERIFY(r.parseXml(report.finish()));
    const QString today = Utility::locale().toString(ZkClock::today(), QLocale::LongFormat);
    QCOMPARE(r.tableViewLoad(),
             "<center><h2>Brevalon Cash &amp; Carry<br>" + today
                 + "</h2></center><table BORDER CELLSPACING=0 CELLPADDING=2>"
                   "<tr><th><b>Item</b></th><th><b>Qty</b></th></tr>"
                   "<tr><td><font size=-1>A&lt;b&gt;</font></td><td align=center><font size=-1>1</font></td></tr>"
                   "<tr BGCOLOR=\"#CCCCCC\"><td><font size=-1>two<br>lines</font></td>"
                   "<td align=center><font size=-1>2</font></td></tr>"
                   "<tr BGCOLOR=\"#FFCCCC\"><td><font size=+2>BIG</font></td>"
                   "<td align=center><font size=+2>3</font></td></tr>"
                   "<tr BGCOLOR=\"#C0FFCC\"><td><font size=-1>GREEN</font></td>"
                   "<td align=center><font size=-1>4</font></td></tr></table>");
}

void TestReporter::printsEveryPage()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestShop shop;
    const QString pdf = shop.home() + QLatin1String("/report.pdf");
    Reporter r;
    QVERIFY(r.parseXml(ReportDocs::numbered(37)));
    r.printPage();
    r.tableViewAction(Reporter::NextPage);
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [&](QDialog* d) {
        static_cast<QPrintDialog*>(d)->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    r.preview()->PrintAllButton->click();
    QVERIFY(shop.prompts().done());
    QVERIFY(!r.preview()->isPrinting());
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages.at(0).contains(QLatin1String("ROW 1 ")) && pages.at(0).contains(QLatin1String("ROW 36")));
    QVERIFY(!pages.at(0).contains(QLatin1String("ROW 37")));
    QVERIFY(pages.at(1).contains(QLatin1String("ROW 37")) && pages.at(1).contains(QLatin1String("Numbered")));
    // The page shown before is shown again.
    QCOMPARE(r.currentPage(), 1);
    QVERIFY(r.preview()->text().contains(QLatin1String(">ROW 37<")));
}

void TestReporter::exportReadsBack()
{
    TestShop shop;
    const QList<QStringList> cells{
        {"plain", "12.50", "x"},
        {"with, comma", "say \"hi\"", "two\nlines"},
        {"", "\"\"", "Crème brûlée €5"},
        {"O'Neil & <Sons>", "\\", ","},
    };
    ReportWriter report(QStringLiteral("Hostile"));
    report.column(QStringLiteral("A")).column(QStringLiteral("B")).column(QStringLiteral("C")).setSorting(false);
    for (const QStringList& row : cells)
        report.row(row);
    Reporter r;
    QVERIFY(r.parseXml(report.finish()));
    QVERIFY(r.ExportButton->isEnabled());
    const QString path = shop.home() + QLatin1String("/hostile.csv");
    shop.prompts()
        .expect(ZkPrompt::SaveFile, QStringLiteral("Choose a destination file"),
                QStringLiteral("Export as CSV (*.csv)"), 0, path)
        .expect(ZkPrompt::Information, QStringLiteral("Export Results"), QStringLiteral("Export to CSV complete"));
    r.ExportButton->click();
    QVERIFY(shop.prompts().done());
    QCOMPARE(readCsv(path), cells);
}

void TestReporter::exportNames_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension: .csv added") << "takings" << "takings.csv";
    QTest::newRow("another extension: .csv added") << "takings.txt" << "takings.txt.csv";
    QTest::newRow(".csv kept") << "takings.csv" << "takings.csv";
    QTest::newRow(".CSV kept") << "takings.CSV" << "takings.CSV";
}

void TestReporter::exportNames()
{
    QFETCH(QString, given);
    QFETCH(QString, written);
    TestShop shop;
    Reporter r;
    QVERIFY(r.parseXml(ReportDocs::numbered(2)));
    const QString folder = shop.home() + QLatin1Char('/');
    shop.prompts()
        .expect(ZkPrompt::SaveFile, QString(), QString(), 0, folder + given)
        .expect(ZkPrompt::Information, QStringLiteral("Export Results"), QString());
    r.exportPage();
    QVERIFY(shop.prompts().done());
    QCOMPARE(readCsv(folder + written), (QList<QStringList>{{"ROW 1", "1"}, {"ROW 2", "2"}}));
}

void TestReporter::exportFailures_data()
{
    QTest::addColumn<QString>("given"); // under HOME; "/..." as it is; empty: cancelled
    QTest::addColumn<bool>("warned");
    QTest::newRow("cancelled: a beep only") << "" << false;
    QTest::newRow("a folder that does not exist") << "nowhere/takings.csv" << true;
    QTest::newRow("a folder of that name") << "taken.csv" << true;
    QTest::newRow("a place nobody may write") << "/proc/takings.csv" << true;
}

void TestReporter::exportFailures()
{
    QFETCH(QString, given);
    QFETCH(bool, warned);
    TestShop shop;
    QDir home(shop.home());
    QVERIFY(home.mkdir(QStringLiteral("taken.csv")));
    const QStringList before = home.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    Reporter r;
    QVERIFY(r.parseXml(ReportDocs::numbered(2)));
    const QString path = given.startsWith(QLatin1Char('/')) ? given : home.filePath(given);
    shop.prompts().expect(ZkPrompt::SaveFile, QString(), QString(), 0, given.isEmpty() ? QString() : path,
                          !given.isEmpty());
    if (warned)
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Export Results"),
                              QStringLiteral("CSV Export aborted, can't create %1").arg(path));
    const int beeps = shop.prompts().beeps();
    r.exportPage();
    QVERIFY(shop.prompts().done());
    QCOMPARE(shop.prompts().beeps(), beeps + 1);
    // Nothing written, not even half a file beside the target.
    QCOMPARE(home.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QFileInfo(home.filePath(QStringLiteral("taken.csv"))).isDir());
    QVERIFY(!QFile::exists(QStringLiteral("/proc/takings.csv")));
}

void TestReporter::chartWithoutRows()
{
    TestShop shop;
    Reporter r;
    QVERIFY(r.parseXml(ReportDocs::numbered(3)));
    r.ReportListView->setCurrentItem(r.ReportListView->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Graph Results"),
                          QStringLiteral("You must higlight entries to chart"));
    r.chartPage();
    QVERIFY(shop.prompts().done());
}

void TestReporter::chartSeries_data()
{
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QList<QStringList>>("rows"); // the last two are chosen
    QTest::addColumn<bool>("bar");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("top");
    const QStringList months{"Item", "2026-07", "2026-08", "2026-09", "2026-10", "2026-11", "2026-12", "Total"};
    QTest::newRow("six months: lines")
        << months
        << QList<QStringList>{{"BREAD", "9", "9", "9", "9", "9", "9", "54"},
                              {"COFFEE", "12", "30", "45.5", "1,250.00", "80", "95", "x"},
                              {"TEA\nGREEN", "abc", "", "inf", "1e400", "-5", "7", "x"}}
        << false << QDate(2026, 7, 1) << QList<double>{12, 30, 45.5, 1250, 80, 95, 0, 0, 0, 0, -5, 7} << 2000.0;
    QTest::newRow("two columns: bars; no month in the heading")
        << QStringList{"Waiter", "Takings"}
        << QList<QStringList>{{"JOHN", "10"}, {"MARY", "180"}, {"SUE", "nothing"}} << true << QDate()
        << QList<double>{180, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 200.0;
    QTest::newRow("nothing but zeros: the top is 1")
        << months.mid(0, 4) << QList<QStringList>{{"A", "1", "1", "1"}, {"B", "0", "0", "0"}, {"C", "0", "", "0"}}
        << false << QDate(2026, 7, 1) << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 1.0;
}

void TestReporter::chartSeries()
{
    QFETCH(QStringList, headings);
    QFETCH(QList<QStringList>, rows);
    QFETCH(bool, bar);
    QFETCH(QDate, start);
    QFETCH(QList<double>, values);
    QFETCH(double, top);
    TestShop shop;
    ReportWriter report(QStringLiteral("Sales by month"));
    for (const QString& h : headings)
        report.column(h);
    report.setChart(true).setSorting(false);
    for (const QStringList& row : rows)
        report.row(row);
    Reporter r;
    QVERIFY(r.parseXml(report.finish()));
    QVERIFY(r.ChartButton->isEnabled());
    // The rows chosen, picked last first: the chart takes them in list order.
    r.ReportListView->topLevelItem(2)->setSelected(true);
    r.ReportListView->topLevelItem(1)->setSelected(true);
    QStringList legends;
    QList<double> seen;
    QString title;
    bool drawnAsBars = !bar;
    QDate from;
    double scaleTop = 0;
    shop.prompts().expectExec(QStringLiteral("Plot"), [&](QDialog* d) {
        auto* plot = static_cast<Plot*>(d);
        title = plot->title();
        drawnAsBars = plot->isBar();
        from = plot->startDate();
        scaleTop = plot->top();
        legends = plot->legends();
        seen = plot->values();
        return int(QDialog::Accepted);
    });
    r.ChartButton->click();
    QVERIFY(shop.prompts().done());
    QCOMPARE(title, QStringLiteral("<b>Brevalon<br>Sales by month</b>"));
    QCOMPARE(drawnAsBars, bar);
    QCOMPARE(from, start);
    QCOMPARE(scaleTop, top);
    QCOMPARE(legends, (QStringList{rows.at(1).at(0), rows.at(2).at(0).simplified()}));
    QCOMPARE(seen, values);
}

BREVALON_TEST_MAIN(TestReporter)
#include "tst_reporter.moc"
