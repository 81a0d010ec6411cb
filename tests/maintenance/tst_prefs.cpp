// The administrator's unlock of a user's session in the preferences.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "maintenance/prefs.h"
#include "tests/support/actionrows.h"
#include "tests/support/testshop.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

void seedSessions()
{
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QVERIFY(utils->initClass(true));
    utils->setUserName(QStringLiteral("Admin"));
    TestShop::exec(QStringLiteral("INSERT INTO Personel (Name, Code, SP) VALUES ('O''NEIL', '4444', 'ON')"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till-2')"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till-3')"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('MARY', 'till-3')"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('O''NEIL', 'till-4')"));
}

int sessions(const QString& name)
{
    return TestShop::count(QStringLiteral("SELECT * FROM Login WHERE Name='%1'").arg(Utility::escapeSQL(name)));
}

} // namespace

class TestPrefs : public QObject
{
    Q_OBJECT

private slots:
    void unlock_data();
    void unlock();
    void nothingSelectedAsksNothing();
    void failedUnlockIsShown();
};

void TestPrefs::unlock_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << "JOHN" << true;
    QTest::newRow("refused") << "JOHN" << false;
    QTest::newRow("name with an apostrophe") << "O'NEIL" << true;
}

void TestPrefs::unlock()
{
    QFETCH(QString, user);
    QFETCH(bool, confirm);
    TestShop shop;
    seedSessions();
    // The station where the user works looks at its session through its
    // own connection.
    const QString station = shop.openSecondStation();
    const int before = sessions(user);

    Prefs prefs;
    prefs.setSelectedUser(user);
    shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Unlock User"),
                          QStringLiteral("Confirm that you will unlock user '%1', this will result in their "
                                         "sessions terminating")
                              .arg(user),
                          confirm ? 0 : 1);
    prefs.unlockLogin();

    QSqlQuery there(QSqlDatabase::database(station));
    QVERIFY(there.exec(QStringLiteral("SELECT Host FROM Login WHERE Name='%1'").arg(Utility::escapeSQL(user))));
    QCOMPARE(there.next(), !confirm);
    QCOMPARE(sessions(user), confirm ? 0 : before);
    QCOMPARE(sessions(QStringLiteral("MARY")), 1);
    const QList<ActionRow> rows = actionRows();
    if (!confirm) {
        QCOMPARE(rows.size(), 0);
        return;
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().action, QStringLiteral("PERSONEL"));
    QCOMPARE(rows.first().info, QStringLiteral("UNLOCK USER ") + user.toUpper());
    QCOMPARE(rows.first().who, QStringLiteral("ADMIN : ") + utils->hostName().toUpper());
    QCOMPARE(rows.first().status, QStringLiteral("0"));
}

void TestPrefs::nothingSelectedAsksNothing()
{
    TestShop shop;
    seedSessions();
    Prefs prefs;
    prefs.unlockLogin();
    QCOMPARE(shop.prompts().seen(), QStringList());
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login")), 4);
}

void TestPrefs::failedUnlockIsShown()
{
    TestShop shop;
    seedSessions();
    TestShop::exec(QStringLiteral("DROP TABLE Login"));
    Prefs prefs;
    prefs.setSelectedUser(QStringLiteral("JOHN"));
    shop.prompts()
        .expect(ZkPrompt::Question, QStringLiteral("Unlock User"), QStringLiteral("'JOHN'"), 0)
        .expect(ZkPrompt::Warning, QString(), QStringLiteral("\nDELETE FROM Login WHERE Name='JOHN'"));
    prefs.unlockLogin();
    QVERIFY(shop.prompts().done());
}

BREVALON_TEST_MAIN(TestPrefs)
#include "tst_prefs.moc"
