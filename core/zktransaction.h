#pragma once

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

private:
    bool m_open = false;
    bool m_outermost = false;
};
