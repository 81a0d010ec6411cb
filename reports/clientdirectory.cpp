#include "reports/clientdirectory.h"

#include "core/utility.h"

#include <QSqlQuery>
#include <QVariant>

bool ClientDirectory::load()
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT AccountNumber, Name, Phone, Cell FROM Clients"))) {
        Utility::showDBError(q);
        return false;
    }
    m_clients.clear();
    while (q.next())
        m_clients.insert(q.value(0).toInt(),
                         {q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return true;
}
