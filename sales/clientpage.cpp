// The client page: its fields, the account it is on, and creating and
// updating accounts from it.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/limitvalidator.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"

#include <QHeaderView>
#include <QIntValidator>
#include <QSqlQuery>
#include <cmath>

namespace {

/** A text column's value as written: escaped, upper case, quoted. */
QString textValue(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text.trimmed(), true) + QLatin1Char('\'');
}

QString flagValue(bool on)
{
    return on ? QStringLiteral("'Y'") : QStringLiteral("' '");
}

/** A discount as the column keeps it: one decimal, the same on every server. */
QString percentValue(const QLineEdit* field)
{
    return QString::number(std::round(Utility::strNum(field->text()) * 10) / 10, 'f', 1);
}

/** The page's fields as column values, by column name. */
QHash<QString, QString> formValues(const Sales& w)
{
    return {
        {QStringLiteral("Name"), textValue(w.SetNameEdit->text())},
        {QStringLiteral("ShippingAddr"), textValue(w.SetShippingText->toPlainText())},
        {QStringLiteral("PostalAddr"), textValue(w.SetPostalText->toPlainText())},
        {QStringLiteral("Email"), textValue(w.SetEmailEdit->text())},
        {QStringLiteral("IDno"), textValue(w.SetIdEdit->text())},
        {QStringLiteral("Phone"), textValue(w.SetPhoneEdit->text())},
        {QStringLiteral("Fax"), textValue(w.SetFaxEdit->text())},
        {QStringLiteral("Cell"), textValue(w.SetCellEdit->text())},
        {QStringLiteral("Notes"), textValue(w.SetNotesText->toPlainText())},
        {QStringLiteral("VatNo"), textValue(w.SetVatEdit->text())},
        {QStringLiteral("BadDebt"), flagValue(w.SetBadDebtCheckBox->isChecked())},
        {QStringLiteral("KeepCredit"), flagValue(w.SetKeepCreditCheckBox->isChecked())},
        {QStringLiteral("MerchDiscount"), percentValue(w.SetDiscountAEdit)},
        {QStringLiteral("OtherDiscount"), percentValue(w.SetDiscountCEdit)},
        {QStringLiteral("PriceTier"), QString::number(qMax(0, w.SetPriceTierComboBox->currentIndex()))},
    };
}

void rewriteDiscount(QLineEdit* field)
{
    field->setText(Utility::numStr(Utility::strNum(field->text()), 2));
}

} // namespace

void Sales::initClientPage()
{
    utils->setDetails(-1);
    // Upper case as typed, and never longer than the column.
    const struct
    {
        QLineEdit* field;
        int limit;
    } limits[] = {{SetNameEdit, 100}, {SetEmailEdit, 255}, {SetIdEdit, 50}, {SetPhoneEdit, 50},
                  {SetFaxEdit, 50},   {SetCellEdit, 50},   {SetVatEdit, 50}};
    for (const auto& l : limits)
        l.field->setValidator(new LimitValidator(l.limit, l.field));
    SetDiscountAEdit->setValidator(new MoneyValidator(100, SetDiscountAEdit));
    SetDiscountCEdit->setValidator(new MoneyValidator(100, SetDiscountCEdit));
    AccEdit->setValidator(new QIntValidator(0, 999999999, AccEdit));

    // The names are what the operator reads in the list of matches: whole,
    // the list scrolls sideways to the rest when it is narrow.
    ClientListView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // A name picked from the name entry's list is the sale's account.
    connect(NameComboBox, &QComboBox::textActivated, this, &Sales::pickName);
}

int Sales::getAccountNumber() const
{
    if (TabWidget2->currentWidget() != tab_6)
        return utils->getAccountNumber();
    bool ok = false;
    const int account = AccEdit->text().trimmed().toInt(&ok);
    return ok ? account : -1;
}

void Sales::clearClientGui()
{
    clearClientForm();
    ClientListView->clear();
    m_clientQuery.clear();
    m_topRowSearch.clear();
}

void Sales::clearClientForm()
{
    for (QLineEdit* field : {AccEdit, SetNameEdit, SetEmailEdit, SetIdEdit, SetPhoneEdit, SetFaxEdit, SetCellEdit,
                             SetVatEdit, SetDiscountAEdit, SetDiscountCEdit})
        field->clear();
    for (QTextEdit* text : {SetShippingText, SetPostalText, SetNotesText})
        text->clear();
    SetBadDebtCheckBox->setChecked(false);
    SetKeepCreditCheckBox->setChecked(false);
    SetPriceTierComboBox->setCurrentIndex(0);
}

void Sales::newAccount()
{
    const QString name = SetNameEdit->text().trimmed();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, tr("Brevalon - New Account"),
                          tr("You need to fill in at least the following fields..\n"
                             "Name, for example Table 1 or Room 1"));
        return;
    }
    if (ZkPrompt::question(this, tr("New Account"), tr("Confirm that you wish to add a new account for %1").arg(name),
                           {tr("&Yes"), tr("&No")}, 0, 1)
        != 0) {
        ZkPrompt::information(this, tr("New Account"), tr("Operation cancelled"));
        return;
    }
    utils->logAction(tr("New Client"), name, QString(), '0');
    rewriteDiscount(SetDiscountAEdit);
    rewriteDiscount(SetDiscountCEdit);

    const QHash<QString, QString> values = formValues(*this);
    static const char* const columns[] = {"Name",    "ShippingAddr", "PostalAddr", "Email",         "IDno",
                                          "Phone",   "Fax",          "Cell",       "Notes",         "VatNo",
                                          "BadDebt", "PriceTier",    "MerchDiscount", "OtherDiscount"};
    QStringList names;
    QStringList row;
    for (const char* column : columns) {
        names << QLatin1String(column);
        row << values.value(QLatin1String(column));
    }
    names << QStringLiteral("Created") << QStringLiteral("KeepCredit");
    row << QLatin1Char('\'') + ZkClock::todayText() + QLatin1Char('\'') << values.value(QStringLiteral("KeepCredit"));

    QSqlQuery q;
    if (!q.exec(QStringLiteral("INSERT INTO Clients (") + names.join(QLatin1String(", ")) + QLatin1String(") VALUES (")
                + row.join(QLatin1String(", ")) + QLatin1Char(')'))) {
        Utility::showDBError(q);
        return;
    }
    // The new number is what the operator needs next: show the account.
    // A sale already rung up stays with the account it was rung up for.
    const int account = ZkDb::newRowNumber(QStringLiteral("clients_accountnumber_seq"));
    if (account > 0)
        loadAccount(account, false, VendListView->topLevelItemCount() == 0);
    refreshClientList();
}

void Sales::updateAccount()
{
    const QString caption = tr("Brevalon - Update Client");
    const int account = getAccountNumber();
    if (account <= 0) {
        ZkPrompt::warning(this, caption, tr("You must select a Client before you can execute an update"));
        return;
    }
    if (account == 1) {
        ZkPrompt::warning(this, caption, tr("You may not modify the CASH account !"));
        return;
    }
    const QString name = SetNameEdit->text().trimmed();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, tr("Brevalon - Update Account"), tr("You need to fill in at least the clients Name"));
        return;
    }
    utils->logAction(tr("Update Client"), tr("Acc: %1 - %2").arg(account).arg(name), QString(), '0');
    rewriteDiscount(SetDiscountAEdit);
    rewriteDiscount(SetDiscountCEdit);

    const QHash<QString, QString> values = formValues(*this);
    static const char* const columns[] = {"Name", "ShippingAddr", "PostalAddr",    "Email",         "IDno",
                                          "Phone", "Fax",         "Cell",          "Notes",         "VatNo",
                                          "BadDebt", "KeepCredit", "MerchDiscount", "OtherDiscount", "PriceTier"};
    QStringList sets;
    for (const char* column : columns)
        sets << QLatin1String(column) + QLatin1Char('=') + values.value(QLatin1String(column));
    QSqlQuery q;
    if (!q.exec(QStringLiteral("UPDATE Clients SET ") + sets.join(QLatin1String(", "))
                + QLatin1String(" WHERE AccountNumber='") + QString::number(account) + QLatin1Char('\''))) {
        Utility::showDBError(q);
        return;
    }
    // Read back: the page then shows what was stored (upper case, rounded).
    loadAccount(account, false);
    refreshClientList();
}
