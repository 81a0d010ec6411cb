// Ringing items up as a cashier types them: by code, scale label, description prefix or substring,
// with stock, tiers, compositions and notes; the line's seventeen columns; and every bad entry
// refused with its message, no line added and no row written, even with the database gone.

#include "tests/sales/counter.h"

#include "core/zklistitem.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>


namespace {

// Items whose codes are awkward: lower case, and a quote.
void addAwkwardItems()
{
    TestShop::exec("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, Tax1, "
                   "Tax2) VALUES ('cx-9', 'GROCERY', 'CASE KETTLE', 'EACH', 12, 'Y', 'N'), "
                   "('Q''1', 'DELI', 'QUOTE''S CAKE', 'EACH', 9.5, 'Y', 'N')");
}

QString actionInfo(const QString& action)
{
    return TestShop::value(QString("SELECT Info FROM Actions WHERE Action='%1' ORDER BY id DESC").arg(action))
        .toString();
}

void chooseType(Sales& w, const QString& type)
{
    w.TypeComboBox->setCurrentIndex(w.TypeComboBox->findText(type));
    emit w.TypeComboBox->activated(w.TypeComboBox->currentIndex());
}

} // namespace

class TestItemEntry : public QObject
{
    Q_OBJECT

private slots:
    void scanningAddsTheItem_data();
    void scanningAddsTheItem();
    void descriptionSearchLists_data();
    void descriptionSearchLists();
    void askedQuantityAndTheFullLine();
    void stockLevelAndLowStock();
    void priceTiers();
    void compositionsWithDiscounts_data();
    void compositionsWithDiscounts();
    void compositionChoicePending();
    void noteLines_data();
    void noteLines();
    void unvalidatedItems_data();
    void unvalidatedItems();
    void badInputAddsNothing_data();
    void badInputAddsNothing();
    void lostDatabaseKeepsTheSale();
    void numbersAreRefusedUnlessPlain_data();
    void numbersAreRefusedUnlessPlain();
    void unvalidatedLineInheritsNothing();
    void searchLoadsOnlyWhatWasTyped_data();
    void searchLoadsOnlyWhatWasTyped();
};

void TestItemEntry::scanningAddsTheItem_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("amount");
    QTest::newRow("code") << "1102" << "CAPPUCCINO" << "1" << "32.00";
    QTest::newRow("code typed in lower case") << "cx-9" << "CASE KETTLE" << "1" << "12.00";
    QTest::newRow("code with a quote") << "Q'1" << "QUOTE'S CAKE" << "1" << "9.50";
    QTest::newRow("thirteen-digit item code is not a scale label")
        << "6009002000016" << "DARK CHOCOLATE 80G" << "1" << "32.00";
    QTest::newRow("scale label prices an item without price")
        << "2000010123456" << "BILTONG (PRICED BY SCALE)" << "1" << "123.45";
    QTest::newRow("scale label weighs an item with a price")
        << "2000020007501" << "CHEDDAR CHEESE" << "0.750" << "111.75";
}

void TestItemEntry::scanningAddsTheItem()
{
    QFETCH(QString, entry);
    QFETCH(QString, description);
    QFETCH(QString, quantity);
    QFETCH(QString, amount);
    Counter till;
    addAwkwardItems();
    till.scan(entry);
    QCOMPARE(till.lines(), 1);
    QCOMPARE(till.cell(0, Sales::ColDescription), description);
    QCOMPARE(till.cell(0, Sales::ColQuantity), quantity);
    QCOMPARE(till.cell(0, Sales::ColAmount), amount);
    QCOMPARE(till.total(), amount);
    // Ready for the next item.
    QCOMPARE(till.w().ItemComboBox->currentText(), QString());
    QCOMPARE(till.w().QuantityEdit->text(), "1");
    QCOMPARE(till.w().PriceEdit->text(), QString());
    QVERIFY(!till.w().itemValidated());
    QVERIFY(till.w().ItemComboBox->hasFocus());
}

void TestItemEntry::descriptionSearchLists_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("pick"); // the entry the cashier takes from the list
    QTest::newRow("prefix, in description order")
        << "chicken" << QStringList{"CHICKEN SCHNITZEL", "CHICKEN WINGS (6)"} << QStringList{"3002", "2003"}
        << 0;
    QTest::newRow("prefix wins over substring")
        << "CHOC" << QStringList{"CHOCOLATE BROWNIE"} << QStringList{"4001"}
                                                << 0;
    QTest::newRow("substring when no prefix, second picked")
        << "WATER" << QStringList{"SPARKLING WATER 500ML", "STILL WATER 500ML"} << QStringList{"1003", "1004"}
        << 1;
    QTest::newRow("exact description is listed, not added")
        << "ESPRESSO" << QStringList{"ESPRESSO"} << QStringList{"1101"} << 0;
    QTest::newRow("quote in the words")
        << "QUOTE'S" << QStringList{"QUOTE'S CAKE"} << QStringList{"Q'1"} << 0;
}

void TestItemEntry::descriptionSearchLists()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, codes);
    QFETCH(int, pick);
    Counter till;
    addAwkwardItems();
    Sales& w = till.w();
    till.scan(entry);
    QCOMPARE(till.lines(), 0);
    QStringList shown;
    for (int i = 0; i < w.ItemComboBox->count(); ++i)
        shown << w.ItemComboBox->itemText(i);
    QCOMPARE(shown, listed);
    QCOMPARE(w.itemCodes(), codes);
    // The first entry is loaded and ready; choosing another loads that one.
    QCOMPARE(w.ItemComboBox->currentText(), listed.first());
    QVERIFY(w.itemValidated());
    QCOMPARE(w.codeLabel->text(), codes.first());
    if (pick) {
        w.ItemComboBox->setCurrentIndex(pick);
        emit w.ItemComboBox->textActivated(w.ItemComboBox->itemText(pick));
        QCOMPARE(w.codeLabel->text(), codes.at(pick));
    }
    till.enter();
    QCOMPARE(till.lines(), 1);
    QCOMPARE(till.cell(0, Sales::ColCode), codes.at(pick));
}

void TestItemEntry::askedQuantityAndTheFullLine()
{
    Counter till({"Discount", "PriceOveride"}, true);
    Sales& w = till.w();
    w.SalesGuiPersonEdit->setText("MM");
    TestShop::exec("UPDATE Inventory SET DTR=14 WHERE Code='6006'");
    // Asked for: the scan waits in the quantity, "1" selected to type over.
    till.scan("1006");
    QCOMPARE(till.lines(), 0);
    QVERIFY(w.QuantityEdit->hasFocus());
    QCOMPARE(w.QuantityEdit->selectedText(), "1");
    QTest::keyClicks(w.QuantityEdit, "2");
    QCOMPARE(w.QtyLabel->text(), "2");
    Counter::retype(w.LessEdit, "12.5");
    QCOMPARE(w.TotalEdit->text(), "66.50");
    QTest::keyClick(w.LessEdit, Qt::Key_Return);
    QCOMPARE(till.line(0), (QStringList{"2", "LAGER DRAUGHT 500ML", "12.5", "66.50", "Inventory", "1006",
                                        "GLASS", "2026-12-05 10:30:00", "Y", "Y", "", "MM", "DRINKS", "41.30",
                                        "N", "0", "0"}));
    QCOMPARE(w.ItemEchoLabel->text(), "<html>2&nbsp;LAGER DRAUGHT 500ML&nbsp;&nbsp;66.50</html>");
    QCOMPARE(actionInfo("ADD ITEM"), "2 LAGER DRAUGHT 500ML @ 66.50");
    QCOMPARE(w.LessEdit->text(), w.defaultDiscount());

    // A returnable item with a DTR, quantity one: no quantity on the echo.
    till.scan("6006");
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.cell(1, Sales::ColReturnable), "Y");
    QCOMPARE(till.cell(1, Sales::ColDtr), "14");
    QCOMPARE(till.cell(1, Sales::ColTax2), "N");
    QCOMPARE(w.ItemEchoLabel->text(), "<html>GAS CYLINDER 9KG&nbsp;&nbsp;389.00</html>");

    // A line goes in after the selected one.
    w.VendListView->setCurrentItem(w.VendListView->topLevelItem(0));
    till.scan("1101");
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.cell(1, Sales::ColCode), "1101");
    QCOMPARE(till.cell(2, Sales::ColCode), "6006");
    QCOMPARE(w.VendListView->currentItem(), w.VendListView->topLevelItem(1));
    QVERIFY(w.VendListView->topLevelItem(1)->type() == ZkListItem::Type);

    // The scale's weighed item with no price waits in the price field.
    till.scan("2000010");
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.lines(), 3);
    QVERIFY(w.PriceEdit->hasFocus());
    QTest::keyClicks(w.PriceEdit, "80");
    QTest::keyClick(w.PriceEdit, Qt::Key_Return);
    QCOMPARE(till.summary().value(2), "BILTONG (PRICED BY SCALE)=80.00");
}

void TestItemEntry::stockLevelAndLowStock()
{
    Counter till({}, true);
    TestShop::exec("UPDATE Inventory SET Quantity=-4 WHERE Code='6003'");
    Sales& w = till.w();
    const struct
    {
        const char* code;
        const char* level;
        QColor colour; // invalid: no level shown
        const char* status; // low stock is also beeped
    } items[] = {
        {"1001", "96.00", QColor(0, 0, 255), ""}, // well stocked
        {"1102", "0.00", QColor(), ""}, // not stocked
        {"1009", "8.00", QColor(255, 0, 0), "Low Stock - GINGER BEER 330ML : 8.00"}, // at re-order level
        {"6003", "0.00", QColor(255, 0, 0), "Low Stock - FILTER COFFEE 250G : 0.00"}, // below zero
    };
    int beeps = 0;
    for (const auto& item : items) {
        till.scan(QLatin1String(item.code));
        QCOMPARE(w.stockLevelLabel->text(), QLatin1String(item.level));
        QCOMPARE(w.stockLevelLabel->isVisible(), item.colour.isValid());
        QCOMPARE(w.StockLabel->isVisible(), item.colour.isValid());
        if (item.colour.isValid())
            QCOMPARE(w.stockLevelLabel->palette().color(QPalette::WindowText), item.colour);
        QCOMPARE(w.status(), QLatin1String(item.status));
        beeps += *item.status ? 1 : 0;
        QCOMPARE(till.shop.prompts().beeps(), beeps);
    }
}

void TestItemEntry::priceTiers()
{
    Counter till({}, true);
    Sales& w = till.w();
    QCOMPARE(w.PriceComboBox->itemText(1), "Staff");
    till.scan("1102");
    const struct
    {
        int tier;
        const char* price;
        QColor button;
    } steps[] = {
        {1, "28.80", utils->buttonPalette(5).color(QPalette::Button)},
        {2, "25.60", utils->buttonPalette(1).color(QPalette::Button)},
        {0, "32.00", QApplication::palette().color(QPalette::Button)},
        {2, "25.60", utils->buttonPalette(1).color(QPalette::Button)},
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
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    till.scan("1001");
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QCOMPARE(till.summary(), (QStringList{"CAPPUCCINO=25.60", "COCA-COLA 330ML=14.80"}));
    // The names follow SysInfo, a missing base name being "Base"; the tier stays.
    TestShop::exec("UPDATE SysInfo SET BaseName=NULL, Tier2Name='Trade'");
    w.checkPriceTiers();
    QCOMPARE(w.PriceComboBox->itemText(0), "Base");
    QCOMPARE(w.PriceComboBox->itemText(2), "Trade");
    QCOMPARE(w.PriceComboBox->currentIndex(), 2);
}

void TestItemEntry::compositionsWithDiscounts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("discounts");
    const QString remark = "Full breakfast with coffee and juice=0.00";
    const QStringList set{remark, "FULL BREAKFAST=85.50", "CAPPUCCINO=24.00", "ORANGE JUICE=12.00"};
    const QStringList own{"0.00", "10", "25", "50"};
    QTest::newRow("one set, discounts of the set only") << "BREAKFAST SPECIAL" << "1" << "0" << set << own;
    QTest::newRow("by its code") << "1.CMP" << "1" << "0" << set << own;
    QTest::newRow("the cashier's discount adds where discountable")
        << "breakfast special" << "1" << "5"
        << QStringList{remark, "FULL BREAKFAST=80.75", "CAPPUCCINO=22.40", "ORANGE JUICE=12.00"}
        << QStringList{"0.00", "15", "30", "50"};
    QTest::newRow("two sets: the remark counts them, each item doubles")
        << "BREAKFAST SPECIAL" << "2" << "0"
        << QStringList{"2 x " + remark, "FULL BREAKFAST=171.00", "CAPPUCCINO=48.00", "ORANGE JUICE=24.00"}
        << own;
}

void TestItemEntry::compositionsWithDiscounts()
{
    QFETCH(QString, entry);
    QFETCH(QString, quantity);
    QFETCH(QString, discount);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, discounts);
    Counter till;
    Sales& w = till.w();
    till.type(entry);
    w.QuantityEdit->setText(quantity);
    w.LessEdit->setText(discount);
    till.enter();
    QCOMPARE(till.summary(), lines);
    QStringList given;
    double total = 0;
    for (int i = 0; i < till.lines(); ++i) {
        given << till.cell(i, Sales::ColDiscount);
        total += till.cell(i, Sales::ColAmount).toDouble();
    }
    QCOMPARE(given, discounts);
    QCOMPARE(till.cell(0, Sales::ColCategory), "Remarks");
    QCOMPARE(till.cell(1, Sales::ColQuantity), quantity);
    QCOMPARE(till.total(), QString::number(total, 'f', 2));
    QVERIFY(!w.compositionPending());
    QCOMPARE(w.LessEdit->text(), w.defaultDiscount());
}

void TestItemEntry::compositionChoicePending()
{
    Counter till;
    Sales& w = till.w();
    TestShop::exec("INSERT INTO Compositions (Description, Department, Remark) VALUES "
                   "('LUNCH SPECIAL', 'MAINS', '')");
    TestShop::exec("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) "
                   "VALUES (2, 1, '3006', 'N', 0)");
    till.scan("SPECIAL");
    QVERIFY(w.compositionPending());
    QCOMPARE(w.ItemComboBox->count(), 2);
    QCOMPARE(till.lines(), 0);
    // The second is chosen; it has no remark, so no note line.
    w.ItemComboBox->setCurrentIndex(1);
    till.enter();
    QVERIFY(!w.compositionPending());
    QCOMPARE(till.summary(), QStringList{"MARGHERITA PIZZA=98.00"});
}

void TestItemEntry::noteLines_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("status");
    QTest::newRow("remark for the invoice") << "Remarks" << "Remarks" << "";
    QTest::newRow("private note") << "Pvt. Notes" << "Notes" << "Notes DO NOT appear on the Invoice";
}

void TestItemEntry::noteLines()
{
    QFETCH(QString, type);
    QFETCH(QString, category);
    QFETCH(QString, status);
    Counter till;
    Sales& w = till.w();
    chooseType(w, type);
    QCOMPARE(w.status(), status);
    QCOMPARE(w.tax1_tb->text(), "VAT");
    // Return in the entry line looks nothing up while notes are typed.
    till.scan("1102");
    QCOMPARE(w.ItemComboBox->count(), 0);
    w.NotesEdit->setPlainText("No onions, please");
    w.AddPushButton->click();
    QCOMPARE(till.line(0), (QStringList{"", "No onions, please", "0.00", "0.00", category, "", "",
                                        "2026-12-05 10:30:00", "N", "N", "", "", "", "0.00", "N", "", "0"}));
    QCOMPARE(w.NotesEdit->toPlainText(), QString());
    QCOMPARE(till.total(), "0.00");
}

void TestItemEntry::unvalidatedItems_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes sells it without a code") << 0;
    QTest::newRow("No leaves it") << 1;
}

void TestItemEntry::unvalidatedItems()
{
    QFETCH(int, answer);
    Counter till({"AllowUnValidated", "PriceOveride"});
    Sales& w = till.w();
    till.scan("GIFT WRAP");
    QVERIFY(!w.itemValidated());
    w.PriceEdit->setText("15");
    till.shop.prompts().expect(ZkPrompt::Question, "Brevalon - Sales",
                               "You have not validated this item\nDo you want to process it anyway ?\n\n",
                               answer);
    w.AddPushButton->click();
    // The buttons that need a line follow the sale.
    QCOMPARE(w.PushButton4->isEnabled(), answer == 0);
    if (answer) {
        QCOMPARE(till.lines(), 0);
        QCOMPARE(Counter::written(), 0);
        return;
    }
    QCOMPARE(till.cell(0, Sales::ColDescription), "GIFT WRAP");
    QCOMPARE(till.cell(0, Sales::ColCode), QString());
    QCOMPARE(till.cell(0, Sales::ColAmount), "15.00");
    QCOMPARE(TestShop::value("SELECT Status FROM Actions WHERE Action='UNVALIDATED ITEM'").toString(),
             "2");
    QCOMPARE(actionInfo("UNVALIDATED ITEM"), "1  GIFT WRAP @ 15.00");
}

void TestItemEntry::badInputAddsNothing_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("quantity"); // typed after the entry, before Return
    QTest::addColumn<bool>("thenAdd");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("beeps");
    const QString negative = "You can not sell negative quantities !";
    const QString unvalidated = "You have not validated this item";
    const QString notFound = "Inventory item not found";
    const QString b = "Brevalon - Sales";
    QTest::newRow("negative quantity of an item")
        << "" << "1102" << "-2" << false << "Sales" << negative << 0;
    QTest::newRow("negative quantity of a composition")
        << "" << "BREAKFAST SPECIAL" << "-1" << false << "Sales" << negative << 1;
    QTest::newRow("empty entry") << "" << "" << "" << true << "Sales" << "No valid items to vend." << 0;
    QTest::newRow("unknown number") << "" << "99999" << "" << false << "Error" << notFound << 1;
    QTest::newRow("unknown words, then Add") << "" << "ZZZ" << "" << true << b << unvalidated << 1;
    QTest::newRow("quotes in an unknown code") << "" << "A'B''C" << "" << true << b << unvalidated << 1;
    QTest::newRow("thirteen characters with letters are no scale label")
        << "" << "2000010AB3456" << "" << true << b << unvalidated << 1;
    QTest::newRow("scale label of an unknown item")
        << "" << "2999999012345" << "" << false << "Error" << notFound << 1;
    QTest::newRow("composition whose item was deleted")
        << "DELETE FROM Inventory WHERE Code='1102'" << "BREAKFAST SPECIAL" << "" << false << "Error"
        << notFound << 2;
    const QString tooLarge = "This line is too large for the till";
    QTest::newRow("quantity beyond what the ledger keeps")
        << "" << "1102" << "10000000" << false << "Sales" << tooLarge << 0;
    QTest::newRow("amount beyond what the ledger keeps")
        << "" << "1102" << "3125001" << false << "Sales" << tooLarge << 0;
    QTest::newRow("no line type the operator may sell")
        << "no types" << "" << "" << true << "Sales"
        << "You have no sales privlages at all\nand my not sell anything" << 0;
}

void TestItemEntry::badInputAddsNothing()
{
    QFETCH(QString, setup);
    QFETCH(QString, entry);
    QFETCH(QString, quantity);
    QFETCH(bool, thenAdd);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(int, beeps);
    Counter till;
    Sales& w = till.w();
    if (setup == QLatin1String("no types"))
        w.TypeComboBox->clear();
    else if (!setup.isEmpty())
        TestShop::exec(setup);
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
    QCOMPARE(till.total(), "0.00");
    QCOMPARE(Counter::written(), 0);
}

void TestItemEntry::lostDatabaseKeepsTheSale()
{
    Counter till({}, true);
    Sales& w = till.w();
    for (const char* code : {"1102", "1001"}) {
        till.scan(QLatin1String(code));
        QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    }
    till.scan("1005"); // loaded, not yet added
    QCOMPARE(till.total(), "50.50");

    till.loseDatabase();
    // Adding the loaded item: the action log and the pending bill both fail
    // and say so; the line stays, the total is not guessed.
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QString());
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QString());
    QTest::keyClick(w.QuantityEdit, Qt::Key_Return);
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(till.total(), "50.50");

    // A search shows the error and leaves the entry as typed.
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QString());
    till.scan("1003");
    QVERIFY(till.shop.prompts().done());
    QCOMPARE(w.ItemComboBox->currentText(), "1003");
    QCOMPARE(till.summary(),
             (QStringList{"CAPPUCCINO=32.00", "COCA-COLA 330ML=18.50", "ORANGE JUICE=24.00"}));
    QVERIFY(w.isVisible());
}

void TestItemEntry::numbersAreRefusedUnlessPlain_data()
{
    QTest::addColumn<QString>("field"); // QuantityEdit: an item's; PriceEdit: an unknown item's
    QTest::addColumn<QString>("text");
    for (const char* field : {"QuantityEdit", "PriceEdit"}) {
        const QString f = QLatin1String(field);
        QTest::newRow(qPrintable(f + ": not a number")) << f << "NaN";
        QTest::newRow(qPrintable(f + ": infinity")) << f << "inf";
        QTest::newRow(qPrintable(f + ": beyond a double")) << f << "1e309";
        QTest::newRow(qPrintable(f + ": a pasted exponent")) << f << "1e3";
        QTest::newRow(qPrintable(f + ": letters after the digits")) << f << "12abc";
        QTest::newRow(qPrintable(f + ": empty")) << f << "";
        QTest::newRow(qPrintable(f + ": Arabic-Indic digits")) << f << QString::fromUtf8("\u0661\u0662");
        QTest::newRow(qPrintable(f + ": full-width digits")) << f << QString::fromUtf8("\uff11\uff12");
        QTest::newRow(qPrintable(f + ": two points")) << f << "1.2.3";
    }
    QTest::newRow("a negative price") << "PriceEdit" << "-5";
}

void TestItemEntry::numbersAreRefusedUnlessPlain()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    Counter till({"AllowUnValidated", "PriceOveride"});
    Sales& w = till.w();
    const bool price = field == QLatin1String("PriceEdit");
    till.shop.prompts().expect(ZkPrompt::Warning, "Sales", price ? "is not a price" : "is not a quantity");
    if (price) {
        till.scan("GIFT WRAP");
        w.PriceEdit->setText(text);
        w.AddPushButton->click();
    } else {
        till.type("1102");
        w.QuantityEdit->setText(text);
        till.enter();
    }
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().seen().join(QLatin1Char('\n'))));
    QCOMPARE(till.lines(), 0);
    QCOMPARE(till.total(), "0.00");
    QCOMPARE(Counter::written(), 0);
    // The field in question waits for a number.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.findChild<QLineEdit*>(field)));
}

void TestItemEntry::unvalidatedLineInheritsNothing()
{
    Counter till({"AllowUnValidated", "PriceOveride"}, true);
    Sales& w = till.w();
    TestShop::exec("UPDATE Inventory SET DTR=30 WHERE Code='6006'");
    till.scan("6006"); // the gas cylinder: returnable, a return date; loaded, not added
    QVERIFY(w.itemValidated());
    till.type("GIFT WRAP");
    w.PriceEdit->setText("15");
    till.shop.prompts().expect(ZkPrompt::Question, "Brevalon - Sales", "Do you want to process it anyway", 0);
    w.AddPushButton->click();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(till.lines(), 1);
    const QStringList line = till.line(0);
    QCOMPARE((QStringList{line.at(Sales::ColCode), line.at(Sales::ColUnit), line.at(Sales::ColReturnable),
                          line.at(Sales::ColDtr), line.at(Sales::ColDepartment)}),
             (QStringList{"", "", "N", "", ""}));
}

void TestItemEntry::searchLoadsOnlyWhatWasTyped_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("loaded"); // the code of the item loaded; empty: none
    // A server's collation folds accents; "%" and "_" are wildcards there.
    // None of that may bring another item in.
    QTest::newRow("an accent is not the letter") << "CAFE" << QStringList{"CAFE LATTE", "CAFE NOIR"} << "1103";
    QTest::newRow("the accented item by its own letters")
        << QString::fromUtf8("CAF\u00c9") << QStringList{QString::fromUtf8("CAF\u00c9 AU LAIT")} << "CX1";
    QTest::newRow("the accented description exactly")
        << QString::fromUtf8("CAF\u00c9 AU LAIT") << QStringList{QString::fromUtf8("CAF\u00c9 AU LAIT")} << "CX1";
    QTest::newRow("an underscore is no wildcard") << "C_FE" << QStringList{} << "";
    QTest::newRow("a percent sign is no wildcard") << "%NOIR" << QStringList{} << "";
}

void TestItemEntry::searchLoadsOnlyWhatWasTyped()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, listed);
    QFETCH(QString, loaded);
    Counter till({}, true);
    Sales& w = till.w();
    TestShop::exec(QString::fromUtf8("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, "
                                     "Tax1, Tax2) VALUES ('CX1', 'DELI', 'CAF\u00c9 AU LAIT', 'CUP', 21, 'Y', 'N'), "
                                     "('CX2', 'DELI', 'CAFE NOIR', 'CUP', 18, 'Y', 'N')"));
    till.scan(entry);
    QStringList shown;
    for (int i = 0; i < w.ItemComboBox->count(); ++i)
        shown << w.ItemComboBox->itemText(i);
    QCOMPARE(shown, listed);
    QCOMPARE(w.itemValidated(), !loaded.isEmpty());
    QCOMPARE(w.codeLabel->text(), loaded);
    QCOMPARE(till.lines(), 0);
}

BREVALON_TEST_MAIN(TestItemEntry)
#include "tst_itementry.moc"
