// The kitchen screens' side of the database: the departments' routes
// deciding what goes to the screens and what to the paper, the dockets an
// order leaves there (once, as printed), bumps and recalls, and the
// preparation times report.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "kitchen/departmentroutes.h"
#include "kitchen/docketcard.h"
#include "kitchen/kitchenboard.h"
#include "kitchen/preparationtimes.h"
#include "tests/posting/postingshop.h"

#include <QJsonArray>
#include <QSqlQuery>
#include <QTest>

namespace {

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

QString docket(const QString& items)
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
                       .arg(ordered, Utility::escapeSQL(document.isEmpty() ? docket(QString()) : document),
                            bumped.isEmpty() ? QStringLiteral("NULL") : "'" + bumped + "'"));
}

} // namespace

class TestKitchenScreen : public QObject
{
    Q_OBJECT

private slots:
    void routing_data();
    void routing();
    void anOrderReachesTheScreenOnce();
    void bumpAndRecall();
    void preparationTimes();
    void routesByWord_data();
    void routesByWord();
};

void TestKitchenScreen::routing_data()
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

void TestKitchenScreen::routing()
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

void TestKitchenScreen::anOrderReachesTheScreenOnce()
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

void TestKitchenScreen::bumpAndRecall()
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

void TestKitchenScreen::preparationTimes()
{
    TestShop shop(TestShop::EmptyTables);
    const QString fish = item("2.00", "FISH & CHIPS"), soup = item("1.00", "SOUP OF THE DAY");
    addDocket(1, 2, "10:00:00", "2026-12-05 10:12:00", docket(fish + item("", "NO SALT") + item("", "")));
    addDocket(2, 2, "10:40:00", "2026-12-05 10:48:30", docket(item("1.00", "FISH & CHIPS") + soup));
    addDocket(3, 1, "12:05:00", "2026-12-05 12:09:00", docket(soup));
    addDocket(4, 2, "13:00:00", "2026-12-05 14:02:05", docket(item("0.50", "LAMB CHOPS")));
    addDocket(5, 2, "13:30:00", QString(), docket(soup));                       // not done yet
    TestShop::exec("UPDATE KitchenDockets SET MyDate='2026-12-04 23:50:00' WHERE Id=5"); // nor of the day
    addDocket(6, 2, "09:00:00", QString(), docket(fish));

    const DocParts report = DocParts::parse(PreparationTimes::report(QDate(2026, 12, 5), QDate(2026, 12, 5)));
    QVERIFY(report.valid);
    QCOMPARE(report.head.pick({"type=report", "columns=5", "sorting=false", "export=enabled"}),
             (QStringList{"type=report", "columns=5", "sorting=false", "export=enabled"}));
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

void TestKitchenScreen::routesByWord_data()
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

void TestKitchenScreen::routesByWord()
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

BREVALON_TEST_MAIN(TestKitchenScreen)
#include "tst_kitchenscreen.moc"
