// Kitchen and label dockets and the kitchen screens. Dockets: routing by the
// departments' printer bits, blocks of main lines with their modifiers and
// remarks, lines printed once, and the dockets posting prints after orders
// and cancelled bills. Screens: the departments' routes deciding what goes
// to the screens and what to the paper, the dockets an order leaves there
// (once, as printed), bumps and recalls, and the preparation times report.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "kitchen/departmentroutes.h"
#include "kitchen/docketcard.h"
#include "kitchen/kitchenboard.h"
#include "kitchen/preparationtimes.h"
#include "tests/posting/postingshop.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QSqlQuery>
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


const QString kHostile = QStringLiteral("<script>alert('x')</script> \"Quotes\" & \U0001F354\nsecond line");

void route(const QStringList& routes)
{
    for (const QString& r : routes) {
        TestShop::exec(QStringLiteral("UPDATE Departments SET Route='%1' WHERE Department='%2'")
                           .arg(r.section('=', 1), r.section('=', 0, 0)));
    }
}

// The dockets on the screens as "Station: line, line", in the order sent.
QStringList screens()
{
    QStringList out;
    QSqlQuery q;
    q.exec(QStringLiteral("SELECT Id, Station, Docket FROM KitchenDockets ORDER BY Id"));
    while (q.next()) {
        QStringList lines;
        const QJsonObject card = DocketCard::fromDocument(q.value(0).toInt(), QDateTime(), q.value(2).toString());
        for (const QJsonValue line : card.value(QStringLiteral("lines")).toArray()) {
            if (line[QStringLiteral("kind")] != QStringLiteral("gap"))
                lines << line[QStringLiteral("text")].toString();
        }
        out << (q.value(1).toInt() == 1 ? QStringLiteral("Label: ") : QStringLiteral("Kitchen: ")) + lines.join(", ");
    }
    return out;
}

QStringList descriptions(const QString& docket)
{
    return DocParts::parse(docket).column(QStringLiteral("description"));
}

QString docketXml(const QString& items)
{
    return QStringLiteral("<zendrik><head type=\"Kitchen\" printer=\"Kitchen\"/>%1<tail cashier=\"MARY\"/></zendrik>")
        .arg(items);
}

QString item(const QString& quantity, const QString& description)
{
    return QStringLiteral("<item quantity=\"%1\" iquantity=\"\" uom=\"\" description=\"%2\"/>")
        .arg(quantity, description.toHtmlEscaped());
}

void addDocket(int id, int station, const QString& ordered, const QString& bumped, const QString& document = QString())
{
    TestShop::exec(QStringLiteral("INSERT INTO KitchenDockets (Id, Station, InvoiceNumber, MyDate, Docket, Bumped) "
                                  "VALUES (%1, %2, 1, '2026-12-05 %3', '%4', %5)")
                       .arg(id)
                       .arg(station)
                       .arg(ordered, Utility::escapeSQL(document.isEmpty() ? docketXml(QString()) : document),
                            bumped.isEmpty() ? QStringLiteral("NULL") : "'" + bumped + "'"));
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
    void screenRouting_data();
    void screenRouting();
    void anOrderReachesTheScreenOnce();
    void bumpAndRecall();
    void preparationTimes();
    void routesByWord_data();
    void routesByWord();
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

void TestKitchen::screenRouting_data()
{
    QTest::addColumn<QStringList>("routes");
    QTest::addColumn<QStringList>("screens");
    QTest::addColumn<QStringList>("paper"); // the kitchen printer's docket
    // The sale: MAINS and STARTERS go to the kitchen (2), HOT DRINKS to the
    // label station (1), DESSERTS to both (3).
    const QString burger = QStringLiteral("BEEF BURGER & CHIPS"), bread = QStringLiteral("GARLIC BREAD"),
                  brownie = QStringLiteral("CHOCOLATE BROWNIE");
    QTest::newRow("every department on paper, as before") << QStringList{} << QStringList{}
                                                          << QStringList{burger, bread, brownie};
    QTest::newRow("the screen takes a department off the paper")
        << QStringList{"MAINS=S"} << QStringList{"Kitchen: " + burger} << QStringList{bread, brownie};
    QTest::newRow("both: screen and paper") << QStringList{"MAINS=B"} << QStringList{"Kitchen: " + burger}
                                            << QStringList{burger, bread, brownie};
    QTest::newRow("a department of two stations reaches both screens")
        << QStringList{"DESSERTS=S", "HOT DRINKS=B"}
        << QStringList{"Label: ESPRESSO, " + brownie, "Kitchen: " + brownie} << QStringList{burger, bread};
    QTest::newRow("a route in lower case counts, an unknown one is paper")
        << QStringList{"MAINS=s", "STARTERS=X"} << QStringList{"Kitchen: " + burger} << QStringList{bread, brownie};
}

void TestKitchen::screenRouting()
{
    QFETCH(QStringList, routes);
    QFETCH(QStringList, screens);
    QFETCH(QStringList, paper);
    PostingShop shop;
    route(routes);
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("3001"), SaleRows::item("2001"), SaleRows::item("1101"),
                                              SaleRows::item("4001"), SaleRows::item("1001")});
    QVERIFY(utils->sendToScreens(n));
    QCOMPARE(::screens(), screens);
    // A line reaches each of its places once.
    QVERIFY(utils->sendToScreens(n));
    QCOMPARE(::screens(), screens);
    QCOMPARE(descriptions(utils->buildKitchen(n, 2)), paper);
}

void TestKitchen::anOrderReachesTheScreenOnce()
{
    PostingShop shop;
    route({"MAINS=S"});
    utils->setWaiter(QStringLiteral("JOHN"));
    SaleLine remark = SaleRows::textLine(QStringLiteral("Remarks"), kHostile);
    remark.department = QStringLiteral("MAINS");
    const int n = SaleRows::invoice(kTable1, {SaleRows::item("3001"), remark, SaleRows::item("1001")});
    PostingShop::setMode(3);
    QVERIFY(!utils->processInvoice(n, false)); // an order is never a finished bill

    QCOMPARE(TestShop::count("SELECT Id FROM KitchenDockets"), 1);
    QCOMPARE(PostingShop::row(QStringLiteral("SELECT Station, InvoiceNumber, COUNT(Bumped) FROM KitchenDockets "
                                             "GROUP BY Station, InvoiceNumber")),
             QStringLiteral("2|%1|0").arg(n));
    QCOMPARE(ZkDb::dateTimeText(TestShop::value("SELECT MyDate FROM KitchenDockets")),
             QStringLiteral("2026-12-05 10:30:00"));
    const QJsonObject card =
        DocketCard::fromDocument(7, QDateTime(), TestShop::value("SELECT Docket FROM KitchenDockets").toString());
    QCOMPARE(card.value("table").toString(), QStringLiteral("TABLE 1"));
    QCOMPARE(card.value("waiter").toString(), QStringLiteral("JOHN"));
    QCOMPARE(card.value("sequence").toString(),
             TestShop::value(QStringLiteral("SELECT SequenceNo FROM Invoice WHERE MyNumber=%1").arg(n)).toString());
    QStringList lines;
    for (const QJsonValue l : card.value("lines").toArray())
        lines << QStringList{l["kind"].toString(), l["quantity"].toString(), l["text"].toString(), l["uom"].toString()}.join('|');
    // Texts come back as they were typed (upper case, as printed).
    QCOMPARE(lines, (QStringList{"main|1.00|BEEF BURGER & CHIPS|PLATE", "sub||" + kHostile.toUpper() + "|"}));
    QCOMPARE(TestShop::value("SELECT Printed FROM InvoiceItem WHERE Code='3001'").toInt(), 8);

    // The next order sends only what it added.
    SaleRows::addLines(n, {SaleRows::item("3002")});
    utils->processInvoice(n, false);
    QCOMPARE(screens(), (QStringList{"Kitchen: BEEF BURGER & CHIPS, " + kHostile.toUpper(), "Kitchen: CHICKEN SCHNITZEL"}));
    // A bill taken back into the sale is written again with its marks.
    QList<SaleLine> again;
    QSqlQuery q;
    q.exec(QStringLiteral("SELECT Code, Printed FROM InvoiceItem WHERE InvoiceNumber=%1 AND Code<>'' ORDER BY MyNumber").arg(n));
    while (q.next()) {
        again << SaleRows::item(q.value(0).toString());
        again.last().printed = q.value(1).toInt();
    }
    TestShop::exec(QStringLiteral("DELETE FROM InvoiceItem WHERE InvoiceNumber=%1").arg(n));
    SaleRows::addLines(n, again);
    utils->processInvoice(n, false);
    QCOMPARE(TestShop::count("SELECT Id FROM KitchenDockets"), 2);

    // A quote cooks nothing.
    const int quote = SaleRows::invoice(kBayside, {SaleRows::item("3003")});
    PostingShop::setMode(1);
    shop.expectDocument(0);
    utils->processInvoice(quote, false);
    QCOMPARE(TestShop::count("SELECT Id FROM KitchenDockets"), 2);
}

void TestKitchen::bumpAndRecall()
{
    TestShop shop(TestShop::EmptyTables);
    addDocket(1, 2, "10:00:00", QString());
    addDocket(2, 1, "10:05:00", QString());
    addDocket(3, 2, "09:10:00", QString());
    addDocket(4, 2, "10:20:00", "2026-12-05 10:25:00");
    addDocket(5, 2, "09:00:00", "2026-12-04 21:00:00"); // too long ago to recall
    QList<QPair<int, int>> open;
    QVERIFY(KitchenBoard::openDockets(&open));
    QCOMPARE(open, (QList<QPair<int, int>>{{3, 2}, {1, 2}, {2, 1}}));

    bool bumped = true;
    QVERIFY(KitchenBoard::bump(1, 1, &bumped));
    QVERIFY2(!bumped, "another station's docket");
    QVERIFY(KitchenBoard::bump(1, 2, &bumped));
    QVERIFY(bumped);
    QCOMPARE(ZkDb::dateTimeText(TestShop::value("SELECT Bumped FROM KitchenDockets WHERE Id=1")),
             QStringLiteral("2026-12-05 10:30:00"));
    QVERIFY(KitchenBoard::bump(1, 2, &bumped));
    QVERIFY2(!bumped, "bumped before");

    QList<int> recalled;
    for (int i = 0; i < 3; ++i) {
        int id = -1;
        QVERIFY(KitchenBoard::recall(2, &id));
        recalled << id;
    }
    QCOMPARE(recalled, (QList<int>{1, 4, 0}));
    QVERIFY(KitchenBoard::openDockets(&open));
    QCOMPARE(open.size(), 5 - 1);
}

void TestKitchen::preparationTimes()
{
    TestShop shop(TestShop::EmptyTables);
    const QString fish = item("2.00", "FISH & CHIPS"), soup = item("1.00", "SOUP OF THE DAY");
    addDocket(1, 2, "10:00:00", "2026-12-05 10:12:00", docketXml(fish + item("", "NO SALT") + item("", "")));
    addDocket(2, 2, "10:40:00", "2026-12-05 10:48:30", docketXml(item("1.00", "FISH & CHIPS") + soup));
    addDocket(3, 1, "12:05:00", "2026-12-05 12:09:00", docketXml(soup));
    addDocket(4, 2, "13:00:00", "2026-12-05 14:02:05", docketXml(item("0.50", "LAMB CHOPS")));
    addDocket(5, 2, "13:30:00", QString(), docketXml(soup));                       // not done yet
    TestShop::exec("UPDATE KitchenDockets SET MyDate='2026-12-04 23:50:00' WHERE Id=5"); // nor of the day
    addDocket(6, 2, "09:00:00", QString(), docketXml(fish));

    const DocParts report = DocParts::parse(PreparationTimes::report(QDate(2026, 12, 5), QDate(2026, 12, 5)));
    QVERIFY(report.valid);
    QStringList rows;
    for (const DocElement& e : report.items)
        rows << QStringList{e["col0"], e["col1"], e["col2"], e["col3"], e["col4"], e["visual"]}.join('|');
    QCOMPARE(rows, (QStringList{"By item|||||17",
                                "LAMB CHOPS|0.50|1|1:02:05|1:02:05|",
                                "FISH & CHIPS|3|2|10:15|12:00|",
                                "SOUP OF THE DAY|2|2|6:15|8:30|",
                                "By hour of order|||||17",
                                "10:00 - 10:59|4|2|10:15|12:00|",
                                "12:00 - 12:59|1|1|4:00|4:00|",
                                "13:00 - 13:59|0.50|1|1:02:05|1:02:05|",
                                "All dockets|5.50|4|21:39|1:02:05|3"}));
}

void TestKitchen::routesByWord_data()
{
    QTest::addColumn<QString>("department");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("stored");
    QTest::newRow("screen") << "mains" << "screen" << "" << "S";
    QTest::newRow("both") << "MAINS" << " Both " << "" << "B";
    QTest::newRow("printer") << "MAINS" << "printer" << "" << "P";
    QTest::newRow("an unknown word") << "MAINS" << "tablet" << "A route is printer, screen or both, not tablet"
                                     << "P";
    QTest::newRow("an unknown department") << "SOUPS" << "screen" << "There is no department SOUPS" << "P";
    QTest::newRow("a quote in the name") << "O'BRIEN'S" << "screen" << "There is no department O'BRIEN'S" << "P";
}

void TestKitchen::routesByWord()
{
    QFETCH(QString, department);
    QFETCH(QString, word);
    QFETCH(QString, error);
    QFETCH(QString, stored);
    TestShop shop;
    QString said;
    QCOMPARE(DepartmentRoutes::set(department, word, &said), error.isEmpty());
    QCOMPARE(said, error);
    QCOMPARE(TestShop::value("SELECT Route FROM Departments WHERE Department='MAINS'").toString(), stored);
    QStringList lines;
    QVERIFY(DepartmentRoutes::list(&lines));
    QVERIFY(lines.contains(QStringLiteral("DESSERTS: printer (label and kitchen)")));
    QVERIFY(lines.contains(QStringLiteral("DRINKS: printer (no station)")));
}

BREVALON_TEST_MAIN(TestKitchen)
#include "tst_kitchen.moc"
