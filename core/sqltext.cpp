#include "core/utility.h"

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zktransaction.h"

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
    QSqlError error = query.lastError();
    if (error.type() == QSqlError::NoError) {
        if (ZkDb::isOpen())
            return false;
        // A statement on a connection that could not be opened again did not
        // run, though Qt records no error for it.
        error = QSqlError(tr("No database connection"), tr("The connection to the database is closed"),
                          QSqlError::ConnectionError);
    }
    // Inside a posting unit the error waits until the unit is rolled back:
    // no box may open while it holds its locks, and it is told once.
    if (ZkTransaction::keepError(error, query.lastQuery()))
        return true;
    ZkDb::showError(error, query.lastQuery());
    return true;
}
