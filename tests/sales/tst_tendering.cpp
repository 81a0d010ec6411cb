// Taking money on the real window: the receipt tab's figures as invoices are
// picked and amounts typed; payments checked in the books and on the slip the
// printer received; zero tender and failed postings; the cashier's aids.

#include "tests/sales/tendertill.h"

#include "core/moneyvalidator.h"

#include <QLabel>
#include <QPushButton>

namespace {

int crossRef(int invoice)
{
    return TestShop::value(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1")
                               .arg(invoice))
        .toInt();
}

int lastReceipt()
{
    return TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Receipt")).toInt();
}

/** Rings up the lunch (85.50) and bills it with F8: the page is printed and
 *  must be the invoice of the lunch; returns the invoice's number. */
int billLunch(TenderTill& till)
{
    till.ringLunch();
    Printed page;
    till.expectPage(&page);
    QTest::mouseClick(till.w().PushButton5, Qt::LeftButton);
    if (!till.shop.prompts().done())
        QTest::qFail(qPrintable(till.shop.prompts().pending()), __FILE__, __LINE__);
    const int invoice = TestShop::value(QStringLiteral("SELECT MAX(MyNumber) FROM Invoice")).toInt();
    const bool billed = page.parts.head["type"] == QLatin1String("Invoice")
        && page.parts.head["number"] == QString::number(invoice)
        && page.parts.column(QStringLiteral("description"))
            == QStringList{"COCA-COLA 330ML", "STILL WATER 500ML", "SPARKLING WATER 500ML"}
        && page.parts.tail["total"] == QLatin1String("85.50")
        && (page.text.isEmpty() || (page.text.contains(QLatin1String("COCA-COLA 330ML")) && page.text.contains(QLatin1String("85.50"))));
    if (!billed)
        QTest::qFail(qPrintable(QLatin1String("not the lunch's invoice page:\n") + page.text), __FILE__, __LINE__);
    return invoice;
}

} // namespace

class TestTendering : public QObject
{
    Q_OBJECT

private slots:
    void receiptTabLists();
    void paymentPosted_data();
    void paymentPosted();
    void paymentRefused_data();
    void paymentRefused();
    void drawerOpensBeforeTheNextWaiter();
    void paymentReferenceKeptToItsColumn();
    void failedPostingKeepsTheNumber_data();
    void failedPostingKeepsTheNumber();
    void cashiersAids();
};

void TestTendering::receiptTabLists()
{
    TenderTill till;
    Sales& w = till.w();
    // Owed: 100 + 50 + 40 + interest 5 - 109.50 paid = 85.50; only the two
    // unpaid invoices are listed, not the paid one, the quote or account 14's.
    TenderTill::journal(15, "I", 100, 501);
    TenderTill::journal(15, "I", 50, 502);
    TenderTill::journal(15, "I", 40, 503, 9);
    TenderTill::journal(15, "R", -109.50, 9);
    TenderTill::journal(15, "IA", 5, 0);
    TenderTill::journal(15, "Q", 999, 504);
    TenderTill::journal(14, "I", 70, 505);
    till.choose(15);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    QCOMPARE(w.PayListView->topLevelItemCount(), 2);
    QCOMPARE(w.PayListView->topLevelItem(0)->text(0) + QLatin1Char('=') + w.PayListView->topLevelItem(0)->text(1),
             QStringLiteral("501=100.00"));
    QCOMPARE(w.PayListView->topLevelItem(1)->text(0), QStringLiteral("502"));
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));

    // A picked invoice is what is due; a new pick starts the tender again.
    QTest::keyClicks(w.CashAmountEdit, QStringLiteral("20"));
    w.PayListView->topLevelItem(1)->setSelected(true);
    QCOMPARE(w.CashAmountEdit->text(), QString());
    QCOMPARE(w.CurBalEdit->text() + QLatin1Char('/') + w.OutBalEdit->text(), QStringLiteral("50.00/50.00"));
    // Picked beyond what is owed: the balance.
    w.PayListView->topLevelItem(0)->setSelected(true);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));
    QTest::keyClicks(w.CashAmountEdit, QStringLiteral("90"));
    QCOMPARE(w.ChangeEdit->text() + QLatin1Char('/') + w.OutBalEdit->text(), QStringLiteral("4.50/0.00"));

    // Another account replaces the list.
    till.choose(14);
    QCOMPARE(w.PayListView->topLevelItemCount(), 1);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("70.00"));
}

void TestTendering::paymentPosted_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<bool>("oldDebt"); // invoice 702 of 40.00 owed from before
    QTest::addColumn<bool>("pickOld");
    QTest::addColumn<bool>("keepCredit");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("receipt"); // the row written
    QTest::addColumn<QStringList>("paid"); // invoices marked with the receipt
    QTest::addColumn<QString>("owed");     // the account's balance afterwards
    QTest::addColumn<bool>("stays");       // on the receipt tab, with what is owed
    QTest::addColumn<QString>("slipLine");
    QTest::addColumn<QString>("status");
    QTest::newRow("shop sale paid cash with change")
        << 1 << false << false << false << "CashAmountEdit" << "100" << ""
        << "cash 85.50 card 0.00 tip 0.00 change 14.50 balance 0.00 tendered 100.00" << QStringList{"lunch"} << "0.00"
        << false << "Payment - Thank you" << "Change due 14.50";
    QTest::newRow("cash with a tip: the change less the tip")
        << 1 << false << false << false << "CashAmountEdit" << "100" << "10"
        << "cash 85.50 card 0.00 tip 10.00 change 4.50 balance 0.00 tendered 100.00" << QStringList{"lunch"} << "0.00"
        << false << "Payment - Thank you" << "Change due 4.50    Tip for MARY 10.00";
    QTest::newRow("card overpayment becomes a tip, paid out of the drawer")
        << 1 << false << false << false << "CardAmountEdit" << "100" << ""
        << "cash -14.50 card 100.00 tip 14.50 change 0.00 balance 0.00 tendered 100.00" << QStringList{"lunch"}
        << "0.00" << false << "C/Card Payment - Thank you" << "Change due 0.00    Tip for MARY 14.50";
    QTest::newRow("keep credit leaves the overpayment on the account")
        << 15 << false << false << true << "CardAmountEdit" << "100" << ""
        << "cash 0.00 card 100.00 tip 0.00 change 0.00 balance -14.50 tendered 100.00" << QStringList{"lunch"}
        << "-14.50" << false << "C/Card Payment - Thank you" << "Change due 0.00";
    QTest::newRow("part of the balance: nothing is marked")
        << 15 << true << false << false << "CashAmountEdit" << "50" << ""
        << "cash 50.00 card 0.00 tip 0.00 change 0.00 balance 75.50 tendered 50.00" << QStringList{} << "75.50" << true
        << "Payment - Thank you" << "Change due 0.00";
    QTest::newRow("the old invoice picked and paid in full")
        << 15 << true << true << false << "CashAmountEdit" << "40" << ""
        << "cash 40.00 card 0.00 tip 0.00 change 0.00 balance 0.00 tendered 40.00" << QStringList{"old"} << "85.50"
        << true << "Payment - Thank you" << "Change due 0.00";
}

void TestTendering::paymentPosted()
{
    QFETCH(int, account);
    QFETCH(bool, oldDebt);
    QFETCH(bool, pickOld);
    QFETCH(bool, keepCredit);
    QFETCH(QString, field);
    QFETCH(QString, amount);
    QFETCH(QString, tip);
    QFETCH(QString, receipt);
    QFETCH(QStringList, paid);
    QFETCH(QString, owed);
    QFETCH(bool, stays);
    QFETCH(QString, slipLine);
    QFETCH(QString, status);
    TenderTill till;
    Sales& w = till.w();
    if (oldDebt)
        TenderTill::journal(account, "I", 40, 702);
    if (account != 1)
        till.choose(account);
    const int lunch = billLunch(till);
    QCOMPARE(w.PayListView->topLevelItemCount(), oldDebt ? 2 : 1);
    if (pickOld)
        w.PayListView->findItems(QStringLiteral("702"), Qt::MatchExactly).first()->setSelected(true);
    if (keepCredit)
        w.checkBox4->click();
    auto* tender = w.findChild<QLineEdit*>(field);
    Counter::retype(w.TipAmountEdit, tip);
    Counter::retype(tender, amount);
    // Keep Credit gives no change and takes no tip.
    QCOMPARE(w.ChangeEdit->isHidden() && w.ChangeDueLabel->isHidden(), keepCredit);
    QCOMPARE(w.TipAmountEdit->isEnabled(), !keepCredit);
    Printed slip;
    till.expectSlip(&slip);
    const int beeps = till.shop.prompts().beeps();
    if (tender == w.CashAmountEdit)
        QTest::keyClick(tender, Qt::Key_Return);
    else
        QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY(till.prompted());

    const int number = lastReceipt();
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("SELECT CashAmount, CardAmount, TipAmount, ChangeDue, Balance, Tendered, Waiter, "
                                  "AccountNumber FROM Receipt WHERE MyNumber=%1")
                       .arg(number)));
    QVERIFY(q.next());
    auto m = [&](int c) { return Utility::numStr(Utility::roundCents(q.value(c).toDouble()), 2); };
    QCOMPARE(QStringLiteral("cash %1 card %2 tip %3 change %4 balance %5 tendered %6")
                 .arg(m(0), m(1), m(2), m(3), m(4), m(5)),
             receipt);
    QCOMPARE(q.value(6).toString(), QStringLiteral("MARY"));
    QCOMPARE(q.value(7).toInt(), account);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R' AND MyNumber=%1").arg(number)), 1);
    QCOMPARE(crossRef(lunch), paid.contains(QLatin1String("lunch")) ? number : 0);
    if (oldDebt)
        QCOMPARE(crossRef(702), paid.contains(QLatin1String("old")) ? number : 0);
    QCOMPARE(Utility::numStr(utils->getBalBF(account, true), 2), owed);
    QCOMPARE(TenderTill::actions(QStringLiteral("PROCESS RECEIPT")),
             QStringList{QStringLiteral("REC #%1 TEND: %2  CHANGE:%3  TIP: %4").arg(number).arg(m(5), m(3), m(2))});

    // The slip the customer takes, then the drawer kick, through the receipt printer.
    QCOMPARE(slip.parts.head["type"], QStringLiteral("receipt"));
    QCOMPARE(slip.parts.head["number"], QString::number(number));
    QCOMPARE(slip.parts.column(QStringLiteral("description")), QStringList{slipLine});
    QCOMPARE(QStringList({slip.parts.tail["tender"], slip.parts.tail["change"], slip.parts.tail["tip"]}),
             QStringList({m(5), m(3), m(2)}));
    QVERIFY2(slip.text.contains(m(5)), qPrintable(slip.text));
    QVERIFY(!slip.bytes.isEmpty());
    QCOMPARE(slip.bytes, utils->docPrint()->slipBytes());
    if (till.spooling())
        QCOMPARE(till.printer.take(TenderTill::kick().size()), TenderTill::kick());
    else
        qInfo("the CUPS queue of scripts/test.sh is absent: the slip went to a file, the drawer was not tried");

    QCOMPARE(w.status(), status);
    QCOMPARE(w.keptReceiptNumber(), 0);
    QCOMPARE(w.CashAmountEdit->text(), QString());
    if (stays) {
        // Something is still owed: the tab is loaded again, with a beep.
        QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
        QCOMPARE(w.CurBalEdit->text(), owed);
        QCOMPARE(w.PayListView->topLevelItemCount(), 2 - paid.size());
        QCOMPARE(utils->getAccountNumber(), account);
        QCOMPARE(till.shop.prompts().beeps(), beeps + 1);
    } else {
        // Ready for the next customer.
        QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
        QCOMPARE(w.PayListView->topLevelItemCount(), 0);
        QCOMPARE(w.TotalLCD->text(), QStringLiteral("0.00"));
    }
}

void TestTendering::paymentRefused_data()
{
    QTest::addColumn<bool>("owed");
    QTest::addColumn<bool>("keepCredit");
    QTest::newRow("nothing tendered for the lunch") << true << false;
    QTest::newRow("keep credit does not make nothing a payment") << false << true;
}

void TestTendering::paymentRefused()
{
    QFETCH(bool, owed);
    QFETCH(bool, keepCredit);
    TenderTill till;
    Sales& w = till.w();
    if (owed)
        billLunch(till);
    else
        till.choose(15);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    if (keepCredit)
        w.checkBox4->click();
    const QStringList before = TestShop::snapshot({});
    till.shop.prompts().expect(ZkPrompt::Critical, QStringLiteral("Brevalon - Receipt"),
                               QStringLiteral("The amount tendered for this receipt is zero"));
    if (owed)
        QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    else
        QTest::mouseClick(w.ProcessButton, Qt::LeftButton);
    QVERIFY(till.prompted());
    QCOMPARE(TestShop::snapshot({}), before);
    QCOMPARE(w.keptReceiptNumber(), 0);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    if (owed)
        QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));
}

void TestTendering::drawerOpensBeforeTheNextWaiter()
{
    TenderTill till;
    ProbeSales& w = *till.window;
    w.probeWaiter = false;
    billLunch(till);
    // The waiter is asked on the keypad; the drawer is kicked through a
    // receipt printer that is not there, which the till reports.
    settings->writeEntry(QStringLiteral("/Personal/VendPage/MARY"), true);
    settings->writeEntry(QStringLiteral("/Global/CashDraw"), QStringLiteral("SLIP40"));
    settings->writeEntry(QStringLiteral("/ReceiptPrinter/PrinterName"), QStringLiteral("brevalon_no_such_queue"));
    Counter::retype(w.CashAmountEdit, QStringLiteral("100"));
    QString shownToTheWaiter;
    till.shop.prompts()
        .expectExec(QStringLiteral("DocPrint"), [](QDialog*) { return 1; })
        .expect(ZkPrompt::Critical, QStringLiteral("Brevalon Error"),
                QStringLiteral("The printer brevalon_no_such_queue did not take the document"))
        .expectExec(QStringLiteral("NumEntry"), [&](QDialog*) {
            shownToTheWaiter = w.status();
            return int(QDialog::Rejected);
        });
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY(till.prompted());
    QCOMPARE(shownToTheWaiter, QStringLiteral("Change due 14.50"));
    QCOMPARE(lastReceipt() > 0, true);
}

void TestTendering::paymentReferenceKeptToItsColumn()
{
    TenderTill till;
    Sales& w = till.w();
    till.choose(15);
    billLunch(till);
    const QString reference = QString(300, QLatin1Char('R'));
    w.PayRefEdit->setFocus();
    QTest::keyClicks(w.PayRefEdit, reference);
    QCOMPARE(w.PayRefEdit->text().size(), 255);
    Counter::retype(w.CashAmountEdit, QStringLiteral("85.50"));
    till.expectSlip(nullptr);
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY(till.prompted());
    QCOMPARE(TenderTill::text(QStringLiteral("SELECT PayRef FROM Receipt")), reference.left(255));
}

void TestTendering::failedPostingKeepsTheNumber_data()
{
    QTest::addColumn<bool>("databaseFails");
    QTest::newRow("the receipt window closed") << false;
    QTest::newRow("the database failed in the middle of the receipt") << true;
}

void TestTendering::failedPostingKeepsTheNumber()
{
    QFETCH(bool, databaseFails);
    TenderTill till;
    Sales& w = till.w();
    const int invoice = billLunch(till);
    // Receipts made elsewhere move the counter on; the kept number must not.
    TestShop::exec(QStringLiteral("INSERT INTO Receipt (MyDate, AccountNumber) VALUES ('2026-12-04 10:00:00', 14)"));
    Counter::retype(w.CashAmountEdit, QStringLiteral("100"));
    if (databaseFails) {
        // The receipt's ledger row cannot be written: its row and the
        // invoice's mark go back with it, and the slip is never printed.
        TestShop::exec(TestShop::isMariaDb()
                           ? QStringLiteral("CREATE TRIGGER receipt_fails BEFORE INSERT ON Journal FOR EACH ROW "
                                            "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'the disk is full'")
                           : QStringLiteral("CREATE TRIGGER receipt_fails BEFORE INSERT ON Journal BEGIN SELECT "
                                            "RAISE(ABORT, 'the disk is full'); END"));
        till.shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("the disk is full"));
    } else {
        till.expectSlip(nullptr, 0);
    }
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY(till.prompted());

    // A cancelled slip kept its number for the next try; a failed unit took
    // none.
    const int kept = w.keptReceiptNumber();
    QCOMPARE(kept > 0, !databaseFails);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Receipt")), 1); // the other till's
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R'")), 0);
    QCOMPARE(crossRef(invoice), 0);
    // Nothing was taken: the amounts wait for another try.
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_4);
    QCOMPARE(w.CashAmountEdit->text(), QStringLiteral("100"));
    QVERIFY(TenderTill::actions(QStringLiteral("PROCESS RECEIPT")).isEmpty());

    if (databaseFails)
        TestShop::exec(QStringLiteral("DROP TRIGGER receipt_fails"));
    Printed slip;
    till.expectSlip(&slip);
    QTest::keyClick(w.CashAmountEdit, Qt::Key_Return);
    QVERIFY(till.prompted());
    // Posted once, under the kept number when there was one.
    const int number = slip.parts.head["number"].toInt();
    if (!databaseFails)
        QCOMPARE(number, kept);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Receipt")), 2); // this one and the other till's
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R'")), 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='R' AND MyNumber=%1").arg(number)), 1);
    QCOMPARE(crossRef(invoice), number);
    QCOMPARE(w.keptReceiptNumber(), 0);
    QCOMPARE(utils->getBalBF(1, true), 0.0);
}

void TestTendering::cashiersAids()
{
    TenderTill till;
    Sales& w = till.w();
    // A bare name is one of the pictures installed with the program.
    settings->writeEntry(QStringLiteral("/Global/BankNote1Logo"), QStringLiteral("note50.png"));
    settings->writeEntry(QStringLiteral("/Global/BankNote1Value"), 50.0);
    settings->writeEntry(QStringLiteral("/Global/BankNote2Value"), 100.0); // no picture: no button
    TenderTill::journal(1, "I", 85.50, 801);
    w.refreshReceipt(1);
    w.TabWidget2->setCurrentWidget(w.tab_4);

    // Bank notes add up in the cash field, which keeps the keyboard.
    QVERIFY(w.bankNoteButton1->isVisibleTo(&w) && !w.bankNoteButton1->icon().isNull());
    QVERIFY(!w.bankNoteButton2->isVisibleTo(&w));
    QTest::mouseClick(w.bankNoteButton1, Qt::LeftButton);
    QTest::mouseClick(w.bankNoteButton1, Qt::LeftButton);
    QCOMPARE(w.CashAmountEdit->text(), QStringLiteral("100.00"));
    QCOMPARE(w.focusWidget(), w.CashAmountEdit);

    // An assist puts on its tender what the others leave open, and the tip.
    Counter::retype(w.CashAmountEdit, QStringLiteral("50"));
    Counter::retype(w.TipAmountEdit, QStringLiteral("10"));
    QTest::mouseClick(w.ChequeAssistButton, Qt::LeftButton);
    QCOMPARE(w.ChequeAmountEdit->text(), QStringLiteral("45.50"));
    QCOMPARE(w.ChangeEdit->text() + QLatin1Char('/') + w.OutBalEdit->text(), QStringLiteral("0.00/0.00"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("10"));

    // A tip the card's overpayment made goes again when the card is
    // corrected; one the cashier typed stays.
    for (QLineEdit* field : {w.CashAmountEdit, w.ChequeAmountEdit, w.TipAmountEdit})
        field->clear();
    Counter::retype(w.CardAmountEdit, QStringLiteral("100"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("14.50"));
    Counter::retype(w.CardAmountEdit, QStringLiteral("85.50"));
    QCOMPARE(w.TipAmountEdit->text(), QString());
    Counter::retype(w.TipAmountEdit, QStringLiteral("5"));
    Counter::retype(w.CardAmountEdit, QStringLiteral("80"));
    QCOMPARE(w.TipAmountEdit->text(), QStringLiteral("5"));
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("5.50"));

    // The card's keypad starts from the field's amount and writes back on OK only.
    const QString typed = QStringLiteral("12") + MoneyValidator::localeSeparators().decimal + QLatin1Char('5');
    for (bool ok : {true, false}) {
        w.CardAmountEdit->setText(QStringLiteral("1"));
        QString shown;
        till.shop.prompts().expectExec(QStringLiteral("PadEntry"), [&](QDialog* d) {
            shown = d->findChild<QLabel*>(QStringLiteral("textLabel1"))->text() + QLatin1Char('=')
                + d->findChild<QLineEdit*>(QStringLiteral("lineEdit1"))->text();
            for (const char* key : {"pushButton2", "dotButton", "pushButton5"})
                QTest::mouseClick(d->findChild<QPushButton*>(QLatin1String(key)), Qt::LeftButton);
            if (ok)
                QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
            return ok ? d->result() : int(QDialog::Rejected);
        });
        QTest::mouseClick(w.CardPadButton, Qt::LeftButton);
        QVERIFY(till.prompted());
        QCOMPARE(shown, QStringLiteral("C/Card Amount=1"));
        QCOMPARE(w.CardAmountEdit->text(), ok ? typed : QStringLiteral("1"));
    }

    // The drawer opens without a sale through the receipt printer, and is logged.
    till.printer.mark();
    QTest::mouseClick(w.CashDrawButton, Qt::LeftButton);
    QCOMPARE(TenderTill::actions(QStringLiteral("CASH DRAW OPENED")).size(), 1);
    if (till.spooling())
        QCOMPARE(till.printer.take(TenderTill::kick().size()), TenderTill::kick());
    QCOMPARE(TestShop::count(QStringLiteral("SELECT MyNumber FROM Receipt")), 0);
}

BREVALON_TEST_MAIN(TestTendering)
#include "tst_tendering.moc"
