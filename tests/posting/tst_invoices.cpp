// Invoices, quotes, refunds and orders: lines and totals in both tax modes
// with cash rounding, posting once whatever happens in between, sequence
// numbers, due-back records, take-out change, voids, retracting, previews.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "sales/change.h"
#include "tests/posting/postingshop.h"
#include "tests/support/actionrows.h"

#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>

namespace {

SaleLine line(double price, const QString& tax1 = "Y", const QString& tax2 = "N", double quantity = 1)
{
    SaleLine l;
    l.code = "6004", l.description = "HONEY 500G", l.department = "GROCERY";
    l.price = price, l.quantity = quantity, l.tax1 = tax1, l.tax2 = tax2;
    return l;
}

QVariant invoiceField(int invoice, const char* column)
{
    return TestShop::value(QStringLiteral("SELECT %1 FROM Invoice WHERE MyNumber=%2").arg(column).arg(invoice));
}

int shopSequence()
{
    return TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt();
}

const QList<SaleLine> kMixed{line(115.00, "Y", "N"), line(38.00, "Y", "Y"), line(12.37, "N", "N")};

} // namespace

class TestInvoices : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void lineItems_data();
    void lineItems();
    void fields_data();
    void fields();
    void postedOnce_data();
    void postedOnce();
    void sequenceNumbersAndPreview();
    void dueBack_data();
    void dueBack();
    void retractAndRepost();
    void takeOutChange_data();
    void takeOutChange();
    void voids_data();
    void voids();
};

void TestInvoices::totals_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("window"); // the window's answer; -1: not shown
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QList<SaleLine>>("lines");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<QString>("ledger");
    QTest::addColumn<double>("balance");
    // 115.00 with VAT only, 38.00 with VAT and levy, 12.37 untaxed.
    const QStringList inc{"subtotal=165.37", "tax1total=19.87", "tax2total=0.65", "total=165.37", "exctotal=144.85",
                          "exc1total=145.50", "exc2total=164.72", "tax1=15.00", "tax2=2.00", "tax1name=VAT",
                          "tax2name=LEVY"};
    const QStringList exc{"subtotal=165.37", "tax1total=22.95", "tax2total=0.76", "total=189.08", "exctotal=165.37"};
    QTest::newRow("prices include tax") << 0 << 1 << "I" << 0 << kMixed << "Invoice"
                                        << inc + QStringList{"rounding=0.00", "due=165.37"} << "I 165.37 0.00"
                                        << 165.37;
    QTest::newRow("prices include tax, 5 cents") << 0 << 1 << "I" << 5 << kMixed << "Invoice"
                                                 << inc + QStringList{"rounding=0.02", "due=165.35"} << "I 165.37 0.02"
                                                 << 165.35;
    QTest::newRow("tax on top") << 0 << 1 << "E" << 0 << kMixed << "Invoiceexc"
                                << exc + QStringList{"rounding=0.00", "due=189.08"} << "I 189.08 0.00" << 189.08;
    QTest::newRow("tax on top, 10 cents") << 0 << 1 << "E" << 10 << kMixed << "Invoiceexc"
                                          << exc + QStringList{"rounding=0.08", "due=189.00"} << "I 189.08 0.08"
                                          << 189.00;
    QTest::newRow("half a cent of tax rounds up alike on paper and in the ledger")
        << 0 << 1 << "E" << 0 << QList<SaleLine>{line(10.10)} << "Invoiceexc"
        << QStringList{"subtotal=10.10", "tax1total=1.52", "total=11.62", "due=11.62"} << "I 11.62 0.00" << 11.62;
    QTest::newRow("a refund on top of tax gives the half cent back to the shop")
        << 2 << 1 << "E" << 0 << QList<SaleLine>{line(-10.10, "Y", "N", -1)} << "Returnexc"
        << QStringList{"subtotal=-10.10", "tax1total=-1.52", "total=-11.62", "due=-11.62"} << "RF -11.62 0.00"
        << -11.62;
    QTest::newRow("a refund's cash rounding is toward nothing")
        << 2 << 1 << "I" << 5 << QList<SaleLine>{line(-12.37, "Y", "N", -1)} << "Return"
        << QStringList{"total=-12.37", "rounding=-0.02", "due=-12.35"} << "RF -12.37 -0.02" << -12.35;
    QTest::newRow("a quote is posted as Q and owes nothing")
        << 1 << 1 << "E" << 5 << kMixed << "Quoteexc" << exc + QStringList{"rounding=0.03"} << "Q 189.08 0.03" << 0.0;
    QTest::newRow("a cancelled invoice stays open") << 0 << 0 << "I" << 0 << kMixed << "Invoice" << inc << "" << 0.0;
    QTest::newRow("a cancelled refund posts nothing")
        << 2 << 0 << "I" << 0 << QList<SaleLine>{line(-12.37, "Y", "N", -1)} << "Return" << QStringList{} << "" << 0.0;
    QTest::newRow("an order shows nothing and posts nothing") << 3 << -1 << "I" << 0 << kMixed << "" << QStringList{}
                                                              << "" << 0.0;
}

void TestInvoices::totals()
{
    QFETCH(int, mode);
    QFETCH(int, window);
    QFETCH(QString, taxMode);
    QFETCH(int, unit);
    QFETCH(QList<SaleLine>, lines);
    QFETCH(QStringList, tail);
    PostingShop shop;
    PostingShop::setTaxRules(taxMode, unit);
    const int n = SaleRows::invoice(kBayside, lines);
    utils->setDetails(kObrien);
    PostingShop::setMode(mode);
    const int actionsBefore = int(actionRows().size());
    DocParts shown;
    if (window >= 0)
        shop.expectDocument(window, &shown);
    double total = 0, tax1 = 0, tax2 = 0;
    QCOMPARE(utils->processInvoice(n, false, &total, &tax1, &tax2), window == 1);
    QTEST(shown.head["type"], "type");
    QCOMPARE(shown.tail.pick(tail), tail);
    QTEST(PostingShop::ledger(n, "I,Q,RF,VI").join(QString()), "ledger");
    QTEST(utils->getBalBF(kBayside, true), "balance");
    QCOMPARE(invoiceField(n, "Status").toString(), QString(window == 1 ? "C" : "P"));
    QCOMPARE(utils->getAccountNumber(), int(kObrien)); // the counter's account is left as it was
    // The caller learns the document's own figures.
    if (window >= 0)
        QCOMPARE(Utility::numStr(total, 2) + Utility::numStr(tax1, 2) + Utility::numStr(tax2, 2),
                 shown.tail["total"] + shown.tail["tax1total"] + shown.tail["tax2total"]);
    if (window == 1)
        QCOMPARE(invoiceField(n, "Email").toString(), QStringLiteral("accounts@bayside.example"));
    // An accepted refund is logged.
    const QList<ActionRow> actions = actionRows();
    QCOMPARE(int(actions.size()), actionsBefore + (mode == 2 && window == 1 ? 1 : 0));
    if (actions.size() > actionsBefore)
        QCOMPARE(actions.last().action + '|' + actions.last().info + '|' + actions.last().status,
                 QStringLiteral("REFUND|ACCOUNT NO 14, DOC NO. %1|2").arg(n));
}

void TestInvoices::lineItems_data()
{
    QTest::addColumn<SaleLine>("sold");
    QTest::addColumn<QStringList>("item"); // empty: the line does not print
    SaleLine l = line(37.00, "Y", "N", 2);
    l.code = "1001", l.description = "Coca-Cola 330ml", l.uom = "CAN", l.department = "DRINKS";
    QTest::newRow("an item line") << l << QStringList{"quantity=2.00", "iquantity=2", "uom=CAN", "department=DRINKS",
                                                      "description=COCA-COLA 330ML", "price=37.00", "unitprice=18.50",
                                                      "discount=0.00", "category=Inventory", "taxflags=*",
                                                      "itaxflags=#"};
    QTest::newRow("a Notes line never prints") << SaleRows::textLine("Notes", "Guest is the owner", 5.00)
                                               << QStringList{};
    QTest::newRow("an ordinary line of price 0 never prints") << line(0.00) << QStringList{};
    QTest::newRow("a Remarks line prints its text alone")
        << SaleRows::textLine("Remarks", "Well done, no salt")
        << QStringList{"quantity=", "iquantity=", "uom=", "department=", "description=WELL DONE, NO SALT", "price=",
                       "unitprice=", "discount=", "category=Remarks"};
    l = SaleRows::textLine("Remarks", "Crate deposit", 0, 2);
    l.returnable = "Y", l.uom = "CRATE";
    QTest::newRow("a returnable Remarks line keeps its quantity")
        << l << QStringList{"quantity=2.00", "iquantity=2", "uom=", "price=", "description=CRATE DEPOSIT"};
    l = line(389.00);
    l.description = "Gas cylinder 9kg", l.serial = "SN-0042a";
    QTest::newRow("the serial number goes under the description")
        << l << QStringList{"description=GAS CYLINDER 9KG\\nSerial No: SN-0042a"};
    QTest::newRow("half a portion") << line(29.50, "Y", "N", 0.5)
                                    << QStringList{"quantity=0.50", "iquantity=", "unitprice=59.00"};
    QTest::newRow("2.7 kg") << line(27.00, "Y", "N", 2.7)
                            << QStringList{"quantity=2.70", "iquantity=3", "unitprice=10.00"};
    l = line(72.00, "Y", "Y");
    l.description = "Salad \"house\" & <dressing> O'Neil", l.discount = 12.5;
    QTest::newRow("awkward text survives; both taxes")
        << l << QStringList{"description=SALAD \"HOUSE\" & <DRESSING> O'NEIL", "discount=12.50", "taxflags=*#",
                            "itaxflags="};
    // A GS1 scanner puts 0x1D between its fields: the document stays readable.
    QTest::newRow("a scanner's group separator in a remark")
        << SaleRows::textLine("Remarks", "Lot\x1d" "42 (17)2712")
        << QStringList{"description=LOT 42 (17)2712", "category=Remarks"};
    l = line(389.00);
    l.description = "Gas cylinder 9kg", l.serial = "SN\x1d" "0042\x01";
    QTest::newRow("controls in a serial number") << l << QStringList{"description=GAS CYLINDER 9KG\\nSerial No: SN 0042"};
    QTest::newRow("a blank tax flag is neither") << line(10.00, " ", " ") << QStringList{"taxflags=*#", "itaxflags=*#"};
    QTest::newRow("a returned line keeps its minus")
        << line(-18.50, "Y", "N", -1)
        << QStringList{"quantity=-1.00", "iquantity=-1", "price=-18.50", "unitprice=18.50"};
}

void TestInvoices::lineItems()
{
    QFETCH(SaleLine, sold);
    QFETCH(QStringList, item);
    PostingShop shop;
    SaleLine marker = line(1.00, "Y", "Y");
    marker.description = "MARKER";
    const int n = SaleRows::invoice(kBayside, {marker, sold});
    DocParts d = DocParts::parse(utils->buildInvoice(n, false, 0));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.column("description").first(), QStringLiteral("MARKER"));
    QCOMPARE(d.items.size(), item.isEmpty() ? 1 : 2);
    if (!item.isEmpty())
        QCOMPARE(d.items.last().pick(item), item);
    // A tax without a rate when the document was made is never marked.
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Tax2=0 WHERE MyNumber=%1").arg(n));
    d = DocParts::parse(utils->buildInvoice(n, false, 0));
    QCOMPARE(d.items.first()["taxflags"] + '|' + d.items.first()["itaxflags"], QStringLiteral("*|"));
}

void TestInvoices::fields_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("new invoice, previewed") << 0 << false << "ON" << QStringList{"auto=", "autoclose="};
    QTest::newRow("new invoice printing by itself") << 0 << false << "OFF" << QStringList{"auto=print"};
    QTest::newRow("a reprint never prints by itself") << 0 << true << "OFF" << QStringList{"auto="};
    QTest::newRow("an order closes its window itself") << 3 << false << "ON" << QStringList{"autoclose=true"};
}

void TestInvoices::fields()
{
    QFETCH(int, mode);
    QFETCH(bool, reprint);
    QFETCH(QString, preview);
    QFETCH(QStringList, extra);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), preview);
    TestShop::exec(QStringLiteral("UPDATE Clients SET Email='Accounts@Bayside.Example' WHERE AccountNumber=14"));
    const int n = SaleRows::invoice(kBayside, {line(40.00)}, QStringLiteral("JOHN"));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Email='Sent@Elsewhere.Example' WHERE MyNumber=%1").arg(n));
    PostingShop::owe(kBayside, 10);
    PostingShop::setMode(mode);
    const DocParts d = DocParts::parse(utils->buildInvoice(n, reprint, 0));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.head.pick(extra), extra);
    // A new document adds itself to what is owed; a reprint is in it
    // already, and keeps the address it was sent to.
    const QStringList head{"printer=Invoice", "client=BAYSIDE CATERING\\nVAT No. 4987654321", "waiter=JOHN",
                           reprint ? "email=sent@elsewhere.example" : "email=accounts@bayside.example"};
    QCOMPARE(d.head.pick(head), head);
    const QStringList tail{"cashier=MARY", "client=BAYSIDE CATERING", "waiter=JOHN",
                           "invfoot2=Goods remain our property until paid in full.",
                           reprint ? "outstanding=10.00" : "outstanding=50.00"};
    QCOMPARE(d.tail.pick(tail), tail);
}

void TestInvoices::postedOnce_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QStringList>("ledger");
    QTest::newRow("accepted again as new") << "" << false << QStringList{"I 58.50 0.00"};
    QTest::newRow("accepted again as a reprint") << "" << true << QStringList{"I 58.50 0.00"};
    QTest::newRow("a cash-up archived its posting and lines") << "archive" << true << QStringList{"I 58.50 0.00"};
    QTest::newRow("it was voided") << "void" << true << QStringList{"VI 58.50 0.00"};
    QTest::newRow("its account was purged") << "purge" << true << QStringList{};
}

void TestInvoices::postedOnce()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, reprint);
    PostingShop shop;
    const int n = SaleRows::invoice(kBayside, {SaleRows::item("1001", 2), SaleRows::item("6002")});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    if (meanwhile == QLatin1String("archive")) {
        for (const char* table : {"Journal", "InvoiceItem"}) {
            TestShop::exec(QStringLiteral("INSERT INTO %1Archive SELECT * FROM %1").arg(QLatin1String(table)));
            TestShop::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        }
    } else if (meanwhile == QLatin1String("void")) {
        shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong table"});
        QVERIFY(utils->voidInvoice(n));
    } else if (meanwhile == QLatin1String("purge")) {
        TestShop::exec(QStringLiteral("DELETE FROM Journal WHERE AccountNumber=14"));
        TestShop::exec(QStringLiteral("DELETE FROM Clients WHERE AccountNumber=14"));
    }
    DocParts shown;
    shop.expectDocument(1, &shown);
    QVERIFY(utils->processInvoice(n, reprint));
    QTEST(PostingShop::ledger(n, "I,Q,RF,VI"), "ledger");
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("C"));
    QCOMPARE(shown.column("description"), (QStringList{"COCA-COLA 330ML", "FULL CREAM MILK 1L"}));
    QCOMPARE(shown.tail["total"], QStringLiteral("58.50"));
}

void TestInvoices::sequenceNumbersAndPreview()
{
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    const int n = SaleRows::invoice(kBayside, {line(40.00)});
    // A preview is shown, not printed, even where invoices print by
    // themselves; it takes a number but posts nothing.
    settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("OFF"));
    DocParts shown;
    bool viewOnly = false;
    shop.expectDocument(1, &shown, &viewOnly);
    utils->previewInvoice(n);
    settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("ON"));
    QVERIFY(viewOnly && !shown.head.has("auto"));
    QCOMPARE(shown.head["sequence"] + '|' + shown.tail["sequence"] + '|' + shown.tail["total"],
             QStringLiteral("42|42|40.00"));
    QCOMPARE(QList<int>({shopSequence(), invoiceField(n, "SequenceNo").toInt()}), QList<int>({42, 42}));
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("P"));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});

    // Building only (the receipt learning the totals) takes one as well.
    double total = 0;
    QVERIFY(!utils->processInvoice(n, false, &total, nullptr, nullptr, true));
    QCOMPARE(total, 40.0);
    QCOMPARE(invoiceField(n, "SequenceNo").toInt(), 43);
    // A reprint shows the document's own number and takes none.
    for (bool reprint : {false, true}) {
        shop.expectDocument(1, &shown);
        QVERIFY(utils->processInvoice(n, reprint));
        QCOMPARE(shown.head["sequence"], QStringLiteral("44"));
    }
    QCOMPARE(shopSequence(), 44);

    const int next = SaleRows::invoice(kObrien, {line(5.00)});
    QVERIFY(!utils->buildInvoice(next, false, 0).isEmpty());
    QCOMPARE(invoiceField(next, "SequenceNo").toInt(), 45);
    // A shop without its SysInfo row starts again at 1.
    TestShop::exec(QStringLiteral("DELETE FROM SysInfo"));
    QVERIFY(!utils->buildInvoice(next, false, 0).isEmpty());
    QCOMPARE(invoiceField(next, "SequenceNo").toInt(), 1);
}

void TestInvoices::dueBack_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QStringList>("due"); // "line index|code|date"
    QTest::newRow("the first line with days is recorded") << 0 << QList<int>{0, 30, 90}
                                                          << QStringList{"1|R30|2027-01-04"};
    QTest::newRow("none without days") << 0 << QList<int>{0, 0} << QStringList{};
    QTest::newRow("a quote owes nothing back") << 1 << QList<int>{30} << QStringList{};
    QTest::newRow("nor does a refund") << 2 << QList<int>{30} << QStringList{};
}

void TestInvoices::dueBack()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, days);
    PostingShop shop;
    QList<SaleLine> lines;
    for (int d : days) {
        lines << line(20.00);
        lines.last().code = QStringLiteral("R%1").arg(d);
        lines.last().dtr = d;
    }
    const int n = SaleRows::newInvoice(kBayside);
    const QList<int> numbers = SaleRows::addLines(n, lines);
    PostingShop::setMode(mode);
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QStringList recorded;
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("SELECT InvoiceItemNumber, Code, DateDue, AccountNumber FROM DTRHistory")));
    while (q.next()) {
        QCOMPARE(q.value(3).toInt(), int(kBayside));
        recorded << QStringLiteral("%1|%2|%3")
                        .arg(numbers.indexOf(q.value(0).toInt()))
                        .arg(q.value(1).toString(), q.value(2).toString().left(10));
    }
    QTEST(recorded, "due");
}

void TestInvoices::retractAndRepost()
{
    PostingShop shop;
    SaleLine renewal = line(60.00);
    renewal.code = "R30", renewal.dtr = 30;
    const int n = SaleRows::invoice(kTable1, {line(40.00), renewal}, QStringLiteral("SUE"));
    const QString dueRows = QStringLiteral("SELECT * FROM DTRHistory");
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(TestShop::count(dueRows), 1);
    QCOMPARE(utils->getBalBF(kTable1, true), 100.0);

    utils->setDetails(kBayside);
    utils->setWaiter(QString());
    QVERIFY(utils->retractInvoice(n));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});
    QCOMPARE(TestShop::count(dueRows), 0);
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("P"));
    QCOMPARE(utils->getBalBF(kTable1, true), 0.0);
    // The counter is back on the bill's table and waiter.
    QCOMPARE(utils->getAccountNumber(), int(kTable1));
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));

    // The bill is changed and closed again: posted once, at its new total.
    SaleRows::addLines(n, {line(15.00)});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{"I 115.00 0.00"});
    QCOMPARE(TestShop::count(dueRows), 1);
    QCOMPARE(utils->getBalBF(kTable1, true), 115.0);

    // Without its ledger the bill cannot be re-opened.
    TestShop::exec(QStringLiteral("DROP TABLE Journal"));
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("DELETE FROM Journal"));
    QVERIFY(!utils->retractInvoice(n));
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("C"));
}

void TestInvoices::takeOutChange_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QString>("tendered"); // empty: no dialog
    QTest::addColumn<QString>("due");      // shown in the dialog
    QTest::addColumn<QString>("tail");     // what the document says; empty: cancelled
    QTest::newRow("a cash sale asks for the cash") << int(kCash) << 0 << false << "200.00" << "165.37"
                                                   << "Change for 200.00|Change Amt 34.63";
    QTest::newRow("the change is worked out on the rounded amount") << int(kCash) << 5 << false << "170.00" << "165.35"
                                                                     << "Change for 170.00|Change Amt 4.65";
    QTest::newRow("nothing tendered prints no change") << int(kCash) << 0 << false << "0.00" << "165.37" << "|";
    QTest::newRow("a table's bill takes none") << int(kTable1) << 0 << false << "" << "" << "|";
    QTest::newRow("a reprint takes none") << int(kCash) << 0 << true << "" << "" << "|";
    QTest::newRow("cancelling the change writes nothing") << int(kCash) << 0 << false << "cancel" << "165.37" << "";
}

void TestInvoices::takeOutChange()
{
    QFETCH(int, account);
    QFETCH(int, unit);
    QFETCH(bool, reprint);
    QFETCH(QString, tendered);
    QFETCH(QString, tail);
    PostingShop shop;
    PostingShop::setTaxRules(QStringLiteral("I"), unit);
    settings->writeEntry(QStringLiteral("/Global/TakeOutChange"), true);
    const int n = SaleRows::invoice(account, kMixed);
    const int sequenceBefore = shopSequence();
    QString shownDue;
    if (!tendered.isEmpty()) {
        shop.prompts().expectExec(QStringLiteral("Change"), [&](QDialog* d) {
            auto* change = static_cast<Change*>(d);
            shownDue = change->AmountLabel->text();
            if (tendered == QLatin1String("cancel")) {
                change->cancel();
                return int(QDialog::Rejected);
            }
            change->CashAmountEdit->setText(tendered);
            return int(QDialog::Accepted);
        });
    }
    DocParts shown;
    if (!tail.isEmpty())
        shop.expectDocument(1, &shown);
    QCOMPARE(utils->processInvoice(n, reprint), !tail.isEmpty());
    QTEST(shownDue, "due");
    if (!tail.isEmpty()) {
        QCOMPARE(shown.tail["takeOutTendered"] + '|' + shown.tail["takeOutChange"], tail);
        QCOMPARE(shown.tail.has("takeOutTendered"), tail != QLatin1String("|"));
        return;
    }
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});
    QCOMPARE(invoiceField(n, "Status").toString(), QStringLiteral("P"));
    QCOMPARE(shopSequence(), sequenceBefore);
}

void TestInvoices::voids_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("voided");
    QTest::newRow("a reason voids it") << QStringList{"Wrong table"} << true;
    QTest::newRow("cancel changes nothing") << QStringList{"<cancel>"} << false;
}

void TestInvoices::voids()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, voided);
    PostingShop shop;
    const double cola = PostingShop::stock("1001"), milk = PostingShop::stock("6002"), gas = PostingShop::stock("6006");
    SaleLine returned = SaleRows::item("6006", -1);
    returned.description = "RET: GAS CYLINDER 9KG";
    const int n = SaleRows::invoice(kBayside, {SaleRows::item("1001", 2), SaleRows::item("6002", 3), returned});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(PostingShop::stock("1001"), cola - 2);
    // A cash-up has moved the milk line to the archive; an older copy of
    // the posting sits in the archive of a closed month.
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem WHERE Code='6002'"));
    TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem WHERE Code='6002'"));
    TestShop::exec(QStringLiteral("INSERT INTO JournalArchive SELECT * FROM Journal"));
    const double owed = utils->getBalBF(kBayside, true);
    utils->setWaiter(QStringLiteral("JOHN"));

    shop.expectReasons(QStringLiteral("Void Invoice"),
                       QStringLiteral("Enter the reason why you will void invoice number %1").arg(n),
                       QStringLiteral("You must give a reason you are trying to void this Invoice"), answers);
    QCOMPARE(utils->voidInvoice(n), voided);
    if (voided) {
        // A second station that still listed it cannot put the goods back twice.
        shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Void Invoice"),
                              QStringLiteral("Invoice # %1 has already been voided").arg(n));
        QVERIFY(!utils->voidInvoice(n));
    }
    // Voided where it stands: in the ledger and in the archive.
    QCOMPARE(PostingShop::ledger(n, voided ? "VI" : "I").size(), 2);
    QCOMPARE(PostingShop::ledger(n, "I,VI").size(), 2);
    QCOMPARE(utils->getBalBF(kBayside, true), voided ? 0.0 : owed);
    QCOMPARE(PostingShop::stock("1001"), voided ? cola : cola - 2);
    QCOMPARE(PostingShop::stock("6002"), voided ? milk : milk - 3);
    QCOMPARE(PostingShop::stock("6006"), gas + 1); // the line that was itself a return stays
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), voided ? 1 : 0);
    if (voided)
        QCOMPARE(PostingShop::row("SELECT DocType, Number, Who, Reason FROM Voids"),
                 QStringLiteral("I|%1|JOHN|%2").arg(n).arg(answers.last()));
}

BREVALON_TEST_MAIN(TestInvoices)
#include "tst_invoices.moc"
