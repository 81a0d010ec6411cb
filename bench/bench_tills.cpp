// Busy tills at full size: three till processes (two on SQLite, which take
// turns at the file) sell 1000 sales each on the demo shop, all on cash
// account 1, the first two serving the same tables; then the books are
// checked as the test of the same name does. Prints the median and worst
// milliseconds from Print Bill to the receipt taken, the sales per second
// of the shop, and every fault of the books.
//
//   BREVALON_TEST_BACKEND=sqlite|mariadb build/bench/bench_tills [sales per till]

#include "bench/bigshop.h"
#include "core/globals.h"
#include "tests/posting/tillrun.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    BigShop::useThisBuild();
    const int sales = BigShop::argument(argc, argv, 1, 1000);
    QTextStream out(stdout);

    TestShop shop;
    const QMap<QString, double> stockBefore = TillRun::stock();
    const int tills = TestShop::isMariaDb() ? 3 : 2;
    const char* const users[][2] = {{"MARY", "1111"}, {"JOHN", "2222"}, {"SUE", "3333"}};
    TillRun run;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < tills; ++i) {
        QStringList args{QStringLiteral("--sales"), QString::number(sales), QStringLiteral("--seed"),
                         QString::number(101 + i), QStringLiteral("--tag"), QStringLiteral("b%1").arg(i)};
        if (i < 2)
            args << QStringLiteral("--tables") << QStringLiteral("2,3");
        run.start(QLatin1String(users[i][0]), QLatin1String(users[i][1]), args);
    }
    if (!run.wait(6 * 3600)) {
        out << "the tills did not finish\n";
        return 1;
    }
    const double seconds = timer.elapsed() / 1000.0;
    run.start(QStringLiteral("MARY"), QStringLiteral("1111"),
              {QStringLiteral("--mode"), QStringLiteral("settle"), QStringLiteral("--tables"), QStringLiteral("2,3")});
    run.wait(600);

    QList<TillLog> logs;
    QVector<double> ms;
    int sold = 0;
    for (int i = 0; i < run.count(); ++i) {
        logs << run.log(i);
        for (const TillLog::Sale& s : logs.last().sales) {
            if (s.kind == QLatin1String("cash") || s.kind == QLatin1String("bill"))
                ms << s.ms;
            ++sold;
        }
    }
    const QStringList wrong = TillRun::checkBooks(logs, stockBefore);
    out << "backend " << (TestShop::isMariaDb() ? "mariadb" : "sqlite") << ": " << tills << " tills, " << sold
        << " sales in " << QString::number(seconds, 'f', 1) << " s (" << QString::number(sold / seconds, 'f', 1)
        << " a second)\n";
    out << "bill and receipt of a sale at a busy till: median " << QString::number(BigShop::median(ms), 'f', 1)
        << " ms, worst " << QString::number(BigShop::worst(ms), 'f', 1) << " ms\n";
    out << "faults in the books: " << wrong.size() << '\n';
    for (const QString& w : wrong.mid(0, 20))
        out << "  " << w << '\n';
    return wrong.isEmpty() ? 0 : 1;
}
