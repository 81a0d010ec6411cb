// Ringing items up at the counter: by code, by a weighing scale's label, by
// the start or any part of a description; the item loaded with its stock
// and tier price; the sale line's columns; compositions; note lines;
// unvalidated items; and every bad entry refused without a line or a row.

#include "tests/sales/counter.h"

#include "core/zklistitem.h"

#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

namespace {

QString actionInfo(const QString& action)
{
    return TestShop::value(QStringLiteral("SELECT Info FROM Actions WHERE Action='%1' ORDER BY id DESC").arg(action))
        .toString();
}

} // namespace

class TestItemEntry : public QObject
{
    Q_OBJECT

private slots:
    void scanningAddsTheItem_data();
    void scanningAddsTheItem();
    void askQuantityWaitsForTheQuantity();
    void descriptionSearchLists_data();
    void descriptionSearchLists();
    void choosingFromTheListLoadsThatItem();
    void theLineCarriesSeventeenColumns();
    void stockLevelAndLowStock_data();
    void stockLevelAndLowStock();
    void priceTiers();
    void tierNamesComeFromSysInfo();
    void compositionsWithDiscounts_data();
    void compositionsWithDiscounts();
    void compositionChoicePending();
    void noteLines_data();
    void noteLines();
    void unvalidatedItems_data();
    void unvalidatedItems();
    void badInputAddsNothing_data();
    void badInputAddsNothing();
    void typeChangeNamesTheTaxes();
    void lostDatabaseKeepsTheSale();
};

void TestItemEntry::scanningAddsTheItem_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("amount");
    QTest::newRow("code") << "1102" << "CAPPUCCINO" << "1" << "32.00";
    QTest::newRow("code typed in lower case") << "cx-9" << "CASE KETTLE" << "1" << "12.00";
    QTest::newRow("thirteen-digit item code is not a scale label")
        << "6009002000016" << "DARK CHOCOLATE 80G" << "1" << "32.00";
    QTest::newRow("scale label prices an item without price") << "2000010123456" << "BILTONG (PRICED BY SCALE)"
                                                               << "1" << "123.45";
    QTest::newRow("scale label weighs an item with a price") << "2000020007501" << "CHEDDAR CHEESE" << "0.750"
                                                              << "111.75";
    QTest::newRow("code with a quote") << "Q'1" << "QUOTE'S CAKE" << "1" << "9.50";
}

void TestItemEntry::scanningAddsTheItem()
{
    QFETCH(QString, entry);
    QFETCH(QString, description);
    QFETCH(QString, quantity);
    QFETCH(QString, amount);
    Counter till;
    TestShop::exec(QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, Tax1, "
                                  "Tax2) VALUES ('cx-9', 'GROCERY', 'CASE KETTLE', 'EACH', 12, 'Y', 'N')"));
    TestShop::exec(QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, Tax1, "
                                  "Tax2) VALUES ('Q''1', 'DELI', 'QUOTE''S CAKE', 'EACH', 9.5, 'Y', 'N')"));
    till.scan(entry);
    QCOMPARE(till.lines(), 1);
    QCOMPARE(till.cell(0, Sales::ColDescription), description);
    QCOMPARE(till.cell(0, Sales::ColQuantity), quantity);
    QCOMPARE(till.cell(0, Sales::ColAmount), amount);
    QCOMPARE(till.total(), amount);
    // Ready for the next item.
    QCOMPARE(till.w().ItemComboBox->currentText(), QString());
    QCOMPARE(till.w().QuantityEdit->text(), QStringLiteral("1"));
    QCOMPARE(till.w().PriceEdit->text(), QString());
    QVERIFY(!till.w().itemValidated());
    QVERIFY(till.w().ItemComboBox->hasFocus());
}

void TestItemEntry::askQuantityWaitsForTheQuantity()
{
    Counter till({QStringLiteral("Discount"), QStringLiteral("PriceOveride")}, true);
    till.scan(QStringLiteral("1102"));
    QCOMPARE(till.lines(), 0);
    QVERIFY(till.w().itemValidated());
    QVERIFY(till.w().QuantityEdit->hasFocus());
    QCOMPARE(till.w().QuantityEdit->selectedText(), QStringLiteral("1"));
    QTest::keyClicks(till.w().QuantityEdit, QStringLiteral("3"));
    QCOMPARE(till.w().QtyLabel->text(), QStringLiteral("3"));
    QCOMPARE(till.w().TotalEdit->text(), QStringLiteral("96.00"));
    QTest::keyClick(till.w().QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.summary(), QStringList{QStringLiteral("CAPPUCCINO=96.00")});
    QCOMPARE(till.cell(0, Sales::ColQuantity), QStringLiteral("3"));

    // The scale's weighed item with no price waits in the price field.
    till.scan(QStringLiteral("2000010"));
    QVERIFY(till.w().QuantityEdit->hasFocus());
    QTest::keyClick(till.w().QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.lines(), 1);
    QVERIFY(till.w().PriceEdit->hasFocus());
    QTest::keyClicks(till.w().PriceEdit, QStringLiteral("80"));
    QTest::keyClick(till.w().PriceEdit, Qt::Key_Return);
    QCOMPARE(till.lines(), 2);
    QCOMPARE(till.cell(1, Sales::ColAmount), QStringLiteral("80.00"));
}

void TestItemEntry::descriptionSearchLists_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("prefix, in description order")
        << "chicken" << QStringList{"CHICKEN SCHNITZEL", "CHICKEN WINGS (6)"} << QStringList{"3002", "2003"};
    QTest::newRow("prefix wins over substring") << "CHOC" << QStringList{"CHOCOLATE BROWNIE"} << QStringList{"4001"};
    QTest::newRow("substring when no prefix")
        << "WATER" << QStringList{"SPARKLING WATER 500ML", "STILL WATER 500ML"} << QStringList{"1003", "1004"};
    QTest::newRow("exact description is listed, not added") << "ESPRESSO" << QStringList{"ESPRESSO"}
                                                            << QStringList{"1101"};
    QTest::newRow("quote in the words") << "QUOTE'S" << QStringList{"QUOTE'S CAKE"} << QStringList{"Q'1"};
}

void TestItemEntry::descriptionSearchLists()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, codes);
    Counter till;
    TestShop::exec(QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, Tax1, "
                                  "Tax2) VALUES ('Q''1', 'DELI', 'QUOTE''S CAKE', 'EACH', 9.5, 'Y', 'N')"));
    till.scan(entry);
    QCOMPARE(till.lines(), 0);
    Sales& w = till.w();
    QStringList shown;
    for (int i = 0; i < w.ItemComboBox->count(); ++i)
        shown << w.ItemComboBox->itemText(i);
    QCOMPARE(shown, listed);
    QCOMPARE(w.itemCodes(), codes);
    // The first entry is loaded and ready: Return again adds it.
    QCOMPARE(w.ItemComboBox->currentText(), listed.first());
    QVERIFY(w.itemValidated());
    QCOMPARE(w.codeLabel->text(), codes.first());
    till.enter();
    QCOMPARE(till.lines(), 1);
    QCOMPARE(till.cell(0, Sales::ColCode), codes.first());
}

void TestItemEntry::choosingFromTheListLoadsThatItem()
{
    Counter till;
    Sales& w = till.w();
    till.scan(QStringLiteral("WATER"));
    QCOMPARE(w.codeLabel->text(), QStringLiteral("1003"));
    w.ItemComboBox->setCurrentIndex(1);
    emit w.ItemComboBox->textActivated(w.ItemComboBox->itemText(1));
    QCOMPARE(w.codeLabel->text(), QStringLiteral("1004"));
    QCOMPARE(w.PriceEdit->text(), QStringLiteral("14.00"));
    till.enter();
    QCOMPARE(till.summary(), QStringList{QStringLiteral("STILL WATER 500ML=14.00")});
}

void TestItemEntry::theLineCarriesSeventeenColumns()
{
    Counter till;
    Sales& w = till.w();
    w.SalesGuiPersonEdit->setText(QStringLiteral("MM"));
    TestShop::exec(QStringLiteral("UPDATE Inventory SET DTR=14 WHERE Code='6006'"));
    till.type(QStringLiteral("1006"));
    // Loaded by Return with the quantity asked: the fields can be changed.
    settings->writeEntry(QStringLiteral("/Global/QtyCheck"), true);
    till.enter();
    Counter::retype(w.QuantityEdit, QStringLiteral("2"));
    Counter::retype(w.LessEdit, QStringLiteral("12.5"));
    QCOMPARE(w.TotalEdit->text(), QStringLiteral("66.50"));
    QTest::keyClick(w.LessEdit, Qt::Key_Return);
    QCOMPARE(till.line(0), (QStringList{"2", "LAGER DRAUGHT 500ML", "12.5", "66.50", "Inventory", "1006", "GLASS",
                                        "2026-12-05 10:30:00", "Y", "Y", "", "MM", "DRINKS", "41.30", "N", "0", "0"}));
    QCOMPARE(till.w().ItemEchoLabel->text(),
             QStringLiteral("<html>2&nbsp;LAGER DRAUGHT 500ML&nbsp;&nbsp;66.50</html>"));
    QCOMPARE(actionInfo(QStringLiteral("ADD ITEM")), QStringLiteral("2 LAGER DRAUGHT 500ML @ 66.50"));
    QCOMPARE(w.LessEdit->text(), w.defaultDiscount());

    // A returnable item with a DTR, quantity one: no quantity on the echo.
    till.scan(QStringLiteral("6006"));
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.cell(1, Sales::ColReturnable), QStringLiteral("Y"));
    QCOMPARE(till.cell(1, Sales::ColDtr), QStringLiteral("14"));
    QCOMPARE(till.cell(1, Sales::ColTax2), QStringLiteral("N"));
    QCOMPARE(w.ItemEchoLabel->text(), QStringLiteral("<html>GAS CYLINDER 9KG&nbsp;&nbsp;389.00</html>"));

    // A line goes in after the selected one.
    w.VendListView->setCurrentItem(w.VendListView->topLevelItem(0));
    till.scan(QStringLiteral("1101"));
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.cell(1, Sales::ColCode), QStringLiteral("1101"));
    QCOMPARE(till.cell(2, Sales::ColCode), QStringLiteral("6006"));
    QCOMPARE(w.VendListView->currentItem(), w.VendListView->topLevelItem(1));
    QVERIFY(w.VendListView->topLevelItem(1)->type() == ZkListItem::Type);
}

void TestItemEntry::stockLevelAndLowStock_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("status");
    QTest::newRow("well stocked shows blue") << "1001" << "96.00" << true << QColor(0, 0, 255) << "";
    QTest::newRow("at or under re-order shows red")
        << "1009" << "8.00" << true << QColor(255, 0, 0) << "Low Stock - GINGER BEER 330ML : 8.00";
    QTest::newRow("below zero shows as nothing left")
        << "6003" << "0.00" << true << QColor(255, 0, 0) << "Low Stock - FILTER COFFEE 250G : 0.00";
    QTest::newRow("not stocked shows no level") << "1102" << "0.00" << false << QColor() << "";
}

void TestItemEntry::stockLevelAndLowStock()
{
    QFETCH(QString, code);
    QFETCH(QString, level);
    QFETCH(bool, shown);
    QFETCH(QColor, colour);
    QFETCH(QString, status);
    Counter till({}, true);
    TestShop::exec(QStringLiteral("UPDATE Inventory SET Quantity=-4 WHERE Code='6003'"));
    Sales& w = till.w();
    till.scan(code);
    QCOMPARE(w.stockLevelLabel->text(), level);
    QCOMPARE(w.stockLevelLabel->isVisible(), shown);
    QCOMPARE(w.StockLabel->isVisible(), shown);
    if (shown)
        QCOMPARE(w.stockLevelLabel->palette().color(QPalette::WindowText), colour);
    QCOMPARE(w.status(), status);
    QCOMPARE(till.shop.prompts().beeps(), status.isEmpty() ? 0 : 1);
}

void TestItemEntry::priceTiers()
{
    Counter till({}, true);
    Sales& w = till.w();
    till.scan(QStringLiteral("1102"));
    QCOMPARE(w.PriceEdit->text(), QStringLiteral("32.00"));
    const struct
    {
        int tier;
        const char* price;
        QColor button;
    } steps[] = {
        {1, "28.80", utils->buttonPalette(5).color(QPalette::Button)},
        {2, "25.60", utils->buttonPalette(1).color(QPalette::Button)},
        {0, "32.00", QApplication::palette().color(QPalette::Button)},
    };
    for (const auto& s : steps) {
        w.PriceComboBox->setCurrentIndex(s.tier);
        emit w.PriceComboBox->activated(s.tier);
        QCOMPARE(w.PriceEdit->text(), QLatin1String(s.price));
        QCOMPARE(w.PriceComboBox->palette().color(QPalette::Button), s.button);
        QVERIFY(w.itemValidated());
        QCOMPARE(till.lines(), 0);
    }
    // The tier stays for the next items.
    w.PriceComboBox->setCurrentIndex(2);
    emit w.PriceComboBox->activated(2);
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    till.scan(QStringLiteral("1001"));
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.summary(), (QStringList{"CAPPUCCINO=25.60", "COCA-COLA 330ML=14.80"}));
}

void TestItemEntry::tierNamesComeFromSysInfo()
{
    Counter till;
    Sales& w = till.w();
    QCOMPARE(w.PriceComboBox->count(), 3);
    QCOMPARE(w.PriceComboBox->itemText(0), QStringLiteral("Retail"));
    QCOMPARE(w.PriceComboBox->itemText(1), QStringLiteral("Staff"));
    QCOMPARE(w.PriceComboBox->itemText(2), QStringLiteral("Wholesale"));
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET BaseName=NULL, Tier2Name='Trade'"));
    w.PriceComboBox->setCurrentIndex(1);
    w.checkPriceTiers();
    QCOMPARE(w.PriceComboBox->itemText(0), QStringLiteral("Base"));
    QCOMPARE(w.PriceComboBox->itemText(2), QStringLiteral("Trade"));
    QCOMPARE(w.PriceComboBox->currentIndex(), 1);
}

void TestItemEntry::compositionsWithDiscounts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("discounts");
    QTest::addColumn<QString>("total");
    const QString remark = QStringLiteral("Full breakfast with coffee and juice=0.00");
    QTest::newRow("one set, discounts of the set only")
        << "BREAKFAST SPECIAL" << "1" << "0"
        << QStringList{remark, "FULL BREAKFAST=85.50", "CAPPUCCINO=24.00", "ORANGE JUICE=12.00"}
        << QStringList{"0.00", "10", "25", "50"} << "121.50";
    QTest::newRow("the cashier's discount adds where discountable")
        << "breakfast special" << "1" << "5"
        << QStringList{remark, "FULL BREAKFAST=80.75", "CAPPUCCINO=22.40", "ORANGE JUICE=12.00"}
        << QStringList{"0.00", "15", "30", "50"} << "115.15";
    QTest::newRow("two sets: the remark counts them, each item doubles")
        << "BREAKFAST SPECIAL" << "2" << "0"
        << QStringList{"2 x " + remark, "FULL BREAKFAST=171.00", "CAPPUCCINO=48.00", "ORANGE JUICE=24.00"}
        << QStringList{"0.00", "10", "25", "50"} << "243.00";
    QTest::newRow("by its code") << "1.CMP" << "1" << "0"
                                 << QStringList{remark, "FULL BREAKFAST=85.50", "CAPPUCCINO=24.00", "ORANGE JUICE=12.00"}
                                 << QStringList{"0.00", "10", "25", "50"} << "121.50";
}

void TestItemEntry::compositionsWithDiscounts()
{
    QFETCH(QString, entry);
    QFETCH(QString, quantity);
    QFETCH(QString, discount);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, discounts);
    QFETCH(QString, total);
    Counter till;
    Sales& w = till.w();
    till.type(entry);
    w.QuantityEdit->setText(quantity);
    w.LessEdit->setText(discount);
    till.enter();
    QCOMPARE(till.summary(), lines);
    QStringList given;
    for (int i = 0; i < till.lines(); ++i)
        given << till.cell(i, Sales::ColDiscount);
    QCOMPARE(given, discounts);
    QCOMPARE(till.cell(0, Sales::ColCategory), QStringLiteral("Remarks"));
    QCOMPARE(till.cell(1, Sales::ColQuantity), quantity);
    QCOMPARE(till.total(), total);
    QVERIFY(!w.compositionPending());
    QCOMPARE(w.LessEdit->text(), w.defaultDiscount());
}

void TestItemEntry::compositionChoicePending()
{
    Counter till;
    Sales& w = till.w();
    TestShop::exec(QStringLiteral("INSERT INTO Compositions (Description, Department, Remark) VALUES "
                                  "('LUNCH SPECIAL', 'MAINS', '')"));
    TestShop::exec(QStringLiteral("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) "
                                  "VALUES (2, 1, '3006', 'N', 0)"));
    till.scan(QStringLiteral("SPECIAL"));
    QVERIFY(w.compositionPending());
    QCOMPARE(w.ItemComboBox->count(), 2);
    QCOMPARE(w.ItemComboBox->itemText(0), QStringLiteral("BREAKFAST SPECIAL"));
    QCOMPARE(till.lines(), 0);
    // The second is chosen; it has no remark, so no note line.
    w.ItemComboBox->setCurrentIndex(1);
    till.enter();
    QVERIFY(!w.compositionPending());
    QCOMPARE(till.summary(), QStringList{QStringLiteral("MARGHERITA PIZZA=98.00")});
}

void TestItemEntry::noteLines_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("category");
    QTest::newRow("remark for the invoice") << "Remarks" << "Remarks";
    QTest::newRow("private note") << "Pvt. Notes" << "Notes";
}

void TestItemEntry::noteLines()
{
    QFETCH(QString, type);
    QFETCH(QString, category);
    Counter till;
    Sales& w = till.w();
    w.TypeComboBox->setCurrentIndex(w.TypeComboBox->findText(type));
    emit w.TypeComboBox->activated(w.TypeComboBox->currentIndex());
    // Return in the entry line looks nothing up while notes are typed.
    till.scan(QStringLiteral("1102"));
    QCOMPARE(w.ItemComboBox->count(), 0);
    w.NotesEdit->setPlainText(QStringLiteral("No onions, please"));
    w.AddPushButton->click();
    QCOMPARE(till.line(0), (QStringList{"", "No onions, please", "0.00", "0.00", category, "", "",
                                        "2026-12-05 10:30:00", "N", "N", "", "", "", "0.00", "N", "", "0"}));
    QCOMPARE(w.NotesEdit->toPlainText(), QString());
    QCOMPARE(till.total(), QStringLiteral("0.00"));
}

void TestItemEntry::unvalidatedItems_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("lines");
    QTest::newRow("Yes sells it without a code") << 0 << 1;
    QTest::newRow("No leaves it") << 1 << 0;
}

void TestItemEntry::unvalidatedItems()
{
    QFETCH(int, answer);
    QFETCH(int, lines);
    Counter till({QStringLiteral("AllowUnValidated"), QStringLiteral("PriceOveride")});
    Sales& w = till.w();
    till.scan(QStringLiteral("GIFT WRAP"));
    QVERIFY(!w.itemValidated());
    w.PriceEdit->setText(QStringLiteral("15"));
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Brevalon - Sales"),
                               QStringLiteral("You have not validated this item\nDo you want to process it anyway ?\n\n"),
                               answer);
    w.AddPushButton->click();
    QCOMPARE(till.lines(), lines);
    // The buttons that need a line follow the sale.
    QCOMPARE(w.PushButton4->isEnabled(), lines > 0);
    if (lines) {
        QCOMPARE(till.cell(0, Sales::ColDescription), QStringLiteral("GIFT WRAP"));
        QCOMPARE(till.cell(0, Sales::ColCode), QString());
        QCOMPARE(till.cell(0, Sales::ColAmount), QStringLiteral("15.00"));
        QCOMPARE(TestShop::value(QStringLiteral("SELECT Status FROM Actions WHERE Action='UNVALIDATED ITEM'"))
                     .toString(),
                 QStringLiteral("2"));
        QCOMPARE(actionInfo(QStringLiteral("UNVALIDATED ITEM")), QStringLiteral("1  GIFT WRAP @ 15.00"));
    } else {
        QCOMPARE(Counter::written(), 0);
    }
}

void TestItemEntry::badInputAddsNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("quantity"); // typed after the entry, before Return
    QTest::addColumn<bool>("thenAdd");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("beeps");
    const QString unvalidated = QStringLiteral("You have not validated this item");
    QTest::newRow("negative quantity of an item")
        << "1102" << "-2" << false << "Sales" << "You can not sell negative quantities !" << 0;
    QTest::newRow("negative quantity of a composition")
        << "BREAKFAST SPECIAL" << "-1" << false << "Sales" << "You can not sell negative quantities !" << 1;
    QTest::newRow("empty entry") << "" << "" << true << "Sales" << "No valid items to vend." << 0;
    QTest::newRow("unknown number") << "99999" << "" << false << "Error" << "Inventory item not found" << 1;
    QTest::newRow("unknown words, then Add") << "ZZZ" << "" << true << "Brevalon - Sales" << unvalidated << 1;
    QTest::newRow("quotes in an unknown code") << "A'B''C" << "" << true << "Brevalon - Sales" << unvalidated << 1;
    QTest::newRow("thirteen characters with letters are no scale label")
        << "2000010AB3456" << "" << true << "Brevalon - Sales" << unvalidated << 1;
    QTest::newRow("scale label of an unknown item")
        << "2999999012345" << "" << false << "Error" << "Inventory item not found" << 1;
    QTest::newRow("composition whose item was deleted")
        << "BREAKFAST SPECIAL" << "" << false << "Error" << "Inventory item not found" << 2;
}

void TestItemEntry::badInputAddsNothing()
{
    QFETCH(QString, entry);
    QFETCH(QString, quantity);
    QFETCH(bool, thenAdd);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(int, beeps);
    Counter till;
    Sales& w = till.w();
    if (QTest::currentDataTag() == QLatin1String("composition whose item was deleted"))
        TestShop::exec(QStringLiteral("DELETE FROM Inventory WHERE Code='1102'"));
    till.shop.prompts().expect(ZkPrompt::Warning, caption, message);
    if (!entry.isEmpty())
        till.type(entry);
    if (!quantity.isEmpty())
        w.QuantityEdit->setText(quantity);
    if (!entry.isEmpty())
        till.enter();
    if (thenAdd)
        w.AddPushButton->click();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().seen().join(QLatin1Char('\n'))));
    QCOMPARE(till.shop.prompts().beeps(), beeps);
    QCOMPARE(till.lines(), 0);
    QCOMPARE(till.total(), QStringLiteral("0.00"));
    QCOMPARE(Counter::written(), 0);
}

void TestItemEntry::typeChangeNamesTheTaxes()
{
    Counter till;
    Sales& w = till.w();
    const int notes = w.TypeComboBox->findText(QStringLiteral("Pvt. Notes"));
    w.TypeComboBox->setCurrentIndex(notes);
    emit w.TypeComboBox->activated(notes);
    QCOMPARE(w.tax1_tb->text(), QStringLiteral("VAT"));
    QCOMPARE(w.tax2_tb->text(), QStringLiteral("LEVY"));
    QCOMPARE(w.status(), QStringLiteral("Notes DO NOT appear on the Invoice"));

    // No line type at all: the operator may sell nothing.
    w.TypeComboBox->clear();
    till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Sales"),
                               QStringLiteral("You have no sales privlages at all\nand my not sell anything"));
    w.AddPushButton->click();
    QCOMPARE(till.lines(), 0);
}

void TestItemEntry::lostDatabaseKeepsTheSale()
{
    Counter till({}, true);
    Sales& w = till.w();
    till.scan(QStringLiteral("1102"));
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    till.scan(QStringLiteral("1001"));
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    till.scan(QStringLiteral("1005")); // loaded, not yet added
    QCOMPARE(till.lines(), 2);
    QCOMPARE(till.total(), QStringLiteral("50.50"));

    till.loseDatabase();
    // Adding the loaded item: the action log and the pending bill both fail
    // and say so; the line stays, the total is not guessed.
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QString());
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QString());
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(till.lines(), 3);
    QCOMPARE(till.total(), QStringLiteral("50.50"));

    // A search shows the error and leaves the entry as typed.
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QString());
    till.scan(QStringLiteral("1003"));
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(w.ItemComboBox->currentText(), QStringLiteral("1003"));
    QCOMPARE(till.summary(),
             (QStringList{"CAPPUCCINO=32.00", "COCA-COLA 330ML=18.50", "ORANGE JUICE=24.00"}));
    QVERIFY(w.isVisible());
}

BREVALON_TEST_MAIN(TestItemEntry)
#include "tst_itementry.moc"
