#include "core/utility.h"

#include "core/zkdb.h"

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

bool Utility::isCashAccount(int account) const
{
    return account == 1 || account == getCashAccountNumber();
}

QString Utility::pendingInvoiceWhere(int account) const
{
    QString where = QStringLiteral("AccountNumber=%1 AND Status='P'").arg(account);
    // Tills that share a cash account each keep their own bill on it: one
    // customer's lines never join another's at the other till.
    if (isCashAccount(account))
        where += QStringLiteral(" AND Station='%1'").arg(escapeSQL(m_stationId));
    return where;
}

int Utility::pendingInvoice(int account) const
{
    QSqlQuery q;
    if (!ZkDb::exec(q, QStringLiteral("SELECT max(MyNumber) FROM Invoice WHERE ") + pendingInvoiceWhere(account))) {
        showDBError(q);
        return -1;
    }
    return q.next() ? q.value(0).toInt() : 0;
}
