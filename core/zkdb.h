#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

/**
 * Everything that differs between the database servers Brevalon runs on.
 * The driver setting keeps its historical value ("QMYSQL3" for MySQL and
 * MariaDB); "QSQLITE" and "QSQLITE3" mean SQLite; any other name is a server
 * with named sequences. Callers ask here instead of comparing driver names.
 */
namespace ZkDb {

enum Dialect { MySql, Sqlite, Sequences };

/** The dialect of a driver setting. */
Dialect dialectOf(const QString& driverSetting);
/** The dialect of the configured driver (/Global/DBDriver). */
Dialect dialect();
inline bool isSqlite() { return dialect() == Sqlite; }

/** The Qt plug-in that serves a driver setting. */
QString qtDriverName(const QString& driverSetting);

enum OpenResult { Opened, DriverMissing, OpenFailed };

/** Adds the program's one (default) connection with the configured driver,
 *  host, database, user, password and port, and opens it. On failure
 *  @p error gets the driver's text followed directly by the server's. */
OpenResult openDefault(QString* error);

/** Session set-up after the connection opened: MySQL sessions get
 *  NO_BACKSLASH_ESCAPES so that a doubled quote is all the escaping text
 *  needs, as on the other servers; SQLite databases keep a write-ahead log,
 *  so that each statement's commit is one sync. Returns false on failure,
 *  with the server's words and the statement in @p reason when given (else
 *  shown). */
bool prepareSession(QSqlDatabase& db, QString* reason = nullptr);

/** Shows a failed statement in the error box, as Utility::showDBError
 *  does for a query; true when there was an error. */
bool showError(const QSqlError& error, const QString& statement);

/** The statement that reads back the number of the row just inserted. */
QString newRowQuery(const QString& sequence);
/** Reads back the number of the row just inserted on the default
 *  connection; @p sequence names the sequence where the dialect has them.
 *  Returns -1 after showing the error. */
int newRowNumber(const QString& sequence);

/** A date-time column as read: servers hand back either a date-time or
 *  the stored text. */
QDateTime dateTime(const QVariant& column);
/** A date-time column as the text form stored ("yyyy-MM-dd hh:mm:ss"). */
QString dateTimeText(const QVariant& column);

/** Whether the dialect has LOCK TABLE; elsewhere lock statements are skipped. */
bool hasTableLocks();
/** Runs a "LOCK TABLE ..." or "UNLOCK TABLES" statement where the dialect has
 *  them; true when it ran or was skipped, false after showing an error. */
bool lockStatement(const QString& statement);

/** " LIMIT 1" where the dialect allows it on DELETE and UPDATE, else empty. */
QString limitOne();

/** The program's tables on the default connection in the order the
 *  database lists them: MySQL's table list; on SQLite the schema's order.
 *  Temporary tables are not among them. */
QStringList tableNames();

/** Starts a read of several tables that sees them all as at one moment,
 *  while the other stations go on writing; false after showing an error. */
bool beginSnapshot();
/** Ends it. */
void endSnapshot();
/** What follows a text comparison or ORDER BY term to make it case-blind
 *  and served by the case-blind indexes of the schema: SQLite's NOCASE;
 *  MariaDB's columns compare case-blind by their collation already. */
QString caseBlind();

/** Takes the shared scratch table "temp" for this station: waits while
 *  another station holds it, asks Force/Wait after sixteen probes, and
 *  drops it when forced. On return the table does not exist and the caller
 *  may create it. Returns false when a forced drop failed (shown). */
bool claimTemp();
/** Drops "temp", which lets the next station have it. */
bool releaseTemp();

} // namespace ZkDb
