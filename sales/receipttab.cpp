// The receipt tab's balance: the account's unpaid invoices, the amount due,
// and the change and outstanding figures as amounts are tendered.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zklistitem.h"

#include <QSignalBlocker>
#include <QSqlQuery>
#include <QVariant>

namespace {

/** Money owed is red on white; anything else in the field's own colours. */
void showOwing(QLineEdit* field, double amount)
{
    QPalette p; // nothing set: the field's own colours
    if (amount > 0) {
        p.setColor(QPalette::Text, Qt::red);
        p.setColor(QPalette::Base, Qt::white);
    }
    field->setPalette(p);
}

double amountIn(const QLineEdit* field)
{
    return Utility::roundCents(Utility::strNum(field->text()));
}

} // namespace

void Sales::refreshReceipt()
{
    refreshReceipt(utils->getAccountNumber());
}

namespace {

// At a cash account that several tills share, the unpaid bills this till
// made (or that no till claims); elsewhere every unpaid invoice.
QString ownBills(int account)
{
    if (!utils->isCashAccount(account))
        return QString();
    return QStringLiteral(" AND MyNumber NOT IN (SELECT MyNumber FROM Invoice WHERE AccountNumber=%1 AND "
                          "Station<>'%2')")
        .arg(account)
        .arg(Utility::escapeSQL(utils->stationId()));
}

} // namespace

double Sales::amountOwed(int account) const
{
    if (!utils->isCashAccount(account))
        return utils->getBalBF(account, true);
    // The other tills' customers pay their own bills there. The balance and
    // their bills are read in one statement, so that both see the same
    // moment: read apart, a bill another till posted in between would be
    // taken off a balance that never held it.
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT (SELECT COALESCE(SUM(Amount - Rounding), 0) FROM Journal WHERE "
                               "AccountNumber=%1 AND Description NOT LIKE 'VR' AND Description NOT LIKE 'VI' AND "
                               "Description NOT LIKE 'Q') - (SELECT COALESCE(SUM(Journal.Amount-Journal.Rounding), 0) "
                               "FROM Journal, Invoice WHERE Journal.AccountNumber=%1 AND Journal.Description='I' AND "
                               "Journal.CrossRef=0 AND Invoice.MyNumber=Journal.MyNumber AND Invoice.Station<>'%2')")
                    .arg(account)
                    .arg(Utility::escapeSQL(utils->stationId())))) {
        Utility::showDBError(q);
        return utils->getBalBF(account, true);
    }
    return Utility::roundCents(q.next() ? q.value(0).toDouble() : 0);
}

void Sales::refreshReceipt(int account)
{
    {
        const QSignalBlocker blocker(PayListView);
        PayListView->clear();
    }
    CurBalEdit->setText(Utility::numStr(amountOwed(account), 2));
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyNumber, (Amount-Rounding) FROM Journal WHERE AccountNumber=%1 AND "
                               "Description='I' AND CrossRef=0")
                    .arg(account)
                + ownBills(account) + QLatin1String(" ORDER BY MyNumber"))) {
        Utility::showDBError(q);
        return;
    }
    {
        const QSignalBlocker blocker(PayListView);
        while (q.next())
            new ZkListItem(PayListView, {q.value(0).toString(),
                                         Utility::numStr(Utility::roundCents(q.value(1).toDouble()), 2)});
    }
    // Filled with its signals blocked, the list would keep showing rows it
    // no longer has until something else repaints it.
    PayListView->viewport()->update();
    payInvChanged(account);
    amountTenderedChanged();
}

void Sales::choosePayment(int number)
{
    for (int i = 0; i < PayListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = PayListView->topLevelItem(i);
        if (row->text(0).toInt() == number) {
            PayListView->clearSelection();
            row->setSelected(true); // the amount due follows
            return;
        }
    }
}

void Sales::payInvChanged()
{
    for (QLineEdit* field : {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, EFTAmountEdit, CouponAmountEdit,
                             TipAmountEdit}) {
        const QSignalBlocker blocker(field);
        field->clear();
    }
    for (QLineEdit* field : {CurBalEdit, OutBalEdit, ChangeEdit})
        field->setText(QStringLiteral("0.00"));
    payInvChanged(utils->getAccountNumber());
}

void Sales::payInvChanged(int account)
{
    double chosen = 0;
    for (const QTreeWidgetItem* row : PayListView->selectedItems())
        chosen += Utility::strNum(row->text(1));
    chosen = Utility::roundCents(chosen);
    // The invoices chosen, unless they come to more than is owed at all.
    const double balance = amountOwed(account);
    const double due = chosen != 0 && chosen <= balance ? chosen : balance;
    for (QLineEdit* field : {CurBalEdit, OutBalEdit}) {
        field->setText(Utility::numStr(due, 2));
        showOwing(field, due);
    }
}

void Sales::amountTenderedChanged(const QString&)
{
    amountTenderedChanged();
}

void Sales::amountTenderedChanged()
{
    const double cash = amountIn(CashAmountEdit);
    const double tendered = Utility::roundCents(cash + amountIn(CardAmountEdit) + amountIn(ChequeAmountEdit)
                                                + amountIn(CouponAmountEdit) + amountIn(EFTAmountEdit));
    const double due = amountIn(CurBalEdit);
    const double remaining = Utility::roundCents(due - tendered);
    double tip = amountIn(TipAmountEdit);
    const bool keepCredit = checkBox4->isChecked();

    // Overpaid without cash: the card took more than owed, the rest is a
    // tip. A tip put there so goes again when the overpayment does; one the
    // cashier typed stays.
    if (cash == 0 && tendered > 0 && remaining < 0 && !keepCredit) {
        tip = -remaining;
        m_autoTip = Utility::numStr(tip, 2);
        const QSignalBlocker blocker(TipAmountEdit);
        TipAmountEdit->setText(m_autoTip);
    } else if (!m_autoTip.isEmpty() && TipAmountEdit->text() == m_autoTip) {
        tip = 0;
        const QSignalBlocker blocker(TipAmountEdit);
        TipAmountEdit->clear();
    }
    if (TipAmountEdit->text() != m_autoTip)
        m_autoTip.clear();

    double change = 0;
    double outstanding = remaining;
    if (keepCredit) {
        ChangeDueLabel->hide();
        ChangeEdit->hide();
        const QSignalBlocker blocker(TipAmountEdit);
        TipAmountEdit->clear();
        TipAmountEdit->setEnabled(false);
        tip = 0;
    } else {
        change = remaining <= 0 ? -remaining : 0;
        outstanding = Utility::roundCents(remaining + change);
        ChangeDueLabel->show();
        ChangeEdit->show();
        TipAmountEdit->setEnabled(true);
    }
    OutBalEdit->setText(Utility::numStr(outstanding, 2));
    ChangeEdit->setText(Utility::numStr(change - tip, 2));
    showOwing(OutBalEdit, outstanding);
    showOwing(CurBalEdit, due);
}

void Sales::clearReceiptTab()
{
    {
        const QSignalBlocker blocker(PayListView);
        PayListView->clear();
    }
    for (QLineEdit* field : {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, EFTAmountEdit, CouponAmountEdit,
                             TipAmountEdit, PayRefEdit}) {
        const QSignalBlocker blocker(field);
        field->clear();
    }
    for (QLineEdit* field : {CurBalEdit, OutBalEdit, ChangeEdit}) {
        field->setText(QStringLiteral("0.00"));
        showOwing(field, 0);
    }
    checkBox4->setChecked(false);
    ChangeDueLabel->show();
    ChangeEdit->show();
    TipAmountEdit->setEnabled(true);
}
