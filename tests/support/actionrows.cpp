#include "tests/support/actionrows.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

QList<ActionRow> actionRows()
{
    QList<ActionRow> rows;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyDate, Action, Who, Info, Status FROM Actions ORDER BY id"))) {
        QTest::qFail(qPrintable(q.lastError().text()), __FILE__, __LINE__);
        return rows;
    }
    while (q.next()) {
        // MariaDB hands back a date-time, SQLite the stored text.
        const QVariant date = q.value(0);
        rows << ActionRow{date.typeId() == QMetaType::QDateTime
                              ? date.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                              : date.toString(),
                          q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                          q.value(4).toString()};
    }
    return rows;
}

QStringList actionLines()
{
    QStringList out;
    for (const ActionRow& r : actionRows()) {
        if (r.action != QLatin1String("LOGIN"))
            out << r.action + QLatin1Char('|') + r.info;
    }
    return out;
}
