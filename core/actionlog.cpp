#include "core/utility.h"

#include "core/zkclock.h"

#include <QSqlQuery>

void Utility::logAction(const QString& action, const QString& info, const QString& who, char type)
{
    if (!m_logActions)
        return;
    const QString actor = who.isEmpty() ? getWaiter() : who;
    QSqlQuery q;
    const QString sql = QStringLiteral("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES ('")
        + ZkClock::nowText() + QLatin1String("', '") + escapeSQL(action, true) + QLatin1String("', '")
        + escapeSQL(actor, true) + QLatin1String(" : ") + escapeSQL(m_hostName, true)
        + QLatin1String("', '") + escapeSQL(info, true) + QLatin1String("', '") + QLatin1Char(type)
        + QLatin1String("')");
    if (!q.exec(sql))
        showDBError(q);
}
