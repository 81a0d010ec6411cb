#pragma once

#include <QDate>
#include <QString>

/**
 * An account's debt by age. Payments are set against the oldest debt
 * first, so a bucket holds what is still unpaid of the debt of its age.
 */
struct Ageing
{
    double day30 = 0;  ///< dated one month or more before the reference date
    double day60 = 0;  ///< two months or more
    double day90 = 0;  ///< three months or more
    double day120 = 0; ///< four months or more
    double payments = 0; ///< the account's receipts (a negative sum)
    double debits = 0;   ///< all the account's debit rows
    double debitsBefore = 0; ///< its debit rows dated before the date asked for

    double overdue() const;
    bool anyOwing() const { return day30 > 0 || day60 > 0 || day90 > 0 || day120 > 0; }
};

/** The interest of one month on an aged account, per bucket, in cents. */
struct InterestCharge
{
    double d30 = 0, d60 = 0, d90 = 0, d120 = 0;
    double total() const;
};

namespace AccountAgeing {

/** The buckets from the payments @p payments and the debit sums
 *  @p before[n-1] of the rows dated before the reference date less n
 *  months (n = 1..4). */
Ageing buckets(double payments, const double before[4]);

/** Reads the account's receipts and debit rows, live and archived, and
 *  ages them to @p reference; sums as well the debit rows dated before
 *  @p before, when given. @p debits is the condition that makes a row a
 *  debit. False after a failed statement (shown). */
bool read(int account, const QDate& reference, const QString& debits, Ageing* ageing,
          const QDate& before = QDate());

/** The month's interest at @p rate (a fraction) on the buckets: each bucket
 *  is charged for the months it is overdue, on its own debt and on the
 *  interest of the younger buckets. */
InterestCharge interest(const Ageing& ageing, double rate);

/** The debit condition of the interest run: invoices only. */
QString invoiceDebits();
/** The debit condition of the statement: all but receipts, voids and quotes. */
QString statementDebits();

} // namespace AccountAgeing
