// How long the back office waits on the item list with 100 000 items: opening
// the item dialog (its list drawn), finding an item by code and finding one by
// the start of its description (each until the item is in the fields and the
// list is drawn around it). Prints the median and the worst time of each, in
// milliseconds.
//
//   BREVALON_TEST_BACKEND=sqlite|mariadb build/bench/bench_inventory [items] [runs]
//
// MariaDB needs the server of scripts/test.sh (BREVALON_TEST_MYSQL_*).

#include "bench/bigshop.h"

#include "maintenance/itemlistmodel.h"
#include "maintenance/vendtable.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>
#include <ctime>
#include <functional>
#include <memory>

namespace {

struct Result
{
    QString kind;
    QVector<double> ms;
    QVector<double> cpu;
};

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/** Runs @p op @p runs times: the wall-clock time of each run and the
 *  processor time the program spent in it. */
Result measure(const QString& kind, int runs, const std::function<void(int)>& op)
{
    Result r{kind, {}, {}};
    for (int i = 0; i < runs; ++i) {
        const double cpu = cpuMs();
        r.ms << BigShop::time(1, [&](int) { op(i); }).first();
        r.cpu << cpuMs() - cpu;
    }
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    BigShop::useThisBuild();
    QTextStream out(stdout);
    if (TestShop::isMariaDb() && qEnvironmentVariableIsEmpty("BREVALON_TEST_MYSQL_PORT")) {
        out << "bench_inventory: MariaDB needs the server that scripts/test.sh starts "
               "(BREVALON_TEST_MYSQL_PORT)\n";
        return 2;
    }
    const QStringList args = QCoreApplication::arguments();
    const int items = args.size() > 1 ? args.at(1).toInt() : 100000;
    const int runs = args.size() > 2 ? args.at(2).toInt() : 100;

    TestShop shop;
    out << "growing the shop to " << items << " items on " << (TestShop::isMariaDb() ? "MariaDB" : "SQLite")
        << " ...\n";
    out.flush();
    BigShop::grow(items, 0);
    utils->setUserName(QStringLiteral("Admin"));
    // A description found by its start is told so in a box; the operator
    // reads it and goes on.
    ZkPrompt::setHandler([](const ZkPrompt::Request&) { return ZkPrompt::Reply {}; });

    // Opening: the dialog built, shown and its first page drawn.
    std::unique_ptr<VendTable> dialog;
    auto open = [&](int) {
        dialog = std::make_unique<VendTable>();
        dialog->show();
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < 3; ++i) // warm the caches and the statement parser
        open(i);
    const Result opening = measure(QStringLiteral("open the dialog"), runs, open);
    if (dialog->model()->rowCount() >= items)
        qFatal("the list read the whole catalogue");

    auto find = [&](int mode, const QString& text) {
        dialog->SearchComboBox->setCurrentIndex(mode);
        dialog->SearchEdit->setText(text);
        QTest::keyClick(dialog->SearchEdit, Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    const Result byCode = measure(QStringLiteral("find by code"), runs, [&](int i) {
        const QString code = BigShop::someCode((i * 7919 + 13) % items);
        find(0, code);
        if (dialog->loadedCode() != code)
            qFatal("code %s not found", qPrintable(code));
    });
    const Result byPrefix = measure(QStringLiteral("find by description prefix"), runs, [&](int i) {
        const QString prefix = BigShop::someDescriptionPrefix((i * 104729 + 7) % items);
        find(1, prefix);
        if (!dialog->DescriptionEdit->text().startsWith(prefix))
            qFatal("nothing found for %s", qPrintable(prefix));
    });

    out << "\nItem dialog, " << items << " items, " << runs << " runs each ("
        << (TestShop::isMariaDb() ? "MariaDB" : "SQLite") << "):\n";
    for (const Result& r : {opening, byCode, byPrefix})
        out << QStringLiteral("  %1  median %2 ms  worst %3 ms  (processor: median %4 ms)\n")
                   .arg(r.kind, -28)
                   .arg(BigShop::median(r.ms), 6, 'f', 2)
                   .arg(BigShop::worst(r.ms), 6, 'f', 2)
                   .arg(BigShop::median(r.cpu), 6, 'f', 2);
    ZkPrompt::setHandler({});
    return 0;
}
