#pragma once

#include <QCoreApplication>
#include <QStringList>

/**
 * The period analysis behind the month end: "monthend1" the daily summary,
 * "monthend2" the departments, "monthend3" tax and income. Everything is
 * read from the live tables and their archives together. Reads only.
 */
class AnalysisReports
{
    Q_DECLARE_TR_FUNCTIONS(AnalysisReports)

public:
    /** The three documents for the days @p start to @p end ("yyyy-MM-dd"),
     *  both included; empty after a failed statement (shown). */
    static QStringList build(const QString& start, const QString& end);
};
