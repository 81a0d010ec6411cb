// The ledger as a whole: after a day of sales, refunds, quotes, voids,
// retracted bills and payments, every account owes what a person adding up
// its documents by hand would say, and every document shows its ledger row.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/posting/postingshop.h"

#include <QMap>
#include <QSqlQuery>
#include <QTest>

namespace {

qint64 cents(double amount)
{
    return qRound64(amount * 100);
}

// A rate times cents, to the nearest cent, halves away from nothing; in
// whole numbers so no binary fraction can tip it.
qint64 taxOn(qint64 amountCents, double rate)
{
    const qint64 product = amountCents * qRound64(rate * 10000);
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
        taxed1 += l.tax1 == QLatin1String("Y") ? cents(l.price) : 0;
        taxed2 += l.tax2 == QLatin1String("Y") ? cents(l.price) : 0;
    }
    if (taxOnTop)
        sum += taxOn(taxed1, 0.15) + taxOn(taxed2, 0.02);
    return sum - (unit == 0 ? 0 : sum % unit);
}

SaleLine untaxed(double price)
{
    SaleLine l = SaleRows::textLine(QStringLiteral("Inventory"), QStringLiteral("DELIVERY"), price);
    l.tax1 = l.tax2 = QStringLiteral("N");
    return l;
}

ReceiptRow tender(double cash, double card = 0, double tip = 0)
{
    ReceiptRow r;
    r.cash = cash, r.card = card, r.tip = tip;
    return r;
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
    auto owes = [&](const QList<SaleLine>& lines) { return owedFor(lines, taxMode == QLatin1String("E"), unit); };
    QMap<int, qint64> owed, interest; // the person's sums per account; interest kept apart
    QStringList mismatches;           // documents whose paper and ledger differ

    // Shows a document, answering @p answer; a processed document's amount
    // due must be what the person works out.
    auto post = [&](int n, int mode, int answer, qint64 expected, bool reprint = false) {
        PostingShop::setMode(mode);
        DocParts shown;
        if (mode != 3)
            shop.expectDocument(answer, &shown);
        const bool accepted = utils->processInvoice(n, reprint);
        PostingShop::setMode(0);
        if (accepted && cents(Utility::strNum(shown.tail["due"])) != expected)
            mismatches << QStringLiteral("document %1 shows %2").arg(n).arg(shown.tail["due"]);
        return accepted;
    };
    auto sale = [&](int account, const QList<SaleLine>& lines) {
        const int n = SaleRows::invoice(account, lines);
        if (!post(n, 0, 1, owes(lines)))
            mismatches << QStringLiteral("sale %1 was not posted").arg(n);
        owed[account] += owes(lines);
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
            owed[account] -= cents(row.cash) + cents(row.card);
        return r;
    };

    const QList<SaleLine> lunch{SaleRows::item("6005"), SaleRows::item("1006", 2), SaleRows::item("1009", 3),
                                untaxed(12.37)};
    const QList<SaleLine> small{SaleRows::item("6004"), untaxed(4.99)};
    // Bayside Catering: a sale, part of it paid; a quote, which owes nothing.
    sale(kBayside, lunch);
    pay(kBayside, tender(0, 100.00));
    QVERIFY(post(SaleRows::invoice(kBayside, small), 1, 1, owes(small)));
    // Goods brought back.
    QList<SaleLine> back{SaleRows::item("1009"), untaxed(12.37)};
    for (SaleLine& l : back)
        l.quantity = -l.quantity, l.price = -l.price, l.description = "RET: " + l.description;
    QVERIFY(post(SaleRows::invoice(kBayside, back), 2, 1, owes(back)));
    owed[kBayside] += owes(back);
    // A sale made on the wrong account and a payment keyed twice, voided.
    const int wrong = sale(kBayside, small);
    owed[kBayside] -= owes(small);
    shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong account"});
    QVERIFY(utils->voidInvoice(wrong));
    const int twice = pay(kBayside, tender(50.00));
    owed[kBayside] += 5000;
    shop.expectReasons(QStringLiteral("Void Receipt"), QString(), QString(), {"Keyed twice"});
    QVERIFY(utils->voidReceipt(twice));
    // A sale cancelled at the window, then accepted, then reprinted.
    const int second = SaleRows::invoice(kBayside, small);
    QVERIFY(!post(second, 0, 0, 0));
    QVERIFY(post(second, 0, 1, owes(small)));
    owed[kBayside] += owes(small);
    QVERIFY(post(second, 0, 1, owes(small), true));
    // A payment the customer walked away from.
    pay(kBayside, tender(20.00), 0);
    // Interest on the arrears, from the statement run.
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                  "TipAmount, MyNumber, Status, CrossRef) VALUES (14, 'IA', "
                                  "'2026-12-05 10:30:00', 12.34, 0, 0, 0, ' ', 0)"));
    interest[kBayside] += 1234;

    // The cash account: a counter sale paid to the cent it owes.
    sale(kCash, small);
    pay(kCash, tender(double(owes(small)) / 100));

    // O'Brien: a bill re-opened, a line added, closed again.
    const int bill = sale(kObrien, small);
    owed[kObrien] -= owes(small);
    QVERIFY(utils->retractInvoice(bill));
    SaleRows::addLines(bill, {SaleRows::item("1004")});
    const QList<SaleLine> more = small + QList<SaleLine>{SaleRows::item("1004")};
    QVERIFY(post(bill, 0, 1, owes(more)));
    owed[kObrien] += owes(more);

    // Table 1: an order to the kitchen, more ordered, the bill printed and
    // paid in cash with a tip for the waiter.
    const QList<SaleLine> starters{SaleRows::item("2001"), SaleRows::item("2003")};
    const int table = SaleRows::invoice(kTable1, starters);
    QVERIFY(!post(table, 3, -1, 0));
    SaleRows::addLines(table, {SaleRows::item("3001", 2)});
    const QList<SaleLine> dinner = starters + QList<SaleLine>{SaleRows::item("3001", 2)};
    QVERIFY(post(table, 0, 1, owes(dinner)));
    owed[kTable1] += owes(dinner);
    pay(kTable1, tender(double(owes(dinner)) / 100, 0, 30.00));

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
