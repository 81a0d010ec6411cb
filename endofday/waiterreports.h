#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

/**
 * The waiter cash-up of one waiter's day: "waiter1" the invoices, "waiter2"
 * the receipts taken, "waiter3" what is due and the tips, "waiter4" the
 * waiter's invoices that other waiters took the money for. Reads only.
 */
class QSqlQuery;

class WaiterReports
{
    Q_DECLARE_TR_FUNCTIONS(WaiterReports)

public:
    WaiterReports(const QDate& day, const QString& waiter);

    /** The waiters who served on the day (empty after a failure, shown). */
    static bool waitersOf(const QDate& day, QStringList* waiters);

    /** The waiter's orders of the day that are still open. */
    bool pendingOrders(int* count) const;
    /** The waiter's invoices of the day not paid yet, one line each for
     *  the question ("Invoice n client Amount a<br>"). */
    bool unpaidInvoices(QString* lines) const;

    /** The four documents in the order shown; empty after a failure. */
    QStringList build() const;

private:
    QString dayRange(const QString& column) const;
    /** Reads the waiter's invoices of the day (number, account, amount
     *  owed, client name) in number order; only those not paid yet when
     *  @p unpaidOnly. */
    bool readInvoices(QSqlQuery& q, bool unpaidOnly) const;

    QDate m_day;
    QString m_waiter;
};
