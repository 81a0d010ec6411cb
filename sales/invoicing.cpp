// The sale written as a document of its account: an invoice, a quote, a
// refund or an order. The lines join the account's pending invoice (or a new
// one, its header written under the table lock), returnable lines are
// tracked, stock is taken off, and posting makes and prints the document.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

QString sqlText(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text) + QLatin1Char('\'');
}

QString sqlNumber(const QString& text, int decimals)
{
    return QString::number(Utility::strNum(text) + 0.0, 'f', decimals);
}

} // namespace

int Sales::pendingInvoice(int account)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT max(MyNumber) FROM Invoice WHERE AccountNumber=%1 AND Status='P'").arg(account))) {
        Utility::showDBError(q);
        return -1;
    }
    return q.next() ? q.value(0).toInt() : 0;
}

QString Sales::accountName() const
{
    return (m_accountName.isEmpty() ? NameComboBox->currentText() : m_accountName).trimmed().toUpper();
}

bool Sales::waiterMissing() const
{
    // Tables are served by a waiter; a shop's cashier serves the sale.
    return tableAccountChosen() && !utils->hasWaiter();
}

void Sales::setLineSigns(bool negative)
{
    for (int i = 0; i < VendListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = VendListView->topLevelItem(i);
        const double quantity = Utility::strNum(row->text(ColQuantity));
        if (negative ? quantity <= 0 : quantity >= 0)
            continue;
        row->setText(ColQuantity, Utility::numStr(-quantity, 3));
        row->setText(ColAmount, Utility::numStr(-Utility::strNum(row->text(ColAmount)), 2));
        row->setText(ColCost, Utility::numStr(-Utility::strNum(row->text(ColCost)), 2));
    }
}

void Sales::fallBackToCash()
{
    utils->setDetails(0);
    m_clientSelected = true;
    m_accountName = QStringLiteral("CASH");
    const QSignalBlocker blocker(NameComboBox);
    NameComboBox->setEditText(m_accountName);
    utils->logAction(tr("Process Invoice"), tr("Fallback to Cash acc"), QString(), '0');
}

int Sales::writeInvoiceHeader(int account)
{
    // Two tills must not take turns inside one header's insert and read-back.
    if (!ZkDb::lockStatement(QStringLiteral("LOCK TABLE Invoice WRITE;")))
        return -1;
    const bool kept = m_keptInvoice > 0;
    QSqlQuery q;
    const bool written = q.exec(
        QStringLiteral("INSERT INTO Invoice (%1MyDate, AccountNumber, Status, Tax1, Tax2, Waiter) VALUES (%2'%3', %4, "
                       "'P', %5, %6, %7)")
            .arg(kept ? QStringLiteral("MyNumber, ") : QString(),
                 kept ? QString::number(m_keptInvoice) + QLatin1String(", ") : QString(), ZkClock::nowText(),
                 QString::number(account), QString::number(utils->getTax1(), 'f', 4),
                 QString::number(utils->getTax2(), 'f', 4), sqlText(utils->getWaiter())));
    int number = -1;
    if (!written)
        Utility::showDBError(q);
    else
        number = kept ? m_keptInvoice : ZkDb::newRowNumber(QStringLiteral("invoice_mynumber_seq"));
    ZkDb::lockStatement(QStringLiteral("UNLOCK TABLES"));
    if (number > 0)
        m_keptInvoice = 0;
    return number;
}

bool Sales::writeInvoiceLines(int invoice)
{
    QSqlQuery q;
    while (QTreeWidgetItem* row = VendListView->topLevelItem(0)) {
        auto col = [row](int c) { return row->text(c); };
        const QString sql =
            QStringLiteral("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, SP, Quantity, Category, Department, Code, "
                           "UnitOfMEasure, Price, Cost, Discount, Description, Tax1, Tax2, SerialNo, Returnable, DTR, "
                           "Printed) VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9, ")
                .arg(sqlText(col(ColDate)), QString::number(invoice), sqlText(col(ColSalesPerson)),
                     sqlNumber(col(ColQuantity), 3), sqlText(col(ColCategory)), sqlText(col(ColDepartment)),
                     sqlText(col(ColCode)), sqlText(col(ColUnit)), sqlNumber(col(ColAmount), 2))
            + QStringLiteral("%1, %2, %3, %4, %5, %6, %7, %8, %9)")
                  .arg(sqlNumber(col(ColCost), 2), sqlNumber(col(ColDiscount), 1), sqlText(col(ColDescription)),
                       sqlText(col(ColTax1)), sqlText(col(ColTax2)), sqlText(col(ColSerial)),
                       sqlText(col(ColReturnable)), QString::number(col(ColDtr).toInt()),
                       QString::number(col(ColPrinted).toInt()));
        if (!q.exec(sql)) {
            Utility::showDBError(q);
            return false;
        }
        const int line = ZkDb::newRowNumber(QStringLiteral("invoiceitem_seq"));
        if (line <= 0)
            return false;
        // Written: a second attempt after a failure below must not add it again.
        const QStringList written{col(ColReturnable), col(ColCategory), col(ColCode), col(ColQuantity), col(ColDate)};
        delete row;
        if (written.at(0) == QLatin1String("Y")
            && !q.exec(QStringLiteral("INSERT INTO Returns (InvoiceNumber, InvoiceItemNumber, DateDone, Status) "
                                      "VALUES (%1, %2, %3, 'O')")
                           .arg(QString::number(invoice), QString::number(line), sqlText(written.at(4))))) {
            Utility::showDBError(q);
            return false;
        }
        if (written.at(1) == QLatin1String("Inventory") && !written.at(2).isEmpty()
            && !q.exec(QStringLiteral("UPDATE Inventory SET Quantity=Quantity-(%1) WHERE Code=%2 AND ToQuantity != 0")
                           .arg(sqlNumber(written.at(3), 3), sqlText(written.at(2))))) {
            Utility::showDBError(q);
            return false;
        }
    }
    return true;
}

void Sales::doInvoice(bool)
{
    int account = utils->getAccountNumber();
    if (account < 0) {
        if (ZkPrompt::question(this, tr("Sales"),
                               tr("You have not selected a client for this Invoice.\nDo you want to process it as a "
                                  "CASH sale ?\n\n"),
                               {tr("&Yes"), tr("&No")}, 0, 1)
            != 0)
            return;
        fallBackToCash();
        account = utils->getAccountNumber();
    }

    int number = pendingInvoice(account);
    if (number < 0)
        return;
    if (number == 0 && VendListView->topLevelItemCount() == 0) {
        ZkPrompt::warning(this, tr("Process"), tr("There are no Items to process"));
        return;
    }
    if (number == 0)
        number = writeInvoiceHeader(account);
    else
        m_keptInvoice = 0; // the lines join the bill that is open now
    if (number <= 0 || !writeInvoiceLines(number)) {
        updateTotal(); // the lines not written stay in the sale
        checkVendState();
        return;
    }

    const bool posted = utils->processInvoice(number, false);
    clearInvoice();
    if (!posted) {
        // A cash sale whose document did not go through comes back into the
        // sale to be corrected; a client's stays pending on the account.
        if (isCashAccount(account)) {
            checkPending(nullptr, nullptr);
            editInvoice();
        }
        return;
    }
    for (QLineEdit* field : {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, CouponAmountEdit, EFTAmountEdit})
        field->clear();
    if (accountName().contains(QLatin1String("TABLE"))) {
        documentsForToday();
        clear(); // the next order
        return;
    }
    // The invoice is paid at once.
    refreshReceipt(account);
    TabWidget2->setCurrentWidget(tab_4);
    documentsForToday();
}

void Sales::orderInvoice()
{
    orderInvoice(accountName().contains(QLatin1String("TABLE")));
}

void Sales::orderInvoice(bool clearAfter)
{
    if (waiterMissing()) {
        ZkPrompt::critical(this, tr("Brevalon - Order"), tr("You have not selected a waiter for this order"));
        return;
    }
    setLineSigns(false);
    utils->setOrderMode(true);
    doInvoice(false);
    utils->setOrderMode(false);
    if (clearAfter)
        clear();
}

void Sales::processInvoice()
{
    const bool lines = VendListView->topLevelItemCount() > 0;
    if (lines && waiterMissing()) {
        ZkPrompt::critical(this, tr("Brevalon - Print Bill"), tr("You have not selected a waiter for this order"));
        WaiterEdit->setFocus();
        return;
    }
    if (lines) {
        orderInvoice(false);
        if (utils->getAccountNumber() < 0)
            return; // not for the cash account either
    }
    utils->setQuoteMode(false);
    doInvoice(false);
}

bool Sales::accountHasNoOrder(const QString& caption)
{
    // The lines join the account's open order when it has one: a quote or
    // a refund would take the table's order with it and close it.
    const int account = utils->getAccountNumber() >= 0 ? utils->getAccountNumber() : utils->getCashAccountNumber();
    const int pending = pendingInvoice(account);
    if (pending < 0)
        return false;
    if (pending == 0)
        return true;
    ZkPrompt::warning(this, caption,
                      tr("This account has an open order (Invoice # %1).\n\nA quote or a refund cannot be made on it: "
                         "print its bill first, or choose another account.")
                          .arg(pending));
    return false;
}

bool Sales::saleHasLines()
{
    if (VendListView->topLevelItemCount() > 0)
        return true;
    // An empty sale would make the account's pending bill the document.
    ZkPrompt::warning(this, tr("Process"), tr("There are no Items to process"));
    return false;
}

void Sales::quoteInvoice()
{
    if (!saleHasLines() || !accountHasNoOrder(tr("Quote")))
        return;
    setLineSigns(false);
    utils->setQuoteMode(true);
    doInvoice(false);
    utils->setQuoteMode(false);
    clearInvoice();
    clearInvoiceGui();
}

void Sales::refundInvoice()
{
    if (!saleHasLines() || !accountHasNoOrder(tr("Refund")))
        return;
    setLineSigns(true);
    utils->setRefundMode(true);
    doInvoice(false);
    utils->setRefundMode(false);
}

void Sales::clearInvoiceGui()
{
    VendListView->clear();
    m_linesTakenBack = false;
    ItemEchoLabel->clear();
    NotesEdit->clear();
    resetEntry();
    checkVendState();
}

void Sales::clearInvoice()
{
    clearInvoiceGui();
    // A bill taken back and then dropped gives its number up.
    m_keptInvoice = 0;
    echoBanner();
    checkPending(nullptr, nullptr);
    SalesGuiPersonEdit->setText(settings->readEntry(QStringLiteral("/Volatile/Initials")));
}
