// The end of a day and of a month over trade worked out by hand. The
// cash-up: its five reports, the same in preview and when processed, what it
// marks and archives, an empty second run, the cash date afterwards, tender
// signs, ledgers settled on cents, more lines than one archive batch. The
// month end of a leap February live and archived, in both tax modes. The
// waiter cash-up of one waiter's day and its ways out. Each report also on
// paper: as a page and as 80- and 40-column slips.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "endofday/cashupsteps.h"
#include "sales/combodialog.h"
#include "sales/datedialog.h"
#include "tests/endofday/endofdayshop.h"
#include "tests/support/actionrows.h"

#include <QComboBox>
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

void february()
{
    const QString tenth = QStringLiteral("2028-02-10 12:00:00");
    const QString leapDay = QStringLiteral("2028-02-29 23:59:59");
    EndOfDayShop::document(601, kBayside, "I", { L { "BURGER", 1, 115.00, 40.00 } }, 0, tenth);
    EndOfDayShop::document(
        602, kCash, "I", { L { "FLAT WHITE", 2, 46.03, 12.00, "Y", "N", "HOT DRINKS" } }, 0.03, tenth);
    EndOfDayShop::document(
        603, kCash, "VI", { L { "CAKE", 1, 30.00, 8.00, "Y", "N", "DESSERTS" } }, 0, tenth);
    EndOfDayShop::document(
        604, kCash, "RF", { L { "RET: FLAT WHITE", -1, -23.00, -6.00, "Y", "N", "HOT DRINKS" } }, 0, leapDay);
    EndOfDayShop::document(
        605, kObrien, "Q", { L { "GIFT HAMPER", 1, 50.00, 30.00, "Y", "N", "DELI" } }, 0, leapDay);
    EndOfDayShop::document(606, kCash, "I", { L { "LUNCH", 1, 99.00, 30.00 } }, 0, "2028-01-31 23:59:59");
    EndOfDayShop::document(607, kCash, "I", { L { "LUNCH", 1, 88.00, 30.00 } }, 0, "2028-03-01 00:00:00");
    EndOfDayShop::receipt(611, kCash, P { 46.00 }, { 602 }, tenth);
    EndOfDayShop::receipt(612, kBayside, P { 50.00 }, {}, tenth);
    TestShop::exec("UPDATE Journal SET Description='VR' WHERE MyNumber=612");
    EndOfDayShop::receipt(613, kBayside, P { 0, 100.00, 0, 15.00 }, { 601 }, leapDay);
    EndOfDayShop::receipt(614, kBayside, P { 70.00 }, {}, "2028-03-01 09:00:00");
    TestShop::exec(
        "INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, TipAmount, MyNumber, "
        "Status, CrossRef) VALUES (14, 'IA', '2028-02-29 06:00:00', 12.34, 0, 0, 0, ' ', 0)");
    TestShop::exec("INSERT INTO Interest (AccountNumber, MyDate, D30, D60, D90, D120) VALUES "
                   "(14, '2028-02-29', 10.00, 2.34, 0, 0), (14, '2028-03-01', 5.00, 0, 0, 0)");
}

void archive(const QString& table)
{
    TestShop::exec(QStringLiteral("INSERT INTO %1Archive SELECT * FROM %1").arg(table));
    TestShop::exec(QStringLiteral("DELETE FROM %1").arg(table));
}

const QStringList kDepartmentFields { "description", "value", "cost", "percent", "margin" };

QStringList departments(const QString& mains, const QString& hotDrinks)
{
    return { "Interest On Arrears | 12.34 |  | 7.66 | ", "DELI | 0.00 | 0.00 | 0.00 | 0.00",
        "DESSERTS | 0.00 | 0.00 | 0.00 | 0.00", "DRINKS | 0.00 | 0.00 | 0.00 | 0.00",
        "GROCERY | 0.00 | 0.00 | 0.00 | 0.00", "HOT DRINKS | " + hotDrinks, "MAINS | " + mains,
        "STARTERS | 0.00 | 0.00 | 0.00 | 0.00" };
}

const QString kCaption = QStringLiteral("Waiter Cash Up");

void johnsDay()
{
    const QString noon = EndOfDayShop::noon();
    for (int table = 0; table < 5; ++table)
        EndOfDayShop::document(301 + table, kTable1 + table, "I",
            { L { "DINNER", 1, QList<double> { 100, 50, 80, 50, 40 }[table] } }, 0, noon, "JOHN");
    EndOfDayShop::document(306, kTable1 + 5, "I", { L { "DINNER", 1, 70.00 } }, 0, noon, "SUE");
    EndOfDayShop::document(307, kTable1 + 6, QString(), { L { "DESSERT", 1, 20.00 } }, 0, noon, "JOHN", "P");
    // Yesterday's bill is not today's.
    EndOfDayShop::document(299, kTable1, "I", { L { "DINNER", 1, 10.00 } }, 0, "2026-12-04 21:00:00", "JOHN");

    EndOfDayShop::receipt(401, kTable1, P { 0, 100.00, 0, 0, 0, 0, 10.00 }, { 301 }, noon, "JOHN");
    EndOfDayShop::receipt(402, kTable1 + 1, P { 55.00, 0, 0, 0, 0, 0, 5.00 }, { 302 }, noon, "JOHN");
    EndOfDayShop::receipt(403, kTable1 + 2, P { 0, 0, 0, 0, 80.00, 0, 8.00 }, { 303 }, noon, "SUE");
    // Cash given back on a card payment: its tip is not paid out of the drawer.
    EndOfDayShop::receipt(404, kTable1 + 3, P { -20.00, 70.00, 0, 0, 0, 0, 10.00 }, { 304 }, noon, "JOHN");
    EndOfDayShop::receipt(405, kTable1 + 5, P { 70.00 }, { 306 }, noon, "SUE");
}

// Scripts the dialogs up to the report: the day as held, JOHN chosen.
void chooseJohn(EndOfDayShop& shop)
{
    shop.prompts().expectExec("DateDialog",
        [](QDialog* d) { return d->windowTitle() == kCaption ? QDialog::Accepted : QDialog::Rejected; });
    shop.prompts().expectExec("ComboDialog", [](QDialog* d) {
        auto* combo = static_cast<ComboDialog*>(d);
        if (combo->comboBox1->count() != 2)
            return int(QDialog::Rejected); // JOHN and SUE served that day
        combo->comboBox1->setCurrentText("JOHN");
        return int(QDialog::Accepted);
    });
}

} // namespace

class TestEndOfDay : public QObject
{
    Q_OBJECT

private slots:
    void dayOfTrade();
    void tenderSigns_data();
    void tenderSigns();
    void settledOnCents_data();
    void settledOnCents();
    void linesBeyondOneBatch();
    void leapFebruary_data();
    void leapFebruary();
    void emptyPeriod();
    void datesAskedFor_data();
    void datesAskedFor();
    void johnsCashUp();
    void endsBeforeTheReports_data();
    void endsBeforeTheReports();
};

void TestEndOfDay::dayOfTrade()
{
    EndOfDayShop shop;
    EndOfDayShop::tradeOneDay();

    const QList<DocParts> preview = shop.cashUp(false, true);
    QCOMPARE(count("SELECT COUNT(*) FROM Journal WHERE Status='P'"), 1); // a preview marks nothing
    QList<Paper> papers;
    const QList<DocParts> processed = shop.cashUp(true, true, &papers);
    QCOMPARE(processed.size(), 5);
    QCOMPARE(figures(processed), figures(preview));
    const QStringList wrong = EndOfDayShop::paperFaults(papers,
        { "BAYSIDE CATERING|PATRICK|142.34|-355.00|435.00", "BAYSIDE CATERING|215.99|98.62|49.04|VAT|LEVY",
            "Bad Debt|355.00", "Coupons|-10.00|Write Off|-20.00|295.00|Hand-over checked by",
            "CATERING PLATTER|CHIPS|1.500" });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));

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

void TestEndOfDay::tenderSigns_data()
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

void TestEndOfDay::tenderSigns()
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

void TestEndOfDay::settledOnCents_data()
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
    QTest::newRow("no client of that number") << 99 << QStringList { "I 10.00 P", "R -10.00 P" } << false;
}

void TestEndOfDay::settledOnCents()
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

void TestEndOfDay::linesBeyondOneBatch()
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

void TestEndOfDay::leapFebruary_data()
{
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("departments");
    QTest::addColumn<QString>("departmentTotals");
    QTest::addColumn<QString>("sales"); // invtax1total, tax1total, total
    QTest::addColumn<QString>("income");
    for (const char* layout : { "live", "archived", "ledger archived" }) {
        QTest::addRow("prices include tax, %s", layout)
            << "I" << layout << departments("115.00 | 40.00 | 71.43 | 34.78", "23.03 | 6.00 | 14.30 | 26.05")
            << "138.03 | 46.00 |  | 33.33"
            << "120.03 | 18.00 | 138.03"
            << "115.66";
        QTest::addRow("tax on top, %s", layout)
            << "E" << layout << departments("132.25 | 40.00 | 82.14 | 30.25", "26.48 | 6.00 | 16.45 | 22.66")
            << "158.73 | 46.00 |  | 28.98"
            << "138.03 | 20.70 | 158.73"
            << "112.96";
    }
}

void TestEndOfDay::leapFebruary()
{
    QFETCH(QString, taxMode);
    QFETCH(QString, layout);
    QFETCH(QStringList, departments);
    QFETCH(QString, departmentTotals);
    QFETCH(QString, sales);
    QFETCH(QString, income);
    EndOfDayShop shop;
    EndOfDayShop::setTaxRules(taxMode, 0);
    february();
    if (layout != "live")
        archive("Journal");
    if (layout == "archived")
        archive("InvoiceItem");

    shop.prompts().expectExec("DateDialog", [](QDialog* d) {
        static_cast<DateDialog*>(d)->setDate(QDate(2028, 2, 15));
        return d->windowTitle() == QLatin1String("Month End") ? QDialog::Accepted : QDialog::Rejected;
    });
    QList<DocParts> reports;
    QList<Paper> papers;
    shop.expectReports(3, &reports, layout == "live" ? &papers : nullptr);
    utils->monthEnd();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(actionLines().filter("MONTH END"), QStringList({ "MONTH END|FOR THE MONTH 2028-02-01" }));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(reports[i].head.pick({ "type", "summary", "auto", "printer" }),
            QStringList({ QStringLiteral("type=monthend%1").arg(i + 1), "summary=2028-02-01 to 2028-02-29",
                "auto=no", "printer=Mail" }));

    // Interest is charged like an invoice, a refund paid out like a receipt.
    QCOMPARE(EndOfDayShop::rows(reports[0], { "day", "count", "invtotal", "rectotal", "invave", "recave" }),
        QStringList({ "2028-02-10 | 2 | 161.00 | 46.00 | 80.50 | 46.00",
            "2028-02-29 | 1 | 12.34 | 138.00 | 12.34 | 69.00" }));
    QCOMPARE(EndOfDayShop::tail(reports[0], { "count", "invtotal", "rectotal", "invave", "recave" }),
        "3 | 173.34 | 184.00 | 57.78 | 61.33");

    QCOMPARE(EndOfDayShop::rows(reports[1], kDepartmentFields), departments);
    QCOMPARE(EndOfDayShop::tail(reports[1], kDepartmentFields.mid(1)), departmentTotals);
    QCOMPARE(reports[1].tail["invtotal"], "161.00");

    QStringList head;
    for (const char* field : { "invtax1total", "tax1total", "total" })
        head << reports[2].head[field];
    QCOMPARE(head.join(" | "), sales);
    QCOMPARE(reports[2].head.pick({ "invtax2total", "invexmtotal", "tax2total" }),
        QStringList({ "invtax2total=0.00", "invexmtotal=0.00", "tax2total=0.00" }));
    QCOMPARE(EndOfDayShop::rows(reports[2], { "type", "amount" }),
        QStringList({ "Cash | 46.00", "Credit Card | 100.00", "Cheque | 0.00", "EFT | 0.00",
            "Coupons | 15.00", "Bad Debt | 0.00" }));
    QCOMPARE(EndOfDayShop::tail(reports[2], { "rectotal", "disctotal", "badtotal", "inttotal", "total" }),
        "161.00 | 15.00 | 0.00 | 12.34 | 133.66");
    QCOMPARE(reports[2].tail["income"], income);
    const QStringList wrong = EndOfDayShop::paperFaults(papers,
        { "2028-02-29|173.34|184.00", "Interest On Arrears|MAINS|12.34", "Coupons|15.00|Bad Debt|Less VAT" });
    QVERIFY2(layout != "live" || wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

void TestEndOfDay::emptyPeriod()
{
    EndOfDayShop shop;
    QList<DocParts> reports;
    shop.expectReports(3, &reports);
    utils->analysis("2027-06-01", "2027-06-30");
    QCOMPARE(reports.size(), 3);
    QVERIFY(reports[0].items.isEmpty());
    QCOMPARE(EndOfDayShop::tail(reports[0], { "count", "invtotal", "rectotal", "invave", "recave" }),
        "0 | 0.00 | 0.00 | 0.00 | 0.00");
    QCOMPARE(
        EndOfDayShop::rows(reports[1], kDepartmentFields).first(), "Interest On Arrears | 0.00 |  | 0.00 | ");
    QCOMPARE(EndOfDayShop::tail(reports[1], kDepartmentFields.mid(1)), "0.00 | 0.00 |  | 0.00");
    QCOMPARE(EndOfDayShop::tail(reports[2], { "rectotal", "total", "income" }), "0.00 | 0.00 | 0.00");
    QCOMPARE(reports[2].head["total"], "0.00");
}

void TestEndOfDay::datesAskedFor_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("shown");
    QTest::newRow("one day") << QDate(2028, 2, 29) << QDate(2028, 2, 29) << true;
    QTest::newRow("the end before the start") << QDate(2028, 2, 29) << QDate(2028, 2, 1) << false;
    QTest::newRow("the start not given") << QDate() << QDate() << false;
}

void TestEndOfDay::datesAskedFor()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, shown);
    EndOfDayShop shop;
    february();
    auto pick = [](const QString& title, QDate day) {
        return [title, day](QDialog* d) {
            static_cast<DateDialog*>(d)->setDate(day);
            return d->windowTitle() == title && day.isValid() ? QDialog::Accepted : QDialog::Rejected;
        };
    };
    shop.prompts().expectExec("DateDialog", pick("Start Date for Analysis", start));
    if (start.isValid())
        shop.prompts().expectExec("DateDialog", pick("End Date for Analysis", end));
    if (start.isValid() && !shown)
        shop.prompts().expect(ZkPrompt::Warning, "Brevalon - Analysis", "is before the start date");
    QList<DocParts> reports;
    if (shown)
        shop.expectReports(3, &reports);
    utils->analysis();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(actionLines().filter("ANALYSIS").size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(actionLines().filter("ANALYSIS").first(),
            QStringLiteral("ANALYSIS |FOR %1 THROUGH %2")
                .arg(start.toString("yyyy-MM-dd"), end.toString("yyyy-MM-dd")));
        QCOMPARE(reports[0].items.last()["day"], "2028-02-29");
    }
}

void TestEndOfDay::johnsCashUp()
{
    EndOfDayShop shop;
    johnsDay();
    chooseJohn(shop);
    shop.prompts().expect(ZkPrompt::Question, kCaption, "There are pending orders", 0);
    shop.prompts().expect(ZkPrompt::Question, kCaption,
        "The following orders have not been paid</b></font><p>Would you still like to continue "
        "with Waiter Cash Up ?<p>Invoice 305 TABLE 5 Amount 40.00<br>",
        0);
    QList<DocParts> reports;
    QList<Paper> papers;
    shop.expectReports(4, &reports, &papers);
    utils->waiterCashUp();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(reports.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(reports[i].head.pick({ "type", "waiter", "summary" }),
            QStringList({ QStringLiteral("type=waiter%1").arg(i + 1), "waiter=JOHN", "summary=2026-12-05" }));

    QCOMPARE(EndOfDayShop::rows(reports[0], { "no", "client", "amount" }),
        QStringList({ "301 | TABLE 1 | 100.00", "302 | TABLE 2 | 50.00", "303 | TABLE 3 | 80.00",
            "304 | TABLE 4 | 50.00", "305 | TABLE 5 | 40.00" }));
    QCOMPARE(reports[0].tail["total"], "320.00");
    QCOMPARE(EndOfDayShop::rows(reports[1], { "no", "client", "amount" }),
        QStringList({ "401 | TABLE 1 | 100.00", "402 | TABLE 2 | 55.00", "404 | TABLE 4 | 50.00" }));
    QCOMPARE(reports[1].tail["total"], "205.00");
    // Cash 55.00 came in; tips of 10.00 (card only) and 5.00 are paid in
    // cash, the 10.00 on the payment that gave cash back is not.
    QCOMPARE(EndOfDayShop::rows(reports[2],
                 { "cash", "other", "cashtip", "othertip", "due", "totaltips", "totalinv", "totalrec",
                     "performance", "numinv", "numrec" }),
        QStringList({ "55.00 | 170.00 | 15.00 | 10.00 | 45.00 | 25.00 | 320.00 | 205.00 | 12.20 | 5 | 3" }));
    QCOMPARE(EndOfDayShop::rows(
                 reports[3], { "no", "client", "amount", "waiter", "cash", "cashtip", "other", "othertip" }),
        QStringList({ "303 | TABLE 3 | 80.00 | SUE | 0.00 | 8.00 | 80.00 | 0.00" }));
    QCOMPARE(EndOfDayShop::tail(reports[3], { "cash", "other", "cashtip", "othertip", "due", "totaltips" }),
        "0.00 | 80.00 | 8.00 | 0.00 | 0.00 | 8.00");
    const QStringList wrong = EndOfDayShop::paperFaults(papers,
        { "JOHN|TABLE 1|100.00|320.00", "JOHN|TABLE 4|205.00", "JOHN|55.00|170.00|45.00", "JOHN|TABLE 3|80.00|SUE" });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    // A report only: nothing counted, nothing logged.
    QCOMPARE(TestShop::count("SELECT * FROM Journal WHERE Status='P'"), 0);
    QCOMPARE(actionLines(), QStringList());
}

void TestEndOfDay::endsBeforeTheReports_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("the day not given") << "day";
    QTest::newRow("no waiter chosen") << "waiter";
    QTest::newRow("orders still open") << "pending";
    QTest::newRow("bills not paid") << "unpaid";
    QTest::newRow("nobody served that day") << "empty";
}

void TestEndOfDay::endsBeforeTheReports()
{
    QFETCH(QString, refused);
    EndOfDayShop shop;
    if (refused != "empty")
        johnsDay();
    shop.prompts().expectExec(
        "DateDialog", [&](QDialog*) { return refused == "day" ? QDialog::Rejected : QDialog::Accepted; });
    if (refused == "empty")
        shop.prompts().expect(ZkPrompt::Information, kCaption, "No waiter served on 2026-12-05.");
    if (refused != "day" && refused != "empty")
        shop.prompts().expectExec("ComboDialog", [&](QDialog* d) {
            static_cast<ComboDialog*>(d)->comboBox1->setCurrentText("JOHN");
            return refused == "waiter" ? QDialog::Rejected : QDialog::Accepted;
        });
    if (refused == "pending" || refused == "unpaid")
        shop.prompts().expect(
            ZkPrompt::Question, kCaption, "There are pending orders", refused == "pending" ? 1 : 0);
    if (refused == "unpaid")
        shop.prompts().expect(ZkPrompt::Question, kCaption, "The following orders have not been paid", 1);
    utils->waiterCashUp();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QVERIFY(actionLines().filter("WAITER REPORT").isEmpty());
}

BREVALON_TEST_MAIN(TestEndOfDay)
#include "tst_endofday.moc"
