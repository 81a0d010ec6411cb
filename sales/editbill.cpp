// Changing a printed bill: the bill is taken out of the ledger and becomes
// its table's open order again, to be edited and printed anew.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSqlQuery>
#include <climits>

void Sales::editBill()
{
    if (VendListView->topLevelItemCount() > 0) {
        ZkPrompt::critical(this, tr("Error"), tr("PLEASE COMPLETE YOUR CURRENT ORDER FIRST"));
        return;
    }
    setStatus(tr("Searching for invoice number ..."));
    bool ok = false;
    const int number =
        ZkPrompt::getInteger(this, tr("Brevalon - Edit Invoice"), tr("Enter Invoice number."), 1, 1, INT_MAX, &ok);
    setStatus(QString());
    if (!ok)
        return;
    const QString info = tr("Inv #: %1").arg(number);
    utils->logAction(tr("Edit Bill"), info, QString(), '0');

    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT AccountNumber, CrossRef FROM Journal WHERE MyNumber='%1' AND Description='I'")
                    .arg(number))) {
        Utility::showDBError(q);
        return;
    }
    if (!q.next()) {
        utils->logAction(tr("Edit Bill"), tr("Inv #: %1 not found").arg(number), QString(), '0');
        ZkPrompt::warning(this, tr("Error"), tr("Could not find any matching Invoice # %1").arg(number));
        return;
    }
    const int account = q.value(0).toInt();
    const bool paid = q.value(1).toInt() != 0;
    q.finish();
    // A paid bill has its receipt: changing it would leave the payment
    // paying for nothing.
    if (paid) {
        ZkPrompt::warning(this, tr("Error"),
                          tr("Invoice # %1 has been paid and can no longer be changed.\nUse return instead").arg(number));
        return;
    }
    // Re-opened in one unit; what was ordered on the table since the bill
    // was printed joins it (an account keeps one open order).
    if (!utils->retractInvoice(number))
        return;
    fillInDetails(QString::number(account), true);
    setStatus(tr("Invoice # %1 is open again: Edit takes its lines into the sale").arg(number));
}
