#include "maintenance/stocktrace.h"

#include "maintenance/unitsql.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"

namespace StockTraceWriter {

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text, true) + QLatin1Char('\'');
}

} // namespace

int write(UnitSql& unit, const QString& notes, const QList<Line>& lines)
{
    // The user's own initials: the administrator's are not kept at login.
    QVariant initials;
    if (!unit.value(
            QStringLiteral("SELECT SP FROM Personel WHERE Name='%1'").arg(Utility::escapeSQL(utils->userName())),
            &initials))
        return -1;
    if (!unit.exec(QStringLiteral("INSERT INTO StockTrace (MyDate, SP, Notes) VALUES ('%1', %2, %3)")
                       .arg(ZkClock::todayText(), quoted(initials.toString()), quoted(notes))))
        return -1;
    const int number = ZkDb::newRowNumber(QStringLiteral("stocktraceitem_seq"));
    if (number <= 0) {
        unit.rollback();
        return -1;
    }
    for (const Line& line : lines) {
        const QString sql
            = QStringLiteral("INSERT INTO StockTraceItem (TraceNumber, Quantity, UnitOfMeasure, Description, Supplier, "
                             "Adjustment, Price, MarkUp, Cost, Code) VALUES (%1, %2, %3, %4, %5, '%6', %7, %8, %9, ")
                  .arg(QString::number(number), QString::number(line.quantity, 'f', 3), quoted(line.unit),
                       quoted(line.description), quoted(line.supplier),
                       line.adjustment ? QStringLiteral("Y") : QStringLiteral("N"), QString::number(line.price, 'f', 2),
                       QString::number(line.markup, 'f', 4), QString::number(line.cost, 'f', 2))
            + quoted(line.code) + QLatin1Char(')');
        if (!unit.exec(sql))
            return -1;
    }
    return number;
}

} // namespace StockTraceWriter
