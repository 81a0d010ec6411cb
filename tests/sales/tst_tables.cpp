// Choosing tables at the till: where each ending of the chooser leaves the
// window, F1 on either layout, a table that went away while the chooser was
// up, lines that a cancelled choice must not throw away unasked, and moving
// an order to another table on the touch layout and at the keyboard.

#include "tests/sales/restauranttill.h"

#include <QLineEdit>

namespace {

QString money(const QString& sql)
{
    return Utility::numStr(TestShop::value(sql).toDouble(), 2);
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void chooserEndings_data();
    void chooserEndings();
    void chooserFitsTheLayout_data();
    void chooserFitsTheLayout();
    void waiterWithoutOpenTablesSeesFreeOnes();
    void vanishedTableIsChosenAgain();
    void cancelAsksBeforeLinesAreLost();
    void transferOnTouch();
    void transferCancelledLeavesTheOrder();
    void transferAtTheKeyboard();
    void transferNeedsATableWithAnOrder_data();
    void transferNeedsATableWithAnOrder();
};

void TestTables::chooserEndings_data()
{
    QTest::addColumn<QString>("list");   // the chooser's list pressed first
    QTest::addColumn<QString>("ending"); // a table, "cancel" or "invoice"
    QTest::addColumn<int>("account");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("open table: ready for more of its order")
        << "" << "TABLE 3" << RestaurantTill::table(3) << "tab" << "ItemComboBox"
        << QStringList{"historyPeriod(2)@4"};
    QTest::newRow("free table: ready for its first order")
        << "new" << "TABLE 7" << RestaurantTill::table(7) << "tab" << "ItemComboBox"
        << QStringList{"historyPeriod(2)@8"};
    QTest::newRow("table to pay: the receipt tab, cash first")
        << "pay" << "TABLE 5" << RestaurantTill::table(5) << "tab_4" << "CashAmountEdit"
        << QStringList{"historyPeriod(2)@6"};
    QTest::newRow("pay by invoice: the invoice search")
        << "" << "invoice" << -1 << "tab" << "" << QStringList{"findInvoice@10"};
    QTest::newRow("cancel: the till starts again with the waiter")
        << "" << "cancel" << -1 << "tab" << "" << QStringList{};
}

void TestTables::chooserEndings()
{
    QFETCH(QString, list);
    QFETCH(QString, ending);
    QFETCH(int, account);
    QFETCH(QString, page);
    QFETCH(QString, focus);
    QFETCH(QStringList, calls);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    const int open = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"), {"3001", "4001"});
    till.printBill(RestaurantTill::order(RestaurantTill::table(5), QStringLiteral("JOHN"), {"3002"}));
    w.comboBox5->setCurrentIndex(2);
    // A table chosen before is forgotten by a cancel.
    QVERIFY(till.choose(QStringLiteral("TABLE 9")));
    utils->setWaiter(QStringLiteral("JOHN"));

    if (ending == QLatin1String("cancel") || ending == QLatin1String("invoice"))
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press(ending));
    else
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick(list, ending));
    if (ending == QLatin1String("cancel"))
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    w.guiTable();
    till.allPromptsCame();

    if (ending != QLatin1String("invoice"))
        QCOMPARE(utils->getAccountNumber(), account);
    QCOMPARE(w.documentCalls, calls);
    QCOMPARE(w.TabWidget2->currentWidget()->objectName(), page);
    if (!focus.isEmpty())
        QCOMPARE(till.focus()->objectName(), focus);
    if (account == RestaurantTill::table(3)) {
        // The order so far is on show, ready to be added to.
        QCOMPARE(w.NameComboBox->currentText(), QStringLiteral("TABLE 3"));
        QCOMPARE(w.TotalLCD->text(), money(QStringLiteral("SELECT SUM(Price) FROM InvoiceItem WHERE InvoiceNumber=%1").arg(open)));
        QVERIFY(w.EditPushButton->isVisibleTo(&w));
        QVERIFY(w.salesTabOpen());
    } else if (account == RestaurantTill::table(5)) {
        QCOMPARE(w.CurBalEdit->text(), money(QStringLiteral("SELECT Amount FROM Journal WHERE AccountNumber=6")));
        QCOMPARE(w.PayListView->topLevelItemCount(), 1);
    } else if (account == RestaurantTill::table(7)) {
        QCOMPARE(w.TotalLCD->text(), QStringLiteral("0.00"));
        QVERIFY(!w.EditPushButton->isVisibleTo(&w));
    }
    if (ending == QLatin1String("cancel")) {
        QCOMPARE(w.NameComboBox->currentText(), QString());
        QVERIFY(!utils->hasWaiter());
        QVERIFY(!w.salesTabOpen());
    }
}

void TestTables::chooserFitsTheLayout_data()
{
    QTest::addColumn<bool>("touch");
    QTest::newRow("touch: F1 chooses a table, no title bar") << true;
    QTest::newRow("keyboard: F1 goes to the name entry") << false;
}

void TestTables::chooserFitsTheLayout()
{
    QFETCH(bool, touch);
    RestaurantTill till(QStringLiteral("SUE"), touch);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    w.WaiterEdit->setText(QStringLiteral("3333"));
    bool frameless = false;
    if (touch) {
        till.prompts().expectExec(QStringLiteral("TableEntry"),
                                  RestaurantTill::pick("new", "TABLE 4", [&](TableEntry* chooser) {
                                      frameless = chooser->windowFlags().testFlag(Qt::FramelessWindowHint);
                                  }));
    }
    QTest::keyClick(&w, Qt::Key_F1);
    till.allPromptsCame();
    QCOMPARE(frameless, touch);
    if (touch) {
        QVERIFY(RestaurantTill::atTable(4));
        QCOMPARE(till.focus(), w.ItemComboBox);
    } else {
        QVERIFY(RestaurantTill::atTable(2));
        QCOMPARE(w.WaiterEdit->text(), QString());
        QCOMPARE(till.focus(), w.NameComboBox);
        QVERIFY(w.NameComboBox->lineEdit()->hasSelectedText());
    }
}

void TestTables::waiterWithoutOpenTablesSeesFreeOnes()
{
    RestaurantTill till(QStringLiteral("SUE"));
    RestaurantSales& w = till.w();
    // Only JOHN has an open table; SUE's touch chooser narrows to her own.
    RestaurantTill::order(RestaurantTill::table(1), QStringLiteral("JOHN"));
    utils->setWaiter(QStringLiteral("SUE"));
    QStringList offered;
    till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("", "TABLE 12", [&](TableEntry* c) {
        offered = RestaurantTill::shown(c);
    }));
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(offered.size(), 11);
    QVERIFY(!offered.contains(QStringLiteral("TABLE 1")));
    QVERIFY(RestaurantTill::atTable(12));
}

void TestTables::vanishedTableIsChosenAgain()
{
    RestaurantTill till(QStringLiteral("SUE"));
    RestaurantSales& w = till.w();
    // TABLE 6 is taken off the floor plan while the chooser is up.
    till.prompts()
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("new", "TABLE 6", [](TableEntry*) {
            TestShop::exec(QStringLiteral("DELETE FROM Clients WHERE AccountNumber=7"));
        }))
        .expect(ZkPrompt::Warning, QStringLiteral("Error"), QStringLiteral("Could not find any match for search"))
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("new", "TABLE 8"));
    const int beeps = till.prompts().beeps();
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(till.prompts().beeps(), beeps + 1);
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(w.documentCalls, QStringList{"historyPeriod(0)@9"});
}

void TestTables::cancelAsksBeforeLinesAreLost()
{
    RestaurantTill till(QStringLiteral("SUE"));
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));
    till.prompts()
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"))
        .expect(ZkPrompt::Question, QStringLiteral("Sales"), QStringLiteral("There are items in the Sales tab"), 1);
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
    QVERIFY(RestaurantTill::atTable(2));

    // Asked once: the reset that follows does not ask again.
    till.prompts()
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"))
        .expect(ZkPrompt::Question, QStringLiteral("Sales"), QStringLiteral("There are items in the Sales tab"), 0)
        .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(w.VendListView->topLevelItemCount(), 0);
    QCOMPARE(utils->getAccountNumber(), -1);
}

void TestTables::transferOnTouch()
{
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"));
    utils->setWaiter(QStringLiteral("JOHN"));
    QVERIFY(till.choose(QStringLiteral("TABLE 3")));
    QString during;
    bool buttonDuring = true;
    till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("new", "TABLE 8", [&](TableEntry*) {
        during = w.status();
        buttonDuring = w.pushButton30->isEnabled();
    }));
    w.pushButton30->click();
    till.allPromptsCame();

    QCOMPARE(during, QStringLiteral("Transfer from Table TABLE 3"));
    QVERIFY(!buttonDuring);
    // The order was taken from the old table, then the new one chosen.
    QCOMPARE(w.documentCalls, QStringList{"editInvoice@4"});
    QVERIFY(RestaurantTill::atTable(8));
    QCOMPARE(w.VendListView->topLevelItem(0)->text(Sales::ColDescription), QStringLiteral("ORDER OF 4"));
    QCOMPARE(w.status(), QStringLiteral("Now process pending order"));
    QCOMPARE(w.transferSource(), RestaurantTill::table(3));
    QVERIFY(!w.pushButton30->isEnabled());

    // A second transfer waits until this one is ordered.
    const int beeps = till.prompts().beeps();
    w.transferTable();
    QCOMPARE(till.prompts().beeps(), beeps + 1);

    // Ordering clears the till, which ends the transfer.
    till.prompts()
        .expect(ZkPrompt::Question, QStringLiteral("Sales"), QStringLiteral("There are items in the Sales tab"), 0)
        .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    w.clear();
    till.allPromptsCame();
    QCOMPARE(w.transferSource(), -1);
    QVERIFY(w.pushButton30->isEnabled());
}

void TestTables::transferCancelledLeavesTheOrder()
{
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    const int open = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"));
    utils->setWaiter(QStringLiteral("JOHN"));
    QVERIFY(till.choose(QStringLiteral("TABLE 3")));
    till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"));
    w.transferTable();
    till.allPromptsCame();
    QCOMPARE(w.documentCalls, QStringList{});
    QVERIFY(RestaurantTill::atTable(3));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(open)).toString(),
             QStringLiteral("P"));
    QCOMPARE(w.status(), QString());
    QVERIFY(w.pushButton30->isEnabled());
    QCOMPARE(w.transferSource(), -1);
}

void TestTables::transferAtTheKeyboard()
{
    RestaurantTill till(QStringLiteral("JOHN"), false);
    RestaurantSales& w = till.w();
    RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"));
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("TABLE 3"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);
    QVERIFY(RestaurantTill::atTable(3));
    w.pushButton30->click();

    QCOMPARE(w.documentCalls, QStringList{"editInvoice@4"});
    QCOMPARE(w.status(), QStringLiteral("Select new Table then Process pending order"));
    QVERIFY(!w.pushButton30->isEnabled());
    QVERIFY(!w.salesTabOpen());
    QVERIFY(w.NameComboBox->isEnabled());
    QCOMPARE(till.focus(), w.NameComboBox);

    // The new table is typed over the old one; the order goes with it.
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("TABLE 10"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);
    QVERIFY(RestaurantTill::atTable(10));
    QVERIFY(w.salesTabOpen());
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
    QCOMPARE(w.transferSource(), RestaurantTill::table(3));
}

void TestTables::transferNeedsATableWithAnOrder_data()
{
    QTest::addColumn<QString>("account"); // what is chosen before the transfer
    QTest::addColumn<bool>("order");
    QTest::newRow("no account chosen") << "" << false;
    QTest::newRow("a client is no table") << "BAYSIDE CATERING" << true;
    QTest::newRow("a table with nothing to move") << "TABLE 4" << false;
}

void TestTables::transferNeedsATableWithAnOrder()
{
    QFETCH(QString, account);
    QFETCH(bool, order);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    if (!account.isEmpty())
        QVERIFY(till.choose(account));
    if (order)
        RestaurantTill::order(utils->getAccountNumber(), QStringLiteral("JOHN"));
    const int before = utils->getAccountNumber();
    const int beeps = till.prompts().beeps();
    w.transferTable();
    till.allPromptsCame();
    QCOMPARE(till.prompts().beeps(), beeps + 1);
    QCOMPARE(utils->getAccountNumber(), before);
    QCOMPARE(w.documentCalls, QStringList{});
    QVERIFY(w.pushButton30->isEnabled());
    QCOMPARE(w.transferSource(), -1);
    QCOMPARE(w.status(), QString());
}

BREVALON_TEST_MAIN(TestTables)
#include "tst_tables.moc"
