#include "core/zktransaction.h"

#include "core/zkdb.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace {

int depth = 0;
bool doomed = false;
bool kept = false;
QSqlError keptError;
QString keptStatement;
QElapsedTimer openFor;
qint64 openTotal = 0;

QString beginStatement()
{
    switch (ZkDb::dialect()) {
    case ZkDb::Sqlite:
        // Taking the write lock at the start means a second till waits at
        // BEGIN (busy timeout) instead of failing half way through its unit
        // when a read lock cannot be upgraded.
        return QStringLiteral("BEGIN IMMEDIATE");
    case ZkDb::MySql:
        return QStringLiteral("START TRANSACTION");
    case ZkDb::Sequences:
        break;
    }
    return QStringLiteral("BEGIN");
}

void rollbackNow()
{
    QSqlQuery q;
    q.exec(QStringLiteral("ROLLBACK"));
}

// The unit is over: its error, if it had one, is told now.
void showKept()
{
    if (!kept)
        return;
    const QSqlError error = keptError;
    const QString statement = keptStatement;
    kept = false;
    keptError = QSqlError();
    keptStatement.clear();
    ZkDb::showError(error, statement);
}

} // namespace

ZkTransaction::ZkTransaction()
{
    if (depth > 0) {
        ++depth;
        m_open = true;
        return;
    }
    openFor.start();
    if (ZkDb::connectionLost())
        ZkDb::reconnect();
    QSqlQuery q;
    bool begun = ZkDb::exec(q, beginStatement());
    // A server restarted while the till was idle: its first unit finds out,
    // and nothing was lost yet.
    if (!begun && ZkDb::isConnectionError(q.lastError()) && ZkDb::reconnect()) {
        q = QSqlQuery();
        begun = ZkDb::exec(q, beginStatement());
    }
    if (!begun) {
        openTotal += openFor.nsecsElapsed();
        ZkDb::showError(q.lastError(), q.lastQuery());
        return;
    }
    depth = 1;
    doomed = false;
    kept = false;
    m_open = true;
    m_outermost = true;
}

ZkTransaction::~ZkTransaction()
{
    if (m_open)
        rollback();
}

bool ZkTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    if (!m_outermost) {
        --depth;
        return !doomed;
    }
    depth = 0;
    if (doomed) {
        doomed = false;
        rollbackNow();
        openTotal += openFor.nsecsElapsed();
        showKept();
        return false;
    }
    QSqlQuery q;
    const bool committed = ZkDb::exec(q, QStringLiteral("COMMIT"));
    openTotal += openFor.nsecsElapsed();
    if (committed)
        return true;
    // A failed COMMIT leaves MySQL's transaction open and SQLite's either
    // way; end it so the next unit starts clean.
    kept = true;
    keptError = q.lastError();
    keptStatement = q.lastQuery();
    rollbackNow();
    showKept();
    return false;
}

void ZkTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    if (!m_outermost) {
        --depth;
        doomed = true;
        return;
    }
    depth = 0;
    doomed = false;
    rollbackNow();
    openTotal += openFor.nsecsElapsed();
    showKept();
}

bool ZkTransaction::active()
{
    return depth > 0;
}

bool ZkTransaction::keepError(const QSqlError& error, const QString& statement)
{
    if (depth == 0)
        return false;
    doomed = true;
    if (!kept) {
        kept = true;
        keptError = error;
        keptStatement = statement;
    }
    // Some failures end the server's transaction there and then (a deadlock
    // on MySQL; a full disk on SQLite). Whatever the unit's code still runs
    // before it gives up must not commit on its own: a new transaction takes
    // it, to be rolled back with the unit. Where the transaction is still
    // open, SQLite refuses the BEGIN and nothing changes.
    if (ZkDb::dialect() == ZkDb::Sqlite) {
        QSqlQuery q;
        q.exec(QStringLiteral("BEGIN"));
    } else if (ZkDb::dialect() == ZkDb::MySql && error.nativeErrorCode() == QLatin1String("1213")) {
        QSqlQuery q;
        q.exec(QStringLiteral("START TRANSACTION"));
    }
    return true;
}

qint64 ZkTransaction::openNanoseconds()
{
    return openTotal;
}
