// The back office from the till: each dialog opens from its menu under its right and not
// without it; a department, an item with its picture and a composition made there are rung up
// on the touch page and the item received; every dialog fits a screen of 800x600 with buttons
// a finger high.

#include "tests/maintenance/backoffice.h"
#include "tests/sales/counter.h"

#include "maintenance/comptable.h"
#include "maintenance/deptable.h"
#include "maintenance/stock.h"
#include "maintenance/supplier.h"
#include "maintenance/vendtable.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QScreen>
#include <functional>
#include <memory>

namespace {

QStringList placeCodes(const Sales& w)
{
    QStringList codes;
    for (int id = Sales::kFirstPlace; id < Sales::kFirstPlace + Sales::kPlaceCount; ++id)
        codes << w.placeCode(id);
    while (!codes.isEmpty() && codes.last().isEmpty())
        codes.removeLast();
    return codes;
}

QString picture(const QString& home)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(QColor(40, 120, 200));
    const QString path = home + "/rye.png";
    image.save(path);
    return path;
}

} // namespace

class TestBackOfficeMenus : public QObject
{
    Q_OBJECT

private slots:
    void menusFollowTheRights_data();
    void menusFollowTheRights();
    void madeHereRungUpThere();
    void dialogsFitSmallScreens_data();
    void dialogsFitSmallScreens();
};

void TestBackOfficeMenus::menusFollowTheRights_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("logged");
    QTest::newRow("items") << "editInventoryAction" << "editInventory" << "Inventory" << "VendTable"
                           << "INVENTORY|MANAGE";
    QTest::newRow("departments") << "editManageGroupDepartmentsAction" << "manageDepartments" << "Departments"
                                 << "DepTable" << "DEPARTMENTS|MANAGE";
    QTest::newRow("compositions") << "editManageGroupCompositionsAction" << "manageCompositions" << "Inventory"
                                  << "CompTable" << "COMPOSITIONS|MANAGE";
    QTest::newRow("suppliers") << "editManageGroupSuppliersAction" << "manageSuppliers" << "Suppliers"
                               << "Supplier" << "SUPPLIERS|MANAGE";
    QTest::newRow("receiving") << "fileReceiveStockAction" << "receiveStock" << "ReceiveStock" << "Stock"
                               << "RECEIVE STOCK|MANAGE";
}

void TestBackOfficeMenus::menusFollowTheRights()
{
    QFETCH(QString, action);
    QFETCH(QString, slot);
    QFETCH(QString, right);
    QFETCH(QString, dialog);
    QFETCH(QString, logged);
    Counter till({right, "StockPriceView"});
    QAction* menu = till.window->findChild<QAction*>(action);
    QVERIFY(menu->isEnabled());
    bool pricesShown = false;
    till.shop.prompts().expectExec(dialog, [&](QDialog* d) {
        if (auto* stock = qobject_cast<Stock*>(d))
            pricesShown = !stock->PriceGroupBox->isHidden() && stock->PriceEdit->isReadOnly();
        return int(QDialog::Accepted);
    });
    menu->trigger();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(actionLines().last(), logged);
    QCOMPARE(pricesShown, dialog == "Stock");

    // Without the right the menu is off, and the command opens nothing.
    Till::setRights("MARY", {});
    till.window->updateGuiControls(false);
    QVERIFY(!menu->isEnabled());
    const int beeps = till.shop.prompts().beeps();
    QVERIFY(QMetaObject::invokeMethod(till.window.get(), qPrintable(slot)));
    QCOMPARE(till.shop.prompts().beeps(), beeps + 1);
}

void TestBackOfficeMenus::madeHereRungUpThere()
{
    Counter till({"Inventory", "Departments", "ReceiveStock", "StockPriceView", "StockPriceAdjust"});
    ScriptedPrompts& prompts = till.shop.prompts();
    Sales& w = till.w();

    prompts.expectExec("DepTable", [](QDialog* d) {
        auto* dep = static_cast<DepTable*>(d);
        dep->DepartmentEdit->setText("BAKERY");
        dep->NewPushButton->click();
        return int(QDialog::Accepted);
    });
    w.editManageGroupDepartmentsAction->trigger();

    prompts.expectExec("VendTable", [](QDialog* d) {
        auto* items = static_cast<VendTable*>(d);
        items->DepartmentComboBox->setCurrentText("BAKERY");
        items->CodeEdit->setText("9001");
        items->DescriptionEdit->setText("RYE BREAD");
        items->SellEdit->setText("24.00");
        items->ToQuantityEdit->setText("20");
        items->ImagePushButton->click();
        items->NewPushButton->click();
        return int(QDialog::Accepted);
    });
    prompts.expect(ZkPrompt::OpenFile, "Choose Image", QString(), 0, picture(till.shop.home()));
    w.editInventoryAction->trigger();

    prompts.expectExec("CompTable", [](QDialog* d) {
        auto* sets = static_cast<CompTable*>(d);
        sets->DepartmentComboBox->setCurrentText("BAKERY");
        sets->CompNewPushButton->click();
        sets->ItemComboBox->setEditText("9001");
        QTest::keyClick(sets->ItemComboBox, Qt::Key_Return);
        sets->QuantityEdit->setText("2");
        sets->DiscountEdit->setText("50");
        sets->ItemNewPushButton->click();
        return int(QDialog::Accepted);
    });
    prompts.expect(ZkPrompt::TextInput, "New Composition", QString(), 0, "TWO LOAVES");
    prompts.expect(ZkPrompt::Question, "New Composition Item", "RYE BREAD", 0);
    w.editManageGroupCompositionsAction->trigger();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));

    // The touch page shows what was made: the department last, then its
    // item with its picture and the composition.
    w.F11();
    QCOMPARE(placeCodes(w).last(), "BAKERY");
    w.touchButtonAt(Sales::kFirstPlace + 7)->click();
    const QStringList codes = placeCodes(w);
    QCOMPARE(codes.size(), 2);
    QCOMPARE(codes.at(0), "9001");
    QVERIFY(codes.at(1).endsWith(".CMP"));
    QVERIFY(!w.touchButtonAt(Sales::kFirstPlace)->icon().isNull());
    w.touchButtonAt(Sales::kFirstPlace)->click();
    w.touchButtonAt(Sales::kFirstPlace + 1)->click();
    // The set's two loaves at half price come to one loaf's price.
    QCOMPARE(till.summary(), (QStringList {"RYE BREAD=24.00", "RYE BREAD=24.00"}));
    QCOMPARE(till.cell(1, Sales::ColQuantity).toDouble(), 2.0);

    prompts.expectExec("Stock", [](QDialog* d) {
        auto* stock = static_cast<Stock*>(d);
        stock->ItemComboBox->setEditText("RYE");
        QTest::keyClick(stock->ItemComboBox, Qt::Key_Return);
        stock->QuantityEdit->setText("30");
        stock->AddPushButton->click();
        stock->ProcessPushButton->click();
        return stock->result();
    });
    w.fileReceiveStockAction->trigger();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
    QCOMPARE(BackOffice::number("SELECT Quantity FROM Inventory WHERE Code='9001'"), 30.0);
}

void TestBackOfficeMenus::dialogsFitSmallScreens_data()
{
    QTest::addColumn<QString>("dialog");
    for (const char* name : {"VendTable", "DepTable", "CompTable", "Supplier", "Stock"})
        QTest::newRow(name) << name;
}

void TestBackOfficeMenus::dialogsFitSmallScreens()
{
    QFETCH(QString, dialog);
    BackOffice shop;
    const std::map<QString, std::function<QDialog*()>> make {
        {"VendTable", [] { return new VendTable; }},     {"DepTable", [] { return new DepTable; }},
        {"CompTable", [] { return new CompTable; }},     {"Supplier", [] { return new Supplier; }},
        {"Stock", [] { return new Stock(true, true); }},
    };
    std::unique_ptr<QDialog> d(make.at(dialog)());
    // A screen of 800x600 less a title bar; and the size it opens at fits 1024x768.
    const QSize small(800, 570);
    QVERIFY2(d->minimumSizeHint().width() <= small.width() && d->minimumSizeHint().height() <= small.height(),
             qPrintable(QString("%1x%2").arg(d->minimumSizeHint().width()).arg(d->minimumSizeHint().height())));
    QVERIFY(d->width() <= 1024 && d->height() <= 738);
    for (const QSize& size : {small, QSize(1024, 738)}) {
        d->resize(size);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        QCOMPARE(d->size(), size);
        for (QAbstractButton* button : d->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(d.get()))
                continue;
            const QRect place(button->mapTo(d.get(), QPoint(0, 0)), button->size());
            QVERIFY2(d->rect().contains(place), qPrintable(button->objectName()));
            QVERIFY2(button->height() >= 40, qPrintable(button->objectName()));
        }
    }
}

BREVALON_TEST_MAIN(TestBackOfficeMenus)
#include "tst_backoffice.moc"
