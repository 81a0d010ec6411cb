#pragma once

#include <QList>
#include <QString>

class UnitSql;

/**
 * The record of stock movements: a StockTrace header (the day, the
 * initials of the user who moved the stock, notes) and one StockTraceItem
 * per item moved. Receiving stock and the item editor's starting and
 * corrected stock levels write it; the stock reports read it.
 */
namespace StockTraceWriter {

struct Line
{
    double quantity = 0;
    QString unit;
    QString description;
    QString supplier;
    bool adjustment = false; ///< a correction of the level, not a delivery
    double price = 0;
    double markup = 0;
    double cost = 0;
    QString code;
};

/** Writes a trace with its lines inside @p unit; its number, or -1 after a
 *  failure (shown, the unit rolled back). */
int write(UnitSql& unit, const QString& notes, const QList<Line>& lines);

} // namespace StockTraceWriter
