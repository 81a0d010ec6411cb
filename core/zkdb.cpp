#include "core/zkdb.h"

#include "core/globals.h"
#include "core/sqlitewatch.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>

#include <csignal>

namespace ZkDb {

Dialect dialectOf(const QString& driverSetting)
{
    if (driverSetting == QLatin1String("QMYSQL3"))
        return MySql;
    if (driverSetting == QLatin1String("QSQLITE") || driverSetting == QLatin1String("QSQLITE3"))
        return Sqlite;
    return Sequences;
}

Dialect dialect()
{
    return dialectOf(settings->readEntry(QStringLiteral("/Global/DBDriver")));
}

QString qtDriverName(const QString& driverSetting)
{
    if (driverSetting == QLatin1String("QMYSQL3"))
        return QStringLiteral("QMYSQL");
    if (driverSetting == QLatin1String("QSQLITE3"))
        return QStringLiteral("QSQLITE");
    return driverSetting;
}

OpenResult openDefault(QString* error)
{
    const QString driver = settings->readEntry(QStringLiteral("/Global/DBDriver"));
    QSqlDatabase db = QSqlDatabase::addDatabase(qtDriverName(driver));
    if (!db.isValid())
        return DriverMissing;
    db.setHostName(settings->readEntry(QStringLiteral("/Global/DBServer")));
    db.setDatabaseName(settings->readEntry(QStringLiteral("/Global/DBName")));
    db.setUserName(settings->readEntry(QStringLiteral("/Global/DBUser")));
    db.setPassword(settings->readEntry(QStringLiteral("/Global/DBPassword")));
    // Absent, the port stays the one the driver starts with: its own default.
    db.setPort(settings->readNumEntry(QStringLiteral("/Global/DBPport"), db.port()));
    // A server that went away must not freeze the till for long at each try
    // to reach it again.
    if (dialectOf(driver) == MySql)
        db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"));
    if (!db.open()) {
        if (error)
            *error = db.lastError().driverText() + db.lastError().databaseText();
        return OpenFailed;
    }
    // Start-up shows the reason in its own box, as for a failed open.
    QString reason;
    if (prepareSession(db, &reason))
        return Opened;
    if (error)
        *error = reason;
    return OpenFailed;
}

namespace {

QStringList sessionStatements(const QSqlDatabase& db)
{
    const QString driver = db.driverName();
    if (driver == QLatin1String("QSQLITE")) {
        // With the write-ahead log a unit's commit costs one sync of the log
        // instead of the rollback journal's several; FULL keeps it on disk
        // when the power goes. A second till writing waits its turn.
        return {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=FULL"),
                QStringLiteral("PRAGMA busy_timeout=%1").arg(busyWaitSeconds * 1000)};
    }
    if (driver != QLatin1String("QMYSQL") && driver != QLatin1String("QMARIADB"))
        return {};
    return {QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')"),
            QStringLiteral("SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED"),
            QStringLiteral("SET SESSION innodb_lock_wait_timeout=%1").arg(busyWaitSeconds)};
}

bool sessionFailed(const QSqlQuery& q, QString* reason)
{
    if (!reason)
        return !Utility::showDBError(q);
    *reason = q.lastError().driverText() + q.lastError().databaseText() + QLatin1Char('\n') + q.lastQuery();
    return false;
}

} // namespace

bool prepareSession(QSqlDatabase& db, QString* reason)
{
    watchOpenReads(db);
    for (const QString& statement : sessionStatements(db)) {
        QSqlQuery q(db);
        if (!q.exec(statement))
            return sessionFailed(q, reason);
    }
    return true;
}

QString newRowQuery(const QString& sequence)
{
    switch (dialect()) {
    case MySql:
        return QStringLiteral("SELECT LAST_INSERT_ID()");
    case Sqlite:
        return QStringLiteral("SELECT LAST_INSERT_ROWID()");
    case Sequences:
        break;
    }
    return QStringLiteral("SELECT LAST_VALUE FROM ") + sequence;
}

int newRowNumber(const QString& sequence)
{
    QSqlQuery q;
    if (!q.exec(newRowQuery(sequence))) {
        Utility::showDBError(q);
        return -1;
    }
    return q.next() ? q.value(0).toInt() : -1;
}

QDateTime dateTime(const QVariant& column)
{
    if (column.typeId() == QMetaType::QDateTime)
        return column.toDateTime();
    if (column.typeId() == QMetaType::QDate)
        return QDateTime(column.toDate(), QTime(0, 0));
    // Read by hand: statements and trails read a date a row, and Qt's
    // parser with a format string costs more than the row's query.
    const QString text = column.toString().trimmed();
    auto number = [&](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            if (i >= text.size() || !text.at(i).isDigit())
                return -1;
            value = value * 10 + text.at(i).digitValue();
        }
        return value;
    };
    if (text.size() < 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
        return QDateTime();
    const QDate day(number(0, 4), number(5, 2), number(8, 2));
    if (!day.isValid())
        return QDateTime();
    QTime time(0, 0);
    if (text.size() >= 19 && (text.at(10) == QLatin1Char(' ') || text.at(10) == QLatin1Char('T'))
        && text.at(13) == QLatin1Char(':') && text.at(16) == QLatin1Char(':')) {
        const QTime read(number(11, 2), number(14, 2), number(17, 2));
        if (read.isValid())
            time = read;
    }
    return QDateTime(day, time);
}

QString dateTimeText(const QVariant& column)
{
    return dateTime(column).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

bool hasTableLocks()
{
    return dialect() == MySql;
}

bool lockStatement(const QString& statement)
{
    if (!hasTableLocks() || ZkTransaction::active())
        return true;
    QSqlQuery q;
    if (!q.exec(statement))
        return !Utility::showDBError(q);
    return true;
}

QString forUpdate()
{
    return dialect() == Sqlite ? QString() : QStringLiteral(" FOR UPDATE");
}

bool lockAccount(int account)
{
    if (dialect() == Sqlite)
        return true;
    QSqlQuery q;
    if (!exec(q, QStringLiteral("SELECT AccountNumber FROM Clients WHERE AccountNumber=%1").arg(account) + forUpdate()))
        return !Utility::showDBError(q);
    return true;
}

int takeCounter(const QString& table, const QString& column)
{
    const QString next = QStringLiteral("COALESCE(%1, 0)+1").arg(column);
    QSqlQuery q;
    if (dialect() == MySql) {
        // LAST_INSERT_ID(x) keeps x for this connection alone: the value
        // read back is ours whatever other tills do meanwhile.
        if (!exec(q, QStringLiteral("UPDATE %1 SET %2=LAST_INSERT_ID(%3)").arg(table, column, next))) {
            Utility::showDBError(q);
            return -1;
        }
        if (q.numRowsAffected() < 1)
            return 0;
        if (!exec(q, QStringLiteral("SELECT LAST_INSERT_ID()"))) {
            Utility::showDBError(q);
            return -1;
        }
        return q.next() ? q.value(0).toInt() : -1;
    }
    if (!exec(q, QStringLiteral("UPDATE %1 SET %2=%3 RETURNING %2").arg(table, column, next))) {
        Utility::showDBError(q);
        return -1;
    }
    const int value = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    return value;
}

QString limitOne()
{
    return dialect() == Sequences ? QString() : QStringLiteral(" LIMIT 1");
}

QStringList tableNames()
{
    QSqlDatabase db = QSqlDatabase::database();
    if (dialect() != Sqlite)
        return db.tables(QSql::Tables);
    QStringList names;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' "
                               "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"))) {
        Utility::showDBError(q);
        return names;
    }
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool beginSnapshot()
{
    // A deferred transaction on SQLite, and InnoDB's consistent read: both
    // only read, so no station has to wait for the backup.
    QSqlQuery q;
    const QString begin = dialect() == MySql ? QStringLiteral("START TRANSACTION WITH CONSISTENT SNAPSHOT")
                                             : QStringLiteral("BEGIN");
    if (!q.exec(begin))
        return !Utility::showDBError(q);
    return true;
}

void endSnapshot()
{
    QSqlQuery q;
    q.exec(QStringLiteral("COMMIT"));
}

QString caseBlind()
{
    return dialect() == Sqlite ? QStringLiteral(" COLLATE NOCASE") : QString();
}

QString createTempStatement(const QString& columns)
{
    return QStringLiteral("CREATE TEMPORARY TABLE temp (") + columns + QLatin1Char(')');
}

bool releaseTemp()
{
    QString statement;
    switch (dialect()) {
    case MySql:
        // Without TEMPORARY, MySQL would commit the unit that is open.
        statement = QStringLiteral("DROP TEMPORARY TABLE IF EXISTS temp");
        break;
    case Sqlite:
        statement = QStringLiteral("DROP TABLE IF EXISTS temp.temp");
        break;
    case Sequences:
        statement = QStringLiteral("DROP TABLE IF EXISTS pg_temp.temp");
        break;
    }
    QSqlQuery q;
    if (!q.exec(statement))
        return !Utility::showDBError(q);
    return true;
}

namespace {

int g_statements = 0;
int g_abortAt = 0;
bool g_lost = false;
bool g_toldThisTurn = false;

} // namespace

bool exec(QSqlQuery& q, const QString& statement)
{
    ++g_statements;
    if (g_abortAt > 0 && g_statements >= g_abortAt)
        std::raise(SIGKILL);
    return q.exec(statement);
}

void abortAtStatement(int n)
{
    g_statements = 0;
    g_abortAt = n;
}

int statementsRun()
{
    return g_statements;
}

bool isOpen()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).isOpen();
}

bool isConnectionError(const QSqlError& error)
{
    // A file has no connection to lose: SQLite's faults are the file's.
    if (dialect() == Sqlite)
        return false;
    if (error.type() == QSqlError::ConnectionError)
        return true;
    if (dialect() != MySql)
        return false;
    // Client: server gone away, lost during a query, cannot connect (socket,
    // TCP), commands out of sync after a loss; server: connection killed,
    // shutting down, idle connection dropped.
    static const QStringList lost{QStringLiteral("2002"), QStringLiteral("2003"), QStringLiteral("2006"),
                                  QStringLiteral("2013"), QStringLiteral("2055"), QStringLiteral("1927"),
                                  QStringLiteral("1053"), QStringLiteral("4031")};
    return lost.contains(error.nativeErrorCode());
}

bool connectionLost()
{
    return g_lost;
}

bool reconnect()
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    if (!QSqlDatabase::contains(name))
        return false;
    // The server is asked first on a connection of its own: the program's
    // stays as it is (failing each statement with the server's error) while
    // the server does not answer.
    const QString probeName = QStringLiteral("brevalon_reconnect");
    bool answered = false;
    {
        QSqlDatabase probe = QSqlDatabase::cloneDatabase(name, probeName);
        answered = probe.open();
        probe.close();
    }
    QSqlDatabase::removeDatabase(probeName);
    if (!answered)
        return false;
    QSqlDatabase db = QSqlDatabase::database(name, false);
    db.close();
    if (!db.open())
        return false;
    for (const QString& statement : sessionStatements(db)) {
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            db.close();
            return false;
        }
    }
    g_lost = false;
    g_toldThisTurn = false;
    return true;
}

bool showError(const QSqlError& error, const QString& statement)
{
    if (error.type() == QSqlError::NoError)
        return false;
    QString text = error.databaseText() + QLatin1Char('\n') + statement;
    if (isConnectionError(error)) {
        g_lost = true;
        const bool back = reconnect();
        // One operator action, one message: the other statements that
        // failed with it say nothing more.
        if (g_toldThisTurn && !back)
            return true;
        if (!back) {
            g_toldThisTurn = true;
            QTimer::singleShot(0, [] { g_toldThisTurn = false; });
        }
        text += QLatin1String("\n\n")
            + (back ? QCoreApplication::translate("Utility",
                                                  "The connection to the database was lost and has been opened "
                                                  "again. What you just did was not done: please do it once more.")
                    : QCoreApplication::translate("Utility",
                                                  "The database cannot be reached. Nothing of what you just did "
                                                  "was written. The till connects again by itself once the "
                                                  "database is back."));
    }
    ZkPrompt::setWaitCursor(false);
    ZkPrompt::warning(utils ? utils->mainWindow() : nullptr, error.driverText(), text);
    return true;
}

} // namespace ZkDb
