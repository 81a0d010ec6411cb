// How long the cashier waits between Return in the entry line and the line
// in the sale, with 100 000 items: an exact code, a weighing scale's label,
// and a description prefix (searched, then Return again to add the first
// match). Prints the median and the worst time of each, in milliseconds.
//
//   BREVALON_TEST_BACKEND=sqlite|mariadb build/bench/bench_lookup [items] [runs]
//
// MariaDB needs the server of scripts/test.sh (BREVALON_TEST_MYSQL_*).

#include "bench/bigshop.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "sales/sales.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTextStream>
#include <functional>

namespace {

constexpr int kScaleItems = 2000;
constexpr int kLinesPerSale = 40;

QString scaleCode(int i)
{
    return QStringLiteral("27%1").arg(i % kScaleItems, 5, 10, QLatin1Char('0'));
}

// Half the scale's items are priced by the label, half weighed by it.
void addScaleItems()
{
    QSqlDatabase::database().transaction();
    QSqlQuery q;
    QStringList rows;
    for (int i = 0; i < kScaleItems; ++i) {
        rows << QStringLiteral("('%1','DELI','SCALE ITEM %2','KG',%3,'Y','N',0,0)")
                    .arg(scaleCode(i))
                    .arg(i)
                    .arg(i % 2 ? QStringLiteral("89.90") : QStringLiteral("0"));
        if (rows.size() == 500) {
            if (!q.exec(QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, "
                                       "Tax1, Tax2, Quantity, ToQuantity) VALUES ")
                        + rows.join(QLatin1Char(','))))
                qFatal("scale items: %s", qPrintable(q.lastQuery().left(200)));
            rows.clear();
        }
    }
    QSqlDatabase::database().commit();
}

struct Result
{
    QString kind;
    QVector<double> ms;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    BigShop::useThisBuild();
    QTextStream out(stdout);
    if (TestShop::isMariaDb() && qEnvironmentVariableIsEmpty("BREVALON_TEST_MYSQL_PORT")) {
        out << "bench_lookup: MariaDB needs the server that scripts/test.sh starts (BREVALON_TEST_MYSQL_PORT)\n";
        return 2;
    }
    const QStringList args = QCoreApplication::arguments();
    const int items = args.size() > 1 ? args.at(1).toInt() : 100000;
    const int runs = args.size() > 2 ? args.at(2).toInt() : 300;

    TestShop shop;
    out << "growing the shop to " << items << " items on " << (TestShop::isMariaDb() ? "MariaDB" : "SQLite")
        << " ...\n";
    out.flush();
    BigShop::grow(items, 20000);
    addScaleItems();
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashOnlyLock='Y' WHERE Name='MARY'"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('MARY', '%1', '%2')")
                       .arg(utils->hostName(), utils->stationId()));
    settings->writeEntry(QStringLiteral("/Global/QtyCheck"), false);
    // A scanning till: the keyboard layout, where a cleared sale does not
    // stop for the next waiter's keypad.
    settings->writeEntry(QStringLiteral("/Personal/VendPage/MARY"), false);

    utils->setUserName(QStringLiteral("MARY"));
    Sales window;
    window.startSession();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
    window.F2();
    QComboBox* entry = window.ItemComboBox;

    int added = 0;
    // One Return (or two for a search) from the entry line to a new line.
    auto ringUp = [&](const QString& text, int returns) {
        if (window.VendListView->topLevelItemCount() >= kLinesPerSale) {
            window.F5clearAll();
            QCoreApplication::processEvents();
        }
        entry->setFocus();
        entry->setEditText(text);
        const int before = window.VendListView->topLevelItemCount();
        QElapsedTimer t;
        t.start();
        for (int r = 0; r < returns; ++r)
            QTest::keyClick(entry, Qt::Key_Return);
        const double ms = t.nsecsElapsed() / 1e6;
        if (window.VendListView->topLevelItemCount() != before + 1)
            qFatal("no line for \"%s\"", qPrintable(text));
        ++added;
        QCoreApplication::processEvents(); // the screen is drawn between scans
        return ms;
    };

    const struct
    {
        const char* kind;
        int returns;
        std::function<QString(int)> text;
    } kinds[] = {
        {"exact code", 1, [&](int i) { return BigShop::someCode((i * 7919) % items); }},
        {"scale label", 1,
         [](int i) { return scaleCode(i * 37) + QStringLiteral("%1").arg(100 + i % 900, 5, 10, QLatin1Char('0')) + "7"; }},
        {"description prefix", 2, [&](int i) { return BigShop::someDescriptionPrefix((i * 104729) % items); }},
    };

    QList<Result> results;
    for (const auto& k : kinds) {
        for (int i = 0; i < 5; ++i) // warm the caches and the statement parser
            ringUp(k.text(runs + i), k.returns);
        Result r{QLatin1String(k.kind), {}};
        for (int i = 0; i < runs; ++i)
            r.ms << ringUp(k.text(i), k.returns);
        results << r;
    }

    out << "\nReturn to the line in the sale, " << items << " items, " << runs << " runs each ("
        << (TestShop::isMariaDb() ? "MariaDB" : "SQLite") << "):\n";
    for (const Result& r : results)
        out << QStringLiteral("  %1  median %2 ms  worst %3 ms\n")
                   .arg(r.kind, -20)
                   .arg(BigShop::median(r.ms), 6, 'f', 2)
                   .arg(BigShop::worst(r.ms), 6, 'f', 2);
    return 0;
}
