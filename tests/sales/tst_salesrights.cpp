// The operator's rights at the till: each right switches exactly its own
// control, an operator without rights can still sell, the layout follows the
// user, the rights follow the database every second, and a session that was
// taken away ends the program.

#include "tests/sales/till.h"

#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace {

// What each right switches, written out here rather than taken from the
// window, so that a wrong or missing entry there shows.
struct Control
{
    const char* kind; // action, group, widget, page
    const char* name;
};

struct RightRow
{
    const char* right;
    QList<Control> controls;
};

const QList<RightRow>& rightTable()
{
    static const QList<RightRow> table = {
        {"MailStatement", {{"action", "fileMailStatementsAction"}}},
        {"EmailRuns", {{"action", "fileMailEmailAction"}}},
        {"Backup", {{"action", "fileBackupAction"}}},
        {"CashUp", {{"action", "fileCashUpAction"}}},
        {"MonthEnd", {{"action", "fileMonthEndAction"}}},
        {"ReceiveStock", {{"action", "fileReceiveStockAction"}}},
        {"PurgeClient", {{"action", "editClientPurgeAction"}}},
        {"MergeClient", {{"action", "editClientMergeAction"}}},
        {"Inventory", {{"action", "editInventoryAction"}}},
        {"Departments", {{"action", "editManageGroupDepartmentsAction"}}},
        {"Suppliers", {{"action", "editManageGroupSuppliersAction"}}},
        {"Stock", {{"action", "editManageGroupOrdersAction"}}},
        {"Reports", {{"group", "ViewReportsActionGroup"}}},
        {"AuditTrail", {{"action", "viewAuditAction"}}},
        {"JornalTrail", {{"action", "viewJournalAction"}}},
        {"ViewStatement", {{"action", "viewStatementAction"}}},
        {"Discount", {{"widget", "LessEdit"}, {"widget", "SetDiscountAEdit"}, {"widget", "SetDiscountCEdit"}}},
        {"Preferences", {{"action", "editPreferencesAction"}}},
        {"TaxControl", {{"widget", "tax1_tb"}, {"widget", "tax2_tb"}}},
        {"PriceOveride", {{"widget", "PriceEdit"}}},
        {"AllowUnValidated", {}},
        {"ViewActions", {{"action", "ViewReportsGroupActionsAction"}}},
        {"CashOnlyLock", {}},
        {"Refunds", {{"widget", "RefundPushButton"}}},
        {"CashDate", {{"action", "fileAdminGroupCash_DateAction"}}},
        {"ModifyClient", {{"page", "tab_6"}}},
        {"ViewDocuments", {{"page", "tab_5"}}},
        {"StockPriceAdjust", {}},
        {"StockPriceView", {}},
        {"StickyCash", {}},
        {"VoidReceipt", {{"widget", "pushButton28"}}},
        {"VoidInvoice", {{"widget", "pushButton29"}}},
    };
    return table;
}

// Whether the control is switched on by the rights, whatever its parent says.
bool switchedOn(Sales& w, const Control& c)
{
    const QString kind = QLatin1String(c.kind);
    const QString name = QLatin1String(c.name);
    if (kind == QLatin1String("action"))
        return w.findChild<QAction*>(name)->isEnabled();
    if (kind == QLatin1String("group")) {
        auto* group = w.findChild<QActionGroup*>(name);
        for (QAction* a : group->actions()) {
            if (a->isEnabled() != group->isEnabled())
                return !group->isEnabled(); // the group's actions must follow it
        }
        return group->isEnabled();
    }
    if (kind == QLatin1String("page"))
        return w.TabWidget2->isTabEnabled(w.TabWidget2->indexOf(w.findChild<QWidget*>(name)));
    return !w.findChild<QWidget*>(name)->testAttribute(Qt::WA_ForceDisabled);
}

// The controls a cashier sells with; no right may take them away.
const char* const kSellingControls[] = {"NameComboBox", "TypeComboBox", "ItemComboBox", "QuantityEdit",
                                        "AddPushButton", "VendListView", "PushButton3", "PushButton5",
                                        "toolButton1", "toolButton6", "CashAmountEdit", "CardAmountEdit",
                                        "ProcessButton", "CashPadButton", "bankNoteButton1"};

} // namespace

class TestSalesRights : public QObject
{
    Q_OBJECT

private slots:
    void tableCoversEveryRight();
    void eachRightSwitchesExactlyItsControl_data();
    void eachRightSwitchesExactlyItsControl();
    void allRightsSwitchEverythingOn();
    void operatorWithoutRightsCanStillSell();
    void operatorWithoutPersonelRowHoldsNoRight();
    void nobodyLoggedInAppliesNoRights();
    void layoutFollowsTheUser_data();
    void layoutFollowsTheUser();
    void fullScreenFollowsTheSetting();
    void rightsFollowTheDatabaseEverySecond();
    void sessionCheck_data();
    void sessionCheck();
    void takenSessionEndsAtTheNextPeriodicCheckOnlyWithTheCheck();
};

void TestSalesRights::tableCoversEveryRight()
{
    QCOMPARE(rightTable().size(), int(Sales::RightCount));
    for (int r = 0; r < Sales::RightCount; ++r)
        QCOMPARE(Sales::rightColumn(Sales::Right(r)), QLatin1String(rightTable().at(r).right));
}

void TestSalesRights::eachRightSwitchesExactlyItsControl_data()
{
    QTest::addColumn<int>("right");
    for (int r = 0; r < Sales::RightCount; ++r)
        QTest::newRow(rightTable().at(r).right) << r;
}

void TestSalesRights::eachRightSwitchesExactlyItsControl()
{
    QFETCH(int, right);
    Till till;
    Till::setRights(QStringLiteral("MARY"), {QLatin1String(rightTable().at(right).right)});
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    for (int r = 0; r < Sales::RightCount; ++r) {
        QCOMPARE(w.hasRight(Sales::Right(r)), r == right);
        for (const Control& c : rightTable().at(r).controls)
            QVERIFY2(switchedOn(w, c) == (r == right), c.name);
    }
    // The next refresh takes the right away again once it is withdrawn.
    Till::setRights(QStringLiteral("MARY"), {});
    w.checkGuiPerms();
    for (const Control& c : rightTable().at(right).controls)
        QVERIFY2(!switchedOn(w, c), c.name);
    QVERIFY(!w.hasRight(Sales::Right(right)));
}

void TestSalesRights::allRightsSwitchEverythingOn()
{
    Till till;
    QStringList all;
    for (int r = 0; r < Sales::RightCount; ++r)
        all << Sales::rightColumn(Sales::Right(r));
    Till::setRights(QStringLiteral("MARY"), all);
    till.login(QStringLiteral("MARY"));
    for (const RightRow& row : rightTable()) {
        for (const Control& c : row.controls)
            QVERIFY2(switchedOn(*till.window, c), c.name);
    }
}

void TestSalesRights::operatorWithoutRightsCanStillSell()
{
    Till till;
    Till::setRights(QStringLiteral("MARY"), {});
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    for (const char* name : kSellingControls) {
        auto* control = w.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(control && !control->testAttribute(Qt::WA_ForceDisabled), name);
    }
    // Once an account is chosen the selling tabs stay open through the refreshes.
    w.setSalesTabOpen(true);
    w.checkGuiPerms();
    QVERIFY(w.salesTabOpen());
    QVERIFY(w.TabWidget2->isTabEnabled(0));
    QVERIFY(w.TabWidget2->isTabEnabled(1));
    QVERIFY(till.exits.isEmpty());
}

void TestSalesRights::operatorWithoutPersonelRowHoldsNoRight()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    QVERIFY(till.window->hasRight(Sales::Reports));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('GHOST', '%1')").arg(utils->hostName()));
    utils->setUserName(QStringLiteral("GHOST"));
    till.window->updateGuiControls(true);
    for (int r = 0; r < Sales::RightCount; ++r)
        QVERIFY(!till.window->hasRight(Sales::Right(r)));
    QVERIFY(!till.window->ViewReportsActionGroup->isEnabled());
}

void TestSalesRights::nobodyLoggedInAppliesNoRights()
{
    Till till;
    // The form's actions start enabled; logged out, nothing is read or applied.
    till.window->updateGuiControls(true);
    QVERIFY(till.window->fileBackupAction->isEnabled());
    QVERIFY(till.window->menuBar()->isHidden());
    QVERIFY(till.exits.isEmpty());
}

void TestSalesRights::layoutFollowsTheUser_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("touch");
    QTest::addColumn<bool>("menus");
    QTest::newRow("Admin keeps the menu bar on the touch layout") << "Admin" << true << true;
    QTest::newRow("Admin with the menu layout") << "Admin" << false << true;
    QTest::newRow("cashier on the touch layout") << "MARY" << true << false;
    QTest::newRow("cashier on the menu layout") << "MARY" << false << true;
}

void TestSalesRights::layoutFollowsTheUser()
{
    QFETCH(QString, user);
    QFETCH(bool, touch);
    QFETCH(bool, menus);
    Till till;
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), user), touch);
    till.login(user);
    QCOMPARE(!till.window->menuBar()->isHidden(), menus);
    // The choice is read again on every refresh.
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), user), !touch);
    till.window->checkGuiPerms();
    QCOMPARE(!till.window->menuBar()->isHidden(), user == QLatin1String("Admin") || touch);
}

void TestSalesRights::fullScreenFollowsTheSetting()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    QVERIFY(!till.window->windowState().testFlag(Qt::WindowFullScreen));
    settings->writeEntry(QStringLiteral("/Global/FullScreen"), true);
    till.window->checkGuiPerms();
    QVERIFY(till.window->windowState().testFlag(Qt::WindowFullScreen));
    settings->writeEntry(QStringLiteral("/Global/FullScreen"), false);
    till.window->checkGuiPerms();
    QVERIFY(!till.window->windowState().testFlag(Qt::WindowFullScreen));
}

void TestSalesRights::rightsFollowTheDatabaseEverySecond()
{
    Till till;
    Till::setRights(QStringLiteral("MARY"), {});
    till.login(QStringLiteral("MARY"));
    QVERIFY(!till.window->pushButton29->isEnabled());
    // Granted from another station: the till picks it up on its own.
    Till::setRights(QStringLiteral("MARY"), {QStringLiteral("VoidInvoice")});
    QTRY_VERIFY_WITH_TIMEOUT(!till.window->pushButton29->testAttribute(Qt::WA_ForceDisabled), 3000);
    QVERIFY(till.exits.isEmpty());
}

void TestSalesRights::sessionCheck_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("loginHost"); // empty: no Login row; "here": this station
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("ends");
    QTest::newRow("own session") << "MARY" << "here" << true << false;
    QTest::newRow("session unlocked away") << "MARY" << "" << true << true;
    QTest::newRow("session at another station") << "MARY" << "till9" << true << true;
    QTest::newRow("without the check nothing ends") << "MARY" << "" << false << false;
    QTest::newRow("Admin has no session row") << "Admin" << "" << true << false;
}

void TestSalesRights::sessionCheck()
{
    QFETCH(QString, user);
    QFETCH(QString, loginHost);
    QFETCH(bool, check);
    QFETCH(bool, ends);
    Till till;
    till.login(user);
    TestShop::exec(QStringLiteral("DELETE FROM Login"));
    if (!loginHost.isEmpty())
        TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('%1', '%2')")
                           .arg(user, loginHost == QLatin1String("here") ? utils->hostName() : loginHost));
    // Without the right any more, to see whether the rights were applied.
    Till::setRights(user, {});
    till.window->updateGuiControls(check);
    QCOMPARE(till.exits, ends ? QList<int>{0} : QList<int>{});
    // A session that ended applies nothing more.
    QCOMPARE(till.window->hasRight(Sales::ViewDocuments), ends && user == QLatin1String("MARY"));
}

void TestSalesRights::takenSessionEndsAtTheNextPeriodicCheckOnlyWithTheCheck()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    TestShop::exec(QStringLiteral("DELETE FROM Login"));
    // The periodic refresh does not look at the session...
    till.window->checkGuiPerms();
    QVERIFY(till.exits.isEmpty());
    // ...the next full check, as after a login or an unlock, does.
    till.window->updateGuiControls(true);
    QCOMPARE(till.exits, QList<int>{0});
}

BREVALON_TEST_MAIN(TestSalesRights)
#include "tst_salesrights.moc"
