#pragma once

#include <QString>

class UnitSql;

/**
 * The order of the touch buttons: items and departments carry a Rank, and
 * moving one a place up or down swaps its rank with its neighbour's. The
 * swap is three statements in one unit, parking the moving row on a rank no
 * row has, so that two rows never share a rank on the way.
 */
namespace RankSwap {

/** The rank no row keeps: a row stands on it only inside a swap. */
constexpr int kParkedRank = 987654321;

enum Result { Moved, AtEnd, Missing, Failed };

/** Moves the row of @p table whose @p keyColumn is @p key one place up
 *  (towards rank 1) or down among the rows that satisfy @p filter (an SQL
 *  condition, or empty for all rows), in (Rank, key) order. AtEnd when it
 *  is first (up) or last (down), Missing when the row is gone, Failed
 *  after a failed statement (shown, nothing changed). */
Result move(const QString& table, const QString& keyColumn, const QString& filter, const QString& key, bool up);

/** Reads the next free rank of @p table into @p rank inside @p unit: one
 *  past the highest, the parked one aside. False as UnitSql::exec. */
bool nextRank(UnitSql& unit, const QString& table, int* rank);

} // namespace RankSwap
