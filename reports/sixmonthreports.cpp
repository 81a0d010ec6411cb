// The six-month reports, charted from the viewer: items sold, the
// salespeople's items and the new clients, a column a month up to the
// month picked.

#include "sales/sales.h"

#include "core/archivedrows.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "reports/reportdates.h"
#include "sales/datedialog.h"
#include "reports/reporter.h"
#include "reports/salelines.h"
#include "reports/reportwriter.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <QVariant>

#include <array>

using ReportDates::SixMonths;

namespace {

using Months = std::array<double, SixMonths::kCount>;

/** The head of a six-month report: the row label and the months. */
ReportWriter sixMonthReport(const QString& title, const QString& label, const SixMonths& months)
{
    ReportWriter report(title);
    report.setChart(true);
    report.column(label);
    for (int i = 0; i < SixMonths::kCount; ++i)
        report.column(ReportWriter::monthHeading(months.month(i)), ReportWriter::Right);
    return report;
}

void addRow(ReportWriter& report, const QString& label, const Months& values)
{
    QStringList cells{label};
    for (double v : values)
        cells << ReportWriter::quantity(v);
    report.row(cells);
}

/** The six month values of a query row, from column @p from on. */
Months monthValues(const QSqlQuery& q, int from)
{
    Months m{};
    for (int i = 0; i < SixMonths::kCount; ++i)
        m[i] = q.value(from + i).toDouble();
    return m;
}

bool askUntil(QWidget* parent, QDate* until)
{
    return DateDialog::ask(parent, QCoreApplication::translate("Sales", "Report Until"), false, until);
}

} // namespace

void Sales::merchandiseReport()
{
    vendReport(QStringLiteral("Inventory"), true);
}

void Sales::vendReport(const QString& category, bool quantities)
{
    // The category names the table of the rows; nothing else goes into
    // the statement as a name.
    if (!ZkDb::tableNames().contains(category)) {
        ZkPrompt::warning(this, tr("Brevalon - Report"), tr("There is no %1 to report on.").arg(category));
        return;
    }
    QDate until;
    if (!askUntil(this, &until))
        return;
    const SixMonths months(until);

    // The rows: every entry of the table the category is named after.
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Description FROM %1 ORDER BY Description").arg(category))) {
        Utility::showDBError(q);
        return;
    }
    QStringList labels;
    QHash<QString, int> rowOf;
    while (q.next()) {
        const QString d = q.value(0).toString();
        if (!rowOf.contains(d)) {
            rowOf.insert(d, int(labels.size()));
            labels << d;
        }
    }

    // Each half sums its own lines by description first; the outer
    // statement adds the live and the archived sums.
    const QString value = quantities ? QStringLiteral("Quantity") : QStringLiteral("1");
    QString sold;
    if (!SaleLines::sold(QStringLiteral("InvoiceNumber"), months.month(0), &sold))
        return;
    const QString perHalf = QStringLiteral("Description") + months.sums(value, QStringLiteral("MyDate"));
    QString outer = QStringLiteral("SELECT Description");
    for (int i = 0; i < SixMonths::kCount; ++i)
        outer += QStringLiteral(", SUM(M%1)").arg(i);
    if (!q.exec(outer + QStringLiteral(" FROM ")
                + ArchivedRows::from(perHalf, {QStringLiteral("InvoiceItem")},
                                     QStringLiteral("Category='%1' AND %2 AND %3 GROUP BY Description")
                                         .arg(Utility::escapeSQL(category), months.covers(QStringLiteral("MyDate")),
                                              sold),
                                     QStringLiteral("ItemLines"))
                + QStringLiteral(" GROUP BY Description"))) {
        Utility::showDBError(q);
        return;
    }
    QList<Months> values(labels.size(), Months{});
    while (q.next()) {
        const auto at = rowOf.constFind(q.value(0).toString());
        if (at != rowOf.constEnd())
            values[*at] = monthValues(q, 1);
    }

    ReportWriter report = sixMonthReport(tr(qPrintable(category)) + tr(" Report"), tr("Description"), months);
    for (int r = 0; r < labels.size(); ++r)
        addRow(report, labels.at(r), values.at(r));
    m_reporter->parseXml(report.finish());
}

void Sales::SpPerformanceReport()
{
    QDate until;
    if (!askUntil(this, &until))
        return;
    const SixMonths months(until);

    // Archived lines only: what a cash-up has not yet counted is not
    // performance yet.
    QString sold;
    if (!SaleLines::sold(QStringLiteral("L.InvoiceNumber"), months.month(0), &sold))
        return;
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Description, SP") + months.sums(QStringLiteral("Quantity"), QStringLiteral("MyDate"))
                + QStringLiteral(" FROM %1 AS L WHERE Category NOT IN ('Notes','Remarks') AND %2 AND %3 "
                                 "GROUP BY Description, SP ORDER BY Description, SP")
                      .arg(ArchivedRows::archiveOf(QStringLiteral("InvoiceItem")),
                           months.covers(QStringLiteral("MyDate")), sold))) {
        Utility::showDBError(q);
        return;
    }
    ReportWriter report = sixMonthReport(tr("Sales Personel Performance Report"), tr("Description [S/P]"), months);
    while (q.next())
        addRow(report, q.value(0).toString() + QStringLiteral(" [") + q.value(1).toString() + QLatin1Char(']'),
               monthValues(q, 2));
    utils->logAction(tr("Sales Personel Performance"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::newClientsReport()
{
    QDate until;
    if (!askUntil(this, &until))
        return;
    const SixMonths months(until);

    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT COUNT(*)") + months.sums(QStringLiteral("1"), QStringLiteral("Created"))
                + QStringLiteral(" FROM Clients WHERE ") + months.covers(QStringLiteral("Created")))) {
        Utility::showDBError(q);
        return;
    }
    Months counts{};
    if (q.next())
        counts = monthValues(q, 1);
    q.finish();
    ReportWriter report = sixMonthReport(tr("New Clients Report"), tr("Description"), months);
    addRow(report, tr("New Clients"), counts);
    utils->logAction(tr("New Clients"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}
