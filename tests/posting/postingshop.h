#pragma once

#include "tests/posting/docparts.h"
#include "tests/support/salerows.h"
#include "tests/support/testshop.h"

#include <QStringList>

/** Accounts of the demo shop. */
enum DemoAccount { kCash = 1, kTable1 = 2, kBayside = 14, kObrien = 15 };

/**
 * The demo shop set up for posting: MARY logged in, the action log on,
 * every printer role previewing (so that nothing prints by itself and each
 * document reaches the scripted window), and the docket printers off
 * unless a test turns them on.
 */
class PostingShop : public TestShop
{
public:
    PostingShop();

    /** Expects the document window once. It answers @p result (1: the
     *  document was processed, 0: closed) and keeps what it showed and
     *  whether it was view-only. */
    void expectDocument(int result, DocParts* shown = nullptr, bool* viewOnly = nullptr);

    /** Scripts the reason dialog of a void: one answer per ask, "<cancel>"
     *  cancelling; blank answers are refused and asked again. */
    void expectReasons(const QString& caption, const QString& prompt, const QString& refusal,
                       const QStringList& answers);

    /** Posts an invoice row of @p amount for an account straight into the
     *  ledger (a sale made earlier), paid by receipt @p crossRef. */
    static void owe(int account, double amount, int number = 900, int crossRef = 0);

    /** Changes SysInfo's tax mode ("I" inclusive, "E" exclusive) and
     *  rounding unit and reloads them. */
    static void setTaxRules(const QString& taxMode, int rounding);

    /** The ledger rows of one document as "code amount rounding" texts,
     *  from Journal then JournalArchive; receipts share the numbers, so
     *  @p codes picks the kind ("I,Q,RF,VI" or "R,VR"). */
    static QStringList ledger(int number, const QString& codes);
    /** A number column's value, as a double (0 when there is no row). */
    static double number(const QString& sql);
    /** The stock on hand of an item. */
    static double stock(const QString& code);
};
