#pragma once

#include <QDate>
#include <QString>

/**
 * The ledger rows and sale lines a set of cash-up reports covers.
 *
 * A processing cash-up first takes what it will count (ledger rows Status
 * 'U', lines CashUp 2) and marks them counted ('P', 1) only once its last
 * report was shown; whatever another till posts in between waits for the
 * next cash-up, and a cash-up that was cut short leaves its rows taken, so
 * the next one counts them, once. A preview covers what no cash-up has
 * finished; the cash date covers one day, counted or not, live or archived.
 */
class CashUpScope
{
public:
    /** The rows a processing cash-up has taken. */
    static CashUpScope taken();
    /** The rows no cash-up has finished with: what processing would take. */
    static CashUpScope open();
    /** Every row of one day, live or archived. */
    static CashUpScope day(const QDate& day);

    /** A SELECT of @p columns over the covered ledger rows that also meet
     *  @p where (may be empty); live and archived alike for a day. */
    QString ledger(const QString& columns, const QString& where) const;
    /** A SELECT of @p columns over the ledger rows that a balance in the
     *  accounts report counts, meeting @p where: the live ledger, or for a
     *  day everything up to its end. */
    QString balanceRows(const QString& columns, const QString& where) const;
    /** The condition on InvoiceItem and InvoiceItemArchive rows that the
     *  items-sold report counts. */
    QString soldLines() const;
    /** The period the reports name. */
    QString summary() const;
    /** Whether the reports are a cash-up's own (printed) or a look back. */
    bool isCashUp() const { return m_kind != Day; }

private:
    enum Kind { Taken, Open, Day };
    CashUpScope(Kind kind, const QDate& day)
        : m_kind(kind)
        , m_day(day)
    {
    }
    QString dayStart() const;
    QString dayEnd() const;

    Kind m_kind;
    QDate m_day;
};
