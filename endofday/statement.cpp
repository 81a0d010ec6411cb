#include "endofday/statement.h"

#include "core/utility.h"
#include "core/zkdb.h"

#include <QSqlQuery>

namespace EndOfDay {

bool run(QSqlQuery& q, const QString& statement)
{
    q.setForwardOnly(true);
    if (ZkDb::exec(q, statement))
        return true;
    Utility::showDBError(q);
    return false;
}

} // namespace EndOfDay
