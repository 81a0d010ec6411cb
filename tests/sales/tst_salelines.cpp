// The sale as a whole: totals in both tax modes with a pending bill, who the banner says serves, the
// line total that sets the price, lines taken back into the entry or deleted, clearing with and
// without lines, and the invoice found by a serial number.

#include "tests/sales/counter.h"

#include "documents/docprint.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>


namespace {

// A pending bill of this till on the cash account: 100.00 with VAT, 50.00
// with VAT and levy.
void pendingBill(const QString& waiter)
{
    TestShop::exec(QString("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Tax1, Tax2, "
                           "Waiter, Station) VALUES (41, '2026-12-05 09:00:00', 1, 'P', 0.15, 0.02, '%1', '%2')")
                       .arg(waiter, utils->stationId()));
    TestShop::exec("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, Quantity, Category, Code, "
                   "Description, Price, Tax1, Tax2) VALUES "
                   "('2026-12-05 09:00:00', 41, 1, 'Inventory', '3001', 'BURGER', 100.00, 'Y', 'N'), "
                   "('2026-12-05 09:00:00', 41, 1, 'Inventory', '3001', 'BURGER', 50.00, 'Y', 'Y')");
}

} // namespace

class TestSaleLines : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void bannerNamesWhoServes_data();
    void bannerNamesWhoServes();
    void lineTotalGivesThePrice();
    void removeTakesTheLineBackIntoTheEntry();
    void f6DeletesTheLine();
    void clearing_data();
    void clearing();
    void serialSearch_data();
    void serialSearch();
};

void TestSaleLines::totals_data()
{
    QTest::addColumn<QString>("taxMode");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QString>("beforeLines");
    QTest::addColumn<QString>("withLines");
    QTest::newRow("prices with tax, nothing pending") << "I" << false << "0.00" << "70.00";
    QTest::newRow("prices without tax: the taxes are added") << "E" << false << "0.00" << "81.26";
    QTest::newRow("prices with tax, a pending bill") << "I" << true << "150.00" << "220.00";
    QTest::newRow("prices without tax, a pending bill and its taxes") << "E" << true << "173.50" << "254.76";
}

void TestSaleLines::totals()
{
    QFETCH(QString, taxMode);
    QFETCH(bool, pending);
    QFETCH(QString, beforeLines);
    QFETCH(QString, withLines);
    Counter till({}, true);
    Sales& w = till.w();
    TestShop::exec(QString("UPDATE SysInfo SET TaxMode='%1'").arg(taxMode));
    QVERIFY(utils->initClass(true));
    if (pending)
        pendingBill("JOHN");
    w.clear();
    QCOMPARE(till.total(), beforeLines);
    QCOMPARE(w.EditPushButton->isVisible(), pending);
    double tax1 = -1;
    double tax2 = -1;
    QCOMPARE((QList<double>{w.checkPending(&tax1, &tax2), tax1, tax2}),
             pending ? QList<double>({150, 22.5, 1}) : QList<double>({0, 0, 0}));
    till.run({"scan 1102", "press QuantityEdit", "scan 1006", "press QuantityEdit"}); // VAT; VAT and levy
    QCOMPARE(till.lines(), 2);
    QCOMPARE(till.total(), withLines);
}

void TestSaleLines::bannerNamesWhoServes_data()
{
    QTest::addColumn<QString>("billWaiter"); // empty: no pending bill
    QTest::addColumn<bool>("table");
    QTest::addColumn<QString>("waiterChosen");
    QTest::addColumn<QString>("banner");
    QTest::newRow("the bill's waiter serves") << "JOHN" << false << "" << "Served by JOHN";
    QTest::newRow("a waiter no longer on the staff serves nobody")
        << "GONE" << false << "" << "Next Customer Please";
    QTest::newRow("a table without a waiter asks for one") << "" << true << "" << "Please select waiter";
    QTest::newRow("a table with its waiter chosen") << "" << true << "SUE" << "Next Customer Please";
    QTest::newRow("the cash account needs no waiter") << "" << false << "" << "Next Customer Please";
}

void TestSaleLines::bannerNamesWhoServes()
{
    QFETCH(QString, billWaiter);
    QFETCH(bool, table);
    QFETCH(QString, waiterChosen);
    QFETCH(QString, banner);
    Counter till;
    Sales& w = till.w();
    if (!billWaiter.isEmpty())
        pendingBill(billWaiter);
    if (table) {
        // Table 3 is chosen as the clients' search leaves it.
        utils->setDetails(4);
        const QSignalBlocker blocker(w.NameComboBox);
        w.NameComboBox->setEditText("TABLE 3");
    }
    utils->setWaiter(waiterChosen);
    w.checkPending(nullptr, nullptr);
    QCOMPARE(w.BannerLabel->text(),
             QString("<center><h2>The Harbour Kitchen - %1</h2></center>").arg(banner));
}

void TestSaleLines::lineTotalGivesThePrice()
{
    Counter till({"Discount", "PriceOveride"}, true);
    Sales& w = till.w();
    till.run({"scan 1102", "key QuantityEdit 2", "key LessEdit 10"});
    QCOMPARE(w.TotalEdit->text(), "57.60");
    // unit = 45 / 2 = 22.50; the discount is added back onto the unit. Away from the total, the total follows
    // the price again: not quite 45.
    till.run({"key TotalEdit 45"});
    QCOMPARE(w.PriceEdit->text(), "24.75");
    till.run({"key LessEdit 10", "press LessEdit"});
    QCOMPARE(till.sale(), QStringList{"2|CAPPUCCINO|10|44.55"});
}

void TestSaleLines::removeTakesTheLineBackIntoTheEntry()
{
    Counter till({"Discount", "PriceOveride", "TaxControl"}, true);
    Sales& w = till.w();
    till.expect({"W|Sales|The invoice is empty"});
    w.vendRemoveItem();
    QVERIFY(till.prompted());
    till.run({"scan 1102", "key QuantityEdit 2", "key LessEdit 10", "key PriceEdit 30", "press PriceEdit", "scan 1001",
              "press QuantityEdit"});
    // The first line was already on a kitchen docket.
    w.VendListView->topLevelItem(0)->setText(Sales::ColPrinted, "1");
    w.VendListView->topLevelItem(0)->setText(Sales::ColTax2, "Y");
    QCOMPARE(till.total(), "72.50");

    w.VendListView->setCurrentItem(w.VendListView->topLevelItem(0));
    emit w.VendListView->itemDoubleClicked(w.VendListView->topLevelItem(0), 0);
    QCOMPARE(till.sale(), QStringList{"1|COCA-COLA 330ML|0|18.50"});
    QCOMPARE(till.total(), "18.50");
    const QStringList entry{w.ItemComboBox->currentText(), w.codeLabel->text(), w.QuantityEdit->text(),
                            w.LessEdit->text(), w.PriceEdit->text()};
    QCOMPARE(entry, (QStringList{"CAPPUCCINO", "1102", "2", "10", "30.00"})); // the price it was sold at
    QVERIFY(w.tax1_tb->isChecked());
    QVERIFY(w.tax2_tb->isChecked());
    QVERIFY(w.itemValidated());
    QCOMPARE(TestShop::value("SELECT Info FROM Actions WHERE Action='REMOVE ITEM'").toString(),
             "2 CAPPUCCINO@ 54.00");

    // Changed and added again: the line keeps what it carried.
    till.run({"key QuantityEdit 3", "press QuantityEdit"});
    QCOMPARE(till.sale(), (QStringList{"1|COCA-COLA 330ML|0|18.50", "3|CAPPUCCINO|10|81.00"}));
    QCOMPARE(QStringList({till.cell(1, Sales::ColPrinted), till.cell(1, Sales::ColTax2), till.cell(1, Sales::ColCost)}),
             QStringList({"1", "Y", "52.17"}));

    // A note goes back into the notes, with its type.
    till.run({"kind Remarks", "note Extra hot", "add", "kind Inventory", "line 2"});
    w.removeIntoEditor();
    QCOMPARE(till.lines(), 2);
    QCOMPARE(w.NotesEdit->toPlainText(), "Extra hot");
    QCOMPARE(w.TypeComboBox->currentText(), "Remarks");
    QCOMPARE(w.VendListView->currentItem(), w.VendListView->topLevelItem(1));
}

void TestSaleLines::f6DeletesTheLine()
{
    Counter till;
    Sales& w = till.w();
    till.run({"scan 1102", "scan 1001", "scan 1005", "line 1"});
    w.PushButton4->click();
    QCOMPARE(till.summary(), (QStringList{"CAPPUCCINO=32.00", "ORANGE JUICE=24.00"}));
    QCOMPARE(till.total(), "56.00");
    // The line above the deleted one is shown; the entry is empty again.
    QCOMPARE(w.VendListView->currentItem(), w.VendListView->topLevelItem(0));
    QVERIFY(w.ItemEchoLabel->text().contains("CAPPUCCINO"));
    QCOMPARE(w.ItemComboBox->currentText(), QString());
    QVERIFY(!w.itemValidated());
    w.F6DeleteItem();
    w.F6DeleteItem();
    QCOMPARE(till.lines(), 0);
    QCOMPARE(till.total(), "0.00");
    QVERIFY(w.ItemEchoLabel->text().contains(Sales::programName()));
    QVERIFY(!w.PushButton4->isEnabled());
}

void TestSaleLines::clearing_data()
{
    QTest::addColumn<bool>("withLine");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer"); // -1: nothing asked
    QTest::newRow("an empty sale is cleared without asking") << false << "Ctrl+L" << -1;
    QTest::newRow("a sale with lines: No keeps it") << true << "Ctrl+L" << 1;
    QTest::newRow("a sale with lines: Yes clears it") << true << "Ctrl+L" << 0;
    QTest::newRow("F5 clears without asking") << true << "F5" << -1;
}

void TestSaleLines::clearing()
{
    QFETCH(bool, withLine);
    QFETCH(QString, how);
    QFETCH(int, answer);
    Counter till;
    Sales& w = till.w();
    if (withLine)
        till.scan("1102");
    till.scan("WATER");
    w.NotesEdit->setPlainText("half done");
    w.touchButton(Sales::kFirstPlace); // into the first department
    w.WaiterEdit->setText("2222");
    w.setTotalColour(Qt::red);
    w.setStatus("Waiter: JOHN");
    new QTreeWidgetItem(w.InvoiceListView, {"12"});
    new QTreeWidgetItem(w.RefundListView, {"3"});
    if (answer >= 0)
        till.shop.prompts().expect(ZkPrompt::Question, "Sales",
                                   "There are items in the Sales tab. Using clear they will be lost "
                                   "forever !\nMost likely you still need to press Order or Print "
                                   "Bill, If not, are you sure you wan't to clear everything ?\n\n",
                                   answer);
    const int waiterAsked = till.window->calls.value("guiWaiter");
    w.F2();
    QTest::keySequence(w.windowHandle(), QKeySequence(how));
    QTRY_VERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    if (answer == 1) {
        QCOMPARE(till.summary(), QStringList{"CAPPUCCINO=32.00"});
        QCOMPARE(w.ItemComboBox->currentText(), "SPARKLING WATER 500ML");
        return;
    }
    QTRY_COMPARE(till.lines(), 0);
    QCOMPARE(w.ItemComboBox->count(), 0);
    QCOMPARE(w.ItemComboBox->currentText(), QString());
    QVERIFY(!w.itemValidated());
    QCOMPARE(w.PriceEdit->text(), QString());
    QCOMPARE(w.NotesEdit->toPlainText(), QString());
    QCOMPARE(w.touchDepartment(), QString());
    QCOMPARE(w.WaiterEdit->text(), QString());
    QCOMPARE(till.total(), "0.00");
    QCOMPARE(w.TotalLCD->palette().color(QPalette::WindowText), SalesGui::totalNormalColour());
    QCOMPARE(w.status(), QString());
    QCOMPARE(w.InvoiceListView->topLevelItemCount() + w.RefundListView->topLevelItemCount(), 0);
    const QString tab = w.TabWidget2->tabText(0);
    QVERIFY(w.BannerLabel->text().contains(QLatin1String("Next Customer Please")));
    QCOMPARE(w.LessEdit->text(), w.defaultDiscount());
    // The cash lock chose the cash account again; the next order asks its waiter.
    QCOMPARE(utils->getAccountNumber(), 1);
    QCOMPARE(till.window->calls.value("guiWaiter"), waiterAsked + 1);
    // A change of language keeps what the till shows.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&w, &change);
    QCOMPARE(w.TabWidget2->tabText(0), tab);
    QVERIFY(w.BannerLabel->text().contains(QLatin1String("Next Customer Please")));
}

void TestSaleLines::serialSearch_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("a current invoice") << "InvoiceItem";
    QTest::newRow("an archived invoice") << "InvoiceItemArchive";
}

void TestSaleLines::serialSearch()
{
    QFETCH(QString, table);
    Counter till;
    TestShop::exec("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Tax1, Tax2, Waiter) "
                   "VALUES (57, '2026-11-02 12:00:00', 14, 'C', 0.15, 0.02, 'MARY')");
    TestShop::exec(QString("INSERT INTO %1 (MyNumber, MyDate, InvoiceNumber, Quantity, Category, Code, "
                           "Description, Price, Tax1, Tax2, SerialNo) VALUES (900, '2026-11-02 12:00:00', "
                           "57, 1, 'Inventory', '6006', 'GAS CYLINDER 9KG', 389.00, 'Y', 'N', 'SN-4''2')")
                       .arg(table));
    utils->setRefundMode(true); // whatever the till was doing: a reprint is an invoice
    QString shown;
    int mode = -1;
    till.shop.prompts()
        .expect(ZkPrompt::TextInput, "Searching for serial number ...", "Enter serial number.", 0, "SN-4'2")
        .expectExec("DocPrint", [&](QDialog* dialog) {
            auto* page = static_cast<DocPrint*>(dialog);
            shown = page->fileBaseName() + page->pageHtml();
            mode = utils->documentMode();
            return 0;
        })
        .expect(ZkPrompt::TextInput, QString(), QString(), 0, "NOPE-1")
        .expect(ZkPrompt::Warning, "Error",
                "Could not find any matching serial number NOPE-1");
    till.w().editSerialSearchAction->trigger();
    QCOMPARE(mode, 0);
    QVERIFY2(shown.contains(QLatin1String("57")), qPrintable(shown.left(300)));
    if (table == QLatin1String("InvoiceItem"))
        QVERIFY(shown.contains(QLatin1String("GAS CYLINDER 9KG")));
    // A reprint posts nothing.
    QCOMPARE(TestShop::count("SELECT MyNumber FROM Journal"), 0);
    till.w().serialSearch();
    QVERIFY(till.shop.prompts().done());
}

BREVALON_TEST_MAIN(TestSaleLines)
#include "tst_salelines.moc"
