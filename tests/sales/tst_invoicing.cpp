// The sale made into documents on the real window, and the documents made
// before: refunds, quotes pulled back at today's prices, a pending bill taken
// back and billed under its number, printing a pending order, what is refused
// before anything is written, voids, reprints, finding an invoice to pay it,
// and the Documents tab's lists by period.

#include "tests/sales/tendertill.h"
#include "tests/support/salerows.h"

#include "core/zklistitem.h"
#include "sales/numentry.h"

#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

namespace {

/** The numbers a Documents list shows, in ascending order. */
QList<int> listed(const QTreeWidget* list)
{
    QList<int> numbers;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        numbers << list->topLevelItem(i)->text(0).toInt();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QTreeWidgetItem* row(const QTreeWidget* list, int number)
{
    const QList<QTreeWidgetItem*> rows = list->findItems(QString::number(number), Qt::MatchExactly);
    return rows.isEmpty() ? nullptr : rows.first();
}

/** Every column of every sale line. */
QList<QStringList> saleLines(const Sales& w)
{
    QList<QStringList> lines;
    for (int i = 0; i < w.VendListView->topLevelItemCount(); ++i) {
        lines << QStringList();
        for (int c = 0; c < Sales::SaleColumnCount; ++c)
            lines.last() << w.VendListView->topLevelItem(i)->text(c);
    }
    return lines;
}

double stock(const char* code)
{
    return TenderTill::money(QStringLiteral("SELECT Quantity FROM Inventory WHERE Code='%1'").arg(QLatin1String(code)));
}

/** Shows document @p number of @p list again with @p button: a reprint of
 *  type @p type under its own numbers that writes nothing but the log line. */
void viewAgain(TenderTill& till, const char* list, const char* button, int number, const char* type, const char* logged)
{
    Sales& w = till.w();
    w.TabWidget2->setCurrentWidget(w.tab_5);
    QTreeWidgetItem* item = row(w.findChild<QTreeWidget*>(QLatin1String(list)), number);
    QVERIFY2(item, list);
    item->setSelected(true);
    const int journalRows = TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal"));
    const int mode = utils->documentMode();
    Printed shown;
    till.expectPage(&shown, 0);
    QTest::mouseClick(w.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(shown.parts.head["type"], QLatin1String(type));
    QCOMPARE(shown.parts.head["number"], QString::number(number));
    QVERIFY(!shown.parts.head.has(QStringLiteral("auto")));
    // A reprint takes no new sequence number.
    if (qstrcmp(type, "receipt") != 0) {
        const QString sequence = TenderTill::text(QStringLiteral("SELECT SequenceNo FROM Invoice WHERE MyNumber=%1").arg(number));
        QVERIFY(sequence.toInt() > 0);
        QCOMPARE(shown.parts.head["sequence"], sequence);
    }
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal")), journalRows);
    QCOMPARE(TenderTill::actions(QLatin1String(logged)), QStringList{QString::number(number)});
    QCOMPARE(utils->documentMode(), mode);
}

} // namespace

class TestInvoicing : public QObject
{
    Q_OBJECT

private slots:
    void refundPaysMoneyBack();
    void quotePulledAtTodaysPrices();
    void pendingBillTakenBackKeepsItsNumber();
    void pendingOrderPreviewedThenBilled();
    void refusedBeforeAnythingIsWritten_data();
    void refusedBeforeAnythingIsWritten();
    void noAccountFallsBackToCash();
    void aFailedSaleStaysInTheTill();
    void clearAllAsksForLinesTakenBack();
    void newAccountLeavesTheSaleWhereItIs();
    void docketReprintedFromTheDocumentsTab();
    void voidsAndThePaidRefusal();
    void findInvoice_data();
    void findInvoice();
    void documentListsByPeriod_data();
    void documentListsByPeriod();
};

void TestInvoicing::refundPaysMoneyBack()
{
    TenderTill till;
    Sales& w = till.w();
    const double stockBefore = stock("1009");
    till.ring(QStringLiteral("1009"), QStringLiteral("2"));
    Printed page;
    till.expectPage(&page);
    QTest::mouseClick(w.RefundPushButton, Qt::LeftButton);
    QVERIFY(till.prompted());

    const int number = TestShop::value(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='RF'")).toInt();
    QVERIFY(number > 0);
    QCOMPARE(page.parts.head["type"] + page.parts.tail["total"], "Return-39.00");
    const QString line = QStringLiteral(" FROM InvoiceItem WHERE InvoiceNumber=%1").arg(number);
    QCOMPARE((QList<double>{TenderTill::money("SELECT Quantity" + line), TenderTill::money("SELECT Price" + line),
                            TenderTill::money("SELECT Amount FROM Journal WHERE Description='RF'"), stock("1009")}),
             (QList<double>{-2, -39, -39, stockBefore + 2}));
    QVERIFY(TenderTill::money("SELECT Cost" + line) < 0);
    QCOMPARE(TenderTill::actions(QStringLiteral("REFUND")).size(), 1);
    QCOMPARE(utils->documentMode(), 0);

    // The money goes back across the counter: F10 on the tab tenders the balance.
    QCOMPARE(w.CurBalEdit->text() + "|" + w.TipAmountEdit->text(), "-39.00|");
    w.F10();
    Printed slip;
    till.expectSlip(&slip);
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY(till.prompted());
    QCOMPARE(slip.parts.head["type"], QStringLiteral("refund"));
    QCOMPARE(slip.parts.column(QStringLiteral("payment")), QStringList{"-39.00"});
    QCOMPARE((QList<double>{TenderTill::money("SELECT CashAmount FROM Receipt"),
                            TenderTill::money("SELECT Amount FROM Journal WHERE Description='R'"),
                            utils->getBalBF(1, true)}),
             (QList<double>{-39, 39, 0}));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    viewAgain(till, "RefundListView", "ViewReturnButton", number, "Return", "VIEW OLD REFUND");
}

void TestInvoicing::quotePulledAtTodaysPrices()
{
    TenderTill till;
    Sales& w = till.w();
    till.choose(14);
    till.ring(QStringLiteral("6005"), QStringLiteral("2"), QStringLiteral("10"));
    till.ring(QStringLiteral("1001"));
    // A line taken back from a return: a quote never holds it negative.
    QTreeWidgetItem* back = w.VendListView->topLevelItem(1);
    back->setText(Sales::ColQuantity, QStringLiteral("-1"));
    back->setText(Sales::ColAmount, QStringLiteral("-18.50"));
    w.chooseLineType(QStringLiteral("Remarks"));
    w.NotesEdit->setPlainText(QStringLiteral("Delivery on Friday"));
    w.addEditorContents();
    w.chooseLineType(QStringLiteral("Inventory"));
    Printed page;
    till.expectPage(&page);
    QTest::mouseClick(w.QuotePushButton, Qt::LeftButton);
    QVERIFY(till.prompted());

    const int quote = TestShop::value(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='Q'")).toInt();
    QCOMPARE(page.parts.head["type"] + page.parts.tail["total"], "Quote225.50"); // 2 x 115.00 less 10%, and 18.50
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM InvoiceItem WHERE InvoiceNumber=%1 AND Quantity<0")
                                 .arg(quote)),
             0);
    QCOMPARE(utils->getBalBF(14, true), 0.0); // a quote owes nothing
    QCOMPARE(w.VendListView->topLevelItemCount(), 0);
    viewAgain(till, "QuoteListView", "ViewQuoteButton", quote, "Quote", "VIEW OLD QUOTE");

    // Prices have gone up since.
    TestShop::exec(QStringLiteral("UPDATE Inventory SET Price=120 WHERE Code='6005'"));
    row(w.QuoteListView, quote)->setSelected(true);
    QTest::mouseClick(w.PullQuoteButton, Qt::LeftButton);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QCOMPARE(till.sale(), (QStringList{"2.000|OLIVE OIL 500ML|10|216.00", "1.000|COCA-COLA 330ML|0|18.50",
                                       "|Delivery on Friday|0.00|0.00"}));
    QCOMPARE(till.cell(0, Sales::ColCode) + till.cell(2, Sales::ColCategory), "6005Remarks");
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("234.50"));
    QCOMPARE(TenderTill::actions(QStringLiteral("PULL QUOTE")), QStringList{QStringLiteral("QUOTE # %1").arg(quote)});
}

void TestInvoicing::pendingBillTakenBackKeepsItsNumber()
{
    TenderTill till;
    Sales& w = till.w();
    const QString returns = QStringLiteral("SELECT id FROM Returns WHERE InvoiceNumber=%1 AND Status='O' AND "
                                           "InvoiceItemNumber=(SELECT MyNumber FROM InvoiceItem WHERE "
                                           "InvoiceNumber=%1 AND Code='6006')");
    const QString items = QStringLiteral("SELECT MyNumber FROM InvoiceItem WHERE InvoiceNumber=%1");
    till.choose(15);
    till.ring(QStringLiteral("2001")); // not stocked
    till.ring(QStringLiteral("1001"), QStringLiteral("2"));
    till.ring(QStringLiteral("6006")); // the cylinder comes back
    const QList<QStringList> ordered = saleLines(w);
    QTest::mouseClick(w.OrderButton, Qt::LeftButton);

    const int bill = Sales::pendingInvoice(15);
    QVERIFY(bill > 0);
    QCOMPARE((QList<double>{double(TestShop::count(items.arg(bill))), double(TestShop::count(returns.arg(bill))),
                            stock("1001"), stock("6006"), stock("2001")}),
             (QList<double>{3, 1, 94, 5, 0}));
    QVERIFY(w.EditPushButton->isVisibleTo(&w));
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("468.00"));

    // Edit: the lines come back as they were; the order and its stock go.
    QTest::mouseClick(w.EditPushButton, Qt::LeftButton);
    QCOMPARE(saleLines(w), ordered);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Invoice WHERE MyNumber=%1 UNION ALL SELECT "
                                            "InvoiceNumber FROM InvoiceItem WHERE InvoiceNumber=%1 UNION ALL SELECT "
                                            "InvoiceNumber FROM Returns WHERE InvoiceNumber=%1").arg(bill)),
             0);
    QCOMPARE((QList<double>{stock("1001"), stock("6006")}), (QList<double>{96, 6}));
    QCOMPARE(w.keptInvoiceNumber(), bill);
    QVERIFY(!w.EditPushButton->isVisibleTo(&w));

    // Another invoice is made meanwhile; the bill keeps its own number.
    SaleRows::invoice(14, {SaleRows::item(QStringLiteral("1004"))});
    till.ring(QStringLiteral("1004"));
    Printed page;
    till.expectPage(&page);
    QTest::mouseClick(w.PushButton5, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(page.parts.head["number"], QString::number(bill));
    QCOMPARE(TenderTill::text(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(bill)), QStringLiteral("C"));
    QCOMPARE((QList<double>{double(TestShop::count(items.arg(bill))), double(TestShop::count(returns.arg(bill))),
                            TenderTill::money(QString("SELECT Amount FROM Journal WHERE Description='I' AND MyNumber=%1")
                                                  .arg(bill)),
                            stock("1001")}),
             (QList<double>{4, 1, 482, 94}));
    QCOMPARE(w.keptInvoiceNumber(), 0);
}

void TestInvoicing::pendingOrderPreviewedThenBilled()
{
    TenderTill till;
    Sales& w = till.w();
    till.choose(2);
    till.shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Preview"),
                               QStringLiteral("There is no order to preview"));
    QTest::mouseClick(w.PreviewPushButton, Qt::LeftButton);
    QVERIFY(till.prompted());

    const int order = SaleRows::invoice(2, {SaleRows::item(QStringLiteral("2001")), SaleRows::item(QStringLiteral("3001"))},
                                        QStringLiteral("JOHN"));
    till.choose(2);
    utils->setWaiter(QStringLiteral("JOHN"));
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("161.00"));
    // The preview only shows the order: view only, still open.
    Printed shown;
    till.expectPage(&shown, 0);
    QTest::mouseClick(w.PreviewPushButton, Qt::LeftButton);
    QVERIFY(till.prompted());
    QVERIFY(shown.viewOnly && !shown.parts.head.has(QStringLiteral("auto")));
    QCOMPARE(shown.parts.head["number"], QString::number(order));
    QCOMPARE(TenderTill::text(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(order)), QStringLiteral("P"));
    QCOMPARE(TenderTill::actions(QStringLiteral("PREVIEW BILL")), QStringList{QStringLiteral("INV # %1").arg(order)});

    // Print Bill with nothing rung up posts the order, numbered after the reset sequence.
    w.fileAdminGroupReset_SequenceAction->trigger();
    QCOMPARE(TestShop::value(QStringLiteral("SELECT SequenceNo FROM SysInfo")).toInt(), 1);
    Printed page;
    till.expectPage(&page);
    QTest::mouseClick(w.PushButton5, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(QStringList({page.parts.head["number"], page.parts.head["sequence"], page.parts.head["waiter"],
                          TenderTill::text(QString("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(order))}),
             QStringList({QString::number(order), "2", "JOHN", "C"}));
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Amount FROM Journal WHERE Description='I' AND MyNumber=%1").arg(order)),
             161.0);
    // A table's bill is paid later: the till clears for the next order.
    QCOMPARE(utils->getAccountNumber(), 1);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
}

void TestInvoicing::refusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<int>("account"); // -1: let go after the line went in
    QTest::addColumn<QString>("code"); // rung up first
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    const int critical = ZkPrompt::Critical, warning = ZkPrompt::Warning, question = ZkPrompt::Question;
    const QString noWaiter = QStringLiteral("You have not selected a waiter for this order");
    const QString nothing = QStringLiteral("There are no Items to process");
    QTest::newRow("order at a table without a waiter")
        << 2 << "2001" << "orderInvoice" << critical << "Brevalon - Order" << noWaiter;
    QTest::newRow("bill at a table without a waiter")
        << 2 << "2001" << "processInvoice" << critical << "Brevalon - Print Bill" << noWaiter;
    // A bill finds nothing to write; a quote or a refund refuses before it writes.
    QTest::newRow("bill of nothing") << 1 << "" << "processInvoice" << warning << "Process" << nothing;
    QTest::newRow("quote of nothing") << 1 << "" << "quoteInvoice" << warning << "Process" << nothing;
    QTest::newRow("no account and No to a cash sale")
        << -1 << "1001" << "processInvoice" << question << "Sales"
        << "You have not selected a client for this Invoice.\nDo you want to process it as a CASH sale ?";
    // The table's open order (%1) is never swallowed by another document.
    const QString open = QStringLiteral("This account has an open order (Invoice # %1)");
    QTest::newRow("a refund over an open order") << 2 << "1001" << "refundInvoice" << warning << "Refund" << open;
}

void TestInvoicing::refusedBeforeAnythingIsWritten()
{
    QFETCH(int, account);
    QFETCH(QString, code);
    QFETCH(QString, slot);
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    TenderTill till;
    Sales& w = till.w();
    const bool open = message.contains(QLatin1String("%1"));
    const int order = open ? SaleRows::invoice(2, {SaleRows::item("2001"), SaleRows::item("3001")}, "JOHN") : 0;
    if (account > 1)
        till.choose(account);
    if (open)
        utils->setWaiter(QStringLiteral("JOHN"));
    if (!code.isEmpty())
        till.ring(code);
    if (account < 0)
        utils->setDetails(-1);
    const QStringList before = TestShop::snapshot({});
    till.shop.prompts().expect(ZkPrompt::Kind(kind), caption, open ? message.arg(order) : message, 1);
    QVERIFY(QMetaObject::invokeMethod(&w, qPrintable(slot)));
    QVERIFY(till.prompted());
    QCOMPARE(TestShop::snapshot({}), before);
    QCOMPARE(w.VendListView->topLevelItemCount(), code.isEmpty() ? 0 : 1);
    QCOMPARE(utils->getAccountNumber(), account);
    QCOMPARE(utils->documentMode(), 0);
}

void TestInvoicing::clearAllAsksForLinesTakenBack()
{
    TenderTill till;
    Sales& w = till.w();
    const int order = SaleRows::invoice(15, {SaleRows::item(QStringLiteral("2001")), SaleRows::item(QStringLiteral("3001"))});
    till.choose(15);
    QTest::mouseClick(w.EditPushButton, Qt::LeftButton);
    QCOMPARE(w.VendListView->topLevelItemCount(), 2);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM InvoiceItem WHERE InvoiceNumber=%1").arg(order)), 0);
    // The order's lines are in the sale only now: No keeps them (Yes is the tables' clearing).
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"),
                               QStringLiteral("There are items in the Sales tab"), 1);
    w.F5clearAll();
    QVERIFY(till.prompted());
    QCOMPARE(w.VendListView->topLevelItemCount(), 2);
    QCOMPARE(utils->getAccountNumber(), 15);
}

void TestInvoicing::newAccountLeavesTheSaleWhereItIs()
{
    TenderTill till;
    Sales& w = till.w();
    till.choose(15);
    till.ring(QStringLiteral("1001"));
    w.TabWidget2->setCurrentWidget(w.tab_6);
    w.SetNameEdit->setText(QStringLiteral("HARBOUR DIVERS"));
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("New Account"),
                               QStringLiteral("Confirm that you wish to add a new account for HARBOUR DIVERS"), 0);
    w.newAccount();
    QVERIFY(till.prompted());
    const int created = TestShop::value(QStringLiteral("SELECT MAX(AccountNumber) FROM Clients")).toInt();
    QVERIFY(created > 15);
    QCOMPARE(w.AccEdit->text(), QString::number(created)); // shown on the page
    QCOMPARE(utils->getAccountNumber(), 15);                 // the sale stays
    QCOMPARE(w.VendListView->topLevelItemCount(), 1);
}

void TestInvoicing::docketReprintedFromTheDocumentsTab()
{
    TenderTill till;
    Sales& w = till.w();
    settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("slip40"));
    const int order = SaleRows::invoice(2, {SaleRows::item(QStringLiteral("2001")), SaleRows::item(QStringLiteral("3001"))},
                                        QStringLiteral("JOHN"));
    TestShop::exec(QStringLiteral("UPDATE InvoiceItem SET Printed=2"));
    till.choose(2);
    w.TabWidget2->setCurrentWidget(w.tab_5);
    // No invoice picked: the table's open order, every line, marked a reprint.
    Printed docket;
    till.expectSlip(&docket, 0);
    QTest::mouseClick(w.DocketButton, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(docket.parts.head["number"], QString::number(order));
    QCOMPARE(docket.parts.head["reprint"], QStringLiteral("REPRINT"));
    QCOMPARE(docket.parts.column("description"), (QStringList{"GARLIC BREAD", "BEEF BURGER & CHIPS"}));
    QCOMPARE(TenderTill::actions(QStringLiteral("REPRINT DOCKET")), QStringList{QStringLiteral("INV #: %1").arg(order)});
    // An account with nothing to send says so.
    till.choose(15);
    till.shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon - Docket"),
                               QStringLiteral("Select an invoice, or a table with an open order"));
    QTest::mouseClick(w.DocketButton, Qt::LeftButton);
    QVERIFY(till.prompted());
}

void TestInvoicing::noAccountFallsBackToCash()
{
    TenderTill till;
    Sales& w = till.w();
    till.ring(QStringLiteral("1001"));
    utils->setDetails(-1); // the account was let go after the line went in
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("Sales"), QStringLiteral("as a CASH sale ?"), 0);
    till.expectPage(nullptr);
    QTest::mouseClick(w.PushButton5, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(TestShop::value(QStringLiteral("SELECT AccountNumber FROM Journal WHERE Description='I'")).toInt(), 1);
    QCOMPARE(TenderTill::actions(QStringLiteral("PROCESS INVOICE")), QStringList{QStringLiteral("FALLBACK TO CASH ACC")});
    QCOMPARE(w.NameComboBox->currentText(), QStringLiteral("CASH"));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("18.50"));
}

void TestInvoicing::aFailedSaleStaysInTheTill()
{
    TenderTill till;
    Sales& w = till.w();
    till.ringLunch();
    const double cola = stock("1001");
    const QStringList before = TestShop::snapshot();
    // The ledger row is the last statement of the sale's unit.
    TestShop::exec(TestShop::isMariaDb()
                       ? QStringLiteral("CREATE TRIGGER sale_fails BEFORE INSERT ON Journal FOR EACH ROW "
                                        "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'the disk is full'")
                       : QStringLiteral("CREATE TRIGGER sale_fails BEFORE INSERT ON Journal BEGIN SELECT "
                                        "RAISE(ABORT, 'the disk is full'); END"));
    till.shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("the disk is full"));
    QTest::mouseClick(w.PushButton5, Qt::LeftButton);
    QVERIFY(till.prompted());
    // Shown once, nothing written, the sale as it was.
    QCOMPARE(till.summary(), (QStringList{"COCA-COLA 330ML=55.50", "STILL WATER 500ML=14.00",
                                          "SPARKLING WATER 500ML=16.00"}));
    QCOMPARE(till.total(), QStringLiteral("85.50"));
    QCOMPARE(TestShop::snapshot(), before);

    // Mended, the same sale goes through once.
    TestShop::exec(QStringLiteral("DROP TRIGGER sale_fails"));
    Printed page;
    till.expectPage(&page);
    QTest::mouseClick(w.PushButton5, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(page.parts.tail["total"], QStringLiteral("85.50"));
    QCOMPARE((QList<double>{double(TestShop::count("SELECT * FROM Invoice")),
                            double(TestShop::count("SELECT * FROM InvoiceItem")),
                            double(TestShop::count("SELECT * FROM Journal WHERE Description='I'")), stock("1001")}),
             (QList<double>{1, 3, 1, cola - 3}));
    QCOMPARE(till.lines(), 0);
}

void TestInvoicing::voidsAndThePaidRefusal()
{
    TenderTill till;
    Sales& w = till.w();
    till.ringLunch();
    till.expectPage(nullptr);
    QTest::mouseClick(w.PushButton5, Qt::LeftButton);
    Counter::retype(w.CashAmountEdit, QStringLiteral("100"));
    till.expectSlip(nullptr);
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY(till.prompted());
    const int invoice = TestShop::value(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='I'")).toInt();
    const int receipt = TestShop::value(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R'")).toInt();
    viewAgain(till, "InvoiceListView", "ViewInvoiceButton", invoice, "Invoice", "VIEW OLD INVOICE");
    viewAgain(till, "ReceiptListView", "ViewReceiptButton", receipt, "receipt", "VIEW OLD RECEIPT");
    QCOMPARE(listed(w.InvoiceListView), QList<int>{invoice});
    QCOMPARE(row(w.InvoiceListView, invoice)->text(3), QString::number(receipt));
    QCOMPARE(row(w.ReceiptListView, receipt)->text(2), QStringLiteral("85.50"));

    // Paid: refused, the books as they were.
    row(w.InvoiceListView, invoice)->setSelected(true);
    till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Error"),
                               QStringLiteral("You may not Void an Invoice that has been paid.\nUse return instead"));
    QTest::mouseClick(w.pushButton29, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='VI'")), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT Number FROM Voids")), 0);

    // The receipt goes: the invoice is owed again, and can then go too.
    row(w.ReceiptListView, receipt)->setSelected(true);
    till.shop.prompts().expect(ZkPrompt::TextInput, QStringLiteral("Void Receipt"), QString(), 0,
                               QStringLiteral("rang up twice"));
    QTest::mouseClick(w.pushButton28, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(TenderTill::text(QStringLiteral("SELECT Description FROM Journal WHERE MyNumber=%1 AND Description "
                                             "IN ('R','VR')")
                                  .arg(receipt)),
             QStringLiteral("VR"));
    QCOMPARE(utils->getBalBF(1, true), 85.50);
    QTreeWidgetItem* voided = row(w.ReceiptListView, receipt);
    QVERIFY(voided && !(voided->flags() & Qt::ItemIsSelectable) && voided->font(0).strikeOut());
    QCOMPARE(row(w.InvoiceListView, invoice)->text(3), QString());

    row(w.InvoiceListView, invoice)->setSelected(true);
    till.shop.prompts().expect(ZkPrompt::TextInput, QStringLiteral("Void Invoice"), QString(), 0,
                               QStringLiteral("customer walked out"));
    QTest::mouseClick(w.pushButton29, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='VI'")), 1);
    QCOMPARE(utils->getBalBF(1, true), 0.0);
    QCOMPARE(stock("1001"), 96.0);
    QVERIFY(!(row(w.InvoiceListView, invoice)->flags() & Qt::ItemIsSelectable));
    QCOMPARE(w.comboBox5->currentIndex(), 0);
    // A voided row cannot be chosen, so nothing is voided twice.
    const int beeps = till.shop.prompts().beeps();
    QTest::mouseClick(w.pushButton29, Qt::LeftButton);
    QCOMPARE(till.shop.prompts().beeps(), beeps + 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT Number FROM Voids")), 2);
}

void TestInvoicing::findInvoice_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QString>("waiter");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("a sale is open: refused") << "" << false << "" << "refused";
    QTest::newRow("no such invoice") << "999" << false << "" << "not found";
    QTest::newRow("a paid invoice") << "612" << false << "" << "paid";
    QTest::newRow("an unpaid invoice opens the receipt tab on it") << "611" << false << "" << "receipt";
    QTest::newRow("the number on the keypad") << "611" << true << "" << "receipt";
    QTest::newRow("a waiter finds only his own") << "611" << false << "SUE" << "not found";
    QTest::newRow("a waiter finds his own") << "611" << false << "JOHN" << "receipt";
}

void TestInvoicing::findInvoice()
{
    QFETCH(QString, typed);
    QFETCH(bool, touch);
    QFETCH(QString, waiter);
    QFETCH(QString, outcome);
    TenderTill till;
    Sales& w = till.w();
    settings->writeEntry(QStringLiteral("/Personal/VendPage/MARY"), touch);
    TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Waiter) VALUES "
                                  "(611, '2026-12-04 19:00:00', 15, 'C', 'JOHN'), (612, '2026-12-04 19:30:00', 15, "
                                  "'C', 'JOHN')"));
    TenderTill::journal(15, "I", 120, 611, 0, "2026-12-04 19:00:00");
    TenderTill::journal(15, "I", 60, 612, 900, "2026-12-04 19:30:00");
    TenderTill::journal(15, "R", -60, 900, 0, "2026-12-04 20:00:00");
    if (!waiter.isEmpty())
        utils->setWaiter(waiter);

    ScriptedPrompts& prompts = till.shop.prompts();
    if (outcome == QLatin1String("refused")) {
        till.ring(QStringLiteral("1001"));
        prompts.expect(ZkPrompt::Critical, QStringLiteral("Error"), QStringLiteral("PLEASE COMPLETE YOUR CURRENT ORDER FIRST"));
    } else if (touch) {
        prompts.expectExec(QStringLiteral("NumEntry"), [&](QDialog* d) {
            static_cast<NumEntry*>(d)->setValue(typed);
            return int(QDialog::Accepted);
        });
    } else {
        prompts.expect(ZkPrompt::TextInput, QStringLiteral("Searching for invoice number ..."),
                       QStringLiteral("Enter Invoice number."), 0, typed);
    }
    if (outcome == QLatin1String("not found"))
        prompts.expect(ZkPrompt::Warning, QStringLiteral("Error"),
                       QStringLiteral("Could not find any matching Invoice # %1").arg(typed));
    if (outcome == QLatin1String("paid"))
        prompts.expect(ZkPrompt::Information, QStringLiteral("Notice"), QStringLiteral("Invoice # 612 is already paid"));
    w.editFindAction->trigger();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));

    QStringList logged;
    if (outcome != QLatin1String("refused"))
        logged << QStringLiteral("INV #: %1").arg(typed);
    if (outcome == QLatin1String("not found"))
        logged << QStringLiteral("INV #: %1 NOT FOUND").arg(typed);
    QCOMPARE(TenderTill::actions(QStringLiteral("SEARCH FOR INVOICE")), logged);
    QCOMPARE(utils->getAccountNumber(), outcome == QLatin1String("paid") || outcome == QLatin1String("receipt") ? 15 : 1);
    QCOMPARE(w.VendListView->topLevelItemCount(), outcome == QLatin1String("refused") ? 1 : 0);
    if (outcome != QLatin1String("receipt"))
        return;
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    const QList<QTreeWidgetItem*> picked = w.PayListView->selectedItems();
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first()->text(0), QStringLiteral("611"));
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("120.00"));
    QCOMPARE(utils->getWaiter(), QStringLiteral("JOHN"));
    QCOMPARE(w.focusWidget(), w.CashAmountEdit);
}

void TestInvoicing::documentListsByPeriod_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QList<int>>("invoices");
    QTest::addColumn<QList<int>>("receipts");
    QTest::addColumn<QList<int>>("quotes");
    QTest::addColumn<QList<int>>("refunds");
    // Today is Saturday 2026-12-05; the week runs from Sunday 2026-11-29.
    QTest::newRow("today, and the unpaid invoice of last year")
        << 0 << QList<int>{101, 104} << QList<int>{201} << QList<int>{} << QList<int>{};
    QTest::newRow("this week from the Sunday, archived rows too")
        << 1 << QList<int>{101, 104} << QList<int>{201, 205} << QList<int>{301} << QList<int>{401};
    QTest::newRow("this month: not the Sunday of November")
        << 2 << QList<int>{101, 104} << QList<int>{201, 205} << QList<int>{301} << QList<int>{};
    QTest::newRow("this year, voided rows too") << 3 << QList<int>{101, 102, 103, 104}
                                                << QList<int>{201, 202, 203, 204, 205} << QList<int>{301}
                                                << QList<int>{401};
    QTest::newRow("forever") << 4 << QList<int>{101, 102, 103, 104, 105} << QList<int>{201, 202, 203, 204, 205}
                             << QList<int>{301} << QList<int>{401};
}

void TestInvoicing::documentListsByPeriod()
{
    QFETCH(int, period);
    QFETCH(QList<int>, invoices);
    QFETCH(QList<int>, receipts);
    QFETCH(QList<int>, quotes);
    QFETCH(QList<int>, refunds);
    TenderTill till;
    Sales& w = till.w();
    TenderTill::journal(15, "I", 50, 101, 201, "2026-12-05 09:00:00");
    TenderTill::journal(15, "R", -50, 201, 0, "2026-12-05 09:05:00");
    TenderTill::journal(15, "Q", 75, 301, 0, "2026-12-01 10:00:00");
    TenderTill::journal(15, "RF", -20, 401, 0, "2026-11-29 08:00:00");
    TenderTill::journal(15, "I", 30, 102, 202, "2026-11-20 10:00:00");
    TenderTill::journal(15, "R", -30, 202, 0, "2026-11-20 10:10:00");
    TenderTill::journal(15, "VI", 40, 103, 0, "2026-06-01 10:00:00");
    TenderTill::journal(15, "VR", -40, 203, 0, "2026-06-02 10:00:00");
    TenderTill::journal(15, "I", 60, 104, 0, "2025-03-01 10:00:00");
    TenderTill::journal(15, "IA", 3, 0, 0, "2026-12-05 00:00:00");
    TenderTill::journal(15, "I", 25, 105, 204, "2025-12-01 10:00:00", "JournalArchive");
    TenderTill::journal(15, "R", -25, 204, 0, "2026-11-28 12:00:00", "JournalArchive");
    TenderTill::journal(15, "R", -10, 205, 0, "2026-12-02 12:00:00", "JournalArchive");
    TenderTill::journal(14, "I", 99, 106, 0, "2026-12-05 09:30:00");
    till.choose(15);
    w.TabWidget2->setCurrentWidget(w.tab_5);
    w.comboBox5->setCurrentIndex(period);
    emit w.comboBox5->activated(period);

    QCOMPARE(listed(w.InvoiceListView), invoices);
    QCOMPARE(listed(w.ReceiptListView), receipts);
    QCOMPARE(listed(w.QuoteListView), quotes);
    QCOMPARE(listed(w.RefundListView), refunds);
    // Receipts read as the money taken; an invoice names what paid it.
    QCOMPARE(row(w.ReceiptListView, 201)->text(2), QStringLiteral("50.00"));
    QCOMPARE(row(w.InvoiceListView, 101)->text(1) + QLatin1Char('|') + row(w.InvoiceListView, 101)->text(3),
             QStringLiteral("2026-12-05 09:00:00|201"));
    QCOMPARE(row(w.InvoiceListView, 104)->text(3), QString());
    if (!refunds.isEmpty())
        QCOMPARE(row(w.RefundListView, 401)->text(2), QStringLiteral("-20.00"));
    // Voided rows stand apart and cannot be chosen.
    for (QTreeWidgetItem* voided : {row(w.InvoiceListView, 103), row(w.ReceiptListView, 203)}) {
        if (!voided)
            continue;
        QVERIFY(!(voided->flags() & Qt::ItemIsSelectable));
        QCOMPARE(static_cast<ZkListItem*>(voided)->visual(), 1);
    }
    QVERIFY(row(w.InvoiceListView, 101)->flags() & Qt::ItemIsSelectable);
}

BREVALON_TEST_MAIN(TestInvoicing)
#include "tst_invoicing.moc"
