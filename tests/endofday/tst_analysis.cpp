// The month end of a leap February worked out by hand, with prices that
// include the tax and with the tax on top, its rows live, archived, or the
// ledger archived and the lines not: the three reports come out the same.
// Voids and quotes are left out; the days either side of the month too. An
// empty period gives zero tails; the analysis asks for its two dates.

#include "core/globals.h"
#include "core/utility.h"
#include "sales/datedialog.h"
#include "tests/endofday/endofdayshop.h"
#include "tests/support/actionrows.h"

#include <QTest>

namespace {

using L = EndOfDayShop::Line;
using P = EndOfDayShop::Paid;

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

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void leapFebruary_data();
    void leapFebruary();
    void emptyPeriod();
    void datesAskedFor_data();
    void datesAskedFor();
};

void TestAnalysis::leapFebruary_data()
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

void TestAnalysis::leapFebruary()
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
    shop.expectReports(3, &reports);
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
}

void TestAnalysis::emptyPeriod()
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

void TestAnalysis::datesAskedFor_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("shown");
    QTest::newRow("a week") << QDate(2028, 2, 23) << QDate(2028, 2, 29) << true;
    QTest::newRow("one day") << QDate(2028, 2, 29) << QDate(2028, 2, 29) << true;
    QTest::newRow("the end before the start") << QDate(2028, 2, 29) << QDate(2028, 2, 1) << false;
    QTest::newRow("the start not given") << QDate() << QDate() << false;
}

void TestAnalysis::datesAskedFor()
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

BREVALON_TEST_MAIN(TestAnalysis)
#include "tst_analysis.moc"
