#include "reports/salelines.h"

#include "core/archivedrows.h"
#include "core/utility.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace SaleLines {

bool sold(const QString& invoiceColumn, const QDate& from, QString* condition)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(ArchivedRows::select(QStringLiteral("MyNumber"), {QStringLiteral("Journal")},
                                     QStringLiteral("Description IN ('Q','VI') AND MyDate>='%1'")
                                         .arg(from.toString(QStringLiteral("yyyy-MM-dd")))))) {
        Utility::showDBError(q);
        return false;
    }
    QStringList numbers;
    while (q.next())
        numbers << QString::number(q.value(0).toLongLong());
    *condition = numbers.isEmpty() ? QStringLiteral("1=1")
                                   : QStringLiteral("%1 NOT IN (%2)").arg(invoiceColumn, numbers.join(QLatin1Char(',')));
    return true;
}

} // namespace SaleLines
