// The monthly statement run in a big shop: 5 000 account clients owing
// money, a ledger of 1 000 000 rows over two years, interest on arrears
// and the day limit on as the demo shop has them, preview mode with every
// window accepted. Prints the time of the whole run (the run's target is
// 60 s) and of one statement.
//
//   BREVALON_TEST_BACKEND=sqlite  build/bench/bench_statements [clients] [rows] [runs]
//   BREVALON_TEST_BACKEND=mariadb BREVALON_TEST_MYSQL_PORT=<port> build/bench/bench_statements
//
// MariaDB needs a server such as the one scripts/test.sh starts.

#include "bench/bigshop.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

int g_statements = 0;

// The operator: Yes to the run, Preview as the mode, "&No" (print it) to
// the day-limit question, and every statement window accepted.
ZkPrompt::Reply operatorAnswers(const ZkPrompt::Request& r)
{
    ZkPrompt::Reply reply;
    reply.ok = true;
    if (r.kind == ZkPrompt::Exec) {
        ++g_statements;
        reply.button = 1;
    } else {
        reply.button = 0;
    }
    return reply;
}

void run(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

// Clients and their ledgers: per client, invoices spread over two years
// and receipts paying a little less than was bought, so every client owes.
void seed(int clients, int rows)
{
    const int first = TestShop::value(QStringLiteral("SELECT MAX(AccountNumber) FROM Clients")).toInt() + 1;
    {
        ZkTransaction unit;
        for (int c = 0; c < clients; c += 500) {
            QStringList values;
            for (int i = c; i < qMin(clients, c + 500); ++i)
                values << QStringLiteral("(%1, 'CLIENT %2', 'PO Box %2\nHarbour Bay', 'client%2@example.com', ' ', "
                                         "'2025-01-01')")
                              .arg(first + i)
                              .arg(i, 5, 10, QLatin1Char('0'));
            run(QStringLiteral("INSERT INTO Clients (AccountNumber, Name, PostalAddr, Email, BadDebt, Created) VALUES ")
                + values.join(QLatin1Char(',')));
        }
        if (!unit.commit())
            qFatal("seeding the clients failed");
    }
    const int perClient = qMax(2, rows / clients);
    const QDate start(2025, 1, 1);
    const int span = int(start.daysTo(QDate(2026, 12, 4)));
    QStringList values;
    int written = 0;
    ZkTransaction unit;
    for (int c = 0; c < clients; ++c) {
        for (int k = 0; k < perClient; ++k) {
            const bool receipt = k % 4 == 3;
            const QDate day = start.addDays(qint64(k) * span / perClient);
            const double amount = receipt ? -(60.0 + c % 7) : 25.0 + (c + k) % 50;
            values << QStringLiteral("(%1, '%2', '%3 12:00:00', %4, 0, %5, 'C')")
                          .arg(first + c)
                          .arg(receipt ? QStringLiteral("R") : QStringLiteral("I"), day.toString(Qt::ISODate))
                          .arg(amount, 0, 'f', 2)
                          .arg(c * perClient + k + 1);
            if (values.size() == 1000) {
                run(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber, "
                                   "Status) VALUES ")
                    + values.join(QLatin1Char(',')));
                written += values.size();
                values.clear();
            }
        }
    }
    if (!values.isEmpty()) {
        run(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber, "
                           "Status) VALUES ")
            + values.join(QLatin1Char(',')));
        written += values.size();
    }
    if (!unit.commit())
        qFatal("seeding the ledger failed");
    QTextStream(stdout) << "seeded " << clients << " clients and " << written << " ledger rows\n";
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    BigShop::useThisBuild();
    const int clients = BigShop::argument(argc, argv, 1, 5000);
    const int rows = BigShop::argument(argc, argv, 2, 1000000);
    const int runs = BigShop::argument(argc, argv, 3, 1);
    QTextStream out(stdout);
    if (TestShop::isMariaDb() && qEnvironmentVariableIsEmpty("BREVALON_TEST_MYSQL_PORT")) {
        out << "bench_statements: MariaDB needs the server that scripts/test.sh starts (BREVALON_TEST_MYSQL_PORT)\n";
        return 77;
    }

    TestShop shop;
    QElapsedTimer seeding;
    seeding.start();
    seed(clients, rows);
    out << "backend " << (TestShop::isMariaDb() ? "mariadb" : "sqlite") << ", seeded in "
        << seeding.elapsed() / 1000.0 << " s\n";
    out.flush();

    utils->setUserName(QStringLiteral("MARY"));
    if (!utils->initClass(true))
        qFatal("initClass failed");
    ZkPrompt::setHandler(operatorAnswers);
    const QVector<double> ms = BigShop::time(runs, [&](int) {
        g_statements = 0;
        utils->mailStatements();
    });
    ZkPrompt::setHandler({});
    const double median = BigShop::median(ms);
    out << "mail statements, preview, " << g_statements << " statements: median "
        << QString::number(median / 1000.0, 'f', 1) << " s (target 60 s), "
        << QString::number(g_statements ? median / g_statements : 0, 'f', 1) << " ms a statement, worst run "
        << QString::number(BigShop::worst(ms) / 1000.0, 'f', 1) << " s over " << runs << " runs (";
    // The first run charges the month's interest and marks the bad debts;
    // the runs after it find them done.
    for (int i = 0; i < ms.size(); ++i)
        out << (i ? ", " : "") << QString::number(ms.at(i) / 1000.0, 'f', 1) << " s";
    out << ")\n";
    return g_statements >= clients ? 0 : 1;
}
