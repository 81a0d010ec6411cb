// The database layer: dialect switches, reading back new row numbers, table
// locks, the shared "temp" lock between stations, escaping of operator text
// and the error box.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zksettings.h"
#include "main/dbsetup.h"
#include "tests/support/testshop.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void driverMapping_data();
    void driverMapping();
    void dialectFollowsTheSetting();
    void newRowNumbersReadBack();
    void tableLockRunsOnlyWhereItExists();
    void tempLockWaitsThenAsks();
    void tempLockForceDropsTheTable();
    void tempLockFreeGoesStraightOn();
    void hostileTextRoundTrip_data();
    void hostileTextRoundTrip();
    void escapeLineBreaksOnlyForSqlite();
    void failedStatementShowsTheErrorBox();
    void schemaHasEveryTable();
    void seedingToolRefusesASecondSeed();
};

void TestDatabase::driverMapping_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<int>("dialect");
    QTest::newRow("historic mysql") << "QMYSQL3" << "QMYSQL" << int(ZkDb::MySql);
    QTest::newRow("sqlite") << "QSQLITE" << "QSQLITE" << int(ZkDb::Sqlite);
    QTest::newRow("sqlite3") << "QSQLITE3" << "QSQLITE" << int(ZkDb::Sqlite);
    // Another name goes to Qt as it is, and speaks the sequences dialect.
    QTest::newRow("postgres") << "QPSQL" << "QPSQL" << int(ZkDb::Sequences);
    QTest::newRow("qt's own mysql name") << "QMYSQL" << "QMYSQL" << int(ZkDb::Sequences);
}

void TestDatabase::driverMapping()
{
    QFETCH(QString, setting);
    QFETCH(QString, plugin);
    QFETCH(int, dialect);
    QCOMPARE(ZkDb::qtDriverName(setting), plugin);
    QCOMPARE(int(ZkDb::dialectOf(setting)), dialect);
}

void TestDatabase::dialectFollowsTheSetting()
{
    TestShop shop;
    settings->writeEntry(QStringLiteral("/Global/DBDriver"), "QMYSQL3");
    QCOMPARE(ZkDb::newRowQuery(QStringLiteral("receipt_mynumber_seq")), QStringLiteral("SELECT LAST_INSERT_ID()"));
    QVERIFY(ZkDb::hasTableLocks());
    QCOMPARE(ZkDb::limitOne(), QStringLiteral(" LIMIT 1"));
    QCOMPARE(Utility::escapeSQL(QStringLiteral("a\nb")), QStringLiteral("a\nb"));

    settings->writeEntry(QStringLiteral("/Global/DBDriver"), "QSQLITE3");
    QCOMPARE(ZkDb::newRowQuery(QStringLiteral("receipt_mynumber_seq")), QStringLiteral("SELECT LAST_INSERT_ROWID()"));
    QVERIFY(!ZkDb::hasTableLocks());
    QCOMPARE(ZkDb::limitOne(), QStringLiteral(" LIMIT 1"));
    QCOMPARE(Utility::escapeSQL(QStringLiteral("a\nb")), QStringLiteral("a\\nb"));

    settings->writeEntry(QStringLiteral("/Global/DBDriver"), "QPSQL");
    QCOMPARE(ZkDb::newRowQuery(QStringLiteral("invoiceitem_seq")), QStringLiteral("SELECT LAST_VALUE FROM invoiceitem_seq"));
    QCOMPARE(ZkDb::newRowQuery(QStringLiteral("stocktraceitem_seq")),
             QStringLiteral("SELECT LAST_VALUE FROM stocktraceitem_seq"));
    QVERIFY(!ZkDb::hasTableLocks());
    QCOMPARE(ZkDb::limitOne(), QString());
    settings->writeEntry(QStringLiteral("/Global/DBDriver"), TestShop::driverSetting());
}

void TestDatabase::newRowNumbersReadBack()
{
    TestShop shop;
    // The demo holds CASH (1), 12 tables and two clients: the next is 16.
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('NEW CLIENT')"));
    QCOMPARE(ZkDb::newRowNumber(QStringLiteral("unused")), 16);
    TestShop::exec(QStringLiteral("INSERT INTO Receipt (MyDate, AccountNumber) VALUES ('2026-12-05 10:00:00', 16)"));
    const int receipt = ZkDb::newRowNumber(QStringLiteral("receipt_mynumber_seq"));
    QCOMPARE(receipt, 1);
    TestShop::exec(QStringLiteral("INSERT INTO Receipt (MyDate, AccountNumber) VALUES ('2026-12-05 10:01:00', 16)"));
    QCOMPARE(ZkDb::newRowNumber(QStringLiteral("receipt_mynumber_seq")), receipt + 1);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT AccountNumber FROM Receipt WHERE MyNumber=%1").arg(receipt + 1)).toInt(), 16);
}

void TestDatabase::tableLockRunsOnlyWhereItExists()
{
    TestShop shop;
    QVERIFY(ZkDb::lockStatement(QStringLiteral("LOCK TABLE Invoice WRITE;")));
    TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status) VALUES ('2026-12-05 10:00:00', 1, 'P')"));
    const int number = ZkDb::newRowNumber(QStringLiteral("invoice_mynumber_seq"));
    QVERIFY(ZkDb::lockStatement(QStringLiteral("UNLOCK TABLES")));
    QCOMPARE(number, 1);
    // After the unlock every table is reachable again.
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Name FROM Clients WHERE AccountNumber=1")).toString(),
             QStringLiteral("CASH"));
    QCOMPARE(shop.prompts().seen(), QStringList());
}

void TestDatabase::tempLockWaitsThenAsks()
{
    TestShop shop;
    const QString other = shop.openSecondStation();
    {
        QSqlQuery q(QSqlDatabase::database(other));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE temp (MyDate date)")));
    }
    // The other station finishes after twenty seconds of waiting.
    shop.onSleep([&](int) {
        if (shop.sleptSeconds() == 20) {
            QSqlQuery q(QSqlDatabase::database(other));
            QVERIFY(q.exec(QStringLiteral("DROP TABLE temp")));
        }
    });
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon"),
                          QStringLiteral("Should I force its use or wait longer ?"), 1 /* Wait */);
    QVERIFY(ZkDb::claimTemp());
    // Sixteen probes a second apart before the question, then waits again.
    QCOMPARE(shop.sleptSeconds(), 20);
    QVERIFY(shop.prompts().done());
}

void TestDatabase::tempLockForceDropsTheTable()
{
    TestShop shop;
    const QString other = shop.openSecondStation();
    {
        QSqlQuery q(QSqlDatabase::database(other));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE temp (MyDate date)")));
    }
    shop.prompts()
        .expect(ZkPrompt::Information, QStringLiteral("Brevalon"), QStringLiteral("You should only use Force"), 1)
        .expect(ZkPrompt::Information, QStringLiteral("Brevalon"), QStringLiteral("force its use"), 0);
    QVERIFY(ZkDb::claimTemp());
    // 15 waits, the question, 15 more probes (15 waits), the question, Force.
    QCOMPARE(shop.sleptSeconds(), 30);
    QSqlQuery probe(QSqlDatabase::database(other));
    QVERIFY(!probe.exec(QStringLiteral("SELECT COUNT(*)FROM temp")));
}

void TestDatabase::tempLockFreeGoesStraightOn()
{
    TestShop shop;
    QVERIFY(ZkDb::claimTemp());
    QCOMPARE(shop.sleptSeconds(), 0);
    TestShop::exec(QStringLiteral("CREATE TABLE temp (MyDate date)"));
    QVERIFY(ZkDb::releaseTemp());
    QVERIFY(ZkDb::claimTemp());
    QCOMPARE(shop.sleptSeconds(), 0);
}

void TestDatabase::hostileTextRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("apostrophe") << "O'Brien's";
    QTest::newRow("doubled quotes") << "''";
    QTest::newRow("injection") << "x'); DELETE FROM Clients; --";
    QTest::newRow("backslash") << "C:\\till\\data";
    QTest::newRow("trailing backslash") << "ends in \\";
    QTest::newRow("backslash quote") << "\\'";
    QTest::newRow("line breaks") << "line one\nline two\n";
    QTest::newRow("percent and underscore") << "100% _off_ %1";
    QTest::newRow("double quote") << "the \"best\"";
    QTest::newRow("non-ascii") << "Café Zoë — 20 € · 東京";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
}

void TestDatabase::hostileTextRoundTrip()
{
    QFETCH(QString, text);
    TestShop shop;
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name, Notes) VALUES ('ROUND TRIP', '%1')")
                       .arg(Utility::escapeSQL(text)));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients")), 16);
    const QString stored = TestShop::value(QStringLiteral("SELECT Notes FROM Clients WHERE Name='ROUND TRIP'")).toString();
    QCOMPARE(Utility::unescapeSQL(stored), text);
    // And it finds itself again when used in a WHERE clause.
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Notes='%1'").arg(Utility::escapeSQL(text))), 1);
    // And as the start of a LIKE pattern, backslashes and line breaks included.
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Clients WHERE Notes LIKE '%1%'%2")
                                 .arg(Utility::escapeLike(text), Utility::likeEscape())),
             1);
    QCOMPARE(Utility::escapeSQL(text, true), Utility::escapeSQL(text.toUpper()));
}

void TestDatabase::escapeLineBreaksOnlyForSqlite()
{
    TestShop shop;
    const QString escaped = Utility::escapeSQL(QStringLiteral("a\nb's"));
    QCOMPARE(escaped, TestShop::isMariaDb() ? QStringLiteral("a\nb''s") : QStringLiteral("a\\nb''s"));
    QCOMPARE(Utility::escapeSQL(QStringLiteral("o'brien"), true), QStringLiteral("O''BRIEN"));

    // SQLite keeps a line break as backslash and "n", so a text that holds
    // those two characters itself comes back with a line break there. The
    // other servers keep it as typed.
    const QString typed = QStringLiteral("C:\\new");
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name, Notes) VALUES ('PATH', '%1')").arg(Utility::escapeSQL(typed)));
    const QString back = Utility::unescapeSQL(
        TestShop::value(QStringLiteral("SELECT Notes FROM Clients WHERE Name='PATH'")).toString());
    QCOMPARE(back, TestShop::isMariaDb() ? typed : QStringLiteral("C:\new"));
}

void TestDatabase::failedStatementShowsTheErrorBox()
{
    TestShop shop;
    QSqlQuery q;
    QVERIFY(!q.exec(QStringLiteral("SELECT Nothing FROM NoSuchTable")));
    shop.prompts().expect(ZkPrompt::Warning, q.lastError().driverText(),
                          QStringLiteral("\nSELECT Nothing FROM NoSuchTable"));
    QVERIFY(Utility::showDBError(q));
    QVERIFY(shop.prompts().done());

    QSqlQuery fine;
    QVERIFY(fine.exec(QStringLiteral("SELECT COUNT(*) FROM Clients")));
    QVERIFY(!Utility::showDBError(fine));
}

void TestDatabase::schemaHasEveryTable()
{
    TestShop shop(TestShop::EmptyTables);
    const QStringList tables = QSqlDatabase::database().tables();
    for (const char* t : {"SysInfo", "Personel", "Login", "Actions", "Clients", "Invoice", "InvoiceItem",
                          "InvoiceItemArchive", "Receipt", "Journal", "JournalArchive", "Returns", "Voids",
                          "Interest", "DTRHistory", "Inventory", "Images", "Departments", "Compositions",
                          "CompositionContents", "Supply", "StockTrace", "StockTraceItem"}) {
        QVERIFY2(tables.contains(QLatin1String(t), Qt::CaseInsensitive), t);
    }
    // The scratch table is filled from both line tables with one column list.
    const QString cols = QStringLiteral("MyNumber, MyDate, InvoiceNumber, Quantity, Category, Department, Code, "
                                        "UnitOfMeasure, Price, Discount, Tax1, Tax2, SerialNo, Description, "
                                        "Returnable, DTR, Printed");
    TestShop::exec(QStringLiteral("SELECT %1 FROM InvoiceItem").arg(cols));
    TestShop::exec(QStringLiteral("SELECT %1 FROM InvoiceItemArchive").arg(cols));
    // Column names are used in either case.
    TestShop::exec(QStringLiteral("SELECT BaseMarkUp, BaseMarkup FROM SysInfo"));
    TestShop::exec(QStringLiteral("SELECT UnitOfMEasure FROM Inventory"));
    // Money keeps two decimals, quantities three, discounts one.
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItem (InvoiceNumber, Quantity, Price, Discount) "
                                  "VALUES (1, 1.234, 12.34, 12.5)"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Quantity FROM InvoiceItem")).toDouble(), 1.234);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Price FROM InvoiceItem")).toDouble(), 12.34);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Discount FROM InvoiceItem")).toDouble(), 12.5);
}

void TestDatabase::seedingToolRefusesASecondSeed()
{
    if (TestShop::isMariaDb())
        QSKIP("the tool is checked against SQLite; MariaDB seeding is what every test here uses");
    QTemporaryDir home;
    const QString tool = qEnvironmentVariable("BREVALON_BUILD_DIR") + QLatin1String("/main/brevalon-db");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    auto run = [&](const QStringList& args, QString* out = nullptr) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(tool, args);
        p.waitForFinished(60000);
        if (out)
            *out = QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
        return p.exitCode();
    };
    const QString db = home.filePath(QStringLiteral("demo.db"));
    QCOMPARE(run({QStringLiteral("configure"), QStringLiteral("--driver"), QStringLiteral("QSQLITE"),
                  QStringLiteral("--name"), db}),
             0);
    QCOMPARE(run({QStringLiteral("setup")}), 0);
    QString out;
    QCOMPARE(run({QStringLiteral("setup")}, &out), 3);
    QVERIFY2(out.contains(QLatin1String("already holds tables")), qPrintable(out));
    QCOMPARE(run({QStringLiteral("setup"), QStringLiteral("--force")}), 0);

    QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seeded"));
    check.setDatabaseName(db);
    QVERIFY(check.open());
    {
        QSqlQuery q(check);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM Inventory")));
        QVERIFY(q.next());
        QVERIFY(q.value(0).toInt() >= 40);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM Clients WHERE Name LIKE 'TABLE %'")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 12);
    }
    check.close();
    check = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("seeded"));
}

BREVALON_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
