#pragma once

#include <QtGlobal>

class QSqlError;
class QString;

/**
 * One posting unit on the program's connection: an invoice, a receipt, a
 * void, a merge, a step of the cash-up, a stock delivery. It begins when
 * constructed and is rolled back when it goes out of scope uncommitted, so
 * a failed statement, an early return or a killed till leaves none of it.
 *
 * Units nest: one begun while another is open joins it, and only the
 * outermost commits. An inner unit left uncommitted dooms the outer one,
 * whose commit then rolls back and fails.
 *
 * While a unit is open nothing may wait on a person or the outside world:
 * no prompt, print, e-mail or network call. Gather, commit, then print.
 * ZkPrompt refuses a box while a unit is open (a test fails; the program
 * warns on its log).
 *
 * A failed statement inside a unit is handed to Utility::showDBError as
 * anywhere else; there it is kept, the unit is doomed (it can no longer
 * commit), and the error is shown once, after the rollback. So the usual
 * "showDBError and return false" is all a unit's code needs; the caller
 * that owns the unit returns false when commit() does.
 *
 * Rules for the code inside a unit (so that two tills never block or
 * corrupt each other):
 * - Take ZkDb::lockAccount(account) first when the unit reads and then
 *   changes an account's pending invoice, its docket marks or its unpaid
 *   invoices; the other till on that account waits for this unit.
 * - Take counters with ZkDb::takeCounter (SysInfo.SequenceNo), never by
 *   reading and writing back.
 * - Change stock rows in the order of their codes, after the document's
 *   own rows, so that two units never wait on each other in a circle.
 * - Run the statements through ZkDb::exec, so crash tests can stop the
 *   program between any two of them.
 * - Never LOCK TABLES (it would commit the unit; ZkDb::lockStatement skips
 *   it inside one), never CREATE or DROP a permanent table.
 * - The scratch table "temp" (ZkDb::createTempStatement) is private to the
 *   connection and may be used inside a unit.
 *
 * A lost connection: the server rolls the unit back. The unit's error is
 * shown once, saying whether the connection could be opened again; a unit
 * begun while the connection is lost first tries to open it again. The
 * caller keeps what it was posting (the sale stays in the till) so that the
 * operator can post it again, once.
 */
class ZkTransaction
{
public:
    ZkTransaction();
    ~ZkTransaction();
    ZkTransaction(const ZkTransaction&) = delete;
    ZkTransaction& operator=(const ZkTransaction&) = delete;

    /** False when the unit could not begin (the error was shown). */
    bool isOpen() const { return m_open; }
    /** Commits the unit (the outermost one) or, nested, hands it on to the
     *  outer one. False after a failure, which was shown and rolled back. */
    bool commit();
    /** Gives the unit up: undoes it when outermost, dooms the outer one
     *  when nested. */
    void rollback();

    /** Whether a unit is open on this connection now. */
    static bool active();

    /** Used by Utility::showDBError: inside a unit, keeps the first failed
     *  statement's error to be shown after the rollback and dooms the unit;
     *  true when it was kept. Outside a unit, false (show it now). */
    static bool keepError(const QSqlError& error, const QString& statement);

    /** For the benchmarks: nanoseconds the outermost units of this process
     *  were open, from before their BEGIN to after their COMMIT or ROLLBACK. */
    static qint64 openNanoseconds();

private:
    bool m_open = false;
    bool m_outermost = false;
};
