// Start-up and shut-down: home folders, settings written at the first run,
// the three ways a start fails and their exit statuses, the services object
// and its palettes, and the action-log entries of a run.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "main/startup.h"
#include "sales/sales.h"
#include "tests/support/keypadinput.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <unistd.h>

namespace {

QString host()
{
    char buffer[257] = {0};
    gethostname(buffer, 256);
    return QString::fromLocal8Bit(buffer);
}

// Settings as a test wants them before the program starts.
void prepare(TestShop& shop, const std::function<void(ZkSettings&)>& change = {}, bool withInstallDir = true)
{
    ZkSettings store(shop.home());
    shop.writeConnection(store, withInstallDir);
    if (change)
        change(store);
}

// Runs a statement on a connection of its own (the program holds the
// default one, or has let go of it) and returns the first value.
QVariant onDatabase(TestShop& shop, const QString& sql)
{
    ZkSettings store(shop.home());
    const QString name = QStringLiteral("check");
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            TestShop::isMariaDb() ? QStringLiteral("QMYSQL") : QStringLiteral("QSQLITE"), name);
        db.setHostName(store.readEntry(QStringLiteral("/Global/DBServer")));
        db.setPort(store.readNumEntry(QStringLiteral("/Global/DBPport"), -1));
        db.setUserName(store.readEntry(QStringLiteral("/Global/DBUser")));
        db.setPassword(store.readEntry(QStringLiteral("/Global/DBPassword")));
        db.setDatabaseName(store.readEntry(QStringLiteral("/Global/DBName")));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                result = q.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstRunCreatesFoldersAndWritesInstallDir();
    void printLogoDefaultsToTheInstallDir();
    void missingDriverEndsWithMinusOne();
    void unreachableDatabaseEndsWithMinusOne_data();
    void unreachableDatabaseEndsWithMinusOne();
    void unreadableSystemInformationEndsWithOne();
    void emptySystemInformationStillStarts();
    void normalRunLogsStartAndShutDown();
    void noLogWhenSwitchedOff();
    void systemInformationIsLoaded();
    void palettesFollowTheColourMode_data();
    void palettesFollowTheColourMode();
};

void TestStartup::firstRunCreatesFoldersAndWritesInstallDir()
{
    // No settings at all: the defaults point at a MySQL server that is not
    // there, so the start fails, but only after the first-run work.
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    QDir(shop.home()).removeRecursively();
    QDir().mkpath(shop.home());
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"), QString());
    QCOMPARE(Startup::begin(*qApp), -1);
    QVERIFY(QDir(shop.home() + QLatin1String("/.Zendrik/Brevalon")).exists());
    ZkSettings store(shop.home());
    QVERIFY(store.contains(QStringLiteral("/Global/InstallDir")));
    QCOMPARE(store.readEntry(QStringLiteral("/Global/InstallDir")), QStringLiteral("/opt/zendrik"));
    QVERIFY(!settings && !utils && !shop.prompts().seen().isEmpty());
}

void TestStartup::printLogoDefaultsToTheInstallDir()
{
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    prepare(shop);
    // MARY works on the touch layout: her till asks for the waiter next.
    shop.prompts()
        .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
        .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    QCOMPARE(Startup::begin(*qApp), 0);
    QCOMPARE(settings->readEntry(QStringLiteral("/Global/PrintLogo")),
             TestShop::installDir() + QLatin1String("/powerlogo.png"));
    // The renderer was replaced so that it carries the logo.
    QCOMPARE(utils->docPrint()->logo(), TestShop::installDir() + QLatin1String("/powerlogo.png"));
    QVERIFY(::shop);
    QCOMPARE(::shop->objectName(), QStringLiteral("sales"));
    // Start-up ends with the login of the first operator.
    QVERIFY2(::shop->windowTitle().startsWith(QLatin1String("Brevalon - ") + utils->userName()
                                              + QLatin1String(" Logged in at ")),
             qPrintable(::shop->windowTitle()));
    QCOMPARE(Startup::end(), 0);
    QVERIFY(!::shop && !settings && !utils);
    ZkSettings store(shop.home());
    QVERIFY(store.contains(QStringLiteral("/Global/PrintLogo")));
}

void TestStartup::missingDriverEndsWithMinusOne()
{
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    prepare(shop, [](ZkSettings& s) {
        s.writeEntry(QStringLiteral("/Global/DBDriver"), "QNOSUCH");
        s.writeEntry(QStringLiteral("/Global/LogActions"), true);
    });
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                          QStringLiteral("Could not load the  database driver QNOSUCH"));
    QCOMPARE(Startup::begin(*qApp), -1);
    QVERIFY(!settings && !utils && !::shop);
    QVERIFY(!QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection)));
}

void TestStartup::unreachableDatabaseEndsWithMinusOne_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("serverSays");
    if (TestShop::isMariaDb()) {
        QTest::newRow("wrong password") << "/Global/DBPassword" << "not-the-password" << "Access denied";
        QTest::newRow("unknown host") << "/Global/DBServer" << "no-such-host.invalid" << "no-such-host.invalid";
        QTest::newRow("server down") << "/Global/DBPport" << "1" << "127.0.0.1";
    } else {
        QTest::newRow("no such folder") << "/Global/DBName" << "/no/such/folder/shop.db" << "";
    }
}

void TestStartup::unreachableDatabaseEndsWithMinusOne()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, serverSays);
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    prepare(shop, [&](ZkSettings& s) {
        s.writeEntry(key, value);
        s.writeEntry(QStringLiteral("/Global/LogActions"), true);
    });
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"), serverSays);
    QCOMPARE(Startup::begin(*qApp), -1);
    // The driver's text and the server's run together, nothing between.
    const QString shown = shop.prompts().seen().value(0);
    QVERIFY2(!shown.endsWith(QLatin1Char('|')), qPrintable(shown));
    QVERIFY(!settings && !utils && !::shop);
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT COUNT(*) FROM Actions")).toInt(), 0);
}

void TestStartup::unreadableSystemInformationEndsWithOne()
{
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    prepare(shop, [](ZkSettings& s) { s.writeEntry(QStringLiteral("/Global/LogActions"), true); });
    // The table is gone, so the record cannot be read at all.
    {
        ZkSettings store(shop.home());
        QSqlDatabase db = QSqlDatabase::addDatabase(
            TestShop::isMariaDb() ? QStringLiteral("QMYSQL") : QStringLiteral("QSQLITE"), QStringLiteral("ren"));
        db.setHostName(store.readEntry(QStringLiteral("/Global/DBServer")));
        db.setPort(store.readNumEntry(QStringLiteral("/Global/DBPport"), -1));
        db.setUserName(store.readEntry(QStringLiteral("/Global/DBUser")));
        db.setPassword(store.readEntry(QStringLiteral("/Global/DBPassword")));
        db.setDatabaseName(store.readEntry(QStringLiteral("/Global/DBName")));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("DROP TABLE SysInfo")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("ren"));
    // The caption is the driver's text, which differs by server: any will do.
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("FROM SysInfo"));
    QCOMPARE(Startup::begin(*qApp), 1);
    QVERIFY(!settings && !utils && !::shop);
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT COUNT(*) FROM Actions")).toInt(), 0);
}

void TestStartup::emptySystemInformationStillStarts()
{
    TestShop shop(TestShop::EmptyTables, TestShop::DatabaseOnly);
    prepare(shop);
    // Only the administrator exists in so bare a shop.
    onDatabase(shop, QStringLiteral("INSERT INTO Personel (Name, Code) VALUES ('Admin', '9999')"));
    shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("9999")));
    QCOMPARE(Startup::begin(*qApp), 0);
    QCOMPARE(utils->sysInfo().aline[0], QString());
    QCOMPARE(utils->sysInfo().tax1, 0.0);
    QCOMPARE(utils->taxMode(), 1);
    // Later reloads insist on the record.
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                          QStringLiteral("No Resturant details were located in the database"));
    QVERIFY(!utils->initClass(true));
    QCOMPARE(Startup::end(), 0);
}

void TestStartup::normalRunLogsStartAndShutDown()
{
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    prepare(shop, [](ZkSettings& s) { s.writeEntry(QStringLiteral("/Global/LogActions"), true); });
    // MARY works on the touch layout: her till asks for the waiter next.
    shop.prompts()
        .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
        .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    QCOMPARE(Startup::begin(*qApp), 0);
    QCOMPARE(Startup::end(), 0);
    const QString who = QStringLiteral("HOST %1 : %1").arg(host().toUpper());
    // Start up first, Shut Down last; the login in between leaves its own row.
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT Action FROM Actions ORDER BY id LIMIT 1")).toString(),
             QStringLiteral("START UP"));
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT Action FROM Actions ORDER BY id DESC LIMIT 1")).toString(),
             QStringLiteral("SHUT DOWN"));
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT COUNT(*) FROM Actions WHERE Action IN ('START UP', 'SHUT DOWN') "
                                             "AND Who='%1' AND Status='3' AND Info=''").arg(who)).toInt(),
             2);
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT COUNT(*) FROM Actions WHERE Action='LOGIN' AND Status='0'")).toInt(), 1);
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT COUNT(*) FROM Actions WHERE MyDate<>'2026-12-05 10:30:00'")).toInt(), 0);
}

void TestStartup::noLogWhenSwitchedOff()
{
    TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
    prepare(shop);
    // MARY works on the touch layout: her till asks for the waiter next.
    shop.prompts()
        .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
        .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    QCOMPARE(Startup::begin(*qApp), 0);
    QCOMPARE(Startup::end(), 0);
    QCOMPARE(onDatabase(shop, QStringLiteral("SELECT COUNT(*) FROM Actions")).toInt(), 0);
}

void TestStartup::systemInformationIsLoaded()
{
    TestShop shop;
    const SysInfoRecord& info = utils->sysInfo();
    QCOMPARE(info.aline[0], QStringLiteral("The Harbour Kitchen"));
    QCOMPARE(info.aline[6], QStringLiteral("VAT No 4123456789"));
    QCOMPARE(info.tax1, 0.15);
    QCOMPARE(info.tax2Name, QStringLiteral("LEVY"));
    QCOMPARE(info.markup[2], 1.28);
    QCOMPARE(info.maxStatementDays, 60);
    QCOMPARE(utils->taxMode(), 1);
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET TaxMode='E', Rounding=5"));
    QVERIFY(utils->initClass(true));
    QCOMPARE(utils->taxMode(), 0);
    QCOMPARE(utils->roundingUnit(), 5);
    // Only exactly "E" means exclusive.
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET TaxMode='e'"));
    QVERIFY(utils->initClass(true));
    QCOMPARE(utils->taxMode(), 1);
    QCOMPARE(utils->hostName(), host());
}

void TestStartup::palettesFollowTheColourMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("plain") << 0;
    QTest::newRow("coloured text") << 1;
    QTest::newRow("coloured buttons") << 2;
    QTest::newRow("unknown mode") << 7;
}

void TestStartup::palettesFollowTheColourMode()
{
    QFETCH(int, mode);
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Global/ButtonColourMode"), mode);
    Utility u;
    const QPalette app = QApplication::palette();
    const QColor button[8] = {{255, 0, 0},     {0, 192, 0},     {0, 0, 255},     {174, 231, 255},
                              {255, 205, 205}, {255, 255, 0},   {228, 199, 255}, {211, 255, 219}};
    const QColor text1[8] = {{255, 0, 0}, {0, 192, 0}, {0, 0, 255}, {0, 85, 255},
                             {255, 0, 0}, QColor(),    {138, 46, 138}, {0, 192, 0}};
    const QColor text2[8] = {{255, 255, 192}, QColor(), {255, 255, 255}, QColor(),
                             QColor(),        QColor(), QColor(),        QColor()};
    for (int i = 0; i < 8; ++i) {
        const QPalette& p = u.buttonPalette(i + 1);
        QColor wantButton = app.color(QPalette::Active, QPalette::Button);
        QColor wantText = app.color(QPalette::Active, QPalette::ButtonText);
        if (mode == 1 && text1[i].isValid())
            wantText = text1[i];
        if (mode == 2) {
            wantButton = button[i];
            if (text2[i].isValid())
                wantText = text2[i];
        }
        QCOMPARE(p.color(QPalette::Active, QPalette::Button), wantButton);
        QCOMPARE(p.color(QPalette::Active, QPalette::ButtonText), wantText);
    }
}

BREVALON_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
