#pragma once

#include <QDate>
#include <QString>

/**
 * How long the kitchen takes: from the moment a docket reached the screens
 * to its bump, per item and per hour of the day, for the report viewer.
 */
namespace PreparationTimes {

/** The report (type "report") of the dockets ordered from @p from to @p to,
 *  whole days, that were bumped: per item (the docket lines with a
 *  quantity of their own) and per hour of order, the portions, the dockets,
 *  and the average and longest time; slowest items first. Empty after a
 *  failed statement (shown). */
QString report(const QDate& from, const QDate& to);

/** A span of seconds as the report writes it: "m:ss", or "h:mm:ss" from an
 *  hour on. */
QString duration(qint64 seconds);

} // namespace PreparationTimes
