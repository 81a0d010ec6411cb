// The pending-orders report: every open order (a pending invoice) with its
// table, the time it was opened and its waiter.

#include "sales/sales.h"

#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"

#include <QSqlQuery>

void Sales::pendingOrders()
{
    QSqlQuery q;
    q.exec(QStringLiteral(
        "SELECT Invoice.AccountNumber,Invoice.MyDate,Invoice.Waiter,Invoice.MyNumber,Clients.Name "
        "FROM Invoice LEFT JOIN Clients ON Clients.AccountNumber=Invoice.AccountNumber "
        "WHERE Invoice.Status='P' ORDER BY Invoice.MyNumber"));
    if (Utility::showDBError(q))
        return;

    ReportWriter report(tr("Pending Order Report"));
    report.column(tr("Invoice No."), ReportWriter::Right)
        .column(tr("Table"))
        .column(tr("Time"), ReportWriter::Center)
        .column(tr("Waiter"));
    while (q.next()) {
        // An order whose account was purged still shows, by its number.
        const QString table
            = q.value(4).isNull() ? q.value(0).toString() : q.value(4).toString();
        report.row({q.value(3).toString(), table,
                    ZkDb::dateTime(q.value(1)).toString(QStringLiteral("hh:mm")),
                    q.value(2).toString()});
    }
    if (report.rowCount() == 0) {
        ZkPrompt::information(this, tr("Brevalon - Pending Orders"), tr("There are no Pending Orders"));
        return;
    }
    m_reporter->parseXml(report.finish());
}
