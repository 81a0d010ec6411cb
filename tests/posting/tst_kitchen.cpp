// Kitchen and label dockets: routing by the departments' printer bits, the
// blocks of main lines with their modifiers and remarks, printed marks, and
// the dockets that posting prints after orders and cancelled bills.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/posting/postingshop.h"

#include <QTest>

namespace {

enum Printer { Label = 1, Kitchen = 2 };

// Docket lines as "description|quantity|iquantity|uom"; a separator as "--".
QStringList docket(const QString& xml)
{
    const DocParts d = DocParts::parse(xml);
    QStringList out;
    for (const DocElement& e : d.items) {
        if (e.has(QStringLiteral("desription")))
            out << QStringLiteral("--");
        else
            out << QStringList{e["description"], e["quantity"], e["iquantity"], e["uom"]}.join(QLatin1Char('|'));
    }
    return out;
}

SaleLine modifier(const QString& text, const QString& department)
{
    SaleLine l = SaleRows::textLine(QStringLiteral("Inventory"), text);
    l.department = department;
    l.uom = QStringLiteral("EACH");
    return l;
}

SaleLine note(const QString& category, const QString& text, const QString& department)
{
    SaleLine l = SaleRows::textLine(category, text);
    l.department = department;
    return l;
}

int printedMark(int line)
{
    return TestShop::value(QStringLiteral("SELECT Printed FROM InvoiceItem WHERE MyNumber=%1").arg(line)).toInt();
}

} // namespace

class TestKitchen : public QObject
{
    Q_OBJECT

private slots:
    void routing_data();
    void routing();
    void blocks();
    void fields_data();
    void fields();
    void reprintPrintsOnlyNewLines();
    void docketsAfterPosting_data();
    void docketsAfterPosting();
};

void TestKitchen::routing_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("printer");
    QTest::addColumn<QStringList>("lines");
    // DRINKS 0, HOT DRINKS 1, STARTERS 2, DESSERTS 3.
    const QStringList all{"1001", "1101", "2001", "4001"};
    QTest::newRow("the label printer takes bits 1 and 3")
        << all << int(Label) << QStringList{"ESPRESSO|1.00|1|CUP", "CHOCOLATE BROWNIE|1.00|1|SLICE"};
    QTest::newRow("the kitchen printer takes bits 2 and 3")
        << all << int(Kitchen) << QStringList{"GARLIC BREAD|1.00|1|EACH", "CHOCOLATE BROWNIE|1.00|1|SLICE"};
    QTest::newRow("kitchen lines only leave the label docket empty")
        << QStringList{"2001", "3001"} << int(Label) << QStringList{};
    QTest::newRow("drinks go to neither") << QStringList{"1001", "1002"} << int(Kitchen) << QStringList{};
}

void TestKitchen::routing()
{
    QFETCH(QStringList, codes);
    QFETCH(int, printer);
    QFETCH(QStringList, lines);
    PostingShop shop;
    QList<SaleLine> sale;
    for (const QString& code : codes)
        sale << SaleRows::item(code);
    const int n = SaleRows::invoice(kTable1, sale);
    const QString xml = utils->buildKitchen(n, printer);
    QCOMPARE(xml.isEmpty(), lines.isEmpty());
    QCOMPARE(docket(xml), lines);
}

void TestKitchen::blocks()
{
    PostingShop shop;
    const QString mains = QStringLiteral("MAINS");
    const int n = SaleRows::invoice(
        kTable1, {SaleRows::item("3001"), modifier("no onions", mains), note("Remarks", "medium rare", mains),
                  note("Notes", "regular, give a discount", mains), SaleRows::item("3002", 2),
                  SaleRows::item("3003", 0.5), SaleRows::item("3004"), SaleRows::item("3005")});
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)),
             (QStringList{"BEEF BURGER & CHIPS|1.00|1|PLATE", "NO ONIONS||1|EACH", "MEDIUM RARE||1|", "--",
                          "CHICKEN SCHNITZEL|2.00|2|PLATE", "RUMP STEAK 300G|0.50||PLATE", "--",
                          "FISH & CHIPS|1.00|1|PLATE", "VEGETABLE CURRY|1.00|1|PLATE"}));
}

void TestKitchen::fields_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("printsItself");
    QTest::newRow("label docket, previewed") << int(Label) << "ON" << "Label" << false;
    QTest::newRow("kitchen docket printing by itself") << int(Kitchen) << "OFF" << "Kitchen" << true;
}

void TestKitchen::fields()
{
    QFETCH(int, printer);
    QFETCH(QString, preview);
    QFETCH(QString, role);
    QFETCH(bool, printsItself);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(role), preview);
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("4001")}, QStringLiteral("SUE"));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET SequenceNo=17 WHERE MyNumber=%1").arg(n));
    utils->setWaiter(QStringLiteral("JOHN"));
    const DocParts d = DocParts::parse(utils->buildKitchen(n, printer));
    QVERIFY2(d.valid, qPrintable(d.error));
    QStringList head{"type", "waiter", "printer", "number", "client", "date", "datetime", "shortdate", "time",
                     "printtime", "printdate", "sequence"};
    if (printsItself)
        head << QStringLiteral("auto");
    QCOMPARE(d.head.names, head);
    QCOMPARE(d.head["type"], QStringLiteral("Kitchen"));
    QCOMPARE(d.head["printer"], role);
    // The docket names the waiter at the counter now.
    QCOMPARE(d.head["waiter"], QStringLiteral("JOHN"));
    QCOMPARE(d.head["client"], QStringLiteral("TABLE 1"));
    QCOMPARE(d.head["sequence"], QStringLiteral("17"));
    QCOMPARE(d.head["number"], QString::number(n));
    QCOMPARE(d.tail.names, QStringList{"cashier"});
    QCOMPARE(d.tail["cashier"], QStringLiteral("MARY"));
}

void TestKitchen::reprintPrintsOnlyNewLines()
{
    PostingShop shop;
    const int n = SaleRows::newInvoice(kTable1);
    const QList<int> first = SaleRows::addLines(n, {SaleRows::item("2001"), SaleRows::item("4001")});
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)).size(), 2);
    QCOMPARE(printedMark(first.at(0)), int(Kitchen));
    QVERIFY(utils->buildKitchen(n, Kitchen).isEmpty());

    // The desserts line goes to the label printer still, once.
    QCOMPARE(docket(utils->buildKitchen(n, Label)), QStringList{"CHOCOLATE BROWNIE|1.00|1|SLICE"});
    QCOMPARE(printedMark(first.at(1)), int(Label | Kitchen));
    QVERIFY(utils->buildKitchen(n, Label).isEmpty());

    // A second order on the table sends only what it added.
    SaleRows::addLines(n, {SaleRows::item("3006", 2)});
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)), QStringList{"MARGHERITA PIZZA|2.00|2|EACH"});

    // Lines a cash-up archived keep their marks in the archive too.
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem"));
    TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem"));
    QVERIFY(utils->buildKitchen(n, Kitchen).isEmpty());
    SaleRows::addLines(n, {SaleRows::item("2002")});
    TestShop::exec(QStringLiteral("UPDATE InvoiceItemArchive SET Printed=0 WHERE Code='2001'"));
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)),
             (QStringList{"GARLIC BREAD|1.00|1|EACH", "SOUP OF THE DAY|1.00|1|BOWL"}));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Printed FROM InvoiceItemArchive WHERE Code='2001'")).toInt(),
             int(Kitchen));
}

void TestKitchen::docketsAfterPosting_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("reprint");
    QTest::addColumn<int>("answer"); // the invoice window's; -1 when not shown
    QTest::addColumn<QString>("labelMode");
    QTest::addColumn<QStringList>("dockets"); // printer roles, in order
    QTest::newRow("an order prints both dockets") << 3 << false << -1 << "" << QStringList{"Label", "Kitchen"};
    QTest::newRow("a cancelled bill prints them") << 0 << false << 0 << "" << QStringList{"Label", "Kitchen"};
    QTest::newRow("an accepted bill prints none") << 0 << false << 1 << "" << QStringList{};
    QTest::newRow("a cancelled reprint prints none") << 0 << true << 0 << "" << QStringList{};
    QTest::newRow("a cancelled quote prints none") << 1 << false << 0 << "" << QStringList{};
    QTest::newRow("a label printer that is off prints nothing") << 3 << false << -1 << "off" << QStringList{"Kitchen"};
}

void TestKitchen::docketsAfterPosting()
{
    QFETCH(int, mode);
    QFETCH(bool, reprint);
    QFETCH(int, answer);
    QFETCH(QString, labelMode);
    QFETCH(QStringList, dockets);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/LabelPrinter/Mode"), labelMode);
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QString());
    // Desserts go to both printers, starters to the kitchen, coffee to labels.
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("4001"), SaleRows::item("2001"), SaleRows::item("1101")});
    utils->setQuoteMode(mode == 1);
    if (mode == 3)
        utils->setOrderMode(true);
    if (answer >= 0)
        shop.expectDocument(answer);
    QList<DocParts> printed(dockets.size());
    for (DocParts& d : printed)
        shop.expectDocument(1, &d);
    QCOMPARE(utils->processInvoice(n, reprint), answer == 1);
    utils->setQuoteMode(false);
    QStringList roles;
    for (const DocParts& d : printed)
        roles << d.head["printer"];
    QCOMPARE(roles, dockets);
    for (const DocParts& d : printed) {
        QStringList lines = d.column("description");
        QVERIFY(lines.contains(QLatin1String("CHOCOLATE BROWNIE")));
        QCOMPARE(lines.contains(QLatin1String("ESPRESSO")), d.head["printer"] == QLatin1String("Label"));
        QCOMPARE(lines.contains(QLatin1String("GARLIC BREAD")), d.head["printer"] == QLatin1String("Kitchen"));
    }
}

BREVALON_TEST_MAIN(TestKitchen)
#include "tst_kitchen.moc"
