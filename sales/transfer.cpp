// Moving a table's order to another table: the open order is taken into the
// sale, the new table chosen, and ordering the sale puts it there.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "sales/tableentry.h"

#include <QLineEdit>

void Sales::transferTable()
{
    const int from = utils->getAccountNumber();
    if (!m_clientSelected || from <= 0 || !isTableName(m_accountName) || m_transferFrom >= 0) {
        ZkPrompt::beep();
        return;
    }
    // Something must be there to move: the table's order, or lines rung up.
    const int pending = pendingInvoice(from);
    if (pending < 0)
        return;
    if (pending == 0 && VendListView->topLevelItemCount() == 0) {
        ZkPrompt::beep();
        return;
    }
    const QString table = m_accountName;
    m_transferFrom = from;
    pushButton30->setEnabled(false);

    if (!touchLayout()) {
        if (!takeOrderIntoSale(from)) {
            endTransfer();
            return;
        }
        setStatus(tr("Select new Table then Process pending order"));
        setSalesTabOpen(false);
        NameComboBox->setEnabled(true);
        NameComboBox->setFocus();
        NameComboBox->lineEdit()->selectAll();
        return;
    }

    setStatus(tr("Transfer from Table %1").arg(table));
    // Nothing moves until the new table is known: a cancelled choice leaves
    // the order where it was.
    for (;;) {
        QString target;
        const int result = runTableChooser(&target);
        if (result != QDialog::Accepted) {
            endTransfer();
            // An order already taken back goes back with Order.
            setStatus(VendListView->topLevelItemCount() > 0 ? tr("Now process pending order") : QString());
            return;
        }
        if (!takeOrderIntoSale(from)) {
            endTransfer();
            return;
        }
        if (selectTable(target))
            break;
        // The table went away meanwhile: the order stays on the sale of the
        // old one until another is chosen.
        ZkPrompt::beep();
        selectTable(table);
    }
    setStatus(tr("Now process pending order"));
}

bool Sales::takeOrderIntoSale(int account)
{
    const int pending = pendingInvoice(account);
    if (pending < 0)
        return false;
    if (pending > 0)
        editInvoice();
    // An order already taken back with Edit is in the sale; with nothing
    // in the sale there is nothing to move.
    if (VendListView->topLevelItemCount() == 0) {
        ZkPrompt::beep();
        return false;
    }
    return true;
}

void Sales::endTransfer()
{
    m_transferFrom = -1;
    pushButton30->setEnabled(true);
}
