// The report viewer and the management reports. The viewer: loading a report
// and refusing what is none, sorting, the printed pages, the CSV export read
// back by another program, what the chart is given and its scale. The
// reports on seeded rows, computed by hand: six months over the turn of the
// year, performance against commission, the day's sales, client debt by age
// and the unpaid invoices, returnables settled twice, re-order marks,
// clearing the action log, and the tables' open orders.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zklistitem.h"
#include "core/zksettings.h"
#include "documents/zkrichtext.h"
#include "reports/plot.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"
#include "sales/datedialog.h"
#include "tests/sales/till.h"
#include "tests/support/actionrows.h"
#include "tests/support/salerows.h"

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


/** A sale line in InvoiceItem or InvoiceItemArchive. */
void line(const char* table, int number, const QString& when, int invoice, const QString& sp, double quantity,
          const QString& code, const QString& description, double price, const QString& category = "Inventory",
          const QString& returnable = "N")
{
    TestShop::exec(QStringLiteral("INSERT INTO %1 (MyNumber, MyDate, InvoiceNumber, SP, Quantity, Category, Code, "
                                  "Description, Price, Cost, Returnable) VALUES (%2, '%3', %4, '%5', %6, '%7', '%8', "
                                  "'%9', %10, %11, '%12')")
                       .arg(QLatin1String(table))
                       .arg(number)
                       .arg(when)
                       .arg(invoice)
                       .arg(sp)
                       .arg(quantity)
                       .arg(category, code, description)
                       .arg(price)
                       .arg(price / 2)
                       .arg(returnable));
}

/** A ledger row in Journal or JournalArchive. */
void ledger(const char* table, int account, const char* type, const QString& when, double amount, int number,
            int crossRef = 0)
{
    TestShop::exec(QStringLiteral("INSERT INTO %1 (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber, "
                                  "CrossRef) VALUES (%2, '%3', '%4', %5, 0, %6, %7)")
                       .arg(QLatin1String(table))
                       .arg(account)
                       .arg(QLatin1String(type), when)
                       .arg(amount)
                       .arg(number)
                       .arg(crossRef));
}

int newClient(const QString& name)
{
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name, Phone, Cell, Created) VALUES ('%1', '021 555', "
                                  "'082 555', '2026-03-01')")
                       .arg(QString(name).replace(QLatin1Char('\''), QLatin1String("''"))));
    return TestShop::value(QStringLiteral("SELECT MAX(AccountNumber) FROM Clients")).toInt();
}

QList<int> visuals(Reporter* r)
{
    QList<int> v;
    for (int i = 0; i < r->ReportListView->topLevelItemCount(); ++i)
        v << static_cast<ZkListItem*>(r->ReportListView->topLevelItem(i))->visual();
    return v;
}

QStringList headings(Reporter* r)
{
    QStringList h;
    for (int c = 0; c < r->columnCount(); ++c)
        h << r->ReportListView->headerItem()->text(c);
    return h;
}

/** The rows whose first cell is @p label. */
QList<QStringList> rowsOf(Reporter* r, const QString& label)
{
    QList<QStringList> found;
    for (const QStringList& row : r->rows())
        if (row.value(0) == label)
            found << row;
    return found;
}

} // namespace

class TestReports : public QObject
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
    void salesAndStaff();
    void clientDebt();
    void returnables();
    void stockLevels();
    void clearingTheLog();
    void pendingOrders();

private:
    void pickDate(Till& till, const QDate& date)
    {
        till.shop.prompts().expectExec("DateDialog", [date](QDialog* d) {
            static_cast<DateDialog*>(d)->setDate(date);
            return QDialog::Accepted;
        });
    }
    static void logOn()
    {
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        utils->initClass(true);
    }
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

void TestReports::loaded_data()
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
    QTest::newRow("cut short") << "<zendrik><head type=" << notZendrik << QStringList{};
    QTest::newRow("an invoice") << doc("type='Invoice' columns='1'") << bad << QStringList{};
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

void TestReports::loaded()
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

void TestReports::pages_data()
{
    QTest::addColumn<int>("lines"); // /Misc/RichTextLines; 0: the default
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lastPage");
    QTest::newRow("37 rows at the default 36: two pages") << 0 << 37 << 1;
    QTest::newRow("no rows: one empty page") << 0 << 0 << 0;
    QTest::newRow("25 rows at 10 a page: three pages") << 10 << 25 << 2;
}

void TestReports::pages()
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

void TestReports::loadsAndPrintsAPage()
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

void TestReports::exportTargets_data()
{
    QTest::addColumn<QString>("given"); // under HOME; empty: cancelled
    QTest::addColumn<QString>("written"); // under HOME; empty: nothing, and the warning
    QTest::newRow("no extension: .csv added") << "takings" << "takings.csv";
    QTest::newRow(".CSV kept") << "takings.CSV" << "takings.CSV";
    QTest::newRow("cancelled: a beep only") << "" << "";
    QTest::newRow("a folder of that name") << "taken.csv" << "";
}

void TestReports::exportTargets()
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
    const QString path = home.filePath(given);
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
}

void TestReports::chartSeries_data()
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

void TestReports::chartSeries()
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

void TestReports::scale_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("top");
    QTest::newRow("0, 3, 7: 10") << QList<double>{0, 3, 7} << 10.0;
    QTest::newRow("all below 1: 1") << QList<double>{0.2, 0.9, -40} << 1.0;
    QTest::newRow("exactly 1000: 1000") << QList<double>{1000} << 1000.0;
    QTest::newRow("just above 100: 200") << QList<double>{100.01} << 200.0;
    QTest::newRow("3 million: 5 million") << QList<double>{3e6} << 5e6;
    QTest::newRow("not finite counts as 0") << QList<double>{qInf(), qQNaN(), 3} << 5.0;
}

void TestReports::scale()
{
    QFETCH(QList<double>, values);
    QFETCH(double, top);
    TestShop shop;
    Plot plot;
    plot.setValues(QVector<double>(values.begin(), values.end()));
    QCOMPARE(plot.top(), top);
}

void TestReports::salesAndStaff()
{
    Till till;
    logOn();
    const QString coke = QStringLiteral("COCA-COLA 330ML");
    // Counted by cash-ups (archived): July (before the six months), the
    // first of August, New Year's Eve; January's Remarks line is no sale.
    line("InvoiceItemArchive", 9001, "2026-07-31 22:00:00", 701, "MM", 9, "1001", coke, 166.50);
    line("InvoiceItemArchive", 9002, "2026-08-01 08:00:00", 702, "MM", 2, "1001", coke, 37.00);
    line("InvoiceItemArchive", 9003, "2026-12-31 23:59:59", 703, "JS", 3, "1001", coke, 55.50);
    line("InvoiceItemArchive", 9004, "2027-01-10 12:00:00", 704, "JS", 1, "", "NO ICE", 40.00, "Remarks");
    // Not counted yet (live): January, and February after the six months.
    line("InvoiceItem", 9005, "2027-01-15 13:00:00", 705, "MM", 4, "1001", coke, 74.00);
    line("InvoiceItem", 9006, "2027-02-01 09:00:00", 706, "MM", 7, "1001", coke, 129.50);
    // A quote of the same day is no sale.
    line("InvoiceItem", 9007, "2027-01-15 14:00:00", 707, "MM", 5, "1001", coke, 92.50);
    for (int invoice : {701, 702, 703, 704})
        ledger("JournalArchive", 1, "I", "2027-01-01 00:00:00", 1.00, invoice);
    ledger("Journal", 1, "I", "2027-01-15 13:00:00", 74.00, 705);
    ledger("Journal", 1, "Q", "2027-01-15 14:00:00", 92.50, 707);
    Reporter* r = till.window->reporter();

    // January covers August to January.
    pickDate(till, QDate(2027, 1, 20));
    till.window->merchandiseReport();
    QCOMPARE(headings(r), (QStringList{"Description", "2026-08", "2026-09", "2026-10", "2026-11", "2026-12", "2027-01"}));
    QCOMPARE(rowsOf(r, coke), (QList<QStringList>{{coke, "2", "0", "0", "0", "3", "4"}}));
    QCOMPARE(rowsOf(r, "CAPPUCCINO"), (QList<QStringList>{{"CAPPUCCINO", "0", "0", "0", "0", "0", "0"}}));

    // Performance: archived lines only, so January's live line is missing.
    pickDate(till, QDate(2027, 1, 20));
    till.window->SpPerformanceReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{coke + " [JS]", "0", "0", "0", "0", "3", "0"},
                                            {coke + " [MM]", "2", "0", "0", "0", "0", "0"}}));

    // Commission: the counted lines, then the uncounted ones in red.
    pickDate(till, QDate(2027, 1, 1));
    till.window->commissionReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"JOHN", "40.00", "2.00"},
                                            {"MARY", "74.00", "1.85"},
                                            {"Total", "114.00", "3.85"}}));
    QCOMPARE(visuals(r), (QList<int>{0, 2, 3}));

    // The day's sales: the invoice's line, not the quote's; a day without
    // sales has no rows.
    pickDate(till, QDate(2027, 1, 15));
    till.window->dailySalesReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"1001", coke, "4", "37.00", "74.00"}, {"", "Total", "", "37.00", "74.00"}}));
    pickDate(till, QDate(2026, 6, 1));
    till.window->dailySalesReport();
    QCOMPARE(r->rows().size(), 0);
    QVERIFY(till.shop.prompts().done());

    const QStringList logged = actionLines();
    for (const char* name : {"SALES PERSONEL PERFORMANCE|REPORT", "COMMISSION|REPORT", "DAILY STOCK SALES|REPORT"})
        QVERIFY2(logged.contains(QLatin1String(name)), qPrintable(logged.join(", ")));
}

void TestReports::clientDebt()
{
    Till till;
    // Today is 5 December 2026: "30" is owed from before December, "60"
    // from before October, "90" before September, "120+" before August.
    const QString awkward = QStringLiteral("SMITH & <SONS> \"O'HARA\"");
    const int paid = newClient(awkward);
    const int one = newClient(QStringLiteral("OWES ONE"));
    const int old = newClient(QStringLiteral("OLD DEBT"));
    ledger("Journal", paid, "I", "2026-07-10 10:00:00", 100.00, 801, 901);
    ledger("Journal", paid, "I", "2026-09-15 10:00:00", 50.00, 802, 901);
    ledger("Journal", paid, "I", "2026-11-20 10:00:00", 30.00, 803);
    ledger("Journal", paid, "I", "2026-12-02 10:00:00", 20.00, 804);
    ledger("Journal", paid, "R", "2026-11-25 10:00:00", -150.00, 901);
    ledger("Journal", paid, "Q", "2026-12-03 10:00:00", 999.00, 805);
    ledger("Journal", one, "I", "2026-11-01 10:00:00", 1.00, 806);
    ledger("JournalArchive", old, "I", "2026-05-05 10:00:00", 250.00, 807);
    ledger("Journal", old, "I", "2026-10-20 10:00:00", 40.00, 809); // "30" still, not "60"
    Reporter* r = till.window->reporter();

    till.window->clientDebtReport();
    QCOMPARE(r->rows(),
             (QList<QStringList>{
                 {"OLD DEBT", QString::number(old), "021 555", "082 555", "250.00", "0.00", "0.00", "40.00", "0.00", "290.00"},
                 {awkward, QString::number(paid), "021 555", "082 555", "0.00", "0.00", "0.00", "30.00", "20.00", "50.00"},
                 {"Total", "", "", "", "250.00", "0.00", "0.00", "70.00", "20.00", "340.00"}}));
    QCOMPARE(visuals(r), (QList<int>{2, 0, 3}));

    // A refund as large as the debt does not take the account off the list.
    ledger("Journal", paid, "RF", "2026-12-03 11:00:00", -50.00, 808);
    till.window->outstandingInvoices();
    QCOMPARE(r->rows(), (QList<QStringList>{{"OLD DEBT", QString::number(old), "021 555", "082 555", "807", "250.00"},
                                            {"OLD DEBT", QString::number(old), "021 555", "082 555", "809", "40.00"},
                                            {awkward, QString::number(paid), "021 555", "082 555", "803", "30.00"},
                                            {awkward, QString::number(paid), "021 555", "082 555", "804", "20.00"},
                                            {"Total", "", "", "", "", "340.00"}}));

    till.window->allClientsReport();
    QCOMPARE(rowsOf(r, awkward).size(), 1);
}

void TestReports::returnables()
{
    Till till;
    // Two crates out on Bayside's invoice (account 14); its line archived.
    TestShop::exec("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status) VALUES (610, '2026-11-02 10:00:00', 14, 'C')");
    line("InvoiceItemArchive", 9101, "2026-11-02 10:00:00", 610, "MM", 2, "1006", "LAGER DRAUGHT 500ML", 76.00, "Inventory", "Y");
    TestShop::exec("INSERT INTO Returns (InvoiceNumber, InvoiceItemNumber, DateDone, Status) VALUES (610, 9101, "
                   "'2026-11-02 10:00:00', 'O')");
    Reporter* r = till.window->reporter();
    till.window->returnablesReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"2026-11-02", "BAYSIDE CATERING", "14", "021 555 0199", "082 555 0100",
                                             "610", "2 x LAGER DRAUGHT 500ML"}}));

    auto& prompts = till.shop.prompts();
    prompts.expect(ZkPrompt::TextInput, "Brevalon Returns", "Enter Invoice number.", 0, "610")
        .expect(ZkPrompt::Question, "Brevalon Returns", "Confirm the return of ..\n2 x LAGER DRAUGHT 500ML", 0)
        .expect(ZkPrompt::TextInput, "Brevalon Returns", "Enter Invoice number.", 0, "610")
        .expect(ZkPrompt::Warning, "Error", "There are no returnable items for Invoice 610");
    till.window->editReturns();
    till.window->editReturns();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
    QCOMPARE(TestShop::value("SELECT Status FROM Returns WHERE InvoiceNumber=610").toString(), QStringLiteral("R"));
}

void TestReports::stockLevels()
{
    Till till;
    // Short even with what is on order: red; short until it comes: grey.
    TestShop::exec("UPDATE Inventory SET Quantity=10, OnOrder=0, ReOrder=12 WHERE Code='1001'");
    TestShop::exec("UPDATE Inventory SET Quantity=10, OnOrder=5, ReOrder=12 WHERE Code='1002'");
    TestShop::exec("UPDATE Inventory SET Quantity=20, OnOrder=0, ReOrder=12 WHERE Code='1003'");
    Reporter* r = till.window->reporter();
    till.window->stockLevelReport();
    QMap<QString, int> marks;
    const QList<QStringList> rows = r->rows();
    const QList<int> v = visuals(r);
    for (int i = 0; i < rows.size(); ++i)
        marks[rows.at(i).value(0)] = v.at(i);
    QCOMPARE(marks.value("1001"), 2);
    QCOMPARE(marks.value("1002"), 1);
    QCOMPARE(marks.value("1003"), 0);
    QCOMPARE(rows.first().value(1), QStringLiteral("BEEF BURGER & CHIPS")); // description order
}

void TestReports::clearingTheLog()
{
    Till till;
    TestShop::exec("DELETE FROM Actions");
    TestShop::exec("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES ('2026-12-05 09:00:00', 'LOGIN', "
                   "'MARY : TILL1', '', '0')");
    TestShop::exec("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES ('2026-12-05 09:05:07', "
                   "'REFUND', 'MARY : TILL1', 'ACCOUNT NO 14, DOC NO. 3', '2')");
    Reporter* r = till.window->reporter();
    auto& prompts = till.shop.prompts();

    till.window->actionReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"5 Dec 26 09:05:07", "MARY : TILL1", "REFUND", "ACCOUNT NO 14, DOC NO. 3"},
                                            {"5 Dec 26 09:00:00", "MARY : TILL1", "LOGIN", ""}}));
    QCOMPARE(visuals(r), (QList<int>{2, 0}));
    prompts.expect(ZkPrompt::Question, "Brevalon", "Do you wish to clear the Action log ?", 1);
    r->closePage();
    QCOMPARE(TestShop::count("SELECT id FROM Actions"), 2);

    till.window->actionReport();
    prompts.expect(ZkPrompt::Question, "Brevalon", "Do you wish to clear the Action log ?", 0);
    r->closePage();
    QCOMPARE(TestShop::count("SELECT id FROM Actions"), 0);
    prompts.expect(ZkPrompt::Information, "Brevalon", "The Actions log is empty.");
    till.window->actionReport();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
}

void TestReports::pendingOrders()
{
    Till till;
    // A closed bill is no open order.
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Status='C' WHERE MyNumber=%1")
                       .arg(SaleRows::invoice(6, {SaleRows::item("3001")})));
    till.shop.prompts().expect(ZkPrompt::Information, "Brevalon - Pending Orders", "There are no Pending Orders");
    till.window->pendingOrders();
    QVERIFY(till.shop.prompts().done());
    Reporter* r = till.window->reporter();
    QVERIFY(!r->isVisible());

    // TABLE n is account n + 1 in the demo shop.
    const int first = SaleRows::invoice(4, {SaleRows::item("3001")}, QStringLiteral("O'NEIL"));
    const int second = SaleRows::invoice(11, {SaleRows::item("3005")}, QStringLiteral("SUE"));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET MyDate='2026-12-05 19:42:10' WHERE MyNumber=%1").arg(first));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET MyDate='2026-12-05 20:05:00' WHERE MyNumber=%1").arg(second));
    till.window->pendingOrders();
    QVERIFY(r->isVisible());
    QCOMPARE(r->rows(), (QList<QStringList>{{QString::number(first), "TABLE 3", "19:42", "O'NEIL"},
                                            {QString::number(second), "TABLE 10", "20:05", "SUE"}}));
}

BREVALON_TEST_MAIN(TestReports)
#include "tst_reports.moc"
