// The waiter cash-up: one waiter's invoices, receipts, tips and hand-in of
// one day. A report only: nothing is written, not even to the action log.

#include "core/utility.h"

#include "core/zkprompt.h"
#include "endofday/waiterreports.h"
#include "sales/combodialog.h"
#include "sales/datedialog.h"

void Utility::waiterCashUp()
{
    const QString caption = tr("Waiter Cash Up");
    DateDialog dateDialog(m_mainWindow);
    dateDialog.setWindowTitle(caption);
    dateDialog.showDateEdit(true);
    if (ZkPrompt::exec(&dateDialog) != QDialog::Accepted)
        return;
    const QDate day = dateDialog.selectedDate();

    QStringList waiters;
    if (!WaiterReports::waitersOf(day, &waiters))
        return;
    if (waiters.isEmpty()) {
        ZkPrompt::information(m_mainWindow, caption,
            tr("No waiter served on %1.").arg(day.toString(QStringLiteral("yyyy-MM-dd"))));
        return;
    }
    ComboDialog choice(m_mainWindow);
    choice.setWindowTitle(caption);
    choice.setup(tr("Select Waiter for Cash Up"), waiters);
    if (ZkPrompt::exec(&choice) != QDialog::Accepted)
        return;
    const WaiterReports reports(day, choice.getValue());

    int pending = 0;
    if (!reports.pendingOrders(&pending))
        return;
    if (pending > 0
        && ZkPrompt::question(m_mainWindow, caption,
               tr("<font color=red><b>There are pending orders</b></font><p>Would you still like to "
                  "continue with Waiter Cash Up ?"),
               { tr("&Yes"), tr("&No") }, 0, 1)
            != 0)
        return;
    QString unpaid;
    if (!reports.unpaidInvoices(&unpaid))
        return;
    if (!unpaid.isEmpty()
        && ZkPrompt::question(m_mainWindow, caption,
               tr("<font color=red><b>The following orders have not been paid</b></font><p>Would you "
                  "still like to continue with Waiter Cash Up ?<p>%1")
                   .arg(unpaid),
               { tr("&Yes"), tr("&No") }, 0, 1)
            != 0)
        return;

    ZkPrompt::setWaitCursor(true);
    const QStringList documents = reports.build();
    for (const QString& document : documents) {
        showDocument(document, false);
        ZkPrompt::setWaitCursor(true);
    }
    ZkPrompt::setWaitCursor(false);
}
