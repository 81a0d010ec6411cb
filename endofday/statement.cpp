#include "endofday/statement.h"

#include "core/utility.h"
#include "core/zkdb.h"

#include <QSqlQuery>

#include <csignal>

namespace EndOfDay {

namespace {

int g_statements = 0;
int g_abortAt = 0;

} // namespace

bool run(QSqlQuery& q, const QString& statement)
{
    ++g_statements;
    if (g_abortAt > 0 && g_statements >= g_abortAt)
        std::raise(SIGKILL);
    q.setForwardOnly(true);
    if (q.exec(statement))
        return true;
    Utility::showDBError(q);
    return false;
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

QString lockRows()
{
    return ZkDb::isSqlite() ? QString() : QStringLiteral(" FOR UPDATE");
}

} // namespace EndOfDay
