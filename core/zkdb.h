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

/** Session set-up after the connection opened. MySQL sessions get
 *  NO_BACKSLASH_ESCAPES so that a doubled quote is all the escaping text
 *  needs, as on the other servers, read committed rows (each statement sees
 *  what other tills committed before it, as without units), and give up on a
 *  row lock after busyWaitSeconds. SQLite databases keep a write-ahead log
 *  with full syncs, and wait up to busyWaitSeconds for another till's unit
 *  instead of failing at once. Returns false on failure, with the server's
 *  words and the statement in @p reason when given (else shown). */
bool prepareSession(QSqlDatabase& db, QString* reason = nullptr);

/** How long a till waits for a unit of another till before it gives up. */
constexpr int busyWaitSeconds = 15;

/** Runs one statement on @p q. Posting units run their statements through
 *  here (ZkTransaction its BEGIN and COMMIT), so that a crash test can stop
 *  the program between any two of them. Shows nothing; true when it ran. */
bool exec(QSqlQuery& q, const QString& statement);
/** For crash tests only: the process kills itself (SIGKILL) just before the
 *  @p n-th statement that exec runs from now on; 0 switches that off. */
void abortAtStatement(int n);
/** Statements run through exec since the last abortAtStatement. */
int statementsRun();

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
 *  them; true when it ran or was skipped, false after showing an error.
 *  Inside a ZkTransaction it is skipped too: MySQL would commit the unit at
 *  LOCK TABLES, and the unit's own locks do the work. */
bool lockStatement(const QString& statement);

/** " FOR UPDATE" where SELECT can lock the rows it reads, else empty. */
QString forUpdate();
/** Inside a ZkTransaction: takes the lock of an account (its Clients row)
 *  until the unit ends. Every unit that reads and then writes an account's
 *  pending invoice, its docket marks or its unpaid invoices takes it first,
 *  so two tills on one account take turns. SQLite's unit holds the whole
 *  database from its BEGIN, so nothing runs there. False after a failed
 *  statement (shown, or kept by the unit). */
bool lockAccount(int account);

/** Takes the next value of a counter column (SysInfo.SequenceNo) with one
 *  statement, so that two tills never get the same number; inside a unit the
 *  row stays locked until it ends. Returns the new value, 0 when the table
 *  has no row, -1 after a failed statement (shown, or kept by the unit). */
int takeCounter(const QString& table, const QString& column);

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

/** The statement that creates the scratch table "temp" with @p columns. It
 *  is a temporary table: each connection has its own, tills never wait for
 *  one another, and a till that dies takes its table with it. */
QString createTempStatement(const QString& columns);
/** Drops this connection's scratch table when it has one. */
bool releaseTemp();

/** Whether a failed statement lost the connection to the server. */
bool isConnectionError(const QSqlError& error);
/** True from a statement that found the connection gone until the
 *  connection is opened again. */
bool connectionLost();
/** Opens the program's connection again when the server answers, and sets
 *  the session up as openDefault does. Quiet; true when it is open again.
 *  Statements of a unit that was open are gone with the old session. */
bool reconnect();
/** Shows a failed statement: the driver's and the database's texts and the
 *  statement. A lost connection is told once per operator action, with
 *  whether it could be opened again (the next action works) or not (the till
 *  tries again by itself). True when there was an error. */
bool showError(const QSqlError& error, const QString& statement);
/** Whether the program's connection is open (a lost server still counts as
 *  open until a statement finds out). */
bool isOpen();

} // namespace ZkDb
