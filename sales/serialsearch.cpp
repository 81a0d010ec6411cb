// Which invoice sold a serial number: found among the current and the
// archived invoice lines and shown again as a reprint.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSqlQuery>

void Sales::serialSearch()
{
    bool ok = false;
    const QString serial = ZkPrompt::getText(this, tr("Searching for serial number ..."),
                                             tr("Enter serial number."), QString(), &ok)
                               .trimmed();
    if (!ok || serial.isEmpty())
        return;
    int invoice = 0;
    for (const char* table : {"InvoiceItem", "InvoiceItemArchive"}) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT InvoiceNumber FROM %1 WHERE SerialNo = '%2'")
                        .arg(QLatin1String(table), Utility::escapeSQL(serial)))) {
            Utility::showDBError(q);
            return;
        }
        if (q.next()) {
            invoice = q.value(0).toInt();
            break;
        }
    }
    if (invoice == 0) {
        ZkPrompt::warning(this, tr("Error"), tr("Could not find any matching serial number %1").arg(serial));
        return;
    }
    utils->setQuoteMode(false);
    utils->processInvoice(invoice, true);
}
