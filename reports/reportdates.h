#pragma once

#include <QDate>
#include <QString>

/**
 * The periods the management reports cover (asked with DateDialog::ask):
 * the SQL conditions that select the rows of a day or a month by range
 * (so that the date indexes serve them on every server).
 */
namespace ReportDates {

/** "yyyy-MM-dd". */
QString text(const QDate& date);
/** The first of @p date's month. */
QDate monthOf(const QDate& date);

/** @p column from @p first (inclusive) to @p end (exclusive). */
QString between(const QString& column, const QDate& first, const QDate& end);
/** @p column within @p date's month. */
QString inMonth(const QString& column, const QDate& date);
/** @p column on the day @p date. */
QString onDay(const QString& column, const QDate& date);

/**
 * Six months up to a month picked, oldest first: the columns 1 to 6 of the
 * six-month reports, which the viewer charts.
 */
class SixMonths
{
public:
    static constexpr int kCount = 6;

    /** The month of @p until and the five before it. */
    explicit SixMonths(const QDate& until);

    QDate month(int i) const { return m_first.addMonths(i); }
    /** @p column within the six months. */
    QString covers(const QString& column) const;
    /** The six sums, one a month, of @p value over rows whose @p column lies
     *  in that month: ", SUM(CASE ...) AS M0, ..." for a column list. */
    QString sums(const QString& value, const QString& column) const;

private:
    QDate m_first;
};

} // namespace ReportDates
