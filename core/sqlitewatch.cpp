#include "core/sqlitewatch.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <QtGlobal>

#include <sqlite3.h>

namespace {

int onStatement(unsigned type, void* strict, void* statement, void*)
{
    if (type != SQLITE_TRACE_STMT)
        return 0;
    auto* writing = static_cast<sqlite3_stmt*>(statement);
    sqlite3* db = sqlite3_db_handle(writing);
    // Inside BEGIN IMMEDIATE the connection holds the write lock already.
    if (sqlite3_stmt_readonly(writing) || !sqlite3_get_autocommit(db))
        return 0;
    for (sqlite3_stmt* open = sqlite3_next_stmt(db, nullptr); open; open = sqlite3_next_stmt(db, open)) {
        if (open == writing || !sqlite3_stmt_busy(open))
            continue;
        if (strict)
            qFatal("%s\nstarts while this read is open:\n%s", sqlite3_sql(writing), sqlite3_sql(open));
        qWarning("%s\nstarts while this read is open:\n%s", sqlite3_sql(writing), sqlite3_sql(open));
        break;
    }
    return 0;
}

} // namespace

void ZkDb::watchOpenReads(QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection)
        return;
    // Any non-null pointer says strict; the callback needs no more.
    static int strictFlag;
    void* strict = qEnvironmentVariableIsSet("BREVALON_SQLITE_STRICT") ? &strictFlag : nullptr;
    sqlite3_trace_v2(connection, SQLITE_TRACE_STMT, onStatement, strict);
}
