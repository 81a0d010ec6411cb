#include "accounts/ageing.h"

#include "core/archivedrows.h"
#include "core/utility.h"

#include <QSqlQuery>
#include <QVariant>

double Ageing::overdue() const
{
    return Utility::roundCents(day30 + day60 + day90 + day120);
}

double InterestCharge::total() const
{
    return Utility::roundCents(d30 + d60 + d90 + d120);
}

namespace AccountAgeing {

Ageing buckets(double payments, const double before[4])
{
    auto owing = [payments](double debits) { return qMax(0.0, Utility::roundCents(debits + payments)); };
    Ageing a;
    a.payments = payments;
    a.day120 = owing(before[3]);
    a.day90 = Utility::roundCents(owing(before[2]) - a.day120);
    a.day60 = Utility::roundCents(owing(before[1]) - (a.day120 + a.day90));
    a.day30 = Utility::roundCents(owing(before[0]) - (a.day120 + a.day90 + a.day60));
    return a;
}

bool read(int account, const QDate& reference, const QString& debits, Ageing* ageing, const QDate& before)
{
    // One pass over the account's rows: the receipts, the debit rows older
    // than one to four months, all debit rows and those before @p before.
    auto debitSum = [&debits](const QString& dated) {
        return QStringLiteral(", SUM(CASE WHEN %1%2 THEN Amount-Rounding ELSE 0 END)").arg(debits, dated);
    };
    auto datedBefore = [](const QDate& d) {
        return QStringLiteral(" AND MyDate<'%1'").arg(d.toString(QStringLiteral("yyyy-MM-dd")));
    };
    QString sums = QStringLiteral("SUM(CASE WHEN Description='R' THEN Amount-Rounding ELSE 0 END)");
    for (int n = 1; n <= 4; ++n)
        sums += debitSum(datedBefore(reference.addMonths(-n)));
    sums += debitSum(QString());
    sums += before.isValid() ? debitSum(datedBefore(before)) : QStringLiteral(", 0");
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT ") + sums + QStringLiteral(" FROM ")
                + ArchivedRows::from(QStringLiteral("Description,MyDate,Amount,Rounding"), {QStringLiteral("Journal")},
                                     QStringLiteral("AccountNumber=%1").arg(account), QStringLiteral("Ledger")))) {
        Utility::showDBError(q);
        return false;
    }
    double sum[7] = {0, 0, 0, 0, 0, 0, 0};
    if (q.next()) {
        for (int i = 0; i < 7; ++i)
            sum[i] = Utility::roundCents(q.value(i).toDouble());
    }
    *ageing = buckets(sum[0], sum + 1);
    ageing->debits = sum[5];
    ageing->debitsBefore = sum[6];
    return true;
}

InterestCharge interest(const Ageing& a, double rate)
{
    auto charge = [rate](double bucket, int months, double base) {
        return bucket > 0 ? Utility::roundCents(months * base * rate) : 0.0;
    };
    InterestCharge c;
    c.d30 = charge(a.day30, 1, a.day30);
    c.d60 = charge(a.day60, 2, a.day60 + c.d30);
    c.d90 = charge(a.day90, 3, a.day90 + c.d30 + c.d60);
    c.d120 = charge(a.day120, 4, a.day120 + c.d30 + c.d60 + c.d90);
    return c;
}

QString invoiceDebits()
{
    return QStringLiteral("Description='I'");
}

QString statementDebits()
{
    return QStringLiteral("Description NOT IN ('R','VR','VI','Q')");
}

} // namespace AccountAgeing
