#pragma once

#include <QString>

class DocWriter;

namespace EndOfDayReport {

/** How the document window treats an end-of-day report: a cash-up's must be
 *  printed or processed ("nocancel"); a look back is only shown ("no"). */
extern const char* const kMustPrint;
extern const char* const kShowOnly;

/** Opens an end-of-day report's head: its type, the mail printer, the logo
 *  when that printer prints one, today's date, the period it covers, the
 *  shop's address, the names of the two taxes (@p taxNames), the automatic
 *  action and the moment of printing. The caller may add fields before the
 *  items. */
void writeHead(
    DocWriter& doc, const QString& type, const QString& summary, bool taxNames, const char* autoAction);

/** The names of the two taxes, for a head or a tail that labels them. */
void writeTaxNames(DocWriter& doc);

/** The client column of an end-of-day report: "CASH" for an account whose
 *  number is negative, else the client's name (@p name as stored). */
QString clientName(int account, const QString& name);

/** A sold quantity as the items-sold report prints it: a whole number when
 *  it is one, else three decimals. */
QString quantityText(double quantity);

/** The condition that the document numbered by @p column was a sale: no
 *  ledger row, live or archived, makes it a quote or a voided invoice
 *  (whose goods went back). One index lookup a line, where NOT IN over a
 *  UNION had MariaDB read both ledgers again for every line. */
QString wasSold(const QString& column);

/** A share in percent, 0 when there is nothing to share. */
double percentOf(double part, double whole);

/** Money in whole cents: the reports add thousands of amounts, which must
 *  come to the cent on SQLite too, whose decimals are binary fractions. */
inline qint64 cents(double amount)
{
    return qRound64(amount * 100.0);
}
inline double money(qint64 cents)
{
    return double(cents) / 100.0;
}

} // namespace EndOfDayReport
