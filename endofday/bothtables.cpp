#include "endofday/bothtables.h"

namespace BothTables {

namespace {

QString archiveOf(const QString& table)
{
    if (table == QLatin1String("InvoiceItem") || table == QLatin1String("Journal"))
        return table + QLatin1String("Archive");
    return QString();
}

} // namespace

QString select(const QString& columns, const QStringList& tables, const QString& where)
{
    QList<int> archived;
    for (int i = 0; i < tables.size(); ++i)
        if (!archiveOf(tables.at(i)).isEmpty())
            archived << i;
    const QString condition = where.trimmed().isEmpty() ? QString() : QLatin1String(" WHERE ") + where;
    QStringList halves;
    for (int pairing = 0; pairing < (1 << archived.size()); ++pairing) {
        QStringList from = tables;
        for (int k = 0; k < archived.size(); ++k)
            if (pairing & (1 << k))
                from[archived.at(k)] = archiveOf(tables.at(archived.at(k))) + QLatin1String(" AS ")
                    + tables.at(archived.at(k));
        halves << QLatin1String("SELECT ") + columns + QLatin1String(" FROM ") + from.join(QLatin1Char(','))
                + condition;
    }
    return halves.join(QLatin1String(" UNION ALL "));
}

QString from(const QString& columns, const QStringList& tables, const QString& where, const QString& alias)
{
    return QLatin1Char('(') + select(columns, tables, where) + QLatin1String(") AS ") + alias;
}

} // namespace BothTables
