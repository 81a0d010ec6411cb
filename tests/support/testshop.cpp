#include "tests/support/testshop.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zksettings.h"
#include "main/dbsetup.h"
#include "main/demoshop.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const char* const kAdminConnection = "brevalon_test_admin";

QString env(const char* name, const char* fallback = "")
{
    const QByteArray v = qgetenv(name);
    return QString::fromLocal8Bit(v.isEmpty() ? QByteArray(fallback) : v);
}

// One database per test process; each shop empties and refills it.
QString processDatabase()
{
    static const QString name = QStringLiteral("brevalon_t%1").arg(QCoreApplication::applicationPid());
    return name;
}

QSqlDatabase adminConnection()
{
    if (QSqlDatabase::contains(QLatin1String(kAdminConnection)))
        return QSqlDatabase::database(QLatin1String(kAdminConnection));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QLatin1String(kAdminConnection));
    db.setHostName(env("BREVALON_TEST_MYSQL_HOST", "127.0.0.1"));
    db.setPort(env("BREVALON_TEST_MYSQL_PORT").toInt());
    db.setUserName(env("BREVALON_TEST_MYSQL_USER", "root"));
    db.setPassword(env("BREVALON_TEST_MYSQL_PASSWORD"));
    if (!db.open())
        qFatal("cannot reach the test MariaDB server: %s", qPrintable(db.lastError().text()));
    return db;
}

void check(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        qFatal("test set-up failed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql));
}

// The SQLite template: schema and demo shop made once, copied per shop.
QString sqliteTemplate(TestShop::Contents contents)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(contents == TestShop::Demo ? QStringLiteral("demo.db")
                                                                  : QStringLiteral("empty.db"));
    if (QFile::exists(path))
        return path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("template"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(path));
        QString error;
        if (!DbSetup::createSchema(db, &error) || (contents == TestShop::Demo && !DemoShop::seed(db, &error)))
            qFatal("schema: %s", qPrintable(error));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("template"));
    return path;
}

} // namespace

bool TestShop::isMariaDb()
{
    return env("BREVALON_TEST_BACKEND", "sqlite") == QLatin1String("mariadb");
}

QString TestShop::driverSetting()
{
    return isMariaDb() ? QStringLiteral("QMYSQL3") : QStringLiteral("QSQLITE");
}

TestShop::TestShop(Contents contents, Services services)
    : m_prompts(new ScriptedPrompts)
    , m_services(services)
{
    m_oldHome = qgetenv("HOME");
    qputenv("HOME", m_home.path().toLocal8Bit());
    ZkClock::pin(pinnedNow());
    ZkClock::setSleeper([this](int seconds) {
        m_slept += seconds;
        if (m_sleepHook)
            m_sleepHook(seconds);
    });

    // escapeSQL and the seed read the driver from the settings.
    ZkSettings* previous = settings;
    ZkSettings* store = new ZkSettings(m_home.path());
    writeConnection(*store);
    store->sync();
    settings = store;
    Utility::useLocaleSetting();
    prepareDatabase(contents);

    if (services == DatabaseOnly) {
        settings = previous;
        delete store;
        return;
    }
    QString error;
    if (ZkDb::openDefault(&error) != ZkDb::Opened)
        qFatal("cannot open the test database: %s", qPrintable(error));
    utils = new Utility;
    if (!utils->initClass(false))
        qFatal("initClass failed on the test database");
}

TestShop::~TestShop()
{
    if (!m_prompts->done())
        QTest::qFail(qPrintable(QStringLiteral("expected prompts did not come: ") + m_prompts->pending()),
                     __FILE__, __LINE__);
    m_prompts.reset();
    if (m_services == Running) {
        delete utils;
        utils = nullptr;
        delete settings;
        settings = nullptr;
    }
    for (const QString& name : qAsConst(m_extraConnections)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    const QString def = QLatin1String(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(def)) {
        QSqlDatabase::database(def, false).close();
        QSqlDatabase::removeDatabase(def);
    }
    ZkClock::pin(QDateTime());
    ZkClock::setSleeper({});
    qputenv("HOME", m_oldHome);
}

QString TestShop::installDir()
{
    return env("BREVALON_BUILD_DIR") + QLatin1String("/stage");
}

void TestShop::writeConnection(ZkSettings& store, bool withInstallDir) const
{
    store.writeEntry(QStringLiteral("/Global/DBDriver"), driverSetting());
    // Every figure a test compares is written in one locale, whatever
    // LANG the suite runs under.
    store.writeEntry(QStringLiteral("/Global/Locale"), QStringLiteral("C"));
    if (withInstallDir)
        store.writeEntry(QStringLiteral("/Global/InstallDir"), installDir());
    if (isMariaDb()) {
        store.writeEntry(QStringLiteral("/Global/DBServer"), env("BREVALON_TEST_MYSQL_HOST", "127.0.0.1"));
        store.writeEntry(QStringLiteral("/Global/DBPport"), env("BREVALON_TEST_MYSQL_PORT").toInt());
        store.writeEntry(QStringLiteral("/Global/DBUser"), env("BREVALON_TEST_MYSQL_USER", "root"));
        store.writeEntry(QStringLiteral("/Global/DBPassword"), env("BREVALON_TEST_MYSQL_PASSWORD"));
        store.writeEntry(QStringLiteral("/Global/DBName"), processDatabase());
    } else {
        store.writeEntry(QStringLiteral("/Global/DBName"), m_home.filePath(QStringLiteral("shop.db")));
    }
}

void TestShop::prepareDatabase(Contents contents)
{
    if (!isMariaDb()) {
        QFile::remove(m_home.filePath(QStringLiteral("shop.db")));
        if (!QFile::copy(sqliteTemplate(contents), m_home.filePath(QStringLiteral("shop.db"))))
            qFatal("cannot copy the SQLite template");
        QFile::setPermissions(m_home.filePath(QStringLiteral("shop.db")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return;
    }
    QSqlDatabase admin = adminConnection();
    QSqlQuery q(admin);
    static bool created = false;
    if (!created) {
        check(q, QStringLiteral("DROP DATABASE IF EXISTS ") + processDatabase());
        check(q, QStringLiteral("CREATE DATABASE ") + processDatabase()
                     + QLatin1String(" CHARACTER SET utf8mb4"));
        created = true;
    }
    check(q, QStringLiteral("USE ") + processDatabase());
    // The admin session writes text as the program's own connection does.
    check(q, QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')"));
    check(q, QStringLiteral("DROP TABLE IF EXISTS temp"));
    // Refilling is much quicker than creating; a test that dropped or
    // changed a table makes the next one start from the script again.
    const int expected = int(DbSetup::schemaScript(admin).count(QLatin1String("CREATE TABLE")));
    QString error;
    if (admin.tables(QSql::Tables).size() != expected) {
        if (!DbSetup::dropAll(admin, &error) || !DbSetup::createSchema(admin, &error))
            qFatal("schema: %s", qPrintable(error));
    } else {
        for (const QString& table : admin.tables(QSql::Tables))
            check(q, QStringLiteral("TRUNCATE TABLE ") + table);
    }
    if (contents == Demo && !DemoShop::seed(admin, &error))
        qFatal("seed: %s", qPrintable(error));
}

QString TestShop::openSecondStation()
{
    const QString name = QStringLiteral("station%1").arg(m_extraConnections.size() + 2);
    QSqlDatabase def = QSqlDatabase::database();
    QSqlDatabase db = QSqlDatabase::cloneDatabase(def, name);
    if (!db.open())
        qFatal("second station: %s", qPrintable(db.lastError().text()));
    ZkDb::prepareSession(db);
    m_extraConnections << name;
    return name;
}

void TestShop::exec(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql))
        QTest::qFail(qPrintable(q.lastError().text() + QLatin1Char('\n') + sql), __FILE__, __LINE__);
}

QVariant TestShop::value(const QString& sql, const QString& connection)
{
    QSqlQuery q(connection.isEmpty() ? QSqlDatabase::database() : QSqlDatabase::database(connection));
    if (!q.exec(sql)) {
        QTest::qFail(qPrintable(q.lastError().text() + QLatin1Char('\n') + sql), __FILE__, __LINE__);
        return QVariant();
    }
    return q.next() ? q.value(0) : QVariant();
}

int TestShop::count(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql)) {
        QTest::qFail(qPrintable(q.lastError().text() + QLatin1Char('\n') + sql), __FILE__, __LINE__);
        return -1;
    }
    int n = 0;
    while (q.next())
        ++n;
    return n;
}

QStringList TestShop::rows(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql)) {
        QTest::qFail(qPrintable(q.lastError().text() + QLatin1Char('\n') + sql), __FILE__, __LINE__);
        return {};
    }
    QStringList out;
    while (q.next()) {
        QStringList columns;
        for (int i = 0; i < q.record().count(); ++i)
            columns << q.value(i).toString();
        out << columns.join(QLatin1Char('|'));
    }
    return out;
}

QStringList TestShop::snapshot(const QStringList& skip)
{
    QStringList out;
    for (const QString& table : ZkDb::tableNames()) {
        if (skip.contains(table, Qt::CaseInsensitive))
            continue;
        QStringList tableRows = rows(QStringLiteral("SELECT * FROM %1").arg(table));
        tableRows.sort();
        for (const QString& row : std::as_const(tableRows))
            out << table + QLatin1Char(':') + row;
    }
    return out;
}

int brevalonTestMain(int argc, char** argv, QObject* test)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (TestShop::isMariaDb() && qEnvironmentVariableIsEmpty("BREVALON_TEST_MYSQL_PORT")) {
        QTextStream(stdout) << "SKIP: the MariaDB run needs the server that scripts/test.sh starts "
                               "(BREVALON_TEST_MYSQL_PORT is not set)\n";
        return 77;
    }
    // Tests without a shop see the same locale as those with one.
    Utility::setLocale(QStringLiteral("C"));
    const int status = QTest::qExec(test, argc, argv);
    if (TestShop::isMariaDb() && QSqlDatabase::contains(QLatin1String(kAdminConnection))) {
        {
            QSqlQuery q(QSqlDatabase::database(QLatin1String(kAdminConnection)));
            q.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + processDatabase());
        }
        QSqlDatabase::removeDatabase(QLatin1String(kAdminConnection));
    }
    return status;
}
