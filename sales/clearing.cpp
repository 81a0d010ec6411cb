// Clearing the till for the next customer, and the indicators that follow
// the state of the sale.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSignalBlocker>
#include <QSqlQuery>

void Sales::clear()
{
    if (!confirmClearSale())
        return;
    resetTill();
    askNextWaiter();
}

void Sales::askNextWaiter()
{
    // The next order starts with the waiter who takes it.
    if (!utils->adminLoggedIn())
        guiWaiter();
}

bool Sales::confirmClearSale()
{
    return VendListView->topLevelItemCount() == 0
        || ZkPrompt::question(this, tr("Sales"),
                              tr("There are items in the Sales tab. Using clear they will be lost forever !\n"
                                 "Most likely you still need to press Order or Print Bill, If not, are you "
                                 "sure you wan't to clear everything ?\n\n"),
                              {tr("&Yes"), tr("&No")}, 1, 1)
        == 0;
}

void Sales::resetTill()
{
    endTransfer();
    WaiterEdit->clear();
    NameComboBox->clear();
    NameComboBox->clearEditText();
    clearSaleParts();
    for (QTreeWidget* list : {InvoiceListView, ReceiptListView, QuoteListView, RefundListView})
        list->clear();
    showTotal(0);
    setTotalColour(totalNormalColour());
    {
        // The entry line recomputes when its fields are next edited.
        const QSignalBlocker blocker(LessEdit);
        LessEdit->setText(m_defaultDiscount);
    }
    TabWidget2->setCurrentWidget(tab);
    utils->setDetails(-1);
    m_clientSelected = false;
    setStatus(QString());
    relabelSaleTabs();

    if (hasRight(CashOnlyLock)) {
        utils->setDetails(utils->getCashAccountNumber());
        m_clientSelected = true;
    }
    GroupBox1->setEnabled(hasRight(CashOnlyLock));
    if (hasRight(StickyCash)) {
        AccEdit->setText(QString::number(cashAccountNumber()));
        stickyClientSearch(true, false);
    }

    const bool admin = utils->adminLoggedIn();
    if (admin)
        BannerLabel->setText(closedBanner());
    else
        BannerLabel->setText(QLatin1String("<center>") + shopHeading() + QLatin1String(" - ")
                             + tr("Next Customer Please") + QLatin1String("</h2></center>"));
    utils->poleDisplay(programName(), programVersion());
    // Admin mode: the selling tabs are closed altogether.
    TabWidget2->setTabEnabled(TabWidget2->indexOf(tab), !admin);
    TabWidget2->setTabEnabled(TabWidget2->indexOf(tab_4), !admin);

    checkPending(nullptr, nullptr);
    touchTopLevel();
    utils->setWaiter(QString());
    NameComboBox->setFocus();
    checkVendState();
    setSalesTabOpen(m_clientSelected);
    WaiterEdit->setEnabled(m_clientSelected);
}

QString Sales::closedBanner() const
{
    return QLatin1String("<center><h2>") + tr("Admin Mode - Till Closed") + QLatin1String("</h2></center>");
}

void Sales::F5clearAll()
{
    // Lines taken back from an open order (Edit, a transfer) are nowhere
    // but in the sale now: dropping them unasked would lose the order.
    if (m_linesTakenBack && !confirmClearSale())
        return;
    touchTopLevel();
    clearSaleParts();
    clear();
}

void Sales::clearSaleParts()
{
    clearInvoice();
    clearClientGui();
    clearReceiptTab();
    AccountLabel->clear();
    m_accountName.clear();
}

void Sales::relabelSaleTabs()
{
    TabWidget2->setTabText(TabWidget2->indexOf(tab), tr("&Client"));
    TabWidget2->setTabText(TabWidget2->indexOf(tab_4), tr("&Receipt"));
    TabWidget2->setTabIcon(TabWidget2->indexOf(tab), QIcon());
    TabWidget2->setTabIcon(TabWidget2->indexOf(tab_4), QIcon());
    m_saleTabsRelabelled = true;
}

int Sales::cashAccountNumber() const
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT CashAcc FROM Personel WHERE Name='") + Utility::escapeSQL(utils->userName())
                + QLatin1Char('\''))) {
        Utility::showDBError(q);
        return 1;
    }
    return q.next() ? q.value(0).toInt() : 1;
}

void Sales::setPending(bool on)
{
    PendingLabel->setPixmap(on ? m_pendingPixmap : m_noPendingPixmap);
    PendingLabel->setToolTip(on ? tr("This account has a pending invoice") : tr("No pending invoice"));
    EditPushButton->setVisible(on);
    if (on)
        checkVendState();
    else
        setStatus(QString());
}

void Sales::checkVendState()
{
    const bool lines = VendListView->topLevelItem(0) != nullptr;
    PushButton4->setEnabled(lines);
    OrderButton->setEnabled(lines);
    QuotePushButton->setEnabled(lines);
}
