// The action log: the switch, who is named, how the texts are stored, and
// that a failed write never stops the work that logs.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/support/actionrows.h"
#include "tests/support/testshop.h"

#include <QSqlQuery>
#include <QTest>

namespace {

void switchLogging(bool on)
{
    settings->writeEntry(QStringLiteral("/Global/LogActions"), on);
    QVERIFY(utils->initClass(true));
}

} // namespace

class TestActionLog : public QObject
{
    Q_OBJECT

private slots:
    void switchedOffWritesNothing();
    void whoIsNamed_data();
    void whoIsNamed();
    void textsAreStoredUpperCased_data();
    void textsAreStoredUpperCased();
    void failedWriteIsShownAndWorkGoesOn();
};

void TestActionLog::switchedOffWritesNothing()
{
    TestShop shop;
    switchLogging(false);
    utils->logAction(QStringLiteral("Login"), QString(), QString(), '0');
    utils->logAction(QStringLiteral("Cash Up"), QStringLiteral("x"), QStringLiteral("Failed"), '2');
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Actions")), 0);
    // Not even a broken table is noticed while the log is off.
    TestShop::exec(QStringLiteral("DROP TABLE Actions"));
    utils->logAction(QStringLiteral("Login"), QString(), QString(), '0');
    QCOMPARE(shop.prompts().seen(), QStringList());
}

void TestActionLog::whoIsNamed_data()
{
    QTest::addColumn<QString>("waiter");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("stored");
    QTest::newRow("the caller's who wins") << "JOHN" << "MARY" << "Failed" << "FAILED";
    QTest::newRow("the sale's waiter") << "JOHN" << "MARY" << "" << "JOHN";
    QTest::newRow("the user when there is no waiter") << "" << "MARY" << "" << "MARY";
    QTest::newRow("noone while logged out") << "" << "noone" << "" << "NOONE";
    QTest::newRow("start-up's host text") << "" << "noone" << "Host till-1" << "HOST TILL-1";
}

void TestActionLog::whoIsNamed()
{
    QFETCH(QString, waiter);
    QFETCH(QString, user);
    QFETCH(QString, who);
    QFETCH(QString, stored);
    TestShop shop;
    switchLogging(true);
    utils->setUserName(user);
    utils->setWaiter(waiter);
    utils->logAction(QStringLiteral("Add Item"), QString(), who, '0');
    const QList<ActionRow> rows = actionRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().who, stored + QLatin1String(" : ") + utils->hostName().toUpper());
}

void TestActionLog::textsAreStoredUpperCased_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("info");
    QTest::addColumn<char>("type");
    QTest::addColumn<QString>("storedAction");
    QTest::addColumn<QString>("storedInfo");
    QTest::newRow("ordinary event") << "Update Client" << "Acc: 15 - O'Brien, Patrick" << '0'
                                    << "UPDATE CLIENT" << "ACC: 15 - O'BRIEN, PATRICK";
    QTest::newRow("logout") << "Logout" << "" << '1' << "LOGOUT" << "";
    QTest::newRow("configuration change") << "Changed SMTP Server" << "Old:'mail' New:'smtp'" << '2'
                                          << "CHANGED SMTP SERVER" << "OLD:'MAIL' NEW:'SMTP'";
    QTest::newRow("start of a run") << "Start up" << "" << '3' << "START UP" << "";
    QTest::newRow("injection stays text") << "x'); DELETE FROM Actions; --" << "a\\b" << '0'
                                          << "X'); DELETE FROM ACTIONS; --" << "A\\B";
}

void TestActionLog::textsAreStoredUpperCased()
{
    QFETCH(QString, action);
    QFETCH(QString, info);
    QFETCH(char, type);
    QFETCH(QString, storedAction);
    QFETCH(QString, storedInfo);
    TestShop shop;
    switchLogging(true);
    utils->setUserName(QStringLiteral("mary"));
    utils->logAction(action, info, QString(), type);
    const QList<ActionRow> rows = actionRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().date, QStringLiteral("2026-12-05 10:30:00"));
    QCOMPARE(rows.first().action, storedAction);
    QCOMPARE(rows.first().info, storedInfo);
    QCOMPARE(rows.first().who, QStringLiteral("MARY : ") + utils->hostName().toUpper());
    QCOMPARE(rows.first().status, QString(QLatin1Char(type)));
}

void TestActionLog::failedWriteIsShownAndWorkGoesOn()
{
    TestShop shop;
    switchLogging(true);
    TestShop::exec(QStringLiteral("DROP TABLE Actions"));
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("INSERT INTO Actions"));
    utils->logAction(QStringLiteral("Cash Up"), QString(), QString(), '0');
    QVERIFY(shop.prompts().done());
    // The work that logged carries on, here with the next statement.
    TestShop::exec(QStringLiteral("UPDATE Clients SET Notes='after' WHERE AccountNumber=14"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Notes FROM Clients WHERE AccountNumber=14")).toString(),
             QStringLiteral("after"));
}

BREVALON_TEST_MAIN(TestActionLog)
#include "tst_actionlog.moc"
