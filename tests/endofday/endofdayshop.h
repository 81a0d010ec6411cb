#pragma once

#include "tests/posting/paper.h"
#include "tests/posting/postingshop.h"

#include <QList>
#include <QString>
#include <QStringList>

/**
 * The demo shop with a day's trade written straight into the books, so
 * that every figure of the end-of-day reports can be worked out by hand.
 * Documents carry the demo's rates (15 % and 2 %), prices include them.
 */
class EndOfDayShop : public PostingShop
{
public:
    struct Line
    {
        QString description;
        double quantity = 1, price = 0, cost = 0;
        QString tax1 = QStringLiteral("Y"), tax2 = QStringLiteral("N");
        QString department = QStringLiteral("MAINS");
    };
    struct Paid
    {
        double cash = 0, card = 0, cheque = 0, coupon = 0, eft = 0, badDebt = 0, tip = 0;
    };

    /** The day the clock is pinned to, at noon. */
    static QString noon() { return QStringLiteral("2026-12-05 12:00:00"); }

    /** An invoice header with its lines; unless @p code is empty, its
     *  ledger row: the lines' total as Amount, with @p rounding. */
    static void document(int number, int account, const QString& code, const QList<Line>& lines,
        double rounding = 0, const QString& when = noon(), const QString& waiter = QStringLiteral("MARY"),
        const QString& status = QStringLiteral("C"));
    /** A receipt with its ledger row, marking the invoices @p pays paid. */
    static void receipt(int number, int account, const Paid& paid, const QList<int>& pays = {},
        const QString& when = noon(), const QString& waiter = QStringLiteral("MARY"));

    /** A day's trade, the one the cash-up tests work out by hand: cash
     *  sales with a refund and a rounded bill, a catering invoice on account,
     *  a quote, a void, an order still open, interest charged, payments in
     *  every tender (one voided), on top of an earlier day already counted. */
    static void tradeOneDay();

    /** Runs the cash-up, processing or previewing; @p pending: the shop has
     *  open orders, which the operator accepts. Returns the reports shown,
     *  and with @p papers each on paper. */
    QList<DocParts> cashUp(bool process, bool pending = false, QList<Paper>* papers = nullptr);
    /** Expects @p count reports and keeps them in @p shown, and with
     *  @p papers each as printed (on a page too where pdftotext reads it). */
    void expectReports(int count, QList<DocParts>* shown, QList<Paper>* papers = nullptr);
    /** What is wrong with @p papers: per report, texts separated by "|". */
    static QStringList paperFaults(const QList<Paper>& papers, const QStringList& shown);

    /** One line a report item: the values of @p fields joined by " | ". */
    static QStringList rows(const DocParts& doc, const QStringList& fields);
    /** The values of @p fields of the tail, joined the same way. */
    static QString tail(const DocParts& doc, const QStringList& fields);
};

Q_DECLARE_METATYPE(EndOfDayShop::Paid)
