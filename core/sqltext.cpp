#include "core/utility.h"

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"

#include <QSqlError>
#include <QSqlQuery>

QString Utility::storableText(const QString& text)
{
    // A NUL ends the statement early for SQLite's parser, and half a
    // surrogate pair is no character in any encoding a server stores.
    QString s;
    s.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            s += c;
            s += text.at(++i);
        } else if (!c.isSurrogate() && c.unicode() != 0) {
            s += c;
        }
    }
    return s;
}

QString Utility::escapeSQL(const QString& text, bool upper)
{
    // A line break stays itself: every server takes it inside a quoted
    // literal, so a typed backslash and "n" come back as typed.
    QString s = storableText(upper ? text.toUpper() : text);
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return s;
}

QString Utility::escapeLike(const QString& text, bool upper)
{
    // MariaDB keeps the backslash as LIKE's escape even with
    // NO_BACKSLASH_ESCAPES, SQLite has none: naming it makes both agree.
    return escapeSQL(text, upper).replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

bool Utility::showDBError(const QSqlQuery& query)
{
    return ZkDb::showError(query.lastError(), query.lastQuery());
}
