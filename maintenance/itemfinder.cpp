#include "maintenance/itemfinder.h"

#include "core/utility.h"
#include "core/zkdb.h"

#include <QSqlQuery>

namespace ItemFinder {

namespace {

bool collect(const QString& where, int limit, QList<Match>* matches)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Code, Description FROM Inventory WHERE %1 ORDER BY Description%2 LIMIT %3")
                    .arg(where, ZkDb::caseBlind(), QString::number(limit)))) {
        Utility::showDBError(q);
        return false;
    }
    while (q.next())
        matches->append({q.value(0).toString(), q.value(1).toString()});
    return true;
}

} // namespace

bool find(const QString& text, bool byCode, int limit, Found* found)
{
    found->matches.clear();
    found->exact = false;
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return true;
    const QString equal = Utility::escapeSQL(wanted, true);
    const QString like = Utility::escapeLike(wanted, true);
    QString exact = QStringLiteral("Description='%1'%2").arg(equal, ZkDb::caseBlind());
    if (byCode)
        exact = QStringLiteral("(Code='%1'%2 OR %3)").arg(equal, ZkDb::caseBlind(), exact);
    if (!collect(exact, limit, &found->matches))
        return false;
    if (!found->matches.isEmpty()) {
        found->exact = true;
        return true;
    }
    return collect(QStringLiteral("Description LIKE '%1%'%2").arg(like, Utility::likeEscape()), limit, &found->matches)
        && (!found->matches.isEmpty()
            || collect(QStringLiteral("Description LIKE '%%1%'%2").arg(like, Utility::likeEscape()), limit,
                       &found->matches));
}

} // namespace ItemFinder
