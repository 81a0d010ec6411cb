// Returnable items (crates, bottles, deposits): those still out, and
// settling an invoice's when they come back.

#include "sales/sales.h"

#include "core/archivedrows.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "reports/clientdirectory.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

/** The line a returnable row stands for, as "2 x CRATE". */
QString lineText(const QVariant& quantity, const QVariant& description)
{
    return ReportWriter::quantity(quantity.toDouble()) + QStringLiteral(" x ") + description.toString();
}

} // namespace

void Sales::returnablesReport()
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(ArchivedRows::ordered(
            QStringLiteral("Returns.DateDone AS DateDone, Returns.id AS Id, Returns.InvoiceNumber AS InvoiceNumber, "
                           "Invoice.AccountNumber AS AccountNumber, InvoiceItem.Description AS Description, "
                           "InvoiceItem.Quantity AS Quantity"),
            {QStringLiteral("Returns"), QStringLiteral("Invoice"), QStringLiteral("InvoiceItem")},
            QStringLiteral("Returns.Status='O' AND Invoice.MyNumber=Returns.InvoiceNumber AND "
                           "InvoiceItem.MyNumber=Returns.InvoiceItemNumber"),
            QStringLiteral("DateDone, Id")))) {
        Utility::showDBError(q);
        return;
    }
    ClientDirectory clients;
    if (!clients.load())
        return;
    ReportWriter report(tr("Outstanding Returns Report"));
    report.setSorting(false);
    for (const char* heading : {"Date", "Client", "Account No.", "Phone No.", "Cell No.", "Invoice #", "Description"})
        report.column(tr(heading));
    while (q.next()) {
        const int account = q.value(3).toInt();
        const ClientDirectory::Client c = clients.client(account);
        report.row({ZkDb::dateTime(q.value(0)).toString(QStringLiteral("yyyy-MM-dd")), c.name, QString::number(account),
                    c.phone, c.cell, q.value(2).toString(), lineText(q.value(5), q.value(4))});
    }
    utils->logAction(tr("Outstanding Returnables"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::editReturns()
{
    bool ok = false;
    const QString typed = ZkPrompt::getText(this, tr("Brevalon Returns"),
                                            tr("Returns for invoice number ...") + QLatin1Char('\n')
                                                + tr("Enter Invoice number."),
                                            QString(), &ok)
                              .trimmed();
    if (!ok || typed.isEmpty())
        return;
    bool number = false;
    const int invoice = typed.toInt(&number);

    QStringList items;
    if (number && invoice > 0) {
        QSqlQuery q;
        q.setForwardOnly(true);
        if (!q.exec(ArchivedRows::select(
                QStringLiteral("InvoiceItem.Quantity, InvoiceItem.Description"),
                {QStringLiteral("Returns"), QStringLiteral("InvoiceItem")},
                QStringLiteral("Returns.InvoiceNumber=%1 AND Returns.Status='O' AND "
                               "InvoiceItem.MyNumber=Returns.InvoiceItemNumber AND InvoiceItem.Returnable='Y'")
                    .arg(invoice)))) {
            Utility::showDBError(q);
            return;
        }
        while (q.next())
            items << lineText(q.value(0), q.value(1));
    }
    if (items.isEmpty()) {
        ZkPrompt::warning(this, tr("Error"), tr("There are no returnable items for Invoice %1").arg(typed));
        return;
    }
    if (ZkPrompt::question(this, tr("Brevalon Returns"), tr("Confirm the return of ..\n") + items.join(QLatin1Char('\n')),
                           {tr("&Ok"), tr("&Cancel")}, 0, 1)
        != 0)
        return;
    QSqlQuery settle;
    if (!settle.exec(QStringLiteral("UPDATE Returns SET Status='R' WHERE InvoiceNumber=%1 AND Status='O'").arg(invoice)))
        Utility::showDBError(settle);
}
