// The item maintenance dialog: prices from cost and markup (and the conflict question), a new
// item with its picture and starting stock deleted again, updates that keep other tills' sales,
// the searches, the stock level rebuild, a list that pages through a large catalogue, and every
// refusal (a file that is no picture too) leaving the tables as they were.

#include "tests/maintenance/backoffice.h"

#include "maintenance/itemlistmodel.h"
#include "maintenance/vendtable.h"
#include "tests/support/salerows.h"

#include "core/zkdb.h"

#include <QSqlDatabase>

namespace {

QLineEdit* field(VendTable& d, const char* name)
{
    return d.findChild<QLineEdit*>(QLatin1String(name));
}

/** Sets fields written "Name=text" as if typed (they count as edited). */
void fill(VendTable& d, const QStringList& fields)
{
    for (const QString& f : fields) {
        QLineEdit* edit = field(d, qPrintable(f.section('=', 0, 0)));
        QVERIFY2(edit, qPrintable(f));
        edit->setText(f.section('=', 1));
        edit->setModified(true);
    }
}

QString item(const QString& column, const QString& code)
{
    return BackOffice::text(QString("SELECT %1 FROM Inventory WHERE Code='%2'").arg(column, code));
}

} // namespace

class TestVendTable : public QObject
{
    Q_OBJECT

private slots:
    void pricesFromCostAndMarkup_data();
    void pricesFromCostAndMarkup();
    void typedPriceConflict_data();
    void typedPriceConflict();
    void newItemWithPicture();
    void newItemRefusals_data();
    void newItemRefusals();
    void updateKeepsOtherTillsSales();
    void lastSaveWins();
    void changeRefusals_data();
    void changeRefusals();
    void searches_data();
    void searches();
    void stockLevelRebuild();
    void listPagesThroughTheCatalogue();
};

void TestVendTable::pricesFromCostAndMarkup_data()
{
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<bool>("tax2");
    QTest::addColumn<QStringList>("prices");
    // Markups 1.5, 1.2 and 1.1 on a cost of 10.00; tax 1 is 15%, tax 2 is 2%.
    QTest::newRow("tax included") << "I" << false << QStringList {"17.25", "13.80", "12.65"};
    QTest::newRow("both taxes included") << "I" << true << QStringList {"17.55", "14.04", "12.87"};
    QTest::newRow("tax added on top") << "E" << true << QStringList {"15.00", "12.00", "11.00"};
}

void TestVendTable::pricesFromCostAndMarkup()
{
    QFETCH(QString, taxMode);
    QFETCH(bool, tax2);
    QFETCH(QStringList, prices);
    BackOffice shop;
    TestShop::exec("UPDATE SysInfo SET TaxMode='" + taxMode + "'");
    utils->initClass(true);
    VendTable d;
    d.Tax1CheckBox->setChecked(true);
    d.Tax2CheckBox->setChecked(tax2);
    fill(d, {"MarkupEdit=1.5", "Tier1MarkupEdit=1.2", "Tier2MarkupEdit=1.1"});
    QTest::keyClicks(d.CostEdit, "10.00");
    QCOMPARE((QStringList {d.SellEdit->text(), d.Tier1SellEdit->text(), d.Tier2SellEdit->text()}), prices);
    // Ticking a tax box off works the prices out again.
    d.Tax2CheckBox->click();
    d.Tax1CheckBox->click();
    QCOMPARE(d.SellEdit->text(), taxMode == "E" ? "15.00" : tax2 ? "15.00" : "15.30");
}

void TestVendTable::typedPriceConflict_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("fields"); // cost, base markup, base price after the answer
    // 20.00 with 15% tax is 17.39 before tax: against a cost of 10.00 and a markup of 1.5.
    QTest::newRow("markup") << 0 << QStringList {"10.00", "1.7390", "20.00"};
    QTest::newRow("cost") << 1 << QStringList {"11.59", "1.5", "20.00"};
    QTest::newRow("ignore") << 2 << QStringList {"10.00", "1.5", "20.00"};
}

void TestVendTable::typedPriceConflict()
{
    QFETCH(int, answer);
    QFETCH(QStringList, fields);
    BackOffice shop;
    VendTable d;
    d.Tax1CheckBox->setChecked(true);
    fill(d, {"MarkupEdit=1.5", "Tier1MarkupEdit=1.5", "Tier2MarkupEdit=1.5"});
    QTest::keyClicks(d.CostEdit, "10.00");
    d.SellEdit->setText("20.00");
    d.SellEdit->setModified(true);
    shop.expect({"Q||Selling at 20.00 : Calculated as 17.25|" + QString::number(answer)});
    emit d.SellEdit->editingFinished();
    PROMPTED(shop);
    QCOMPARE((QStringList {d.CostEdit->text(), d.MarkupEdit->text(), d.SellEdit->text()}), fields);
    // The same price again asks nothing.
    emit d.SellEdit->editingFinished();
}

void TestVendTable::newItemWithPicture()
{
    BackOffice shop;
    VendTable d;
    // A file that only calls itself a picture is refused.
    shop.expectPictureFile(shop.fakePictureFile());
    shop.expect({"W|Choose Image|notes.png is not a picture that Brevalon can read"});
    d.ImagePushButton->click();
    QVERIFY(d.picture().isNull());
    d.DepartmentComboBox->setCurrentText("DELI");
    d.SupplierComboBox->setCurrentText("FRESH FOODS WHOLESALE");
    fill(d,
         {"CodeEdit=9001", "DescriptionEdit=Rye Bread", "UomEdit=each", "CostEdit=12.00", "MarkupEdit=1.5",
          "SellEdit=20.70", "Tier1MarkupEdit=1.2", "Tier1SellEdit=16.56", "Tier2MarkupEdit=1.1", "Tier2SellEdit=15.18",
          "StockLevelEdit=24", "ReOrderEdit=6", "ToQuantityEdit=30", "DTREdit=0", "TouchEdit=Rye"});
    shop.expectPictureFile(shop.pictureFile(120, 90));
    d.ImagePushButton->click();
    QCOMPARE(d.picture().size(), QSize(56, 42));
    d.NewPushButton->click();
    PROMPTED(shop);

    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Code='9001' AND Department='DELI' AND "
                             "Description='RYE BREAD' AND UnitOfMeasure='EACH' AND Price=20.70 AND Cost=12 AND "
                             "Quantity=24 AND ReOrder=6 AND ToQuantity=30 AND Tax1='Y' AND Tax2<>'Y' AND "
                             "Supplier='FRESH FOODS WHOLESALE'"),
             1);
    QCOMPARE(item("Rank", "9001"), "44");
    QCOMPARE(BackOffice::text("SELECT Label FROM Images WHERE Code='9001'"), "RYE");
    const QImage stored = Utility::decodeImage(
        BackOffice::text("SELECT Image FROM Images WHERE Code='9001'").toLatin1(), 1 << 20, QString(), 56, 76);
    QCOMPARE(stored.size(), QSize(56, 42));
    QCOMPARE(stored.pixelColor(28, 20), QColor(200, 60, 50));
    QCOMPARE(BackOffice::text("SELECT t.Notes FROM StockTrace t JOIN StockTraceItem i ON i.TraceNumber=t.MyNumber "
                              "WHERE i.Code='9001' AND i.Quantity=24 AND t.SP='MM'"),
             "INITIAL STOCK QUANITY ON HAND");
    QCOMPARE(actionLines(), QStringList {"INVENTORY|ADDED RYE BREAD STOCK LEVEL 24.000"});
    // The list shows it, highlighted and loaded.
    QCOMPARE(d.loadedCode(), "9001");
    QCOMPARE(d.model()->code(d.ListView->currentIndex().row()), "9001");

    // Deleted, it takes its picture along.
    shop.expect({"Q|Delete Entry|RYE BREAD, Code 9001|0"});
    d.DeletePushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Code='9001'"), 0);
    QCOMPARE(TestShop::count("SELECT Code FROM Images WHERE Code='9001'"), 0);
    QCOMPARE(actionLines().last(), "INVENTORY|DELETED RYE BREAD");
    QCOMPARE(d.loadedCode(), QString());
    QCOMPARE(d.model()->rowOf("9001"), -1);
}

void TestVendTable::newItemRefusals_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    const QStringList good {"CodeEdit=9002", "DescriptionEdit=OAT MILK", "CostEdit=10", "SellEdit=17.25"};
    auto with = [&good](const QString& changed) {
        QStringList f = good;
        for (QString& g : f) {
            if (g.section('=', 0, 0) == changed.section('=', 0, 0))
                g = changed;
        }
        if (!f.contains(changed))
            f << changed;
        return f;
    };
    QTest::newRow("no description") << with("DescriptionEdit=") << "You must specify the Description";
    QTest::newRow("no code") << with("CodeEdit= ") << "You must specify the Code and Description";
    QTest::newRow("code taken") << with("CodeEdit=1001") << "The code 1001 is already allocated to COCA-COLA 330ML";
    QTest::newRow("description taken, any case")
        << with("DescriptionEdit=espresso") << "The product ESPRESSO is already allocated Code 1101";
    QTest::newRow("negative price") << with("SellEdit=-5") << "The base price must be a number from 0.00";
    QTest::newRow("price beyond the column") << with("Tier2SellEdit=123456789") << "The tier 2 price must be";
    QTest::newRow("cost that is no number") << with("CostEdit=ten") << "The cost must be a number";
    QTest::newRow("negative markup") << with("Tier1MarkupEdit=-1.2")
                                     << "The tier 1 markup of -1.2 gives a negative price";
    QTest::newRow("negative starting stock")
        << with("StockLevelEdit=-3") << "The stock on hand must be a number from 0.000";
    QTest::newRow("absurd quantity") << with("ToQuantityEdit=99999999") << "The quantity to order to must be";
    QTest::newRow("negative renewal") << with("DTREdit=-1") << "The days to renewal must be";
}

void TestVendTable::newItemRefusals()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    BackOffice shop;
    const QStringList before = BackOffice::snapshot();
    VendTable d;
    fill(d, fields);
    shop.refuse(d, "NewPushButton", {"W|New Entry|" + message}, before);
}

void TestVendTable::updateKeepsOtherTillsSales()
{
    BackOffice shop;
    const QString till2 = shop.openSecondStation();
    VendTable d;
    QVERIFY(d.showItem("1001"));
    QCOMPARE(d.StockLevelEdit->text(), "96.000");
    // Another till sells three while the item is open here.
    QSqlQuery(QSqlDatabase::database(till2)).exec("UPDATE Inventory SET Quantity=Quantity-3 WHERE Code='1001'");
    fill(d, {"SellEdit=20.00", "ReOrderEdit=30"});
    d.Tax2CheckBox->setChecked(true);
    shop.expect({"Q|Modify Entry|Confirm that you will update the highlighted entry\nCOCA-COLA 330ML, Code "
                 "1001|0"});
    d.UpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(item("Quantity", "1001").toDouble(), 93.0);
    QCOMPARE(item("Price", "1001").toDouble(), 20.0);
    QCOMPARE(item("ReOrder", "1001").toDouble(), 30.0);
    QCOMPARE(d.StockLevelEdit->text(), "93.000");

    // A level typed here moves the stock by the difference, traced as a correction.
    QSqlQuery(QSqlDatabase::database(till2)).exec("UPDATE Inventory SET Quantity=Quantity-1 WHERE Code='1001'");
    fill(d, {"StockLevelEdit=100"});
    shop.expect({"Q|Modify Entry||0"});
    d.UpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(item("Quantity", "1001").toDouble(), 99.0);
    QCOMPARE(BackOffice::number("SELECT Quantity FROM StockTraceItem WHERE Code='1001' AND Adjustment='Y'"), 7.0);
    QCOMPARE(actionLines(),
             (QStringList {"INVENTORY|UPDATE COCA-COLA 330ML : PRICE WAS 18.50 NOW 20.00",
                           "INVENTORY|UPDATE COCA-COLA 330ML : TAX2 ENABLED",
                           "INVENTORY|UPDATE COCA-COLA 330ML : STOCK LEVEL WAS 93.000 NOW 100.000"}));
}

void TestVendTable::lastSaveWins()
{
    BackOffice shop;
    VendTable first;
    VendTable second;
    QVERIFY(first.showItem("1003"));
    QVERIFY(second.showItem("1003"));
    fill(first, {"DescriptionEdit=SPARKLING WATER 1L", "SellEdit=25.00"});
    fill(second, {"UomEdit=CASE", "SellEdit=180.00"});
    shop.expect({"Q|Modify Entry||0", "Q|Modify Entry||0"});
    first.UpdatePushButton->click();
    second.UpdatePushButton->click();
    PROMPTED(shop);
    // One whole row, as the second till saved it.
    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Code='1003'"), 1);
    QCOMPARE(item("Description", "1003"), "SPARKLING WATER 500ML");
    QCOMPARE(item("UnitOfMeasure", "1003"), "CASE");
    QCOMPARE(item("Price", "1003").toDouble(), 180.0);
    QCOMPARE(item("Quantity", "1003").toDouble(), 48.0);
}

void TestVendTable::changeRefusals_data()
{
    QTest::addColumn<QString>("code"); // the item loaded; empty: none
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("prompts");
    QTest::newRow("update with nothing highlighted")
        << "" << QStringList() << "UpdatePushButton"
        << QStringList {"W|Modify Entry|You must higlight an entry to modify"};
    QTest::newRow("delete with nothing highlighted")
        << "" << QStringList() << "DeletePushButton"
        << QStringList {"W|Delete Entry|You must higlight an entry to delete"};
    QTest::newRow("update to a code taken")
        << "1001" << QStringList {"CodeEdit=1002"} << "UpdatePushButton"
        << QStringList {"W|Modify Entry|The code 1002 is already allocated to COKE ZERO"};
    QTest::newRow("update emptied") << "1001" << QStringList {"DescriptionEdit="} << "UpdatePushButton"
                                    << QStringList {"W|Modify Entry|You must specify the Code and Description"};
    QTest::newRow("update declined") << "1001" << QStringList {"SellEdit=1.00"} << "UpdatePushButton"
                                     << QStringList {"Q|Modify Entry||1", "I|Modify Entry|Operation cancelled"};
    QTest::newRow("delete declined") << "1001" << QStringList() << "DeletePushButton"
                                     << QStringList {"Q|Delete Entry|from the system?|1",
                                                     "I|Delete Entry|Operation cancelled"};
    QTest::newRow("delete of an item in a composition")
        << "1102" << QStringList() << "DeletePushButton"
        << QStringList {"W|Delete Entry|CAPPUCCINO is part of the composition BREAKFAST SPECIAL"};
    QTest::newRow("delete of an item on an open bill")
        << "2001" << QStringList() << "DeletePushButton"
        << QStringList {"W|Delete Entry|GARLIC BREAD is on the open bill or order"};
    QTest::newRow("top item moved up") << "1001" << QStringList() << "RankUpPushButton"
                                       << QStringList {"W|Modify Entry|Selected item is already at top of ranking"};
    QTest::newRow("rebuild declined") << "1001" << QStringList() << "StockFixPushButton"
                                      << QStringList {"Q|Brevalon|stock receieved and dispensed ?|1",
                                                      "I|Brevalon|Operation cancelled"};
}

void TestVendTable::changeRefusals()
{
    QFETCH(QString, code);
    QFETCH(QStringList, fields);
    QFETCH(QString, button);
    QFETCH(QStringList, prompts);
    BackOffice shop;
    // Garlic bread on a table's open bill.
    SaleRows::invoice(2, {SaleRows::item("2001")});
    const QStringList before = BackOffice::snapshot();
    VendTable d;
    if (!code.isEmpty())
        QVERIFY(d.showItem(code));
    fill(d, fields);
    shop.refuse(d, button, prompts, before);
}

void TestVendTable::searches_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("code") << 0 << "6009002000016" << "6009002000016" << "";
    QTest::newRow("code in small letters") << 0 << "b" << "" << "No entry with code <b>B</b> located";
    QTest::newRow("exact description") << 1 << "full cream milk 1l" << "6002" << "";
    QTest::newRow("closest description")
        << 1 << "COKE" << "1002"
        << "The exact match of <b>COKE</b> was not found.<p>The closest match <b>COKE ZERO 330ML</b>";
    QTest::newRow("description nowhere") << 1 << "ZEBRA" << "" << "No entry matching <b>ZEBRA</b> found";
    QTest::newRow("department by its start") << 2 << "hot" << "1101" << "";
    QTest::newRow("department without items") << 2 << "SPECIALS" << "" << "No entry with Department <b>SPECIALS</b>";
}

void TestVendTable::searches()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, found);
    QFETCH(QString, prompt);
    BackOffice shop;
    VendTable d;
    d.SearchComboBox->setCurrentIndex(mode);
    if (!prompt.isEmpty())
        shop.expect({"I|Brevalon - Stock Management|" + prompt});
    QTest::keyClicks(d.SearchEdit, text);
    QTest::keyClick(d.SearchEdit, Qt::Key_Return);
    PROMPTED(shop);
    QCOMPARE(d.loadedCode(), found);
    if (!found.isEmpty())
        QCOMPARE(d.model()->code(d.ListView->currentIndex().row()), found);
    if (mode == 2 && !found.isEmpty())
        QCOMPARE(d.model()->department(), "HOT DRINKS");
}

void TestVendTable::stockLevelRebuild()
{
    BackOffice shop;
    TestShop::exec("INSERT INTO StockTraceItem (TraceNumber, Quantity, Description, Code) VALUES "
                   "(1, 40, 'HONEY 500G', '6004'), (2, 10, 'HONEY 500G', '6004'), (3, 99, 'OLIVE OIL 500ML', '6005')");
    // Posted, refunded, archived and posted: they count; a quote and an open bill do not.
    const int sold = SaleRows::invoice(1, {SaleRows::item("6004", 2)});
    const int refunded = SaleRows::invoice(1, {SaleRows::item("6004", -1)});
    const int quoted = SaleRows::invoice(1, {SaleRows::item("6004", 5)});
    SaleRows::invoice(3, {SaleRows::item("6004", 7)});
    TestShop::exec(QString("INSERT INTO Journal (AccountNumber, Description, MyNumber, Amount) VALUES "
                           "(1, 'I', %1, 158), (1, 'RF', %2, -79), (1, 'Q', %3, 395)")
                       .arg(sold)
                       .arg(refunded)
                       .arg(quoted));
    TestShop::exec("INSERT INTO InvoiceItemArchive (MyNumber, InvoiceNumber, Quantity, Category, Code, Description) "
                   "VALUES (900, 77, 3, 'Inventory', '6004', 'HONEY 500G')");
    TestShop::exec(
        "INSERT INTO JournalArchive (AccountNumber, Description, MyNumber, Amount) VALUES (1, 'I', 77, 237)");
    VendTable d;
    QVERIFY(d.showItem("6004"));
    shop.expect({"Q|Brevalon|Confirm that you wish to update the stock levels|0"});
    d.StockFixPushButton->click();
    PROMPTED(shop);
    QCOMPARE(item("Quantity", "6004").toDouble(), 50.0 - (2 - 1 + 3));
    QCOMPARE(d.StockLevelEdit->text(), "46.000");
}

void TestVendTable::listPagesThroughTheCatalogue()
{
    BackOffice shop;
    QStringList rows;
    for (int i = 0; i < 450; ++i)
        rows << QString("('P%1', 'BULK', 'BULK ITEM %1', %2)").arg(i, 4, 10, QLatin1Char('0')).arg(100 + i);
    TestShop::exec("INSERT INTO Inventory (Code, Department, Description, Rank) VALUES " + rows.join(','));
    VendTable d;
    ItemListModel* m = d.model();
    // It opens on a page, not on the whole table.
    QVERIFY(m->rowCount() >= ItemListModel::kPage && m->rowCount() < 43 + 450);
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());
    QCOMPARE(m->rowCount(), 43 + 450);

    // Found in the middle: a window around it, in button order both ways.
    QVERIFY(d.showItem("P0300"));
    QVERIFY(m->rowCount() < 43 + 450);
    QCOMPARE(m->code(d.ListView->currentIndex().row()), "P0300");
    const int above = m->fetchBefore();
    QVERIFY(above > 0);
    QCOMPARE(m->code(m->rowOf("P0300") - 1), "P0299");
    QCOMPARE(m->code(0), QString("P%1").arg(300 - ItemListModel::kPage / 2 - above, 4, 10, QLatin1Char('0')));
    QCOMPARE(d.loadedCode(), "P0300");
}

BREVALON_TEST_MAIN(TestVendTable)
#include "tst_vendtable.moc"
