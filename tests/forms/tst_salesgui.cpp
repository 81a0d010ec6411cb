// The till's form on its own: a function key reaching the wrong tab's button (or none), the
// form's own keys and tab focus, and hidden sale columns.

#include "forms/salesgui.h"
#include "tests/support/testshop.h"

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
    void keysWorkWithoutTheMenuBar_data();
    void keysWorkWithoutTheMenuBar();
    void formKeysMoveBetweenTabs();
    void saleListShowsFourColumns();
};

void TestSalesGui::keysWorkWithoutTheMenuBar_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("slot");
    // A key shared by buttons of several tabs reaches the shown tab's, never both or neither.
    QTest::newRow("F5 on the client tab") << "tab_6" << QKeySequence(Qt::Key_F5) << "updateAccount()";
    QTest::newRow("F6 on the sales tab") << "tab" << QKeySequence(Qt::Key_F6) << "F6DeleteItem()";
    QTest::newRow("F6 on the receipt tab") << "tab_4" << QKeySequence(Qt::Key_F6) << "cashDrawer()";
    QTest::newRow("F12") << "tab_4" << QKeySequence(Qt::Key_F12) << "F12()";
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
