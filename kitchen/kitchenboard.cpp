#include "kitchen/kitchenboard.h"

#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"

#include <QHash>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace KitchenBoard {

bool openDockets(QList<QPair<int, int>>* open)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Id, Station FROM KitchenDockets WHERE Bumped IS NULL ORDER BY MyDate, Id")))
        return !Utility::showDBError(q);
    open->clear();
    while (q.next())
        open->append({q.value(0).toInt(), q.value(1).toInt()});
    return true;
}

bool read(const QList<int>& ids, QList<Docket>* dockets)
{
    dockets->clear();
    if (ids.isEmpty())
        return true;
    QStringList numbers;
    for (const int id : ids)
        numbers << QString::number(id);
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Id, Station, MyDate, Docket FROM KitchenDockets WHERE Id IN (%1)")
                    .arg(numbers.join(QLatin1Char(',')))))
        return !Utility::showDBError(q);
    QHash<int, Docket> found;
    while (q.next()) {
        const int id = q.value(0).toInt();
        found.insert(id, Docket{id, q.value(1).toInt(), ZkDb::dateTime(q.value(2)), q.value(3).toString()});
    }
    for (const int id : ids) {
        if (found.contains(id))
            dockets->append(found.value(id));
    }
    return true;
}

bool bump(int id, int station, bool* bumped)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("UPDATE KitchenDockets SET Bumped='%1' WHERE Id=%2 AND Station=%3 AND Bumped IS NULL")
                    .arg(ZkClock::nowText(), QString::number(id), QString::number(station))))
        return !Utility::showDBError(q);
    *bumped = q.numRowsAffected() > 0;
    return true;
}

bool recall(int station, int* id, int hours)
{
    *id = 0;
    const QString since = ZkClock::now().addSecs(-3600 * hours).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Id FROM KitchenDockets WHERE Station=%1 AND Bumped>='%2' "
                               "ORDER BY Bumped DESC, Id DESC LIMIT 1")
                    .arg(QString::number(station), since)))
        return !Utility::showDBError(q);
    if (!q.next())
        return true;
    const int last = q.value(0).toInt();
    q.finish();
    if (!q.exec(QStringLiteral("UPDATE KitchenDockets SET Bumped=NULL WHERE Id=%1 AND Bumped IS NOT NULL").arg(last)))
        return !Utility::showDBError(q);
    if (q.numRowsAffected() > 0)
        *id = last;
    return true;
}

} // namespace KitchenBoard
