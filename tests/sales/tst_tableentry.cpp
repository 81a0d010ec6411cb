// The table chooser: which tables it lists in each of its three lists, the
// results it ends with, and its remembered size.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "sales/tableentry.h"
#include "tests/support/testshop.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// Demo accounts: TABLE n is account n + 1; 14 is a client that is no table.
int table(int n)
{
    return n + 1;
}

void order(int account, const QString& waiter, const char* status = "P")
{
    TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status, Waiter) VALUES "
                                  "('2026-12-05 19:42:00', %1, '%2', '%3')")
                       .arg(account)
                       .arg(QLatin1String(status), Utility::escapeSQL(waiter)));
}

void bill(int account, int invoice, int paidBy)
{
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, CrossRef) "
                                  "VALUES (%1, 'I', '2026-12-05 20:00:00', 250, %2, %3)")
                       .arg(account)
                       .arg(invoice)
                       .arg(paidBy));
}

QStringList shown(const TableEntry& dialog)
{
    QStringList names;
    for (int i = 0; i < dialog.iconView1->count(); ++i)
        names << dialog.iconView1->item(i)->data(Qt::UserRole).toString();
    return names;
}

QListWidgetItem* itemOf(const TableEntry& dialog, const QString& name)
{
    for (int i = 0; i < dialog.iconView1->count(); ++i) {
        if (dialog.iconView1->item(i)->data(Qt::UserRole).toString() == name)
            return dialog.iconView1->item(i);
    }
    return nullptr;
}

void clickOn(TableEntry& dialog, const QString& name)
{
    QListWidgetItem* item = itemOf(dialog, name);
    QVERIFY2(item, qPrintable(name));
    dialog.show();
    QTest::mouseClick(dialog.iconView1->viewport(), Qt::LeftButton, {},
                      dialog.iconView1->visualItemRect(item).center());
}

} // namespace

class TestTableEntry : public QObject
{
    Q_OBJECT

private slots:
    void busyTablesAreTheOpenOrders();
    void touchWaiterSeesOnlyOwnOrders();
    void newTableListsTheFreeTablesInRoomOrder();
    void closedBillFreesTheTable();
    void payTableListsUnpaidBillsAndEndsWithPayTable();
    void payByInvoiceEndsWithItsCode();
    void choosingATableAccepts();
    void sizeIsRemembered();
};

void TestTableEntry::busyTablesAreTheOpenOrders()
{
    TestShop shop;
    order(table(3), QStringLiteral("JOHN"));
    order(table(5), QStringLiteral("SUE"));
    order(14, QStringLiteral("JOHN")); // a client's pending order is no table
    order(table(7), QStringLiteral("JOHN"), "C");
    // A cashier at the counter sees every open table.
    utils->setUserName(QStringLiteral("MARY"));
    settings->writeEntry(QStringLiteral("/Personal/VendPage/MARY"), false);
    TableEntry dialog;
    QCOMPARE(shown(dialog), (QStringList{QStringLiteral("TABLE 3"), QStringLiteral("TABLE 5")}));
    QVERIFY(dialog.iconView1->item(0)->text().contains(QLatin1String("19:42")));
    QVERIFY(!dialog.payMode());
}

void TestTableEntry::touchWaiterSeesOnlyOwnOrders()
{
    TestShop shop;
    order(table(3), QStringLiteral("JOHN"));
    order(table(5), QStringLiteral("SUE"));
    order(table(8), QStringLiteral("O'NEIL"));
    utils->setWaiter(QStringLiteral("JOHN"));
    settings->writeEntry(QStringLiteral("/Personal/VendPage/JOHN"), false);
    QCOMPARE(TableEntry().iconView1->count(), 3);
    settings->writeEntry(QStringLiteral("/Personal/VendPage/JOHN"), true);
    QCOMPARE(shown(TableEntry()), QStringList{QStringLiteral("TABLE 3")});
    // A waiter's name with a quote is escaped, not broken.
    utils->setWaiter(QStringLiteral("O'NEIL"));
    settings->writeEntry(QStringLiteral("/Personal/VendPage/O'NEIL"), true);
    QCOMPARE(shown(TableEntry()), QStringList{QStringLiteral("TABLE 8")});
    QVERIFY(shop.prompts().seen().isEmpty());
}

void TestTableEntry::newTableListsTheFreeTablesInRoomOrder()
{
    TestShop shop;
    order(table(3), QStringLiteral("JOHN"));
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('ROOM 101')"));
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name) VALUES ('TABLESPOON TRADERS')"));
    TableEntry dialog;
    QTest::mouseClick(dialog.pushButton1, Qt::LeftButton);
    QStringList expected;
    for (int n = 1; n <= 12; ++n) {
        if (n != 3)
            expected << QStringLiteral("TABLE %1").arg(n);
    }
    expected.prepend(QStringLiteral("ROOM 101"));
    QCOMPARE(shown(dialog), expected);
}

void TestTableEntry::closedBillFreesTheTable()
{
    TestShop shop;
    order(table(3), QStringLiteral("JOHN"));
    TableEntry dialog;
    dialog.newTable();
    QVERIFY(!shown(dialog).contains(QStringLiteral("TABLE 3")));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Status='C'"));
    dialog.newTable();
    QVERIFY(shown(dialog).contains(QStringLiteral("TABLE 3")));
    dialog.init();
    QVERIFY(shown(dialog).isEmpty());
}

void TestTableEntry::payTableListsUnpaidBillsAndEndsWithPayTable()
{
    TestShop shop;
    order(table(2), QStringLiteral("SUE"), "C");
    order(table(4), QStringLiteral("JOHN"), "C");
    order(table(6), QStringLiteral("JOHN"), "C");
    order(14, QStringLiteral("JOHN"), "C");
    bill(table(2), 1, 0);
    bill(table(4), 2, 0);
    bill(table(6), 3, 17); // paid by receipt 17
    bill(14, 4, 0);
    TableEntry dialog;
    QTest::mouseClick(dialog.pushButton3, Qt::LeftButton);
    QVERIFY(dialog.payMode());
    QCOMPARE(shown(dialog), (QStringList{QStringLiteral("TABLE 2"), QStringLiteral("TABLE 4")}));
    QVERIFY(dialog.iconView1->item(0)->text().contains(QLatin1String("SUE")));
    clickOn(dialog, QStringLiteral("TABLE 4"));
    QCOMPARE(dialog.result(), int(TableEntry::PayTable));
    QCOMPARE(dialog.getValue(), QStringLiteral("TABLE 4"));
    QVERIFY(!dialog.payMode());
}

void TestTableEntry::payByInvoiceEndsWithItsCode()
{
    TestShop shop;
    TableEntry dialog;
    dialog.show();
    QTest::mouseClick(dialog.pushButton4, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(TableEntry::PayByInvoice));
    dialog.show();
    QTest::mouseClick(dialog.pushButton2, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestTableEntry::choosingATableAccepts()
{
    TestShop shop;
    TableEntry dialog;
    dialog.newTable();
    if (!qEnvironmentVariableIsEmpty("BREVALON_KEEP_OUTPUT"))
        dialog.grab().save(qEnvironmentVariable("BREVALON_KEEP_OUTPUT") + QLatin1String("/tableentry.png"));
    clickOn(dialog, QStringLiteral("TABLE 10"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getValue(), QStringLiteral("TABLE 10"));
    // Return on the current icon chooses it as well.
    TableEntry again;
    again.newTable();
    again.show();
    again.iconView1->setFocus();
    again.iconView1->setCurrentItem(itemOf(again, QStringLiteral("TABLE 2")));
    QTest::keyClick(again.iconView1, Qt::Key_Return);
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(again.getValue(), QStringLiteral("TABLE 2"));
}

void TestTableEntry::sizeIsRemembered()
{
    TestShop shop;
    {
        TableEntry dialog;
        QCOMPARE(dialog.size(), QSize(800, 600));
        dialog.show();
        dialog.resize(900, 640);
        QTest::qWait(10);
    }
    QCOMPARE(settings->readNumEntry(QStringLiteral("/Global/TableSelectWidth")), 900);
    QCOMPARE(settings->readNumEntry(QStringLiteral("/Global/TableSelectHeight")), 640);
    QCOMPARE(TableEntry().size(), QSize(900, 640));
}

BREVALON_TEST_MAIN(TestTableEntry)
#include "tst_tableentry.moc"
