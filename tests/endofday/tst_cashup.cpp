// The cash-up over a day whose figures were worked out by hand: the five
// reports, the same in preview and when processed; what processing marks and
// archives; an empty second cash-up; the cash date of the day afterwards;
// the tender report's signs; settled ledgers decided on cents; more lines
// than one archive batch.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "endofday/cashupsteps.h"
#include "tests/endofday/endofdayshop.h"
#include "tests/support/actionrows.h"

#include <QDialog>
#include <QSqlQuery>
#include <QTest>

namespace {

using L = EndOfDayShop::Line;
using P = EndOfDayShop::Paid;

int count(const QString& sql)
{
    return TestShop::value(sql).toInt();
}

const QStringList kAccounts { "-1 | CASH | 10.00 | -10.00 | 0.00", "1 | CASH | 195.00 | -195.00 | 0.00",
    "14 | BAYSIDE CATERING | 230.00 | -100.00 | 142.34", "15 | O'BRIEN, PATRICK | 0.00 | -50.00 | 0.00" };
const QStringList kInvoices { "101 | 1 | CASH | 161.00 | 52.00 | 20.74 | 1.97",
    "102 | 14 | BAYSIDE CATERING | 230.00 | 100.00 | 30.00 | 0.00",
    "103 | 1 | CASH | -23.00 | -6.00 | -3.00 | 0.00", "106 | 1 | CASH | 57.00 | 20.00 | 0.00 | 0.00",
    "107 | -1 | CASH | 10.00 | 2.00 | 1.30 | 0.00" };
const QStringList kReceipts { "201 | 1 | CASH | Cash | 50.00", "201 | 1 | CASH | Coupon | 10.00",
    "202 | 1 | CASH | C/Card | 135.00", "203 | 14 | BAYSIDE CATERING | Cheque | 100.00",
    "205 | 15 | O'BRIEN, PATRICK | EFT | 30.00", "205 | 15 | O'BRIEN, PATRICK | Bad Debt | 20.00",
    "206 | -1 | CASH | C/Card | 10.00" };
const QStringList kTenders { "Cash | 1 | 50.00", "Cheque | 1 | 100.00", "Credit Card | 2 | 145.00",
    "EFT | 1 | 30.00", "Coupons | 1 | -10.00", "Write Off's | 1 | -20.00", "Rounding |  | 0.03" };
// Neither the quote nor the voided cake was sold; the refund's line is no sale.
const QStringList kSold { "BURGER | 1", "CATERING PLATTER | 1", "CHIPS | 1.500", "FLAT WHITE | 2",
    "SALAD | 1", "WATER | 1" };

const QStringList kAccountFields { "acc", "client", "invoiced", "received", "balance" };
const QStringList kInvoiceFields { "number", "acc", "client", "amount", "cost", "tax1", "tax2" };
const QStringList kReceiptFields { "number", "acc", "client", "type", "amount" };
const QStringList kTenderFields { "type", "count", "total" };
const QStringList kSoldFields { "description", "quantity" };

// The figures of the five reports, items and tails, for comparing runs.
QStringList figures(const QList<DocParts>& reports, bool soldSorted = false)
{
    const QList<QStringList> fields { kAccountFields, kInvoiceFields, kReceiptFields, kTenderFields,
        kSoldFields };
    QStringList out;
    for (int i = 0; i < reports.size(); ++i) {
        QStringList items = EndOfDayShop::rows(reports.at(i), fields.at(i));
        if (soldSorted && i == 4)
            items.sort();
        out << items << QStringList(reports.at(i).tail.values.values()).join(QLatin1Char(','));
    }
    return out;
}

} // namespace

class TestCashUp : public QObject
{
    Q_OBJECT

private slots:
    void dayOfTrade();
    void tenderSigns_data();
    void tenderSigns();
    void settledOnCents_data();
    void settledOnCents();
    void linesBeyondOneBatch();
};

void TestCashUp::dayOfTrade()
{
    EndOfDayShop shop;
    EndOfDayShop::tradeOneDay();

    const QList<DocParts> preview = shop.cashUp(false, true);
    QCOMPARE(count("SELECT COUNT(*) FROM Journal WHERE Status='P'"), 1); // a preview marks nothing
    const QList<DocParts> processed = shop.cashUp(true, true);
    QCOMPARE(processed.size(), 5);
    QCOMPARE(figures(processed), figures(preview));

    for (int i = 0; i < 5; ++i) {
        const DocElement& head = processed.at(i).head;
        QCOMPARE(head["type"], QStringLiteral("cashup%1").arg(i + 1));
        QCOMPARE(head.pick({ "printer", "summary", "auto", "aline1", "tax1name" }),
            QStringList({ "printer=Mail", "summary=2026-12-05", "auto=nocancel", "aline1=The Harbour Kitchen",
                i == 0 ? "tax1name=" : "tax1name=VAT" }));
    }
    QCOMPARE(EndOfDayShop::rows(processed[0], kAccountFields), kAccounts);
    QCOMPARE(
        EndOfDayShop::tail(processed[0], { "invoiced", "received", "balance" }), "435.00 | -355.00 | 142.34");
    QCOMPARE(EndOfDayShop::rows(processed[1], kInvoiceFields), kInvoices);
    QCOMPARE(EndOfDayShop::tail(processed[1], { "invoiced", "cost", "profit", "margin", "tax1", "tax2" }),
        "435.00 | 168.00 | 215.99 | 98.62 | 49.04 | 1.97");
    QCOMPARE(EndOfDayShop::rows(processed[2], kReceiptFields), kReceipts);
    QCOMPARE(processed[2].tail["received"], "355.00");
    QCOMPARE(EndOfDayShop::rows(processed[3], kTenderFields), kTenders);
    QCOMPARE(EndOfDayShop::tail(processed[3], { "total", "amount", "handover" }),
        "295.00 | 295.00 | Hand-over checked by: ____________");
    QCOMPARE(EndOfDayShop::rows(processed[4], kSoldFields), kSold);

    // Counted, and the settled ledgers (the cash account, O'Brien) with the
    // closed invoices' lines in the archive; the open order's line stays.
    QCOMPARE(count("SELECT COUNT(*) FROM Journal WHERE Status<>'P'"), 0);
    QCOMPARE(count("SELECT COUNT(*) FROM Journal"), 5);
    QCOMPARE(count("SELECT COUNT(*) FROM JournalArchive WHERE AccountNumber IN (1, 15) AND Status='P'"), 10);
    QCOMPARE(count("SELECT COUNT(*) FROM InvoiceItem WHERE Description='CHIPS' AND CashUp=1"), 1);
    QCOMPARE(count("SELECT COUNT(*) FROM InvoiceItem"), 1);
    QCOMPARE(count("SELECT COUNT(*) FROM InvoiceItemArchive WHERE CashUp=1"), 9);
    QCOMPARE(utils->getBalBF(kBayside, true), 142.34);
    QCOMPARE(actionLines().filter("CASH UP"),
        QStringList({ "CASH UP|PREIVIEW", "CASH UP|PRINT", "CASH UP|COMPLETE" }));

    // Nothing is left to count.
    const QList<DocParts> again = shop.cashUp(true, true);
    for (int i : { 0, 1, 2, 4 })
        QVERIFY2(again[i].items.isEmpty(), qPrintable(again[i].head["type"]));
    QCOMPARE(EndOfDayShop::tail(again[0], { "invoiced", "received", "balance" }), "0.00 | 0.00 | 0.00");
    QCOMPARE(EndOfDayShop::tail(again[1], { "invoiced", "cost", "profit", "margin" }),
        "0.00 | 0.00 | 0.00 | 0.00");
    QCOMPARE(again[2].tail["received"], "0.00");
    QCOMPARE(again[3].tail["total"], "0.00");

    // The cash date of the day, read from the archive now, shows the same.
    shop.prompts().expectExec("DateDialog", [](QDialog* d) {
        return d->windowTitle() == QLatin1String("Cash Date") ? QDialog::Accepted : QDialog::Rejected;
    });
    QList<DocParts> looked;
    shop.expectReports(5, &looked);
    utils->cashDate();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(figures(looked, true), figures(processed, true));
    QCOMPARE(looked[0].head["auto"], "no");
    QCOMPARE(actionLines().filter("CASH DATE"), QStringList({ "CASH DATE|2026-12-05" }));
}

void TestCashUp::tenderSigns_data()
{
    QTest::addColumn<EndOfDayShop::Paid>("paid");
    QTest::addColumn<bool>("semper");
    QTest::addColumn<QStringList>("tenders");
    QTest::addColumn<QString>("total");
    const QStringList none { "Cash | 0 | 0.00", "Cheque | 0 | 0.00", "Credit Card | 0 | 0.00",
        "EFT | 0 | 0.00", "Coupons | 0 | 0.00", "Write Off's | 0 | 0.00", "Rounding |  | 0.00" };
    auto with = [&none](int row, const QString& line) {
        QStringList t = none;
        t[row] = line;
        return t;
    };
    QStringList couponAndCash = with(0, "Cash | 1 | 50.00");
    couponAndCash[4] = "Coupons | 1 | -10.00";
    QTest::newRow("a coupon comes off the cash")
        << P { 50.00, 0, 0, 10.00 } << false << couponAndCash << "40.00";
    QTest::newRow("cash paid back") << P { -20.00 } << false << with(0, "Cash | 1 | -20.00") << "-20.00";
    QStringList writeOff = with(1, "Cheque | 1 | 5.00");
    writeOff[5] = "Write Off's | 1 | -15.00";
    QTest::newRow("a debt written off") << P { 0, 0, 5.00, 0, 0, 15.00 } << false << writeOff << "-10.00";
    QStringList room = with(3, "On Acc. | 1 | 25.00");
    QTest::newRow("a room charge with the hotel link") << P { 0, 0, 0, 0, 25.00 } << true << room << "25.00";
    QTest::newRow("no receipts") << P {} << false << none << "0.00";
}

void TestCashUp::tenderSigns()
{
    QFETCH(EndOfDayShop::Paid, paid);
    QFETCH(bool, semper);
    QFETCH(QStringList, tenders);
    QFETCH(QString, total);
    EndOfDayShop shop;
    settings->writeEntry("/Global/Semper/Enabled", semper);
    if (paid.cash || paid.card || paid.cheque || paid.coupon || paid.eft || paid.badDebt)
        EndOfDayShop::receipt(301, kBayside, paid);
    const QList<DocParts> reports = shop.cashUp(false);
    QCOMPARE(EndOfDayShop::rows(reports.value(3), kTenderFields), tenders);
    QCOMPARE(reports.value(3).tail["total"], total);
}

void TestCashUp::settledOnCents_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<QStringList>("ledger"); // "code amount status"
    QTest::addColumn<bool>("archived");
    QTest::newRow("binary fractions that come to nothing")
        << int(kBayside) << QStringList { "I 0.10 P", "I 0.20 P", "R -0.30 P" } << true;
    QTest::newRow("a cent still owed") << int(kBayside) << QStringList { "I 10.00 P", "R -9.99 P" } << false;
    QTest::newRow("a cent in credit") << int(kBayside) << QStringList { "I 10.00 P", "R -10.01 P" } << false;
    QTest::newRow("quotes and voids owe nothing")
        << int(kBayside) << QStringList { "I 10.00 P", "R -10.00 P", "Q 99.00 P", "VI 5.00 P", "VR -7.00 P" }
        << true;
    QTest::newRow("a row not counted yet")
        << int(kBayside) << QStringList { "I 10.00 P", "R -10.00  " } << false;
    QTest::newRow("a row being counted")
        << int(kBayside) << QStringList { "I 10.00 P", "R -10.00 U" } << false;
    QTest::newRow("no client of that number") << 99 << QStringList { "I 10.00 P", "R -10.00 P" } << false;
}

void TestCashUp::settledOnCents()
{
    QFETCH(int, account);
    QFETCH(QStringList, ledger);
    QFETCH(bool, archived);
    EndOfDayShop shop;
    int number = 500;
    for (const QString& row : ledger)
        TestShop::exec(
            QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                           "TipAmount, MyNumber, Status, CrossRef) VALUES (%1, '%2', '2026-12-05 "
                           "09:00:00', %3, 0, 0, %4, '%5', 0)")
                .arg(account)
                .arg(row.section(' ', 0, 0), row.section(' ', 1, 1))
                .arg(++number)
                .arg(row.section(' ', 2, 2).isEmpty() ? QStringLiteral(" ") : row.section(' ', 2, 2)));
    QVERIFY(CashUpSteps::archiveLedgers());
    QCOMPARE(count("SELECT COUNT(*) FROM JournalArchive"), archived ? ledger.size() : 0);
    QCOMPARE(count("SELECT COUNT(*) FROM Journal"), archived ? 0 : ledger.size());
}

void TestCashUp::linesBeyondOneBatch()
{
    EndOfDayShop shop;
    // 2 345 lines over three closed invoices, 7 on an open order, and one
    // line that an earlier cash-up archived without taking it out.
    const int counts[] = { 1000, 1001, 344 };
    for (int invoice = 0; invoice < 3; ++invoice)
        EndOfDayShop::document(700 + invoice, kCash, "I", { L { "TEA", 1, 1.00, 0.25 } });
    EndOfDayShop::document(710, kTable1, QString(), {}, 0, EndOfDayShop::noon(), "JOHN", "P");
    QSqlQuery q;
    auto addLines = [&](int invoice, int lines) {
        QStringList rows;
        for (int i = 0; i < lines; ++i)
            rows << QStringLiteral(
                "('2026-12-05 12:00:00', %1, 1, 'Inventory', 'HOT DRINKS', 'TEA', 1.00, 0.25, "
                "'Y', 'N', 0)")
                        .arg(invoice);
        for (int first = 0; first < rows.size(); first += 400)
            TestShop::exec("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, Quantity, Category, Department, "
                           "Description, Price, Cost, Tax1, Tax2, CashUp) VALUES "
                + rows.mid(first, 400).join(','));
    };
    for (int invoice = 0; invoice < 3; ++invoice)
        addLines(700 + invoice, counts[invoice] - 1); // each invoice has a line of its own
    addLines(710, 7);
    TestShop::exec(
        "INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem WHERE MyNumber=(SELECT MAX(MyNumber) "
        "FROM InvoiceItem WHERE InvoiceNumber=702)");
    TestShop::exec("UPDATE InvoiceItemArchive SET CashUp=1");
    const int lines = count("SELECT COUNT(*) FROM InvoiceItem");
    QCOMPARE(lines, 2345 + 7);
    const QString closedSum
        = TestShop::value("SELECT SUM(MyNumber) FROM InvoiceItem WHERE InvoiceNumber<710").toString();

    const QList<DocParts> reports = shop.cashUp(true, true);
    QCOMPARE(EndOfDayShop::rows(reports.value(4), kSoldFields), QStringList({ "TEA | 2352" }));
    QCOMPARE(count("SELECT COUNT(*) FROM InvoiceItem"), 7);
    QCOMPARE(count("SELECT COUNT(*) FROM InvoiceItemArchive"), 2345);
    QCOMPARE(count("SELECT COUNT(DISTINCT MyNumber) FROM InvoiceItemArchive WHERE CashUp=1"), 2345);
    QCOMPARE(TestShop::value("SELECT SUM(MyNumber) FROM InvoiceItemArchive").toString(), closedSum);
}

BREVALON_TEST_MAIN(TestCashUp)
#include "tst_cashup.moc"
