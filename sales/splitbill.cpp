// Splitting a table's bill between its guests: the bill chosen on the
// receipt tab (or the table's open order) is split by items or evenly,
// every bill is printed, and the receipt tab offers the first to be paid.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/numentry.h"
#include "sales/splitentry.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <climits>

int Sales::billToSplit(int account)
{
    const QString caption = tr("Brevalon - Split Bill");
    const QList<QTreeWidgetItem*> chosen = PayListView->selectedItems();
    if (chosen.size() == 1)
        return chosen.first()->text(0).toInt();
    if (chosen.size() > 1) {
        ZkPrompt::information(this, caption, tr("Choose one bill to split in the list of open invoices"));
        return 0;
    }
    const int open = pendingInvoice(account);
    if (open != 0)
        return open;
    refreshReceipt(account);
    if (PayListView->topLevelItemCount() == 1)
        return PayListView->topLevelItem(0)->text(0).toInt();
    ZkPrompt::information(this, caption,
        PayListView->topLevelItemCount() == 0 ? tr("%1 has no bill to split").arg(m_accountName)
                                              : tr("Choose one bill to split in the list of open invoices"));
    return 0;
}

void Sales::splitBill()
{
    const QString caption = tr("Brevalon - Split Bill");
    const int account = utils->getAccountNumber();
    if (!m_clientSelected || account <= 0 || !isTableName(m_accountName)) {
        ZkPrompt::information(this, caption, tr("Choose the table whose bill is split"));
        return;
    }
    if (VendListView->topLevelItemCount() > 0) {
        ZkPrompt::critical(this, tr("Error"), tr("PLEASE COMPLETE YOUR CURRENT ORDER FIRST"));
        return;
    }
    const int bill = billToSplit(account);
    if (bill <= 0)
        return;
    const int how = ZkPrompt::question(this, caption,
        tr("Split bill # %1 of %2 between the guests").arg(bill).arg(m_accountName),
        { tr("By &Items"), tr("&Evenly"), tr("Cancel") }, 0, 2);
    QList<int> bills;
    QString refusal;
    if (how == 0) {
        SplitEntry entry(bill, this);
        if (entry.lineCount() == 0) {
            ZkPrompt::warning(this, caption, tr("There is nothing on bill # %1 to split").arg(bill));
            return;
        }
        if (ZkPrompt::exec(&entry) != QDialog::Accepted)
            return;
        bills = utils->splitInvoice(bill, entry.moves(), &refusal);
    } else if (how == 1) {
        bool ok = false;
        int parts = 0;
        if (touchLayout()) {
            NumEntry pad(this);
            pad.setMode(NumEntry::Parts);
            ok = ZkPrompt::exec(&pad) == QDialog::Accepted;
            parts = pad.getValue().trimmed().toInt();
        } else {
            parts = ZkPrompt::getInteger(this, caption, tr("Into how many parts?"), 2, 0, INT_MAX, &ok);
        }
        if (!ok)
            return;
        bills = utils->splitInvoiceEvenly(bill, parts, &refusal);
    } else {
        return;
    }
    if (bills.isEmpty()) {
        if (!refusal.isEmpty())
            ZkPrompt::warning(this, caption, refusal);
        return;
    }
    QStringList numbers;
    for (const int b : bills)
        numbers << QString::number(b);
    utils->logAction(tr("Split Bill"), tr("Inv #: %1 into %2").arg(bill).arg(numbers.join(QLatin1Char(' '))),
        QString(), '0');
    utils->printSplitBills(bills);
    // The table's order is a bill now; the first of its bills is offered.
    checkPending(nullptr, nullptr);
    refreshReceipt(account);
    choosePayment(bills.first());
    TabWidget2->setCurrentWidget(tab_4);
    CashAmountEdit->setFocus();
    setStatus(tr("Bill # %1 is split into %2 bills, each paid on its own").arg(bill).arg(bills.size()));
}
