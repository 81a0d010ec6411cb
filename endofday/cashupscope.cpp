#include "endofday/cashupscope.h"

#include "core/zkclock.h"
#include "core/archivedrows.h"

namespace {

QString joined(const QString& condition, const QString& where)
{
    return where.trimmed().isEmpty() ? condition
                                     : condition + QLatin1String(" AND (") + where + QLatin1Char(')');
}

} // namespace

CashUpScope CashUpScope::taken()
{
    return CashUpScope(Taken, ZkClock::today());
}

CashUpScope CashUpScope::open()
{
    return CashUpScope(Open, ZkClock::today());
}

CashUpScope CashUpScope::day(const QDate& day)
{
    return CashUpScope(Day, day);
}

QString CashUpScope::dayStart() const
{
    return m_day.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1String(" 00:00:00");
}

QString CashUpScope::dayEnd() const
{
    return m_day.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1String(" 23:59:59");
}

QString CashUpScope::ledger(const QString& columns, const QString& where) const
{
    switch (m_kind) {
    case Taken:
        return QLatin1String("SELECT ") + columns + QLatin1String(" FROM Journal WHERE ")
            + joined(QStringLiteral("Status='U'"), where);
    case Open:
        return QLatin1String("SELECT ") + columns + QLatin1String(" FROM Journal WHERE ")
            + joined(QStringLiteral("(Status IS NULL OR Status<>'P')"), where);
    case Day:
        break;
    }
    return ArchivedRows::select(columns, { QStringLiteral("Journal") },
        joined(QStringLiteral("MyDate BETWEEN '%1' AND '%2'").arg(dayStart(), dayEnd()), where));
}

QString CashUpScope::balanceRows(const QString& columns, const QString& where) const
{
    if (m_kind != Day)
        return QLatin1String("SELECT ") + columns + QLatin1String(" FROM Journal WHERE ") + where;
    return ArchivedRows::select(
        columns, { QStringLiteral("Journal") }, joined(QStringLiteral("MyDate<='%1'").arg(dayEnd()), where));
}

QString CashUpScope::soldLines() const
{
    switch (m_kind) {
    case Taken:
        return QStringLiteral("CashUp=2");
    case Open:
        return QStringLiteral("CashUp IN (0,2)");
    case Day:
        break;
    }
    return QStringLiteral("MyDate BETWEEN '%1' AND '%2'").arg(dayStart(), dayEnd());
}

QString CashUpScope::summary() const
{
    return m_day.toString(QStringLiteral("yyyy-MM-dd"));
}
