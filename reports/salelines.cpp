#include "reports/salelines.h"

#include "core/archivedrows.h"

namespace SaleLines {

QString sold(const QString& invoiceColumn)
{
    // One index lookup (MyNumber, Description) a line in each ledger.
    return QStringLiteral("EXISTS (")
           + ArchivedRows::select(QStringLiteral("1"), {QStringLiteral("Journal")},
                                  QStringLiteral("Journal.MyNumber=%1 AND Journal.Description IN ('I','RF')")
                                      .arg(invoiceColumn))
           + QLatin1Char(')');
}

} // namespace SaleLines
