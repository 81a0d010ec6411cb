// The journal and audit trails over live and archived rows, the stock
// trace and the order forms that put stock on order once.

#include "core/globals.h"
#include "core/utility.h"
#include "documents/docprint.h"
#include "sales/datedialog.h"
#include "tests/accounts/accountsshop.h"

#include <QSqlQuery>
#include <QTest>

namespace {

// Every shown document's parts.
void expectParts(AccountsShop& shop, int result, QList<DocParts>* shown)
{
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [=](QDialog* d) {
        shown->append(DocParts::fromRoot(static_cast<DocPrint*>(d)->documentRoot()));
        AccountsShop::checkPaper(static_cast<DocPrint*>(d));
        return result;
    });
}

// "a|b|c" of the named attributes of every item.
QStringList columns(const DocParts& doc, const QStringList& names)
{
    QStringList rows;
    for (const DocElement& e : doc.items) {
        QStringList cells;
        for (const QString& n : names)
            cells << e[n];
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void line(const QString& table, int invoice, const QString& date, const QString& description, double quantity,
          double price)
{
    static int number = 5000;
    AccountsShop::exec(QStringLiteral("INSERT INTO %1 (MyNumber, MyDate, InvoiceNumber, Quantity, Price, Description) "
                                      "VALUES (%2, '%3 10:00:00', %4, %5, %6, '%7')")
                           .arg(table)
                           .arg(++number)
                           .arg(date)
                           .arg(invoice)
                           .arg(quantity)
                           .arg(price)
                           .arg(Utility::escapeSQL(description)));
}

} // namespace

class TestTrails : public QObject
{
    Q_OBJECT

private slots:
    void trailsJoinLiveAndArchivedRows();
    void stockTraceGroupsBySupplier();
    void ordersAreNotRepeatedOnceAccepted();
};

void TestTrails::trailsJoinLiveAndArchivedRows()
{
    AccountsShop shop;
    const int account = AccountsShop::client(QStringLiteral("TRAIL & CO"));
    // October was settled and archived; November is live.
    AccountsShop::ledgerRow(account, "I", "2026-10-01", 50, 600, "JournalArchive", 12);
    AccountsShop::ledgerRow(account, "R", "2026-10-02", -50, 12, "JournalArchive");
    AccountsShop::ledgerRow(account, "I", "2026-11-03", 30, 601);
    AccountsShop::ledgerRow(account, "Q", "2026-11-04", 99, 602);
    AccountsShop::ledgerRow(account, "VI", "2026-11-05", 30, 603);
    AccountsShop::ledgerRow(account, "I", "2026-09-15", 7, 599);
    line("InvoiceItemArchive", 600, "2026-10-01", "CAKE <LARGE> & CANDLES", 1, 50);
    line("InvoiceItem", 601, "2026-11-03", "COFFEE", 2, 15);
    line("InvoiceItem", 602, "2026-11-04", "QUOTED ONLY", 1, 99);
    line("InvoiceItemArchive", 599, "2026-09-15", "TEA", 0.5, 7);
    line("InvoiceItem", 700, "2026-11-03", "SOMEONE ELSE'S", 1, 1);
    AccountsShop::ledgerRow(kBayside, "I", "2026-11-03", 1, 700);
    utils->setDetails(account);

    QList<DocParts> shown;
    expectParts(shop, 1, &shown);
    utils->processJournalTrail();
    expectParts(shop, 1, &shown);
    utils->processAuditTrail();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(shown.size(), 2);

    QCOMPARE(shown[0].head.pick({"type", "printer", "acc", "auto"}),
             (QStringList{"type=Journal", "printer=Mail", QStringLiteral("acc=%1").arg(account), "auto=no"}));
    QCOMPARE(columns(shown[0], {"date", "ref", "description", "amount", "crossref", "bgcolor"}),
             (QStringList{"2026-09-15|599|Invoice|7.00||#98bff0", "2026-10-01|600|Invoice|50.00|12|#e0e8f8",
                          "2026-10-02|12|Receipt|-50.00||#98bff0", "2026-11-03|601|Invoice|30.00||#e0e8f8"}));
    QCOMPARE(shown[1].head["type"], QStringLiteral("audit"));
    QCOMPARE(columns(shown[1], {"date", "description", "quantity", "amount"}),
             (QStringList{"2026-09-15|TEA|0.500|7.00", "2026-10-01|CAKE &lt;LARGE&gt; &amp; CANDLES|1|50.00",
                          "2026-11-03|COFFEE|2|15.00"}));

    // An account that bought nothing.
    utils->setDetails(kObrien);
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Audit Trail"),
                          QStringLiteral("No transactions found for this account"));
    utils->processAuditTrail();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    // The scratch table is given back after each trail.
    QSqlQuery probe;
    QVERIFY(!probe.exec(QStringLiteral("SELECT COUNT(*) FROM temp")));
}

void TestTrails::stockTraceGroupsBySupplier()
{
    AccountsShop shop;
    auto trace = [](const QString& date, const QString& notes) {
        AccountsShop::exec(QStringLiteral("INSERT INTO StockTrace (MyDate, SP, Notes) VALUES ('%1 08:00:00', 'MM', '%2')")
                               .arg(date, Utility::escapeSQL(notes)));
        return AccountsShop::value("SELECT MAX(MyNumber) FROM StockTrace").toInt();
    };
    auto item = [](int traceNo, const char* supplier, const char* description, double qty, const char* adjustment) {
        AccountsShop::exec(QStringLiteral("INSERT INTO StockTraceItem (TraceNumber, Quantity, UnitOfMeasure, "
                                          "Description, Supplier, Adjustment) VALUES (%1, %2, 'KG', '%3', '%4', '%5')")
                               .arg(traceNo)
                               .arg(qty)
                               .arg(QLatin1String(description), QLatin1String(supplier), QLatin1String(adjustment)));
    };
    const int nov = trace("2026-11-10", "Back door & <ramp>");
    item(nov, "FRESH FOODS", "TOMATOES", 10, " ");
    item(nov, "FRESH FOODS", "ONIONS", 2.5, "Y");
    item(nov, "DAIRY & CO", "MILK", 12, " ");
    item(trace("2026-10-31", "October"), "FRESH FOODS", "LEEKS", 1, " ");

    auto pickMonth = [&shop](const QDate& month) {
        shop.prompts().expectExec(QStringLiteral("DateDialog"), [month](QDialog* d) {
            static_cast<DateDialog*>(d)->setDate(month);
            return int(QDialog::Accepted);
        });
    };
    pickMonth(QDate(2026, 11, 1));
    QList<DocParts> shown;
    expectParts(shop, 1, &shown);
    utils->stockTraceAudit();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].head.pick({"type", "printer", "shortdate", "sp", "notes"}),
             (QStringList{"type=stock", "printer=Mail", "shortdate=2026-11-10", "sp=MM",
                          "notes=Back door &amp; &lt;ramp&gt;"}));
    QCOMPARE(columns(shown[0], {"quantity", "uom", "description"}),
             (QStringList{"||<b>FRESH FOODS</b>", "10|KG|TOMATOES", "2.500|KG|** Level Adjustment ** ONIONS",
                          "||<b>DAIRY &amp; CO</b>", "12|KG|MILK"}));

    pickMonth(QDate(2026, 12, 1));
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon - Stock Trace Report"),
                          QStringLiteral("No Stock Received for the specified period."));
    utils->stockTraceAudit();
    QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
}

void TestTrails::ordersAreNotRepeatedOnceAccepted()
{
    AccountsShop shop;
    AccountsShop::exec("UPDATE Inventory SET ToQuantity=0");
    const QString supplier = AccountsShop::value("SELECT MIN(Company) FROM Supply").toString();
    const QString short1 = AccountsShop::value("SELECT MIN(Code) FROM Inventory").toString();
    const QString covered = AccountsShop::value("SELECT MAX(Code) FROM Inventory").toString();
    auto stock = [&](const QString& code, double qty, double onOrder, double reOrder, double toQty) {
        AccountsShop::exec(QStringLiteral("UPDATE Inventory SET Supplier='%1', Quantity=%2, OnOrder=%3, ReOrder=%4, "
                                          "ToQuantity=%5 WHERE Code='%6'")
                               .arg(Utility::escapeSQL(supplier))
                               .arg(qty)
                               .arg(onOrder)
                               .arg(reOrder)
                               .arg(toQty)
                               .arg(code));
    };
    stock(short1, 2, 0, 5, 10);
    stock(covered, 1, 5, 5.5, 4); // already on order: 6 on hand and coming
    auto onOrder = [](const QString& code) {
        return AccountsShop::value(QStringLiteral("SELECT OnOrder FROM Inventory WHERE Code='%1'").arg(code)).toDouble();
    };
    auto run = [&](int result, QList<DocParts>* shown) {
        shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Order Management"),
                              QStringLiteral("Confirm that you wish to print order forms"), 0);
        if (shown)
            expectParts(shop, result, shown);
        utils->manageStockOrders();
        QVERIFY2(shop.prompts().done(), qPrintable(shop.prompts().pending()));
    };

    QList<DocParts> shown;
    run(0, &shown); // closed: nothing ordered
    QCOMPARE(onOrder(short1), 0.0);
    run(1, &shown); // accepted
    QCOMPARE(onOrder(short1), 10.0);
    QCOMPARE(onOrder(covered), 5.0);
    run(1, nullptr); // the shortage is on order now: no form
    QCOMPARE(onOrder(short1), 10.0);

    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1].head["type"], QStringLiteral("order"));
    QCOMPARE(shown[1].head["company"], supplier.toHtmlEscaped());
    QCOMPARE(shown[1].head["email"],
             AccountsShop::value(QStringLiteral("SELECT Email FROM Supply WHERE Company='%1'")
                                     .arg(Utility::escapeSQL(supplier)))
                 .toString());
    QCOMPARE(columns(shown[1], {"quantity"}), QStringList{"10"});
}

BREVALON_TEST_MAIN(TestTrails)
#include "tst_trails.moc"
