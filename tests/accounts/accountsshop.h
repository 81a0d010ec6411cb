#pragma once

#include "tests/posting/postingshop.h"

class DocPrint;

/**
 * The posting shop for the account runs: no interest and no day limit
 * unless a test sets them, and helpers that write ledger rows and clients
 * as the posting code would have.
 */
class AccountsShop : public PostingShop
{
public:
    AccountsShop();

    /** SysInfo's interest rate (percent a month) and day limit, reloaded. */
    static void setTerms(double arrearsInterest, int maxStatementDays);
    /** A ledger row; @p table "Journal" or "JournalArchive". */
    static void ledgerRow(int account, const QString& code, const QString& date, double amount, int number = 0,
                          const QString& table = QStringLiteral("Journal"), int crossRef = 0);
    /** A new client; returns its account number. */
    static int client(const QString& name, const QString& email = QString(),
                      const QString& postal = QString());
    /** Renders the window's document on both slips as well: every line
     *  fits the paper and every item's description is on it. The window is
     *  left showing its page, as it came. */
    static void checkPaper(DocPrint* window);
};
