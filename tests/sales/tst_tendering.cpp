// Taking money at the till, end to end on the real window: a sale billed
// and paid, what the receipt row, the ledger, the invoices and the printed
// slip say afterwards, and what the till does next; the refusals and the
// failures that must leave the books as they were; and the cashier's aids
// (keypads, assists, bank notes, the drawer).

#include "tests/sales/tendertill.h"
#include "tests/support/actionrows.h"

#include "core/moneyvalidator.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

int receiptCount()
{
    return TestShop::count(QStringLiteral("SELECT MyNumber FROM Receipt"));
}

int postedReceipts(int number)
{
    return TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE MyNumber=%1 AND Description='R'")
                               .arg(number));
}

/** The ledger row of the invoice the sale became. */
int lastInvoice()
{
    return TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Journal WHERE Description='I'")).toInt();
}

QStringList actions(const QString& action)
{
    QStringList infos;
    for (const ActionRow& r : actionRows()) {
        if (r.action == action)
            infos << r.info;
    }
    return infos;
}

void owe(int account, double amount, int number)
{
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, "
                                  "CrossRef) VALUES (%1, 'I', '2026-12-01 12:00:00', %2, %3, 0)")
                       .arg(account)
                       .arg(amount, 0, 'f', 2)
                       .arg(number));
}

/** Bills the lunch on the till's account: F8 Print Bill, the invoice page
 *  accepted. */
void billLunch(TenderTill& till, Printed* page = nullptr)
{
    till.ringLunch();
    Printed shown;
    till.expectPage(page ? page : &shown);
    QTest::mouseClick(till.w().PushButton5, Qt::LeftButton);
}

} // namespace

class TestTendering : public QObject
{
    Q_OBJECT

private slots:
    void cashSaleGivesChange();
    void cardOverpaymentBecomesATip();
    void keepCreditLeavesTheOverpayment();
    void partialPaymentStaysOnTheTab_data();
    void partialPaymentStaysOnTheTab();
    void zeroTenderIsRefused();
    void failedPostingKeepsTheNumber_data();
    void failedPostingKeepsTheNumber();
    void assists_data();
    void assists();
    void autoTipGoesWithTheOverpayment();
    void keypads_data();
    void keypads();
    void bankNotes();
    void cashDrawer();
};

void TestTendering::cashSaleGivesChange()
{
    TenderTill till;
    Sales& w = till.w();
    Printed page;
    billLunch(till, &page);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    const int invoice = lastInvoice();

    // The bill: posted, printed, and waiting on the receipt tab.
    QCOMPARE(page.parts.head["type"], QStringLiteral("Invoice"));
    QCOMPARE(page.parts.column(QStringLiteral("description")),
             (QStringList{"COCA-COLA 330ML", "STILL WATER 500ML", "SPARKLING WATER 500ML"}));
    QCOMPARE(page.parts.tail["total"], QStringLiteral("85.50"));
    if (!page.text.isEmpty())
        QVERIFY2(page.text.contains(QLatin1String("COCA-COLA 330ML")) && page.text.contains(QLatin1String("85.50")),
                 qPrintable(page.text));
    QCOMPARE(TenderTill::text(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(invoice)),
             QStringLiteral("C"));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM InvoiceItem WHERE InvoiceNumber=%1").arg(invoice)), 3);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Quantity FROM Inventory WHERE Code='1001'")), 93.0);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));
    QCOMPARE(w.PayListView->topLevelItemCount(), 1);
    QCOMPARE(w.VendListView->topLevelItemCount(), 0);

    Counter::retype(w.CashAmountEdit, QStringLiteral("100"));
    QCOMPARE(w.ChangeEdit->text(), QStringLiteral("14.50"));
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("0.00"));
    Printed slip;
    till.expectSlip(&slip);
    const qint64 mark = till.spooling() ? till.printerMark() : 0;
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    const int receipt = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
    const QString row = QStringLiteral(" FROM Receipt WHERE MyNumber=%1").arg(receipt);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT CashAmount") + row), 85.50);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Tendered") + row), 100.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT ChangeDue") + row), 14.50);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Balance") + row), 0.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT TipAmount") + row), 0.0);
    QCOMPARE(TenderTill::text(QStringLiteral("SELECT Waiter") + row), QStringLiteral("MARY"));
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Amount FROM Journal WHERE Description='R' AND MyNumber=%1")
                                   .arg(receipt)),
             -85.50);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(invoice))
                 .toInt(),
             receipt);
    QCOMPARE(utils->getBalBF(1, true), 0.0);
    QCOMPARE(actions(QStringLiteral("PROCESS RECEIPT")),
             QStringList{QStringLiteral("REC #%1 TEND: 100.00  CHANGE:14.50  TIP: 0.00").arg(receipt)});

    // The slip the customer takes.
    QCOMPARE(slip.parts.head["type"], QStringLiteral("receipt"));
    QCOMPARE(slip.parts.head["number"], QString::number(receipt));
    QCOMPARE(slip.parts.column(QStringLiteral("description")), QStringList{"Payment - Thank you"});
    QCOMPARE(slip.parts.tail["tender"], QStringLiteral("100.00"));
    QCOMPARE(slip.parts.tail["change"], QStringLiteral("14.50"));
    QVERIFY2(slip.text.contains(QLatin1String("14.50")), qPrintable(slip.text));
    QVERIFY(!slip.bytes.isEmpty());
    QCOMPARE(slip.bytes, utils->docPrint()->slipBytes());
    if (till.spooling()) {
        // The receipt, then the drawer kick, through the receipt printer.
        QCOMPARE(till.printerReceived(mark, slip.bytes.size() + TenderTill::kick().size()),
                 slip.bytes + TenderTill::kick());
    } else {
        qInfo("the spooler's CUPS queue is absent (scripts/test.sh starts it): the slip went to a file "
              "and the drawer was not tried");
    }

    // Ready for the next customer.
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QCOMPARE(w.PayListView->topLevelItemCount(), 0);
    QCOMPARE(w.CashAmountEdit->text(), QString());
    QCOMPARE(w.TotalLCD->text(), QStringLiteral("0.00"));
    QCOMPARE(w.status(), QStringLiteral("Change due 14.50"));
    QCOMPARE(w.keptReceiptNumber(), 0);
}

void TestTendering::cardOverpaymentBecomesATip()
{
    TenderTill till;
    Sales& w = till.w();
    billLunch(till);
    const int invoice = lastInvoice();
    Counter::retype(w.CardAmountEdit, QStringLiteral("100"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("14.50"));
    QCOMPARE(w.ChangeEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("0.00"));
    Printed slip;
    till.expectSlip(&slip);
    const qint64 mark = till.spooling() ? till.printerMark() : 0;
    QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    const int receipt = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
    const QString row = QStringLiteral(" FROM Receipt WHERE MyNumber=%1").arg(receipt);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT CardAmount") + row), 100.0);
    // The tip is paid out of the drawer: the cash column gives it back.
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT CashAmount") + row), -14.50);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT TipAmount") + row), 14.50);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT ChangeDue") + row), 0.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Tendered") + row), 100.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Amount FROM Journal WHERE Description='R' AND MyNumber=%1")
                                   .arg(receipt)),
             -85.50);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT TipAmount FROM Journal WHERE Description='R' AND MyNumber=%1")
                                   .arg(receipt)),
             14.50);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(invoice))
                 .toInt(),
             receipt);
    QCOMPARE(slip.parts.head["type"], QStringLiteral("receipt"));
    QCOMPARE(slip.parts.column(QStringLiteral("description")), QStringList{"C/Card Payment - Thank you"});
    QCOMPARE(slip.parts.tail["tip"], QStringLiteral("14.50"));
    QVERIFY2(slip.text.contains(QLatin1String("14.50")), qPrintable(slip.text));
    if (till.spooling())
        QCOMPARE(till.printerReceived(mark, slip.bytes.size() + TenderTill::kick().size()),
                 slip.bytes + TenderTill::kick());
    QCOMPARE(w.status(), QStringLiteral("Change due 0.00    Tip for MARY 14.50"));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
}

void TestTendering::keepCreditLeavesTheOverpayment()
{
    TenderTill till;
    Sales& w = till.w();
    till.choose(15);
    billLunch(till);
    const int invoice = lastInvoice();
    QCOMPARE(TestShop::value(QStringLiteral("SELECT AccountNumber FROM Journal WHERE Description='I' AND "
                                            "MyNumber=%1")
                                 .arg(invoice))
                 .toInt(),
             15);
    QVERIFY(!w.checkBox4->isChecked());
    w.checkBox4->click();
    Counter::retype(w.CardAmountEdit, QStringLiteral("100"));
    QVERIFY(w.ChangeEdit->isHidden());
    QCOMPARE(w.TipAmountEdit->text(), QString());
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("-14.50"));
    till.expectSlip(nullptr);
    QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    const int receipt = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
    const QString row = QStringLiteral(" FROM Receipt WHERE MyNumber=%1").arg(receipt);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT CardAmount") + row), 100.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT CashAmount") + row), 0.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT ChangeDue") + row), 0.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT TipAmount") + row), 0.0);
    QCOMPARE(TenderTill::money(QStringLiteral("SELECT Balance") + row), -14.50);
    QCOMPARE(utils->getBalBF(15, true), -14.50);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(invoice))
                 .toInt(),
             receipt);
    QCOMPARE(w.status(), QStringLiteral("Change due 0.00"));
}

void TestTendering::partialPaymentStaysOnTheTab_data()
{
    QTest::addColumn<QList<int>>("picked");
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QString>("stillOwed");
    QTest::newRow("part of the balance: nothing is marked") << QList<int>{} << "50" << QList<int>{} << "60.00";
    QTest::newRow("the invoice picked, paid in full") << QList<int>{1} << "40" << QList<int>{702} << "70.00";
}

void TestTendering::partialPaymentStaysOnTheTab()
{
    QFETCH(QList<int>, picked);
    QFETCH(QString, cash);
    QFETCH(QList<int>, marked);
    QFETCH(QString, stillOwed);
    TenderTill till;
    Sales& w = till.w();
    owe(15, 70, 701);
    owe(15, 40, 702);
    till.choose(15);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    for (int row : picked)
        w.PayListView->topLevelItem(row)->setSelected(true);
    Counter::retype(w.CashAmountEdit, cash);
    const int beeps = till.shop.prompts().beeps();
    till.expectSlip(nullptr);
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    const int receipt = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
    QCOMPARE(postedReceipts(receipt), 1);
    for (int invoice : {701, 702})
        QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE MyNumber=%1").arg(invoice)).toInt(),
                 marked.contains(invoice) ? receipt : 0);
    // Still on the receipt tab, emptied, with what is left to pay.
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CashAmountEdit->text(), QString());
    QCOMPARE(w.CurBalEdit->text(), stillOwed);
    QCOMPARE(w.PayListView->topLevelItemCount(), 2 - marked.size());
    QCOMPARE(utils->getAccountNumber(), 15);
    QCOMPARE(till.shop.prompts().beeps(), beeps + 1);
}

void TestTendering::zeroTenderIsRefused()
{
    TenderTill till;
    Sales& w = till.w();
    billLunch(till);
    const int actionsBefore = actionRows().size();
    till.shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon - Receipt"),
                               QStringLiteral("The amount tendered for this receipt is zero"));
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(receiptCount(), 0);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R'")), 0);
    QCOMPARE(actionRows().size(), actionsBefore);
    QCOMPARE(w.keptReceiptNumber(), 0);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));
}

void TestTendering::failedPostingKeepsTheNumber_data()
{
    QTest::addColumn<bool>("databaseFails");
    QTest::newRow("the receipt window closed") << false;
    QTest::newRow("the database failed after the row was written") << true;
}

void TestTendering::failedPostingKeepsTheNumber()
{
    QFETCH(bool, databaseFails);
    TenderTill till;
    Sales& w = till.w();
    billLunch(till);
    const int invoice = lastInvoice();
    // Receipts made elsewhere move the counter on; the kept number must not.
    TestShop::exec(QStringLiteral("INSERT INTO Receipt (MyDate, AccountNumber) VALUES ('2026-12-04 10:00:00', 14)"));
    Counter::retype(w.CashAmountEdit, QStringLiteral("100"));
    if (databaseFails) {
        TestShop::exec(TestShop::isMariaDb()
                           ? QStringLiteral("CREATE TRIGGER receipt_fails BEFORE UPDATE ON Receipt FOR EACH ROW "
                                            "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'the disk is full'")
                           : QStringLiteral("CREATE TRIGGER receipt_fails BEFORE UPDATE ON Receipt BEGIN SELECT "
                                            "RAISE(ABORT, 'the disk is full'); END"));
        till.expectSlip(nullptr, 1);
        till.shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("the disk is full"));
    } else {
        till.expectSlip(nullptr, 0);
    }
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));

    const int kept = w.keptReceiptNumber();
    QVERIFY(kept > 0);
    QCOMPARE(postedReceipts(kept), 0);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(invoice))
                 .toInt(),
             0);
    // Nothing was taken: the amounts wait for another try.
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CashAmountEdit->text(), QStringLiteral("100"));
    QVERIFY(actions(QStringLiteral("PROCESS RECEIPT")).isEmpty());

    if (databaseFails)
        TestShop::exec(QStringLiteral("DROP TRIGGER receipt_fails"));
    Printed slip;
    till.expectSlip(&slip);
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(slip.parts.head["number"], QString::number(kept));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Receipt WHERE MyNumber=%1").arg(kept)), 1);
    QCOMPARE(receiptCount(), 2); // this one and the other till's
    QCOMPARE(postedReceipts(kept), 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R'")), 1);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                                 .arg(invoice))
                 .toInt(),
             kept);
    QCOMPARE(w.keptReceiptNumber(), 0);
    QCOMPARE(utils->getBalBF(1, true), 0.0);
}

void TestTendering::assists_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    // Due 85.50, cash 50 and a tip of 10 typed first.
    QTest::newRow("card takes the rest and the tip") << "CardAssistButton" << "CardAmountEdit" << "45.50";
    QTest::newRow("cheque takes the rest and the tip") << "ChequeAssistButton" << "ChequeAmountEdit" << "45.50";
    QTest::newRow("EFT takes the rest and the tip") << "EFTAssistButton" << "EFTAmountEdit" << "45.50";
}

void TestTendering::assists()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    TenderTill till;
    Sales& w = till.w();
    owe(1, 85.50, 801);
    w.refreshReceipt(1);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    Counter::retype(w.CashAmountEdit, QStringLiteral("50"));
    Counter::retype(w.TipAmountEdit, QStringLiteral("10"));
    QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(w.findChild<QLineEdit*>(field)->text(), expected);
    QCOMPARE(w.ChangeEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("10"));
}

void TestTendering::autoTipGoesWithTheOverpayment()
{
    TenderTill till;
    Sales& w = till.w();
    owe(1, 85.50, 801);
    w.refreshReceipt(1);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    Counter::retype(w.CardAmountEdit, QStringLiteral("100"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("14.50"));
    // Corrected to the amount due: no overpayment, no tip.
    Counter::retype(w.CardAmountEdit, QStringLiteral("85.50"));
    QCOMPARE(w.TipAmountEdit->text(), QString());
    QCOMPARE(w.ChangeEdit->text(), QStringLiteral("0.00"));
    // A tip the cashier types is the cashier's.
    Counter::retype(w.TipAmountEdit, QStringLiteral("5"));
    Counter::retype(w.CardAmountEdit, QStringLiteral("80"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("5"));
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("5.50"));
}

void TestTendering::keypads_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("cash") << "CashPadButton" << "CashAmountEdit" << "Cash Amount" << true;
    QTest::newRow("card") << "CardPadButton" << "CardAmountEdit" << "C/Card Amount" << true;
    QTest::newRow("cheque") << "ChequePadButton" << "ChequeAmountEdit" << "Cheque Amount" << true;
    QTest::newRow("EFT") << "EFTPadButton" << "EFTAmountEdit" << "Eft Amount" << true;
    QTest::newRow("coupon") << "CouponPadButton" << "CouponAmountEdit" << "Coupon Amount" << true;
    QTest::newRow("tip") << "TipPadButton" << "TipAmountEdit" << "Tip Amount" << true;
    QTest::newRow("closed without OK: the amount stays") << "CashPadButton" << "CashAmountEdit" << "Cash Amount"
                                                         << false;
}

void TestTendering::keypads()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QFETCH(bool, accepted);
    TenderTill till;
    Sales& w = till.w();
    w.TabWidget2->setCurrentWidget(w.tab_4);
    auto* amount = w.findChild<QLineEdit*>(field);
    amount->setText(QStringLiteral("1"));
    QString shownCaption, preset;
    till.shop.prompts().expectExec(QStringLiteral("PadEntry"), [&](QDialog* d) {
        auto* pad = d->findChild<QLabel*>(QStringLiteral("textLabel1"));
        shownCaption = pad ? pad->text() : QString();
        auto* line = d->findChild<QLineEdit*>(QStringLiteral("lineEdit1"));
        preset = line->text();
        for (const char* key : {"pushButton2", "dotButton", "pushButton5"})
            QTest::mouseClick(d->findChild<QPushButton*>(QLatin1String(key)), Qt::LeftButton);
        if (!accepted)
            return int(QDialog::Rejected);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        return d->result();
    });
    QTest::mouseClick(w.findChild<QToolButton*>(button), Qt::LeftButton);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(shownCaption, caption);
    QCOMPARE(preset, QStringLiteral("1"));
    const QString typed = QStringLiteral("12") + MoneyValidator::localeSeparators().decimal + QLatin1Char('5');
    QCOMPARE(amount->text(), accepted ? typed : QStringLiteral("1"));
}

void TestTendering::bankNotes()
{
    TenderTill till;
    Sales& w = till.w();
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("fifty.png"));
    QImage picture(80, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(own));
    settings->writeEntry(QStringLiteral("/Global/BankNote1Logo"), own);
    settings->writeEntry(QStringLiteral("/Global/BankNote1Value"), 50.0);
    // A bare name is one of the pictures installed with the program.
    settings->writeEntry(QStringLiteral("/Global/BankNote2Logo"), QStringLiteral("note20.png"));
    settings->writeEntry(QStringLiteral("/Global/BankNote2Value"), 20.0);
    settings->writeEntry(QStringLiteral("/Global/BankNote3Logo"), dir.filePath(QStringLiteral("gone.png")));
    settings->writeEntry(QStringLiteral("/Global/BankNote3Value"), 10.0);
    settings->writeEntry(QStringLiteral("/Global/BankNote4Value"), 100.0); // no picture: no button
    w.TabWidget2->setCurrentWidget(w.tab_4);

    const QList<QPushButton*> notes{w.bankNoteButton1, w.bankNoteButton2, w.bankNoteButton3,
                                    w.bankNoteButton4, w.bankNoteButton5, w.bankNoteButton6};
    const QList<bool> shown{true, true, true, false, false, false};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(notes.at(i)->isVisibleTo(&w), shown.at(i));
    QVERIFY(!w.bankNoteButton1->icon().isNull());
    QVERIFY(!w.bankNoteButton2->icon().isNull());
    QVERIFY(w.bankNoteButton3->icon().isNull());
    QCOMPARE(w.bankNoteButton3->text(), QStringLiteral("10.00"));

    // Presses add up in the cash field.
    QTest::mouseClick(w.bankNoteButton1, Qt::LeftButton);
    QTest::mouseClick(w.bankNoteButton1, Qt::LeftButton);
    QCOMPARE(w.CashAmountEdit->text(), QStringLiteral("100.00"));
    QTest::mouseClick(w.bankNoteButton2, Qt::LeftButton);
    QCOMPARE(w.CashAmountEdit->text(), QStringLiteral("120.00"));
    QCOMPARE(w.focusWidget(), w.CashAmountEdit);
}

void TestTendering::cashDrawer()
{
    TenderTill till;
    Sales& w = till.w();
    w.TabWidget2->setCurrentWidget(w.tab_4);
    const qint64 mark = till.spooling() ? till.printerMark() : 0;
    QTest::mouseClick(w.CashDrawButton, Qt::LeftButton);
    QCOMPARE(actions(QStringLiteral("CASH DRAW OPENED")).size(), 1);
    if (till.spooling())
        QCOMPARE(till.printerReceived(mark, TenderTill::kick().size()), TenderTill::kick());
    QCOMPARE(receiptCount(), 0);
}

BREVALON_TEST_MAIN(TestTendering)
#include "tst_tendering.moc"
