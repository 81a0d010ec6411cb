#include "core/utility.h"

#include <QSqlQuery>
#include <QVariant>

bool Utility::lookupCashAccount(int* account) const
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT CashAcc FROM Personel WHERE Name='%1'").arg(escapeSQL(m_userName)))) {
        showDBError(q);
        return false;
    }
    if (q.next())
        *account = q.value(0).toInt();
    return true;
}

void Utility::setDetails(int account)
{
    if (account != 0 && account != 1) {
        m_account = account;
        return;
    }
    if (m_account == 1)
        return;
    int cashAccount = account;
    if (!lookupCashAccount(&cashAccount))
        cashAccount = 1;
    m_account = cashAccount;
}

int Utility::getCashAccountNumber() const
{
    int cashAccount = 1;
    lookupCashAccount(&cashAccount);
    return cashAccount;
}
