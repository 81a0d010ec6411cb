// Invoices, quotes, refunds and orders: the document's lines and totals in
// both tax modes, posting once by mode, sequence numbers, due-back records,
// take-out change, voids, retracting and previews.

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

Q_DECLARE_METATYPE(SaleLine)

namespace {

SaleLine line(double price, const QString& tax1 = "Y", const QString& tax2 = "N", double quantity = 1)
{
    SaleLine l;
    l.code = "6004";
    l.description = "HONEY 500G";
    l.department = "GROCERY";
    l.price = price;
    l.quantity = quantity;
    l.tax1 = tax1;
    l.tax2 = tax2;
    return l;
}

// The attributes of an item as "name=value", for the names asked.
QStringList pick(const DocElement& e, const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        out << n + QLatin1Char('=') + e[n];
    return out;
}

QStringList names(const QStringList& pairs)
{
    QStringList out;
    for (const QString& p : pairs)
        out << p.section(QLatin1Char('='), 0, 0);
    return out;
}

QString statusOf(int invoice)
{
    return TestShop::value(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(invoice)).toString();
}

int sequenceOf(int invoice)
{
    return TestShop::value(QStringLiteral("SELECT SequenceNo FROM Invoice WHERE MyNumber=%1").arg(invoice)).toInt();
}

int shopSequence()
{
    return TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt();
}

} // namespace

class TestInvoices : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void lineItems_data();
    void lineItems();
    void taxFlags_data();
    void taxFlags();
    void fields_data();
    void fields();
    void postingByMode_data();
    void postingByMode();
    void postedOnce_data();
    void postedOnce();
    void sequenceNumbers();
    void dueBack_data();
    void dueBack();
    void retractAndRepost();
    void takeOutChange_data();
    void takeOutChange();
    void voids_data();
    void voids();
    void secondVoidIsRefused();
    void preview();
    void reprintAfterCashUp();
};

void TestInvoices::totals_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QList<SaleLine>>("lines");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<QString>("ledger");
    QTest::addColumn<double>("balance");

    // 115.00 with VAT only, 38.00 with VAT and levy, 12.37 untaxed.
    const QList<SaleLine> mixed{line(115.00, "Y", "N"), line(38.00, "Y", "Y"), line(12.37, "N", "N")};
    const QStringList inclusive{"subtotal=165.37", "tax1total=19.87", "tax2total=0.65", "total=165.37",
                                "exctotal=144.85", "exc1total=145.50", "exc2total=164.72", "tax1=15.00",
                                "tax2=2.00", "tax1name=VAT", "tax2name=LEVY"};
    QTest::newRow("prices include tax, no cash rounding")
        << 0 << "I" << 0 << mixed << "Invoice" << inclusive + QStringList{"rounding=0.00", "due=165.37"}
        << "I 165.37 0.00" << 165.37;
    QTest::newRow("prices include tax, rounding to 5 cents")
        << 0 << "I" << 5 << mixed << "Invoice" << inclusive + QStringList{"rounding=0.02", "due=165.35"}
        << "I 165.37 0.02" << 165.35;
    QTest::newRow("prices include tax, rounding to 10 cents")
        << 0 << "I" << 10 << mixed << "Invoice" << inclusive + QStringList{"rounding=0.07", "due=165.30"}
        << "I 165.37 0.07" << 165.30;

    const QStringList exclusive{"subtotal=165.37", "tax1total=22.95", "tax2total=0.76", "total=189.08",
                                "exctotal=165.37"};
    QTest::newRow("tax added on top, no cash rounding")
        << 0 << "E" << 0 << mixed << "Invoiceexc" << exclusive + QStringList{"rounding=0.00", "due=189.08"}
        << "I 189.08 0.00" << 189.08;
    QTest::newRow("tax added on top, rounding to 5 cents")
        << 0 << "E" << 5 << mixed << "Invoiceexc" << exclusive + QStringList{"rounding=0.03", "due=189.05"}
        << "I 189.08 0.03" << 189.05;
    QTest::newRow("tax added on top, rounding to 10 cents")
        << 0 << "E" << 10 << mixed << "Invoiceexc" << exclusive + QStringList{"rounding=0.08", "due=189.00"}
        << "I 189.08 0.08" << 189.00;
    QTest::newRow("half a cent of tax rounds up alike on paper and in the ledger")
        << 0 << "E" << 0 << QList<SaleLine>{line(10.10)} << "Invoiceexc"
        << QStringList{"subtotal=10.10", "tax1total=1.52", "total=11.62", "due=11.62"} << "I 11.62 0.00" << 11.62;
    QTest::newRow("a refund on top of tax gives the half cent back to the shop")
        << 2 << "E" << 0 << QList<SaleLine>{line(-10.10, "Y", "N", -1)} << "Returnexc"
        << QStringList{"subtotal=-10.10", "tax1total=-1.52", "total=-11.62", "due=-11.62"} << "RF -11.62 0.00"
        << -11.62;
    QTest::newRow("a refund's cash rounding is toward nothing")
        << 2 << "I" << 5 << QList<SaleLine>{line(-12.37, "Y", "N", -1)} << "Return"
        << QStringList{"total=-12.37", "rounding=-0.02", "due=-12.35"} << "RF -12.37 -0.02" << -12.35;
    QTest::newRow("a quote on top of tax") << 1 << "E" << 5 << mixed << "Quoteexc"
                                           << exclusive + QStringList{"rounding=0.03"} << "Q 189.08 0.03" << 0.0;
}

void TestInvoices::totals()
{
    QFETCH(int, mode);
    QFETCH(QString, taxMode);
    QFETCH(int, unit);
    QFETCH(QList<SaleLine>, lines);
    QFETCH(QString, type);
    QFETCH(QStringList, tail);
    QFETCH(QString, ledger);
    QFETCH(double, balance);
    PostingShop shop;
    PostingShop::setTaxRules(taxMode, unit);
    const int n = SaleRows::invoice(kBayside, lines);
    utils->setRefundMode(mode == 2);
    if (mode == 1)
        utils->setQuoteMode(true);

    DocParts shown;
    shop.expectDocument(1, &shown);
    double total = 0, tax1 = 0, tax2 = 0;
    QVERIFY(utils->processInvoice(n, false, &total, &tax1, &tax2));
    utils->setQuoteMode(false);
    QCOMPARE(shown.head["type"], type);
    QCOMPARE(pick(shown.tail, names(tail)), tail);
    QCOMPARE(PostingShop::ledger(n, "I,Q,RF"), QStringList{ledger});
    QCOMPARE(utils->getBalBF(kBayside, true), balance);
    // The result places hold the document's figures.
    QCOMPARE(Utility::numStr(total, 2), shown.tail["total"]);
    QCOMPARE(Utility::numStr(tax1, 2), shown.tail["tax1total"]);
    QCOMPARE(Utility::numStr(tax2, 2), shown.tail["tax2total"]);
}

void TestInvoices::lineItems_data()
{
    QTest::addColumn<SaleLine>("sold");
    QTest::addColumn<QStringList>("item"); // empty: the line does not print
    SaleLine l;

    l = line(37.00, "Y", "N", 2);
    l.code = "1001", l.description = "Coca-Cola 330ml", l.uom = "CAN", l.department = "DRINKS";
    QTest::newRow("an item line") << l
                                  << QStringList{"quantity=2.00", "iquantity=2",          "uom=CAN",
                                                 "department=DRINKS", "description=COCA-COLA 330ML",
                                                 "price=37.00",   "unitprice=18.50", "discount=0.00",
                                                 "category=Inventory"};
    QTest::newRow("a Notes line never prints") << SaleRows::textLine("Notes", "Guest is the owner", 5.00)
                                               << QStringList{};
    QTest::newRow("an ordinary line of price 0 never prints") << line(0.00) << QStringList{};
    QTest::newRow("a Remarks line prints its text alone")
        << SaleRows::textLine("Remarks", "Well done, no salt")
        << QStringList{"quantity=",  "iquantity=", "uom=",      "department=", "description=WELL DONE, NO SALT",
                       "price=",     "unitprice=", "discount=", "category=Remarks"};
    l = SaleRows::textLine("Remarks", "Crate deposit", 0, 2);
    l.returnable = "Y";
    l.uom = "CRATE";
    QTest::newRow("a returnable Remarks line keeps its quantity")
        << l << QStringList{"quantity=2.00", "iquantity=2", "uom=", "price=", "description=CRATE DEPOSIT"};
    l = line(389.00);
    l.description = "Gas cylinder 9kg", l.serial = "SN-0042a";
    QTest::newRow("the serial number goes under the description")
        << l << QStringList{"description=GAS CYLINDER 9KG\\nSerial No: SN-0042a"};
    QTest::newRow("half a portion") << line(29.50, "Y", "N", 0.5)
                                    << QStringList{"quantity=0.50", "iquantity=", "unitprice=59.00"};
    QTest::newRow("two and a half portions") << line(50.00, "Y", "N", 2.5)
                                             << QStringList{"quantity=2.50", "iquantity=2", "unitprice=20.00"};
    QTest::newRow("2.7 kg") << line(27.00, "Y", "N", 2.7) << QStringList{"quantity=2.70", "iquantity=3"};
    l = line(33.25);
    l.discount = 12.5;
    QTest::newRow("a discount") << l << QStringList{"discount=12.50", "price=33.25"};
    l = line(72.00);
    l.description = "Salad \"house\" & <dressing> O'Neil";
    QTest::newRow("awkward text survives") << l
                                           << QStringList{"description=SALAD \"HOUSE\" & <DRESSING> O'NEIL"};
    QTest::newRow("a returned line keeps its minus")
        << line(-18.50, "Y", "N", -1)
        << QStringList{"quantity=-1.00", "iquantity=-1", "price=-18.50", "unitprice=18.50"};
}

void TestInvoices::lineItems()
{
    QFETCH(SaleLine, sold);
    QFETCH(QStringList, item);
    PostingShop shop;
    SaleLine marker = line(1.00);
    marker.description = "MARKER";
    const int n = SaleRows::invoice(kBayside, {marker, sold});
    const DocParts d = DocParts::parse(utils->buildInvoice(n, false, 0));
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.items.size(), item.isEmpty() ? 1 : 2);
    QCOMPARE(d.items.first()["description"], QStringLiteral("MARKER"));
    if (!item.isEmpty()) {
        QCOMPARE(pick(d.items.last(), names(item)), item);
        QCOMPARE(d.items.last().names,
                 (QStringList{"quantity", "iquantity", "uom", "department", "description", "date", "datetime",
                              "shortdate", "time", "price", "unitprice", "category", "discount", "tax1", "tax2",
                              "taxflags", "itaxflags"}));
    }
}

void TestInvoices::taxFlags_data()
{
    QTest::addColumn<double>("rate1");
    QTest::addColumn<double>("rate2");
    QTest::addColumn<QString>("flag1");
    QTest::addColumn<QString>("flag2");
    QTest::addColumn<QString>("taxflags");
    QTest::addColumn<QString>("itaxflags");
    QTest::newRow("both taxes on the line") << 0.15 << 0.02 << "Y" << "Y" << "*#" << "";
    QTest::newRow("first tax only") << 0.15 << 0.02 << "Y" << "N" << "*" << "#";
    QTest::newRow("untaxed line") << 0.15 << 0.02 << "N" << "N" << "" << "*#";
    QTest::newRow("a tax without a rate is never marked") << 0.15 << 0.0 << "Y" << "Y" << "*" << "";
    QTest::newRow("an untaxed line where one tax has no rate") << 0.15 << 0.0 << "N" << "N" << "" << "*";
    QTest::newRow("no rates at all") << 0.0 << 0.0 << "Y" << "N" << "" << "";
    QTest::newRow("a blank flag is neither") << 0.15 << 0.02 << " " << " " << "*#" << "*#";
}

void TestInvoices::taxFlags()
{
    QFETCH(double, rate1);
    QFETCH(double, rate2);
    QFETCH(QString, flag1);
    QFETCH(QString, flag2);
    QFETCH(QString, taxflags);
    QFETCH(QString, itaxflags);
    PostingShop shop;
    const int n = SaleRows::invoice(kBayside, {line(10.00, flag1, flag2)});
    // The rates are those in force when the document was made.
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Tax1=%1, Tax2=%2 WHERE MyNumber=%3").arg(rate1).arg(rate2).arg(n));
    const DocParts d = DocParts::parse(utils->buildInvoice(n, false, 0));
    QCOMPARE(d.items.size(), 1);
    QCOMPARE(d.items.first()["taxflags"], taxflags);
    QCOMPARE(d.items.first()["itaxflags"], itaxflags);
}

void TestInvoices::fields_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("new invoice, previewed") << 0 << false << "ON" << QStringList{};
    QTest::newRow("new invoice printing by itself") << 0 << false << "OFF" << QStringList{"auto"};
    QTest::newRow("reprint") << 0 << true << "OFF" << QStringList{};
    QTest::newRow("order closes its window itself") << 3 << false << "ON" << QStringList{"autoclose"};
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
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Email='Sent@Elsewhere.Example', SequenceNo=7 WHERE MyNumber=%1")
                       .arg(n));
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    PostingShop::owe(kBayside, 10);
    utils->setOrderMode(mode == 3);

    const DocParts d = DocParts::parse(utils->buildInvoice(n, reprint, 0));
    utils->setOrderMode(false);
    QVERIFY2(d.valid, qPrintable(d.error));
    QCOMPARE(d.head.names, (QStringList{"type",  "printer", "number", "date",   "datetime", "shortdate", "time",
                                        "acc",   "client",  "postal", "shipping", "phone",  "cell",      "email",
                                        "aline1", "aline2", "aline3", "aline4", "aline5",   "aline6",    "aline7",
                                        "waiter", "printtime", "printdate", "sequence"}
                            + extra));
    QCOMPARE(d.tail.names,
             (QStringList{"tax1",      "tax2",      "tax1name",  "tax2name", "tax1total", "tax2total", "rounding",
                          "subtotal",  "total",     "outstanding", "due",    "exctotal",  "exc1total", "exc2total",
                          "invfoot1",  "invfoot2",  "cashier",   "date",     "datetime",  "shortdate", "time",
                          "sequence",  "number",    "acc",       "client",   "waiter"}));
    QCOMPARE(d.head["printer"], QStringLiteral("Invoice"));
    QCOMPARE(d.head["client"], QStringLiteral("BAYSIDE CATERING\\nVAT No. 4987654321"));
    QCOMPARE(d.head["email"], reprint ? QStringLiteral("sent@elsewhere.example") : QStringLiteral("accounts@bayside.example"));
    QCOMPARE(d.head["waiter"], QStringLiteral("JOHN"));
    const QString sequence = reprint ? QStringLiteral("7") : QStringLiteral("42");
    QCOMPARE(d.head["sequence"], sequence);
    QCOMPARE(d.tail["sequence"], sequence);
    QCOMPARE(d.tail["cashier"], QStringLiteral("MARY"));
    QCOMPARE(d.tail["client"], QStringLiteral("BAYSIDE CATERING"));
    QCOMPARE(d.tail["waiter"], QStringLiteral("JOHN"));
    QCOMPARE(d.tail["invfoot2"], QStringLiteral("Goods remain our property until paid in full."));
    // A new document adds itself to what is owed; a reprint is in it already.
    QCOMPARE(d.tail["outstanding"], reprint ? QStringLiteral("10.00") : QStringLiteral("50.00"));
    if (extra.contains(QLatin1String("auto")))
        QCOMPARE(d.head["auto"], QStringLiteral("print"));
    if (extra.contains(QLatin1String("autoclose")))
        QCOMPARE(d.head["autoclose"], QStringLiteral("true"));
}

void TestInvoices::postingByMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("window"); // -1: not shown
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("balance");
    QTest::newRow("an accepted invoice is posted and closed")
        << 0 << 1 << true << QStringList{"I 40.00 0.00"} << "C" << 40.0;
    QTest::newRow("a cancelled invoice stays open") << 0 << 0 << false << QStringList{} << "P" << 0.0;
    QTest::newRow("a quote is posted as Q and owes nothing") << 1 << 1 << true << QStringList{"Q 40.00 0.00"} << "C"
                                                             << 0.0;
    QTest::newRow("a refund is posted as RF") << 2 << 1 << true << QStringList{"RF -40.00 0.00"} << "C" << -40.0;
    QTest::newRow("a cancelled refund posts nothing") << 2 << 0 << false << QStringList{} << "P" << 0.0;
    QTest::newRow("an order shows nothing and posts nothing") << 3 << -1 << false << QStringList{} << "P" << 0.0;
}

void TestInvoices::postingByMode()
{
    QFETCH(int, mode);
    QFETCH(int, window);
    QFETCH(bool, result);
    QFETCH(QStringList, ledger);
    QFETCH(QString, status);
    QFETCH(double, balance);
    PostingShop shop;
    const double sign = mode == 2 ? -1 : 1;
    const int n = SaleRows::invoice(kBayside, {line(40.00 * sign, "Y", "N", sign)});
    utils->setDetails(kObrien);
    utils->setQuoteMode(mode == 1);
    if (mode == 2)
        utils->setRefundMode(true);
    if (mode == 3)
        utils->setOrderMode(true);
    const int actionsBefore = int(actionRows().size());
    if (window >= 0)
        shop.expectDocument(window);

    QCOMPARE(utils->processInvoice(n, false), result);
    utils->setQuoteMode(false);
    QCOMPARE(PostingShop::ledger(n, "I,Q,RF,VI"), ledger);
    QCOMPARE(statusOf(n), status);
    QCOMPARE(utils->getBalBF(kBayside, true), balance);
    // The counter's account is left as it was.
    QCOMPARE(utils->getAccountNumber(), int(kObrien));
    if (result)
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Email FROM Invoice WHERE MyNumber=%1").arg(n)).toString(),
                 QStringLiteral("accounts@bayside.example"));
    const QList<ActionRow> actions = actionRows();
    const bool logged = mode == 2 && result;
    QCOMPARE(int(actions.size()), actionsBefore + (logged ? 1 : 0));
    if (logged) {
        QCOMPARE(actions.last().action, QStringLiteral("REFUND"));
        QCOMPARE(actions.last().info, QStringLiteral("ACCOUNT NO 14, DOC NO. %1").arg(n));
        QCOMPARE(actions.last().status, QStringLiteral("2"));
    }
}

void TestInvoices::postedOnce_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QStringList>("ledger");
    QTest::newRow("accepted again as new") << "" << false << QStringList{"I 40.00 0.00"};
    QTest::newRow("accepted again as a reprint") << "" << true << QStringList{"I 40.00 0.00"};
    QTest::newRow("its posting was archived by a cash-up") << "archive" << true << QStringList{"I 40.00 0.00"};
    QTest::newRow("it was voided") << "void" << true << QStringList{"VI 40.00 0.00"};
    QTest::newRow("its account was purged") << "purge" << true << QStringList{};
}

void TestInvoices::postedOnce()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, reprint);
    QFETCH(QStringList, ledger);
    PostingShop shop;
    const int n = SaleRows::invoice(kBayside, {line(40.00)});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    if (meanwhile == QLatin1String("archive")) {
        TestShop::exec(QStringLiteral("INSERT INTO JournalArchive SELECT * FROM Journal"));
        TestShop::exec(QStringLiteral("DELETE FROM Journal"));
    } else if (meanwhile == QLatin1String("void")) {
        shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong table"});
        QVERIFY(utils->voidInvoice(n));
    } else if (meanwhile == QLatin1String("purge")) {
        TestShop::exec(QStringLiteral("DELETE FROM Journal WHERE AccountNumber=14"));
        TestShop::exec(QStringLiteral("DELETE FROM Clients WHERE AccountNumber=14"));
    }
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, reprint));
    QCOMPARE(PostingShop::ledger(n, "I,Q,RF,VI"), ledger);
    QCOMPARE(statusOf(n), QStringLiteral("C"));
}

void TestInvoices::sequenceNumbers()
{
    PostingShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=41"));
    const int n = SaleRows::invoice(kBayside, {line(40.00)});

    DocParts shown;
    bool viewOnly = false;
    shop.expectDocument(0, &shown, &viewOnly);
    utils->previewInvoice(n);
    QVERIFY(viewOnly);
    QCOMPARE(shown.head["sequence"], QStringLiteral("42"));
    QVERIFY(!shown.head.has("auto"));
    QCOMPARE(shopSequence(), 42);
    QCOMPARE(sequenceOf(n), 42);

    // Building only (the receipt learning the totals) takes one as well.
    double total = 0;
    QVERIFY(!utils->processInvoice(n, false, &total, nullptr, nullptr, true));
    QCOMPARE(total, 40.0);
    QCOMPARE(sequenceOf(n), 43);

    shop.expectDocument(1, &shown);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(shown.head["sequence"], QStringLiteral("44"));

    // A reprint shows the document's own number and takes none.
    shop.expectDocument(1, &shown);
    QVERIFY(utils->processInvoice(n, true));
    QCOMPARE(shown.head["sequence"], QStringLiteral("44"));
    QCOMPARE(shopSequence(), 44);

    const int next = SaleRows::invoice(kObrien, {line(5.00)});
    QVERIFY(!utils->buildInvoice(next, false, 0).isEmpty());
    QCOMPARE(sequenceOf(next), 45);

    // A shop without its SysInfo row starts again at 1.
    TestShop::exec(QStringLiteral("DELETE FROM SysInfo"));
    QVERIFY(!utils->buildInvoice(next, false, 0).isEmpty());
    QCOMPARE(sequenceOf(next), 1);
}

void TestInvoices::dueBack_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QStringList>("due"); // "line index|code|date"
    QTest::newRow("the first line with days is recorded")
        << 0 << QList<int>{0, 30, 90} << QStringList{"1|R30|2027-01-04"};
    QTest::newRow("none without days") << 0 << QList<int>{0, 0} << QStringList{};
    QTest::newRow("a quote owes nothing back") << 1 << QList<int>{30} << QStringList{};
    QTest::newRow("nor does a refund") << 2 << QList<int>{30} << QStringList{};
}

void TestInvoices::dueBack()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, days);
    QFETCH(QStringList, due);
    PostingShop shop;
    QList<SaleLine> lines;
    for (int d : days) {
        SaleLine l = line(20.00);
        l.code = QStringLiteral("R%1").arg(d);
        l.dtr = d;
        lines << l;
    }
    const int n = SaleRows::newInvoice(kBayside);
    const QList<int> numbers = SaleRows::addLines(n, lines);
    utils->setQuoteMode(mode == 1);
    if (mode == 2)
        utils->setRefundMode(true);
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    utils->setQuoteMode(false);
    QStringList recorded;
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("SELECT InvoiceItemNumber, Code, DateDue, AccountNumber FROM DTRHistory")));
    while (q.next()) {
        QCOMPARE(q.value(3).toInt(), int(kBayside));
        recorded << QStringLiteral("%1|%2|%3")
                        .arg(numbers.indexOf(q.value(0).toInt()))
                        .arg(q.value(1).toString(), q.value(2).toString().left(10));
    }
    QCOMPARE(recorded, due);
}

void TestInvoices::retractAndRepost()
{
    PostingShop shop;
    SaleLine renewal = line(60.00);
    renewal.code = "R30";
    renewal.dtr = 30;
    const int n = SaleRows::invoice(kTable1, {line(40.00), renewal}, QStringLiteral("SUE"));
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM DTRHistory")), 1);
    QCOMPARE(utils->getBalBF(kTable1, true), 100.0);

    utils->setDetails(kBayside);
    utils->setWaiter(QString());
    QVERIFY(utils->retractInvoice(n));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM DTRHistory")), 0);
    QCOMPARE(statusOf(n), QStringLiteral("P"));
    QCOMPARE(utils->getBalBF(kTable1, true), 0.0);
    // The counter is back on the bill's table and waiter.
    QCOMPARE(utils->getAccountNumber(), int(kTable1));
    QCOMPARE(utils->getWaiter(), QStringLiteral("SUE"));

    // The bill is changed and closed again: posted once, at its new total.
    SaleRows::addLines(n, {line(15.00)});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{"I 115.00 0.00"});
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM DTRHistory")), 1);
    QCOMPARE(utils->getBalBF(kTable1, true), 115.0);

    // Without its ledger the bill cannot be re-opened.
    TestShop::exec(QStringLiteral("DROP TABLE Journal"));
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("DELETE FROM Journal"));
    QVERIFY(!utils->retractInvoice(n));
    QCOMPARE(statusOf(n), QStringLiteral("C"));
}

void TestInvoices::takeOutChange_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<QString>("tendered"); // empty: no dialog; "cancel": cancelled
    QTest::addColumn<QString>("due");      // shown in the dialog
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("a cash sale asks for the cash")
        << int(kCash) << 0 << false << "200.00" << "165.37"
        << QStringList{"takeOutTendered=Change for 200.00", "takeOutChange=Change Amt 34.63"};
    QTest::newRow("the change is worked out on the rounded amount")
        << int(kCash) << 5 << false << "170.00" << "165.35"
        << QStringList{"takeOutTendered=Change for 170.00", "takeOutChange=Change Amt 4.65"};
    QTest::newRow("nothing tendered prints no change")
        << int(kCash) << 0 << false << "0.00" << "165.37" << QStringList{"takeOutTendered=", "takeOutChange="};
    QTest::newRow("a table's bill takes none") << int(kTable1) << 0 << false << "" << ""
                                               << QStringList{"takeOutTendered=", "takeOutChange="};
    QTest::newRow("a reprint takes none") << int(kCash) << 0 << true << "" << ""
                                          << QStringList{"takeOutTendered=", "takeOutChange="};
    QTest::newRow("cancelling the change writes nothing") << int(kCash) << 0 << false << "cancel" << "165.37"
                                                          << QStringList{};
}

void TestInvoices::takeOutChange()
{
    QFETCH(int, account);
    QFETCH(int, unit);
    QFETCH(bool, reprint);
    QFETCH(QString, tendered);
    QFETCH(QString, due);
    QFETCH(QStringList, tail);
    PostingShop shop;
    PostingShop::setTaxRules(QStringLiteral("I"), unit);
    settings->writeEntry(QStringLiteral("/Global/TakeOutChange"), true);
    const int n = SaleRows::invoice(account, {line(115.00), line(38.00, "Y", "Y"), line(12.37, "N", "N")});
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
    QCOMPARE(shownDue, due);
    if (tail.isEmpty()) {
        QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});
        QCOMPARE(statusOf(n), QStringLiteral("P"));
        QCOMPARE(shopSequence(), sequenceBefore);
        return;
    }
    QCOMPARE(pick(shown.tail, names(tail)), tail);
    QCOMPARE(shown.tail.has("takeOutTendered"), !tail.first().endsWith(QLatin1Char('=')));
}

void TestInvoices::voids_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("voided");
    QTest::newRow("a reason voids it") << QStringList{"Wrong table"} << true;
    QTest::newRow("an empty reason is asked again") << QStringList{"", "Wrong table"} << true;
    QTest::newRow("cancel changes nothing") << QStringList{"<cancel>"} << false;
    QTest::newRow("cancel after an empty reason") << QStringList{" ", "<cancel>"} << false;
}

void TestInvoices::voids()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, voided);
    PostingShop shop;
    const double cola = PostingShop::stock("1001");
    const double milk = PostingShop::stock("6002");
    const double gas = PostingShop::stock("6006");
    SaleLine returned = SaleRows::item("6006", -1);
    returned.description = "RET: GAS CYLINDER 9KG";
    const int n = SaleRows::invoice(kBayside, {SaleRows::item("1001", 2), SaleRows::item("6002", 3), returned});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    QCOMPARE(PostingShop::stock("1001"), cola - 2);
    // A cash-up has moved the milk line to the archive.
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem WHERE Code='6002'"));
    TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem WHERE Code='6002'"));
    // An older copy of the posting sits in the archive of a closed month.
    TestShop::exec(QStringLiteral("INSERT INTO JournalArchive SELECT * FROM Journal"));
    const double owed = utils->getBalBF(kBayside, true);
    utils->setWaiter(QStringLiteral("JOHN"));

    shop.expectReasons(QStringLiteral("Void Invoice"),
                       QStringLiteral("Enter the reason why you will void invoice number %1").arg(n),
                       QStringLiteral("You must give a reason you are trying to void this Invoice"), answers);
    QCOMPARE(utils->voidInvoice(n), voided);

    const QString code = voided ? QStringLiteral("VI") : QStringLiteral("I");
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Description FROM Journal WHERE MyNumber=%1").arg(n)).toString(), code);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Description FROM JournalArchive WHERE MyNumber=%1").arg(n)).toString(),
             code);
    QCOMPARE(utils->getBalBF(kBayside, true), voided ? 0.0 : owed);
    QCOMPARE(PostingShop::stock("1001"), voided ? cola : cola - 2);
    QCOMPARE(PostingShop::stock("6002"), voided ? milk : milk - 3);
    // The line that was itself a return stays as it is.
    QCOMPARE(PostingShop::stock("6006"), gas + 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), voided ? 1 : 0);
    if (voided) {
        QCOMPARE(TestShop::value(QStringLiteral("SELECT DocType FROM Voids")).toString(), QStringLiteral("I"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Number FROM Voids")).toInt(), n);
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Who FROM Voids")).toString(), QStringLiteral("JOHN"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Reason FROM Voids")).toString(), answers.last());
    }
}

void TestInvoices::secondVoidIsRefused()
{
    PostingShop shop;
    const double cola = PostingShop::stock("1001");
    const int n = SaleRows::invoice(kBayside, {SaleRows::item("1001", 2)});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    shop.expectReasons(QStringLiteral("Void Invoice"), QString(), QString(), {"Wrong table"});
    QVERIFY(utils->voidInvoice(n));
    QCOMPARE(PostingShop::stock("1001"), cola);
    // A second station that still listed it cannot put the goods back twice.
    shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Void Invoice"),
                          QStringLiteral("Invoice # %1 has already been voided").arg(n));
    QVERIFY(!utils->voidInvoice(n));
    QCOMPARE(PostingShop::stock("1001"), cola);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM Voids")), 1);
}

void TestInvoices::preview()
{
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("OFF"));
    const int n = SaleRows::invoice(kBayside, {line(40.00)});
    DocParts shown;
    bool viewOnly = false;
    // Shown, not printed, even where invoices print by themselves.
    shop.expectDocument(1, &shown, &viewOnly);
    utils->previewInvoice(n);
    QVERIFY(viewOnly);
    QVERIFY(!shown.head.has("auto"));
    QCOMPARE(shown.tail["total"], QStringLiteral("40.00"));
    QCOMPARE(statusOf(n), QStringLiteral("P"));
    QCOMPARE(PostingShop::ledger(n, "I"), QStringList{});
}

void TestInvoices::reprintAfterCashUp()
{
    PostingShop shop;
    const int n = SaleRows::invoice(kBayside, {SaleRows::item("1001", 2), SaleRows::item("6002")});
    shop.expectDocument(1);
    QVERIFY(utils->processInvoice(n, false));
    // The cash-up moves the lines to the archive.
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem"));
    TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem"));
    const DocParts d = DocParts::parse(utils->buildInvoice(n, true, 0));
    QCOMPARE(d.column("description"), (QStringList{"COCA-COLA 330ML", "FULL CREAM MILK 1L"}));
    QCOMPARE(d.tail["total"], QStringLiteral("58.50"));
}

BREVALON_TEST_MAIN(TestInvoices)
#include "tst_invoices.moc"
