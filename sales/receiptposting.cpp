// Taking the payment: the receipt row, its posting and print, the invoices
// it paid, the drawer, and the till made ready for the next customer.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "payments/sempermessages.h"

#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

double amountIn(const QLineEdit* field)
{
    return Utility::roundCents(Utility::strNum(field->text()));
}

QString money(double amount)
{
    return QString::number(Utility::roundCents(amount) + 0.0, 'f', 2);
}

} // namespace

void Sales::processReceipt()
{
    ZkPrompt::setWaitCursor(true);
    const int account = utils->getAccountNumber();
    if (account < 0) {
        ZkPrompt::setWaitCursor(false);
        ZkPrompt::beep(); // nobody to take the money from
        return;
    }
    const double cashField = amountIn(CashAmountEdit);
    const double card = amountIn(CardAmountEdit);
    const double cheque = amountIn(ChequeAmountEdit);
    const double coupon = amountIn(CouponAmountEdit);
    const double eft = amountIn(EFTAmountEdit);
    const double tip = amountIn(TipAmountEdit);
    const double change = amountIn(ChangeEdit);
    const double outstanding = amountIn(OutBalEdit);
    const double tendered = Utility::roundCents(cashField + card + cheque + coupon + eft);
    const bool keepCredit = checkBox4->isChecked();

    // Nothing taken is no receipt: with money owed, and just as much with
    // nothing owed, where it would only add an empty row to the ledger.
    const bool nothingOwed = Utility::roundCents(utils->getBalBF(account, true)) <= 0;
    if (Utility::roundCents(tendered - (change + tip)) == 0 && (!keepCredit || nothingOwed)) {
        ZkPrompt::setWaitCursor(false);
        ZkPrompt::critical(this, tr("Brevalon - Receipt"), tr("The amount tendered for this receipt is zero"));
        return;
    }

    // A room charge's room is chosen before anything is written; without
    // one there is no payment.
    SemperEntry room;
    if (!chooseRoom(eft, &room)) {
        ZkPrompt::setWaitCursor(false);
        return;
    }
    ZkPrompt::setWaitCursor(true);

    // The change and the tip leave the drawer: the cash kept is what remains.
    const double cash = Utility::roundCents(cashField - change - tip);
    const QString waiter = receiptWaiter();
    QSqlQuery q;
    if (m_keptReceipt > 0) {
        // A posting that failed after its row was written left that row;
        // the retry writes it again, under the same number.
        if (!q.exec(QStringLiteral("DELETE FROM Receipt WHERE MyNumber=%1").arg(m_keptReceipt))
            && Utility::showDBError(q)) {
            ZkPrompt::setWaitCursor(false);
            return;
        }
    }
    const QString numberColumn = m_keptReceipt > 0 ? QStringLiteral("MyNumber, ") : QString();
    const QString numberValue = m_keptReceipt > 0 ? QString::number(m_keptReceipt) + QLatin1String(", ") : QString();
    const QString sql =
        QStringLiteral("INSERT INTO Receipt (%1MyDate, AccountNumber, CashAmount, CardAmount, ChequeAmount, "
                       "CouponAmount, EFTAmount, BadDebtAmount, PayRef, Tendered, ChangeDue, Balance, TipAmount, "
                       "Waiter) VALUES (%2'%3', %4, ")
            .arg(numberColumn, numberValue, ZkClock::nowText(), QString::number(account))
        + QStringLiteral("%1, %2, %3, %4, %5, 0, '").arg(money(cash), money(card), money(cheque), money(coupon),
                                                          money(eft))
        + Utility::escapeSQL(PayRefEdit->text().trimmed())
        + QStringLiteral("', %1, %2, %3, %4, '").arg(money(tendered), money(change), money(outstanding), money(tip))
        + Utility::escapeSQL(waiter) + QLatin1String("')");
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        ZkPrompt::setWaitCursor(false);
        return;
    }
    const int number = m_keptReceipt > 0 ? m_keptReceipt : ZkDb::newRowNumber(QStringLiteral("receipt_mynumber_seq"));
    m_keptReceipt = 0;
    if (number <= 0) {
        ZkPrompt::setWaitCursor(false);
        return;
    }

    setStatus(QString());
    const bool posted = utils->processReceipt(number, true, tendered, change, tip,
                                              settings->readBoolEntry(QStringLiteral("/Global/Semper/Enabled")));
    if (!posted) {
        // Nothing was taken: the amounts stay as typed, and pressing
        // Process again posts the receipt under this number, once.
        m_keptReceipt = number;
        ZkPrompt::setWaitCursor(false);
        return;
    }
    utils->logAction(tr("Process Receipt"),
                     tr("Rec #%1 Tend: %2  Change:%3  Tip: %4")
                         .arg(QString::number(number), Utility::numStr(tendered, 2), Utility::numStr(change, 2),
                              Utility::numStr(tip, 2)),
                     QString(), '0');

    const QString tipFor = utils->getWaiter();
    const bool paidUp = markInvoicesPaid(number, outstanding);
    // The drawer opens with the payment and the change shows while the
    // till asks for the next waiter, not after.
    utils->openDrawer();
    // The receipt stands whatever the hotel system answers.
    chargeRoom(room, number, eft);
    ZkPrompt::setWaitCursor(false);
    const QString changeDue = tip == 0 ? tr("Change due %1").arg(Utility::numStr(change, 2))
                                       : tr("Change due %1    Tip for %2 %3")
                                             .arg(Utility::numStr(change, 2), tipFor, Utility::numStr(tip, 2));
    if (paidUp) {
        if (confirmClearSale()) {
            resetTill();
            setStatus(changeDue);
            askNextWaiter();
            return;
        }
    } else {
        // Part of the balance is still owed: the till stays on this tab.
        {
            const QSignalBlocker blocker(PayListView);
            PayListView->clear();
        }
        for (QLineEdit* field : tenderFields()) {
            const QSignalBlocker blocker(field);
            field->clear();
        }
        refreshReceipt(account);
        ZkPrompt::beep();
    }
    setStatus(changeDue);
}

bool Sales::markInvoicesPaid(int receipt, double outstanding)
{
    // With no invoice picked the payment was against the whole balance.
    const bool noneChosen = PayListView->selectedItems().isEmpty();
    const bool paidUp = Utility::roundCents(outstanding) <= 0;
    bool everyOne = true;
    for (int i = 0; i < PayListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = PayListView->topLevelItem(i);
        if (!paidUp || !(row->isSelected() || noneChosen)) {
            everyOne = false;
            continue;
        }
        QSqlQuery q;
        if (!q.exec(QStringLiteral("UPDATE Journal SET CrossRef=%1 WHERE (Description='I' OR Description='IA') AND "
                                   "MyNumber=%2")
                        .arg(receipt)
                        .arg(row->text(0).toInt()))) {
            Utility::showDBError(q);
            return false;
        }
    }
    return everyOne;
}
