// Finding client accounts from what is filled in, and choosing one as the
// sale's account: the page's list of matches, the name entry's list, the
// banner and the receipt tab follow the account chosen.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <cmath>

namespace {


/** A discount column as text, one decimal on every server (SQLite keeps
 *  5.0 as 5), so that a typed prefix finds the same clients everywhere. */
QString discountText(const char* column)
{
    if (ZkDb::isSqlite())
        return QStringLiteral("printf('%.1f', %1)").arg(QLatin1String(column));
    return QStringLiteral("UPPER(%1)").arg(QLatin1String(column));
}

/** A typed discount in the form the column shows: "5.00" looks for 5.0. */
QString discountPrefix(const QString& typed)
{
    bool ok = false;
    const double value = Utility::strNum(typed, &ok);
    if (!ok || !typed.contains(Utility::locale().decimalPoint()))
        return typed;
    return QString::number(std::round(value * 10) / 10, 'f', 1);
}

/** @p expression begins with @p text (or, with @p wordStart, any word of it does). */
QString likePrefix(const QString& expression, const QString& text, bool wordStart = false)
{
    const QString pattern = Utility::escapeLike(text, true);
    QString sql = expression + QLatin1String(" LIKE '") + pattern + QLatin1String("%'") + Utility::likeEscape();
    if (wordStart)
        sql = QLatin1Char('(') + sql + QLatin1String(" OR ") + expression + QLatin1String(" LIKE '% ") + pattern
            + QLatin1String("%'") + Utility::likeEscape() + QLatin1Char(')');
    return sql;
}

/** A search: the text looked for, its condition and order, its log text. */
struct ClientSearch
{
    QString text;
    QString condition;
    QString order = QStringLiteral(" ORDER BY Name");
    const char* action = nullptr;
};

/** The search the client page asks for: the first field filled in decides. */
ClientSearch searchFromPage(const Sales& w)
{
    ClientSearch search;
    const QString account = w.AccEdit->text().trimmed();
    const QString name = w.SetNameEdit->text().trimmed();
    if (!account.isEmpty()) {
        bool ok = false;
        const int number = account.toInt(&ok);
        search.text = account;
        search.condition = QStringLiteral("AccountNumber=") + QString::number(ok ? number : -1);
        search.order.clear();
        search.action = QT_TRANSLATE_NOOP("Sales", "Search for Table by acc#");
        return search;
    }
    if (!name.isEmpty()) {
        // The name or any word of it starts with the text: SMITH finds
        // JOHN SMITH and SMITHERS, not GOLDSMITH.
        search.text = name;
        search.condition = likePrefix(QStringLiteral("UPPER(Name)"), name, true);
        search.order = QStringLiteral(" ORDER BY Name DESC");
        search.action = QT_TRANSLATE_NOOP("Sales", "Search for Table");
        return search;
    }
    const struct
    {
        QString text;
        QString expression;
        const char* action;
    } prefixes[] = {
        {w.SetIdEdit->text(), QStringLiteral("UPPER(IDno)"), QT_TRANSLATE_NOOP("Sales", "Search for Table by ID")},
        {w.SetEmailEdit->text(), QStringLiteral("UPPER(Email)"), QT_TRANSLATE_NOOP("Sales", "Search for Table by email")},
        {w.SetPhoneEdit->text(), QStringLiteral("UPPER(Phone)"), QT_TRANSLATE_NOOP("Sales", "Search for Table by phone")},
        {w.SetFaxEdit->text(), QStringLiteral("UPPER(Fax)"), QT_TRANSLATE_NOOP("Sales", "Search for Table by fax")},
        {w.SetCellEdit->text(), QStringLiteral("UPPER(Cell)"), QT_TRANSLATE_NOOP("Sales", "Search for Table by cell")},
        {w.SetVatEdit->text(), QStringLiteral("UPPER(VatNo)"), QT_TRANSLATE_NOOP("Sales", "Search for Table by Vat#")},
        {w.SetNotesText->toPlainText(), QStringLiteral("UPPER(Notes)"),
         QT_TRANSLATE_NOOP("Sales", "Search for Table by Notes")},
        {w.SetPostalText->toPlainText(), QStringLiteral("UPPER(PostalAddr)"),
         QT_TRANSLATE_NOOP("Sales", "Search for Table by Postal")},
        {w.SetShippingText->toPlainText(), QStringLiteral("UPPER(ShippingAddr)"),
         QT_TRANSLATE_NOOP("Sales", "Search for Table by Shipping")},
        {discountPrefix(w.SetDiscountAEdit->text().trimmed()), discountText("MerchDiscount"),
         QT_TRANSLATE_NOOP("Sales", "Search for Client by discountA")},
        {discountPrefix(w.SetDiscountCEdit->text().trimmed()), discountText("OtherDiscount"),
         QT_TRANSLATE_NOOP("Sales", "Search for Client by discountB")},
    };
    for (const auto& p : prefixes) {
        if (!p.text.trimmed().isEmpty()) {
            search.text = p.text.trimmed();
            search.condition = likePrefix(p.expression, search.text);
            search.action = p.action;
            return search;
        }
    }
    if (w.SetBadDebtCheckBox->isChecked()) {
        search.condition = QStringLiteral("UPPER(BadDebt) = 'Y'");
        search.action = QT_TRANSLATE_NOOP("Sales", "Search for Client with Bad Debt");
    } else if (w.SetKeepCreditCheckBox->isChecked()) {
        search.condition = QStringLiteral("UPPER(KeepCredit) = 'Y'");
        search.action = QT_TRANSLATE_NOOP("Sales", "Search for Client with keep credit");
    }
    return search;
}

} // namespace

bool Sales::isTableName(const QString& name)
{
    const QString upper = name.toUpper();
    for (const QString& word : {QStringLiteral("TABLE"), QStringLiteral("ROOM"), tr("TABLE").toUpper(),
                                tr("ROOM").toUpper()}) {
        if (upper.startsWith(word + QLatin1Char(' ')))
            return true;
    }
    return false;
}

void Sales::clientSearch()
{
    if (sender() != NameComboBox->lineEdit()) {
        stickyClientSearch(false, false);
        return;
    }
    // The name entry of the top row: its text is the name to look for. A
    // name of its list the entry picks by itself (pickName), exactly.
    const QString typed = NameComboBox->currentText().trimmed();
    if (typed.isEmpty() || NameComboBox->findText(typed, Qt::MatchFixedString) >= 0)
        return;
    // The entry hands its Return on once more; the list already shows what
    // this text finds.
    if (typed == m_topRowSearch && NameComboBox->count() > 0) {
        if (NameComboBox->isVisible() && !NameComboBox->view()->isVisible())
            NameComboBox->showPopup();
        return;
    }
    clearClientForm();
    SetNameEdit->setText(typed);
    stickyClientSearch(true, false);
    m_topRowSearch = typed;
}

void Sales::stickyClientSearch(bool sticky, bool touchName)
{
    ClientSearch search;
    if (touchName) {
        search.text = NameComboBox->currentText().trimmed();
        search.condition =
            QStringLiteral("UPPER(Name) = '") + Utility::escapeSQL(search.text, true) + QLatin1Char('\'');
        search.order = QStringLiteral(" ORDER BY Name DESC");
        search.action = QT_TR_NOOP("Search for Touch Table");
    } else {
        search = searchFromPage(*this);
    }
    if (!search.action || (touchName && search.text.isEmpty())) {
        // Nothing to look for.
        ZkPrompt::beep();
        return;
    }
    const QString& text = search.text;
    setStatus(tr("Searching for Table ..."));
    utils->logAction(tr(search.action), text, QString(), '0');
    m_clientQuery = QStringLiteral("SELECT UPPER(Name), Phone, AccountNumber, BadDebt, MerchDiscount, "
                                   "OtherDiscount, PriceTier FROM Clients WHERE ")
        + search.condition + search.order;
    const int found = listClients(m_clientQuery);
    setStatus(QString());
    if (found < 0)
        return;
    if (found == 0) {
        utils->logAction(tr("Could not find client"), text, QString(), '0');
        ZkPrompt::warning(this, tr("Error"), tr("Could not find any match for search"));
        return;
    }
    utils->logAction(tr("Found client match"), text, QString(), '0');
    // One account, or a name picked: that is the account. Several from the
    // top row: the name entry offers them to pick from.
    if (found == 1 || touchName) {
        fillInDetails(ClientListView->topLevelItem(0)->text(2), sticky || touchName);
        return;
    }
    if (!sticky)
        return;
    // From the top row a name typed in full is that account ("TABLE 1",
    // not TABLE 10 to 12 as well).
    const int exact = NameComboBox->findText(text, Qt::MatchFixedString);
    if (exact >= 0)
        fillInDetails(NameComboBox->itemData(exact).toString(), true);
    else if (NameComboBox->isVisible())
        NameComboBox->showPopup();
}

void Sales::pickName(const QString& name)
{
    // Picking the account already chosen changes nothing.
    if (m_clientSelected && salesTabOpen() && name == m_accountName)
        return;
    stickyClientSearch(false, true);
}

int Sales::listClients(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        return -1;
    }
    ClientListView->clear();
    m_topRowSearch.clear();
    const QSignalBlocker blocker(NameComboBox);
    const QString typed = NameComboBox->currentText();
    NameComboBox->clear();
    int count = 0;
    while (q.next()) {
        const QString name = q.value(0).toString();
        const QString account = q.value(2).toString();
        // Bad debtors stand out in red.
        const int visual = q.value(3).toString() == QLatin1String("Y") ? 2 : 0;
        new ZkListItem(ClientListView, {name, q.value(1).toString(), account}, visual);
        NameComboBox->addItem(name, account);
        ++count;
    }
    NameComboBox->setEditText(typed);
    return count;
}

void Sales::refreshClientList()
{
    if (!m_clientQuery.isEmpty())
        listClients(m_clientQuery);
}

void Sales::clientDetails()
{
    const QTreeWidgetItem* row = ClientListView->currentItem();
    if (!row) {
        ZkPrompt::beep();
        return;
    }
    clientDetails(row->text(2).toInt());
}

void Sales::clientDetails(int account)
{
    if (account > 0)
        fillInDetails(QString::number(account), false);
    else if (!NameComboBox->currentText().trimmed().isEmpty())
        stickyClientSearch(false, true);
    else
        ZkPrompt::beep();
}

void Sales::fillInDetails(QString account, bool touch)
{
    bool ok = false;
    const int number = account.trimmed().toInt(&ok);
    if (!ok) {
        ZkPrompt::warning(this, tr("Error"), tr("Could not find any match for search"));
        return;
    }
    loadAccount(number, touch);
}

bool Sales::loadAccount(int account, bool touch, bool forSale)
{
    // 0 and 1 stand for the operator's own cash account, as the sale's
    // account does.
    int target = account;
    if (account == 0 || account == 1)
        target = utils->getAccountNumber() == 1 ? 1 : utils->getCashAccountNumber();

    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT UPPER(Name), ShippingAddr, PostalAddr, Email, IDno, Phone, Fax, Cell, "
                               "Notes, VatNo, BadDebt, MerchDiscount, OtherDiscount, PriceTier, KeepCredit "
                               "FROM Clients WHERE AccountNumber=")
                + QString::number(target))) {
        Utility::showDBError(q);
        return false;
    }
    if (!q.next()) {
        ZkPrompt::warning(this, tr("Error"), tr("Could not find any match for search"));
        return false;
    }
    auto text = [&q](int column) { return q.value(column).toString(); };
    const QString name = text(0);
    AccEdit->setText(QString::number(target));
    SetNameEdit->setText(name);
    SetShippingText->setPlainText(text(1));
    SetPostalText->setPlainText(text(2));
    SetEmailEdit->setText(text(3));
    SetIdEdit->setText(text(4));
    SetPhoneEdit->setText(text(5));
    SetFaxEdit->setText(text(6));
    SetCellEdit->setText(text(7));
    SetNotesText->setPlainText(text(8));
    SetVatEdit->setText(text(9));
    SetBadDebtCheckBox->setChecked(q.value(10).toString() == QLatin1String("Y"));
    SetDiscountAEdit->setText(Utility::numStr(q.value(11).toDouble(), 2));
    SetDiscountCEdit->setText(Utility::numStr(q.value(12).toDouble(), 2));
    SetPriceTierComboBox->setCurrentIndex(qBound(0, q.value(13).toInt(), SetPriceTierComboBox->count() - 1));
    const bool keepCredit = q.value(14).toString() == QLatin1String("Y");
    SetKeepCreditCheckBox->setChecked(keepCredit);
    // Long texts show their beginning.
    for (QLineEdit* field : {SetNameEdit, SetEmailEdit, SetIdEdit, SetPhoneEdit, SetFaxEdit, SetCellEdit, SetVatEdit})
        field->setCursorPosition(0);
    if (!forSale)
        return true;

    utils->setDetails(target);
    m_clientSelected = true;
    m_accountName = name;
    {
        // Showing the name is not the operator editing it.
        const QSignalBlocker blocker(NameComboBox);
        NameComboBox->setEditText(name);
    }
    AccountLabel->setText(QStringLiteral("%1 - %2").arg(target).arg(name));
    updateTotal(); // the account's pending bill
    showAccountBanner(target, name);
    // A closed till (Admin) stays closed whatever account it looks at.
    const bool selling = TabWidget2->isTabEnabled(TabWidget2->indexOf(tab));
    setSalesTabOpen(selling);
    WaiterEdit->setEnabled(selling);
    relabelSaleTabs();
    // The client's own choice is where a payment starts from.
    checkBox4->setChecked(keepCredit);
    refreshReceipt(target);

    if (touch && selling) {
        TabWidget2->setCurrentWidget(tab);
        ItemComboBox->setFocus();
    }
    return true;
}

void Sales::showAccountBanner(int account, const QString& name)
{
    if (utils->adminLoggedIn()) {
        BannerLabel->setText(closedBanner()); // the till stays closed
        return;
    }
    const QString shown = name.toHtmlEscaped();
    if (!isTableName(name)) {
        BannerLabel->setText(QLatin1String("<center>") + shopHeading() + QLatin1String(" - ") + shown
                             + QLatin1String("</h2></center>"));
        return;
    }
    // A table is served by whoever opened its order, else by the waiter
    // chosen for this sale.
    QString waiter;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Waiter FROM Invoice WHERE AccountNumber=%1 AND Status='P' "
                               "ORDER BY MyNumber DESC")
                    .arg(account)))
        Utility::showDBError(q);
    else if (q.next())
        waiter = q.value(0).toString().trimmed();
    if (waiter.isEmpty() && utils->hasWaiter())
        waiter = utils->getWaiter();
    const QString served = waiter.isEmpty() ? QLatin1String(" - ") + tr("Please select waiter")
                                            : tr(" - Served by %1").arg(waiter.toHtmlEscaped());
    BannerLabel->setText(QLatin1String("<center><h2>") + shown + served + QLatin1String("</h2></center>"));
}

void Sales::dropAccount(int account)
{
    if (utils->getAccountNumber() != account)
        return;
    utils->setDetails(-1);
    m_clientSelected = false;
    m_accountName.clear();
    {
        const QSignalBlocker blocker(NameComboBox);
        NameComboBox->setEditText(QString());
    }
    AccountLabel->clear();
    BannerLabel->clear();
    setSalesTabOpen(false);
    WaiterEdit->setEnabled(false);
    clearReceiptTab();
}
