#pragma once

#include <QString>

/**
 * The statements behind the entry line. The entry is matched case-blind,
 * as UPPER(column) against the upper-cased entry; written that way the
 * column's index cannot serve the search, and with a large inventory every
 * scan would be felt at the till. So each match is written as a case-blind
 * comparison that an index serves (SQLite: the NOCASE indexes of the
 * schema; MariaDB: the column's case-insensitive collation), with the UPPER
 * test kept beside it: the rows are exactly those the UPPER test alone
 * gives, since every row it admits also passes the indexed comparison.
 * The texts given here are already escaped (Utility::escapeSQL).
 */
namespace ItemLookup {

/** Same rows as "UPPER(column)='text'". */
QString upperEquals(const QString& column, const QString& text);
/** Same rows as "UPPER(column) LIKE 'text%'". */
QString upperStartsWith(const QString& column, const QString& text);

/** Description and code of the rows whose code or description is @p entry. */
QString exactSearch(const QString& table, const QString& entry);
/** Description, code and price of the row with code @p code. */
QString codeSearch(const QString& table, const QString& code);
/** Description and code of the rows whose description starts with @p entry. */
QString prefixSearch(const QString& table, const QString& entry);
/** Description and code of the rows whose description holds @p entry. */
QString substringSearch(const QString& table, const QString& entry);
/** The row of an item at price tier @p tier (0 base, 1, 2). */
QString itemLoad(const QString& table, const QString& code, int tier);

} // namespace ItemLookup
