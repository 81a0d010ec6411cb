#include "maintenance/rankswap.h"

#include "maintenance/unitsql.h"

#include "core/utility.h"

namespace RankSwap {

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text) + QLatin1Char('\'');
}

} // namespace

Result move(const QString& table, const QString& keyColumn, const QString& filter, const QString& key, bool up)
{
    UnitSql unit;
    if (!unit.isOpen())
        return Failed;
    // Both rows are read inside the unit: a swap decided on ranks that
    // another till has just changed would leave two rows on one rank.
    QVariant rank;
    if (!unit.value(QStringLiteral("SELECT Rank FROM %1 WHERE %2=%3").arg(table, keyColumn, quoted(key)), &rank))
        return Failed;
    if (!rank.isValid())
        return Missing;
    const int moverRank = rank.toInt();

    const QString beyond = up ? QStringLiteral("<") : QStringLiteral(">");
    // Texts of the operator go in with one arg() call: a "%5" in a name
    // must not be taken for a place of the statement.
    QString sql
        = QStringLiteral("SELECT %1, Rank FROM %2 WHERE (Rank%3%4 OR (Rank=%4 AND %1%3%5)) AND Rank<>%6")
              .arg(keyColumn, table, beyond, QString::number(moverRank), quoted(key), QString::number(kParkedRank));
    if (!filter.isEmpty())
        sql += QLatin1String(" AND ") + filter;
    sql += QStringLiteral(" ORDER BY Rank%1, %2%1 LIMIT 1").arg(up ? QStringLiteral(" DESC") : QString(), keyColumn);
    if (!unit.exec(sql))
        return Failed;
    if (!unit.query().next())
        return AtEnd;
    const QString neighbour = unit.query().value(0).toString();
    const int neighbourRank = unit.query().value(1).toInt();

    const QString update = QStringLiteral("UPDATE %1 SET Rank=%2 WHERE %3=%4");
    const QString statements[] = {
        update.arg(table, QString::number(kParkedRank), keyColumn, quoted(key)),
        update.arg(table, QString::number(moverRank), keyColumn, quoted(neighbour)),
        update.arg(table, QString::number(neighbourRank), keyColumn, quoted(key))
            + QStringLiteral(" AND Rank=%1").arg(kParkedRank),
    };
    for (const QString& statement : statements) {
        if (!unit.exec(statement))
            return Failed;
    }
    return unit.commit() ? Moved : Failed;
}

bool nextRank(UnitSql& unit, const QString& table, int* rank)
{
    QVariant highest;
    if (!unit.value(
            QStringLiteral("SELECT COALESCE(MAX(Rank), 0) + 1 FROM %1 WHERE Rank<>%2").arg(table).arg(kParkedRank),
            &highest))
        return false;
    *rank = highest.toInt();
    return true;
}

} // namespace RankSwap
