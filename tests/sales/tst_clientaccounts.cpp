// Client accounts kept from the till's client page: creating and updating
// them with their refusals, merging an old account into a new one in two
// passes, purging an account with its history, and the rights that open
// these to an operator.

#include "tests/sales/clienttill.h"

#include "core/zkdb.h"

#include <QMenuBar>

namespace {

/** An account with a history: an invoice with a line, its ledger rows, a
 *  receipt and an archived ledger row. */
void giveHistory(int account)
{
    TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status, Waiter) VALUES "
                                  "('2026-12-01 12:00:00', %1, 'C', 'JOHN')")
                       .arg(account));
    const int invoice = ZkDb::newRowNumber(QStringLiteral("invoice_mynumber_seq"));
    TestShop::exec(QStringLiteral("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, Quantity, Code, Price, "
                                  "Description) VALUES ('2026-12-01 12:00:00', %1, 1, '1005', 80, 'LUNCH')")
                       .arg(invoice));
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber) "
                                  "VALUES (%1, 'I', '2026-12-01 12:00:00', 80, %2)")
                       .arg(account)
                       .arg(invoice));
    TestShop::exec(QStringLiteral("INSERT INTO Receipt (MyDate, AccountNumber, CashAmount, Tendered) VALUES "
                                  "('2026-12-02 09:00:00', %1, 30, 30)")
                       .arg(account));
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber) "
                                  "VALUES (%1, 'R', '2026-12-02 09:00:00', -30, 1)")
                       .arg(account));
    TestShop::exec(QStringLiteral("INSERT INTO JournalArchive (AccountNumber, Description, MyDate, Amount, "
                                  "MyNumber) VALUES (%1, 'I', '2026-10-01 12:00:00', 25, 3)")
                       .arg(account));
}

/** How many rows of @p table belong to @p account. */
int rowsOf(const char* table, int account)
{
    return TestShop::count(
        QStringLiteral("SELECT AccountNumber FROM %1 WHERE AccountNumber=%2").arg(QLatin1String(table)).arg(account));
}

int clientCount()
{
    return TestShop::count(QStringLiteral("SELECT AccountNumber FROM Clients"));
}

const QString kCancelled = QStringLiteral("Operation cancelled");

} // namespace

class TestClientAccounts : public QObject
{
    Q_OBJECT

private slots:
    void newAccountFromTheForm();
    void newAccountRefused_data();
    void newAccountRefused();
    void updateWritesTheFormBack();
    void updateRefused_data();
    void updateRefused();
    void mergeMovesTheHistoryInTwoPasses();
    void mergeNeedsAnOldAccount_data();
    void mergeNeedsAnOldAccount();
    void mergeCancelledAtTheFirstPass();
    void mergeNeedsAValidNewAccount_data();
    void mergeNeedsAValidNewAccount();
    void mergeNotConfirmedMovesNothing();
    void purgeRemovesHistoryButKeepsInvoices_data();
    void purgeRemovesHistoryButKeepsInvoices();
    void purgeRefused_data();
    void purgeRefused();
    void rightsOpenThePageAndTheCommands();
};

void TestClientAccounts::newAccountFromTheForm()
{
    ClientTill till;
    ProbeSales& w = *till.window;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QTest::keyClicks(w.SetNameEdit, QStringLiteral("harbour divers"));
    QTest::keyClicks(w.SetPhoneEdit, QStringLiteral("021 555 0777"));
    QTest::keyClicks(w.SetCellEdit, QStringLiteral("082 555 0778"));
    QTest::keyClicks(w.SetFaxEdit, QStringLiteral("021 555 0779"));
    QTest::keyClicks(w.SetEmailEdit, QStringLiteral("dive@harbour.example"));
    QTest::keyClicks(w.SetIdEdit, QStringLiteral("7001015009087"));
    QTest::keyClicks(w.SetVatEdit, QStringLiteral("4555"));
    QTest::keyClicks(w.SetPostalText, QStringLiteral("po box 5"));
    QTest::keyClick(w.SetPostalText, Qt::Key_Return);
    QTest::keyClicks(w.SetPostalText, QStringLiteral("harbour bay"));
    QTest::keyClicks(w.SetShippingText, QStringLiteral("the jetty"));
    QTest::keyClicks(w.SetNotesText, QStringLiteral("wetsuits on account"));
    QTest::keyClicks(w.SetDiscountAEdit, QStringLiteral("7.5"));
    QTest::keyClicks(w.SetDiscountCEdit, QStringLiteral("2"));
    w.SetBadDebtCheckBox->setChecked(true);
    w.SetKeepCreditCheckBox->setChecked(true);
    w.SetPriceTierComboBox->setCurrentIndex(1);
    QCOMPARE(w.SetNameEdit->text(), QStringLiteral("HARBOUR DIVERS")); // upper case as typed

    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("New Account"),
                               QStringLiteral("Confirm that you wish to add a new account for HARBOUR DIVERS"), 0);
    QTest::keyClick(&w, Qt::Key_F8);
    // A button's key clicks it a moment later, as a finger would.
    QTRY_VERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QTRY_COMPARE(clientCount(), 16);

    const int account = TestShop::value(QStringLiteral("SELECT AccountNumber FROM Clients WHERE Name='HARBOUR DIVERS'"))
                            .toInt();
    QVERIFY(account > 15);
    const struct
    {
        const char* column;
        QString value;
    } expected[] = {
        {"Phone", "021 555 0777"},         {"Cell", "082 555 0778"},      {"Fax", "021 555 0779"},
        {"Email", "DIVE@HARBOUR.EXAMPLE"}, {"IDno", "7001015009087"},     {"VatNo", "4555"},
        {"ShippingAddr", "THE JETTY"},     {"Notes", "WETSUITS ON ACCOUNT"}, {"BadDebt", "Y"},
        {"KeepCredit", "Y"},               {"PriceTier", "1"},
    };
    for (const auto& e : expected)
        QCOMPARE(ClientTill::stored(account, QLatin1String(e.column)), e.value);
    QCOMPARE(ClientTill::stored(account, QStringLiteral("Created")).left(10), QStringLiteral("2026-12-05"));
    QCOMPARE(Utility::unescapeSQL(ClientTill::stored(account, QStringLiteral("PostalAddr"))),
             QStringLiteral("PO BOX 5\nHARBOUR BAY"));
    QCOMPARE(TestShop::value(QStringLiteral("SELECT MerchDiscount FROM Clients WHERE AccountNumber=%1").arg(account))
                 .toDouble(),
             7.5);
    QCOMPARE(TestShop::value(QStringLiteral("SELECT OtherDiscount FROM Clients WHERE AccountNumber=%1").arg(account))
                 .toDouble(),
             2.0);
    QCOMPARE(ClientTill::actions(), QStringList{QStringLiteral("NEW CLIENT|HARBOUR DIVERS")});
    // The page now shows the new account, and the sale is for it.
    QCOMPARE(w.AccEdit->text(), QString::number(account));
    QCOMPARE(w.SetDiscountAEdit->text(), QStringLiteral("7.50"));
    QCOMPARE(utils->getAccountNumber(), account);
    QVERIFY(w.salesTabOpen());
}

void TestClientAccounts::newAccountRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asked");
    QTest::newRow("without a name") << QString() << false;
    QTest::newRow("a name of blanks is no name") << QStringLiteral("   ") << false;
    QTest::newRow("No at the confirmation") << QStringLiteral("HARBOUR DIVERS") << true;
}

void TestClientAccounts::newAccountRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, asked);
    ClientTill till;
    ProbeSales& w = *till.window;
    w.SetNameEdit->setText(name);
    w.SetPhoneEdit->setText(QStringLiteral("021 555 0777"));
    if (asked) {
        till.shop.prompts()
            .expect(ZkPrompt::Question, QStringLiteral("New Account"), QStringLiteral("HARBOUR DIVERS"), 1)
            .expect(ZkPrompt::Information, QStringLiteral("New Account"), kCancelled);
    } else {
        till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Brevalon - New Account"),
                                   QStringLiteral("You need to fill in at least the following fields..\n"
                                                  "Name, for example Table 1 or Room 1"));
    }
    w.NewAccountButton->click();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(clientCount(), 15);
    QCOMPARE(ClientTill::actions(), QStringList());
    QCOMPARE(utils->getAccountNumber(), -1);
}

void TestClientAccounts::updateWritesTheFormBack()
{
    ClientTill till;
    ProbeSales& w = *till.window;
    w.fillInDetails(QStringLiteral("14"), false);
    w.SetPhoneEdit->clear();
    QTest::keyClicks(w.SetPhoneEdit, QStringLiteral("021 555 0200"));
    QTest::keyClicks(w.SetNotesText, QStringLiteral("deliveries before nine"));
    w.SetDiscountAEdit->setText(QStringLiteral("12.25"));
    w.SetBadDebtCheckBox->setChecked(true);
    w.SetKeepCreditCheckBox->setChecked(false);
    w.SetPriceTierComboBox->setCurrentIndex(0);
    w.UpdateAccountButton->click();

    QCOMPARE(ClientTill::stored(14, QStringLiteral("Phone")), QStringLiteral("021 555 0200"));
    QCOMPARE(ClientTill::stored(14, QStringLiteral("Notes")), QStringLiteral("DELIVERIES BEFORE NINE"));
    QCOMPARE(ClientTill::stored(14, QStringLiteral("BadDebt")), QStringLiteral("Y"));
    QCOMPARE(ClientTill::stored(14, QStringLiteral("KeepCredit")).trimmed(), QString());
    QCOMPARE(ClientTill::stored(14, QStringLiteral("PriceTier")), QStringLiteral("0"));
    // The discount column keeps one decimal, rounded alike on every server.
    QCOMPARE(TestShop::value(QStringLiteral("SELECT MerchDiscount FROM Clients WHERE AccountNumber=14")).toDouble(),
             12.3);
    QCOMPARE(w.SetDiscountAEdit->text(), QStringLiteral("12.30"));
    // Untouched fields are written back as they were loaded (now upper case).
    QCOMPARE(ClientTill::stored(14, QStringLiteral("Email")), QStringLiteral("ACCOUNTS@BAYSIDE.EXAMPLE"));
    QCOMPARE(Utility::unescapeSQL(ClientTill::stored(14, QStringLiteral("PostalAddr"))),
             QStringLiteral("PO BOX 77\nHARBOUR BAY\n8001"));
    QCOMPARE(ClientTill::actions(), QStringList{QStringLiteral("UPDATE CLIENT|ACC: 14 - BAYSIDE CATERING")});
    QCOMPARE(clientCount(), 15);
}

void TestClientAccounts::updateRefused_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("onPage");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    const QString client = QStringLiteral("Brevalon - Update Client");
    const QString select = QStringLiteral("You must select a Client before you can execute an update");
    QTest::newRow("no account on the page") << QString() << "BAYSIDE" << true << client << select;
    QTest::newRow("no account for the sale off the page") << "14" << "BAYSIDE" << false << client << select;
    QTest::newRow("the cash account") << "1" << "CASH" << true << client
                                      << QStringLiteral("You may not modify the CASH account !");
    QTest::newRow("an empty name") << "14" << QString() << true << QStringLiteral("Brevalon - Update Account")
                                   << QStringLiteral("You need to fill in at least the clients Name");
}

void TestClientAccounts::updateRefused()
{
    QFETCH(QString, account);
    QFETCH(QString, name);
    QFETCH(bool, onPage);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    ClientTill till;
    ProbeSales& w = *till.window;
    w.AccEdit->setText(account);
    w.SetNameEdit->setText(name);
    w.SetPhoneEdit->setText(QStringLiteral("000"));
    if (!onPage)
        w.TabWidget2->setCurrentWidget(w.tab_5);
    till.shop.prompts().expect(ZkPrompt::Warning, caption, text);
    w.updateAccount();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT AccountNumber FROM Clients WHERE Phone='000'")), 0);
    QCOMPARE(ClientTill::stored(14, QStringLiteral("Name")), QStringLiteral("BAYSIDE CATERING"));
    QCOMPARE(ClientTill::actions(), QStringList());
}

void TestClientAccounts::mergeMovesTheHistoryInTwoPasses()
{
    ClientTill till({QStringLiteral("ModifyClient"), QStringLiteral("MergeClient")});
    ProbeSales& w = *till.window;
    giveHistory(13);
    giveHistory(14);
    auto& prompts = till.shop.prompts();

    w.AccEdit->setText(QStringLiteral("13"));
    prompts.expect(ZkPrompt::Information, QStringLiteral("Merge Clients"),
                   QStringLiteral("Now select the new client\nthen select Merge Clients again"), 0);
    w.editClientMergeAction->trigger();
    QCOMPARE(w.mergeSource(), 13);
    QCOMPARE(rowsOf("Journal", 13), 2); // nothing moved yet

    w.fillInDetails(QStringLiteral("14"), false);
    prompts.expect(ZkPrompt::Question, QStringLiteral("Merge Clients"),
                   QStringLiteral("Confirm that you will merge Account number 13\nto this new client ?"), 0);
    w.editClientMergeAction->trigger();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));

    for (const char* table : {"Invoice", "Journal", "Receipt", "JournalArchive"})
        QVERIFY2(rowsOf(table, 13) == 0, table);
    QCOMPARE(rowsOf("Invoice", 14), 2);
    QCOMPARE(rowsOf("Journal", 14), 4);
    QCOMPARE(rowsOf("Receipt", 14), 2);
    QCOMPARE(rowsOf("JournalArchive", 14), 2);
    QCOMPARE(rowsOf("Clients", 13), 0);
    QCOMPARE(clientCount(), 14);
    QCOMPARE(w.mergeSource(), -1);
    QCOMPARE(w.status(), QString());
    QCOMPARE(ClientTill::actions().filter(QStringLiteral("MERGE")), QStringList{QStringLiteral("MERGE CLIENTS|ACC: 13 TO 14")});
    // The receipt tab shows the merged balance: 2 x (80 - 30).
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("100.00"));

    // Starting again from the old number finds nothing left to move.
    w.AccEdit->setText(QStringLiteral("13"));
    prompts.expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), QStringLiteral("Now select"), 0);
    w.mergeClient();
    w.AccEdit->setText(QStringLiteral("14"));
    prompts.expect(ZkPrompt::Question, QStringLiteral("Merge Clients"), QStringLiteral("Account number 13"), 0);
    w.mergeClient();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
    QCOMPARE(rowsOf("Journal", 14), 4);
    QCOMPARE(clientCount(), 14);
}

void TestClientAccounts::mergeNeedsAnOldAccount_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("text");
    QTest::newRow("no account chosen") << QString()
                                       << QStringLiteral("You must first select the old client you are going to merge from");
    QTest::newRow("the cash account stays") << "1" << QStringLiteral("You may not modify the CASH account !");
}

void TestClientAccounts::mergeNeedsAnOldAccount()
{
    QFETCH(QString, account);
    QFETCH(QString, text);
    ClientTill till;
    till.window->AccEdit->setText(account);
    till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Merge Clients"), text);
    till.window->mergeClient();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(till.window->mergeSource(), -1);
}

void TestClientAccounts::mergeCancelledAtTheFirstPass()
{
    ClientTill till;
    till.window->AccEdit->setText(QStringLiteral("13"));
    till.shop.prompts()
        .expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), QStringLiteral("Now select the new client"), 1)
        .expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), kCancelled);
    till.window->mergeClient();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(till.window->mergeSource(), -1);
}

void TestClientAccounts::mergeNeedsAValidNewAccount_data()
{
    QTest::addColumn<QString>("newAccount");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("sourceAfter");
    QTest::newRow("the old account again, Ok tries again") << "13" << 0 << 13;
    QTest::newRow("the old account again, Cancel gives up") << "13" << 1 << -1;
    QTest::newRow("an account that does not exist") << "999" << 0 << 13;
    QTest::newRow("no account") << QString() << 0 << 13;
}

void TestClientAccounts::mergeNeedsAValidNewAccount()
{
    QFETCH(QString, newAccount);
    QFETCH(int, answer);
    QFETCH(int, sourceAfter);
    ClientTill till;
    giveHistory(13);
    auto& prompts = till.shop.prompts();
    till.window->AccEdit->setText(QStringLiteral("13"));
    prompts.expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), QStringLiteral("Now select"), 0);
    till.window->mergeClient();

    till.window->AccEdit->setText(newAccount);
    prompts.expect(ZkPrompt::Warning, QStringLiteral("Merge Clients"),
                   QStringLiteral("You have not selected a valid new client. Try again."), answer);
    if (answer == 1)
        prompts.expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), kCancelled);
    till.window->mergeClient();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
    QCOMPARE(till.window->mergeSource(), sourceAfter);
    QCOMPARE(rowsOf("Journal", 13), 2);
    QCOMPARE(rowsOf("Clients", 13), 1);
}

void TestClientAccounts::mergeNotConfirmedMovesNothing()
{
    ClientTill till;
    giveHistory(13);
    auto& prompts = till.shop.prompts();
    till.window->AccEdit->setText(QStringLiteral("13"));
    prompts.expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), QStringLiteral("Now select"), 0);
    till.window->mergeClient();
    till.window->AccEdit->setText(QStringLiteral("15"));
    prompts.expect(ZkPrompt::Question, QStringLiteral("Merge Clients"), QStringLiteral("Account number 13"), 1)
        .expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), kCancelled);
    till.window->mergeClient();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));
    QCOMPARE(rowsOf("Journal", 13), 2);
    QCOMPARE(rowsOf("Journal", 15), 0);
    QCOMPARE(clientCount(), 15);
    QCOMPARE(till.window->mergeSource(), -1);
    QVERIFY(ClientTill::actions().filter(QStringLiteral("MERGE")).isEmpty());
}

void TestClientAccounts::purgeRemovesHistoryButKeepsInvoices_data()
{
    QTest::addColumn<int>("statement");
    QTest::newRow("with the statement question answered Yes") << 0;
    QTest::newRow("without a statement") << 1;
}

void TestClientAccounts::purgeRemovesHistoryButKeepsInvoices()
{
    QFETCH(int, statement);
    ClientTill till({QStringLiteral("ModifyClient"), QStringLiteral("PurgeClient")});
    ProbeSales& w = *till.window;
    giveHistory(15);
    giveHistory(14);
    // The account is the sale's and listed on the page.
    w.SetPhoneEdit->setText(QStringLiteral("021 555"));
    w.clientSearch();
    QCOMPARE(till.listed(), (QList<int>{14, 15}));
    w.clientDetails(15);
    QCOMPARE(utils->getAccountNumber(), 15);

    auto& prompts = till.shop.prompts();
    prompts.expect(ZkPrompt::Question, QStringLiteral("Purge Client"),
                   QStringLiteral("Confirm that you will purge Client number 15"), 0)
        .expect(ZkPrompt::Question, QStringLiteral("Purge Client"),
                QStringLiteral("Do you wish to print a statement first ?"), statement);
    if (statement == 0) // statements come with the statement run; until then the operator is told
        prompts.expect(ZkPrompt::Information, QString(), QStringLiteral("Statements are not available yet"));
    w.editClientPurgeAction->trigger();
    QVERIFY2(prompts.done(), qPrintable(prompts.pending()));

    for (const char* table : {"Receipt", "Journal", "JournalArchive", "Clients"})
        QVERIFY2(rowsOf(table, 15) == 0, table);
    QCOMPARE(rowsOf("Invoice", 15), 1);
    QCOMPARE(TestShop::count(QStringLiteral("SELECT InvoiceItem.MyNumber FROM InvoiceItem, Invoice WHERE "
                                            "InvoiceItem.InvoiceNumber=Invoice.MyNumber AND Invoice.AccountNumber=15")),
             1);
    // Another client's history is untouched.
    QCOMPARE(rowsOf("Journal", 14), 2);
    QCOMPARE(rowsOf("Clients", 14), 1);
    QCOMPARE(ClientTill::actions().filter(QStringLiteral("PURGE")), QStringList{QStringLiteral("PURGE CLIENT|ACC: 15")});
    // The list is read again; the sale has no account now.
    QCOMPARE(till.listed(), QList<int>{14});
    QCOMPARE(utils->getAccountNumber(), -1);
    QVERIFY(!w.salesTabOpen());
    QCOMPARE(w.AccEdit->text(), QString());
    QCOMPARE(w.status(), QString());
}

void TestClientAccounts::purgeRefused_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("confirm");
    const QString purge = QStringLiteral("Brevalon - Purge Client");
    QTest::newRow("no account chosen") << QString() << purge
                                       << QStringLiteral("There is no Client selected, purge impossible !") << -1;
    QTest::newRow("the cash account") << "1" << purge << QStringLiteral("You may not purge the CASH account !") << -1;
    QTest::newRow("No at the confirmation") << "15" << QStringLiteral("Purge Client") << kCancelled << 1;
}

void TestClientAccounts::purgeRefused()
{
    QFETCH(QString, account);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, confirm);
    ClientTill till;
    giveHistory(15);
    till.window->AccEdit->setText(account);
    if (confirm >= 0)
        till.shop.prompts().expect(ZkPrompt::Question, caption, QStringLiteral("Confirm that you will purge"), confirm)
            .expect(ZkPrompt::Information, caption, text);
    else
        till.shop.prompts().expect(ZkPrompt::Warning, caption, text);
    till.window->purgeClient();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(clientCount(), 15);
    QCOMPARE(rowsOf("Journal", 15), 2);
    QCOMPARE(rowsOf("Receipt", 15), 1);
    QCOMPARE(ClientTill::actions(), QStringList());
}

void TestClientAccounts::rightsOpenThePageAndTheCommands()
{
    ClientTill till(QStringList{});
    ProbeSales& w = *till.window;
    QVERIFY(!w.TabWidget2->isTabEnabled(w.TabWidget2->indexOf(w.tab_6)));
    QVERIFY(!w.editClientMergeAction->isEnabled());
    QVERIFY(!w.editClientPurgeAction->isEnabled());
    // A disabled command does nothing: no prompt is scripted.
    w.editClientMergeAction->trigger();
    w.editClientPurgeAction->trigger();
    QCOMPARE(w.mergeSource(), -1);

    // Without the client page an account is still chosen from the top row.
    w.TabWidget2->setCurrentWidget(w.tab);
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("bay"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);
    QCOMPARE(utils->getAccountNumber(), 14);
    QVERIFY(w.salesTabOpen());

    Till::setRights(QStringLiteral("MARY"),
                    {QStringLiteral("ModifyClient"), QStringLiteral("MergeClient"), QStringLiteral("PurgeClient")});
    w.checkGuiPerms();
    QVERIFY(w.TabWidget2->isTabEnabled(w.TabWidget2->indexOf(w.tab_6)));
    // Off the page the commands act on the sale's account.
    till.shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Merge Clients"), QStringLiteral("Now select"), 0);
    w.editClientMergeAction->trigger();
    QCOMPARE(w.mergeSource(), 14);
    till.shop.prompts()
        .expect(ZkPrompt::Question, QStringLiteral("Purge Client"), QStringLiteral("Client number 14"), 1)
        .expect(ZkPrompt::Information, QStringLiteral("Purge Client"), kCancelled);
    w.editClientPurgeAction->trigger();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
}

BREVALON_TEST_MAIN(TestClientAccounts)
#include "tst_clientaccounts.moc"
