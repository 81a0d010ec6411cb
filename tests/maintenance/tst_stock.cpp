// Stock receiving: a delivery and a correction booked in one unit while another till sells,
// the quantity on order never below nought, price changes applied and logged (and unchanged
// prices not), the price rights, and every refusal leaving the tables as they were.

#include "tests/maintenance/backoffice.h"

#include "maintenance/stock.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSqlDatabase>

namespace {

/** Finds an item by what is typed and puts a row in the list. */
void receive(Stock& d, const QString& item, const QString& quantity, bool adjustment = false,
             const QString& price = QString())
{
    d.ItemComboBox->setEditText(item);
    QTest::keyClick(d.ItemComboBox, Qt::Key_Return);
    QVERIFY2(d.itemValidated(), qPrintable(item));
    d.QuantityEdit->setText(quantity);
    d.AdjustmentCheckBox->setChecked(adjustment);
    if (!price.isNull())
        d.PriceEdit->setText(price);
    d.AddPushButton->click();
}

double stock(const QString& column, const QString& code)
{
    return BackOffice::number(QString("SELECT %1 FROM Inventory WHERE Code='%2'").arg(column, code));
}

} // namespace

class TestStock : public QObject
{
    Q_OBJECT

private slots:
    void deliveryWhileAnotherTillSells();
    void withoutThePriceRights();
    void refusals_data();
    void refusals();
    void cancelAsksFirst();
    void aFailureKeepsNoneOfIt();
};

void TestStock::deliveryWhileAnotherTillSells()
{
    BackOffice shop;
    TestShop::exec("UPDATE Inventory SET OnOrder=3 WHERE Code='1001'");
    TestShop::exec("UPDATE Inventory SET OnOrder=10 WHERE Code='1002'");
    const QString till2 = shop.openSecondStation();
    Stock d(true, true);
    receive(d, "1001", "5");
    QCOMPARE(d.StockListView->topLevelItemCount(), 1);
    receive(d, "coke zero", "-2", true);
    receive(d, "sparkling", "12", false, "17.00");
    QCOMPARE(d.StockListView->topLevelItem(2)->text(StockGui::ColItem), "SPARKLING WATER 500ML");
    QCOMPARE(d.StockListView->topLevelItem(1)->text(StockGui::ColAdjustment), "Y");
    // The other till sells four while the list is made.
    QSqlQuery(QSqlDatabase::database(till2)).exec("UPDATE Inventory SET Quantity=Quantity-4 WHERE Code='1001'");
    d.NotesEdit->setText("Delivery note 4471");
    d.ProcessPushButton->click();
    PROMPTED(shop);
    QCOMPARE(d.result(), int(QDialog::Accepted));

    QCOMPARE(stock("Quantity", "1001"), 96.0 - 4 + 5);
    QCOMPARE(stock("OnOrder", "1001"), 0.0);
    // A correction is no delivery: the quantity on order stays.
    QCOMPARE(stock("Quantity", "1002"), 70.0);
    QCOMPARE(stock("OnOrder", "1002"), 10.0);
    QCOMPARE(stock("Quantity", "1003"), 60.0);
    QCOMPARE(stock("Price", "1003"), 17.0);
    QCOMPARE(TestShop::count("SELECT MyNumber FROM StockTrace WHERE Notes='DELIVERY NOTE 4471' AND SP='MM' AND "
                             "MyDate LIKE '2026-12-05%'"),
             1);
    QCOMPARE(TestShop::count("SELECT id FROM StockTraceItem i JOIN StockTrace t ON t.MyNumber=i.TraceNumber WHERE "
                             "t.Notes='DELIVERY NOTE 4471'"),
             3);
    QCOMPARE(BackOffice::text("SELECT Adjustment FROM StockTraceItem WHERE Code='1002'"), "Y");
    const QStringList log = actionLines();
    QCOMPARE(log.size(), 2);
    QVERIFY2(log.at(0).startsWith("STOCK RECEIEVED|TRACE "), qPrintable(log.at(0)));
    QCOMPARE(log.at(1),
             "STOCK PRICE ADJUSTMENT|SPARKLING WATER 500ML - CODE 1003, PRICE 16.00 -> 17.00, "
             "MARKUP 1.6000 -> 1.6000, COST 8.70 -> 8.70");
}

void TestStock::withoutThePriceRights()
{
    BackOffice shop;
    Stock d(false, false);
    QVERIFY(d.PriceGroupBox->isHidden());
    QVERIFY(d.StockListView->isColumnHidden(StockGui::ColCost));
    receive(d, "1004", "6", false, "1.00");
    d.ProcessPushButton->click();
    QCOMPARE(stock("Quantity", "1004"), 66.0);
    QCOMPARE(stock("Price", "1004"), 14.0);
    QCOMPARE(actionLines().size(), 1);
}

void TestStock::refusals_data()
{
    QTest::addColumn<QString>("item"); // empty: none found
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("adjustment");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("prompts");
    const QString caption = "W|Brevalon - Receive Stock|", empty = "The recieved stock list is empty";
    QTest::newRow("unknown item")
        << "" << "5" << false << "" << "AddPushButton"
        << QStringList {caption + "You have not validated this item\nYou can not receive unknown stock"};
    QTest::newRow("zero") << "1001" << "0" << false << "" << "AddPushButton"
                          << QStringList {caption + "Check your quantity, zero or negative values are not accpted."};
    QTest::newRow("negative delivery")
        << "1001" << "-4" << false << "" << "AddPushButton" << QStringList {caption + "Check your quantity"};
    QTest::newRow("absurd quantity") << "1001" << "123456789" << false << "" << "AddPushButton"
                                     << QStringList {caption + "The quantity must be a number from"};
    QTest::newRow("negative price") << "1001" << "5" << false << "-1" << "AddPushButton"
                                    << QStringList {caption + "The price must be a number from 0.00"};
    QTest::newRow("process nothing")
        << "1001" << "" << false << "" << "ProcessPushButton" << QStringList {"W|Receive Stock|" + empty};
    QTest::newRow("remove from nothing")
        << "1001" << "" << false << "" << "RemovePushButton" << QStringList {caption + empty};
}

void TestStock::refusals()
{
    QFETCH(QString, item);
    QFETCH(QString, quantity);
    QFETCH(bool, adjustment);
    QFETCH(QString, price);
    QFETCH(QString, button);
    QFETCH(QStringList, prompts);
    BackOffice shop;
    const QStringList before = BackOffice::snapshot();
    Stock d(true, true);
    if (!item.isEmpty()) {
        d.ItemComboBox->setEditText(item);
        QTest::keyClick(d.ItemComboBox, Qt::Key_Return);
    }
    d.QuantityEdit->setText(quantity);
    d.AdjustmentCheckBox->setChecked(adjustment);
    if (!price.isEmpty())
        d.PriceEdit->setText(price);
    shop.refuse(d, button, prompts, before);
    QCOMPARE(d.StockListView->topLevelItemCount(), 0);
}

void TestStock::cancelAsksFirst()
{
    BackOffice shop;
    const QStringList before = BackOffice::snapshot();
    Stock d(true, true);
    receive(d, "1001", "5");
    const QString question = "You have not processed this stock\nDo you want to abandon recieving stock ?";
    shop.expect({"Q|Brevalon - Receive Stock|" + question + "|1"});
    d.CancelPushButton->click();
    PROMPTED(shop);
    QCOMPARE(d.StockListView->topLevelItemCount(), 1);
    shop.expect({"Q|Brevalon - Receive Stock|" + question + "|0"});
    QTest::keyClick(&d, Qt::Key_Escape);
    PROMPTED(shop);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(BackOffice::snapshot(), before);
}

void TestStock::aFailureKeepsNoneOfIt()
{
    BackOffice shop;
    TestShop::exec("UPDATE Inventory SET OnOrder=3 WHERE Code='1001'");
    Stock d(true, true);
    receive(d, "1001", "5");
    receive(d, "1003", "12", false, "17.00");
    // The trace cannot be written: the quantities and prices already
    // changed in the unit go back with it.
    TestShop::exec("DROP TABLE StockTraceItem");
    const QStringList before = BackOffice::snapshot();
    shop.expect({"W||INSERT INTO StockTraceItem"});
    d.ProcessPushButton->click();
    PROMPTED(shop);
    QCOMPARE(BackOffice::snapshot(), before);
    QCOMPARE(stock("OnOrder", "1001"), 3.0);
    QCOMPARE(TestShop::count("SELECT MyNumber FROM StockTrace"), 0);
    QCOMPARE(actionLines(), QStringList());
    QCOMPARE(d.StockListView->topLevelItemCount(), 2);
}

BREVALON_TEST_MAIN(TestStock)
#include "tst_stock.moc"
