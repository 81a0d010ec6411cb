// Kitchen and label dockets: routing by the departments' printer bits,
// blocks of main lines with their modifiers and remarks, lines printed once,
// and the dockets posting prints after orders and cancelled bills.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/posting/postingshop.h"

#include "documents/docprint.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

enum Printer { Label = 1, Kitchen = 2 };

// Docket lines as "description|quantity|iquantity|uom"; a separator as "--".
QStringList docket(const QString& xml)
{
    QStringList out;
    for (const DocElement& e : DocParts::parse(xml).items)
        out << (e.has("desription") ? QStringLiteral("--")
                                    : QStringList{e["description"], e["quantity"], e["iquantity"], e["uom"]}.join('|'));
    return out;
}

// Sale lines from "code", "code*quantity" or "Category:text" (a free line of MAINS).
QList<SaleLine> sale(const QStringList& entries)
{
    QList<SaleLine> out;
    for (const QString& s : entries) {
        if (!s.contains(':')) {
            out << SaleRows::item(s.section('*', 0, 0), s.contains('*') ? s.section('*', 1).toDouble() : 1);
            continue;
        }
        out << SaleRows::textLine(s.section(':', 0, 0), s.section(':', 1));
        out.last().department = QStringLiteral("MAINS");
        if (out.last().category == QLatin1String("Inventory"))
            out.last().uom = QStringLiteral("EACH");
    }
    return out;
}

} // namespace

class TestKitchen : public QObject
{
    Q_OBJECT

private slots:
    void routing_data();
    void routing();
    void reprintPrintsOnlyNewLines();
    void docketNotPrintedStaysUnsent_data();
    void docketNotPrintedStaysUnsent();
    void stoppedQueueIsToldAndTheDocketPrintsOnceStarted();
    void docketsAfterPosting_data();
    void docketsAfterPosting();
};

void TestKitchen::routing_data()
{
    QTest::addColumn<QStringList>("sale");
    QTest::addColumn<int>("printer");
    QTest::addColumn<QStringList>("lines");
    // DRINKS 0, HOT DRINKS 1, STARTERS 2, DESSERTS 3.
    const QStringList all{"1001", "1101", "2001", "4001"};
    QTest::newRow("the label printer takes bits 1 and 3")
        << all << int(Label) << QStringList{"ESPRESSO|1.00|1|CUP", "CHOCOLATE BROWNIE|1.00|1|SLICE"};
    QTest::newRow("the kitchen printer takes bits 2 and 3")
        << all << int(Kitchen) << QStringList{"GARLIC BREAD|1.00|1|EACH", "CHOCOLATE BROWNIE|1.00|1|SLICE"};
    QTest::newRow("kitchen lines only leave the label docket empty") << QStringList{"2001", "3001"} << int(Label)
                                                                     << QStringList{};
    QTest::newRow("drinks go to neither") << QStringList{"1001", "1002"} << int(Kitchen) << QStringList{};
    // A free modifier and a remark belong to the main line above; the next
    // main line after them starts a block; notes never print.
    QTest::newRow("blocks of main lines")
        << QStringList{"3001", "Inventory:no onions", "Remarks:medium rare", "Notes:regular, give a discount", "3002*2",
                       "3003*0.5", "3004", "3005"}
        << int(Kitchen)
        << QStringList{"BEEF BURGER & CHIPS|1.00|1|PLATE", "NO ONIONS||1|EACH", "MEDIUM RARE||1|", "--",
                       "CHICKEN SCHNITZEL|2.00|2|PLATE", "RUMP STEAK 300G|0.50||PLATE", "--",
                       "FISH & CHIPS|1.00|1|PLATE", "VEGETABLE CURRY|1.00|1|PLATE"};
}

void TestKitchen::routing()
{
    QFETCH(QStringList, sale);
    QFETCH(int, printer);
    QFETCH(QStringList, lines);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Preview"), QStringLiteral("OFF"));
    const int n = SaleRows::invoice(kTable1, ::sale(sale), QStringLiteral("SUE"));
    TestShop::exec(QStringLiteral("UPDATE Invoice SET SequenceNo=17 WHERE MyNumber=%1").arg(n));
    utils->setWaiter(QStringLiteral("JOHN"));
    const QString xml = utils->buildKitchen(n, printer);
    QCOMPARE(xml.isEmpty(), lines.isEmpty());
    QCOMPARE(docket(xml), lines);
    if (xml.isEmpty())
        return;
    // It names the waiter at the counter now; only a printer that does not
    // preview prints by itself.
    const DocParts d = DocParts::parse(xml);
    const QStringList head{"type=Kitchen", printer == Label ? "printer=Label" : "printer=Kitchen", "waiter=JOHN",
                           "client=TABLE 1", "sequence=17", "number=" + QString::number(n),
                           printer == Label ? "auto=" : "auto=print"};
    QCOMPARE(d.head.pick(head), head);
    QCOMPARE(d.tail.names.join(',') + '=' + d.tail["cashier"], QStringLiteral("cashier=MARY"));
}

void TestKitchen::reprintPrintsOnlyNewLines()
{
    PostingShop shop;
    const int n = SaleRows::newInvoice(kTable1);
    const QList<int> first = SaleRows::addLines(n, {SaleRows::item("2001"), SaleRows::item("4001")});
    auto mark = [](int line) {
        return TestShop::value(QStringLiteral("SELECT Printed FROM InvoiceItem WHERE MyNumber=%1").arg(line)).toInt();
    };
    // Building a docket marks nothing; printing it (here: processed from
    // the preview) does.
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)).size(), 2);
    QCOMPARE(mark(first.at(0)), 0);
    shop.expectDocument(1);
    QVERIFY(utils->printDocket(n, Kitchen));
    QCOMPARE(mark(first.at(0)), int(Kitchen));
    QVERIFY(utils->buildKitchen(n, Kitchen).isEmpty());
    // The desserts line goes to the label printer still, once.
    QCOMPARE(docket(utils->buildKitchen(n, Label)), QStringList{"CHOCOLATE BROWNIE|1.00|1|SLICE"});
    shop.expectDocument(1);
    QVERIFY(utils->printDocket(n, Label));
    QCOMPARE(mark(first.at(1)), int(Label | Kitchen));
    QVERIFY(utils->buildKitchen(n, Label).isEmpty());
    // A second order on the table sends only what it added.
    SaleRows::addLines(n, {SaleRows::item("3006", 2)});
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)), QStringList{"MARGHERITA PIZZA|2.00|2|EACH"});
    // A reprint takes every line again and says so.
    const DocParts again = DocParts::parse(utils->buildKitchen(n, Kitchen, nullptr, true));
    QCOMPARE(again.column("description"),
             (QStringList{"GARLIC BREAD", "CHOCOLATE BROWNIE", "MARGHERITA PIZZA"}));
    QCOMPARE(again.head["reprint"], QStringLiteral("REPRINT"));

    // Lines a cash-up archived keep their marks in the archive too.
    shop.expectDocument(1);
    QVERIFY(utils->printDocket(n, Kitchen));
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItemArchive SELECT * FROM InvoiceItem"));
    TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem"));
    QVERIFY(utils->buildKitchen(n, Kitchen).isEmpty());
    SaleRows::addLines(n, {SaleRows::item("2002")});
    TestShop::exec(QStringLiteral("UPDATE InvoiceItemArchive SET Printed=0 WHERE Code='2001'"));
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)),
             (QStringList{"GARLIC BREAD|1.00|1|EACH", "SOUP OF THE DAY|1.00|1|BOWL"}));
    shop.expectDocument(1);
    QVERIFY(utils->printDocket(n, Kitchen));
    QCOMPARE(TestShop::value("SELECT Printed FROM InvoiceItemArchive WHERE Code='2001'").toInt(), int(Kitchen));
}

void TestKitchen::docketNotPrintedStaysUnsent_data()
{
    QTest::addColumn<bool>("spoolFails");
    QTest::addColumn<int>("answer"); // the window's: 1 Process, 0 Close
    QTest::addColumn<bool>("sent");
    QTest::newRow("a preview processed is sent") << false << 1 << true;
    QTest::newRow("a preview closed stays unsent") << false << 0 << false;
    QTest::newRow("processed after a failed spool stays unsent") << true << 1 << false;
    QTest::newRow("closed after a failed spool stays unsent") << true << 0 << false;
}

void TestKitchen::docketNotPrintedStaysUnsent()
{
    QFETCH(bool, spoolFails);
    QFETCH(int, answer);
    QFETCH(bool, sent);
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("slip40"));
    if (spoolFails) {
        // Printing by itself to a queue the spooler does not know.
        settings->writeEntry(QStringLiteral("/KitchenPrinter/Preview"), QStringLiteral("OFF"));
        settings->writeEntry(QStringLiteral("/KitchenPrinter/PrinterName"), QStringLiteral("brevalon_no_such_queue"));
        shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                              QStringLiteral("The printer brevalon_no_such_queue did not take the document"));
    }
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("2001"), SaleRows::item("3001")});
    // The retry window shows the docket; whatever is pressed there, the
    // lines wait for a printer that took them.
    shop.expectDocument(answer);
    if (spoolFails)
        shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon - Docket"),
                              QStringLiteral("The kitchen docket of order %1 was not printed").arg(n));
    QCOMPARE(utils->printDocket(n, Kitchen), sent);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT * FROM InvoiceItem WHERE InvoiceNumber=%1 AND Printed=%2")
                                 .arg(n)
                                 .arg(int(Kitchen))),
             sent ? 2 : 0);
    // Not sent: the next docket of the order carries the lines.
    QCOMPARE(docket(utils->buildKitchen(n, Kitchen)).size(), sent ? 0 : 2);
}

void TestKitchen::stoppedQueueIsToldAndTheDocketPrintsOnceStarted()
{
    const QString queue = qEnvironmentVariable("BREVALON_TEST_STOPPED_PRINTER");
    const QString out = qEnvironmentVariable("BREVALON_TEST_STOPPED_PRINTER_OUT");
    if (queue.isEmpty() || out.isEmpty())
        QSKIP("needs the stoppable CUPS queue that scripts/test.sh starts (BREVALON_TEST_STOPPED_PRINTER)");
    PostingShop shop;
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("slip40"));
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Preview"), QStringLiteral("OFF"));
    settings->writeEntry(QStringLiteral("/KitchenPrinter/PrinterName"), queue);
    auto lp = [](const QString& command, const QString& queue) {
        QCOMPARE(QProcess::execute(command, {queue}), 0);
    };
    auto arrived = [&out](qint64 from) {
        QFile f(out);
        for (int i = 0; i < 200 && QFileInfo(out).size() <= from; ++i)
            QTest::qWait(50);
        QTest::qWait(300);
        return f.open(QIODevice::ReadOnly) && f.seek(from) ? f.readAll() : QByteArray();
    };
    lp(QStringLiteral("cupsdisable"), queue);
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("3001")});
    const qint64 before = QFileInfo(out).size();
    // Stopped: said so, nothing handed over, the window stays to print
    // again; the queue is started there and the docket printed.
    shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                          QStringLiteral("The printer %1 cannot print now: stopped").arg(queue));
    QByteArray slip;
    shop.prompts().expectExec(QStringLiteral("DocPrint"), [&](QDialog* d) {
        auto* dp = static_cast<DocPrint*>(d);
        slip = dp->slipBytes();
        lp(QStringLiteral("cupsenable"), queue);
        dp->printPage();
        return dp->result();
    });
    QVERIFY(utils->printDocket(n, Kitchen));
    QCOMPARE(arrived(before), slip);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT Printed FROM InvoiceItem WHERE InvoiceNumber=%1").arg(n)).toInt(),
             int(Kitchen));
    // The manager prints it again: the reprint arrives marked so.
    const qint64 second = QFileInfo(out).size();
    QVERIFY(utils->printDocket(n, Kitchen, true));
    const QByteArray again = arrived(second);
    QVERIFY2(again.contains("REPRINT"), again.constData());
    QVERIFY(again.contains("BEEF BURGER"));
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
    PostingShop::setMode(mode);
    if (answer >= 0)
        shop.expectDocument(answer);
    QList<DocParts> printed(dockets.size());
    for (DocParts& d : printed)
        shop.expectDocument(1, &d);
    QCOMPARE(utils->processInvoice(n, reprint), answer == 1);
    QStringList shown;
    for (const DocParts& d : printed)
        shown << d.head["printer"] + ": " + d.column("description").join(", ");
    for (QString& role : dockets)
        role += role == QLatin1String("Label") ? ": CHOCOLATE BROWNIE, ESPRESSO" : ": CHOCOLATE BROWNIE, GARLIC BREAD";
    QCOMPARE(shown, dockets);
}

BREVALON_TEST_MAIN(TestKitchen)
#include "tst_kitchen.moc"
