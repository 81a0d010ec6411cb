// Ringing items up as a cashier types them, one table of what was typed and what the sale then holds:
// by code, scale label, description prefix or substring, compositions, notes, unvalidated items, and
// every bad entry refused with its message and nothing written, even with the database gone.

#include "tests/sales/counter.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>

class TestItemEntry : public QObject
{
    Q_OBJECT

private slots:
    void ringing_data();
    void ringing();
    void theFullLine();
    void stockAndTiers();
    void lostDatabaseKeepsTheSale();
};

void TestItemEntry::ringing_data()
{
    QTest::addColumn<QStringList>("rights"); // beside Discount, TaxControl and PriceOveride
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QStringList>("sale");  // empty: nothing written either
    QTest::addColumn<QStringList>("entry"); // listed items and the code loaded; empty: not looked at
    const QStringList none;
    const QStringList reset{""};
    const QString b = "Brevalon - Sales";
    const QString unvalidated = "W|" + b + "|You have not validated this item";
    const QString notFound = "W|Error|Inventory item not found";
    const QString negative = "W|Sales|You can not sell negative quantities !";
    const QString tooLarge = "W|Sales|This line is too large for the till";
    const QStringList breakfast{"|Full breakfast with coffee and juice|0.00|0.00", "1|FULL BREAKFAST|10|85.50",
                                "1|CAPPUCCINO|25|24.00", "1|ORANGE JUICE|50|12.00"};
    QTest::newRow("code") << none << QStringList{"scan 1102"} << none << QStringList{"1|CAPPUCCINO|0|32.00"} << reset;
    QTest::newRow("code with a quote") << none << QStringList{"scan Q'1"} << none
                                       << QStringList{"1|QUOTE'S CAKE|0|9.50"} << reset;
    QTest::newRow("thirteen-digit item code is not a scale label")
        << none << QStringList{"scan 6009002000016"} << none << QStringList{"1|DARK CHOCOLATE 80G|0|32.00"} << reset;
    QTest::newRow("scale label prices an item without price")
        << none << QStringList{"scan 2000010123456"} << none << QStringList{"1|BILTONG (PRICED BY SCALE)|0|123.45"}
        << reset;
    QTest::newRow("scale label weighs an item with a price")
        << none << QStringList{"scan 2000020007501"} << none << QStringList{"0.750|CHEDDAR CHEESE|0|111.75"} << reset;
    QTest::newRow("prefix lists in description order, the first loaded")
        << none << QStringList{"scan chicken"} << none << QStringList{}
        << QStringList{"CHICKEN SCHNITZEL", "CHICKEN WINGS (6)", "3002"};
    QTest::newRow("prefix wins over substring")
        << none << QStringList{"scan CHOC", "enter"} << none << QStringList{"1|CHOCOLATE BROWNIE|0|55.00"} << reset;
    QTest::newRow("substring when no prefix, the second picked")
        << none << QStringList{"scan WATER", "pick 1", "enter"} << none << QStringList{"1|STILL WATER 500ML|0|14.00"}
        << reset;
    QTest::newRow("an exact description is listed, not added")
        << none << QStringList{"scan ESPRESSO"} << none << QStringList{} << QStringList{"ESPRESSO", "1101"};
    QTest::newRow("a quote in the words") << none << QStringList{"scan QUOTE'S"} << none << QStringList{}
                                          << QStringList{"QUOTE'S CAKE", "Q'1"};
    // A server's collation folds accents; "%" and "_" are wildcards there: none may bring another item in.
    QTest::newRow("an accent is not the letter")
        << none << QStringList{"scan CAFE"} << none << QStringList{} << QStringList{"CAFE LATTE", "CAFE NOIR", "1103"};
    QTest::newRow("the accented item by its own letters") << none << QStringList{QString::fromUtf8("scan CAF\u00c9")}
                                                          << none << QStringList{}
                                                          << QStringList{QString::fromUtf8("CAF\u00c9 AU LAIT"), "CX1"};
    QTest::newRow("an underscore is no wildcard") << none << QStringList{"scan C_FE"} << QStringList{"B"} << QStringList{}
                                                  << QStringList{""};
    QTest::newRow("a percent sign is no wildcard") << none << QStringList{"scan %NOIR"} << QStringList{"B"} << QStringList{}
                                                   << QStringList{""};
    QTest::newRow("a composition: each item its own discount")
        << none << QStringList{"scan BREAKFAST SPECIAL"} << none << breakfast << reset;
    QTest::newRow("a composition by its code") << none << QStringList{"scan 1.CMP"} << none << breakfast << reset;
    QTest::newRow("the cashier's discount adds where discountable")
        << none << QStringList{"type breakfast special", "set LessEdit 5", "enter"} << none
        << QStringList{breakfast[0], "1|FULL BREAKFAST|15|80.75", "1|CAPPUCCINO|30|22.40", "1|ORANGE JUICE|50|12.00"}
        << reset;
    QTest::newRow("two sets: the remark counts them, each item doubles")
        << none << QStringList{"type BREAKFAST SPECIAL", "set QuantityEdit 2", "enter"} << none
        << QStringList{"|2 x Full breakfast with coffee and juice|0.00|0.00", "2|FULL BREAKFAST|10|171.00",
                       "2|CAPPUCCINO|25|48.00", "2|ORANGE JUICE|50|24.00"}
        << reset;
    QTest::newRow("two compositions match: the second, without a remark")
        << none
        << QStringList{"sql INSERT INTO Compositions (Description, Department, Remark) VALUES ('LUNCH SPECIAL', "
                       "'MAINS', '')",
                       "sql INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) VALUES "
                       "(2, 1, '3006', 'N', 0)",
                       "scan SPECIAL", "pick 1", "enter"}
        << none << QStringList{"1|MARGHERITA PIZZA|0|98.00"} << reset;
    QTest::newRow("a remark, Return looking nothing up")
        << none << QStringList{"kind Remarks", "scan 1102", "note No onions, please", "add"} << none
        << QStringList{"|No onions, please|0.00|0.00"} << reset;
    QTest::newRow("an unvalidated item sold without a code")
        << QStringList{"AllowUnValidated"} << QStringList{"scan GIFT WRAP", "set PriceEdit 15", "add"}
        << QStringList{"B", "Q|" + b + "|You have not validated this item\nDo you want to process it anyway ?\n\n|0"}
        << QStringList{"1|GIFT WRAP|0|15.00"} << reset;
    QTest::newRow("an unvalidated item left")
        << QStringList{"AllowUnValidated"} << QStringList{"scan GIFT WRAP", "set PriceEdit 15", "add"}
        << QStringList{"B", "Q|" + b + "|Do you want to process it anyway|1"} << QStringList{} << QStringList{};
    QTest::newRow("negative quantity of an item")
        << none << QStringList{"type 1102", "set QuantityEdit -2", "enter"} << QStringList{negative} << QStringList{}
        << QStringList{};
    QTest::newRow("negative quantity of a composition")
        << none << QStringList{"type BREAKFAST SPECIAL", "set QuantityEdit -1", "enter"} << QStringList{negative, "B"}
        << QStringList{} << QStringList{};
    QTest::newRow("empty entry") << none << QStringList{"add"} << QStringList{"W|Sales|No valid items to vend."}
                                 << QStringList{} << QStringList{};
    QTest::newRow("unknown number") << none << QStringList{"scan 99999"} << QStringList{notFound, "B"}
                                    << QStringList{} << QStringList{};
    QTest::newRow("unknown words, then Add") << none << QStringList{"scan ZZZ", "add"} << QStringList{unvalidated, "B"}
                                             << QStringList{} << QStringList{};
    QTest::newRow("thirteen characters with letters are no scale label")
        << none << QStringList{"scan 2000010AB3456", "add"} << QStringList{unvalidated, "B"} << QStringList{}
        << QStringList{};
    QTest::newRow("scale label of an unknown item")
        << none << QStringList{"scan 2999999012345"} << QStringList{notFound, "B"} << QStringList{} << QStringList{};
    QTest::newRow("composition whose item was deleted")
        << none << QStringList{"sql DELETE FROM Inventory WHERE Code='1102'", "scan BREAKFAST SPECIAL"}
        << QStringList{notFound, "B", "B"} << QStringList{} << QStringList{};
    QTest::newRow("quantity beyond what the ledger keeps")
        << none << QStringList{"type 1102", "set QuantityEdit 10000000", "enter"} << QStringList{tooLarge}
        << QStringList{} << QStringList{};
    QTest::newRow("amount beyond what the ledger keeps")
        << none << QStringList{"type 1102", "set QuantityEdit 3125001", "enter"} << QStringList{tooLarge}
        << QStringList{} << QStringList{};
    // One of each kind of bad number; quantity and price are read alike, the price is tried with one.
    for (const char* text : {"NaN", "1e309", "12abc", "", "\u0661\u0662", "1.2.3"}) {
        QTest::addRow("quantity '%s'", text)
            << none << QStringList{"type 1102", "set QuantityEdit " + QString::fromUtf8(text), "enter"}
            << QStringList{"W|Sales|is not a quantity"} << QStringList{} << QStringList{};
    }
    QTest::newRow("price '12abc'") << QStringList{"AllowUnValidated"}
                                   << QStringList{"scan GIFT WRAP", "set PriceEdit 12abc", "add"}
                                   << QStringList{"B", "W|Sales|is not a price"} << QStringList{} << QStringList{};
    QTest::newRow("no line type the operator may sell")
        << none << QStringList{"kind none", "add"}
        << QStringList{"W|Sales|You have no sales privlages at all\nand my not sell anything"} << QStringList{}
        << QStringList{};
    QTest::newRow("a negative price") << QStringList{"AllowUnValidated"}
                                      << QStringList{"scan GIFT WRAP", "set PriceEdit -5", "add"}
                                      << QStringList{"B", "W|Sales|is not a price"} << QStringList{} << QStringList{};
}

void TestItemEntry::ringing()
{
    QFETCH(QStringList, rights);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, prompts);
    QFETCH(QStringList, sale);
    QFETCH(QStringList, entry);
    Counter till(rights + QStringList{"Discount", "TaxControl", "PriceOveride"});
    TestShop::exec(QString::fromUtf8("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, "
                                     "Tax1, Tax2) VALUES ('Q''1', 'DELI', 'QUOTE''S CAKE', 'EACH', 9.5, 'Y', 'N'), "
                                     "('CX1', 'DELI', 'CAF\u00c9 AU LAIT', 'CUP', 21, 'Y', 'N'), ('CX2', 'DELI', "
                                     "'CAFE NOIR', 'CUP', 18, 'Y', 'N')"));
    till.run(steps.filter(QRegularExpression("^sql ")));
    const QStringList before = TestShop::snapshot({});
    till.expect(prompts);
    till.run(steps.filter(QRegularExpression("^(?!sql )")));
    QVERIFY(till.prompted());
    QCOMPARE(till.sale(), sale);
    double total = 0;
    for (int i = 0; i < till.lines(); ++i)
        total += till.cell(i, Sales::ColAmount).toDouble();
    QCOMPARE(till.total(), QString::number(total, 'f', 2));
    if (!entry.isEmpty())
        QCOMPARE(till.entry(), entry);
    if (sale.isEmpty() && entry.isEmpty())
        QCOMPARE(TestShop::snapshot({}), before);
    const QString refusal = prompts.isEmpty() ? QString() : prompts.last();
    if (refusal.contains("is not a")) // the field in question waits for a number
        QCOMPARE(QApplication::focusWidget()->objectName(), refusal.contains("quantity") ? "QuantityEdit" : "PriceEdit");
    if (!sale.isEmpty()) { // ready for the next item
        QCOMPARE(QStringList({till.w().QuantityEdit->text(), till.w().PriceEdit->text()}), QStringList({"1", ""}));
        QCOMPARE(till.w().LessEdit->text(), till.w().defaultDiscount());
        QVERIFY(!till.w().compositionPending());
    }
}

void TestItemEntry::theFullLine()
{
    Counter till({"Discount", "PriceOveride", "AllowUnValidated"}, true);
    Sales& w = till.w();
    w.SalesGuiPersonEdit->setText("MM");
    TestShop::exec("UPDATE Inventory SET DTR=14 WHERE Code='6006'");
    // Asked for: the scan waits in the quantity, "1" selected to type over.
    till.scan("1006");
    QCOMPARE(w.QuantityEdit->selectedText(), "1");
    QTest::keyClicks(w.QuantityEdit, "2");
    till.run({"key LessEdit 12.5", "press LessEdit"});
    QCOMPARE(till.line(0), (QStringList{"2", "LAGER DRAUGHT 500ML", "12.5", "66.50", "Inventory", "1006", "GLASS",
                                        "2026-12-05 10:30:00", "Y", "Y", "", "MM", "DRINKS", "41.30", "N", "0", "0"}));
    QCOMPARE(TestShop::rows("SELECT Action, Info FROM Actions WHERE Action LIKE '%ITEM'"),
             QStringList{"ADD ITEM|2 LAGER DRAUGHT 500ML @ 66.50"});
    // A returnable item; an unvalidated one goes in after the selected line and inherits nothing of the
    // item loaded before it.
    till.expect({"Q|Brevalon - Sales|Do you want to process it anyway|0"});
    till.run({"scan 6006", "press QuantityEdit", "line 0", "scan 6006", "type GIFT WRAP", "set PriceEdit 15", "add"});
    QVERIFY(till.prompted());
    const QList<int> kept{Sales::ColCode, Sales::ColUnit, Sales::ColReturnable, Sales::ColDtr, Sales::ColDepartment};
    for (int i : {1, 2}) {
        QStringList shown;
        for (int column : kept)
            shown << till.cell(i, column);
        QCOMPARE(shown, i == 1 ? QStringList({"", "", "N", "", ""}) : QStringList({"6006", "EACH", "Y", "14", "GROCERY"}));
    }
    QCOMPARE(w.VendListView->currentItem(), w.VendListView->topLevelItem(1));
    QCOMPARE(TestShop::value("SELECT Status FROM Actions WHERE Action='UNVALIDATED ITEM'").toString(), "2");
    // A private note is a line of its own kind, said not to reach the invoice.
    till.run({"kind Pvt. Notes"});
    QCOMPARE(w.status(), "Notes DO NOT appear on the Invoice");
    till.run({"note Ring the bell", "add", "kind Inventory"});
    QCOMPARE(till.cell(2, Sales::ColCategory), "Notes");
    // The scale's item with no price waits in the price field.
    till.run({"scan 2000010", "press QuantityEdit"});
    QVERIFY(w.PriceEdit->hasFocus());
    till.run({"key PriceEdit 80", "press PriceEdit"});
    QCOMPARE(till.sale(), (QStringList{"2|LAGER DRAUGHT 500ML|12.5|66.50", "1|GIFT WRAP|0|15.00", "|Ring the bell|0.00|0.00",
                                       "1|BILTONG (PRICED BY SCALE)|0|80.00", "1|GAS CYLINDER 9KG|0|389.00"}));
}

void TestItemEntry::stockAndTiers()
{
    Counter till({}, true);
    TestShop::exec("UPDATE Inventory SET Quantity=-4 WHERE Code='6003'");
    Sales& w = till.w();
    const struct
    {
        const char* code;
        const char* level; // empty: not stocked, nothing shown
        QColor colour;
        const char* status; // low stock is also beeped
    } items[] = {
        {"1001", "96.00", QColor(0, 0, 255), ""},
        {"1102", "", QColor(), ""},
        {"1009", "8.00", QColor(255, 0, 0), "Low Stock - GINGER BEER 330ML : 8.00"},
        {"6003", "0.00", QColor(255, 0, 0), "Low Stock - FILTER COFFEE 250G : 0.00"},
    };
    for (const auto& item : items) {
        till.expect(*item.status ? QStringList{"B"} : QStringList{});
        till.scan(QLatin1String(item.code));
        QVERIFY(till.prompted());
        QCOMPARE(w.stockLevelLabel->isVisible() ? w.stockLevelLabel->text() : QString(), QLatin1String(item.level));
        if (*item.level)
            QCOMPARE(w.stockLevelLabel->palette().color(QPalette::WindowText), item.colour);
        QCOMPARE(w.status(), QLatin1String(item.status));
    }
    // A tier prices the loaded item and stays for the next; its names follow SysInfo.
    till.run({"scan 1102", "tier 1", "tier 2", "tier 0", "tier 2", "press QuantityEdit", "scan 1001",
              "press QuantityEdit"});
    QCOMPARE(w.PriceComboBox->palette().color(QPalette::Button), utils->buttonPalette(1).color(QPalette::Button));
    QCOMPARE(till.sale(), (QStringList{"1|CAPPUCCINO|0|25.60", "1|COCA-COLA 330ML|0|14.80"}));
    TestShop::exec("UPDATE SysInfo SET BaseName=NULL, Tier2Name='Trade'");
    w.checkPriceTiers();
    QCOMPARE(w.PriceComboBox->itemText(0) + w.PriceComboBox->itemText(2), "BaseTrade");
    QCOMPARE(w.PriceComboBox->currentIndex(), 2);
}

void TestItemEntry::lostDatabaseKeepsTheSale()
{
    Counter till({}, true);
    const QStringList rung{"1|CAPPUCCINO|0|32.00", "1|COCA-COLA 330ML|0|18.50", "1|ORANGE JUICE|0|24.00"};
    till.run({"scan 1102", "press QuantityEdit", "scan 1001", "press QuantityEdit", "scan 1005"});
    till.loseDatabase();
    if (TestShop::isMariaDb()) {
        // The first statement that finds the session gone says so once and opens it again; the line is
        // added, the action log of it is what was lost, and the till works on.
        till.expect({"W||opened again"});
        till.run({"press QuantityEdit", "scan 1003"});
        QVERIFY(till.prompted());
        QVERIFY(till.w().itemValidated());
        QCOMPARE(till.total(), "74.50");
    } else {
        // The action log and the pending bill both fail and say so; the line stays, the total is not
        // guessed; a search shows the error and leaves the entry as typed.
        till.expect({"W||", "W||", "W||"});
        till.run({"press QuantityEdit", "scan 1003"});
        QVERIFY(till.prompted());
        QCOMPARE(till.total(), "50.50");
        QCOMPARE(till.w().ItemComboBox->currentText(), "1003");
    }
    QCOMPARE(till.sale(), rung);
}

BREVALON_TEST_MAIN(TestItemEntry)
#include "tst_itementry.moc"
