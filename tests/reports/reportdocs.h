#pragma once

// Report documents for the viewer's tests, written the way every report
// builder writes them.

#include "reports/reportwriter.h"

#include <QStringList>

namespace ReportDocs {

/** A report of @p rows rows named "ROW 1".."ROW n" with their number. */
inline QString numbered(int rows)
{
    ReportWriter report(QStringLiteral("Numbered"));
    report.column(QStringLiteral("Name")).column(QStringLiteral("No."), ReportWriter::Right).setSorting(false);
    for (int i = 1; i <= rows; ++i)
        report.row({QStringLiteral("ROW %1").arg(i), QString::number(i)});
    return report.finish();
}

/** A two-column report of @p cells in column 0 (column 1 holds the index). */
inline QString column0(const QStringList& cells, bool sorting)
{
    ReportWriter report(QStringLiteral("Column"));
    report.column(QStringLiteral("Value")).column(QStringLiteral("Written")).setSorting(sorting);
    for (int i = 0; i < cells.size(); ++i)
        report.row({cells.at(i), QString::number(i)});
    return report.finish();
}

} // namespace ReportDocs
