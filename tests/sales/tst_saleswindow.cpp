// The window around the sale: login, logout and quitting, the layout and sizes each operator keeps,
// the pending indicator, help, style and keys; each right switching exactly its controls, selling
// without rights, rights following the database, and a session taken away ending the program.

#include "tests/sales/till.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QProcess>
#include <QStyle>
#include <QTest>

namespace {

QImage shareImage(const Till& till, const char* file)
{
    const QImage image = QImage(till.installDir() + QLatin1String("/share/Brevalon/") + QLatin1String(file))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) // two missing pictures must not compare equal
        QTest::qFail(file, __FILE__, __LINE__);
    return image;
}

QImage pixmapOf(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// One right of each kind of control (an action, an action group, widgets, a
// tab page) and the void pair, whose columns sit side by side.
const QMap<Sales::Right, QStringList> kRightControls{
    {Sales::Inventory, {"editInventoryAction", "editManageGroupCompositionsAction"}},
    {Sales::Reports, {"ViewReportsActionGroup"}},
    {Sales::Discount, {"LessEdit", "SetDiscountAEdit", "SetDiscountCEdit"}},
    {Sales::ModifyClient, {"tab_6"}},
    {Sales::VoidReceipt, {"pushButton28"}},
    {Sales::VoidInvoice, {"pushButton29"}},
};

// Whether the rights switched a control on, whatever its parent says.
bool switchedOn(Sales& w, const QString& name)
{
    if (auto* group = w.findChild<QActionGroup*>(name)) {
        for (QAction* a : group->actions()) { // the group's actions must follow it
            if (a->isEnabled() != group->isEnabled())
                return !group->isEnabled();
        }
        return group->isEnabled();
    }
    if (auto* action = w.findChild<QAction*>(name))
        return action->isEnabled();
    if (name.startsWith("tab_"))
        return w.TabWidget2->isTabEnabled(w.TabWidget2->indexOf(w.findChild<QWidget*>(name)));
    return !w.findChild<QWidget*>(name)->testAttribute(Qt::WA_ForceDisabled);
}

} // namespace

class TestSalesWindow : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsTheUser_data();
    void layoutFollowsTheUser();
    void sizesAreKeptPerOperator();
    void endingASessionFreesTheOperator();
    void quitting_data();
    void quitting();
    void pendingIndicatorAndSaleButtons();
    void helpStartsOneViewer();
    void styleByName_data();
    void styleByName();
    void keysDispatchByTab();
    void eachRightSwitchesExactlyItsControl_data();
    void eachRightSwitchesExactlyItsControl();
    void operatorWithoutRightsCanStillSell();
    void rightsFollowTheDatabaseEverySecond();
    void sessionCheck_data();
    void sessionCheck();
};

void TestSalesWindow::layoutFollowsTheUser_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QString>("entryPage");
    QTest::addColumn<bool>("menus");
    QTest::newRow("cashier on the touch layout") << "MARY" << true << "tab_3" << false;
    QTest::newRow("cashier on the menu layout") << "MARY" << false << "tab_2" << true;
    QTest::newRow("Admin keeps the menu bar and the keyboard page") << "Admin" << true << "tab_2" << true;
}

void TestSalesWindow::layoutFollowsTheUser()
{
    QFETCH(QString, user);
    QFETCH(bool, touch);
    QFETCH(QString, entryPage);
    QFETCH(bool, menus);
    Till till;
    settings->writeEntry(ZkSettings::userKey("/Personal/VendPage/", user), touch);
    till.login(user);
    Sales& w = *till.window;
    QVERIFY(!w.WorkArea->isHidden());
    QVERIFY(w.TillClosedLabel->isHidden());
    QCOMPARE(w.tabWidget3->currentWidget()->objectName(), entryPage);
    QCOMPARE(w.TabWidget2->currentWidget(), user == QLatin1String("Admin") ? w.tab_5 : w.tab);
    QCOMPARE(!w.menuBar()->isHidden(), menus);
    QVERIFY(till.exits.isEmpty());
    // The choices are read again on every refresh.
    settings->writeEntry(ZkSettings::userKey("/Personal/VendPage/", user), !touch);
    settings->writeEntry("/Global/FullScreen", true);
    w.checkGuiPerms();
    QCOMPARE(!w.menuBar()->isHidden(), user == QLatin1String("Admin") || touch);
    QVERIFY(w.windowState().testFlag(Qt::WindowFullScreen));
    settings->writeEntry("/Global/FullScreen", false);
    w.checkGuiPerms();
    QVERIFY(!w.windowState().testFlag(Qt::WindowFullScreen));
}

void TestSalesWindow::sizesAreKeptPerOperator()
{
    Till till;
    Sales& w = *till.window;
    auto widths = [&] {
        QList<int> c;
        for (int i = 0; i < 4; ++i)
            c << w.VendListView->columnWidth(i);
        return c;
    };
    till.login("MARY");

    auto stored = [](const char* entry) {
        return settings->readNumEntry(ZkSettings::userKey(QLatin1String(entry), "MARY"));
    };
    // Any column change writes the whole set back, the geometry with it.
    w.move(50, 60);
    w.resize(1000, 700);
    w.VendListView->header()->resizeSection(1, 240);
    const QList<int> written{stored("/Personal/DescriptionWidth/"), stored("/Personal/QtyWidth/"),
                             stored("/Personal/left/"), stored("/Personal/top/"), stored("/Personal/width/"),
                             stored("/Personal/height/")};
    QCOMPARE(written, (QList<int>{240, 75, 50, 60, 1000, 700}));
    QVERIFY(!settings->contains("/Personal/width/noone")); // nobody else's

    const char* const mine[][2] = {{"left", "70"}, {"top", "80"}, {"width", "1024"}, {"height", "768"},
                                   {"QtyWidth", "60"}, {"DescriptionWidth", "250"}};
    for (const auto& m : mine)
        settings->writeEntry(QString("/Personal/%1/MARY").arg(m[0]), QString(m[1]).toInt());
    w.applySizes();
    QCOMPARE(w.pos(), QPoint(70, 80));
    QCOMPARE(w.size(), QSize(1024, 768));
    QCOMPARE(widths(), (QList<int>{60, 250, 50, 50}));
    // Applying them is not the operator changing them: nothing half-applied was written back.
    QCOMPARE(stored("/Personal/DescriptionWidth/"), 250);
    QCOMPARE(stored("/Personal/width/"), 1024);
}

void TestSalesWindow::endingASessionFreesTheOperator()
{
    Till till;
    Sales& w = *till.window;
    settings->writeEntry("/Global/LogActions", true);
    QVERIFY(utils->initClass(true));
    // With nobody logged in no rights are applied, and nothing is logged, freed or kept.
    w.updateGuiControls(true);
    QVERIFY(w.fileBackupAction->isEnabled());
    QVERIFY(w.WorkArea->isHidden() && w.menuBar()->isHidden());
    TestShop::exec("INSERT INTO Login (Name, Host) VALUES ('noone', 'x')");
    TestShop::exec("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till2')");
    w.endSession();
    QCOMPARE(TestShop::count("SELECT id FROM Actions"), 0);
    QCOMPARE(TestShop::count("SELECT Id FROM Login"), 2);
    QVERIFY(!settings->contains("/Personal/width/noone"));

    till.login("MARY");
    w.resize(1010, 610);
    w.endSession();
    QCOMPARE(utils->userName(), "noone");
    QCOMPARE(TestShop::count("SELECT Id FROM Login WHERE Name='MARY'"), 0);
    QCOMPARE(TestShop::count("SELECT Id FROM Login WHERE Name='JOHN'"), 1);
    QCOMPARE(TestShop::value("SELECT Who FROM Actions WHERE Action='LOGOUT' AND Status='1'").toString(),
             "MARY : " + utils->hostName().toUpper());
    QCOMPARE(settings->readNumEntry("/Personal/width/MARY"), 1010);
    w.showLoggedOut();
    QVERIFY(w.WorkArea->isHidden());
    QVERIFY(w.menuBar()->isHidden());
    QVERIFY(till.exits.isEmpty());
}

void TestSalesWindow::quitting_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No keeps the till and the session") << 1;
    QTest::newRow("Yes closes it") << 0;
}

void TestSalesWindow::quitting()
{
    QFETCH(int, answer);
    const bool closed = answer == 0;
    Till till;
    till.login("MARY");
    Sales& w = *till.window;
    w.show();
    w.resize(900, 650);
    till.shop.prompts().expect(ZkPrompt::Question, "Brevalon",
                               "Have you done your cash up ?\nAre you sure you wish to quit ?", answer);
    QCOMPARE(w.close(), closed);
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(TestShop::count("SELECT Id FROM Login WHERE Name='MARY'"), closed ? 0 : 1);
    // The login screen of the next start opens as this one closed.
    QCOMPARE(settings->contains("/Personal/width/noone"), closed);
    if (closed) {
        QCOMPARE(settings->readNumEntry("/Personal/width/noone"), 900);
        QCOMPARE(settings->readNumEntry("/Personal/height/noone"), 650);
        QCOMPARE(settings->readNumEntry("/Personal/width/MARY"), 900);
    }
}

void TestSalesWindow::pendingIndicatorAndSaleButtons()
{
    Till till;
    till.login("MARY");
    Sales& w = *till.window;
    w.checkVendState();
    QVERIFY(!w.PushButton4->isEnabledTo(w.tab));
    QVERIFY(!w.OrderButton->isEnabledTo(w.tab));
    QVERIFY(w.PushButton5->isEnabledTo(w.tab)); // a pending order can be billed without new lines
    QVERIFY(w.EditPushButton->isHidden());
    QCOMPARE(pixmapOf(w.PendingLabel), shareImage(till, "nopending.png"));

    till.addLine("1", "CAPPUCCINO", "28.00");
    w.setPending(true);
    QVERIFY(!w.EditPushButton->isHidden());
    QCOMPARE(pixmapOf(w.PendingLabel), shareImage(till, "pending.png"));
    // The sale's buttons were brought up to date.
    QVERIFY(w.PushButton4->isEnabledTo(w.tab));
    QVERIFY(w.OrderButton->isEnabledTo(w.tab));

    w.setStatus("Waiter: JOHN");
    w.setPending(false);
    QVERIFY(w.EditPushButton->isHidden());
    QCOMPARE(pixmapOf(w.PendingLabel), shareImage(till, "nopending.png"));
    QCOMPARE(w.status(), QString());
}

void TestSalesWindow::helpStartsOneViewer()
{
    Till till;
    Sales& w = *till.window;
    // Help starts one viewer (a stand-in that notes how it was started) on
    // the compiled manual, not one per press.
    QVERIFY(QFile::link(TestShop::installDir() + QLatin1String("/help"), till.installDir() + QLatin1String("/help")));
    QVERIFY(QFile::exists(till.installDir() + QLatin1String("/help/Brevalon/brevalon.qhc")));
    const QString bin = till.installDir() + QLatin1String("/bin");
    QDir().mkpath(bin);
    const QString log = till.shop.home() + QLatin1String("/viewer.log");
    QFile script(bin + QLatin1String("/assistant"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\necho \"$@\" >> '%1'\nexec sleep 30\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    w.helpContents();
    QTRY_VERIFY(QFile::exists(log));
    auto* viewer = w.findChild<QProcess*>("HelpViewer");
    QVERIFY(viewer);
    QTRY_COMPARE(viewer->state(), QProcess::Running);
    w.helpContents();
    QTest::qWait(200);
    QFile read(log);
    QVERIFY(read.open(QIODevice::ReadOnly));
    const QStringList starts = QString::fromUtf8(read.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(starts.size(), 1);
    QVERIFY(starts.first().contains(till.installDir() + "/help/Brevalon/brevalon.qhc"));
    viewer->kill();
    viewer->waitForFinished();
}

void TestSalesWindow::styleByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("style");
    QTest::newRow("Default is the default style, Polymer is Fusion") << "Default" << "fusion";
    QTest::newRow("an unknown style changes nothing") << "Motif" << "windows";
}

void TestSalesWindow::styleByName()
{
    QFETCH(QString, name);
    QFETCH(QString, style);
    const QString before = defStyle;
    defStyle = "Polymer";
    Sales::applyStyle("Windows");
    Sales::applyStyle(name);
    QCOMPARE(QApplication::style()->name().toLower(), style);
    QApplication::setStyle("Fusion");
    defStyle = before;
}

void TestSalesWindow::keysDispatchByTab()
{
    Till till;
    Till::setRights("MARY", {"CashOnlyLock"});
    till.login("MARY");
    ProbeSales& w = *till.window;
    w.TabWidget2->setCurrentWidget(w.tab);
    w.F3Action->trigger();
    w.PreviewPushButton->click();
    QCOMPARE(w.calls.value("previewInvoice"), 2);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    w.F3Action->trigger();
    QCOMPARE(w.calls.value("refreshReceipt"), 1);
    QCOMPARE(w.calls.value("previewInvoice"), 2);
    // The QR payment is offered only where the service is set up.
    QVERIFY(!w.SnapScanButton->isVisibleTo(&w));
    w.F12Action->trigger();
    QCOMPARE(w.calls.value("snapScanPayment"), 0);
    settings->writeEntry("/Global/SnapScan/Enabled", true);
    w.i18nInit();
    QVERIFY(w.SnapScanButton->isVisibleTo(&w));
    w.F12Action->trigger();
    w.SnapScanButton->click();
    QCOMPARE(w.calls.value("snapScanPayment"), 2);
}

void TestSalesWindow::eachRightSwitchesExactlyItsControl_data()
{
    QTest::addColumn<int>("right"); // -1: all of them
    for (Sales::Right r : kRightControls.keys())
        QTest::newRow(qPrintable(Sales::rightColumn(r))) << int(r);
    QTest::newRow("all rights") << -1;
}

void TestSalesWindow::eachRightSwitchesExactlyItsControl()
{
    QFETCH(int, right);
    Till till;
    QStringList granted;
    for (int r = 0; r < Sales::RightCount; ++r) {
        if (right < 0 || r == right)
            granted << Sales::rightColumn(Sales::Right(r));
    }
    Till::setRights("MARY", granted);
    till.login("MARY");
    Sales& w = *till.window;
    for (int withdrawn = 0; withdrawn < 2; ++withdrawn) {
        for (int r = 0; r < Sales::RightCount; ++r) {
            const bool held = !withdrawn && (right < 0 || r == right);
            QCOMPARE(w.hasRight(Sales::Right(r)), held);
            for (const QString& control : kRightControls.value(Sales::Right(r)))
                QVERIFY2(switchedOn(w, control) == held, qPrintable(control));
        }
        // The next refresh takes the right away again once it is withdrawn.
        Till::setRights("MARY", {});
        w.checkGuiPerms();
    }
}

void TestSalesWindow::operatorWithoutRightsCanStillSell()
{
    Till till;
    Till::setRights("MARY", {});
    till.login("MARY");
    Sales& w = *till.window;
    for (const char* name : {"ItemComboBox", "AddPushButton", "PushButton5", "CashAmountEdit", "ProcessButton"}) {
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
    // An operator without a Personel row holds no right at all.
    TestShop::exec(QString("INSERT INTO Login (Name, Host, Station) VALUES ('GHOST', '%1', '%2')")
                       .arg(utils->hostName(), utils->stationId()));
    Till::setRights("MARY", {"Reports"});
    utils->setUserName("GHOST");
    w.updateGuiControls(true);
    for (int r = 0; r < Sales::RightCount; ++r)
        QVERIFY(!w.hasRight(Sales::Right(r)));    // A right that is neither Y nor N, as an old row may hold, is not held.
    utils->setUserName("MARY");
    TestShop::exec("UPDATE Personel SET Reports='' WHERE Name='MARY'");
    w.updateGuiControls(true);
    QVERIFY(!w.hasRight(Sales::Reports));
}

void TestSalesWindow::rightsFollowTheDatabaseEverySecond()
{
    Till till;
    Till::setRights("MARY", {});
    till.login("MARY");
    QVERIFY(!till.window->pushButton29->isEnabled());
    // Granted from another station: the till picks it up on its own.
    Till::setRights("MARY", {"VoidInvoice"});
    QTRY_VERIFY_WITH_TIMEOUT(!till.window->pushButton29->testAttribute(Qt::WA_ForceDisabled), 3000);
    QVERIFY(till.exits.isEmpty());
}

void TestSalesWindow::sessionCheck_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("loginHost"); // empty: no Login row; "here": this station
    QTest::addColumn<bool>("check"); // false: the periodic refresh
    QTest::addColumn<bool>("ends");
    QTest::newRow("own session") << "MARY" << "here" << true << false;
    QTest::newRow("session unlocked away") << "MARY" << "" << true << true;
    QTest::newRow("session at another station") << "MARY" << "till9" << true << true;
    QTest::newRow("another till of this host name") << "MARY" << "this host" << true << true;
    QTest::newRow("the periodic refresh does not look") << "MARY" << "" << false << false;
    QTest::newRow("Admin has no session row") << "Admin" << "" << true << false;
}

void TestSalesWindow::sessionCheck()
{
    QFETCH(QString, user);
    QFETCH(QString, loginHost);
    QFETCH(bool, check);
    QFETCH(bool, ends);
    Till till;
    till.login(user);
    TestShop::exec("DELETE FROM Login");
    // A station is this till only by its own name, whatever the host's.
    if (!loginHost.isEmpty())
        TestShop::exec(QString("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', '%3')")
                           .arg(user, loginHost == QLatin1String("till9") ? loginHost : utils->hostName(),
                                loginHost == QLatin1String("here") ? utils->stationId() : QStringLiteral("other")));
    // Without the right any more, to see whether the rights were applied.
    Till::setRights(user, {});
    if (check)
        till.window->updateGuiControls(true);
    else
        till.window->checkGuiPerms();
    QCOMPARE(till.exits, ends ? QList<int>{0} : QList<int>{});
    // A session that ended applies nothing more.
    QCOMPARE(till.window->hasRight(Sales::ViewDocuments), ends && user == QLatin1String("MARY"));
}

BREVALON_TEST_MAIN(TestSalesWindow)
#include "tst_saleswindow.moc"
