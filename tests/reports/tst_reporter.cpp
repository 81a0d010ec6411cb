// The report viewer and its chart: loading a report and refusing what is
// none, sorting on and off, the printed pages and their row styles, the CSV
// export read back by another program, what the chart is given and its scale.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zksettings.h"
#include "documents/zkrichtext.h"
#include "reports/plot.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"
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

/** A report of "ROW 1".."ROW n", in that order, with their numbers. */
QString numbered(int rows)
{
    ReportWriter report(QStringLiteral("Numbered"));
    report.column(QStringLiteral("Name"))
        .column(QStringLiteral("No."), ReportWriter::Right)
        .setSorting(false);
    for (int i = 1; i <= rows; ++i)
        report.row({QStringLiteral("ROW %1").arg(i), QString::number(i)});
    return report.finish();
}

/** The rows listed, cells joined by "|". */
QStringList listed(const Reporter& r)
{
    QStringList rows;
    for (const QStringList& row : r.rows())
        rows << row.join(QLatin1Char('|'));
    return rows;
}

/** A CSV file as Python's csv module reads it. */
QList<QStringList> readCsv(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"),
            QStringLiteral("import csv,json,sys\nprint(json.dumps(list(csv.reader("
                           "open(sys.argv[1], newline='', encoding='utf-8')))))"),
            path});
    p.waitForFinished();
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(p.readAllStandardOutput()).array()) {
        rows.append(QStringList());
        for (const QJsonValue& cell : row.toArray())
            rows.last() << cell.toString();
    }
    return rows;
}

} // namespace

class TestReporter : public QObject
{
    Q_OBJECT

private slots:
    void loaded_data();
    void loaded();
    void pages_data();
    void pages();
    void loadsAndPrintsAPage();
    void exportTargets_data();
    void exportTargets();
    void chartSeries_data();
    void chartSeries();
    void scale_data();
    void scale();
};

/** A one-column report of @p cells as written, sorting or not. */
QString column(const QStringList& cells, bool sorting)
{
    ReportWriter report(QStringLiteral("Column"));
    report.column(QStringLiteral("Value")).setSorting(sorting);
    for (const QString& cell : cells)
        report.row({cell});
    return report.finish();
}

void TestReporter::loaded_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("debug"); // the debug line written; empty: none
    QTest::addColumn<QStringList>("shown"); // empty: refused
    // A column sorts by number where both cells read as numbers (in the
    // locale's form or the plain one, thousands separators allowed), numbers
    // before text, and by text otherwise: the rule of every list's rows.
    QTest::newRow("sorting off: the order written")
        << column({"B", "10", "A", "9"}, false) << "" << QStringList{"B", "10", "A", "9"};
    QTest::newRow("numbers by value") << column({"10", "9", "100", "2.5", "-3"}, true) << ""
                                      << QStringList{"-3", "2.5", "9", "10", "100"};
    QTest::newRow("numbers before text") << column({"apple", "10", "Banana", "9", ""}, true) << ""
                                         << QStringList{"9", "10", "", "Banana", "apple"};
    QTest::newRow("money with thousands") << column({"1,234.50", "999.99", "12.00"}, true) << ""
                                          << QStringList{"12.00", "999.99", "1,234.50"};
    const QString bad = QStringLiteral("Not a valid report specification");
    const QString notZendrik = QStringLiteral("Not a valid zendrik document");
    auto doc = [](const char* head, const char* items = "<item col0='x'/>") {
        return QStringLiteral("<zendrik><head %1/>%2</zendrik>").arg(QLatin1String(head), QLatin1String(items));
    };
    QTest::newRow("no text") << "" << notZendrik << QStringList{};
    QTest::newRow("cut short") << "<zendrik><head type=" << notZendrik << QStringList{};
    QTest::newRow("another root") << "<report><head type='report' columns='1'/></report>" << notZendrik
                                  << QStringList{};
    QTest::newRow("an invoice") << doc("type='Invoice' columns='1'") << bad << QStringList{};
    QTest::newRow("no columns") << doc("type='report'") << bad << QStringList{};
    QTest::newRow("columns not a number") << doc("type='report' columns='two'") << bad << QStringList{};
    QTest::newRow("a million columns") << doc("type='report' columns='1000000'") << bad << QStringList{};
    QTest::newRow("type in capitals") << doc("type='REPORT' columns='1'") << "" << QStringList{"x"};
    QTest::newRow("rows short of cells: empty cells")
        << doc("type='report' columns='3' title='T'", "<item col0='x'/><item col0='y' col1='1' col2='2'/>")
        << "Report \"T\": 1 rows with fewer cells than its 3 columns" << QStringList{"x||", "y|1|2"};
    QTest::newRow("a bare ampersand") << doc("type='report' columns='1'",
                                             "<item col0='Fish & Chips'/><item col0='&#65;&quot;'/>")
                                      << "" << QStringList{"A\"", "Fish & Chips"};
}

void TestReporter::loaded()
{
    QFETCH(QString, xml);
    QFETCH(QString, debug);
    QFETCH(QStringList, shown);
    TestShop shop;
    Reporter r;
    // A good report first: a bad one must not leave its rows behind.
    QVERIFY(r.parseXml(numbered(3)));
    if (!debug.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, qPrintable(debug));
    QCOMPARE(r.parseXml(xml), !shown.isEmpty());
    QCOMPARE(listed(r), shown);
}

void TestReporter::pages_data()
{
    QTest::addColumn<int>("lines"); // /Misc/RichTextLines; 0: the default
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lastPage");
    QTest::newRow("37 rows at the default 36: two pages") << 0 << 37 << 1;
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
    QVERIFY(r.parseXml(numbered(rows)));
    r.PrintButton->click();
    QCOMPARE(r.result(), 1);
    QVERIFY(!r.isVisible());
    ZkRichText* preview = r.preview();
    QVERIFY(preview->isVisible());

    // Forward past the end and back past the start: each page holds its
    // rows only, and Prev and Next say where one can go.
    auto check = [&](int page) {
        QCOMPARE(r.currentPage(), page);
        QCOMPARE(preview->PrevButton->isEnabled(), page > 0);
        QCOMPARE(preview->NextButton->isEnabled(), page < lastPage);
        const int first = page * perPage + 1;
        const int last = qMin(rows, (page + 1) * perPage);
        QCOMPARE(int(preview->text().count(QLatin1String("<tr"))), 1 + qMax(0, last - first + 1));
        QVERIFY(last < first || preview->text().contains(QStringLiteral(">ROW %1<").arg(first)));
        QVERIFY(last < first || preview->text().contains(QStringLiteral(">ROW %1<").arg(last)));
    };
    for (int page = 0; page <= lastPage; ++page) {
        check(page);
        preview->next();
    }
    for (int page = lastPage; page >= 0; --page) {
        check(page);
        preview->prev();
    }
    check(0);

    // Printed from the second page: every page on paper, then the second shown again.
    if (lastPage != 1 || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return;
    preview->next();
    const QString pdf = shop.home() + QLatin1String("/report.pdf");
    shop.prompts().expectExec(QStringLiteral("PrintSetup"), [&](QDialog* d) {
        static_cast<QPrintDialog*>(d)->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    preview->PrintAllButton->click();
    QVERIFY(shop.prompts().done());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    QCOMPARE(pages.size(), 3); // the text ends with a form feed
    QVERIFY(pages.at(0).contains(QLatin1String("ROW 1 ")) && pages.at(0).contains(QLatin1String("ROW 36")));
    QVERIFY(!pages.at(0).contains(QLatin1String("ROW 37")));
    QVERIFY(pages.at(1).contains(QLatin1String("ROW 37")) && pages.at(1).contains(QLatin1String("Numbered")));
    check(1);
}

void TestReporter::loadsAndPrintsAPage()
{
    TestShop shop;
    ReportWriter report(QStringLiteral("Cash & Carry"));
    report.column(QStringLiteral("Item"))
        .column(QStringLiteral("Qty"), ReportWriter::Right)
        .column(QStringLiteral("Note"), ReportWriter::Center)
        .setSorting(false)
        .setChart(true)
        .setExport(false);
    report.row({QStringLiteral("A<b>"), QStringLiteral("1")})
        .row({QStringLiteral("two\nlines"), QStringLiteral("2"), QStringLiteral("O'Neil \"JJ\"")},
            ReportWriter::Grey)
        .row({QStringLiteral("BIG"), QStringLiteral("3")}, 18)
        .row({QStringLiteral("GREEN"), QStringLiteral("4")}, ReportWriter::Green);
    Reporter r;
    QVERIFY(r.parseXml(report.finish()));
    QVERIFY(r.isVisible());
    QCOMPARE(r.TitleLabel->text(), QStringLiteral("Cash & Carry"));
    QVERIFY(r.ChartButton->isEnabled() && !r.ExportButton->isEnabled());
    QCOMPARE(listed(r), (QStringList{"A<b>|1|", "two\nlines|2|O'Neil \"JJ\"", "BIG|3|", "GREEN|4|"}));
    QTreeWidgetItem* two = r.ReportListView->topLevelItem(1);
    QCOMPARE(two->textAlignment(1), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(two->textAlignment(2), int(Qt::AlignCenter));
    // A two-line cell makes a taller row.
    QVERIFY(r.ReportListView->visualItemRect(two).height()
        > r.ReportListView->visualItemRect(r.ReportListView->topLevelItem(0)).height());

    const QString today = Utility::locale().toString(ZkClock::today(), QLocale::LongFormat);
    const QString cell = QStringLiteral("<td align=center><font size=%1>%2</font></td>");
    QCOMPARE(r.tableViewLoad(),
        "<center><h2>Brevalon Cash &amp; Carry<br>" + today
            + "</h2></center><table BORDER CELLSPACING=0 CELLPADDING=2>"
              "<tr><th><b>Item</b></th><th><b>Qty</b></th><th><b>Note</b></th></tr>"
              "<tr><td><font size=-1>A&lt;b&gt;</font></td>"
            + cell.arg("-1", "1") + cell.arg("-1", "") + "</tr><tr BGCOLOR=\"#CCCCCC\">"
            + "<td><font size=-1>two<br>lines</font></td>" + cell.arg("-1", "2")
            + cell.arg("-1", "O'Neil &quot;JJ&quot;") + "</tr><tr BGCOLOR=\"#FFCCCC\">"
            + "<td><font size=+2>BIG</font></td>" + cell.arg("+2", "3") + cell.arg("+2", "")
            + "</tr><tr BGCOLOR=\"#C0FFCC\"><td><font size=-1>GREEN</font></td>" + cell.arg("-1", "4")
            + cell.arg("-1", "") + "</tr></table>");
}

void TestReporter::exportTargets_data()
{
    QTest::addColumn<QString>("given"); // under HOME, or "/..." as it is; empty: cancelled
    QTest::addColumn<QString>("written"); // under HOME; empty: nothing, and the warning
    QTest::newRow("no extension: .csv added") << "takings" << "takings.csv";
    QTest::newRow(".csv kept") << "takings.csv" << "takings.csv";
    QTest::newRow("another extension: .csv added") << "takings.txt" << "takings.txt.csv";
    QTest::newRow(".CSV kept") << "takings.CSV" << "takings.CSV";
    QTest::newRow("cancelled: a beep only") << "" << "";
    QTest::newRow("a folder that does not exist") << "nowhere/takings.csv" << "";
    QTest::newRow("a folder of that name") << "taken.csv" << "";
    QTest::newRow("a place nobody may write") << "/proc/takings.csv" << "";
}

void TestReporter::exportTargets()
{
    QFETCH(QString, given);
    QFETCH(QString, written);
    TestShop shop;
    QDir home(shop.home());
    QVERIFY(home.mkdir(QStringLiteral("taken.csv")));
    const QStringList before = home.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    // Cells that a careless CSV writer loses.
    const QList<QStringList> cells{
        {"with, comma", "say \"hi\"", "two\nlines"},
        {"", "\"\"", "Crème brûlée €5"},
        {"O'Neil & <Sons>", "\\", ","},
    };
    ReportWriter report(QStringLiteral("Hostile"));
    report.column(QStringLiteral("A"))
        .column(QStringLiteral("B"))
        .column(QStringLiteral("C"))
        .setSorting(false);
    for (const QStringList& row : cells)
        report.row(row);
    Reporter r;
    QVERIFY(r.parseXml(report.finish()));
    const QString path = given.startsWith(QLatin1Char('/')) ? given : home.filePath(given);
    shop.prompts().expect(ZkPrompt::SaveFile, QStringLiteral("Choose a destination file"),
        QStringLiteral("Export as CSV (*.csv)"), 0, given.isEmpty() ? QString() : path, !given.isEmpty());
    if (!written.isEmpty())
        shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Export Results"),
            QStringLiteral("Export to CSV complete"));
    else if (!given.isEmpty())
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Export Results"),
            QStringLiteral("CSV Export aborted, can't create %1").arg(path));
    const int beeps = shop.prompts().beeps();
    r.exportPage();
    QVERIFY(shop.prompts().done());
    QCOMPARE(shop.prompts().beeps(), beeps + (written.isEmpty() ? 1 : 0));
    if (!written.isEmpty()) {
        QCOMPARE(readCsv(home.filePath(written)), cells);
        return;
    }
    // Nothing written, not even half a file beside the target.
    QCOMPARE(home.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QFileInfo(home.filePath(QStringLiteral("taken.csv"))).isDir());
    QVERIFY(!QFile::exists(QStringLiteral("/proc/takings.csv")));
}

void TestReporter::chartSeries_data()
{
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QList<QStringList>>("rows"); // the last two are chosen
    QTest::addColumn<bool>("bar");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("top");
    const QStringList months{
        "Item", "2026-07", "2026-08", "2026-09", "2026-10", "2026-11", "2026-12", "Total"};
    QTest::newRow("six months: lines") << months
        << QList<QStringList>{{"BREAD", "9", "9", "9", "9", "9", "9", "54"},
               {"COFFEE", "12", "30", "45.5", "1,250.00", "80", "95", "x"},
               {"TEA\nGREEN", "abc", "", "inf", "1e400", "-5", "7", "x"}}
        << false << QDate(2026, 7, 1) << QList<double>{12, 30, 45.5, 1250, 80, 95, 0, 0, 0, 0, -5, 7}
        << 2000.0;
    QTest::newRow("two columns: bars; no month in the heading") << QStringList{"Waiter", "Takings"}
        << QList<QStringList>{{"JOHN", "10"}, {"MARY", "180"}, {"SUE", "none"}} << true << QDate()
        << QList<double>{180, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 200.0;
    QTest::newRow("no row chosen: refused")
        << months << QList<QStringList>{} << false << QDate() << QList<double>{} << 0.0;
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
    if (rows.isEmpty()) {
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Graph Results"),
            QStringLiteral("You must higlight entries to chart"));
        r.ChartButton->click();
        QVERIFY(shop.prompts().done());
        return;
    }
    // Chosen last first: the chart takes them in the list's order.
    r.ReportListView->topLevelItem(2)->setSelected(true);
    r.ReportListView->topLevelItem(1)->setSelected(true);
    QStringList given; // what the chart was given, one line per property
    shop.prompts().expectExec(QStringLiteral("Plot"), [&](QDialog* d) {
        auto* plot = static_cast<Plot*>(d);
        given << plot->title() << QString::number(plot->isBar()) << plot->startDate().toString(Qt::ISODate)
              << QString::number(plot->top()) << plot->legends().join(QLatin1Char('|'));
        for (double v : plot->values())
            given << QString::number(v);
        return int(QDialog::Accepted);
    });
    r.ChartButton->click();
    QVERIFY(shop.prompts().done());
    QStringList expected {"<b>Brevalon<br>Sales by month</b>", QString::number(bar),
        start.toString(Qt::ISODate), QString::number(top),
        rows.at(1).at(0) + '|' + rows.at(2).at(0).simplified()};
    for (double v : values)
        expected << QString::number(v);
    QCOMPARE(given, expected);
}

void TestReporter::scale_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("top");
    QTest::newRow("0, 3, 7: 10") << QList<double>{0, 3, 7} << 10.0;
    QTest::newRow("180: 200") << QList<double>{180, 20} << 200.0;
    QTest::newRow("all below 1: 1") << QList<double>{0.2, 0.9, -40} << 1.0;
    QTest::newRow("exactly 1000: 1000") << QList<double>{1000} << 1000.0;
    QTest::newRow("just above 100: 200") << QList<double>{100.01} << 200.0;
    QTest::newRow("3 million: 5 million") << QList<double>{3e6} << 5e6;
    QTest::newRow("not finite counts as 0") << QList<double>{qInf(), qQNaN(), 3} << 5.0;
}

void TestReporter::scale()
{
    QFETCH(QList<double>, values);
    QFETCH(double, top);
    TestShop shop;
    Plot plot;
    plot.setValues(QVector<double>(values.begin(), values.end()));
    QCOMPARE(plot.top(), top);
}

BREVALON_TEST_MAIN(TestReporter)
#include "tst_reporter.moc"
