// The composition manager: a new composition filled with items and its totals at the three
// prices, the first of identical rows changed, a rename that keeps contents and picture, a
// deletion that takes all three, and every refusal leaving the tables as they were.

#include "tests/maintenance/backoffice.h"

#include "maintenance/comptable.h"

namespace {

/** Chooses an item by typing its code into the item choice. */
void chooseItem(CompTable& d, const QString& code)
{
    d.ItemComboBox->setEditText(code);
    QTest::keyClick(d.ItemComboBox, Qt::Key_Return);
}

QStringList totals(const CompTable& d)
{
    return {d.BaseTotalLabel->text(), d.Tier1TotalLabel->text(), d.Tier2TotalLabel->text()};
}

QStringList contents(int composition)
{
    QStringList rows;
    QSqlQuery q;
    q.exec(QString("SELECT Quantity, Code, Discountable, Discount FROM CompositionContents WHERE CompId=%1 ORDER BY id")
               .arg(composition));
    while (q.next())
        rows << QString("%1 %2 %3 %4")
                    .arg(q.value(0).toDouble())
                    .arg(q.value(1).toString(), q.value(2).toString())
                    .arg(q.value(3).toDouble());
    return rows;
}

} // namespace

class TestCompTable : public QObject
{
    Q_OBJECT

private slots:
    void newCompositionAndItsTotals();
    void onlyTheFirstIdenticalRowChanges();
    void renameKeepsContentsAndPicture();
    void refusals_data();
    void refusals();
};

void TestCompTable::newCompositionAndItsTotals()
{
    BackOffice shop;
    TestShop::exec("INSERT INTO Inventory (Code, Department, Description, Price, Tier1Price, Tier2Price) VALUES "
                   "('7001', 'DELI', 'PLATTER', 10, 9, 8)");
    CompTable d;
    d.DepartmentComboBox->setCurrentText("DELI");
    d.RemarkEdit->setText("Deli platter for two");
    shop.expect({"T|New Composition|Enter the new Composition name|deli special"});
    d.CompNewPushButton->click();
    QCOMPARE(d.NameEdit->text(), "DELI SPECIAL");
    QVERIFY(d.compositionCode() > 0);

    chooseItem(d, "7001");
    d.QuantityEdit->setText("2");
    d.DiscountEdit->setText("10");
    d.DiscountableCheckBox->setChecked(true);
    shop.expect({"Q|New Composition Item|Confirm that you wish to add the Composition Item 'PLATTER'|0"});
    d.ItemNewPushButton->click();
    PROMPTED(shop);
    QCOMPARE(d.ItemListView->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = d.ItemListView->topLevelItem(0);
    QCOMPARE(row->text(CompTable::ColPrice), "18.00");
    QCOMPARE(row->text(CompTable::ColUnitPrice), "10.00");
    QCOMPARE(totals(d), (QStringList {"18.00", "16.20", "14.40"}));

    chooseItem(d, "cheddar");
    d.QuantityEdit->setText("0.5");
    d.DiscountEdit->setText("0");
    d.DiscountableCheckBox->setChecked(false);
    shop.expect({"Q|New Composition Item|CHEDDAR CHEESE|0"});
    d.ItemNewPushButton->click();
    PROMPTED(shop);
    // 149.00, 134.10 and 119.20 a kilogram, half a kilogram.
    QCOMPARE(totals(d), (QStringList {"92.50", "83.25", "74.00"}));
    QCOMPARE(contents(d.compositionCode()), (QStringList {"2 7001 Y 10", "0.5 2000020 N 0"}));
    QCOMPARE(BackOffice::text(QString("SELECT Department FROM Compositions WHERE Code=%1").arg(d.compositionCode())),
             "DELI");
}

void TestCompTable::onlyTheFirstIdenticalRowChanges()
{
    BackOffice shop;
    TestShop::exec("INSERT INTO CompositionContents (CompId, Quantity, Code, Discountable, Discount) VALUES "
                   "(1, 1, '3007', 'Y', 10)");
    CompTable d;
    QVERIFY(d.selectComposition("BREAKFAST SPECIAL"));
    QCOMPARE(d.ItemListView->topLevelItemCount(), 4);
    // The second of the two identical rows is highlighted.
    d.ItemListView->setCurrentItem(d.ItemListView->topLevelItem(3));
    QCOMPARE(d.ItemComboBox->currentText(), "FULL BREAKFAST");
    d.QuantityEdit->setText("3");
    shop.expect({"Q|Update Composition Item|Confirm that you wish to update the Composition Item 'FULL "
                 "BREAKFAST'|0"});
    d.ItemUpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(contents(1), (QStringList {"3 3007 Y 10", "1 1102 Y 25", "1 1005 N 50", "1 3007 Y 10"}));

    d.ItemListView->setCurrentItem(d.ItemListView->topLevelItem(1));
    shop.expect({"Q|Delete Composition Item|'CAPPUCCINO' from the Composition|0"});
    d.ItemDeletePushButton->click();
    PROMPTED(shop);
    QCOMPARE(contents(1), (QStringList {"3 3007 Y 10", "1 1005 N 50", "1 3007 Y 10"}));
    QCOMPARE(d.ItemListView->topLevelItemCount(), 3);
}

void TestCompTable::renameKeepsContentsAndPicture()
{
    BackOffice shop;
    CompTable d;
    QVERIFY(d.selectComposition("BREAKFAST SPECIAL"));
    const QStringList before = contents(1);
    shop.expectPictureFile(shop.pictureFile(80, 80));
    d.ImagePushButton->click();
    d.NameEdit->setText("BIG BREAKFAST");
    d.TouchEdit->setText("Big Brekkie");
    shop.expect({"Q|Update Composition|Confirm that you wish to rename the Composition 'BREAKFAST SPECIAL' to "
                 "'BIG BREAKFAST'|0"});
    d.CompUpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(BackOffice::text("SELECT Description FROM Compositions WHERE Code=1"), "BIG BREAKFAST");
    QCOMPARE(contents(1), before);
    QCOMPARE(BackOffice::text("SELECT Label FROM Images WHERE Code='1.CMP'"), "BIG BREKKIE");
    QCOMPARE(d.CompListBox->currentItem()->text(), "BIG BREAKFAST");
    QCOMPARE(d.picture().size(), QSize(56, 56));

    shop.expect({"Q|Delete Composition|Confirm that you wish to delete the Ciomposition  'BIG BREAKFAST'|0"});
    d.CompDeletePushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::count("SELECT Code FROM Compositions"), 0);
    QCOMPARE(TestShop::count("SELECT id FROM CompositionContents"), 0);
    QCOMPARE(TestShop::count("SELECT Code FROM Images WHERE Code='1.CMP'"), 0);
    QCOMPARE(d.CompListBox->count(), 0);
}

void TestCompTable::refusals_data()
{
    QTest::addColumn<bool>("selected"); // BREAKFAST SPECIAL highlighted, its first row too
    QTest::addColumn<QStringList>("entry"); // item, quantity, discount
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("prompts");
    const QStringList good {"1001", "1", "0"};
    QTest::newRow("new composition cancelled")
        << false << good << "CompNewPushButton"
        << QStringList {"T|New Composition||", "I|New Composition|Operation cancelled"};
    QTest::newRow("new composition blank")
        << false << good << "CompNewPushButton"
        << QStringList {"T|New Composition||  ", "I|New Composition|Operation cancelled"};
    QTest::newRow("new composition that exists")
        << false << good << "CompNewPushButton"
        << QStringList {"T|New Composition||Breakfast Special",
                        "W|New Composition|The Composition BREAKFAST SPECIAL already exists"};
    QTest::newRow("update declined") << true << good << "CompUpdatePushButton"
                                     << QStringList {"Q|Update Composition||1",
                                                     "I|Update Composition|Operation cancelled"};
    QTest::newRow("delete declined") << true << good << "CompDeletePushButton"
                                     << QStringList {"Q|Delete Composition||1",
                                                     "I|Delete Composition|Operation cancelled"};
    QTest::newRow("item without a composition")
        << false << good << "ItemNewPushButton"
        << QStringList {"W|New Composition Item|You must highlight a Composition first"};
    QTest::newRow("item that is none") << true << QStringList {"ZZZ", "1", "0"} << "ItemNewPushButton"
                                       << QStringList {"W||No item matches ZZZ",
                                                       "W|New Composition Item|ZZZ names no single item"};
    QTest::newRow("no quantity") << true << QStringList {"1001", "0", "0"} << "ItemNewPushButton"
                                 << QStringList {"W|New Composition Item|The quantity must be a number from 0.001"};
    QTest::newRow("discount over 100")
        << true << QStringList {"1001", "1", "150"} << "ItemUpdatePushButton"
        << QStringList {"W|Update Composition Item|The discount must be a number from 0.0 to 100.0"};
    QTest::newRow("item update declined")
        << true << good << "ItemUpdatePushButton"
        << QStringList {"Q|Update Composition Item||1", "I|Update Composition Item|Operation cancelled"};
}

void TestCompTable::refusals()
{
    QFETCH(bool, selected);
    QFETCH(QStringList, entry);
    QFETCH(QString, button);
    QFETCH(QStringList, prompts);
    BackOffice shop;
    const QStringList before = BackOffice::snapshot();
    CompTable d;
    if (selected) {
        QVERIFY(d.selectComposition("BREAKFAST SPECIAL"));
        d.ItemListView->setCurrentItem(d.ItemListView->topLevelItem(0));
    }
    shop.expect(prompts);
    chooseItem(d, entry.at(0));
    d.QuantityEdit->setText(entry.at(1));
    d.DiscountEdit->setText(entry.at(2));
    d.findChild<QPushButton*>(button)->click();
    PROMPTED(shop);
    QCOMPARE(BackOffice::snapshot(), before);
}

BREVALON_TEST_MAIN(TestCompTable)
#include "tst_comptable.moc"
