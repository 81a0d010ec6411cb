#include "core/archivedrows.h"

namespace ArchivedRows {

QString archiveOf(const QString& table)
{
    if (table == QLatin1String("InvoiceItem") || table == QLatin1String("Journal"))
        return table + QLatin1String("Archive");
    return QString();
}

QString select(const QString& columns, const QStringList& tables, const QString& where)
{
    QList<int> archived; // positions in tables of those with an archive
    for (int i = 0; i < tables.size(); ++i)
        if (!archiveOf(tables.at(i)).isEmpty())
            archived << i;

    const QString condition = where.trimmed().isEmpty() ? QString() : QLatin1String(" WHERE ") + where;
    QStringList halves;
    // Bit k of a pairing says whether the k-th archived table is read from
    // its archive; pairing 0 is the live tables alone.
    for (int pairing = 0; pairing < (1 << archived.size()); ++pairing) {
        QStringList from = tables;
        for (int k = 0; k < archived.size(); ++k) {
            if (pairing & (1 << k)) {
                const QString& live = tables.at(archived.at(k));
                from[archived.at(k)] = archiveOf(live) + QLatin1String(" AS ") + live;
            }
        }
        halves << QLatin1String("SELECT ") + columns + QLatin1String(" FROM ") + from.join(QLatin1Char(','))
                      + condition;
    }
    return halves.join(QLatin1String(" UNION ALL "));
}

QString from(const QString& columns, const QStringList& tables, const QString& where, const QString& alias)
{
    return QLatin1Char('(') + select(columns, tables, where) + QLatin1String(") AS ") + alias;
}

QString ordered(const QString& columns, const QStringList& tables, const QString& where,
                const QString& orderBy)
{
    return QLatin1String("SELECT * FROM ") + from(columns, tables, where, QStringLiteral("ArchivedRows"))
           + QLatin1String(" ORDER BY ") + orderBy;
}

} // namespace ArchivedRows
