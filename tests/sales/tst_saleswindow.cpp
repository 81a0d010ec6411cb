// The sales window around the sale: waiting for a login and starting and
// ending a session, the operator's window sizes, the button colours, clearing
// for the next customer, quitting, the pending indicator, help, language,
// style, the keys the window dispatches, and resetting the sequence.

#include "tests/sales/till.h"

#include "core/zkclock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QProcess>
#include <QStyle>
#include <QTest>
#include <QTimer>

namespace {

QColor lcdColour(const Sales& w)
{
    return w.TotalLCD->palette().color(QPalette::WindowText);
}

QImage pixmapOf(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage shareImage(const Till& till, const char* file)
{
    return QImage(till.installDir() + QLatin1String("/share/Brevalon/") + QLatin1String(file))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestSalesWindow : public QObject
{
    Q_OBJECT

private slots:
    void newWindowWaitsForLogin();
    void windowOpensAtTheDefaultSizes();
    void sizesAreWrittenBackAndRestored();
    void buttonsWearTheirPalettes_data();
    void buttonsWearTheirPalettes();
    void iconsComeFromTheShareFolder();
    void startingASessionShowsTheTill_data();
    void startingASessionShowsTheTill();
    void endingASessionFreesTheOperator();
    void endingWithNobodyLoggedInLogsNothing();
    void clearingAnEmptySaleAsksNothing();
    void clearingWithLinesAsks_data();
    void clearingWithLinesAsks();
    void f5ClearAllNeverAsks();
    void clearingAsAdminClosesTheSaleTabs();
    void clearingFollowsTheCashRights_data();
    void clearingFollowsTheCashRights();
    void quitting_data();
    void quitting();
    void pendingIndicator();
    void saleButtonsNeedALine();
    void resetSequenceStartsAtOne();
    void aboutNamesOperatorHostAndCashAccount();
    void helpOpensTheViewerOnce();
    void languageSettingsOfTheTenders();
    void styleByName_data();
    void styleByName();
    void keysDispatchByTab();
};

void TestSalesWindow::newWindowWaitsForLogin()
{
    Till till;
    Sales& w = *till.window;
    QCOMPARE(w.objectName(), QStringLiteral("sales"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Brevalon - Waiting for login"));
    QVERIFY(w.WorkArea->isHidden());
    QVERIFY(!w.TillClosedLabel->isHidden());
    QVERIFY(w.TillClosedLabel->text().contains(QLatin1String("The Harbour Kitchen - Till Closed")));
    QVERIFY(w.menuBar()->isHidden());
    // The window checks the operator's rights every second.
    auto* timer = w.findChild<QTimer*>(QStringLiteral("PermissionTimer"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isSingleShot());
}

void TestSalesWindow::windowOpensAtTheDefaultSizes()
{
    Till till;
    Sales& w = *till.window;
    auto check = [&] {
        QCOMPARE(w.pos(), QPoint(30, 46));
        QCOMPARE(w.size(), QSize(800, 600));
        QCOMPARE(w.VendListView->columnWidth(0), 75);
        QCOMPARE(w.VendListView->columnWidth(1), 195);
        QCOMPARE(w.VendListView->columnWidth(2), 50);
        QCOMPARE(w.VendListView->columnWidth(3), 50);
    };
    check();
    till.login(QStringLiteral("MARY"));
    check();
    // The whole till fits the smallest screen it is sold for.
    QVERIFY2(w.minimumSizeHint().width() <= 800 && w.minimumSizeHint().height() <= 600,
             qPrintable(QStringLiteral("%1x%2").arg(w.minimumSizeHint().width()).arg(w.minimumSizeHint().height())));
    QCOMPARE(w.VendListView->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w.VendListView->font().pointSize(), 10);
}

void TestSalesWindow::sizesAreWrittenBackAndRestored()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    w.move(50, 60);
    w.resize(1000, 700);
    w.VendListView->header()->resizeSection(1, 240);
    auto stored = [](const char* entry) {
        return settings->readNumEntry(ZkSettings::userKey(QLatin1String(entry), QStringLiteral("MARY")));
    };
    QCOMPARE(stored("/Personal/DescriptionWidth/"), 240);
    QCOMPARE(stored("/Personal/QtyWidth/"), 75);
    QCOMPARE(stored("/Personal/left/"), 50);
    QCOMPARE(stored("/Personal/top/"), 60);
    QCOMPARE(stored("/Personal/width/"), 1000);
    QCOMPARE(stored("/Personal/height/"), 700);
    // Nobody else's sizes moved.
    QVERIFY(!settings->contains(QStringLiteral("/Personal/width/noone")));

    // Any column change writes the whole set back, the geometry with it.
    w.move(10, 20);
    w.VendListView->setColumnWidth(3, 66);
    QCOMPARE(stored("/Personal/left/"), 10);
    QCOMPARE(stored("/Personal/AmountWidth/"), 66);

    settings->writeEntry(QStringLiteral("/Personal/left/MARY"), 70);
    settings->writeEntry(QStringLiteral("/Personal/top/MARY"), 80);
    settings->writeEntry(QStringLiteral("/Personal/width/MARY"), 1024);
    settings->writeEntry(QStringLiteral("/Personal/height/MARY"), 768);
    settings->writeEntry(QStringLiteral("/Personal/QtyWidth/MARY"), 60);
    settings->writeEntry(QStringLiteral("/Personal/DescriptionWidth/MARY"), 250);
    w.applySizes();
    QCOMPARE(w.pos(), QPoint(70, 80));
    QCOMPARE(w.size(), QSize(1024, 768));
    QCOMPARE(w.VendListView->columnWidth(0), 60);
    QCOMPARE(w.VendListView->columnWidth(1), 250);
    QCOMPARE(w.VendListView->columnWidth(3), 66);
    // Applying them is not the operator changing them: nothing half-applied
    // was written back on the way.
    QCOMPARE(stored("/Personal/DescriptionWidth/"), 250);
    QCOMPARE(stored("/Personal/width/"), 1024);
}

void TestSalesWindow::buttonsWearTheirPalettes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("palette");
    const struct
    {
        int palette;
        QStringList buttons;
    } rows[] = {
        {1, {"PushButton3", "ReceiptClearButton", "EditPushButton", "pushButton28", "pushButton29"}},
        {2, {"NewAccountButton"}},
        {3, {"PreviewPushButton", "PullQuoteButton"}},
        {4, {"CashDrawButton", "ViewQuoteButton"}},
        {5, {"pushButton30", "OrderButton", "RefreshButton", "ViewInvoiceButton"}},
        {6, {"PushButton4", "UpdateAccountButton"}},
        {7, {"ViewReturnButton"}},
        {8, {"PushButton5", "ProcessButton", "ViewReceiptButton"}},
    };
    for (const auto& r : rows) {
        for (const QString& b : r.buttons)
            QTest::newRow(qPrintable(b)) << b << r.palette;
    }
}

void TestSalesWindow::buttonsWearTheirPalettes()
{
    QFETCH(QString, button);
    QFETCH(int, palette);
    Till till;
    auto* b = till.window->findChild<QAbstractButton*>(button);
    QVERIFY(b);
    // The default colour mode gives every palette its own button colour.
    const QPalette& want = utils->buttonPalette(palette);
    QCOMPARE(b->palette().color(QPalette::Active, QPalette::Button), want.color(QPalette::Active, QPalette::Button));
    QCOMPARE(b->palette().color(QPalette::Active, QPalette::ButtonText),
             want.color(QPalette::Active, QPalette::ButtonText));
}

void TestSalesWindow::iconsComeFromTheShareFolder()
{
    Till till;
    Sales& w = *till.window;
    const struct
    {
        QIcon icon;
        const char* file;
    } icons[] = {
        {w.tabWidget3->tabIcon(0), "keyboard.png"}, {w.tabWidget3->tabIcon(1), "dep.png"},
        {w.toolButton1->icon(), "dep.png"},         {w.toolButton2->icon(), "delete.png"},
        {w.toolButton3->icon(), "next.png"},        {w.toolButton4->icon(), "prev.png"},
        {w.toolButton5->icon(), "qty.png"},
    };
    for (const auto& i : icons) {
        QVERIFY2(!i.icon.isNull(), i.file);
        const QImage shown = i.icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown, shareImage(till, i.file));
    }
}

void TestSalesWindow::startingASessionShowsTheTill_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QString>("entryPage");
    QTest::newRow("cashier on the touch page") << "MARY" << true << "tab_3";
    QTest::newRow("cashier on the keyboard page") << "MARY" << false << "tab_2";
    QTest::newRow("Admin always on the keyboard page") << "Admin" << true << "tab_2";
}

void TestSalesWindow::startingASessionShowsTheTill()
{
    QFETCH(QString, user);
    QFETCH(bool, touch);
    QFETCH(QString, entryPage);
    Till till;
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), user), touch);
    till.login(user);
    Sales& w = *till.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Brevalon - %1 Logged in at 2026-12-05 10:30:00").arg(user));
    QVERIFY(!w.WorkArea->isHidden());
    QVERIFY(w.TillClosedLabel->isHidden());
    QCOMPARE(w.tabWidget3->currentWidget()->objectName(), entryPage);
    QCOMPARE(w.TabWidget2->currentWidget(),
             user == QLatin1String("Admin") ? static_cast<QWidget*>(w.tab_5) : static_cast<QWidget*>(w.tab));
    QVERIFY(till.exits.isEmpty());
}

void TestSalesWindow::endingASessionFreesTheOperator()
{
    Till till;
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QVERIFY(utils->initClass(true));
    till.login(QStringLiteral("MARY"));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('JOHN', 'till2')"));
    till.window->resize(1010, 610);
    till.window->endSession();
    QCOMPARE(utils->userName(), QStringLiteral("noone"));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT Id FROM Login WHERE Name='MARY'")), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT Id FROM Login WHERE Name='JOHN'")), 1);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Status FROM Actions WHERE Action='LOGOUT'")).toString(),
             QStringLiteral("1"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Who FROM Actions WHERE Action='LOGOUT'")).toString(),
             QStringLiteral("MARY : ") + utils->hostName().toUpper());
    QCOMPARE(settings->readNumEntry(QStringLiteral("/Personal/width/MARY")), 1010);

    till.window->showLoggedOut();
    QCOMPARE(till.window->windowTitle(), QStringLiteral("Brevalon - Waiting for login"));
    QVERIFY(till.window->WorkArea->isHidden());
    QVERIFY(till.window->menuBar()->isHidden());
}

void TestSalesWindow::endingWithNobodyLoggedInLogsNothing()
{
    Till till;
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QVERIFY(utils->initClass(true));
    TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host) VALUES ('noone', 'x')"));
    till.window->endSession();
    QCOMPARE(TestShop::count(QStringLiteral("SELECT id FROM Actions")), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT Id FROM Login")), 1);
    QVERIFY(!settings->contains(QStringLiteral("/Personal/width/noone")));
}

void TestSalesWindow::clearingAnEmptySaleAsksNothing()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    w.WaiterEdit->setText(QStringLiteral("2222"));
    w.NameComboBox->setEditText(QStringLiteral("TABLE 3"));
    w.TotalLCD->setText(QStringLiteral("12.00"));
    w.setTotalColour(Qt::red);
    w.setStatus(QStringLiteral("Waiter: JOHN"));
    new QTreeWidgetItem(w.InvoiceListView, {QStringLiteral("12")});
    new QTreeWidgetItem(w.RefundListView, {QStringLiteral("3")});
    w.TabWidget2->setCurrentWidget(w.tab_5);
    utils->setWaiter(QStringLiteral("JOHN"));

    w.clear(); // no prompt is scripted: any question fails the test

    QCOMPARE(w.WaiterEdit->text(), QString());
    QCOMPARE(w.NameComboBox->currentText(), QString());
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("0.00"));
    QCOMPARE(lcdColour(w), SalesGui::totalNormalColour());
    QCOMPARE(w.status(), QString());
    QCOMPARE(w.InvoiceListView->topLevelItemCount(), 0);
    QCOMPARE(w.RefundListView->topLevelItemCount(), 0);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QCOMPARE(w.TabWidget2->tabText(0), QStringLiteral("&Client"));
    QCOMPARE(w.TabWidget2->tabText(1), QStringLiteral("&Receipt"));
    QVERIFY(w.TabWidget2->tabIcon(0).isNull());
    QCOMPARE(w.BannerLabel->text(),
             QStringLiteral("<center><h2>The Harbour Kitchen - Next Customer Please</h2></center>"));
    QCOMPARE(w.LessEdit->text(), w.defaultDiscount());
    QCOMPARE(utils->getWaiter(), QStringLiteral("MARY"));
    // No account is chosen yet: nothing can be rung up until one is.
    QVERIFY(!w.clientSelected());
    QVERIFY(!w.salesTabOpen());
    QVERIFY(w.TabWidget2->isTabEnabled(0));
    QVERIFY(w.TabWidget2->isTabEnabled(1));
    QVERIFY(!w.WaiterEdit->isEnabled());
    // A change of language keeps what the till shows.
    const QString banner = w.BannerLabel->text();
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&w, &change);
    QCOMPARE(w.TabWidget2->tabText(0), QStringLiteral("&Client"));
    QCOMPARE(w.BannerLabel->text(), banner);
}

void TestSalesWindow::clearingWithLinesAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("linesLeft");
    QTest::newRow("No keeps the sale") << 1 << 2;
    QTest::newRow("Yes clears it") << 0 << 0;
}

void TestSalesWindow::clearingWithLinesAsks()
{
    QFETCH(int, answer);
    QFETCH(int, linesLeft);
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    till.addLine(QStringLiteral("1"), QStringLiteral("CAPPUCCINO"), QStringLiteral("28.00"));
    till.addLine(QStringLiteral("2"), QStringLiteral("MUFFIN"), QStringLiteral("50.00"));
    w.TotalLCD->setText(QStringLiteral("78.00"));
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"),
                               QStringLiteral("There are items in the Sales tab. Using clear they will be lost forever !\n"
                                              "Most likely you still need to press Order or Print Bill, If not, are "
                                              "you sure you wan't to clear everything ?\n\n"),
                               answer);
    w.clear();
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(w.VendListView->topLevelItemCount(), linesLeft);
    QCOMPARE(w.TotalLCD->text(), linesLeft ? QStringLiteral("78.00") : QStringLiteral("0.00"));
}

void TestSalesWindow::f5ClearAllNeverAsks()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    till.addLine(QStringLiteral("1"), QStringLiteral("CAPPUCCINO"), QStringLiteral("28.00"));
    till.window->F5clearAll();
    QCOMPARE(till.window->VendListView->topLevelItemCount(), 0);
    QCOMPARE(till.window->TotalLCD->text(), QStringLiteral("0.00"));
}

void TestSalesWindow::clearingAsAdminClosesTheSaleTabs()
{
    Till till;
    till.login(QStringLiteral("Admin"));
    Sales& w = *till.window;
    QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center><h2>Admin Mode - Till Closed</h2></center>"));
    QVERIFY(!w.TabWidget2->isTabEnabled(0));
    QVERIFY(!w.TabWidget2->isTabEnabled(1));
    QVERIFY(w.TabWidget2->isTabEnabled(2));
    // Even with the cash account selected at once, Admin sells nothing.
    Till::setRights(QStringLiteral("Admin"), {QStringLiteral("CashOnlyLock")});
    w.updateGuiControls(false);
    w.clear();
    QVERIFY(w.clientSelected());
    QVERIFY(!w.TabWidget2->isTabEnabled(0));
    QVERIFY(!w.TabWidget2->isTabEnabled(1));
}

void TestSalesWindow::clearingFollowsTheCashRights_data()
{
    QTest::addColumn<QStringList>("rights");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("clientGroup");
    QTest::addColumn<QString>("accountField");
    QTest::addColumn<int>("searches");
    QTest::newRow("neither right") << QStringList() << false << false << QString() << 0;
    QTest::newRow("cash only lock") << QStringList{"CashOnlyLock"} << true << true << QString() << 0;
    QTest::newRow("sticky cash") << QStringList{"StickyCash"} << false << false << "14" << 1;
    QTest::newRow("both") << QStringList{"CashOnlyLock", "StickyCash"} << true << true << "14" << 1;
}

void TestSalesWindow::clearingFollowsTheCashRights()
{
    QFETCH(QStringList, rights);
    QFETCH(bool, selected);
    QFETCH(bool, clientGroup);
    QFETCH(QString, accountField);
    QFETCH(int, searches);
    Till till;
    Till::setRights(QStringLiteral("MARY"), rights);
    // MARY's own cash account, not the shop's first one.
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=14 WHERE Name='MARY'"));
    till.login(QStringLiteral("MARY"));
    ProbeSales& w = *till.window;
    QCOMPARE(w.clientSelected(), selected);
    QCOMPARE(w.GroupBox1->isEnabled(), clientGroup);
    QCOMPARE(w.salesTabOpen(), selected);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QCOMPARE(w.WaiterEdit->isEnabled(), selected);
    QCOMPARE(w.AccEdit->text(), accountField);
    QCOMPARE(w.calls.value(QStringLiteral("stickyClientSearch")), searches);
    if (searches)
        QCOMPARE(w.stickyArguments.value(0), true);
}

void TestSalesWindow::quitting_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("No keeps the till and the session") << 1 << false;
    QTest::newRow("Yes closes it") << 0 << true;
}

void TestSalesWindow::quitting()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    w.show();
    w.resize(900, 650);
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Brevalon"),
                               QStringLiteral("Have you done your cash up ?\nAre you sure you wish to quit ?"), answer);
    QCOMPARE(w.close(), closed);
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT Id FROM Login WHERE Name='MARY'")), closed ? 0 : 1);
    // The login screen of the next start opens as this one closed.
    QCOMPARE(settings->contains(QStringLiteral("/Personal/width/noone")), closed);
    if (closed) {
        QCOMPARE(settings->readNumEntry(QStringLiteral("/Personal/width/noone")), 900);
        QCOMPARE(settings->readNumEntry(QStringLiteral("/Personal/height/noone")), 650);
        QCOMPARE(settings->readNumEntry(QStringLiteral("/Personal/width/MARY")), 900);
        QCOMPARE(settings->readNumEntry(QStringLiteral("/Personal/DescriptionWidth/noone")), 195);
        QVERIFY(settings->readNumEntry(QStringLiteral("/Personal/split/noone")) > 0);
    }
}

void TestSalesWindow::pendingIndicator()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    QVERIFY(w.EditPushButton->isHidden());
    QCOMPARE(pixmapOf(w.PendingLabel), shareImage(till, "nopending.png"));

    till.addLine(QStringLiteral("1"), QStringLiteral("CAPPUCCINO"), QStringLiteral("28.00"));
    w.setPending(true);
    QVERIFY(!w.EditPushButton->isHidden());
    QCOMPARE(pixmapOf(w.PendingLabel), shareImage(till, "pending.png"));
    QVERIFY(w.OrderButton->isEnabledTo(w.tab)); // the sale's buttons were brought up to date

    w.setStatus(QStringLiteral("Waiter: JOHN"));
    w.setPending(false);
    QVERIFY(w.EditPushButton->isHidden());
    QCOMPARE(pixmapOf(w.PendingLabel), shareImage(till, "nopending.png"));
    QCOMPARE(w.status(), QString());
}

void TestSalesWindow::saleButtonsNeedALine()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    w.checkVendState();
    QVERIFY(!w.PushButton4->isEnabledTo(w.tab));
    QVERIFY(!w.OrderButton->isEnabledTo(w.tab));
    QVERIFY(w.PushButton5->isEnabledTo(w.tab)); // a pending order can be billed without new lines
    till.addLine(QStringLiteral("1"), QStringLiteral("CAPPUCCINO"), QStringLiteral("28.00"));
    w.checkVendState();
    QVERIFY(w.PushButton4->isEnabledTo(w.tab));
    QVERIFY(w.OrderButton->isEnabledTo(w.tab));
}

void TestSalesWindow::resetSequenceStartsAtOne()
{
    Till till;
    till.login(QStringLiteral("Admin"));
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=57"));
    till.window->fileAdminGroupReset_SequenceAction->trigger();
    QCOMPARE(TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt(), 1);
}

void TestSalesWindow::aboutNamesOperatorHostAndCashAccount()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    settings->writeEntry(QStringLiteral("/Personal/CashAcc/MARY"), "TILL 2");
    till.shop.prompts().expect(
        ZkPrompt::Information, QString(),
        QStringLiteral("<h3>Brevalon - Resturant Point Of Sale</h3><P>You are <b><em>MARY</em></b> on <b><em>%1"
                       "</em></b><br>Your Cash account is <b><em>TILL 2</em></b><p>")
            .arg(utils->hostName()));
    till.window->helpAboutAction->trigger();
    QVERIFY(till.shop.prompts().done());
}

void TestSalesWindow::helpOpensTheViewerOnce()
{
    Till till;
    // A stand-in viewer that notes how it was started and stays open.
    const QString bin = till.installDir() + QLatin1String("/bin");
    QDir().mkpath(bin);
    const QString log = till.shop.home() + QLatin1String("/viewer.log");
    QFile script(bin + QLatin1String("/assistant"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\nexec sleep 30\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);

    till.window->helpContents();
    QTRY_VERIFY(QFile::exists(log));
    auto* viewer = till.window->findChild<QProcess*>(QStringLiteral("HelpViewer"));
    QVERIFY(viewer);
    QTRY_COMPARE(viewer->state(), QProcess::Running);
    till.window->helpContents();
    QTest::qWait(200);
    QFile read(log);
    QVERIFY(read.open(QIODevice::ReadOnly));
    const QString dir = till.installDir();
    QCOMPARE(QString::fromUtf8(read.readAll()),
             QStringLiteral("-profile %1/help/Qelmora/contents.dcf %1/help/Brevalon/index.html\n").arg(dir));
    viewer->kill();
    viewer->waitForFinished();
}

void TestSalesWindow::languageSettingsOfTheTenders()
{
    Till till;
    till.login(QStringLiteral("MARY"));
    Sales& w = *till.window;
    QCOMPARE(w.EFTLabel->text(), QStringLiteral("EFT"));
    settings->writeEntry(QStringLiteral("/Global/Semper/Enabled"), true);
    w.i18nInit();
    QCOMPARE(w.EFTLabel->text(), QStringLiteral("On Acc"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&w, &change);
    QCOMPARE(w.EFTLabel->text(), QStringLiteral("On Acc"));
    for (const char* type : {"Inventory", "Remarks", "Pvt. Notes"})
        QCOMPARE(w.lineType(QLatin1String(type)), QLatin1String(type));
    QCOMPARE(w.lineType(QStringLiteral("Notes")), QString());
}

void TestSalesWindow::styleByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("style");
    QTest::newRow("Default is the default style") << "Default" << "fusion";
    QTest::newRow("Polymer is Fusion") << "Polymer" << "fusion";
    QTest::newRow("a style Qt has") << "Windows" << "windows";
    QTest::newRow("an unknown style changes nothing") << "Motif" << "windows";
}

void TestSalesWindow::styleByName()
{
    QFETCH(QString, name);
    QFETCH(QString, style);
    const QString before = defStyle;
    defStyle = QStringLiteral("Polymer");
    if (name == QLatin1String("Motif"))
        Sales::applyStyle(QStringLiteral("Windows"));
    else
        QApplication::setStyle(QStringLiteral("Windows"));
    Sales::applyStyle(name);
    QCOMPARE(QApplication::style()->name().toLower(), style);
    QApplication::setStyle(QStringLiteral("Fusion"));
    defStyle = before;
}

void TestSalesWindow::keysDispatchByTab()
{
    Till till;
    Till::setRights(QStringLiteral("MARY"), {QStringLiteral("CashOnlyLock")});
    till.login(QStringLiteral("MARY"));
    ProbeSales& w = *till.window;
    w.TabWidget2->setCurrentWidget(w.tab);
    w.F3Action->trigger();
    w.PreviewPushButton->click();
    QCOMPARE(w.calls.value(QStringLiteral("previewInvoice")), 2);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    w.F3Action->trigger();
    QCOMPARE(w.calls.value(QStringLiteral("refreshReceipt")), 1);
    QCOMPARE(w.calls.value(QStringLiteral("previewInvoice")), 2);
    w.F12Action->trigger();
    w.SnapScanButton->click();
    QCOMPARE(w.calls.value(QStringLiteral("snapScanPayment")), 2);
}

BREVALON_TEST_MAIN(TestSalesWindow)
#include "tst_saleswindow.moc"
