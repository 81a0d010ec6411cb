#pragma once

#include <QString>
#include <QStringList>

/**
 * Reading a live table and its archive as one. A cash-up moves closed
 * invoice lines from InvoiceItem to InvoiceItemArchive and the ledgers of
 * settled accounts from Journal to JournalArchive; every report, trail and
 * period run must count both alike, so they all build their statements here
 * instead of writing the UNION themselves.
 *
 * The tables are named by their live names. For every pairing of live and
 * archived tables (two for one archived table, four for a join of lines and
 * ledger) the same SELECT is written once, the archive taking the live
 * table's name as its alias, and the SELECTs are joined with UNION ALL. So
 * the column list and the WHERE clause name columns the ordinary way,
 * qualified or not ("Journal.MyDate", "InvoiceItem.Price > 0"), and mean the
 * live row in one half and the archived row in the other:
 *
 * @code
 * // An account's ledger, live and archived, oldest first.
 * ArchivedRows::ordered("MyDate,MyNumber,Description,Amount,Rounding", {"Journal"},
 *                       "AccountNumber=12", "MyDate");
 * // Inventory lines of invoices and refunds, over all four pairings.
 * ArchivedRows::select("InvoiceItem.Department AS Department,InvoiceItem.Price AS Price",
 *                      {"InvoiceItem", "Journal"},
 *                      "InvoiceItem.InvoiceNumber=Journal.MyNumber AND Journal.Description IN ('I','RF')");
 * // Quantities sold per item over both tables.
 * "SELECT Description,SUM(Quantity) FROM "
 *     + ArchivedRows::from("Description,Quantity", {"InvoiceItem"}, "Price>0", "Sold")
 *     + " GROUP BY Description"
 * @endcode
 *
 * Tables without an archive (Invoice, Clients, Receipt: receipts are never
 * archived) may take part in a join and are read as they are. Text values in
 * the WHERE clause go through Utility::escapeSQL as anywhere else. Rules
 * that come from the UNION:
 * - Ordering, grouping or aggregating over both halves needs from() or
 *   ordered(): an ORDER BY or GROUP BY inside the WHERE clause would apply to
 *   each half alone. The outer statement sees only the columns of the list,
 *   so a column to order or group by must be among them.
 * - Columns read through from() or ordered() are known by their plain names;
 *   two columns of the same name (Journal.MyNumber and InvoiceItem.MyNumber)
 *   need an alias ("InvoiceItem.MyNumber AS Line"), and so do expressions
 *   that the outer statement names.
 * - A subquery in the WHERE clause reads the real tables: to include an
 *   archive there, nest another select() of this helper.
 */
namespace ArchivedRows {

/** The archive of @p table ("JournalArchive" for "Journal"); empty when
 *  the table has none. */
QString archiveOf(const QString& table);

/** "SELECT columns FROM tables [WHERE where]" once for every pairing of
 *  live and archived tables, joined with UNION ALL; the live tables first. */
QString select(const QString& columns, const QStringList& tables, const QString& where = QString());

/** select() as a derived table, "(...) AS alias", for an outer statement
 *  that orders, groups or sums over both halves. */
QString from(const QString& columns, const QStringList& tables, const QString& where, const QString& alias);

/** Every row of select() in the order of @p orderBy, which names columns
 *  of the column list (by their plain names or aliases): the rows are
 *  ordered after the union, where no other column is left. */
QString ordered(const QString& columns, const QStringList& tables, const QString& where,
                const QString& orderBy);

} // namespace ArchivedRows
