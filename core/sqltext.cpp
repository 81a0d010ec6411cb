#include "core/utility.h"

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"

#include <QSqlError>
#include <QSqlQuery>

QString Utility::escapeSQL(const QString& text, bool upper)
{
    QString s = upper ? text.toUpper() : text;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    if (ZkDb::isSqlite())
        s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return s;
}

QString Utility::escapeLike(const QString& text, bool upper)
{
    // MariaDB keeps the backslash as LIKE's escape even with
    // NO_BACKSLASH_ESCAPES, SQLite has none: naming it makes both agree.
    return escapeSQL(text, upper).replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

QString Utility::unescapeSQL(const QString& stored)
{
    if (!ZkDb::isSqlite() || !stored.contains(QLatin1Char('\\')))
        return stored;
    QString s = stored;
    s.replace(QLatin1String("\\n"), QLatin1String("\n"));
    return s;
}

bool Utility::showDBError(const QSqlQuery& query)
{
    return ZkDb::showError(query.lastError(), query.lastQuery());
}
