// Administration commands of the File menu.

#include "sales/sales.h"

#include "core/utility.h"

#include <QSqlQuery>

void Sales::resetSequence()
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("UPDATE SysInfo set SequenceNo=1")))
        Utility::showDBError(q);
}
