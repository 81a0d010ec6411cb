#pragma once

#include "tests/support/scriptedprompts.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

class ZkSettings;

/**
 * A fresh shop for one test: its own HOME and settings store, a database on
 * the backend the test runs against (BREVALON_TEST_BACKEND: sqlite or
 * mariadb) holding the schema and the demo shop, the scripted operator, a
 * pinned clock and a one-second wait that does not wait.
 */
class TestShop
{
public:
    enum Contents { Demo, EmptyTables };
    enum Services { Running, DatabaseOnly };

    /** The moment the clock is pinned to. */
    static QDateTime pinnedNow() { return QDateTime(QDate(2026, 12, 5), QTime(10, 30, 0)); }

    /** With Running the globals `settings` and `utils` and the default
     *  connection are up; with DatabaseOnly only the database, the home
     *  folder and the connection settings exist (for start-up tests). */
    explicit TestShop(Contents contents = Demo, Services services = Running);
    ~TestShop();
    TestShop(const TestShop&) = delete;
    TestShop& operator=(const TestShop&) = delete;

    static bool isMariaDb();
    /** "QSQLITE" or "QMYSQL3": the driver setting of this backend. */
    static QString driverSetting();

    QString home() const { return m_home.path(); }
    ScriptedPrompts& prompts() { return *m_prompts; }
    /** Seconds the program asked to sleep since the shop was made. */
    int sleptSeconds() const { return m_slept; }
    /** Called on each requested wait, before it returns (may be empty). */
    void onSleep(std::function<void(int)> hook) { m_sleepHook = std::move(hook); }

    /** Writes the connection of this shop (and, unless told otherwise, the
     *  install folder of the source tree's data) into a settings store. */
    void writeConnection(ZkSettings& store, bool withInstallDir = true) const;
    /** The install folder tests use: the source tree's share folder. */
    static QString installDir();

    /** Opens a second connection to the same database, as a second
     *  station would have; closed with the shop. */
    QString openSecondStation();

    /** Runs a statement on the default connection; fails the test on error. */
    static void exec(const QString& sql);
    /** The first column of the first row of a query (invalid when none). */
    static QVariant value(const QString& sql, const QString& connection = QString());
    /** Number of rows a query returns. */
    static int count(const QString& sql);
    /** Each row of a query, its columns joined by '|'. */
    static QStringList rows(const QString& sql);
    /** Every row of every table but those in @p skip, sorted, as text: a
     *  refusal is checked to change nothing by comparing two of these. */
    static QStringList snapshot(const QStringList& skip = {QStringLiteral("Actions")});

private:
    void prepareDatabase(Contents contents);

    QTemporaryDir m_home;
    QString m_dbName;
    QStringList m_extraConnections;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    int m_slept = 0;
    std::function<void(int)> m_sleepHook;
    Services m_services;
    QByteArray m_oldHome;
};

/** Runs a QtTest class; on the MariaDB backend without a server started by
 *  the test command it reports the skip and exits with 77. */
int brevalonTestMain(int argc, char** argv, QObject* test);

#define BREVALON_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char** argv)                                                                     \
    {                                                                                                   \
        TestClass tc;                                                                                   \
        return brevalonTestMain(argc, argv, &tc);                                                       \
    }
