#pragma once

/**
 * The steps by which a processing cash-up changes the database, each a
 * posting unit of its own (or one per batch), so that a till that dies
 * between two leaves every step whole or not begun. Run again, the cash-up
 * picks up what is left: every step does only what is still to do.
 *
 * The order: take() what the reports will count, archiveLines() while the
 * reports are shown, finish() once the last was shown, archiveLedgers().
 * All return false after a failure (shown); what was committed stays.
 */
namespace CashUpSteps {

/** The most lines or accounts one unit moves to the archive. */
constexpr int kBatch = 1000;

/** Whether a cash-up was cut short: it took rows it never finished with. */
bool unfinished(bool* found);
/** Takes every ledger row and sale line not counted yet (Status 'U',
 *  CashUp 2): what this cash-up reports and no other will. */
bool take();
/** Moves the lines of closed invoices from InvoiceItem to
 *  InvoiceItemArchive, at most @p batch lines a unit. */
bool archiveLines(int batch = kBatch);
/** Marks what was taken as counted (Status 'P', CashUp 1). */
bool finish();
/** Moves to JournalArchive the ledger of every client whose balance is
 *  exactly 0 (in cents) and whose rows are all counted, at most @p batch
 *  accounts a unit. A ledger with rows still to count stays live until a
 *  later cash-up, so nothing is archived before it was counted. */
bool archiveLedgers(int batch = kBatch);

} // namespace CashUpSteps
