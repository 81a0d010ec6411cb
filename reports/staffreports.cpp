// The day's stock sales, the salespeople's commission and the voided
// documents.

#include "sales/sales.h"

#include "core/archivedrows.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "reports/reportdates.h"
#include "sales/datedialog.h"
#include "reports/reporter.h"
#include "reports/salelines.h"
#include "reports/reportwriter.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

/** The total row under the rows of a report. */
constexpr int kTotalVisual = ReportWriter::Green;

} // namespace

void Sales::dailySalesReport()
{
    QDate day;
    if (!DateDialog::ask(this, tr("Daily Stock Sales - Stock Sales for .."), true, &day))
        return;

    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Description, MAX(Code), SUM(Quantity), SUM(Cost), SUM(Price) FROM ")
                + ArchivedRows::from(
                    QStringLiteral("InvoiceItem.Description AS Description, InvoiceItem.Code AS Code, "
                                   "InvoiceItem.Quantity AS Quantity, InvoiceItem.Cost AS Cost, "
                                   "InvoiceItem.Price AS Price"),
                    {QStringLiteral("InvoiceItem"), QStringLiteral("Journal")},
                    QStringLiteral("InvoiceItem.InvoiceNumber=Journal.MyNumber AND Journal.Description IN ('I','RF') "
                                   "AND InvoiceItem.Price<>0 AND ")
                        + ReportDates::onDay(QStringLiteral("InvoiceItem.MyDate"), day),
                    QStringLiteral("Sold"))
                + QStringLiteral(" GROUP BY Description ORDER BY Description"))) {
        Utility::showDBError(q);
        return;
    }
    ReportWriter report(tr("Stock Sales Report %1").arg(ReportDates::text(day)));
    report.setSorting(false)
        .column(tr("Code"))
        .column(tr("Description"))
        .column(tr("Quantity"), ReportWriter::Right)
        .column(tr("Cost"), ReportWriter::Right)
        .column(tr("Sales"), ReportWriter::Right);
    double cost = 0, sales = 0;
    while (q.next()) {
        cost += q.value(3).toDouble();
        sales += q.value(4).toDouble();
        report.row({q.value(1).toString(), q.value(0).toString(), ReportWriter::quantity(q.value(2).toDouble()),
                    ReportWriter::money(q.value(3).toDouble()), ReportWriter::money(q.value(4).toDouble())});
    }
    if (report.rowCount() > 0)
        report.row({QString(), tr("Total"), QString(), ReportWriter::money(cost), ReportWriter::money(sales)},
                   kTotalVisual);
    utils->logAction(tr("Daily Stock Sales"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::commissionReport()
{
    QDate month;
    if (!DateDialog::ask(this, tr("Commission - Report For"), false, &month))
        return;

    ReportWriter report(tr("Sales Commission Report"));
    report.setSorting(false)
        .column(tr("Sales Person"))
        .column(tr("Total Sales."), ReportWriter::Right)
        .column(tr("Commission"), ReportWriter::Right);
    // The counted (archived) lines first, then those a cash-up has yet to
    // count, in a colour of their own.
    const QString live = QStringLiteral("InvoiceItem");
    QString sold;
    if (!SaleLines::sold(QStringLiteral("L.InvoiceNumber"), ReportDates::monthOf(month), &sold))
        return;
    double sales = 0, commission = 0;
    for (const QString& table : {ArchivedRows::archiveOf(live), live}) {
        QSqlQuery q;
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT Personel.Name, SUM(L.Price), SUM(L.Price)*Personel.Commision/100.0 "
                                   "FROM %1 AS L, Personel WHERE Personel.SP=L.SP AND Personel.SP<>'' AND %2 AND %3 "
                                   "GROUP BY Personel.Name, Personel.Commision ORDER BY Personel.Name")
                        .arg(table, ReportDates::inMonth(QStringLiteral("L.MyDate"), month),
                             sold))) {
            Utility::showDBError(q);
            return;
        }
        const int visual = table == live ? ReportWriter::Red : ReportWriter::Normal;
        while (q.next()) {
            sales += q.value(1).toDouble();
            commission += q.value(2).toDouble();
            report.row({q.value(0).toString(), ReportWriter::money(q.value(1).toDouble()),
                        ReportWriter::money(q.value(2).toDouble())},
                       visual);
        }
    }
    if (report.rowCount() > 0)
        report.row({tr("Total"), ReportWriter::money(sales), ReportWriter::money(commission)}, kTotalVisual);
    utils->logAction(tr("Commission"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::voidsReport()
{
    QDate from, until;
    if (!DateDialog::ask(this, tr("Voids - Voids from .."), true, &from)
        || !DateDialog::ask(this, tr("Voids - Voids until .."), true, &until))
        return;

    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT MyDate, Who, DocType, Reason, Number FROM Voids WHERE %1 ORDER BY MyDate")
                    .arg(ReportDates::between(QStringLiteral("MyDate"), from, until.addDays(1))))) {
        Utility::showDBError(q);
        return;
    }
    ReportWriter report(tr("Voids Report"));
    report.column(tr("Date")).column(tr("Waiter")).column(tr("Type")).column(tr("Reason"));
    while (q.next()) {
        const QString type = q.value(2).toString().trimmed() == QLatin1String("I") ? tr("Invoice") : tr("Receipt");
        report.row({ZkDb::dateTime(q.value(0)).toString(QStringLiteral("yyyy-MM-dd hh:mm")), q.value(1).toString(),
                    type + QStringLiteral(" # ") + q.value(4).toString(), q.value(3).toString()});
    }
    utils->logAction(tr("Voids"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}
