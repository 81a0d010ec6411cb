// The till's form on its own: a part renamed, retyped or left out, a function key reaching the
// wrong tab's button (or none), the form's own keys and tab focus, and hidden sale columns.

#include "forms/salesgui.h"
#include "tests/support/testshop.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

namespace {

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
    void everyNamedPartExists();
    void keysWorkWithoutTheMenuBar_data();
    void keysWorkWithoutTheMenuBar();
    void formKeysMoveBetweenTabs();
    void saleListShowsFourColumns();
};

void TestSalesGui::everyNamedPartExists()
{
    // The other windows, the rights and the posting code find these by name.
    const char* const parts[][2] = {
        {"QComboBox", "NameComboBox PriceComboBox TypeComboBox ItemComboBox comboBox5"},
        {"QLineEdit", "WaiterEdit QuantityEdit PriceEdit LessEdit TotalEdit SalesGuiPersonEdit "
                      "CashAmountEdit CardAmountEdit ChequeAmountEdit EFTAmountEdit CouponAmountEdit "
                      "TipAmountEdit OutBalEdit CurBalEdit ChangeEdit PayRefEdit AccEdit SetNameEdit "
                      "SetEmailEdit SetIdEdit SetPhoneEdit SetFaxEdit SetCellEdit SetVatEdit "
                      "SetDiscountAEdit SetDiscountCEdit"},
        {"QTextEdit", "NotesEdit SetShippingText SetPostalText SetNotesText"},
        {"QLabel", "TotalLCD PendingLabel codeLabel stockLevelLabel StockLabel QtyLabel ChangeDueLabel "
                   "EFTLabel BannerLabel"},
        {"QTabWidget", "TabWidget2 tabWidget3"},
        {"QWidget", "tab tab_2 tab_3 tab_4 tab_5 tab_6"},
        {"QTreeWidget", "VendListView PayListView InvoiceListView ReceiptListView QuoteListView "
                        "RefundListView ClientListView"},
        {"QCheckBox", "tax1_tb tax2_tb checkBox4 SetBadDebtCheckBox SetKeepCreditCheckBox"},
        {"QGroupBox", "GroupBox1"},
        {"QPushButton", "pushButton30 PreviewPushButton PushButton3 PushButton4 EditPushButton OrderButton "
                        "PushButton5 AddPushButton pushButton28 pushButton29 bankNoteButton1 "
                        "bankNoteButton2 bankNoteButton3 bankNoteButton4 bankNoteButton5 bankNoteButton6 "
                        "RefundPushButton ProcessButton NewAccountButton UpdateAccountButton"},
        {"QButtonGroup", "buttonGroup1"},
        {"QActionGroup", "ViewReportsActionGroup"},
        {"QAction", "fileMailStatementsAction fileMailEmailAction fileMailGroupRenewalsAction "
                    "fileBackupAction fileCashUpAction fileMonthEndAction fileReceiveStockAction "
                    "fileAdminGroupCash_DateAction fileAdminGroupReset_SequenceAction "
                    "fileAdminGroupWaiter_Cash_UpAction fileLogoutAction fileExitAction "
                    "editPreferencesAction editInventoryAction editManageGroupDepartmentsAction "
                    "editManageGroupCompositionsAction editManageGroupSuppliersAction "
                    "editManageGroupOrdersAction editClientPurgeAction editClientMergeAction "
                    "editSerialSearchAction editFindAction editClearAllAction editEdit_Bill_CtrlF12Action "
                    "editReturnsAction viewStatementAction viewJournalAction viewAuditAction "
                    "helpContentsAction helpAboutAction ViewReportsGroupActionsAction"},
        {"QMenu", "fileMenu fileMailMenu fileAdminMenu clientsMenu manageMenu editMenu reportsMenu viewMenu "
                  "helpMenu"},
    };
    ScriptedPrompts prompts;
    SalesGui form;
    QStringList wrong;
    auto check = [&](const QString& name, const char* kind) {
        const QList<QObject*> found = form.findChildren<QObject*>(name);
        if (found.size() != 1 || !found.first()->inherits(kind))
            wrong << name + QLatin1Char(' ') + QLatin1String(kind);
    };
    for (const auto& p : parts) {
        for (const QString& name : QString::fromLatin1(p[1]).split(QLatin1Char(' ')))
            check(name, p[0]);
    }
    // The touch places report ids 0..20, toolButton1..21 in order.
    for (int id = 0; id < 21; ++id) {
        check(QString("toolButton%1").arg(id + 1), "QToolButton");
        if (form.touchButtonAt(id) != form.buttonGroup1->button(id)
            || form.buttonGroup1->button(id)->objectName() != QString("toolButton%1").arg(id + 1))
            wrong << QString("touch id %1").arg(id);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(", "))));
    // The code addresses the main tabs by position.
    const QList<QWidget*> main{form.tab, form.tab_4, form.tab_5, form.tab_6};
    for (int i = 0; i < main.size(); ++i)
        QCOMPARE(form.TabWidget2->widget(i), main.at(i));
    QCOMPARE(form.tabWidget3->widget(0), form.tab_2);
    QCOMPARE(form.tabWidget3->widget(1), form.tab_3);
    QVERIFY(form.tab_2->isAncestorOf(form.ItemComboBox));
    QVERIFY(form.tab_4->isAncestorOf(form.CashAmountEdit));
    QVERIFY(form.tab_6->isAncestorOf(form.SetDiscountCEdit));
    // The Reports right switches one group: every report but the action log.
    for (QAction* a : form.reportsMenu->actions()) {
        if (!a->isSeparator())
            QCOMPARE(form.ViewReportsActionGroup->actions().contains(a),
                     a != form.ViewReportsGroupActionsAction);
    }
    QCOMPARE(form.ViewReportsActionGroup->actions().size(), 18); // with the kitchen preparation times
}

void TestSalesGui::keysWorkWithoutTheMenuBar_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("slot");
    // A key shared by buttons of several tabs reaches the shown tab's, never both or neither.
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
    QTest::newRow("Ctrl+F") << "tab" << QKeySequence("Ctrl+F") << "find()";
    QTest::newRow("Ctrl+L") << "tab" << QKeySequence("Ctrl+L") << "clear()";
    QTest::newRow("Ctrl+F12") << "tab" << QKeySequence("Ctrl+F12") << "editBill()";
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
    f.prompts.expect(ZkPrompt::Warning, "Brevalon Sales", notImplemented(slot));
    QTest::keySequence(&f.form, key);
    // A button's key clicks it a moment later, as a press of the finger would.
    QTRY_VERIFY2(f.prompts.done(), qPrintable(f.prompts.pending()));
}

void TestSalesGui::formKeysMoveBetweenTabs()
{
    ShownForm f;
    QVERIFY(f.active());
    SalesGui& form = f.form;
    // F10 opens the receipt tab; a second F10 tenders the balance in cash.
    form.CurBalEdit->setText("85.50");
    f.prompts.expect(ZkPrompt::Warning, QString(), notImplemented("amountTenderedChanged(const QString&)"));
    QTest::keyClick(&form, Qt::Key_F10);
    QCOMPARE(form.TabWidget2->currentWidget(), form.tab_4);
    QCOMPARE(QApplication::focusWidget(), form.CashAmountEdit);
    QCOMPARE(form.CashAmountEdit->text(), QString());
    QTest::keyClick(&form, Qt::Key_F10);
    QCOMPARE(form.CashAmountEdit->selectedText(), "85.50");
    QVERIFY(f.prompts.done());
    // F11 the touch page, F2 the keyboard page, F9 the sales tab.
    QTest::keyClick(&form, Qt::Key_F11);
    QCOMPARE(form.TabWidget2->currentWidget(), form.tab);
    QCOMPARE(form.tabWidget3->currentWidget(), form.tab_3);
    QTest::keyClick(&form, Qt::Key_F2);
    QCOMPARE(form.tabWidget3->currentWidget(), form.tab_2);
    QCOMPARE(QApplication::focusWidget(), form.ItemComboBox);
    form.TabWidget2->setCurrentWidget(form.tab_5);
    QTest::keyClick(&form, Qt::Key_F9);
    QCOMPARE(form.TabWidget2->currentWidget(), form.tab);
    // Entering a tab by any way puts the keyboard in its field.
    form.TabWidget2->setCurrentWidget(form.tab_5);
    form.TabWidget2->setCurrentWidget(form.tab_4);
    QCOMPARE(QApplication::focusWidget(), form.CashAmountEdit);
    form.TabWidget2->setCurrentWidget(form.tab_5);
    form.TabWidget2->setCurrentWidget(form.tab);
    QVERIFY(form.ItemComboBox->isAncestorOf(QApplication::focusWidget())
            || QApplication::focusWidget() == form.ItemComboBox);
    // F1: the waiter is cleared and the name selected for typing over.
    form.WaiterEdit->setText("2222");
    form.NameComboBox->setEditText("TABLE 4");
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(form.WaiterEdit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), form.NameComboBox);
    QCOMPARE(form.NameComboBox->lineEdit()->selectedText(), "TABLE 4");
    // Typing a name closes the sale until an account is chosen.
    QVERIFY(!form.salesTabOpen());
    QVERIFY(!form.ItemComboBox->isEnabled());
    // The exit entry closes the window.
    form.fileExitAction->trigger();
    QVERIFY(!form.isVisible());
}

void TestSalesGui::saleListShowsFourColumns()
{
    ScriptedPrompts prompts;
    SalesGui form;
    // Seventeen columns, four shown, also after a change of language; a
    // hidden one still counted would give the list a needless scroll bar.
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(form.VendListView->columnCount(), 17);
        int widths = 0;
        for (int c = 0; c < 17; ++c) {
            QCOMPARE(form.VendListView->isColumnHidden(c), c >= 4);
            widths += c < 4 ? form.VendListView->columnWidth(c) : 0;
        }
        QCOMPARE(form.VendListView->header()->length(), widths);
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&form, &change);
    }
}

BREVALON_TEST_MAIN(TestSalesGui)
#include "tst_salesgui.moc"
