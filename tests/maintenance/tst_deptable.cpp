// The department maintenance dialog: new departments with their printers, docket route and picture, a rename
// that the items and compositions follow in one unit, the touch order, deleting an empty
// department, and every refusal leaving the tables as they were.

#include "tests/maintenance/backoffice.h"

#include "maintenance/deptable.h"
#include "maintenance/rankswap.h"

#include <QCheckBox>

namespace {

QString department(const QString& column, const QString& name)
{
    return BackOffice::text(QString("SELECT %1 FROM Departments WHERE Department='%2'").arg(column, name));
}

} // namespace

class TestDepTable : public QObject
{
    Q_OBJECT

private slots:
    void newDepartment_data();
    void newDepartment();
    void renameFollowsIntoItems();
    void aFailedRenameKeepsNoneOfIt();
    void deleteAnEmptyDepartment();
    void rankSwap();
    void refusals_data();
    void refusals();
};

void TestDepTable::newDepartment_data()
{
    QTest::addColumn<bool>("labels");
    QTest::addColumn<bool>("kitchen");
    QTest::addColumn<int>("printer");
    QTest::addColumn<QString>("route"); // the choice shown; stored as its first letter
    QTest::newRow("no printer") << false << false << 0 << "Printer";
    QTest::newRow("label printer") << true << false << 1 << "Both";
    QTest::newRow("kitchen screen") << false << true << 2 << "Screen";
    QTest::newRow("both printers") << true << true << 3 << "Printer";
}

void TestDepTable::newDepartment()
{
    QFETCH(bool, labels);
    QFETCH(bool, kitchen);
    QFETCH(int, printer);
    QFETCH(QString, route);
    BackOffice shop;
    DepTable d;
    QTest::keyClicks(d.DepartmentEdit, "Specials");
    d.checkBox1->setChecked(labels);
    d.checkBox2->setChecked(kitchen);
    d.RouteComboBox->setCurrentText(route);
    shop.expectPictureFile(shop.pictureFile(56, 56));
    d.ImagePushButton->click();
    d.NewPushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::rows("SELECT Printer, Route, Rank FROM Departments WHERE Department='SPECIALS'"),
             QStringList {QString("%1|%2|8").arg(printer).arg(route.left(1))});
    QCOMPARE(Utility::decodeImage(department("Image", "SPECIALS").toLatin1(), 1 << 20, QString(), 56, 76).size(),
             QSize(56, 56));
    QCOMPARE(actionLines(), QStringList {"DEPARTMENTS|ADDED SPECIALS"});
    QCOMPARE(d.selected(), "SPECIALS");
    QCOMPARE(d.DepListView->currentItem()->text(DepTable::ColPrinter).toInt(), printer);
    QCOMPARE(d.DepListView->currentItem()->text(DepTable::ColRoute), route);
}

void TestDepTable::renameFollowsIntoItems()
{
    BackOffice shop;
    // A route the dialog does not offer (a row older than the screens) shows as the printer it means.
    TestShop::exec("UPDATE Departments SET Route=NULL WHERE Department='MAINS'");
    TestShop::exec("UPDATE Departments SET Route='S' WHERE Department='DESSERTS'");
    DepTable d;
    QVERIFY(d.selectDepartment("DESSERTS"));
    QCOMPARE(d.RouteComboBox->currentText(), "Screen");
    QVERIFY(d.selectDepartment("MAINS"));
    QVERIFY(d.checkBox2->isChecked());
    QCOMPARE(d.RouteComboBox->currentText(), "Printer");
    d.DepartmentEdit->setText("MAIN COURSES");
    d.checkBox1->setChecked(true);
    d.RouteComboBox->setCurrentText("Both");
    shop.expect({"Q|Modify Entry|Confirm that you will update the highlighted entry\nMAINS\nwith the values "
                 "shown ?|0"});
    d.UpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::rows("SELECT Department, Printer, Route, Rank FROM Departments "
                            "WHERE Department IN ('MAINS', 'MAIN COURSES')"),
             QStringList {"MAIN COURSES|3|B|4"});
    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Department='MAIN COURSES'"), 8);
    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Department='MAINS'"), 0);
    QCOMPARE(BackOffice::text("SELECT Department FROM Compositions WHERE Description='BREAKFAST SPECIAL'"),
             "MAIN COURSES");
    // The picture stays with the department.
    QVERIFY(department("Image", "MAIN COURSES").size() > 100);
    QCOMPARE(actionLines(), QStringList {"DEPARTMENTS|UPDATE MAIN COURSES"});
}

void TestDepTable::aFailedRenameKeepsNoneOfIt()
{
    BackOffice shop;
    DepTable d;
    QVERIFY(d.selectDepartment("MAINS"));
    d.DepartmentEdit->setText("MAIN COURSES");
    // The compositions cannot follow: the department and its items stay too.
    TestShop::exec("DROP TABLE Compositions");
    const QStringList before = BackOffice::snapshot();
    shop.expect({"Q|Modify Entry||0", "W||UPDATE Compositions SET Department='MAIN COURSES'"});
    d.UpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(BackOffice::snapshot(), before);
    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Department='MAINS'"), 8);
    QCOMPARE(actionLines(), QStringList());
}

void TestDepTable::deleteAnEmptyDepartment()
{
    BackOffice shop;
    TestShop::exec("INSERT INTO Departments (Department, Printer, Image, Rank) VALUES ('SPECIALS', 0, '', 8)");
    DepTable d;
    QVERIFY(d.selectDepartment("SPECIALS"));
    shop.expect({"Q|Delete Entry|Confirm that you will delete the highlighted entry\nSPECIALS\nfrom the "
                 "system?|0"});
    d.DeletePushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::count("SELECT Department FROM Departments"), 7);
    QCOMPARE(d.DepListView->topLevelItemCount(), 7);
    QCOMPARE(d.selected(), QString());
    QCOMPARE(actionLines(), QStringList {"DEPARTMENTS|DELETED SPECIALS"});
}

void TestDepTable::rankSwap()
{
    BackOffice shop;
    DepTable d;
    QVERIFY(d.selectDepartment("HOT DRINKS"));
    d.RankUpPushButton->click();
    QCOMPARE(department("Rank", "HOT DRINKS"), "1");
    QCOMPARE(department("Rank", "DRINKS"), "2");
    QCOMPARE(TestShop::count(QString("SELECT Department FROM Departments WHERE Rank=%1").arg(RankSwap::kParkedRank)),
             0);
    QCOMPARE(d.DepListView->topLevelItem(0)->text(DepTable::ColDepartment), "HOT DRINKS");
    QCOMPARE(d.selected(), "HOT DRINKS");
    d.RankDownPushButton->click();
    QCOMPARE(department("Rank", "HOT DRINKS"), "2");
    QCOMPARE(actionLines(),
             (QStringList {"DEPARTMENT RANKING|UPDATE HOT DRINKS", "DEPARTMENT RANKING|UPDATE HOT DRINKS"}));
}

void TestDepTable::refusals_data()
{
    QTest::addColumn<QString>("selected"); // empty: none
    QTest::addColumn<QString>("name"); // typed over the name; null: left as it is
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("prompts");
    const QString top = "Selected item is already at top of ranking", bottom = "Selected item is already at bottom of ranking";
    QTest::newRow("new without a name")
        << "" << "" << "NewPushButton" << QStringList {"W|New Entry|You must specify the Department"};
    QTest::newRow("new that exists, any case")
        << "" << "deli" << "NewPushButton" << QStringList {"W|New Entry|The department DELI already exists"};
    QTest::newRow("update with nothing highlighted")
        << "" << "X" << "UpdatePushButton" << QStringList {"W|Modify Entry|You must higlight an entry to modify"};
    QTest::newRow("rename onto another") << "DELI" << "GROCERY" << "UpdatePushButton"
                                         << QStringList {"W|Modify Entry|The department GROCERY already exists"};
    QTest::newRow("update declined") << "DELI" << "FINE FOODS" << "UpdatePushButton"
                                     << QStringList {"Q|Modify Entry||1", "I|Modify Entry|Operation cancelled"};
    QTest::newRow("delete with nothing highlighted")
        << "" << QString() << "DeletePushButton" << QStringList {"W|Delete Entry|You must higlight an entry to delete"};
    QTest::newRow("delete of a department with items")
        << "DESSERTS" << QString() << "DeletePushButton"
        << QStringList {"W|Delete Entry|The department DESSERTS still holds 4 items."};
    QTest::newRow("first moved up") << "DRINKS" << QString() << "RankUpPushButton" << QStringList {"W|Modify Entry|" + top};
    QTest::newRow("last moved down")
        << "GROCERY" << QString() << "RankDownPushButton" << QStringList {"W|Modify Entry|" + bottom};
}

void TestDepTable::refusals()
{
    QFETCH(QString, selected);
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QStringList, prompts);
    BackOffice shop;
    const QStringList before = BackOffice::snapshot();
    DepTable d;
    if (!selected.isEmpty())
        QVERIFY(d.selectDepartment(selected));
    if (!name.isNull())
        d.DepartmentEdit->setText(name);
    shop.refuse(d, button, prompts, before);
}

BREVALON_TEST_MAIN(TestDepTable)
#include "tst_deptable.moc"
