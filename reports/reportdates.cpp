#include "reports/reportdates.h"

namespace ReportDates {

QString text(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QDate monthOf(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

QString between(const QString& column, const QDate& first, const QDate& end)
{
    return QStringLiteral("%1>='%2' AND %1<'%3'").arg(column, text(first), text(end));
}

QString inMonth(const QString& column, const QDate& date)
{
    const QDate first = monthOf(date);
    return between(column, first, first.addMonths(1));
}

QString onDay(const QString& column, const QDate& date)
{
    return between(column, date, date.addDays(1));
}

SixMonths::SixMonths(const QDate& until)
    : m_first(monthOf(until).addMonths(1 - kCount))
{
}

QString SixMonths::covers(const QString& column) const
{
    return between(column, m_first, m_first.addMonths(kCount));
}

QString SixMonths::sums(const QString& value, const QString& column) const
{
    QString list;
    for (int i = 0; i < kCount; ++i)
        list += QStringLiteral(", SUM(CASE WHEN %1 THEN %2 ELSE 0 END) AS M%3")
                    .arg(between(column, month(i), month(i + 1)), value)
                    .arg(i);
    return list;
}

} // namespace ReportDates
