#pragma once

#include "tests/posting/docparts.h"
#include "tests/support/salerows.h"
#include "tests/support/testshop.h"

#include <QMetaType>
#include <QStringList>

Q_DECLARE_METATYPE(SaleLine)
Q_DECLARE_METATYPE(ReceiptRow)

/** Accounts of the demo shop. */
enum DemoAccount { kCash = 1, kTable1 = 2, kBayside = 14, kObrien = 15 };

/**
 * The demo shop set up for posting: MARY logged in, the action log on, every
 * printer role previewing (so each document reaches the scripted window),
 * the docket printers off unless a test turns them on.
 */
class PostingShop : public TestShop
{
public:
    PostingShop();

    /** Expects the document window once, answering @p result (1 processed,
     *  0 closed); keeps what it showed and whether it was view-only. */
    void expectDocument(int result, DocParts* shown = nullptr, bool* viewOnly = nullptr);
    /** Scripts a void's reason dialog: one answer per ask, "<cancel>"
     *  cancelling; blank answers are refused and asked again. */
    void expectReasons(const QString& caption, const QString& prompt, const QString& refusal,
                       const QStringList& answers);

    /** Document mode: 0 invoice, 1 quote, 2 refund, 3 order. */
    static void setMode(int mode);
    /** An invoice row for an account straight into the ledger, paid by receipt @p crossRef. */
    static void owe(int account, double amount, int number = 900, int crossRef = 0);
    /** SysInfo's tax mode ("I" or "E") and rounding unit, reloaded. */
    static void setTaxRules(const QString& taxMode, int rounding);
    /** Ledger rows of a document as "code amount rounding", Journal then
     *  JournalArchive; @p codes picks the kind ("I,Q,RF,VI" or "R,VR"). */
    static QStringList ledger(int number, const QString& codes);
    static double stock(const QString& code);
    /** The columns of a query's first row, joined by "|". */
    static QString row(const QString& sql);
};
