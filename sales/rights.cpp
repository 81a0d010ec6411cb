// The operator's rights: read from Personel every second and applied to the
// menus, fields, tab pages and buttons they switch.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QMenuBar>
#include <QSqlQuery>

namespace {

const char* const kColumns[Sales::RightCount] = {
    "MailStatement", "EmailRuns",    "Backup",        "CashUp",           "MonthEnd",       "ReceiveStock",
    "PurgeClient",   "MergeClient",  "Inventory",     "Departments",      "Suppliers",      "Stock",
    "Reports",       "AuditTrail",   "JornalTrail",   "ViewStatement",    "Discount",       "Preferences",
    "TaxControl",    "PriceOveride", "AllowUnValidated", "ViewActions",   "CashOnlyLock",   "Refunds",
    "CashDate",      "ModifyClient", "ViewDocuments", "StockPriceAdjust", "StockPriceView", "StickyCash",
    "VoidReceipt",   "VoidInvoice"};

} // namespace

QString Sales::rightColumn(Right right)
{
    return QLatin1String(kColumns[right]);
}

void Sales::checkGuiPerms()
{
    updateGuiControls(false);
}

void Sales::updateGuiControls(bool checkSession)
{
    applyLayout();
    if (checkSession && !sessionStillOurs())
        return;
    if (utils->loggedOut())
        return;
    if (readRights())
        applyRights();
}

void Sales::applyLayout()
{
    // Nobody logged in: no menus until somebody is.
    const bool menus = !utils->loggedOut() && !touchLayout();
    if (menuBar()->isHidden() == menus)
        menuBar()->setVisible(menus);
    const bool full = settings->readBoolEntry(QStringLiteral("/Global/FullScreen"));
    if (windowState().testFlag(Qt::WindowFullScreen) != full)
        setWindowState(windowState() ^ Qt::WindowFullScreen);
}

bool Sales::readRights()
{
    QStringList columns;
    for (int r = 0; r < RightCount; ++r)
        columns << rightColumn(Right(r));
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT ") + columns.join(QLatin1String(", "))
                + QLatin1String(" FROM Personel WHERE Name='") + Utility::escapeSQL(utils->userName())
                + QLatin1Char('\''))) {
        Utility::showDBError(q);
        return false;
    }
    // An operator without a Personel row holds no right at all.
    const bool found = q.next();
    for (int r = 0; r < RightCount; ++r)
        m_rights[r] = found && q.value(r).toString() == QLatin1String("Y");
    return true;
}

void Sales::buildRightTargets()
{
    auto action = [](QAction* a) { return [a](bool on) { a->setEnabled(on); }; };
    auto widgets = [](QList<QWidget*> ws) {
        return [ws](bool on) {
            for (QWidget* w : ws)
                w->setEnabled(on);
        };
    };
    auto page = [this](QWidget* p) {
        return [this, p](bool on) { TabWidget2->setTabEnabled(TabWidget2->indexOf(p), on); };
    };
    m_rightTargets = {
        action(fileMailStatementsAction),
        action(fileMailEmailAction),
        action(fileBackupAction),
        action(fileCashUpAction),
        action(fileMonthEndAction),
        action(fileReceiveStockAction),
        action(editClientPurgeAction),
        action(editClientMergeAction),
        // Compositions are priced sets of items: kept under the same right.
        [this](bool on) {
            editInventoryAction->setEnabled(on);
            editManageGroupCompositionsAction->setEnabled(on);
        },
        action(editManageGroupDepartmentsAction),
        action(editManageGroupSuppliersAction),
        action(editManageGroupOrdersAction),
        [this](bool on) { ViewReportsActionGroup->setEnabled(on); },
        action(viewAuditAction),
        action(viewJournalAction),
        action(viewStatementAction),
        widgets({LessEdit, SetDiscountAEdit, SetDiscountCEdit}),
        action(editPreferencesAction),
        widgets({tax1_tb, tax2_tb}),
        widgets({PriceEdit}),
        {}, // AllowUnValidated: consulted by item entry
        action(ViewReportsGroupActionsAction),
        {}, // CashOnlyLock: consulted when the sale is cleared
        widgets({RefundPushButton}),
        action(fileAdminGroupCash_DateAction),
        page(tab_6),
        page(tab_5),
        {}, // StockPriceAdjust: passed to stock receiving
        {}, // StockPriceView: passed to stock receiving
        {}, // StickyCash: consulted when the sale is cleared
        widgets({pushButton28}),
        widgets({pushButton29}),
    };
}

void Sales::applyRights()
{
    for (int r = 0; r < RightCount; ++r) {
        if (m_rightTargets[r])
            m_rightTargets[r](m_rights[r]);
    }
}
