#include "maintenance/unitsql.h"

#include "core/utility.h"

bool UnitSql::exec(const QString& sql)
{
    if (m_query.exec(sql))
        return true;
    m_unit.rollback();
    Utility::showDBError(m_query);
    return false;
}

bool UnitSql::value(const QString& sql, QVariant* value)
{
    if (!exec(sql))
        return false;
    *value = m_query.next() ? m_query.value(0) : QVariant();
    return true;
}
