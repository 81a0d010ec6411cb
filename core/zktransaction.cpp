#include "core/zktransaction.h"

#include "core/utility.h"
#include "core/zkdb.h"

#include <QSqlQuery>

namespace {

int depth = 0;
bool doomed = false;

bool run(const QString& statement)
{
    QSqlQuery q;
    if (q.exec(statement))
        return true;
    Utility::showDBError(q);
    return false;
}

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

} // namespace

ZkTransaction::ZkTransaction()
{
    if (depth > 0) {
        ++depth;
        m_open = true;
        return;
    }
    if (!run(beginStatement()))
        return;
    depth = 1;
    doomed = false;
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
        run(QStringLiteral("ROLLBACK"));
        return false;
    }
    if (run(QStringLiteral("COMMIT")))
        return true;
    // A failed COMMIT leaves MySQL's transaction open and SQLite's either
    // way; end it so the next unit starts clean.
    QSqlQuery q;
    q.exec(QStringLiteral("ROLLBACK"));
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
    QSqlQuery q;
    q.exec(QStringLiteral("ROLLBACK"));
}

bool ZkTransaction::active()
{
    return depth > 0;
}
