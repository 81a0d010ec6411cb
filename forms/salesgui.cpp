#include "forms/salesgui.h"

#include "core/zklistitem.h"
#include "core/zkprompt.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>

namespace {

// The columns of a sale line that the cashier reads; the others carry the
// line's data for posting.
constexpr int kVisibleSaleColumns = 4;

} // namespace

SalesGui::SalesGui(QWidget* parent)
    : QMainWindow(parent)
{
    setupUi(this);

    QAbstractButton* const touch[] = {toolButton1,  toolButton2,  toolButton3,  toolButton4,  toolButton5,
                                      toolButton6,  toolButton7,  toolButton8,  toolButton9,  toolButton10,
                                      toolButton11, toolButton12, toolButton13, toolButton14, toolButton15,
                                      toolButton16, toolButton17, toolButton18, toolButton19, toolButton20,
                                      toolButton21};
    for (int id = 0; id < 21; ++id)
        buttonGroup1->setId(touch[id], id);

    for (QTreeWidget* view : {VendListView, PayListView, InvoiceListView, ReceiptListView, QuoteListView,
                              RefundListView, ClientListView})
        ZkListItem::prepareView(view);
    VendListView->header()->setStretchLastSection(false);
    for (QTreeWidget* view : {InvoiceListView, ReceiptListView, QuoteListView, RefundListView})
        view->setSortingEnabled(true);

    QPalette lcd = TotalLCD->palette();
    lcd.setColor(QPalette::Window, QColor(24, 32, 28));
    TotalLCD->setPalette(lcd);
    setTotalColour(totalNormalColour());

    TillClosedLabel->hide();
    // The sale list keeps room for its four columns; the entry side takes the rest.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({600, 420});

    // The menu bar is hidden on the touch layout; keys must still work there.
    for (QAction* action : findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty())
            addAction(action);
    }

    connectMenus();
    connectKeys();
    connectSalesTab();
    connectReceiptTab();
    connectDocumentsTab();
    connectClientTab();
    languageChange();
}

SalesGui::~SalesGui() = default;

QAbstractButton* SalesGui::touchButtonAt(int id) const
{
    return buttonGroup1->button(id);
}

QColor SalesGui::totalNormalColour()
{
    // Light figures on a dark panel, like the display of a till.
    return QColor(120, 255, 140);
}

void SalesGui::setTotalColour(const QColor& colour)
{
    QPalette p = TotalLCD->palette();
    p.setColor(QPalette::WindowText, colour);
    TotalLCD->setPalette(p);
}

void SalesGui::connectMenus()
{
    const struct
    {
        QAction* action;
        void (SalesGui::*slot)();
    } entries[] = {
        {fileMailStatementsAction, &SalesGui::mailStatements},
        {fileMailEmailAction, &SalesGui::emailRun},
        {fileMailGroupRenewalsAction, &SalesGui::renewals},
        {fileBackupAction, &SalesGui::backup},
        {fileCashUpAction, &SalesGui::cashUp},
        {fileMonthEndAction, &SalesGui::monthEnd},
        {fileReceiveStockAction, &SalesGui::receiveStock},
        {fileAdminGroupCash_DateAction, &SalesGui::cashDate},
        {fileAdminGroupReset_SequenceAction, &SalesGui::resetSequence},
        {fileAdminGroupWaiter_Cash_UpAction, &SalesGui::waiterCashUp},
        {fileLogoutAction, &SalesGui::logout},
        {editPreferencesAction, &SalesGui::preferences},
        {editInventoryAction, &SalesGui::editInventory},
        {editManageGroupDepartmentsAction, &SalesGui::manageDepartments},
        {editManageGroupCompositionsAction, &SalesGui::manageCompositions},
        {editManageGroupSuppliersAction, &SalesGui::manageSuppliers},
        {editManageGroupOrdersAction, &SalesGui::manageStockOrders},
        {editClientPurgeAction, &SalesGui::purgeClient},
        {editClientMergeAction, &SalesGui::mergeClient},
        {editSerialSearchAction, &SalesGui::serialSearch},
        {editFindAction, &SalesGui::find},
        {editClearAllAction, &SalesGui::clear},
        {editEdit_Bill_CtrlF12Action, &SalesGui::editBill},
        {editReturnsAction, &SalesGui::editReturns},
        {viewStatementAction, &SalesGui::viewStatement},
        {viewJournalAction, &SalesGui::journalTrail},
        {viewAuditAction, &SalesGui::auditTrail},
        {helpContentsAction, &SalesGui::helpContents},
        {helpAboutAction, &SalesGui::helpAbout},
        {ViewReportsGroupInventory_PerformanceAction, &SalesGui::merchandiseReport},
        {ViewReportsGroupNew_ClientsAction, &SalesGui::newClientsReport},
        {ViewReportsGroupClient_PurchasesAction, &SalesGui::clientPurchasesReport},
        {ViewReportsGroupClient_ExpenditureAction, &SalesGui::clientExpenditureReport},
        {ViewReportsGroupClient_DebtAction, &SalesGui::clientDebtReport},
        {ViewReportsGroupCommissionsAction, &SalesGui::commissionReport},
        {ViewReportsGroupRecieved_Stock_AuditAction, &SalesGui::stockTraceAudit},
        {ViewReportsGroupSP_PerformanceAction, &SalesGui::SpPerformanceReport},
        {ViewReportsGroupStock_LevelsAction, &SalesGui::stockLevelReport},
        {ViewReportsGroupActionsAction, &SalesGui::actionReport},
        {ViewReportsGroupPerformance_AnalysisAction, &SalesGui::analysis},
        {ViewReportsGroupPrice_ListAction, &SalesGui::priceList},
        {ViewReportsGroupAll_ClientsAction, &SalesGui::allClientsReport},
        {ViewReportsGroupOutstanding_InvoicesAction, &SalesGui::outstandingInvoices},
        {ViewReportsGroupReturnablesAction, &SalesGui::returnablesReport},
        {ViewReportsGroupPending_OrdersAction, &SalesGui::pendingOrders},
        {ViewReportsGroupDaily_Stock_SalesAction, &SalesGui::dailySalesReport},
        {ViewReportsGroupVoided_documentsAction, &SalesGui::voidsReport},
        {ViewReportsGroupPreparation_TimesAction, &SalesGui::preparationTimesReport},
    };
    for (const auto& e : entries)
        connect(e.action, &QAction::triggered, this, e.slot);
    connect(fileExitAction, &QAction::triggered, this, &QWidget::close);
    // Actions in a group answer only to the group being enabled; the reports
    // are one group, the action log report has a right of its own.
    ViewReportsActionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    FunctionKeyActionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
}

void SalesGui::connectKeys()
{
    connect(F1Action, &QAction::triggered, this, &SalesGui::F1);
    connect(F2Action, &QAction::triggered, this, &SalesGui::F2);
    connect(F3Action, &QAction::triggered, this, &SalesGui::F3);
    connect(F9Action, &QAction::triggered, this, &SalesGui::F9);
    connect(F10Action, &QAction::triggered, this, &SalesGui::F10);
    connect(F11Action, &QAction::triggered, this, &SalesGui::F11);
    connect(F12Action, &QAction::triggered, this, &SalesGui::F12);
}

void SalesGui::connectSalesTab()
{
    connect(NameComboBox, &QComboBox::editTextChanged, this, &SalesGui::tableTextChanged);
    connect(NameComboBox->lineEdit(), &QLineEdit::returnPressed, this, qOverload<>(&SalesGui::clientSearch));
    connect(WaiterEdit, &QLineEdit::returnPressed, this, &SalesGui::waiterSelected);
    connect(pushButton30, &QPushButton::clicked, this, &SalesGui::transferTable);
    connect(PriceComboBox, qOverload<int>(&QComboBox::activated), this, &SalesGui::vendPriceTierChanged);
    connect(TabWidget2, &QTabWidget::currentChanged, this, [this](int i) { tabChanged(TabWidget2->widget(i)); });

    connect(TypeComboBox, qOverload<int>(&QComboBox::activated), this, &SalesGui::categoryChanged);
    connect(ItemComboBox, &QComboBox::editTextChanged, this, &SalesGui::itemCleanup);
    connect(ItemComboBox->lineEdit(), &QLineEdit::returnPressed, this, &SalesGui::itemReturnPressed);
    connect(ItemComboBox, &QComboBox::textActivated, this, &SalesGui::itemSelected);
    for (QLineEdit* field : {QuantityEdit, PriceEdit, LessEdit, TotalEdit}) {
        connect(field, &QLineEdit::textChanged, this, &SalesGui::vendItemChanged);
        connect(field, &QLineEdit::returnPressed, this, &SalesGui::vendAddItem);
    }
    connect(tax1_tb, &QCheckBox::clicked, this, &SalesGui::vendTaxChanged);
    connect(tax2_tb, &QCheckBox::clicked, this, &SalesGui::vendTaxChanged);
    connect(AddPushButton, &QPushButton::clicked, this, &SalesGui::vendAddItem);
    connect(VendListView, &QTreeWidget::itemDoubleClicked, this, &SalesGui::vendRemoveItem);
    connect(buttonGroup1, &QButtonGroup::idClicked, this, &SalesGui::touchButton);

    connect(PreviewPushButton, &QPushButton::clicked, this, &SalesGui::F3);
    connect(QuotePushButton, &QPushButton::clicked, this, &SalesGui::quoteInvoice);
    connect(RefundPushButton, &QPushButton::clicked, this, &SalesGui::refundInvoice);
    connect(PushButton3, &QPushButton::clicked, this, &SalesGui::F5clearAll);
    connect(PushButton4, &QPushButton::clicked, this, &SalesGui::F6DeleteItem);
    connect(EditPushButton, &QPushButton::clicked, this, &SalesGui::editInvoice);
    connect(OrderButton, &QPushButton::clicked, this, qOverload<>(&SalesGui::orderInvoice));
    connect(PushButton5, &QPushButton::clicked, this, &SalesGui::processInvoice);
}

void SalesGui::connectReceiptTab()
{
    for (QLineEdit* field : {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, EFTAmountEdit, CouponAmountEdit,
                             TipAmountEdit})
        connect(field, &QLineEdit::textChanged, this, qOverload<const QString&>(&SalesGui::amountTenderedChanged));
    connect(CashAmountEdit, &QLineEdit::returnPressed, this, &SalesGui::processReceipt);
    connect(checkBox4, &QCheckBox::clicked, this, qOverload<>(&SalesGui::amountTenderedChanged));
    connect(PayListView, &QTreeWidget::itemSelectionChanged, this, qOverload<>(&SalesGui::payInvChanged));

    connect(CashPadButton, &QToolButton::clicked, this, &SalesGui::cashPad);
    connect(CardPadButton, &QToolButton::clicked, this, &SalesGui::cardPad);
    connect(ChequePadButton, &QToolButton::clicked, this, &SalesGui::chequePad);
    connect(EFTPadButton, &QToolButton::clicked, this, &SalesGui::eftPad);
    connect(CouponPadButton, &QToolButton::clicked, this, &SalesGui::couponPad);
    connect(TipPadButton, &QToolButton::clicked, this, &SalesGui::tipPad);
    connect(CardAssistButton, &QPushButton::clicked, this, &SalesGui::cardAssist);
    connect(ChequeAssistButton, &QPushButton::clicked, this, &SalesGui::chequeAssist);
    connect(EFTAssistButton, &QPushButton::clicked, this, &SalesGui::eftAssist);

    void (SalesGui::*const fastCash[])() = {&SalesGui::fastCash1, &SalesGui::fastCash2, &SalesGui::fastCash3,
                                           &SalesGui::fastCash4, &SalesGui::fastCash5, &SalesGui::fastCash6};
    QPushButton* const notes[] = {bankNoteButton1, bankNoteButton2, bankNoteButton3,
                                  bankNoteButton4, bankNoteButton5, bankNoteButton6};
    for (int i = 0; i < 6; ++i)
        connect(notes[i], &QPushButton::clicked, this, fastCash[i]);

    connect(RefreshButton, &QPushButton::clicked, this, qOverload<>(&SalesGui::refreshReceipt));
    connect(ReceiptClearButton, &QPushButton::clicked, this, &SalesGui::F5clearAll);
    connect(CashDrawButton, &QPushButton::clicked, this, &SalesGui::cashDrawer);
    connect(SnapScanButton, &QPushButton::clicked, this, &SalesGui::F12);
    connect(ProcessButton, &QPushButton::clicked, this, &SalesGui::processReceipt);
    connect(ReceiptButton, &QPushButton::clicked, this, &SalesGui::F10);
}

void SalesGui::connectDocumentsTab()
{
    connect(InvoiceListView, &QTreeWidget::itemDoubleClicked, this, &SalesGui::showPastInvoice);
    connect(ReceiptListView, &QTreeWidget::itemDoubleClicked, this, &SalesGui::showPastReceipt);
    connect(QuoteListView, &QTreeWidget::itemDoubleClicked, this, &SalesGui::showPastQuote);
    connect(RefundListView, &QTreeWidget::itemDoubleClicked, this, &SalesGui::showPastRefund);
    connect(ViewInvoiceButton, &QPushButton::clicked, this, &SalesGui::showPastInvoice);
    connect(ViewReceiptButton, &QPushButton::clicked, this, &SalesGui::showPastReceipt);
    connect(ViewQuoteButton, &QPushButton::clicked, this, &SalesGui::showPastQuote);
    connect(ViewReturnButton, &QPushButton::clicked, this, &SalesGui::showPastRefund);
    connect(PullQuoteButton, &QPushButton::clicked, this, &SalesGui::pullQuote);
    connect(pushButton28, &QPushButton::clicked, this, &SalesGui::voidReceipt);
    connect(pushButton29, &QPushButton::clicked, this, &SalesGui::voidInvoice);
    connect(DocketButton, &QPushButton::clicked, this, &SalesGui::reprintDocket);
    connect(FindInvoiceButton, &QPushButton::clicked, this, &SalesGui::findInvoice);
    connect(comboBox5, qOverload<int>(&QComboBox::activated), this, &SalesGui::historyPeriod);
}

void SalesGui::connectClientTab()
{
    connect(AccEdit, &QLineEdit::returnPressed, this, qOverload<>(&SalesGui::clientSearch));
    connect(SetNameEdit, &QLineEdit::returnPressed, this, qOverload<>(&SalesGui::clientSearch));
    connect(ClientSearchButton, &QPushButton::clicked, this, qOverload<>(&SalesGui::clientSearch));
    connect(ClientClearButton, &QPushButton::clicked, this, &SalesGui::clearClientGui);
    connect(ClientSelectButton, &QPushButton::clicked, this, qOverload<>(&SalesGui::clientDetails));
    connect(ClientListView, &QTreeWidget::itemDoubleClicked, this, qOverload<>(&SalesGui::clientDetails));
    connect(UpdateAccountButton, &QPushButton::clicked, this, &SalesGui::updateAccount);
    connect(NewAccountButton, &QPushButton::clicked, this, &SalesGui::newAccount);
}

void SalesGui::F1()
{
    WaiterEdit->clear();
    NameComboBox->setFocus();
    NameComboBox->lineEdit()->selectAll();
}

void SalesGui::F2()
{
    TabWidget2->setCurrentWidget(tab);
    tabWidget3->setCurrentWidget(tab_2);
    ItemComboBox->setFocus();
}

void SalesGui::F9()
{
    TabWidget2->setCurrentWidget(tab);
}

void SalesGui::F10()
{
    // A second F10 on the receipt tab tenders the exact balance in cash.
    if (TabWidget2->currentWidget() == tab_4)
        CashAmountEdit->setText(CurBalEdit->text());
    TabWidget2->setCurrentWidget(tab_4);
    CashAmountEdit->setFocus();
    CashAmountEdit->selectAll();
}

void SalesGui::F11()
{
    TabWidget2->setCurrentWidget(tab);
    tabWidget3->setCurrentWidget(tab_3);
}

void SalesGui::tabChanged(QWidget* page)
{
    if (page == tab)
        ItemComboBox->setFocus();
    else if (page == tab_4)
        CashAmountEdit->setFocus();
}

void SalesGui::tableTextChanged(const QString&)
{
    // A changed name is no longer the account the sale was for.
    setSalesTabOpen(false);
    BannerLabel->clear();
}

void SalesGui::setSalesTabOpen(bool open)
{
    // The page is greyed rather than its tab disabled: a disabled current tab
    // would hand the screen to the Receipt tab while the name is typed.
    tab->setEnabled(open);
}

bool SalesGui::salesTabOpen() const
{
    return tab->isEnabledTo(TabWidget2);
}

void SalesGui::vendTaxChanged()
{
    vendItemChanged(QStringLiteral("0"));
}

void SalesGui::languageChange()
{
    retranslateUi(this);
    hideSaleDataColumns();
}

void SalesGui::hideSaleDataColumns()
{
    // Columns that the header's texts brought into being stay counted in the
    // header's length when merely hidden (Qt 6.4); showing them first and
    // hiding them again gives the list its true width, without a scroll bar.
    for (int c = kVisibleSaleColumns; c < VendListView->columnCount(); ++c) {
        VendListView->setColumnHidden(c, false);
        VendListView->setColumnHidden(c, true);
    }
}

void SalesGui::notImpl(const QString& slot)
{
    ZkPrompt::warning(this, tr("Brevalon Sales"), tr("%1 Not Implemented").arg(slot));
}

void SalesGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QMainWindow::changeEvent(event);
}
