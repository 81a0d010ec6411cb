// Changing a printed bill: refused while a sale is open, numbers that are
// no printed bill, a paid bill, the bill becoming its table's open order
// again (with what was ordered since it was printed), and the log rows.

#include "tests/sales/restauranttill.h"

namespace {

QString statusOf(int invoice)
{
    return TestShop::value(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(invoice)).toString();
}

int journalRows(int invoice)
{
    return TestShop::count(QStringLiteral("SELECT * FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(invoice));
}

} // namespace

class TestEditBill : public QObject
{
    Q_OBJECT

private slots:
    void refusedWhileASaleIsOpen();
    void numbersThatAreNoBill_data();
    void numbersThatAreNoBill();
    void paidBillIsRefused();
    void printedBillIsOpenAgain();
    void orderSinceTheBillJoinsIt();
};

void TestEditBill::refusedWhileASaleIsOpen()
{
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));
    const QStringList logged = RestaurantTill::actions();
    till.prompts().expect(ZkPrompt::Critical, QStringLiteral("Error"), QStringLiteral("PLEASE COMPLETE YOUR CURRENT ORDER FIRST"));
    QTest::keyClick(&w, Qt::Key_F12, Qt::ControlModifier);
    till.allPromptsCame();
    QCOMPARE(RestaurantTill::actions(), logged);
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
}

void TestEditBill::numbersThatAreNoBill_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("no such number") << "none" << QStringList{"EDIT BILL|INV #: 4711", "EDIT BILL|INV #: 4711 NOT FOUND"};
    QTest::newRow("an open order is no printed bill")
        << "order" << QStringList{"EDIT BILL|INV #: 4711", "EDIT BILL|INV #: 4711 NOT FOUND"};
    QTest::newRow("a voided bill") << "voided" << QStringList{"EDIT BILL|INV #: 4711", "EDIT BILL|INV #: 4711 NOT FOUND"};
    QTest::newRow("asking cancelled") << "cancel" << QStringList{};
}

void TestEditBill::numbersThatAreNoBill()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, log);
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    if (kind == QLatin1String("order") || kind == QLatin1String("voided")) {
        TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Waiter) VALUES "
                                      "(4711, '2026-12-05 10:00:00', 4, 'P', 'JOHN')"));
    }
    if (kind == QLatin1String("voided")) {
        TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, CrossRef) "
                                      "VALUES (4, 'VI', '2026-12-05 10:00:00', 119, 4711, 0)"));
    }
    till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"),
                          QStringLiteral("Enter Invoice number."), 0, QStringLiteral("4711"), kind != QLatin1String("cancel"));
    if (kind != QLatin1String("cancel"))
        till.prompts().expect(ZkPrompt::Warning, QStringLiteral("Error"),
                              QStringLiteral("Could not find any matching Invoice # 4711"));
    w.editEdit_Bill_CtrlF12Action->trigger();
    till.allPromptsCame();
    QCOMPARE(RestaurantTill::actions(), log);
    QCOMPARE(utils->getAccountNumber(), -1);
    QCOMPARE(w.status(), QString());
    if (kind == QLatin1String("order") || kind == QLatin1String("voided"))
        QCOMPARE(statusOf(4711), QStringLiteral("P"));
}

void TestEditBill::paidBillIsRefused()
{
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    const int bill = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"));
    till.printBill(bill);
    TestShop::exec(QStringLiteral("UPDATE Journal SET CrossRef=12 WHERE MyNumber=%1").arg(bill));
    till.prompts()
        .expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"), QString(), 0, QString::number(bill))
        .expect(ZkPrompt::Warning, QStringLiteral("Error"),
                QStringLiteral("Invoice # %1 has been paid and can no longer be changed").arg(bill));
    w.editBill();
    till.allPromptsCame();
    QCOMPARE(journalRows(bill), 1);
    QVERIFY(statusOf(bill) != QLatin1String("P"));
    QCOMPARE(utils->getAccountNumber(), -1);
}

void TestEditBill::printedBillIsOpenAgain()
{
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    const int bill = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"), {"3001", "1101"});
    till.printBill(bill);
    QCOMPARE(journalRows(bill), 1);
    const QString total = Utility::numStr(
        TestShop::value(QStringLiteral("SELECT SUM(Price) FROM InvoiceItem WHERE InvoiceNumber=%1").arg(bill)).toDouble(), 2);

    till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"),
                          QStringLiteral("Enter Invoice number."), 0, QString::number(bill));
    w.editBill();
    till.allPromptsCame();

    // Out of the ledger, the table's open order again, served by its waiter.
    QCOMPARE(journalRows(bill), 0);
    QCOMPARE(statusOf(bill), QStringLiteral("P"));
    QVERIFY(RestaurantTill::atTable(3));
    QCOMPARE(w.NameComboBox->currentText(), QStringLiteral("TABLE 3"));
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));
    QCOMPARE(w.TotalLCD->text(), total);
    QVERIFY(w.EditPushButton->isVisibleTo(&w));
    QCOMPARE(w.PayListView->topLevelItemCount(), 0);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QVERIFY(w.status().contains(QString::number(bill)));
    QCOMPARE(RestaurantTill::actions(), QStringList{QStringLiteral("EDIT BILL|INV #: %1").arg(bill)});
    // The chooser lists the table among the open ones once more.
    TableEntry chooser;
    QVERIFY(RestaurantTill::shown(&chooser).contains(QStringLiteral("TABLE 3")));
}

void TestEditBill::orderSinceTheBillJoinsIt()
{
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    const int bill = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"), {"3001"});
    till.printBill(bill);
    // The guests ordered coffee after the bill came.
    const int later = RestaurantTill::order(RestaurantTill::table(3), QStringLiteral("JOHN"), {"1101", "1102"});
    till.prompts().expect(ZkPrompt::IntegerInput, QStringLiteral("Brevalon - Edit Invoice"), QString(), 0,
                          QString::number(bill));
    w.editBill();
    till.allPromptsCame();

    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Invoice WHERE AccountNumber=4 AND Status='P'")), 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Invoice WHERE MyNumber=%1").arg(later)), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM InvoiceItem WHERE InvoiceNumber=%1").arg(bill)), 3);
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("173.00"));
}

BREVALON_TEST_MAIN(TestEditBill)
#include "tst_editbill.moc"
