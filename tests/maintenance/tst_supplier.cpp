// The supplier list: a supplier added with addresses on several lines and shown back whole, a
// rename that the items follow, a deletion, and every refusal leaving the tables as they were.

#include "tests/maintenance/backoffice.h"

#include "maintenance/supplier.h"

#include <QPlainTextEdit>

class TestSupplier : public QObject
{
    Q_OBJECT

private slots:
    void addRenameDelete();
    void refusals_data();
    void refusals();
};

void TestSupplier::addRenameDelete()
{
    BackOffice shop;
    Supplier d;
    QCOMPARE(d.SupplierListView->topLevelItemCount(), 1);
    QTest::keyClicks(d.CompanyEdit, "o'reilly dairy");
    QTest::keyClicks(d.ContactEdit, "Pat");
    d.PostalText->setPlainText("PO Box 12\nHarbour Bay\n8001");
    d.NotesText->setPlainText("Milk on Mondays");
    shop.expect({"Q|Add Supplier|Confirm that you will add O'REILLY DAIRY\nto the list of suppliers|0"});
    d.NewPushButton->click();
    PROMPTED(shop);
    QCOMPARE(BackOffice::text("SELECT PostalAddr FROM Supply WHERE Company='O''REILLY DAIRY'"),
             "PO BOX 12\nHARBOUR BAY\n8001");
    QCOMPARE(d.selected(), "O'REILLY DAIRY");

    // Shown again as stored: the lines whole in the field, on one line in the list.
    Supplier again;
    QVERIFY(again.selectSupplier("O'REILLY DAIRY"));
    QCOMPARE(again.PostalText->toPlainText(), "PO BOX 12\nHARBOUR BAY\n8001");
    QCOMPARE(again.SupplierListView->currentItem()->text(SupplierGui::ColPostal), "PO BOX 12 / HARBOUR BAY / 8001");

    QVERIFY(again.selectSupplier("FRESH FOODS WHOLESALE"));
    again.CompanyEdit->setText("FRESH FOODS LTD");
    shop.expect({"Q|Update Supplier|Confirm that you will update FRESH FOODS WHOLESALE\n in the list|0"});
    again.UpdatePushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::count("SELECT Code FROM Inventory WHERE Supplier='FRESH FOODS LTD'"), 43);
    QCOMPARE(BackOffice::text("SELECT Contact FROM Supply WHERE Company='FRESH FOODS LTD'"), "ANDILE NKOSI");

    shop.expect({"Q|Delete Supplier|Confirm that you will delete O'REILLY DAIRY\nfrom the list of suppliers.|0"});
    QVERIFY(again.selectSupplier("O'REILLY DAIRY"));
    again.DeletePushButton->click();
    PROMPTED(shop);
    QCOMPARE(TestShop::count("SELECT Company FROM Supply"), 1);
    QCOMPARE(actionLines(),
             (QStringList {"SUPPLIERS|ADDED O'REILLY DAIRY", "SUPPLIERS|UPDATED FRESH FOODS LTD",
                           "SUPPLIERS|DELETED O'REILLY DAIRY"}));
}

void TestSupplier::refusals_data()
{
    QTest::addColumn<bool>("selected"); // FRESH FOODS WHOLESALE highlighted
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("prompts");
    const QString none = "You have not selected a valid supplier. Try again.";
    QTest::newRow("new without a company")
        << false << "" << "NewPushButton" << QStringList {"W|Add Supplier|You must specify the Company"};
    const QString taken = "The supplier FRESH FOODS WHOLESALE is already on file";
    QTest::newRow("new that exists")
        << false << "fresh foods wholesale" << "NewPushButton" << QStringList {"W|Add Supplier|" + taken};
    QTest::newRow("new declined") << false << "NEW CO" << "NewPushButton"
                                  << QStringList {"Q|Add Supplier||1", "I|Add Supplier|Operation cancelled"};
    QTest::newRow("update with none chosen") << false << "X" << "UpdatePushButton"
                                             << QStringList {"W|Update Supplier|" + none};
    QTest::newRow("delete with none chosen") << false << "" << "DeletePushButton"
                                             << QStringList {"W|Delete Supplier|" + none};
    QTest::newRow("delete declined") << true << "" << "DeletePushButton"
                                     << QStringList {"Q|Delete Supplier||1", "I|Delete Supplier|Operation cancelled"};
}

void TestSupplier::refusals()
{
    QFETCH(bool, selected);
    QFETCH(QString, company);
    QFETCH(QString, button);
    QFETCH(QStringList, prompts);
    BackOffice shop;
    const QStringList before = BackOffice::snapshot();
    Supplier d;
    if (selected)
        QVERIFY(d.selectSupplier("FRESH FOODS WHOLESALE"));
    else
        d.CompanyEdit->setText(company);
    shop.refuse(d, button, prompts, before);
}

BREVALON_TEST_MAIN(TestSupplier)
#include "tst_supplier.moc"
