#include "core/zkdb.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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
    if (db.driverName() == QLatin1String("QSQLITE")) {
        // Every statement commits on its own (there are no transactions).
        // With the write-ahead log a commit costs one sync of the log
        // instead of the rollback journal's several, and still survives a
        // power cut; posting a sale takes about half the time.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return sessionFailed(q, reason);
        return true;
    }
    if (db.driverName() != QLatin1String("QMYSQL") && db.driverName() != QLatin1String("QMARIADB"))
        return true;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')")))
        return sessionFailed(q, reason);
    return true;
}

bool showError(const QSqlError& error, const QString& statement)
{
    if (error.type() == QSqlError::NoError)
        return false;
    ZkPrompt::setWaitCursor(false);
    ZkPrompt::warning(utils ? utils->mainWindow() : nullptr, error.driverText(),
                      error.databaseText() + QLatin1Char('\n') + statement);
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
    QString text = column.toString().trimmed();
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    QDateTime when = QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!when.isValid())
        when = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return when;
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
    if (!hasTableLocks())
        return true;
    QSqlQuery q;
    if (!q.exec(statement))
        return !Utility::showDBError(q);
    return true;
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

namespace {

bool tempExists()
{
    QSqlQuery probe;
    return probe.exec(QStringLiteral("SELECT COUNT(*)FROM temp"));
}

} // namespace

bool claimTemp()
{
    int probes = 16;
    while (tempExists()) {
        if (--probes > 0) {
            ZkClock::sleepSeconds(1);
            continue;
        }
        const int answer = ZkPrompt::informationQuestion(
            utils ? utils->mainWindow() : nullptr, QStringLiteral("Brevalon"),
            QCoreApplication::translate(
                "Utility",
                "Brevalon has been waiting quite a long time for\na temporary system resource.\n\n"
                "Should I force its use or wait longer ?\n\nYou should only use Force if you know\n"
                "there was an application crash and no\nother stations are busy !"),
            {QCoreApplication::translate("Utility", "Force"),
             QCoreApplication::translate("Utility", "Wait")},
            0, 1);
        if (answer == 0)
            return releaseTemp();
        probes = 15;
        ZkClock::sleepSeconds(1);
    }
    return true;
}

bool releaseTemp()
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DROP TABLE temp")))
        return !Utility::showDBError(q);
    return true;
}

} // namespace ZkDb
