// The ledger as a whole: after a day of sales, refunds, quotes, voids,
// retracted bills and payments, every account owes exactly what a person
// adding up its documents by hand would say, and every printed document
// shows what its ledger row holds.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/posting/postingshop.h"

#include <QMap>
#include <QSqlQuery>
#include <QTest>

namespace {

// Money in whole cents, the way a person writes it down.
qint64 cents(double amount)
{
    return qRound64(amount * 100);
}

// A rate (0.15) times an amount in cents, to the nearest cent, halves away
// from nothing; done in whole numbers so no binary fraction can tip it.
qint64 taxOn(qint64 amountCents, double rate)
{
    const qint64 basisPoints = qRound64(rate * 10000);
    const qint64 product = amountCents * basisPoints;
    const qint64 whole = (qAbs(product) + 5000) / 10000;
    return product < 0 ? -whole : whole;
}

// What the customer owes for a document: its lines, the tax on top when
// prices exclude it, less what cash rounding takes off.
qint64 owedFor(const QList<SaleLine>& lines, bool taxOnTop, int unit)
{
    qint64 sum = 0, taxed1 = 0, taxed2 = 0;
    for (const SaleLine& l : lines) {
        sum += cents(l.price);
        if (l.tax1 == QLatin1String("Y"))
            taxed1 += cents(l.price);
        if (l.tax2 == QLatin1String("Y"))
            taxed2 += cents(l.price);
    }
    qint64 total = sum;
    if (taxOnTop)
        total += taxOn(taxed1, 0.15) + taxOn(taxed2, 0.02);
    return unit == 0 ? total : total - total % unit;
}

QList<SaleLine> returned(QList<SaleLine> lines)
{
    for (SaleLine& l : lines) {
        l.quantity = -l.quantity;
        l.price = -l.price;
        l.description = QStringLiteral("RET: ") + l.description;
    }
    return lines;
}

SaleLine untaxed(double price)
{
    SaleLine l = SaleRows::textLine(QStringLiteral("Inventory"), QStringLiteral("DELIVERY"), price);
    l.tax1 = l.tax2 = QStringLiteral("N");
    return l;
}

} // namespace

class TestLedger : public QObject
{
    Q_OBJECT

private slots:
    void balancesAddUp_data();
    void balancesAddUp();
};

void TestLedger::balancesAddUp_data()
{
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<int>("unit");
    QTest::newRow("prices include tax") << "I" << 0;
    QTest::newRow("tax on top") << "E" << 0;
    QTest::newRow("prices include tax, cash rounded to 5 cents") << "I" << 5;
    QTest::newRow("tax on top, cash rounded to 10 cents") << "E" << 10;
}

void TestLedger::balancesAddUp()
{
    QFETCH(QString, taxMode);
    QFETCH(int, unit);
    PostingShop shop;
    PostingShop::setTaxRules(taxMode, unit);
    const bool taxOnTop = taxMode == QLatin1String("E");
    QMap<int, qint64> owed;     // the person's sums, per account
    QMap<int, qint64> interest; // interest charged, kept apart
    QStringList mismatches;     // documents whose paper and ledger differ

    // Shows a document at the window, answering @p answer; a processed
    // document's printed amount due must be what the person works out.
    auto post = [&](int n, int mode, int answer, qint64 expected, bool reprint = false) {
        utils->setRefundMode(mode == 2);
        if (mode == 1)
            utils->setQuoteMode(true);
        if (mode == 3)
            utils->setOrderMode(true);
        DocParts shown;
        if (mode != 3)
            shop.expectDocument(answer, &shown);
        const bool accepted = utils->processInvoice(n, reprint);
        utils->setQuoteMode(false);
        if (accepted && cents(Utility::strNum(shown.tail["due"])) != expected)
            mismatches << QStringLiteral("document %1 shows %2").arg(n).arg(shown.tail["due"]);
        return accepted;
    };
    auto sale = [&](int account, const QList<SaleLine>& lines) {
        const int n = SaleRows::invoice(account, lines);
        const qint64 due = owedFor(lines, taxOnTop, unit);
        if (!post(n, 0, 1, due))
            mismatches << QStringLiteral("sale %1 was not posted").arg(n);
        owed[account] += due;
        return n;
    };
    auto pay = [&](int account, ReceiptRow row, int answer = 1) {
        row.account = account;
        const int r = SaleRows::receipt(row);
        shop.expectDocument(answer);
        const bool taken = utils->processReceipt(r, true, row.cash + row.card, 0, 0, false);
        if (taken != (answer == 1))
            mismatches << QStringLiteral("receipt %1 taken: %2").arg(r).arg(taken);
        if (taken)
            owed[account] -= cents(row.cash) + cents(row.card) + cents(row.cheque) + cents(row.coupon) + cents(row.eft)
                + cents(row.badDebt);
        return r;
    };
    auto cash = [](double amount) {
        ReceiptRow r;
        r.cash = amount;
        return r;
    };
    auto card = [](double amount) {
        ReceiptRow r;
        r.card = amount;
        return r;
    };

    const QList<SaleLine> lunch{SaleRows::item("6005"), SaleRows::item("1006", 2), SaleRows::item("1009", 3),
                                untaxed(12.37)};
    const QList<SaleLine> small{SaleRows::item("6004"), untaxed(4.99)};

    // Bayside Catering: a sale and part of it paid.
    sale(kBayside, lunch);
    pay(kBayside, card(100.00));
    // A quote, which owes nothing.
    const int quote = SaleRows::invoice(kBayside, small);
    QVERIFY(post(quote, 1, 1, owedFor(small, taxOnTop, unit)));
    // Goods brought back.
    const QList<SaleLine> back = returned({SaleRows::item("1009"), untaxed(12.37)});
    const int refund = SaleRows::invoice(kBayside, back);
    QVERIFY(post(refund, 2, 1, owedFor(back, taxOnTop, unit)));
    owed[kBayside] += owedFor(back, taxOnTop, unit);
    // A sale made on the wrong account, voided.
    const int wrong = sale(kBayside, small);
    owed[kBayside] -= owedFor(small, taxOnTop, unit);
    shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong account"});
    QVERIFY(utils->voidInvoice(wrong));
    // A payment keyed twice, voided.
    const int twice = pay(kBayside, cash(50.00));
    owed[kBayside] += 5000;
    shop.expectReasons(QStringLiteral("Void Receipt"), QString(), QString(), {"Keyed twice"});
    QVERIFY(utils->voidReceipt(twice));
    // A sale cancelled at the window, then accepted, then reprinted.
    const int second = SaleRows::invoice(kBayside, small);
    QVERIFY(!post(second, 0, 0, 0));
    QVERIFY(post(second, 0, 1, owedFor(small, taxOnTop, unit)));
    owed[kBayside] += owedFor(small, taxOnTop, unit);
    QVERIFY(post(second, 0, 1, owedFor(small, taxOnTop, unit), true));
    // A payment the customer walked away from.
    pay(kBayside, cash(20.00), 0);
    // Interest on the arrears, from the statement run.
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                  "TipAmount, MyNumber, Status, CrossRef) VALUES (14, 'IA', '2026-12-05 10:30:00', "
                                  "12.34, 0, 0, 0, ' ', 0)"));
    interest[kBayside] += 1234;

    // The cash account: a counter sale paid to the cent it owes.
    sale(kCash, small);
    pay(kCash, cash(double(owedFor(small, taxOnTop, unit)) / 100));

    // O'Brien: a bill re-opened, a line added, closed again.
    const int bill = sale(kObrien, small);
    owed[kObrien] -= owedFor(small, taxOnTop, unit);
    QVERIFY(utils->retractInvoice(bill));
    SaleRows::addLines(bill, {SaleRows::item("1004")});
    QVERIFY(post(bill, 0, 1, owedFor(small + QList<SaleLine>{SaleRows::item("1004")}, taxOnTop, unit)));
    owed[kObrien] += owedFor(small + QList<SaleLine>{SaleRows::item("1004")}, taxOnTop, unit);

    // Table 1: an order to the kitchen, more ordered, the bill printed and
    // paid in cash with a tip for the waiter.
    const QList<SaleLine> starters{SaleRows::item("2001"), SaleRows::item("2003")};
    const int table = SaleRows::invoice(kTable1, starters);
    QVERIFY(!post(table, 3, -1, 0));
    SaleRows::addLines(table, {SaleRows::item("3001", 2)});
    const QList<SaleLine> dinner = starters + QList<SaleLine>{SaleRows::item("3001", 2)};
    QVERIFY(post(table, 0, 1, owedFor(dinner, taxOnTop, unit)));
    owed[kTable1] += owedFor(dinner, taxOnTop, unit);
    ReceiptRow tipped = cash(double(owedFor(dinner, taxOnTop, unit)) / 100);
    tipped.tip = 30.00;
    pay(kTable1, tipped);

    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QLatin1String("; "))));
    QSqlQuery accounts;
    QVERIFY(accounts.exec(QStringLiteral("SELECT AccountNumber FROM Clients ORDER BY AccountNumber")));
    while (accounts.next()) {
        const int a = accounts.value(0).toInt();
        QCOMPARE(cents(utils->getBalBF(a, false)), owed.value(a));
        QCOMPARE(cents(utils->getBalBF(a, true)), owed.value(a) + interest.value(a));
    }
    // Every posting is in the ledger once, voided ones too.
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Journal WHERE Description IN ('I','Q','RF','VI')")), 8);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Journal WHERE Description IN ('R','VR')")), 4);
}

BREVALON_TEST_MAIN(TestLedger)
#include "tst_ledger.moc"
