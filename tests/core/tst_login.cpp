// Logging in on the keypad and what it leaves: every way a login ends, the
// session rows that keep a user at one station until an unlock, the action
// log and whom it names, and faults that must leave nobody logged in.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "maintenance/prefs.h"
#include "sales/numentry.h"
#include "tests/support/actionrows.h"
#include "tests/support/keypadinput.h"
#include "tests/support/testshop.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

// The action log as "ACTION|INFO|WHO|STATUS" lines. This station's name is
// taken off the who; another one would show.
QStringList logged()
{
    QStringList lines;
    const QString here = QLatin1String(" : ") + utils->hostName().toUpper();
    for (ActionRow row : actionRows()) {
        if (row.who.endsWith(here))
            row.who.chop(here.size());
        lines << QStringList{row.action, row.info.trimmed(), row.who, row.status}.join(QLatin1Char('|'));
    }
    return lines;
}

void logActions(bool on)
{
    settings->writeEntry(QStringLiteral("/Global/LogActions"), on);
    QVERIFY(utils->initClass(true));
}

// A setting as written at login; "-" when it was not written.
QString written(const QString& key)
{
    return settings->contains(key) ? settings->readEntry(key) : QStringLiteral("-");
}

int sessions(const QString& where)
{
    return TestShop::count(QStringLiteral("SELECT * FROM Login WHERE ") + where);
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void login_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("user");    // "noone": refused
        QTest::addColumn<QString>("details"); // cash account, initials written, its client's name written
        QTest::addColumn<QString>("log");
        QTest::newRow("cashier") << "1111" << false << "MARY" << "14|MM|BAYSIDE CATERING" << "LOGIN||MARY|0";
        QTest::newRow("cash account without a client") << "3333" << false << "SUE" << "99|SB|-" << "LOGIN||SUE|0";
        QTest::newRow("administrator, working elsewhere too")
            << "9999" << false << "Admin" << "1|-|-" << "LOGIN||ADMIN|0";
        const QString refused = QStringLiteral("LOGIN|%1|FAILED|2");
        QTest::newRow("keypad closed") << "1111" << true << "noone" << "1|-|-" << refused.arg("CANCEL OR BLANK ID");
        QTest::newRow("blank code") << "" << false << "noone" << "1|-|-" << refused.arg("CANCEL OR BLANK ID");
        // The code typed is never written to the log, only its length.
        QTest::newRow("unknown code") << "4242" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN ****");
        QTest::newRow("a code's prefix") << "111" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN ***");
        QTest::newRow("code that would end the quote")
            << "1111' OR '1'='1" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN ***************");
        QTest::newRow("backslash before the quote")
            << "1111\\" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN *****");
        // A server that pads with blanks would take it for 1111.
        QTest::newRow("a trailing blank") << "1111 " << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN *****");
        QTest::newRow("a leading blank") << " 1111" << false << "noone" << "1|-|-" << refused.arg("TRIED LOGIN *****");
    }

    void login()
    {
        QFETCH(QString, code);
        QFETCH(bool, cancel);
        QFETCH(QString, user);
        QFETCH(QString, details);
        QFETCH(QString, log);
        TestShop shop;
        logActions(true);
        TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=14 WHERE Name='MARY'"));
        TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=99 WHERE Name='SUE'"));
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('Admin', 'till-9')"));
        // The last sale's waiter must not be taken for the one who logs in.
        utils->setWaiter(QStringLiteral("JOHN"));
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        shop.prompts().expectExec(QStringLiteral("NumEntry"), [&](QDialog* dialog) {
            echo = qobject_cast<NumEntry*>(dialog)->lineEdit1->echoMode();
            return typeCode(code, cancel ? Finish::Cancel : Finish::Ok)(dialog);
        });
        const bool in = user != QLatin1String("noone");
        QCOMPARE(utils->validateLoginId(), in);
        // The code is typed in front of the customers: it is not shown.
        QCOMPARE(echo, QLineEdit::Password);
        QCOMPARE(utils->userName(), user);
        QCOMPARE(QStringList({QString::number(utils->userCashAccount()), written(QStringLiteral("/Volatile/Initials")),
                              written(QStringLiteral("/Personal/CashAcc/") + user)})
                     .join(QLatin1Char('|')),
                 details);
        // The administrator may work at several stations and holds no session.
        QCOMPARE(TestShop::rows(QStringLiteral("SELECT Name FROM Login WHERE Host='%1'").arg(utils->hostName())),
                 in && user != QLatin1String("Admin") ? QStringList {user} : QStringList());
        QCOMPARE(sessions(QStringLiteral("Host='till-9'")), 1);
        QCOMPARE(logged(), QStringList {log});
    }

    void wrongCodesMakeTheNextTryWait()
    {
        TestShop shop;
        logActions(true);
        // Seconds waited before each try: three slips are free, then the
        // wait doubles up to a minute; a login starts the count again.
        const QList<int> waits{0, 0, 0, 5, 10, 20, 40, 60, 60, 0, 0};
        const QStringList codes{"1", "2", "3", "4", "5", "6", "7", "8", "1111", "9", "9"};
        for (int i = 0; i < codes.size(); ++i) {
            const int before = shop.sleptSeconds();
            shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(codes.at(i)));
            QCOMPARE(utils->validateLoginId(), codes.at(i) == QLatin1String("1111"));
            QCOMPARE(shop.sleptSeconds() - before, waits.at(i));
            if (utils->userName() != QLatin1String("noone"))
                TestShop::exec(QStringLiteral("DELETE FROM Login"));
        }
        QCOMPARE(logged().filter(QStringLiteral("TRIED LOGIN")).size(), 10);
        QVERIFY(logged().filter(QRegularExpression(QStringLiteral("TRIED LOGIN [^|]*\\d"))).isEmpty());
    }

    void settingsAreReadAgainAtLogin()
    {
        TestShop shop;
        // Changed at another station while this one was logged out.
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET Tax1=0.2, RecFooter='Come again', Rounding=5"));
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")));
        QVERIFY(utils->validateLoginId());
        QCOMPARE(utils->getTax1(), 0.2);
        QCOMPARE(utils->sysInfo().recFooter, QStringLiteral("Come again"));
        QCOMPARE(utils->roundingUnit(), 5);
        QVERIFY(utils->logActions());
    }

    void sessionElsewhereEndsByAnUnlock_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("sameHostName");
        QTest::newRow("unlock confirmed") << "JOHN" << "2222" << true << false;
        QTest::newRow("unlock refused") << "JOHN" << "2222" << false << false;
        QTest::newRow("name with an apostrophe") << "O'NEIL" << "4444" << true << false;
        // Tills are told apart by more than their host names.
        QTest::newRow("another till of this host name") << "JOHN" << "2222" << false << true;
    }

    void sessionElsewhereEndsByAnUnlock()
    {
        QFETCH(QString, user);
        QFETCH(QString, code);
        QFETCH(bool, confirm);
        QFETCH(bool, sameHostName);
        TestShop shop;
        logActions(true);
        const QString otherHost = sameHostName ? utils->hostName() : QStringLiteral("till-2");
        TestShop::exec(QStringLiteral("INSERT INTO Personel (Name, Code, SP) VALUES ('O''NEIL', '4444', 'ON')"));
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('MARY', 'till-3')"));
        // The user works at till-2, which watches its session on its own connection.
        const QString name = Utility::escapeSQL(user);
        QSqlQuery there(QSqlDatabase::database(shop.openSecondStation()));
        QVERIFY(there.exec(QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', 'other-till')")
                               .arg(name, otherHost)));
        const QString refusal = QStringLiteral("%1 currently running on to %2").arg(user, otherHost);
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"), typeCode(code))
            .expect(ZkPrompt::Warning, QStringLiteral("Brevalon Error"), refusal);
        QVERIFY(!utils->validateLoginId());
        QCOMPARE(utils->userName(), QStringLiteral("noone"));

        // The administrator unlocks here; with nobody chosen there is nothing to unlock.
        utils->setUserName(QStringLiteral("Admin"));
        Prefs prefs;
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Unlock User"),
                              QStringLiteral("You must have a user selected to perform an unlock"));
        prefs.unlockLogin();
        prefs.setSelectedUser(user);
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Unlock User"),
                              QStringLiteral("Confirm that you will unlock user '%1', this will result in their "
                                             "sessions terminating").arg(user),
                              confirm ? 0 : 1);
        if (!confirm)
            shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Unlock User"),
                                  QStringLiteral("Operation cancelled"));
        prefs.unlockLogin();
        QVERIFY(there.exec(QStringLiteral("SELECT Host FROM Login WHERE Name='%1'").arg(name)));
        QCOMPARE(there.next(), !confirm);
        QCOMPARE(sessions(QStringLiteral("Name='MARY'")), 1);

        // Here the user now gets in, or is refused again.
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code));
        if (!confirm)
            shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon Error"), refusal);
        QCOMPARE(utils->validateLoginId(), confirm);
        const QString refused = QLatin1String("LOGIN|") + refusal.toUpper() + QLatin1String("|FAILED|2");
        const QStringList unlocked{refused, QLatin1String("PERSONEL|UNLOCK USER ") + user + QLatin1String("|ADMIN|0"),
                                   QLatin1String("LOGIN||") + user + QLatin1String("|0")};
        QCOMPARE(logged(), confirm ? unlocked : QStringList({refused, refused}));
    }

    void crashRecovery_data()
    {
        QTest::addColumn<bool>("recover");
        QTest::newRow("recover the session") << true;
        QTest::newRow("leave it") << false;
    }

    void crashRecovery()
    {
        QFETCH(bool, recover);
        TestShop shop;
        logActions(true);
        for (const char* user : {"JOHN", "SUE"})
            TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', '%3')")
                               .arg(QLatin1String(user), utils->hostName(), utils->stationId()));
        // Changed while the station was down: a recovery reloads it.
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET ALINE1='The Harbour Kitchen & Bar'"));
        // The question's buttons and default matter: this test answers itself.
        QList<ZkPrompt::Request> asked;
        ZkPrompt::setHandler([&](const ZkPrompt::Request& r) {
            asked << r;
            ZkPrompt::Reply reply;
            if (r.kind == ZkPrompt::Exec)
                reply.button = typeCode(QStringLiteral("2222"))(r.dialog);
            else if (r.kind == ZkPrompt::Question)
                reply.button = recover ? 0 : 1;
            return reply;
        });
        const bool loggedIn = utils->validateLoginId();
        ZkPrompt::setHandler({});

        QCOMPARE(loggedIn, recover);
        QCOMPARE(asked.size(), recover ? 3 : 2);
        const ZkPrompt::Request question = asked.at(1);
        QCOMPARE(question.kind, ZkPrompt::Question);
        QVERIFY(question.text.contains(QLatin1String("JOHN is currently shown as running on this terminal.")));
        QCOMPARE(question.buttons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
        QCOMPARE(question.defaultButton, 1);
        QCOMPARE(question.escapeButton, 1);
        if (recover)
            QCOMPARE(asked.at(2).text, QStringLiteral("Old session for JOHN cleared"));
        // The old row gives way to the new one; another user's is not touched.
        QCOMPARE(sessions(QStringLiteral("Name='JOHN'")), 1);
        QCOMPARE(sessions(QStringLiteral("Name='SUE'")), 1);
        QCOMPARE(utils->userName(), recover ? QStringLiteral("JOHN") : QStringLiteral("noone"));
        QCOMPARE(utils->sysInfo().aline[0],
                 recover ? QStringLiteral("The Harbour Kitchen & Bar") : QStringLiteral("The Harbour Kitchen"));
        QCOMPARE(logged(), recover ? QStringList{QStringLiteral("LOGIN||JOHN|0")} : QStringList());
    }

    void faultsLeaveNobodyLoggedIn_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("failing");
        QTest::newRow("users unreadable") << "DROP TABLE Personel" << "SELECT Code, Name FROM Personel";
        QTest::newRow("sessions unreadable") << "DROP TABLE Login" << "INSERT INTO Login";
        QTest::newRow("cash account unreadable") << "DROP TABLE Clients" << "SELECT Name from Clients";
        QTest::newRow("session cannot be written") << "trigger" << "INSERT INTO Login";
        QTest::newRow("database lost while the code is typed")
            << "lost" << "\nSELECT Code, Name FROM Personel WHERE Code='1111'";
    }

    void faultsLeaveNobodyLoggedIn()
    {
        QFETCH(QString, fault);
        QFETCH(QString, failing);
        TestShop shop;
        if (fault == QLatin1String("trigger") && TestShop::isMariaDb())
            TestShop::exec(QStringLiteral("CREATE TRIGGER NoSessions BEFORE INSERT ON Login FOR EACH ROW "
                                          "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='sessions are read-only'"));
        else if (fault == QLatin1String("trigger"))
            TestShop::exec(QStringLiteral("CREATE TRIGGER NoSessions BEFORE INSERT ON Login BEGIN "
                                          "SELECT RAISE(ABORT, 'sessions are read-only'); END"));
        else if (fault != QLatin1String("lost"))
            TestShop::exec(fault);
        const auto loseDatabase = [&shop] {
            if (TestShop::isMariaDb()) {
                const QString id = TestShop::value(QStringLiteral("SELECT CONNECTION_ID()")).toString();
                QSqlQuery kill(QSqlDatabase::database(shop.openSecondStation()));
                QVERIFY(kill.exec(QStringLiteral("KILL ") + id));
            } else {
                QFile file(shop.home() + QLatin1String("/shop.db"));
                QVERIFY(file.resize(0));
            }
        };
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"),
                        [&](QDialog* dialog) {
                            if (fault == QLatin1String("lost"))
                                loseDatabase();
                            return typeCode(QStringLiteral("1111"))(dialog);
                        })
            .expect(ZkPrompt::Warning, QString(), failing);
        QVERIFY(!utils->validateLoginId());
        QCOMPARE(utils->userName(), QStringLiteral("noone"));
        if (fault == QLatin1String("trigger")) {
            TestShop::exec(QStringLiteral("DROP TRIGGER NoSessions"));
            QCOMPARE(sessions(QStringLiteral("Name='MARY'")), 0);
        }
    }

    void logNamesTheSalesWaiterElseTheUser()
    {
        TestShop shop;
        logActions(true);
        utils->setUserName(QStringLiteral("mary"));
        utils->logAction(QStringLiteral("x'); DELETE FROM Actions; --"), QStringLiteral("O'Brien a\\b"), QString(), '1');
        utils->setWaiter(QStringLiteral("JOHN"));
        utils->logAction(QStringLiteral("Add Item"), QString(), QString(), '0');
        QCOMPARE(logged(), (QStringList{QStringLiteral("X'); DELETE FROM ACTIONS; --|O'BRIEN A\\B|MARY|1"),
                                        QStringLiteral("ADD ITEM||JOHN|0")}));
        QCOMPARE(actionRows().first().date, QStringLiteral("2026-12-05 10:30:00"));
    }

    void brokenTablesAreShown()
    {
        TestShop shop;
        TestShop::exec(QStringLiteral("DROP TABLE Actions"));
        TestShop::exec(QStringLiteral("DROP TABLE Login"));
        // The unlock logs too, but with the log off not even its broken table is noticed.
        Prefs prefs;
        prefs.setSelectedUser(QStringLiteral("JOHN"));
        shop.prompts()
            .expect(ZkPrompt::Question, QStringLiteral("Unlock User"), QStringLiteral("'JOHN'"), 0)
            .expect(ZkPrompt::Warning, QString(), QStringLiteral("\nDELETE FROM Login WHERE Name='JOHN'"));
        prefs.unlockLogin();
        QVERIFY(shop.prompts().done());
        logActions(true);
        shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("INSERT INTO Actions"));
        utils->logAction(QStringLiteral("Cash Up"), QString(), QString(), '0');
    }
};

BREVALON_TEST_MAIN(TestLogin)
#include "tst_login.moc"
