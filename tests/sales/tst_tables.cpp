// Tables, waiters and bills beyond the evening's path: what the chooser lists
// and its buttons, touch and keyboard layouts, refused transfers, waiter codes
// nobody has, lines lost unasked, and printed bills that may not be changed.

#include "tests/sales/restauranttill.h"

#include <QLineEdit>

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void chooserLists();
    void chooserButtons_data();
    void chooserButtons();
    void layouts_data();
    void layouts();
    void vanishedTableIsChosenAgain();
    void transferRefused_data();
    void transferRefused();
    void unknownWaiterCodes_data();
    void unknownWaiterCodes();
    void adminIsNeverAskedForAWaiter();
    void linesKeptUnlessConfirmed_data();
    void linesKeptUnlessConfirmed();
    void editBillRefused_data();
    void editBillRefused();
};

void TestTables::chooserLists()
{
    TestShop shop;
    auto invoice = [](int account, const char* waiter, const char* status) {
        TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status, Waiter) VALUES "
                                      "('2026-12-05 19:42:00', %1, '%2', '%3')")
                           .arg(account)
                           .arg(QLatin1String(status), Utility::escapeSQL(QLatin1String(waiter))));
        return TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Invoice")).toInt();
    };
    auto bill = [&](int account, const char* waiter, int paidBy) {
        TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, "
                                      "CrossRef) VALUES (%1, 'I', '2026-12-05 20:00:00', 250, %2, %3)")
                           .arg(account)
                           .arg(invoice(account, waiter, "C"))
                           .arg(paidBy));
    };
    using RT = RestaurantTill;
    invoice(RT::table(3), "JOHN", "P");
    invoice(RT::table(5), "SUE", "P");
    invoice(RT::table(8), "O'NEIL", "P");
    invoice(14, "JOHN", "P"); // a client's pending order is no table
    bill(RT::table(2), "SUE", 0);
    bill(RT::table(7), "JOHN", 0);
    bill(RT::table(6), "JOHN", 17); // paid by receipt 17
    bill(14, "JOHN", 0);
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('ROOM 101'), ('TABLESPOON TRADERS')"));

    // A cashier at the counter sees every open table, with its time.
    utils->setUserName(QStringLiteral("MARY"));
    settings->writeEntry(QStringLiteral("/Personal/VendPage/MARY"), false);
    TableEntry chooser;
    QCOMPARE(RT::shown(&chooser), (QStringList{"TABLE 3", "TABLE 5", "TABLE 8"}));
    QVERIFY(chooser.iconView1->item(0)->text().contains(QLatin1String("19:42")));
    // A waiter on the touch layout sees his own; a quote in a name is escaped.
    for (const char* waiter : {"JOHN", "O'NEIL"}) {
        utils->setWaiter(QLatin1String(waiter));
        settings->writeEntry(QStringLiteral("/Personal/VendPage/") + QLatin1String(waiter), true);
        chooser.init();
        QCOMPARE(RT::shown(&chooser), QStringList{waiter == QLatin1String("JOHN") ? "TABLE 3" : "TABLE 8"});
    }
    // The free tables in room order, rooms too; a closed or paid bill frees its table.
    chooser.newTable();
    QCOMPARE(RT::shown(&chooser), (QStringList{"ROOM 101", "TABLE 1", "TABLE 2", "TABLE 4", "TABLE 6", "TABLE 7",
                                               "TABLE 9", "TABLE 10", "TABLE 11", "TABLE 12"}));
    // Return on the current icon chooses it.
    chooser.show();
    chooser.iconView1->setCurrentRow(2);
    QTest::keyClick(chooser.iconView1, Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.getValue(), QStringLiteral("TABLE 2"));
    // The unpaid bills of tables, with their waiters; one chosen ends pay mode.
    QCOMPARE(RT::pick(QStringLiteral("pay"), QStringLiteral("TABLE 7"), [](TableEntry* c) {
                 QVERIFY(c->payMode());
                 QCOMPARE(RT::shown(c), (QStringList{"TABLE 2", "TABLE 7"}));
                 QVERIFY(c->iconView1->item(0)->text().contains(QLatin1String("SUE")));
             })(&chooser),
             int(TableEntry::PayTable));
    QCOMPARE(chooser.getValue(), QStringLiteral("TABLE 7"));
    QVERIFY(!chooser.payMode());
}

void TestTables::chooserButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("pay by invoice: the invoice search") << "invoice" << QStringList{"findInvoice@10"};
    QTest::newRow("cancel: the till starts again with the waiter") << "cancel" << QStringList{};
}

void TestTables::chooserButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, calls);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    // A table chosen before is forgotten by a cancel.
    QVERIFY(till.choose(QStringLiteral("TABLE 9")));
    utils->setWaiter(QStringLiteral("JOHN"));
    till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press(button));
    if (button == QLatin1String("cancel"))
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    w.guiTable();
    till.allPromptsCame();
    QCOMPARE(w.documentCalls, calls);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    if (button == QLatin1String("cancel")) {
        QCOMPARE(utils->getAccountNumber(), -1);
        QCOMPARE(w.NameComboBox->currentText(), QString());
        QVERIFY(!utils->hasWaiter());
        QVERIFY(!w.salesTabOpen());
    }
}

void TestTables::layouts_data()
{
    QTest::addColumn<bool>("touch");
    QTest::newRow("touch: F1 chooses a table, no title bar; the waiter field opens the keypad") << true;
    QTest::newRow("keyboard: F1 goes to the name entry; the waiter field is only focused") << false;
}

void TestTables::layouts()
{
    QFETCH(bool, touch);
    RestaurantTill till(QStringLiteral("SUE"), touch);
    RestaurantSales& w = till.w();
    // The table was chosen without a waiter; a line is rung up already.
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    till.addLine(QStringLiteral("2"), QStringLiteral("CAPPUCCINO"), QStringLiteral("64.00"));
    if (touch)
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3333")));
    QTest::mouseClick(w.WaiterEdit, Qt::LeftButton);
    till.allPromptsCame();
    // The first waiter takes the lines over: nothing to ask, nothing lost.
    QCOMPARE(utils->hasWaiter(), touch);
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
    QVERIFY(RestaurantTill::atTable(2));
    if (!touch)
        QCOMPARE(till.focus(), w.WaiterEdit);

    bool frameless = false;
    if (touch)
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("", "TABLE 4", [&](TableEntry* c) {
            frameless = c->windowFlags().testFlag(Qt::FramelessWindowHint);
        }));
    QTest::keyClick(&w, Qt::Key_F1);
    till.allPromptsCame();
    QCOMPARE(frameless, touch);
    QVERIFY(RestaurantTill::atTable(touch ? 4 : 2));
    QCOMPARE(till.focus(), touch ? static_cast<QWidget*>(w.ItemComboBox) : w.NameComboBox);
    QVERIFY(touch || w.NameComboBox->lineEdit()->hasSelectedText());
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

void TestTables::transferRefused_data()
{
    QTest::addColumn<QString>("account"); // what is chosen before the transfer
    QTest::addColumn<bool>("order");
    QTest::addColumn<int>("beeps");
    QTest::newRow("no account chosen") << "" << false << 1;
    QTest::newRow("a client is no table") << "BAYSIDE CATERING" << true << 1;
    QTest::newRow("a table with nothing to move") << "TABLE 4" << false << 1;
    QTest::newRow("the new table not chosen: the order stays") << "TABLE 3" << true << 0;
}

void TestTables::transferRefused()
{
    QFETCH(QString, account);
    QFETCH(bool, order);
    QFETCH(int, beeps);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    utils->setWaiter(QStringLiteral("JOHN"));
    if (!account.isEmpty())
        QVERIFY(till.choose(account));
    const int before = utils->getAccountNumber();
    if (order)
        RestaurantTill::order(before, QStringLiteral("JOHN"));
    const QStringList rows = TestShop::snapshot();
    if (beeps == 0)
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"));
    const int beepsBefore = till.prompts().beeps();
    w.transferTable();
    till.allPromptsCame();
    QCOMPARE(till.prompts().beeps(), beepsBefore + beeps);
    QCOMPARE(utils->getAccountNumber(), before);
    QCOMPARE(w.documentCalls, QStringList{});
    QCOMPARE(TestShop::snapshot(), rows);
    QVERIFY(w.pushButton30->isEnabled());
    QCOMPARE(w.transferSource(), -1);
    QCOMPARE(w.status(), QString());
}

void TestTables::unknownWaiterCodes_data()
{
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("closed"); // the keypad closed without OK
    QTest::newRow("keyboard: a code nobody has") << false << "7777" << false;
    QTest::newRow("keyboard: a quote in the code is only a wrong code") << false << "22'2" << false;
    QTest::newRow("keyboard: an empty field") << false << "" << false;
    QTest::newRow("keypad: a code nobody has") << true << "5150" << false;
    QTest::newRow("keypad: nothing typed") << true << "" << false;
    QTest::newRow("keypad closed: no beep") << true << "2222" << true;
}

void TestTables::unknownWaiterCodes()
{
    QFETCH(bool, touch);
    QFETCH(QString, code);
    QFETCH(bool, closed);
    RestaurantTill till(QStringLiteral("SUE"), touch);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    const QString banner = w.BannerLabel->text();
    const int beeps = till.prompts().beeps();
    if (touch) {
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code, closed ? Finish::Cancel : Finish::Ok));
        w.guiWaiter();
    } else {
        w.WaiterEdit->setFocus();
        QTest::keyClicks(w.WaiterEdit, code);
        QTest::keyClick(w.WaiterEdit, Qt::Key_Return);
    }
    till.allPromptsCame();
    // Beeped and cleared; nothing else changed.
    QCOMPARE(till.prompts().beeps(), beeps + (closed ? 0 : 1));
    QVERIFY(!utils->hasWaiter());
    QCOMPARE(w.WaiterEdit->text(), QString());
    QCOMPARE(w.BannerLabel->text(), banner);
    QCOMPARE(w.status(), QString());
    QVERIFY(RestaurantTill::atTable(2));
}

void TestTables::adminIsNeverAskedForAWaiter()
{
    RestaurantTill till(QStringLiteral("Admin"), true, RestaurantTill::LoginLater);
    RestaurantSales& w = till.w();
    till.start(); // no keypad is expected
    till.allPromptsCame();
    QVERIFY(!utils->hasWaiter());
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    QVERIFY(!utils->hasWaiter());
    QCOMPARE(w.WaiterEdit->text(), QString());
}

void TestTables::linesKeptUnlessConfirmed_data()
{
    QTest::addColumn<bool>("chooser"); // the chooser cancelled, else another waiter's code
    QTest::addColumn<int>("answer");   // to "There are items in the Sales tab": 0 yes, 1 no
    QTest::newRow("chooser cancelled, No: the lines stay") << true << 1;
    QTest::newRow("chooser cancelled, Yes: cleared, asked once, the waiter asked again") << true << 0;
    QTest::newRow("another waiter, No: JOHN keeps his lines") << false << 1;
    QTest::newRow("another waiter, Yes: afresh with SUE, who chooses her table next") << false << 0;
}

void TestTables::linesKeptUnlessConfirmed()
{
    QFETCH(bool, chooser);
    QFETCH(int, answer);
    RestaurantTill till(QStringLiteral("MARY"), chooser);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 3")));
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));
    if (chooser) {
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"));
    } else {
        // The same waiter again: nothing to ask.
        w.waiterSelected();
        till.allPromptsCame();
        w.WaiterEdit->setText(QStringLiteral("3333"));
    }
    till.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"), QStringLiteral("There are items in the Sales tab"),
                          answer);
    if (chooser && answer == 0)
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    if (chooser)
        w.guiTable();
    else
        w.waiterSelected();
    till.allPromptsCame();

    QCOMPARE(w.VendListView->topLevelItemCount(), answer);
    QCOMPARE(utils->getAccountNumber(), answer ? RestaurantTill::table(3) : -1);
    QCOMPARE(utils->hasWaiter() ? utils->getWaiter() : QString(),
             answer ? QStringLiteral("JOHN") : chooser ? QString() : QStringLiteral("SUE"));
    if (!chooser && answer) {
        QCOMPARE(w.WaiterEdit->text(), QString());
    } else if (!chooser) {
        QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center>Please select table / client</center>"));
        QCOMPARE(till.focus(), w.NameComboBox);
    }
}

void TestTables::editBillRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // %1: the number asked
    QTest::addColumn<bool>("logged");
    QTest::newRow("a sale is open") << "sale" << "PLEASE COMPLETE YOUR CURRENT ORDER FIRST" << false;
    QTest::newRow("asking cancelled") << "cancel" << "" << false;
    QTest::newRow("no such number") << "none" << "Could not find any matching Invoice # %1" << true;
    QTest::newRow("an open order is no printed bill") << "order" << "Could not find any matching Invoice # %1" << true;
    QTest::newRow("a voided bill") << "voided" << "Could not find any matching Invoice # %1" << true;
    QTest::newRow("a paid bill") << "paid" << "Invoice # %1 has been paid and can no longer be changed" << true;
}

void TestTables::editBillRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(bool, logged);
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    int number = 4711;
    if (kind == QLatin1String("sale")) {
        QVERIFY(till.choose(QStringLiteral("TABLE 2")));
        till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));
    } else if (kind != QLatin1String("none") && kind != QLatin1String("cancel")) {
        number = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"));
        if (kind == QLatin1String("paid")) {
            till.printBill(number);
            TestShop::exec(QStringLiteral("UPDATE Journal SET CrossRef=12 WHERE MyNumber=%1").arg(number));
        } else if (kind == QLatin1String("voided")) {
            TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, "
                                          "CrossRef) VALUES (4, 'VI', '2026-12-05 10:00:00', 119, %1, 0)")
                               .arg(number));
        }
    }
    const QStringList before = TestShop::snapshot();
    const int account = utils->getAccountNumber();
    QStringList log = RestaurantTill::actions();
    if (kind != QLatin1String("sale"))
        till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"),
                              QStringLiteral("Enter Invoice number."), 0, QString::number(number),
                              kind != QLatin1String("cancel"));
    if (!message.isEmpty())
        till.prompts().expect(kind == QLatin1String("sale") ? ZkPrompt::Critical : ZkPrompt::Warning,
                              QStringLiteral("Error"), message.arg(number));
    w.editEdit_Bill_CtrlF12Action->trigger();
    till.allPromptsCame();

    if (logged)
        log << QStringLiteral("EDIT BILL|INV #: %1").arg(number);
    if (message.startsWith(QLatin1String("Could not")))
        log << QStringLiteral("EDIT BILL|INV #: %1 NOT FOUND").arg(number);
    QCOMPARE(RestaurantTill::actions(), log);
    QCOMPARE(utils->getAccountNumber(), account);
    QCOMPARE(w.VendListView->topLevelItemCount(), kind == QLatin1String("sale") ? 1 : 0);
    QCOMPARE(TestShop::snapshot(), before);
}

BREVALON_TEST_MAIN(TestTables)
#include "tst_tables.moc"
