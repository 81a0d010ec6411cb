#include "core/utility.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// Sums of DECIMAL columns come back from SQLite with float residues; a
// balance is always a whole number of cents.
double sumOf(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        return 0.0;
    }
    return q.next() ? Utility::roundCents(q.value(0).toDouble()) : 0.0;
}

} // namespace

double Utility::getBalBF(int account, bool withInterest) const
{
    QString sql = QStringLiteral("SELECT SUM(Amount - Rounding) FROM Journal WHERE AccountNumber=%1 "
                                 "AND Description NOT LIKE 'VR' AND Description NOT LIKE 'VI' "
                                 "AND Description NOT LIKE 'Q'")
                      .arg(account);
    if (!withInterest)
        sql += QLatin1String(" AND Description NOT LIKE 'IA'");
    return sumOf(sql);
}

double Utility::getBalBF(int account, int invoice) const
{
    const double invoiceAmount = sumOf(QStringLiteral("SELECT SUM(Amount - Rounding) FROM Journal WHERE "
                                                      "AccountNumber=%1 AND Description='I' AND MyNumber=%2")
                                           .arg(account)
                                           .arg(invoice));
    return roundCents(getBalBF(account, true) - invoiceAmount);
}
