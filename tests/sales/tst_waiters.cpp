// The waiter who takes the order: codes typed at the keyboard, the keypad
// of the touch layout with the table chooser after it, codes nobody has,
// the administrator who is never asked, and a change of waiter while lines
// of the last one are still in the sale.

#include "tests/sales/restauranttill.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kServedByJohn = QStringLiteral("<center><h2>The Harbour Kitchen - Served by JOHN</h2></center>");
const QString kSelectTable = QStringLiteral("<center>Please select table / client</center>");

} // namespace

class TestWaiters : public QObject
{
    Q_OBJECT

private slots:
    void codeAtTheKeyboard_data();
    void codeAtTheKeyboard();
    void touchAsksOnTheKeypadThenForTheTable();
    void keypadCodesNobodyHas_data();
    void keypadCodesNobodyHas();
    void loginAndClearAskForTheWaiter_data();
    void loginAndClearAskForTheWaiter();
    void waiterChangeWithLinesInTheSale();
    void touchingTheWaiterField_data();
    void touchingTheWaiterField();
    void priceTiersAreReloaded();
};

void TestWaiters::codeAtTheKeyboard_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("waiter"); // empty: refused
    QTest::newRow("a waiter's code") << "2222" << "JOHN";
    QTest::newRow("a code nobody has") << "7777" << "";
    QTest::newRow("a quote in the code is only a wrong code") << "22'2" << "";
    QTest::newRow("an empty field") << "" << "";
}

void TestWaiters::codeAtTheKeyboard()
{
    QFETCH(QString, code);
    QFETCH(QString, waiter);
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 2")));
    const int beeps = till.prompts().beeps();
    w.WaiterEdit->setFocus();
    QTest::keyClicks(w.WaiterEdit, code);
    QTest::keyClick(w.WaiterEdit, Qt::Key_Return);
    till.allPromptsCame();

    if (waiter.isEmpty()) {
        QCOMPARE(till.prompts().beeps(), beeps + 1);
        QCOMPARE(w.WaiterEdit->text(), QString());
        QVERIFY(!utils->hasWaiter());
        QCOMPARE(w.status(), QString());
        return;
    }
    QCOMPARE(till.prompts().beeps(), beeps);
    QCOMPARE(utils->getWaiter(), waiter);
    QCOMPARE(w.status(), QStringLiteral("Waiter: JOHN"));
    QCOMPARE(w.BannerLabel->text(), kServedByJohn);
    // The lines of the order carry the waiter's initials.
    QCOMPARE(w.SalesGuiPersonEdit->text(), QStringLiteral("JS"));
    QCOMPARE(till.focus(), w.ItemComboBox);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
}

void TestWaiters::touchAsksOnTheKeypadThenForTheTable()
{
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    int mode = -1;
    QString bannerWhileChoosing;
    till.prompts()
        .expectExec(QStringLiteral("NumEntry"),
                    [&](QDialog* d) {
                        mode = static_cast<NumEntry*>(d)->mode();
                        return typeCode(QStringLiteral("2222"))(d);
                    })
        .expectExec(QStringLiteral("TableEntry"), RestaurantTill::pick("new", "TABLE 11", [&](TableEntry*) {
            bannerWhileChoosing = w.BannerLabel->text();
        }));
    w.guiWaiter();
    till.allPromptsCame();
    QCOMPARE(mode, int(NumEntry::WaiterCode));
    QCOMPARE(bannerWhileChoosing, kSelectTable);
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));
    QVERIFY(RestaurantTill::atTable(11));
    QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center><h2>TABLE 11 - Served by JOHN</h2></center>"));
    QCOMPARE(till.focus(), w.ItemComboBox);

    // With the table chosen, a new code only changes the waiter.
    till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3333")));
    w.guiWaiter();
    till.allPromptsCame();
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));
    QVERIFY(RestaurantTill::atTable(11));
}

void TestWaiters::keypadCodesNobodyHas_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("beeps");
    QTest::newRow("unknown code") << "5150" << false << 1;
    QTest::newRow("nothing typed") << "" << false << 1;
    QTest::newRow("keypad closed") << "2222" << true << 0;
}

void TestWaiters::keypadCodesNobodyHas()
{
    QFETCH(QString, code);
    QFETCH(bool, cancel);
    QFETCH(int, beeps);
    RestaurantTill till(QStringLiteral("JOHN"));
    RestaurantSales& w = till.w();
    const QString banner = w.BannerLabel->text();
    const int before = till.prompts().beeps();
    till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(code, cancel ? Finish::Cancel : Finish::Ok));
    w.guiWaiter();
    till.allPromptsCame();
    // No chooser follows, nothing changes but the field.
    QCOMPARE(till.prompts().beeps(), before + beeps);
    QVERIFY(!utils->hasWaiter());
    QCOMPARE(w.WaiterEdit->text(), QString());
    QCOMPARE(w.BannerLabel->text(), banner);
    QCOMPARE(utils->getAccountNumber(), -1);
}

void TestWaiters::loginAndClearAskForTheWaiter_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("touch");
    QTest::addColumn<bool>("asked");
    QTest::newRow("a waiter on the touch layout") << "SUE" << true << true;
    QTest::newRow("at the keyboard the field waits") << "SUE" << false << false;
    QTest::newRow("the administrator never") << "Admin" << true << false;
}

void TestWaiters::loginAndClearAskForTheWaiter()
{
    QFETCH(QString, user);
    QFETCH(bool, touch);
    QFETCH(bool, asked);
    RestaurantTill till(user, touch);
    RestaurantSales& w = till.w();
    w.endSession();
    utils->setUserName(user);
    if (asked) {
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3333")));
        till.prompts().expectExec(QStringLiteral("TableEntry"), RestaurantTill::press("cancel"));
        // The cancelled choice starts the till again: the keypad once more.
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
    }
    w.startSession();
    till.allPromptsCame();
    QVERIFY(!utils->hasWaiter());
    QCOMPARE(w.BannerLabel->text().contains(QLatin1String("Next Customer Please")), user != QLatin1String("Admin"));

    // Admin's waiter field is dead.
    if (user == QLatin1String("Admin")) {
        w.WaiterEdit->setText(QStringLiteral("2222"));
        w.waiterSelected();
        QVERIFY(!utils->hasWaiter());
        QCOMPARE(w.WaiterEdit->text(), QString());
    }
    if (asked) {
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel));
        w.clear();
        till.allPromptsCame();
    }
}

void TestWaiters::waiterChangeWithLinesInTheSale()
{
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 3")));
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    till.addLine(QStringLiteral("1"), QStringLiteral("ESPRESSO"), QStringLiteral("22.00"));

    // The same waiter again: nothing to ask.
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    till.allPromptsCame();

    // Another waiter keeps JOHN's lines when told No.
    const QString question = QStringLiteral("There are items in the Sales tab");
    till.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"), question, 1);
    w.WaiterEdit->setText(QStringLiteral("3333"));
    w.waiterSelected();
    till.allPromptsCame();
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
    QCOMPARE(w.WaiterEdit->text(), QString());
    QVERIFY(RestaurantTill::atTable(3));

    // Yes: the till starts afresh with SUE, who chooses her table next.
    till.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"), question, 0);
    w.WaiterEdit->setText(QStringLiteral("3333"));
    w.waiterSelected();
    till.allPromptsCame();
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));
    QCOMPARE(w.VendListView->topLevelItemCount(), 0);
    QCOMPARE(utils->getAccountNumber(), -1);
    QCOMPARE(w.BannerLabel->text(), kSelectTable);
    QCOMPARE(w.status(), QStringLiteral("Waiter: SUE"));
    QCOMPARE(till.focus(), w.NameComboBox);
}

void TestWaiters::touchingTheWaiterField_data()
{
    QTest::addColumn<bool>("touch");
    QTest::newRow("touch layout: the keypad opens") << true;
    QTest::newRow("keyboard: the field is only focused") << false;
}

void TestWaiters::touchingTheWaiterField()
{
    QFETCH(bool, touch);
    RestaurantTill till(QStringLiteral("SUE"), touch);
    RestaurantSales& w = till.w();
    // The table was chosen without a waiter; lines are rung up already.
    QVERIFY(till.choose(QStringLiteral("TABLE 6")));
    till.addLine(QStringLiteral("2"), QStringLiteral("CAPPUCCINO"), QStringLiteral("64.00"));
    if (touch)
        till.prompts().expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("3333")));
    QTest::mouseClick(w.WaiterEdit, Qt::LeftButton);
    till.allPromptsCame();
    // The first waiter takes the lines over: nothing to ask, nothing lost.
    QCOMPARE(utils->hasWaiter(), touch);
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
    QVERIFY(RestaurantTill::atTable(6));
    if (!touch)
        QCOMPARE(till.focus(), w.WaiterEdit);
}

void TestWaiters::priceTiersAreReloaded()
{
    RestaurantTill till(QStringLiteral("MARY"), false);
    RestaurantSales& w = till.w();
    QVERIFY(till.choose(QStringLiteral("TABLE 3")));
    // Renamed at another station since this till started.
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET Tier1Name='Happy Hour'"));
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.waiterSelected();
    QCOMPARE(w.PriceComboBox->itemText(1), QStringLiteral("Happy Hour"));
}

BREVALON_TEST_MAIN(TestWaiters)
#include "tst_waiters.moc"
