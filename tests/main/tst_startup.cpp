// Start-up and shut-down: the first run's folders and settings, the ways a start fails with their exit
// statuses, a normal run and its log, the system information loaded, and the program in the language of
// /Global/i18n (German, or the program's own texts for a language without a translation).

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
#include <QMenuBar>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// Settings as a test wants them before the program starts.
void prepare(TestShop& shop, const std::function<void(ZkSettings&)>& change = {})
{
    ZkSettings store(shop.home());
    shop.writeConnection(store);
    if (change)
        change(store);
}

// The rows of a query, columns joined by "|", on a connection of the test's
// own made from the shop's own settings (the program's may be gone).
QStringList rows(TestShop& shop, const QString& sql)
{
    QStringList result;
    {
        QTemporaryDir dir;
        ZkSettings store(dir.path());
        shop.writeConnection(store);
        QSqlDatabase db = QSqlDatabase::addDatabase(
            TestShop::isMariaDb() ? QStringLiteral("QMYSQL") : QStringLiteral("QSQLITE"),
            QStringLiteral("check"));
        db.setHostName(store.readEntry(QStringLiteral("/Global/DBServer")));
        db.setPort(store.readNumEntry(QStringLiteral("/Global/DBPport"), -1));
        db.setUserName(store.readEntry(QStringLiteral("/Global/DBUser")));
        db.setPassword(store.readEntry(QStringLiteral("/Global/DBPassword")));
        db.setDatabaseName(store.readEntry(QStringLiteral("/Global/DBName")));
        const bool open = db.open();
        QSqlQuery q(db);
        if (!open || !q.exec(sql))
            QTest::qFail(qPrintable(QStringLiteral("cannot check: ") + sql), __FILE__, __LINE__);
        while (q.next()) {
            QStringList columns;
            for (int i = 0; i < q.record().count(); ++i)
                columns << q.value(i).toString();
            result << columns.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstRunCreatesFoldersAndWritesInstallDir()
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
    }

    void normalRun_data()
    {
        QTest::addColumn<bool>("logging");
        QTest::newRow("action log on") << true;
        QTest::newRow("action log off") << false;
    }

    void normalRun()
    {
        QFETCH(bool, logging);
        TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
        prepare(shop, [&](ZkSettings& s) { s.writeEntry(QStringLiteral("/Global/LogActions"), logging); });
        // MARY works on the touch layout: her till asks for the waiter next.
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
            .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
        QCOMPARE(Startup::begin(*qApp), 0);
        const QString logo = TestShop::installDir() + QLatin1String("/powerlogo.png");
        QCOMPARE(settings->readEntry(QStringLiteral("/Global/PrintLogo")), logo);
        // The renderer was replaced so that it carries the logo.
        QCOMPARE(utils->docPrint()->logo(), logo);
        QCOMPARE(::shop->objectName(), QStringLiteral("sales"));
        // Start-up ends with the login of the first operator.
        QVERIFY2(::shop->windowTitle().startsWith(QLatin1String("Brevalon - MARY Logged in at ")),
                 qPrintable(::shop->windowTitle()));
        const QString here = utils->hostName().toUpper();
        QCOMPARE(Startup::end(), 0);
        QVERIFY(!::shop && !settings && !utils);
        QVERIFY(ZkSettings(shop.home()).contains(QStringLiteral("/Global/PrintLogo")));
        // Every row is stamped with the clock's time.
        const QString started = QStringLiteral("START UP||HOST %1 : %1|3|1").arg(here);
        const QString login = QStringLiteral("LOGIN||MARY : %1|0|1").arg(here);
        const QString ended = QStringLiteral("SHUT DOWN||HOST %1 : %1|3|1").arg(here);
        QCOMPARE(rows(shop, QStringLiteral("SELECT Action, Info, Who, Status, MyDate='2026-12-05 10:30:00' "
                                           "FROM Actions ORDER BY id")),
                 logging ? QStringList({started, login, ended}) : QStringList());
    }

    void failedStart_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("status");
        QTest::newRow("driver missing") << "/Global/DBDriver" << "QNOSUCH" << ""
                                        << "Could not load the  database driver QNOSUCH" << -1;
        if (TestShop::isMariaDb()) {
            QTest::newRow("wrong password") << "/Global/DBPassword" << "not-the-password" << "" << "Access denied" << -1;
            QTest::newRow("unknown host") << "/Global/DBServer" << "no-such-host.invalid" << ""
                                          << "no-such-host.invalid" << -1;
            QTest::newRow("server down") << "/Global/DBPport" << "1" << "" << "127.0.0.1" << -1;
        } else {
            QTest::newRow("no such folder") << "/Global/DBName" << "/no/such/folder/shop.db" << "" << "" << -1;
        }
        QTest::newRow("system information unreadable") << "" << "" << "DROP TABLE SysInfo" << "FROM SysInfo" << 1;
    }

    void failedStart()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, sql);
        QFETCH(QString, text);
        QFETCH(int, status);
        TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
        prepare(shop, [&](ZkSettings& s) {
            s.writeEntry(QStringLiteral("/Global/LogActions"), true);
            if (!key.isEmpty())
                s.writeEntry(key, value);
        });
        if (!sql.isEmpty())
            rows(shop, sql);
        // Without a connection the box is critical; an unreadable record is a
        // statement's failure, captioned with the driver's text.
        if (status == -1)
            shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"), text);
        else
            shop.prompts().expect(ZkPrompt::Warning, QString(), text);
        QCOMPARE(Startup::begin(*qApp), status);
        // The driver's text and the server's run together: something is said.
        const QString said = shop.prompts().seen().value(0);
        QVERIFY2(!said.endsWith(QLatin1Char('|')), qPrintable(said));
        QVERIFY(!settings && !utils && !::shop);
        QVERIFY(!QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection)));
        QCOMPARE(rows(shop, QStringLiteral("SELECT Action FROM Actions")), QStringList());
    }

    void systemInformationAbsentThenLoaded()
    {
        TestShop shop(TestShop::EmptyTables, TestShop::DatabaseOnly);
        prepare(shop);
        // Only the administrator exists in so bare a shop; the start goes on without a record.
        rows(shop, QStringLiteral("INSERT INTO Personel (Name, Code) VALUES ('Admin', '9999')"));
        shop.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("9999")));
        // The login reads the record again and says it is missing; the
        // administrator is logged in all the same, to put it right.
        shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                              QStringLiteral("No Resturant details were located in the database"));
        QCOMPARE(Startup::begin(*qApp), 0);
        QCOMPARE(utils->userName(), QStringLiteral("Admin"));
        QCOMPARE(utils->sysInfo().aline[0], QString());
        QCOMPARE(utils->taxMode(), 1);
        // Later reloads insist on the record.
        shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon"),
                              QStringLiteral("No Resturant details were located in the database"));
        QVERIFY(!utils->initClass(true));
        // Only exactly "E" means prices without tax.
        TestShop::exec(QStringLiteral("INSERT INTO SysInfo (ALINE1, TaxMode, Rounding, MaxStatementDays) "
                                      "VALUES ('The Quay', 'e', 5, 60)"));
        QVERIFY(utils->initClass(true));
        QCOMPARE(utils->sysInfo().aline[0], QStringLiteral("The Quay"));
        QCOMPARE(utils->sysInfo().maxStatementDays, 60);
        QCOMPARE(utils->roundingUnit(), 5);
        QCOMPARE(utils->taxMode(), 1);
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET TaxMode='E'"));
        QVERIFY(utils->initClass(true));
        QCOMPARE(utils->taxMode(), 0);
        QCOMPARE(Startup::end(), 0);
    }

    void captionsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions"); // a menu, the logout, a tab, the line type, a tool tip
        QTest::addColumn<QString>("about");
        QTest::addColumn<QString>("qtCancel");
        QTest::newRow("German") << "German" << "Brevalon – MARY angemeldet um "
                                << QStringList{"&Datei", "Ab&melden", "&Kunde", "Artikel",
                                               "Die Zeile dem Verkauf hinzufügen (Enter)"}
                                << "Über Brevalon"
                                << "Abbrechen";
        const QStringList english{"&File", "&Logout", "&Client", "Inventory", "Add the line to the sale (Enter)"};
        QTest::newRow("a language without a translation")
            << "Klingon" << "Brevalon - MARY Logged in at " << english << "About Brevalon"
            << "Cancel";
    }

    void captionsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        QFETCH(QString, about);
        QFETCH(QString, qtCancel);
        TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
        {
            ZkSettings store(shop.home());
            shop.writeConnection(store);
            store.writeEntry(QStringLiteral("/Global/i18n"), language);
        }
        // MARY works on the touch layout: her till asks for the waiter next.
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
            .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel))
            .expect(ZkPrompt::Information, about, QStringLiteral("Version ") + QLatin1String(BREVALON_VERSION));
        QCOMPARE(Startup::begin(*qApp), 0);
        auto ending = qScopeGuard([] {
            if (::shop)
                Startup::end();
        });
        // Widgets take the new texts from the language-change event.
        QCoreApplication::processEvents();
        Sales& w = *::shop;
        QVERIFY2(w.windowTitle().startsWith(title), qPrintable(w.windowTitle()));
        const QList<QAction*> menus = w.menuBar()->actions();
        const QStringList shown{menus.value(0)->text(), w.fileLogoutAction->text(), w.TabWidget2->tabText(0),
                                w.TypeComboBox->itemText(0), w.AddPushButton->toolTip()};
        QCOMPARE(shown, captions);
        // The line type chosen in the language still names the table searched.
        QCOMPARE(w.lineType(w.TypeComboBox->itemText(0)), QStringLiteral("Inventory"));
        w.helpAbout();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    }
};

BREVALON_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
