// The till's form on its own: every part the other windows and the posting
// code rely on exists under its name and kind with the system's own words,
// every menu entry, button, field and key reaches its slot, the keys of the
// form itself move between the tabs, and a slot nobody implements says so.

#include "forms/salesgui.h"
#include "tests/support/testshop.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

namespace {

// One form per test, shown and active so that keys reach it.
struct ShownForm
{
    ScriptedPrompts prompts;
    SalesGui form;
    ShownForm()
    {
        form.resize(1024, 768);
        form.show();
        form.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&form); }
};

QString notImplemented(const QString& signature)
{
    return signature + QLatin1String(" Not Implemented");
}

} // namespace

class TestSalesGui : public QObject
{
    Q_OBJECT

private slots:
    void holdsEveryNamedPart_data();
    void holdsEveryNamedPart();
    void mainTabsInTheirOrder();
    void wordsOfTheForm_data();
    void wordsOfTheForm();
    void menuEntriesReachTheirSlots_data();
    void menuEntriesReachTheirSlots();
    void reportsAreOneGroupButTheActionLog();
    void widgetsReachTheirSlots_data();
    void widgetsReachTheirSlots();
    void touchButtonsReportIdsZeroToTwenty();
    void keysWorkWithoutTheMenuBar_data();
    void keysWorkWithoutTheMenuBar();
    void secondF10TendersTheBalance();
    void f1ClearsTheWaiterAndSelectsTheName();
    void enteringATabFocusesItsField_data();
    void enteringATabFocusesItsField();
    void editingTheNameClosesTheSalesTab();
    void saleListShowsOnlyItsFourColumns();
    void languageChangeSetsTheTextsAgain();
    void unimplementedSlotSaysSo();
};

void TestSalesGui::holdsEveryNamedPart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    const struct
    {
        const char* kind;
        QStringList names;
    } parts[] = {
        {"QComboBox",
         {"NameComboBox", "PriceComboBox", "TypeComboBox", "ItemComboBox", "comboBox5"}},
        {"QLineEdit",
         {"WaiterEdit", "QuantityEdit", "PriceEdit", "LessEdit", "TotalEdit", "SalesGuiPersonEdit",
          "CashAmountEdit", "CardAmountEdit", "ChequeAmountEdit", "EFTAmountEdit", "CouponAmountEdit",
          "TipAmountEdit", "OutBalEdit", "CurBalEdit", "ChangeEdit", "PayRefEdit", "AccEdit", "SetNameEdit",
          "SetEmailEdit", "SetIdEdit", "SetPhoneEdit", "SetFaxEdit", "SetCellEdit", "SetVatEdit",
          "SetDiscountAEdit", "SetDiscountCEdit"}},
        {"QTextEdit", {"NotesEdit", "SetShippingText", "SetPostalText", "SetNotesText"}},
        {"QLabel",
         {"TotalLCD", "PendingLabel", "codeLabel", "stockLevelLabel", "StockLabel", "QtyLabel", "ChangeDueLabel",
          "EFTLabel", "BannerLabel"}},
        {"QTabWidget", {"TabWidget2", "tabWidget3"}},
        {"QWidget", {"tab", "tab_2", "tab_3", "tab_4", "tab_5", "tab_6"}},
        {"QTreeWidget",
         {"VendListView", "PayListView", "InvoiceListView", "ReceiptListView", "QuoteListView", "RefundListView"}},
        {"QCheckBox", {"tax1_tb", "tax2_tb", "checkBox4"}},
        {"QGroupBox", {"GroupBox1"}},
        {"QPushButton",
         {"pushButton30", "PreviewPushButton", "PushButton3", "PushButton4", "EditPushButton", "OrderButton",
          "PushButton5", "pushButton28", "pushButton29", "bankNoteButton1", "bankNoteButton2", "bankNoteButton3",
          "bankNoteButton4", "bankNoteButton5", "bankNoteButton6"}},
        {"QButtonGroup", {"buttonGroup1"}},
        {"QActionGroup", {"ViewReportsActionGroup"}},
        {"QAction",
         {"fileMailStatementsAction", "fileMailEmailAction", "fileMailGroupRenewalsAction", "fileBackupAction",
          "fileCashUpAction", "fileMonthEndAction", "fileReceiveStockAction", "fileAdminGroupCash_DateAction",
          "fileAdminGroupReset_SequenceAction", "fileAdminGroupWaiter_Cash_UpAction", "fileLogoutAction",
          "fileExitAction", "editPreferencesAction", "editInventoryAction", "editManageGroupDepartmentsAction",
          "editManageGroupCompositionsAction", "editManageGroupSuppliersAction", "editManageGroupOrdersAction",
          "editClientPurgeAction", "editClientMergeAction", "editSerialSearchAction", "editFindAction",
          "editClearAllAction", "editEdit_Bill_CtrlF12Action", "editReturnsAction", "viewStatementAction",
          "viewJournalAction", "viewAuditAction", "helpContentsAction", "helpAboutAction",
          "ViewReportsGroupActionsAction"}},
        {"QMenu", {"fileMenu", "fileMailMenu", "fileAdminMenu", "clientsMenu", "manageMenu", "editMenu",
                   "reportsMenu", "viewMenu", "helpMenu"}},
    };
    for (const auto& p : parts) {
        for (const QString& name : p.names)
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(p.kind);
    }
    for (int i = 1; i <= 21; ++i) {
        const QString name = QStringLiteral("toolButton%1").arg(i);
        QTest::newRow(qPrintable(name)) << name << QStringLiteral("QToolButton");
    }
}

void TestSalesGui::holdsEveryNamedPart()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    ScriptedPrompts prompts;
    SalesGui form;
    const QList<QObject*> found = form.findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first()->inherits(kind.toLatin1().constData()), found.first()->metaObject()->className());
}

void TestSalesGui::mainTabsInTheirOrder()
{
    ScriptedPrompts prompts;
    SalesGui form;
    QCOMPARE(form.TabWidget2->widget(0), form.tab);
    QCOMPARE(form.TabWidget2->widget(1), form.tab_4);
    QCOMPARE(form.TabWidget2->widget(2), form.tab_5);
    QCOMPARE(form.TabWidget2->widget(3), form.tab_6);
    QCOMPARE(form.tabWidget3->widget(0), form.tab_2);
    QCOMPARE(form.tabWidget3->widget(1), form.tab_3);
    // The sale's controls live on the Sales tab, the tenders on the Receipt tab.
    QVERIFY(form.tab->isAncestorOf(form.VendListView));
    QVERIFY(form.tab_2->isAncestorOf(form.ItemComboBox));
    QVERIFY(form.tab_3->isAncestorOf(form.toolButton21));
    QVERIFY(form.tab_4->isAncestorOf(form.CashAmountEdit));
    QVERIFY(form.tab_5->isAncestorOf(form.pushButton29));
    QVERIFY(form.tab_6->isAncestorOf(form.SetDiscountCEdit));
}

void TestSalesGui::wordsOfTheForm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("words");
    const char* const rows[][3] = {
        {"pushButton30", "text", "Transfer\nTable"},
        {"PreviewPushButton", "text", "F3 Preview"},
        {"PushButton3", "text", "F5 Clear All"},
        {"PushButton4", "text", "F6 Delete"},
        {"EditPushButton", "text", "&Edit"},
        {"OrderButton", "text", "F7 Order"},
        {"PushButton5", "text", "F8 Print Bill"},
        {"toolButton1", "text", "Top Level"},
        {"toolButton2", "text", "F6 Delete"},
        {"toolButton3", "text", "&Next"},
        {"toolButton4", "text", "&Prev"},
        {"CardLabel", "text", "C/Card"},
        {"ChequeLabel", "text", "Cheque"},
        {"EFTLabel", "text", "EFT"},
        {"CouponLabel", "text", "&Coupon"},
        {"TipLabel", "text", "T&ip"},
        {"OutBalLabel", "text", "Outstanding"},
        {"CurBalLabel", "text", "Balance"},
        {"ChangeDueLabel", "text", "Change Due"},
        {"PayRefLabel", "text", "&Ref Notes"},
        {"checkBox4", "text", "Keep Credit"},
        {"RefreshButton", "text", "F3 Refresh"},
        {"ReceiptClearButton", "text", "F5 Clear All"},
        {"CashDrawButton", "text", "F6 Cash Draw"},
        {"SnapScanButton", "text", "F12 SnapScan"},
        {"ProcessButton", "text", "F8 Process"},
        {"ReceiptButton", "text", "F10 Receipt"},
        {"ViewInvoiceButton", "text", "View Invoice"},
        {"ViewReceiptButton", "text", "View Receipt"},
        {"ViewQuoteButton", "text", "View Quote"},
        {"PullQuoteButton", "text", "Pull Quote"},
        {"PullQuoteButton", "toolTip", "<em>Pull</em> the selected quote into the Sales editor"},
        {"ViewReturnButton", "text", "View Return"},
        {"pushButton28", "text", "Void Receipt"},
        {"pushButton29", "text", "Void Invoice"},
        {"HistoryLabel", "text", "History Over"},
        {"PricingLabel", "text", "Pricing"},
        {"NewAccountButton", "text", "F8 New"},
        {"UpdateAccountButton", "text", "F5 Update"},
        {"fileMenu", "title", "&File"},
        {"fileMailMenu", "title", "&Mail"},
        {"fileAdminMenu", "title", "&Admin"},
        {"clientsMenu", "title", "&Clients"},
        {"manageMenu", "title", "&Manage"},
        {"editMenu", "title", "&Edit"},
        {"reportsMenu", "title", "&Reports"},
        {"viewMenu", "title", "&View"},
        {"helpMenu", "title", "&Help"},
    };
    for (const auto& r : rows)
        QTest::newRow(qPrintable(QString::fromLatin1(r[0]) + QLatin1Char('.') + QLatin1String(r[1])))
            << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]) << QString::fromUtf8(r[2]);
}

void TestSalesGui::wordsOfTheForm()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QString, words);
    ScriptedPrompts prompts;
    SalesGui form;
    QObject* part = form.findChild<QObject*>(name);
    QVERIFY(part);
    QCOMPARE(part->property(property.toLatin1().constData()).toString(), words);
}

void TestSalesGui::menuEntriesReachTheirSlots_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("slot");
    const char* const rows[][4] = {
        {"fileMailStatementsAction", "&Statements", "", "mailStatements()"},
        {"fileMailEmailAction", "&Email", "", "emailRun()"},
        {"fileMailGroupRenewalsAction", "Renewals", "", "renewals()"},
        {"fileBackupAction", "&Backup", "", "backup()"},
        {"fileCashUpAction", "&Cash Up", "", "cashUp()"},
        {"fileMonthEndAction", "&Month End", "", "monthEnd()"},
        {"fileReceiveStockAction", "&Receive Stock", "", "receiveStock()"},
        {"fileAdminGroupCash_DateAction", "Cash &Date", "", "cashDate()"},
        {"fileAdminGroupReset_SequenceAction", "Reset Sequence", "", "resetSequence()"},
        {"fileAdminGroupWaiter_Cash_UpAction", "Waiter Cash Up", "", "waiterCashUp()"},
        {"fileLogoutAction", "&Logout", "", "logout()"},
        {"editPreferencesAction", "&Preferences ...", "", "preferences()"},
        {"editInventoryAction", "&Inventory", "", "editInventory()"},
        {"editManageGroupDepartmentsAction", "&Departments", "", "manageDepartments()"},
        {"editManageGroupCompositionsAction", "&Compositions", "", "manageCompositions()"},
        {"editManageGroupSuppliersAction", "&Suppliers", "", "manageSuppliers()"},
        {"editManageGroupOrdersAction", "&Orders", "", "manageStockOrders()"},
        {"editClientPurgeAction", "&Purge", "", "purgeClient()"},
        {"editClientMergeAction", "&Merge", "", "mergeClient()"},
        {"editSerialSearchAction", "&Search on S/N ..", "", "serialSearch()"},
        {"editFindAction", "&Find", "Ctrl+F", "find()"},
        {"editClearAllAction", "C&lear All", "Ctrl+L", "clear()"},
        {"editEdit_Bill_CtrlF12Action", "Change Invoice", "Ctrl+F12", "editBill()"},
        {"editReturnsAction", "Returns", "", "editReturns()"},
        {"viewStatementAction", "&Statement", "", "viewStatement()"},
        {"viewJournalAction", "&Journal", "", "journalTrail()"},
        {"viewAuditAction", "&Audit", "", "auditTrail()"},
        {"helpContentsAction", "&Contents...", "", "helpContents()"},
        {"helpAboutAction", "&About...", "", "helpAbout()"},
        {"ViewReportsGroupInventory_PerformanceAction", "&Inventory Performance", "", "merchandiseReport()"},
        {"ViewReportsGroupNew_ClientsAction", "&New Clients", "", "newClientsReport()"},
        {"ViewReportsGroupClient_PurchasesAction", "Client &Purchases", "", "clientPurchasesReport()"},
        {"ViewReportsGroupClient_ExpenditureAction", "Client &Expenditure", "", "clientExpenditureReport()"},
        {"ViewReportsGroupClient_DebtAction", "Client &Debt", "", "clientDebtReport()"},
        {"ViewReportsGroupCommissionsAction", "&Commissons", "", "commissionReport()"},
        {"ViewReportsGroupRecieved_Stock_AuditAction", "&Recieved Stock Audit", "", "stockTraceAudit()"},
        {"ViewReportsGroupSP_PerformanceAction", "S/P Performance", "", "SpPerformanceReport()"},
        {"ViewReportsGroupStock_LevelsAction", "Stock &Levels", "", "stockLevelReport()"},
        {"ViewReportsGroupActionsAction", "&Actions", "", "actionReport()"},
        {"ViewReportsGroupPerformance_AnalysisAction", "Performance Anal&ysis", "", "analysis()"},
        {"ViewReportsGroupPrice_ListAction", "Price List", "", "priceList()"},
        {"ViewReportsGroupAll_ClientsAction", "All clients", "", "allClientsReport()"},
        {"ViewReportsGroupOutstanding_InvoicesAction", "&Outstanding Invoices", "", "outstandingInvoices()"},
        {"ViewReportsGroupReturnablesAction", "Returnables", "", "returnablesReport()"},
        {"ViewReportsGroupPending_OrdersAction", "&Pending Orders", "", "pendingOrders()"},
        {"ViewReportsGroupDaily_Stock_SalesAction", "Daily Stock Sales", "", "dailySalesReport()"},
        {"ViewReportsGroupVoided_documentsAction", "&Voided documents", "", "voidsReport()"},
    };
    for (const auto& r : rows)
        QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]) << QString::fromLatin1(r[2])
                            << QString::fromLatin1(r[3]);
}

void TestSalesGui::menuEntriesReachTheirSlots()
{
    QFETCH(QString, action);
    QFETCH(QString, label);
    QFETCH(QString, shortcut);
    QFETCH(QString, slot);
    ScriptedPrompts prompts;
    SalesGui form;
    QAction* a = form.findChild<QAction*>(action);
    QVERIFY(a);
    QCOMPARE(a->text(), label);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
    // Every entry sits in one of the menus (the reports in the Reports menu).
    bool inMenu = false;
    for (QMenu* menu : form.menuBar()->findChildren<QMenu*>())
        inMenu = inMenu || menu->actions().contains(a);
    QVERIFY(inMenu);
    if (action.startsWith(QLatin1String("ViewReports")))
        QVERIFY(form.reportsMenu->actions().contains(a));
    prompts.expect(ZkPrompt::Warning, QStringLiteral("Brevalon Sales"), notImplemented(slot));
    a->trigger();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
}

void TestSalesGui::reportsAreOneGroupButTheActionLog()
{
    ScriptedPrompts prompts;
    SalesGui form;
    const QList<QAction*> group = form.ViewReportsActionGroup->actions();
    QCOMPARE(group.size(), 17);
    QVERIFY(!group.contains(form.ViewReportsGroupActionsAction));
    // Every report of the menu but the action log is in the group.
    for (QAction* a : form.reportsMenu->actions()) {
        if (!a->isSeparator())
            QCOMPARE(group.contains(a), a != form.ViewReportsGroupActionsAction);
    }
    // The exit entry closes the window.
    form.show();
    form.fileExitAction->trigger();
    QVERIFY(!form.isVisible());
}

void TestSalesGui::widgetsReachTheirSlots_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("slot");
    const char* const rows[][3] = {
        {"NameComboBox", "return", "clientSearch()"},
        {"WaiterEdit", "return", "waiterSelected()"},
        {"pushButton30", "click", "transferTable()"},
        {"PriceComboBox", "activate", "vendPriceTierChanged(int)"},
        {"TypeComboBox", "activate", "categoryChanged(int)"},
        {"ItemComboBox", "edit", "itemCleanup(const QString&)"},
        {"ItemComboBox", "return", "itemReturnPressed()"},
        {"ItemComboBox", "choose", "itemSelected(const QString&)"},
        {"QuantityEdit", "edit", "vendItemChanged(const QString&)"},
        {"QuantityEdit", "return", "vendAddItem()"},
        {"PriceEdit", "edit", "vendItemChanged(const QString&)"},
        {"PriceEdit", "return", "vendAddItem()"},
        {"LessEdit", "edit", "vendItemChanged(const QString&)"},
        {"TotalEdit", "edit", "vendItemChanged(const QString&)"},
        {"tax1_tb", "click", "vendItemChanged(const QString&)"},
        {"tax2_tb", "click", "vendItemChanged(const QString&)"},
        {"AddPushButton", "click", "vendAddItem()"},
        {"VendListView", "doubleclick", "vendRemoveItem()"},
        {"toolButton7", "click", "touchButton(int)"},
        {"PreviewPushButton", "click", "F3()"},
        {"PushButton3", "click", "F5clearAll()"},
        {"PushButton4", "click", "F6DeleteItem()"},
        {"EditPushButton", "click", "editInvoice()"},
        {"OrderButton", "click", "orderInvoice()"},
        {"PushButton5", "click", "processInvoice()"},
        {"CashAmountEdit", "edit", "amountTenderedChanged(const QString&)"},
        {"CashAmountEdit", "return", "processReceipt()"},
        {"CardAmountEdit", "edit", "amountTenderedChanged(const QString&)"},
        {"ChequeAmountEdit", "edit", "amountTenderedChanged(const QString&)"},
        {"EFTAmountEdit", "edit", "amountTenderedChanged(const QString&)"},
        {"CouponAmountEdit", "edit", "amountTenderedChanged(const QString&)"},
        {"TipAmountEdit", "edit", "amountTenderedChanged(const QString&)"},
        {"checkBox4", "click", "amountTenderedChanged()"},
        {"PayListView", "select", "payInvChanged()"},
        {"CashPadButton", "click", "cashPad()"},
        {"CardPadButton", "click", "cardPad()"},
        {"ChequePadButton", "click", "chequePad()"},
        {"EFTPadButton", "click", "eftPad()"},
        {"CouponPadButton", "click", "couponPad()"},
        {"TipPadButton", "click", "tipPad()"},
        {"CardAssistButton", "click", "cardAssist()"},
        {"ChequeAssistButton", "click", "chequeAssist()"},
        {"EFTAssistButton", "click", "eftAssist()"},
        {"bankNoteButton1", "click", "fastCash1()"},
        {"bankNoteButton2", "click", "fastCash2()"},
        {"bankNoteButton3", "click", "fastCash3()"},
        {"bankNoteButton4", "click", "fastCash4()"},
        {"bankNoteButton5", "click", "fastCash5()"},
        {"bankNoteButton6", "click", "fastCash6()"},
        {"RefreshButton", "click", "refreshReceipt()"},
        {"ReceiptClearButton", "click", "F5clearAll()"},
        {"CashDrawButton", "click", "cashDrawer()"},
        {"SnapScanButton", "click", "F12()"},
        {"ProcessButton", "click", "processReceipt()"},
        {"InvoiceListView", "doubleclick", "showPastInvoice()"},
        {"ReceiptListView", "doubleclick", "showPastReceipt()"},
        {"QuoteListView", "doubleclick", "showPastQuote()"},
        {"RefundListView", "doubleclick", "showPastRefund()"},
        {"ViewInvoiceButton", "click", "showPastInvoice()"},
        {"ViewReceiptButton", "click", "showPastReceipt()"},
        {"ViewQuoteButton", "click", "showPastQuote()"},
        {"ViewReturnButton", "click", "showPastRefund()"},
        {"PullQuoteButton", "click", "pullQuote()"},
        {"pushButton28", "click", "voidReceipt()"},
        {"pushButton29", "click", "voidInvoice()"},
        {"FindInvoiceButton", "click", "findInvoice()"},
        {"comboBox5", "activate", "historyPeriod(int)"},
        {"AccEdit", "return", "clientSearch()"},
        {"SetNameEdit", "return", "clientSearch()"},
        {"ClientSearchButton", "click", "clientSearch()"},
        {"ClientClearButton", "click", "clearClientGui()"},
        {"ClientSelectButton", "click", "clientDetails()"},
        {"ClientListView", "doubleclick", "clientDetails()"},
        {"UpdateAccountButton", "click", "updateAccount()"},
        {"NewAccountButton", "click", "newAccount()"},
    };
    for (const auto& r : rows)
        QTest::newRow(qPrintable(QString::fromLatin1(r[0]) + QLatin1Char(' ') + QLatin1String(r[1])))
            << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]) << QString::fromLatin1(r[2]);
}

void TestSalesGui::widgetsReachTheirSlots()
{
    QFETCH(QString, widget);
    QFETCH(QString, how);
    QFETCH(QString, slot);
    ScriptedPrompts prompts;
    SalesGui form;
    QWidget* w = form.findChild<QWidget*>(widget);
    QVERIFY(w);
    prompts.expect(ZkPrompt::Warning, QStringLiteral("Brevalon Sales"), notImplemented(slot));
    auto* combo = qobject_cast<QComboBox*>(w);
    auto* tree = qobject_cast<QTreeWidget*>(w);
    QLineEdit* line = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
    if (how == QLatin1String("click")) {
        qobject_cast<QAbstractButton*>(w)->click();
    } else if (how == QLatin1String("return")) {
        QVERIFY(line);
        emit line->returnPressed();
    } else if (how == QLatin1String("edit")) {
        QVERIFY(line);
        line->setText(QStringLiteral("7"));
    } else if (how == QLatin1String("activate")) {
        if (combo->count() == 0)
            combo->addItem(QStringLiteral("one"));
        emit combo->activated(0);
    } else if (how == QLatin1String("choose")) {
        emit combo->textActivated(QStringLiteral("COFFEE"));
    } else if (how == QLatin1String("doubleclick")) {
        auto* row = new QTreeWidgetItem(tree, {QStringLiteral("1")});
        emit tree->itemDoubleClicked(row, 0);
    } else if (how == QLatin1String("select")) {
        auto* row = new QTreeWidgetItem(tree, {QStringLiteral("1")});
        row->setSelected(true);
    }
    QVERIFY2(prompts.done(), qPrintable(prompts.pending() + QLatin1String(" / seen: ") + prompts.seen().join(QLatin1Char(';'))));
}

void TestSalesGui::touchButtonsReportIdsZeroToTwenty()
{
    ScriptedPrompts prompts;
    SalesGui form;
    for (int id = 0; id < 21; ++id) {
        QAbstractButton* b = form.buttonGroup1->button(id);
        QVERIFY(b);
        QCOMPARE(b->objectName(), QStringLiteral("toolButton%1").arg(id + 1));
        QCOMPARE(form.touchButtonAt(id), b);
    }
    QCOMPARE(form.buttonGroup1->buttons().size(), 21);
}

void TestSalesGui::keysWorkWithoutTheMenuBar_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("slot");
    // Keys whose buttons share a function key on several tabs must reach the
    // button of the tab shown, never both or neither.
    QTest::newRow("F3 on the sales tab") << "tab" << QKeySequence(Qt::Key_F3) << "F3()";
    QTest::newRow("F3 on the receipt tab") << "tab_4" << QKeySequence(Qt::Key_F3) << "F3()";
    QTest::newRow("F5 on the sales tab") << "tab" << QKeySequence(Qt::Key_F5) << "F5clearAll()";
    QTest::newRow("F5 on the receipt tab") << "tab_4" << QKeySequence(Qt::Key_F5) << "F5clearAll()";
    QTest::newRow("F5 on the client tab") << "tab_6" << QKeySequence(Qt::Key_F5) << "updateAccount()";
    QTest::newRow("F6 on the sales tab") << "tab" << QKeySequence(Qt::Key_F6) << "F6DeleteItem()";
    QTest::newRow("F6 on the receipt tab") << "tab_4" << QKeySequence(Qt::Key_F6) << "cashDrawer()";
    QTest::newRow("F7 on the sales tab") << "tab" << QKeySequence(Qt::Key_F7) << "orderInvoice()";
    QTest::newRow("F8 on the sales tab") << "tab" << QKeySequence(Qt::Key_F8) << "processInvoice()";
    QTest::newRow("F8 on the receipt tab") << "tab_4" << QKeySequence(Qt::Key_F8) << "processReceipt()";
    QTest::newRow("F8 on the client tab") << "tab_6" << QKeySequence(Qt::Key_F8) << "newAccount()";
    QTest::newRow("F12") << "tab_4" << QKeySequence(Qt::Key_F12) << "F12()";
    QTest::newRow("Ctrl+F") << "tab" << QKeySequence(QStringLiteral("Ctrl+F")) << "find()";
    QTest::newRow("Ctrl+L") << "tab" << QKeySequence(QStringLiteral("Ctrl+L")) << "clear()";
    QTest::newRow("Ctrl+F12") << "tab" << QKeySequence(QStringLiteral("Ctrl+F12")) << "editBill()";
}

void TestSalesGui::keysWorkWithoutTheMenuBar()
{
    QFETCH(QString, page);
    QFETCH(QKeySequence, key);
    QFETCH(QString, slot);
    ShownForm f;
    f.form.menuBar()->hide();
    f.form.TabWidget2->setCurrentWidget(f.form.findChild<QWidget*>(page));
    QVERIFY(f.active());
    f.prompts.expect(ZkPrompt::Warning, QStringLiteral("Brevalon Sales"), notImplemented(slot));
    QTest::keySequence(&f.form, key);
    // A button's key clicks it a moment later, as a press of the finger would.
    QTRY_VERIFY2(f.prompts.done(), qPrintable(f.prompts.pending()));
}

void TestSalesGui::secondF10TendersTheBalance()
{
    ShownForm f;
    QVERIFY(f.active());
    f.form.CurBalEdit->setText(QStringLiteral("85.50"));
    f.prompts.expect(ZkPrompt::Warning, QString(), notImplemented(QStringLiteral("amountTenderedChanged(const QString&)")));
    QTest::keyClick(&f.form, Qt::Key_F10);
    QCOMPARE(f.form.TabWidget2->currentWidget(), f.form.tab_4);
    QCOMPARE(QApplication::focusWidget(), f.form.CashAmountEdit);
    QCOMPARE(f.form.CashAmountEdit->text(), QString());
    QTest::keyClick(&f.form, Qt::Key_F10);
    QCOMPARE(f.form.CashAmountEdit->text(), QStringLiteral("85.50"));
    QCOMPARE(f.form.CashAmountEdit->selectedText(), QStringLiteral("85.50"));
    QVERIFY(f.prompts.done());

    QTest::keyClick(&f.form, Qt::Key_F11);
    QCOMPARE(f.form.TabWidget2->currentWidget(), f.form.tab);
    QCOMPARE(f.form.tabWidget3->currentWidget(), f.form.tab_3);
    QTest::keyClick(&f.form, Qt::Key_F2);
    QCOMPARE(f.form.tabWidget3->currentWidget(), f.form.tab_2);
    QCOMPARE(QApplication::focusWidget(), f.form.ItemComboBox);
    f.form.TabWidget2->setCurrentWidget(f.form.tab_5);
    QTest::keyClick(&f.form, Qt::Key_F9);
    QCOMPARE(f.form.TabWidget2->currentWidget(), f.form.tab);
}

void TestSalesGui::f1ClearsTheWaiterAndSelectsTheName()
{
    ShownForm f;
    QVERIFY(f.active());
    f.form.WaiterEdit->setText(QStringLiteral("2222"));
    f.form.NameComboBox->setEditText(QStringLiteral("TABLE 4"));
    QTest::keyClick(&f.form, Qt::Key_F1);
    QCOMPARE(f.form.WaiterEdit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), f.form.NameComboBox);
    QCOMPARE(f.form.NameComboBox->lineEdit()->selectedText(), QStringLiteral("TABLE 4"));
}

void TestSalesGui::enteringATabFocusesItsField_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::newRow("sales tab") << "tab" << "ItemComboBox";
    QTest::newRow("receipt tab") << "tab_4" << "CashAmountEdit";
}

void TestSalesGui::enteringATabFocusesItsField()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    ShownForm f;
    QVERIFY(f.active());
    f.form.TabWidget2->setCurrentWidget(f.form.tab_5);
    f.form.TabWidget2->setCurrentWidget(f.form.findChild<QWidget*>(page));
    QWidget* expected = f.form.findChild<QWidget*>(field);
    QVERIFY(QApplication::focusWidget() == expected || expected->isAncestorOf(QApplication::focusWidget()));
}

void TestSalesGui::editingTheNameClosesTheSalesTab()
{
    ScriptedPrompts prompts;
    SalesGui form;
    form.BannerLabel->setText(QStringLiteral("The Harbour Kitchen - Served by JOHN"));
    QVERIFY(form.salesTabOpen());
    form.NameComboBox->setEditText(QStringLiteral("TAB"));
    QVERIFY(!form.salesTabOpen());
    QVERIFY(!form.ItemComboBox->isEnabled());
    QCOMPARE(form.BannerLabel->text(), QString());
    // The cashier keeps looking at the sale while typing the name.
    QCOMPARE(form.TabWidget2->currentWidget(), form.tab);
    form.setSalesTabOpen(true);
    QVERIFY(form.ItemComboBox->isEnabled());
}

void TestSalesGui::saleListShowsOnlyItsFourColumns()
{
    ScriptedPrompts prompts;
    SalesGui form;
    QCOMPARE(form.VendListView->columnCount(), 17);
    int widths = 0;
    for (int c = 0; c < 17; ++c) {
        QCOMPARE(form.VendListView->isColumnHidden(c), c >= 4);
        if (c < 4)
            widths += form.VendListView->columnWidth(c);
    }
    // A hidden column still counted would give the list a needless scroll bar.
    QCOMPARE(form.VendListView->header()->length(), widths);
    form.languageChange();
    QCOMPARE(form.VendListView->header()->length(), widths);
}

void TestSalesGui::languageChangeSetsTheTextsAgain()
{
    ScriptedPrompts prompts;
    SalesGui form;
    form.TabWidget2->setTabText(0, QStringLiteral("x"));
    form.PushButton5->setText(QStringLiteral("x"));
    form.fileMenu->setTitle(QStringLiteral("x"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&form, &change);
    QCOMPARE(form.TabWidget2->tabText(0), QStringLiteral("F9 Sales"));
    QCOMPARE(form.TabWidget2->tabText(1), QStringLiteral("F10 Receipt"));
    QCOMPARE(form.TabWidget2->tabText(2), QStringLiteral("&Documents"));
    QCOMPARE(form.TabWidget2->tabText(3), QStringLiteral("Client"));
    QCOMPARE(form.tabWidget3->tabText(0), QStringLiteral("F2"));
    QCOMPARE(form.tabWidget3->tabText(1), QStringLiteral("F11 Department Selection"));
    QCOMPARE(form.PushButton5->text(), QStringLiteral("F8 Print Bill"));
    QCOMPARE(form.fileMenu->title(), QStringLiteral("&File"));
    const QStringList periods = {QStringLiteral("Today"), QStringLiteral("This Week"), QStringLiteral("This Month"),
                                 QStringLiteral("This Year"), QStringLiteral("Forever")};
    QCOMPARE(form.comboBox5->count(), periods.size());
    for (int i = 0; i < periods.size(); ++i)
        QCOMPARE(form.comboBox5->itemText(i), periods.at(i));
    QCOMPARE(form.InvoiceListView->headerItem()->text(0), QStringLiteral("Invoice #"));
    QCOMPARE(form.ReceiptListView->headerItem()->text(0), QStringLiteral("Receipt #"));
    QCOMPARE(form.QuoteListView->headerItem()->text(0), QStringLiteral("Quote #"));
    QCOMPARE(form.RefundListView->headerItem()->text(0), QStringLiteral("Return #"));
}

void TestSalesGui::unimplementedSlotSaysSo()
{
    ScriptedPrompts prompts;
    SalesGui form;
    prompts.expect(ZkPrompt::Warning, QStringLiteral("Brevalon Sales"),
                   QStringLiteral("checkPending(double*, double*) Not Implemented"));
    double tax1 = 1;
    double tax2 = 2;
    QCOMPARE(form.checkPending(&tax1, &tax2), 0.0);
    QCOMPARE(prompts.seen().value(0), QStringLiteral("warning|Brevalon Sales|checkPending(double*, double*) Not Implemented"));
    prompts.expect(ZkPrompt::Warning, QStringLiteral("Brevalon Sales"), notImplemented(QStringLiteral("addComposition(QString)")));
    QVERIFY(!form.addComposition(QStringLiteral("LUNCH")));
}

BREVALON_TEST_MAIN(TestSalesGui)
#include "tst_salesgui.moc"
