// The management reports on seeded rows, computed by hand: six months over
// the turn of the year, performance against commission, the day's sales,
// client debt by age and the unpaid invoices, returnables settled twice,
// re-order marks, clearing the action log, and the tables' open orders.

#include "core/zklistitem.h"
#include "documents/zkrichtext.h"
#include "reports/reporter.h"
#include "sales/datedialog.h"
#include "tests/sales/till.h"
#include "tests/support/actionrows.h"
#include "tests/support/salerows.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace {

/** A sale line in InvoiceItem or InvoiceItemArchive. */
void line(const char* table, int number, const QString& when, int invoice, const QString& sp, double quantity,
          const QString& code, const QString& description, double price, const QString& category = "Inventory",
          const QString& returnable = "N")
{
    TestShop::exec(QStringLiteral("INSERT INTO %1 (MyNumber, MyDate, InvoiceNumber, SP, Quantity, Category, Code, "
                                  "Description, Price, Cost, Returnable) VALUES (%2, '%3', %4, '%5', %6, '%7', '%8', "
                                  "'%9', %10, %11, '%12')")
                       .arg(QLatin1String(table))
                       .arg(number)
                       .arg(when)
                       .arg(invoice)
                       .arg(sp)
                       .arg(quantity)
                       .arg(category, code, description)
                       .arg(price)
                       .arg(price / 2)
                       .arg(returnable));
}

/** A ledger row in Journal or JournalArchive. */
void ledger(const char* table, int account, const char* type, const QString& when, double amount, int number,
            int crossRef = 0)
{
    TestShop::exec(QStringLiteral("INSERT INTO %1 (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber, "
                                  "CrossRef) VALUES (%2, '%3', '%4', %5, 0, %6, %7)")
                       .arg(QLatin1String(table))
                       .arg(account)
                       .arg(QLatin1String(type), when)
                       .arg(amount)
                       .arg(number)
                       .arg(crossRef));
}

int newClient(const QString& name)
{
    TestShop::exec(QStringLiteral("INSERT INTO Clients (Name, Phone, Cell, Created) VALUES ('%1', '021 555', "
                                  "'082 555', '2026-03-01')")
                       .arg(QString(name).replace(QLatin1Char('\''), QLatin1String("''"))));
    return TestShop::value(QStringLiteral("SELECT MAX(AccountNumber) FROM Clients")).toInt();
}

QList<int> visuals(Reporter* r)
{
    QList<int> v;
    for (int i = 0; i < r->ReportListView->topLevelItemCount(); ++i)
        v << static_cast<ZkListItem*>(r->ReportListView->topLevelItem(i))->visual();
    return v;
}

QStringList headings(Reporter* r)
{
    QStringList h;
    for (int c = 0; c < r->columnCount(); ++c)
        h << r->ReportListView->headerItem()->text(c);
    return h;
}

/** The rows whose first cell is @p label. */
QList<QStringList> rowsOf(Reporter* r, const QString& label)
{
    QList<QStringList> found;
    for (const QStringList& row : r->rows())
        if (row.value(0) == label)
            found << row;
    return found;
}

} // namespace

class TestManagementReports : public QObject
{
    Q_OBJECT

private slots:
    void salesAndStaff();
    void clientDebt();
    void returnables();
    void stockLevels();
    void clearingTheLog();
    void pendingOrders();

private:
    void pickDate(Till& till, const QDate& date)
    {
        till.shop.prompts().expectExec("DateDialog", [date](QDialog* d) {
            static_cast<DateDialog*>(d)->setDate(date);
            return QDialog::Accepted;
        });
    }
    static void logOn()
    {
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        utils->initClass(true);
    }
};

void TestManagementReports::salesAndStaff()
{
    Till till;
    logOn();
    const QString coke = QStringLiteral("COCA-COLA 330ML");
    // Counted by cash-ups (archived): July (before the six months), the
    // first of August, New Year's Eve; January's Remarks line is no sale.
    line("InvoiceItemArchive", 9001, "2026-07-31 22:00:00", 701, "MM", 9, "1001", coke, 166.50);
    line("InvoiceItemArchive", 9002, "2026-08-01 08:00:00", 702, "MM", 2, "1001", coke, 37.00);
    line("InvoiceItemArchive", 9003, "2026-12-31 23:59:59", 703, "JS", 3, "1001", coke, 55.50);
    line("InvoiceItemArchive", 9004, "2027-01-10 12:00:00", 704, "JS", 1, "", "NO ICE", 40.00, "Remarks");
    // Not counted yet (live): January, and February after the six months.
    line("InvoiceItem", 9005, "2027-01-15 13:00:00", 705, "MM", 4, "1001", coke, 74.00);
    line("InvoiceItem", 9006, "2027-02-01 09:00:00", 706, "MM", 7, "1001", coke, 129.50);
    // A quote of the same day is no sale.
    line("InvoiceItem", 9007, "2027-01-15 14:00:00", 707, "MM", 5, "1001", coke, 92.50);
    for (int invoice : {701, 702, 703, 704})
        ledger("JournalArchive", 1, "I", "2027-01-01 00:00:00", 1.00, invoice);
    ledger("Journal", 1, "I", "2027-01-15 13:00:00", 74.00, 705);
    ledger("Journal", 1, "Q", "2027-01-15 14:00:00", 92.50, 707);
    Reporter* r = till.window->reporter();

    // January covers August to January.
    pickDate(till, QDate(2027, 1, 20));
    till.window->merchandiseReport();
    QCOMPARE(r->title(), QStringLiteral("Inventory Report"));
    QCOMPARE(headings(r), (QStringList{"Description", "2026-08", "2026-09", "2026-10", "2026-11", "2026-12", "2027-01"}));
    QVERIFY(r->ChartButton->isEnabled());
    QCOMPARE(rowsOf(r, coke), (QList<QStringList>{{coke, "2", "0", "0", "0", "3", "4"}}));
    QCOMPARE(rowsOf(r, "CAPPUCCINO"), (QList<QStringList>{{"CAPPUCCINO", "0", "0", "0", "0", "0", "0"}}));

    // Performance: archived lines only, so January's live line is missing.
    pickDate(till, QDate(2027, 1, 20));
    till.window->SpPerformanceReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{coke + " [JS]", "0", "0", "0", "0", "3", "0"},
                                            {coke + " [MM]", "2", "0", "0", "0", "0", "0"}}));

    // Commission: the counted lines, then the uncounted ones in red.
    pickDate(till, QDate(2027, 1, 1));
    till.window->commissionReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"JOHN", "40.00", "2.00"},
                                            {"MARY", "74.00", "1.85"},
                                            {"Total", "114.00", "3.85"}}));
    QCOMPARE(visuals(r), (QList<int>{0, 2, 3}));

    // The day's sales: the invoice's line, not the quote's; a day without
    // sales has no rows.
    pickDate(till, QDate(2027, 1, 15));
    till.window->dailySalesReport();
    QCOMPARE(r->title(), QStringLiteral("Stock Sales Report 2027-01-15"));
    QCOMPARE(r->rows(), (QList<QStringList>{{"1001", coke, "4", "37.00", "74.00"}, {"", "Total", "", "37.00", "74.00"}}));
    pickDate(till, QDate(2026, 6, 1));
    till.window->dailySalesReport();
    QCOMPARE(r->rows().size(), 0);
    QVERIFY(till.shop.prompts().done());

    const QStringList logged = actionLines();
    for (const char* name : {"SALES PERSONEL PERFORMANCE|REPORT", "COMMISSION|REPORT", "DAILY STOCK SALES|REPORT"})
        QVERIFY2(logged.contains(QLatin1String(name)), qPrintable(logged.join(", ")));
}

void TestManagementReports::clientDebt()
{
    Till till;
    // Today is 5 December 2026: "30" is owed from before December, "60"
    // from before October, "90" before September, "120+" before August.
    const QString awkward = QStringLiteral("SMITH & <SONS> \"O'HARA\"");
    const int paid = newClient(awkward);
    const int one = newClient(QStringLiteral("OWES ONE"));
    const int old = newClient(QStringLiteral("OLD DEBT"));
    ledger("Journal", paid, "I", "2026-07-10 10:00:00", 100.00, 801, 901);
    ledger("Journal", paid, "I", "2026-09-15 10:00:00", 50.00, 802, 901);
    ledger("Journal", paid, "I", "2026-11-20 10:00:00", 30.00, 803);
    ledger("Journal", paid, "I", "2026-12-02 10:00:00", 20.00, 804);
    ledger("Journal", paid, "R", "2026-11-25 10:00:00", -150.00, 901);
    ledger("Journal", paid, "Q", "2026-12-03 10:00:00", 999.00, 805);
    ledger("Journal", one, "I", "2026-11-01 10:00:00", 1.00, 806);
    ledger("JournalArchive", old, "I", "2026-05-05 10:00:00", 250.00, 807);
    ledger("Journal", old, "I", "2026-10-20 10:00:00", 40.00, 809); // "30" still, not "60"
    Reporter* r = till.window->reporter();

    till.window->clientDebtReport();
    QCOMPARE(headings(r), (QStringList{"Client", "Account No.", "Phone No.", "Cell No.", "120+", "90", "60", "30",
                                       "Current", "Total"}));
    QCOMPARE(r->rows(),
             (QList<QStringList>{
                 {"OLD DEBT", QString::number(old), "021 555", "082 555", "250.00", "0.00", "0.00", "40.00", "0.00", "290.00"},
                 {awkward, QString::number(paid), "021 555", "082 555", "0.00", "0.00", "0.00", "30.00", "20.00", "50.00"},
                 {"Total", "", "", "", "250.00", "0.00", "0.00", "70.00", "20.00", "340.00"}}));
    QCOMPARE(visuals(r), (QList<int>{2, 0, 3}));

    // A refund as large as the debt does not take the account off the list.
    ledger("Journal", paid, "RF", "2026-12-03 11:00:00", -50.00, 808);
    till.window->outstandingInvoices();
    QCOMPARE(r->rows(), (QList<QStringList>{{"OLD DEBT", QString::number(old), "021 555", "082 555", "807", "250.00"},
                                            {"OLD DEBT", QString::number(old), "021 555", "082 555", "809", "40.00"},
                                            {awkward, QString::number(paid), "021 555", "082 555", "803", "30.00"},
                                            {awkward, QString::number(paid), "021 555", "082 555", "804", "20.00"},
                                            {"Total", "", "", "", "", "340.00"}}));

    till.window->allClientsReport();
    QCOMPARE(rowsOf(r, awkward).size(), 1);
}

void TestManagementReports::returnables()
{
    Till till;
    // Two crates out on Bayside's invoice (account 14); its line archived.
    TestShop::exec("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status) VALUES (610, '2026-11-02 10:00:00', 14, 'C')");
    line("InvoiceItemArchive", 9101, "2026-11-02 10:00:00", 610, "MM", 2, "1006", "LAGER DRAUGHT 500ML", 76.00, "Inventory", "Y");
    TestShop::exec("INSERT INTO Returns (InvoiceNumber, InvoiceItemNumber, DateDone, Status) VALUES (610, 9101, "
                   "'2026-11-02 10:00:00', 'O')");
    Reporter* r = till.window->reporter();
    till.window->returnablesReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"2026-11-02", "BAYSIDE CATERING", "14", "021 555 0199", "082 555 0100",
                                             "610", "2 x LAGER DRAUGHT 500ML"}}));

    auto& prompts = till.shop.prompts();
    prompts.expect(ZkPrompt::TextInput, "Brevalon Returns", "Enter Invoice number.", 0, "610")
        .expect(ZkPrompt::Question, "Brevalon Returns", "Confirm the return of ..\n2 x LAGER DRAUGHT 500ML", 0)
        .expect(ZkPrompt::TextInput, "Brevalon Returns", "Enter Invoice number.", 0, "610")
        .expect(ZkPrompt::Warning, "Error", "There are no returnable items for Invoice 610");
    till.window->editReturns();
    till.window->editReturns();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
    QCOMPARE(TestShop::value("SELECT Status FROM Returns WHERE InvoiceNumber=610").toString(), QStringLiteral("R"));
}

void TestManagementReports::stockLevels()
{
    Till till;
    // Short even with what is on order: red; short until it comes: grey.
    TestShop::exec("UPDATE Inventory SET Quantity=10, OnOrder=0, ReOrder=12 WHERE Code='1001'");
    TestShop::exec("UPDATE Inventory SET Quantity=10, OnOrder=5, ReOrder=12 WHERE Code='1002'");
    TestShop::exec("UPDATE Inventory SET Quantity=20, OnOrder=0, ReOrder=12 WHERE Code='1003'");
    Reporter* r = till.window->reporter();
    till.window->stockLevelReport();
    QMap<QString, int> marks;
    const QList<QStringList> rows = r->rows();
    const QList<int> v = visuals(r);
    for (int i = 0; i < rows.size(); ++i)
        marks[rows.at(i).value(0)] = v.at(i);
    QCOMPARE(marks.value("1001"), 2);
    QCOMPARE(marks.value("1002"), 1);
    QCOMPARE(marks.value("1003"), 0);
    QCOMPARE(rows.first().value(1), QStringLiteral("BEEF BURGER & CHIPS")); // description order
}

void TestManagementReports::clearingTheLog()
{
    Till till;
    TestShop::exec("DELETE FROM Actions");
    TestShop::exec("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES ('2026-12-05 09:00:00', 'LOGIN', "
                   "'MARY : TILL1', '', '0')");
    TestShop::exec("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES ('2026-12-05 09:05:07', "
                   "'REFUND', 'MARY : TILL1', 'ACCOUNT NO 14, DOC NO. 3', '2')");
    Reporter* r = till.window->reporter();
    auto& prompts = till.shop.prompts();

    till.window->actionReport();
    QCOMPARE(r->rows(), (QList<QStringList>{{"5 Dec 26 09:05:07", "MARY : TILL1", "REFUND", "ACCOUNT NO 14, DOC NO. 3"},
                                            {"5 Dec 26 09:00:00", "MARY : TILL1", "LOGIN", ""}}));
    QCOMPARE(visuals(r), (QList<int>{2, 0}));
    prompts.expect(ZkPrompt::Question, "Brevalon", "Do you wish to clear the Action log ?", 1);
    r->closePage();
    QCOMPARE(TestShop::count("SELECT id FROM Actions"), 2);

    till.window->actionReport();
    prompts.expect(ZkPrompt::Question, "Brevalon", "Do you wish to clear the Action log ?", 0);
    r->closePage();
    QCOMPARE(TestShop::count("SELECT id FROM Actions"), 0);
    prompts.expect(ZkPrompt::Information, "Brevalon", "The Actions log is empty.");
    till.window->actionReport();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
}

void TestManagementReports::pendingOrders()
{
    Till till;
    // A closed bill is no open order.
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Status='C' WHERE MyNumber=%1")
                       .arg(SaleRows::invoice(6, {SaleRows::item("3001")})));
    till.shop.prompts().expect(ZkPrompt::Information, "Brevalon - Pending Orders", "There are no Pending Orders");
    till.window->pendingOrders();
    QVERIFY(till.shop.prompts().done());
    Reporter* r = till.window->reporter();
    QVERIFY(!r->isVisible());

    // TABLE n is account n + 1 in the demo shop.
    const int first = SaleRows::invoice(4, {SaleRows::item("3001")}, QStringLiteral("O'NEIL"));
    const int second = SaleRows::invoice(11, {SaleRows::item("3005")}, QStringLiteral("SUE"));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET MyDate='2026-12-05 19:42:10' WHERE MyNumber=%1").arg(first));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET MyDate='2026-12-05 20:05:00' WHERE MyNumber=%1").arg(second));
    till.window->pendingOrders();
    QVERIFY(r->isVisible() && !r->ChartButton->isEnabled() && r->ExportButton->isEnabled());
    QCOMPARE(r->TitleLabel->text(), QStringLiteral("Pending Order Report"));
    QCOMPARE(headings(r), (QStringList{"Invoice No.", "Table", "Time", "Waiter"}));
    QCOMPARE(r->rows(), (QList<QStringList>{{QString::number(first), "TABLE 3", "19:42", "O'NEIL"},
                                            {QString::number(second), "TABLE 10", "20:05", "SUE"}}));
    r->PrintButton->click();
    QVERIFY(r->preview()->text().contains(QLatin1String("<td align=center><font size=-1>TABLE 10</font></td>")));
}

BREVALON_TEST_MAIN(TestManagementReports)
#include "tst_managementreports.moc"
