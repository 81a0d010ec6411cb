// Tills as real processes on one database: busy tills selling at full speed
// (three on MariaDB, two on one SQLite file), on cash accounts of their own
// and all on the one cash account, two of them serving the same tables; and
// one user logging in on several tills at the same moment. The books must
// come out right: every line on one invoice, every document posted once and
// paid, every number distinct, every kitchen line printed once.
//
// BREVALON_TILLS_SALES sets the sales per till (the benchmark's full size is
// 1000); the test command's size fits CI.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/posting/tillrun.h"
#include "tests/support/testshop.h"

#include <QDateTime>
#include <QTest>

namespace {

struct Clerk
{
    const char* name;
    const char* code;
};
const Clerk kClerks[] = {{"MARY", "1111"}, {"JOHN", "2222"}, {"SUE", "3333"}};

int salesPerTill()
{
    const int asked = qEnvironmentVariableIntValue("BREVALON_TILLS_SALES");
    if (asked > 0)
        return asked;
    // SQLite's tills take turns at the file; fewer sales show the same.
    return TestShop::isMariaDb() ? 200 : 80;
}

} // namespace

class TestTills : public QObject
{
    Q_OBJECT

private slots:
    void busyTills_data();
    void busyTills();
    void sameUserOnSeveralTills();
};

void TestTills::busyTills_data()
{
    QTest::addColumn<bool>("sharedCash");
    QTest::newRow("each till on a cash account of its own") << false;
    QTest::newRow("every till on cash account 1") << true;
}

void TestTills::busyTills()
{
    QFETCH(bool, sharedCash);
    TestShop shop;
    const int tills = TestShop::isMariaDb() ? 3 : 2;
    if (!sharedCash) {
        for (int i = 0; i < tills; ++i) {
            TestShop::exec(QStringLiteral("INSERT INTO Clients (Name, PostalAddr, Created) VALUES ('CASH %1', '', "
                                          "'2026-01-01')")
                               .arg(QLatin1String(kClerks[i].name)));
            TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=(SELECT MAX(AccountNumber) FROM Clients) WHERE "
                                          "Name='%1'")
                               .arg(QLatin1String(kClerks[i].name)));
        }
    }
    const QMap<QString, double> stockBefore = TillRun::stock();
    const int sales = salesPerTill();

    TillRun run;
    for (int i = 0; i < tills; ++i) {
        // The first two serve TABLE 1 and TABLE 2 together.
        QStringList args{QStringLiteral("--sales"), QString::number(sales), QStringLiteral("--seed"),
                         QString::number(17 + i), QStringLiteral("--tag"), QStringLiteral("w%1").arg(i)};
        if (i < 2)
            args << QStringLiteral("--tables") << QStringLiteral("2,3");
        run.start(QLatin1String(kClerks[i].name), QLatin1String(kClerks[i].code), args);
    }
    QVERIFY2(run.wait(1500), "the tills did not finish in time");
    // What the tables still have open is billed and paid at the end.
    const int settle = run.start(QStringLiteral("MARY"), QStringLiteral("1111"),
                                 {QStringLiteral("--mode"), QStringLiteral("settle"), QStringLiteral("--tables"),
                                  QStringLiteral("2,3"), QStringLiteral("--tag"), QStringLiteral("s")});
    QVERIFY(run.wait(300));

    QList<TillLog> logs;
    int sold = 0;
    for (int i = 0; i < run.count(); ++i) {
        QCOMPARE(run.exitCode(i), 0);
        logs << run.log(i);
        if (i != settle)
            sold += int(logs.last().sales.size());
    }
    QCOMPARE(sold, tills * sales);
    const QStringList wrong = TillRun::checkBooks(logs, stockBefore);
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 faults, the first: %2")
                                             .arg(wrong.size())
                                             .arg(wrong.mid(0, 12).join(QLatin1String("\n")))));
    // Nobody is left logged in.
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login")), 0);
}

void TestTills::sameUserOnSeveralTills()
{
    TestShop shop;
    // Four tills of one host, each with a station of its own, log MARY in
    // within the same millisecond, five times over.
    for (int round = 0; round < 5; ++round) {
        TillRun run;
        const qint64 at = QDateTime::currentMSecsSinceEpoch() + 2500;
        for (int i = 0; i < 4; ++i)
            run.start(QStringLiteral("MARY"), QStringLiteral("1111"),
                      {QStringLiteral("--mode"), QStringLiteral("login"), QStringLiteral("--start-at"),
                       QString::number(at)});
        QVERIFY(run.wait(120));
        int in = 0, refused = 0;
        for (int i = 0; i < run.count(); ++i) {
            const TillLog log = run.log(i);
            in += int(log.logins.count(QStringLiteral("ok")));
            for (const QString& l : log.logins)
                refused += l.startsWith(QLatin1String("refused MARY currently running on to ")) ? 1 : 0;
        }
        QCOMPARE(in, 1);
        QCOMPARE(refused, 3);
        // The one that got in gave its session up when it closed.
        QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login")), 0);
    }
}

BREVALON_TEST_MAIN(TestTills)
#include "tst_tills.moc"
