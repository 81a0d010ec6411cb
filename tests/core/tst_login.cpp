// Logging in on the keypad: every way a login ends, the session row that
// keeps a user at one station, the settings written, the action log, and
// the pole display while the till is closed.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "sales/numentry.h"
#include "tests/support/actionrows.h"
#include "tests/support/keypadinput.h"
#include "tests/support/testshop.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSerialPort>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kRecoverText =
    "<font color=\"red\"><b>%1 is currently shown as running on this terminal.</b></font><p>It is possible "
    "you have experienced a power failure or system crash. You can recover from this, but be warned "
    "...<br><font color=\"red\" size=+1>Any running session will terminate</font><p>Would you like to "
    "recover ?";


QString host()
{
    return utils->hostName();
}

QString whoHere(const QString& who)
{
    return who.toUpper() + QLatin1String(" : ") + host().toUpper();
}

void switchLogging()
{
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QVERIFY(utils->initClass(true));
}

int sessions(const QString& name)
{
    return TestShop::count(QStringLiteral("SELECT * FROM Login WHERE Name='%1'").arg(name));
}

// Takes the database away from under the program's connection.
void loseDatabase(TestShop& shop)
{
    if (TestShop::isMariaDb()) {
        const QString id = TestShop::value(QStringLiteral("SELECT CONNECTION_ID()")).toString();
        QSqlQuery kill(QSqlDatabase::database(shop.openSecondStation()));
        QVERIFY(kill.exec(QStringLiteral("KILL ") + id));
    } else {
        QFile file(shop.home() + QLatin1String("/shop.db"));
        QVERIFY(file.resize(0));
    }
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void userLogsIn();
    void adminIsNeverLocked();
    void failedLogins_data();
    void failedLogins();
    void userAtAnotherStationIsRefused();
    void crashRecovery_data();
    void crashRecovery();
    void cashAccountWithoutClient();
    void faultsLeaveNobodyLoggedIn_data();
    void faultsLeaveNobodyLoggedIn();
    void lostDatabaseIsShown();
    void lastSaleWaiterIsNotBlamed();
    void poleShowsTillClosed();
};

void TestLogin::userLogsIn()
{
    TestShop shop;
    switchLogging();
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=14 WHERE Name='MARY'"));
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    QString caption;
    shop.prompts().expectExec(QStringLiteral("NumEntry"), [&](QDialog* dialog) {
        auto* keypad = qobject_cast<NumEntry*>(dialog);
        echo = keypad->lineEdit1->echoMode();
        caption = keypad->textLabel1->text();
        return typeCode(QStringLiteral("1111"))(dialog);
    });
    QVERIFY(utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("MARY"));
    // The code is typed in front of the customers: it is not shown.
    QCOMPARE(echo, QLineEdit::Password);
    QCOMPARE(caption, QStringLiteral("Waiter Code"));
    QCOMPARE(utils->userCashAccount(), 14);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Host FROM Login WHERE Name='MARY'")).toString(), host());
    QCOMPARE(sessions(QStringLiteral("MARY")), 1);
    QCOMPARE(settings->readEntry(QStringLiteral("/Volatile/Initials")), QStringLiteral("MM"));
    QCOMPARE(settings->readEntry(QStringLiteral("/Personal/CashAcc/MARY")), QStringLiteral("BAYSIDE CATERING"));
    const QList<ActionRow> rows = actionRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().action, QStringLiteral("LOGIN"));
    QCOMPARE(rows.first().info, QString());
    QCOMPARE(rows.first().who, whoHere(QStringLiteral("MARY")));
    QCOMPARE(rows.first().status, QStringLiteral("0"));
}

void TestLogin::adminIsNeverLocked()
{
    TestShop shop;
    switchLogging();
    // The administrator is working at another station as well.
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('Admin', 'till-9')"));
    shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("9999")));
    QVERIFY(utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("Admin"));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login WHERE Name='Admin' AND Host<>'till-9'")), 0);
    QVERIFY(!settings->contains(QStringLiteral("/Volatile/Initials")));
    QVERIFY(!settings->contains(QStringLiteral("/Personal/CashAcc/Admin")));
    const QList<ActionRow> rows = actionRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().who, whoHere(QStringLiteral("Admin")));
}

void TestLogin::failedLogins_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("info");
    QTest::newRow("keypad closed") << "1111" << true << "CANCEL OR BLANK ID";
    QTest::newRow("blank code") << "" << false << "CANCEL OR BLANK ID";
    QTest::newRow("unknown code") << "4242" << false << "TRIED LOGIN 4242";
    QTest::newRow("code that would end the quote") << "1111' OR '1'='1" << false << "TRIED LOGIN 1111' OR '1'='1";
    QTest::newRow("comment after a quote") << "' OR 1=1 -- " << false << "TRIED LOGIN ' OR 1=1 --";
    QTest::newRow("backslash before the quote") << "1111\\" << false << "TRIED LOGIN 1111\\";
    QTest::newRow("a code's prefix") << "111" << false << "TRIED LOGIN 111";
}

void TestLogin::failedLogins()
{
    QFETCH(QString, code);
    QFETCH(bool, cancel);
    QFETCH(QString, info);
    TestShop shop;
    switchLogging();
    shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code, cancel ? Finish::Cancel : Finish::Ok));
    QVERIFY(!utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("noone"));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Login")), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Personel")), 4);
    const QList<ActionRow> rows = actionRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().action, QStringLiteral("LOGIN"));
    QCOMPARE(rows.first().info.trimmed(), info);
    QCOMPARE(rows.first().who, whoHere(QStringLiteral("Failed")));
    QCOMPARE(rows.first().status, QStringLiteral("2"));
}

void TestLogin::userAtAnotherStationIsRefused()
{
    TestShop shop;
    switchLogging();
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till-2')"));
    shop.prompts()
        .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("2222")))
        .expect(ZkPrompt::Warning, QStringLiteral("Brevalon Error"), QStringLiteral("JOHN currently running on to till-2"));
    QVERIFY(!utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("noone"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Host FROM Login WHERE Name='JOHN'")).toString(),
             QStringLiteral("till-2"));
    QCOMPARE(sessions(QStringLiteral("JOHN")), 1);
    const QList<ActionRow> rows = actionRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().info, QStringLiteral("JOHN CURRENTLY RUNNING ON TO TILL-2"));
    QCOMPARE(rows.first().who, whoHere(QStringLiteral("Failed")));
    QCOMPARE(rows.first().status, QStringLiteral("2"));
}

void TestLogin::crashRecovery_data()
{
    QTest::addColumn<bool>("recover");
    QTest::newRow("recover the session") << true;
    QTest::newRow("leave it") << false;
}

void TestLogin::crashRecovery()
{
    QFETCH(bool, recover);
    TestShop shop;
    switchLogging();
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', '%1')").arg(host()));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('SUE', '%1')").arg(host()));
    // Changed while the station was down: a recovery reloads it.
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET ALINE1='The Harbour Kitchen & Bar'"));

    // The question's buttons and default matter here, so this test answers
    // the prompts itself.
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
    QCOMPARE(question.caption, QStringLiteral("Brevalon"));
    QCOMPARE(question.text, QString::fromLatin1(kRecoverText).arg(QStringLiteral("JOHN")));
    QCOMPARE(question.buttons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    QCOMPARE(question.defaultButton, 1);
    QCOMPARE(question.escapeButton, 1);
    // Another user's session on this station is not touched.
    QCOMPARE(sessions(QStringLiteral("SUE")), 1);
    QCOMPARE(sessions(QStringLiteral("JOHN")), 1);
    if (recover) {
        QCOMPARE(asked.at(2).kind, ZkPrompt::Information);
        QCOMPARE(asked.at(2).caption, QStringLiteral("Brevalon"));
        QCOMPARE(asked.at(2).text, QStringLiteral("Old session for JOHN cleared"));
        QCOMPARE(utils->userName(), QStringLiteral("JOHN"));
        QCOMPARE(utils->sysInfo().aline[0], QStringLiteral("The Harbour Kitchen & Bar"));
        QCOMPARE(actionRows().size(), 1);
        QCOMPARE(actionRows().first().who, whoHere(QStringLiteral("JOHN")));
    } else {
        QCOMPARE(utils->userName(), QStringLiteral("noone"));
        QCOMPARE(utils->sysInfo().aline[0], QStringLiteral("The Harbour Kitchen"));
        QCOMPARE(actionRows().size(), 0);
    }
}

void TestLogin::cashAccountWithoutClient()
{
    TestShop shop;
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=99 WHERE Name='SUE'"));
    shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3333")));
    QVERIFY(utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("SUE"));
    QCOMPARE(utils->userCashAccount(), 99);
    QVERIFY(!settings->contains(QStringLiteral("/Personal/CashAcc/SUE")));
    QCOMPARE(settings->readEntry(QStringLiteral("/Volatile/Initials")), QStringLiteral("SB"));
    QCOMPARE(sessions(QStringLiteral("SUE")), 1);
}

void TestLogin::faultsLeaveNobodyLoggedIn_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("failing");
    QTest::newRow("users unreadable") << "DROP TABLE Personel" << "SELECT Name FROM Personel";
    QTest::newRow("sessions unreadable") << "DROP TABLE Login" << "SELECT Name, Host FROM Login";
    QTest::newRow("cash account unreadable") << "DROP TABLE Clients" << "SELECT Name from Clients";
    QTest::newRow("session cannot be written") << "trigger" << "INSERT INTO Login";
}

void TestLogin::faultsLeaveNobodyLoggedIn()
{
    QFETCH(QString, fault);
    QFETCH(QString, failing);
    TestShop shop;
    if (fault != QLatin1String("trigger")) {
        TestShop::exec(fault);
    } else if (TestShop::isMariaDb()) {
        TestShop::exec(QStringLiteral("CREATE TRIGGER NoSessions BEFORE INSERT ON Login FOR EACH ROW "
                                      "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='sessions are read-only'"));
    } else {
        TestShop::exec(QStringLiteral("CREATE TRIGGER NoSessions BEFORE INSERT ON Login BEGIN "
                                      "SELECT RAISE(ABORT, 'sessions are read-only'); END"));
    }
    shop.prompts()
        .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
        .expect(ZkPrompt::Warning, QString(), failing);
    QVERIFY(!utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("noone"));
    if (fault == QLatin1String("trigger")) {
        TestShop::exec(QStringLiteral("DROP TRIGGER NoSessions"));
        QCOMPARE(sessions(QStringLiteral("MARY")), 0);
    }
}

void TestLogin::lostDatabaseIsShown()
{
    TestShop shop;
    shop.prompts()
        .expectExec(QStringLiteral("NumEntry"),
                    [&](QDialog* dialog) {
                        // The server goes while the code is being typed.
                        loseDatabase(shop);
                        return typeCode(QStringLiteral("1111"))(dialog);
                    })
        .expect(ZkPrompt::Warning, QString(), QStringLiteral("\nSELECT Name FROM Personel WHERE Code='1111'"));
    QVERIFY(!utils->validateLoginId());
    QCOMPARE(utils->userName(), QStringLiteral("noone"));
}

void TestLogin::lastSaleWaiterIsNotBlamed()
{
    TestShop shop;
    switchLogging();
    utils->setWaiter(QStringLiteral("JOHN"));
    shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")));
    QVERIFY(utils->validateLoginId());
    QCOMPARE(actionRows().size(), 1);
    QCOMPARE(actionRows().first().who, whoHere(QStringLiteral("MARY")));
}

void TestLogin::poleShowsTillClosed()
{
    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty())
        QSKIP("socat is not installed: the pole display cannot be watched");
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("com1"));
    const QString received = dir.filePath(QStringLiteral("pole.bin"));
    QProcess pty;
    pty.start(socat, {QStringLiteral("-u"), QStringLiteral("pty,raw,echo=0,link=") + device,
                      QStringLiteral("OPEN:") + received + QStringLiteral(",creat,append")});
    QVERIFY(pty.waitForStarted());
    QTRY_VERIFY(QFile::exists(device));
    qputenv("BREVALON_COM1", device.toLocal8Bit());

    {
        TestShop shop;
        settings->writeEntry(QStringLiteral("/Global/DisplayPole"), "COM1");
        QVERIFY(utils->initClass(true));
        QVERIFY(utils->polePort() && utils->polePort()->isOpen());
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
        QVERIFY(!utils->validateLoginId());
        const QByteArray expected = Utility::poleDisplayBytes(QStringLiteral("Till Closed"),
                                                              QStringLiteral("Brevalon ") + QLatin1String(BREVALON_VERSION));
        const auto shown = [&received] {
            QFile file(received);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(shown().contains(expected), 5000);
    }
    qunsetenv("BREVALON_COM1");
    pty.terminate();
    pty.waitForFinished();
}

BREVALON_TEST_MAIN(TestLogin)
#include "tst_login.moc"
