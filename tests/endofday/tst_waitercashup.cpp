// The waiter cash-up of JOHN's day, worked out by hand: his invoices, the
// receipts he took and their tips (a card-only receipt's tip is paid out in
// cash), what he hands in, and the bill SUE took the money for; and the ways
// out before any report.

#include "core/globals.h"
#include "core/utility.h"
#include "sales/combodialog.h"
#include "sales/datedialog.h"
#include "tests/endofday/endofdayshop.h"
#include "tests/support/actionrows.h"

#include <QComboBox>
#include <QTest>

namespace {

using L = EndOfDayShop::Line;
using P = EndOfDayShop::Paid;

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

class TestWaiterCashUp : public QObject
{
    Q_OBJECT

private slots:
    void johnsCashUp();
    void endsBeforeTheReports_data();
    void endsBeforeTheReports();
};

void TestWaiterCashUp::johnsCashUp()
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
    shop.expectReports(4, &reports);
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
    // A report only: nothing counted, nothing logged.
    QCOMPARE(TestShop::count("SELECT * FROM Journal WHERE Status='P'"), 0);
    QCOMPARE(actionLines(), QStringList());
}

void TestWaiterCashUp::endsBeforeTheReports_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("the day not given") << "day";
    QTest::newRow("no waiter chosen") << "waiter";
    QTest::newRow("orders still open") << "pending";
    QTest::newRow("bills not paid") << "unpaid";
    QTest::newRow("nobody served that day") << "empty";
}

void TestWaiterCashUp::endsBeforeTheReports()
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

BREVALON_TEST_MAIN(TestWaiterCashUp)
#include "tst_waitercashup.moc"
