// The slots of the form that the sales window has not taken over yet: each
// tells the operator which one it is.

#include "forms/salesgui.h"

void SalesGui::mailStatements()
{
    notImpl(QStringLiteral("mailStatements()"));
}

void SalesGui::emailRun()
{
    notImpl(QStringLiteral("emailRun()"));
}

void SalesGui::renewals()
{
    notImpl(QStringLiteral("renewals()"));
}

void SalesGui::backup()
{
    notImpl(QStringLiteral("backup()"));
}

void SalesGui::cashUp()
{
    notImpl(QStringLiteral("cashUp()"));
}

void SalesGui::monthEnd()
{
    notImpl(QStringLiteral("monthEnd()"));
}

void SalesGui::receiveStock()
{
    notImpl(QStringLiteral("receiveStock()"));
}

void SalesGui::cashDate()
{
    notImpl(QStringLiteral("cashDate()"));
}

void SalesGui::resetSequence()
{
    notImpl(QStringLiteral("resetSequence()"));
}

void SalesGui::waiterCashUp()
{
    notImpl(QStringLiteral("waiterCashUp()"));
}

void SalesGui::logout()
{
    notImpl(QStringLiteral("logout()"));
}

void SalesGui::preferences()
{
    notImpl(QStringLiteral("preferences()"));
}

void SalesGui::editInventory()
{
    notImpl(QStringLiteral("editInventory()"));
}

void SalesGui::manageDepartments()
{
    notImpl(QStringLiteral("manageDepartments()"));
}

void SalesGui::manageCompositions()
{
    notImpl(QStringLiteral("manageCompositions()"));
}

void SalesGui::manageSuppliers()
{
    notImpl(QStringLiteral("manageSuppliers()"));
}

void SalesGui::manageStockOrders()
{
    notImpl(QStringLiteral("manageStockOrders()"));
}

void SalesGui::purgeClient()
{
    notImpl(QStringLiteral("purgeClient()"));
}

void SalesGui::mergeClient()
{
    notImpl(QStringLiteral("mergeClient()"));
}

void SalesGui::serialSearch()
{
    notImpl(QStringLiteral("serialSearch()"));
}

void SalesGui::find()
{
    notImpl(QStringLiteral("find()"));
}

void SalesGui::clear()
{
    notImpl(QStringLiteral("clear()"));
}

void SalesGui::editBill()
{
    notImpl(QStringLiteral("editBill()"));
}

void SalesGui::editReturns()
{
    notImpl(QStringLiteral("editReturns()"));
}

void SalesGui::viewStatement()
{
    notImpl(QStringLiteral("viewStatement()"));
}

void SalesGui::journalTrail()
{
    notImpl(QStringLiteral("journalTrail()"));
}

void SalesGui::auditTrail()
{
    notImpl(QStringLiteral("auditTrail()"));
}

void SalesGui::helpContents()
{
    notImpl(QStringLiteral("helpContents()"));
}

void SalesGui::helpAbout()
{
    notImpl(QStringLiteral("helpAbout()"));
}

void SalesGui::merchandiseReport()
{
    notImpl(QStringLiteral("merchandiseReport()"));
}

void SalesGui::newClientsReport()
{
    notImpl(QStringLiteral("newClientsReport()"));
}

void SalesGui::clientPurchasesReport()
{
    notImpl(QStringLiteral("clientPurchasesReport()"));
}

void SalesGui::clientExpenditureReport()
{
    notImpl(QStringLiteral("clientExpenditureReport()"));
}

void SalesGui::clientDebtReport()
{
    notImpl(QStringLiteral("clientDebtReport()"));
}

void SalesGui::commissionReport()
{
    notImpl(QStringLiteral("commissionReport()"));
}

void SalesGui::stockTraceAudit()
{
    notImpl(QStringLiteral("stockTraceAudit()"));
}

void SalesGui::SpPerformanceReport()
{
    notImpl(QStringLiteral("SpPerformanceReport()"));
}

void SalesGui::stockLevelReport()
{
    notImpl(QStringLiteral("stockLevelReport()"));
}

void SalesGui::actionReport()
{
    notImpl(QStringLiteral("actionReport()"));
}

void SalesGui::analysis()
{
    notImpl(QStringLiteral("analysis()"));
}

void SalesGui::priceList()
{
    notImpl(QStringLiteral("priceList()"));
}

void SalesGui::allClientsReport()
{
    notImpl(QStringLiteral("allClientsReport()"));
}

void SalesGui::outstandingInvoices()
{
    notImpl(QStringLiteral("outstandingInvoices()"));
}

void SalesGui::returnablesReport()
{
    notImpl(QStringLiteral("returnablesReport()"));
}

void SalesGui::pendingOrders()
{
    notImpl(QStringLiteral("pendingOrders()"));
}

void SalesGui::dailySalesReport()
{
    notImpl(QStringLiteral("dailySalesReport()"));
}

void SalesGui::voidsReport()
{
    notImpl(QStringLiteral("voidsReport()"));
}

void SalesGui::preparationTimesReport()
{
    notImpl(QStringLiteral("preparationTimesReport()"));
}

void SalesGui::F3()
{
    notImpl(QStringLiteral("F3()"));
}

void SalesGui::F12()
{
    notImpl(QStringLiteral("F12()"));
}

void SalesGui::F5clearAll()
{
    notImpl(QStringLiteral("F5clearAll()"));
}

void SalesGui::F6DeleteItem()
{
    notImpl(QStringLiteral("F6DeleteItem()"));
}

void SalesGui::setPending(bool)
{
    notImpl(QStringLiteral("setPending(bool)"));
}

void SalesGui::checkVendState()
{
    notImpl(QStringLiteral("checkVendState()"));
}

void SalesGui::applySizes()
{
    notImpl(QStringLiteral("applySizes()"));
}

void SalesGui::doSizeChanges(int, int, int)
{
    notImpl(QStringLiteral("doSizeChanges(int, int, int)"));
}

void SalesGui::updateGuiControls(bool)
{
    notImpl(QStringLiteral("updateGuiControls(bool)"));
}

void SalesGui::checkGuiPerms()
{
    notImpl(QStringLiteral("checkGuiPerms()"));
}

void SalesGui::i18nInit()
{
    notImpl(QStringLiteral("i18nInit()"));
}

void SalesGui::itemReturnPressed()
{
    notImpl(QStringLiteral("itemReturnPressed()"));
}

void SalesGui::itemSelected(const QString&)
{
    notImpl(QStringLiteral("itemSelected(const QString&)"));
}

void SalesGui::vendItemChanged(const QString&)
{
    notImpl(QStringLiteral("vendItemChanged(const QString&)"));
}

void SalesGui::vendAddItem()
{
    notImpl(QStringLiteral("vendAddItem()"));
}

void SalesGui::vendRemoveItem()
{
    notImpl(QStringLiteral("vendRemoveItem()"));
}

void SalesGui::removeIntoEditor()
{
    notImpl(QStringLiteral("removeIntoEditor()"));
}

void SalesGui::addEditorContents()
{
    notImpl(QStringLiteral("addEditorContents()"));
}

bool SalesGui::addComposition(QString)
{
    notImpl(QStringLiteral("addComposition(QString)"));
    return false;
}

void SalesGui::categoryChanged(int)
{
    notImpl(QStringLiteral("categoryChanged(int)"));
}

void SalesGui::checkPriceTiers()
{
    notImpl(QStringLiteral("checkPriceTiers()"));
}

void SalesGui::vendPriceTierChanged(int)
{
    notImpl(QStringLiteral("vendPriceTierChanged(int)"));
}

void SalesGui::touchButton(int)
{
    notImpl(QStringLiteral("touchButton(int)"));
}

void SalesGui::itemCleanup(const QString&)
{
    notImpl(QStringLiteral("itemCleanup(const QString&)"));
}

void SalesGui::amountTenderedChanged(const QString&)
{
    notImpl(QStringLiteral("amountTenderedChanged(const QString&)"));
}

void SalesGui::amountTenderedChanged()
{
    notImpl(QStringLiteral("amountTenderedChanged()"));
}

void SalesGui::cashPad()
{
    notImpl(QStringLiteral("cashPad()"));
}

void SalesGui::cardPad()
{
    notImpl(QStringLiteral("cardPad()"));
}

void SalesGui::chequePad()
{
    notImpl(QStringLiteral("chequePad()"));
}

void SalesGui::eftPad()
{
    notImpl(QStringLiteral("eftPad()"));
}

void SalesGui::couponPad()
{
    notImpl(QStringLiteral("couponPad()"));
}

void SalesGui::tipPad()
{
    notImpl(QStringLiteral("tipPad()"));
}

void SalesGui::cardAssist()
{
    notImpl(QStringLiteral("cardAssist()"));
}

void SalesGui::chequeAssist()
{
    notImpl(QStringLiteral("chequeAssist()"));
}

void SalesGui::eftAssist()
{
    notImpl(QStringLiteral("eftAssist()"));
}

void SalesGui::badDebtAssist()
{
    notImpl(QStringLiteral("badDebtAssist()"));
}

void SalesGui::fastCash1()
{
    notImpl(QStringLiteral("fastCash1()"));
}

void SalesGui::fastCash2()
{
    notImpl(QStringLiteral("fastCash2()"));
}

void SalesGui::fastCash3()
{
    notImpl(QStringLiteral("fastCash3()"));
}

void SalesGui::fastCash4()
{
    notImpl(QStringLiteral("fastCash4()"));
}

void SalesGui::fastCash5()
{
    notImpl(QStringLiteral("fastCash5()"));
}

void SalesGui::fastCash6()
{
    notImpl(QStringLiteral("fastCash6()"));
}

void SalesGui::refreshReceipt(int)
{
    notImpl(QStringLiteral("refreshReceipt(int)"));
}

void SalesGui::refreshReceipt()
{
    notImpl(QStringLiteral("refreshReceipt()"));
}

void SalesGui::payInvChanged()
{
    notImpl(QStringLiteral("payInvChanged()"));
}

void SalesGui::payInvChanged(int)
{
    notImpl(QStringLiteral("payInvChanged(int)"));
}

double SalesGui::checkPending(double*, double*)
{
    notImpl(QStringLiteral("checkPending(double*, double*)"));
    return 0;
}

void SalesGui::processReceipt()
{
    notImpl(QStringLiteral("processReceipt()"));
}

void SalesGui::cashDrawer()
{
    notImpl(QStringLiteral("cashDrawer()"));
}

void SalesGui::processInvoice()
{
    notImpl(QStringLiteral("processInvoice()"));
}

void SalesGui::orderInvoice()
{
    notImpl(QStringLiteral("orderInvoice()"));
}

void SalesGui::orderInvoice(bool)
{
    notImpl(QStringLiteral("orderInvoice(bool)"));
}

void SalesGui::quoteInvoice()
{
    notImpl(QStringLiteral("quoteInvoice()"));
}

void SalesGui::refundInvoice()
{
    notImpl(QStringLiteral("refundInvoice()"));
}

void SalesGui::doInvoice(bool)
{
    notImpl(QStringLiteral("doInvoice(bool)"));
}

void SalesGui::previewInvoice()
{
    notImpl(QStringLiteral("previewInvoice()"));
}

void SalesGui::editInvoice()
{
    notImpl(QStringLiteral("editInvoice()"));
}

void SalesGui::pullQuote()
{
    notImpl(QStringLiteral("pullQuote()"));
}

void SalesGui::findInvoice()
{
    notImpl(QStringLiteral("findInvoice()"));
}

void SalesGui::invoiceSearch()
{
    notImpl(QStringLiteral("invoiceSearch()"));
}

void SalesGui::showPastInvoice()
{
    notImpl(QStringLiteral("showPastInvoice()"));
}

void SalesGui::showPastRefund()
{
    notImpl(QStringLiteral("showPastRefund()"));
}

void SalesGui::showPastReceipt()
{
    notImpl(QStringLiteral("showPastReceipt()"));
}

void SalesGui::showPastQuote()
{
    notImpl(QStringLiteral("showPastQuote()"));
}

void SalesGui::voidInvoice()
{
    notImpl(QStringLiteral("voidInvoice()"));
}

void SalesGui::reprintDocket()
{
    notImpl(QStringLiteral("reprintDocket()"));
}

void SalesGui::voidReceipt()
{
    notImpl(QStringLiteral("voidReceipt()"));
}

void SalesGui::clearInvoice()
{
    notImpl(QStringLiteral("clearInvoice()"));
}

void SalesGui::clearInvoiceGui()
{
    notImpl(QStringLiteral("clearInvoiceGui()"));
}

void SalesGui::historyPeriod(int)
{
    notImpl(QStringLiteral("historyPeriod(int)"));
}

void SalesGui::guiTable()
{
    notImpl(QStringLiteral("guiTable()"));
}

void SalesGui::transferTable()
{
    notImpl(QStringLiteral("transferTable()"));
}

void SalesGui::guiWaiter()
{
    notImpl(QStringLiteral("guiWaiter()"));
}

void SalesGui::waiterSelected()
{
    notImpl(QStringLiteral("waiterSelected()"));
}

void SalesGui::newAccount()
{
    notImpl(QStringLiteral("newAccount()"));
}

void SalesGui::updateAccount()
{
    notImpl(QStringLiteral("updateAccount()"));
}

void SalesGui::stickyClientSearch(bool, bool)
{
    notImpl(QStringLiteral("stickyClientSearch(bool, bool)"));
}

void SalesGui::fillInDetails(QString, bool)
{
    notImpl(QStringLiteral("fillInDetails(QString, bool)"));
}

void SalesGui::clientDetails(int)
{
    notImpl(QStringLiteral("clientDetails(int)"));
}

void SalesGui::clientSearch()
{
    notImpl(QStringLiteral("clientSearch()"));
}

void SalesGui::clientDetails()
{
    notImpl(QStringLiteral("clientDetails()"));
}

void SalesGui::clearClientGui()
{
    notImpl(QStringLiteral("clearClientGui()"));
}

void SalesGui::snapScanPayment()
{
    notImpl(QStringLiteral("snapScanPayment()"));
}

void SalesGui::semperComms()
{
    notImpl(QStringLiteral("semperComms()"));
}

void SalesGui::socketConnected()
{
    notImpl(QStringLiteral("socketConnected()"));
}

void SalesGui::socketReadyRead()
{
    notImpl(QStringLiteral("socketReadyRead()"));
}

void SalesGui::socketConnectionClosed()
{
    notImpl(QStringLiteral("socketConnectionClosed()"));
}

void SalesGui::socketClosed()
{
    notImpl(QStringLiteral("socketClosed()"));
}

void SalesGui::closeConnection()
{
    notImpl(QStringLiteral("closeConnection()"));
}

void SalesGui::socketError(int)
{
    notImpl(QStringLiteral("socketError(int)"));
}
