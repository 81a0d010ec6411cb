// Finding and choosing client accounts: which filled-in field decides the
// search and the order of what it finds, the log rows, the top row's name
// entry with its list to pick from, table accounts and their banner,
// loading an account, choosing from the page's list, and awkward text that
// must come back as it was typed on either server.

#include "tests/sales/clienttill.h"

#include "core/zklistitem.h"

#include <QCheckBox>
#include <QTextEdit>

namespace {

void addClient(const QString& columns, const QString& values)
{
    TestShop::exec(QStringLiteral("INSERT INTO Clients (%1) VALUES (%2)").arg(columns, values));
}

/** Three clients whose names tell SMITH from GOLDSMITH, with a field of
 *  every kind filled for JOHN SMITH. Accounts 16, 17, 18. */
void addSmiths()
{
    addClient(QStringLiteral("AccountNumber, Name, IDno, Email, Phone, Fax, Cell, VatNo, Notes, PostalAddr, "
                             "ShippingAddr, BadDebt, MerchDiscount, OtherDiscount, KeepCredit, PriceTier"),
              QStringLiteral("16, 'JOHN SMITH', '800101', 'JOHN@SMITH.EXAMPLE', '011 555 0101', '011 666 0101', "
                             "'083 111 0101', '4111', 'LIKES WINDOW SEATS', '%1', '9 SMITH ROAD', 'Y', 7.5, 2.5, "
                             "' ', 1")
                  .arg(Utility::escapeSQL(QStringLiteral("PO BOX 9\nSMITHFIELD"))));
    addClient(QStringLiteral("AccountNumber, Name, Phone, BadDebt, MerchDiscount, OtherDiscount, KeepCredit"),
              QStringLiteral("17, 'SMITHERS', '011 777 0101', ' ', 50, 0, 'Y'"));
    addClient(QStringLiteral("AccountNumber, Name, BadDebt, MerchDiscount, OtherDiscount, KeepCredit"),
              QStringLiteral("18, 'GOLDSMITH', 'Y', 5, 0, ' '"));
}

/** Fills page fields by name: line edits are typed, text edits set, boxes ticked. */
void fill(Sales& w, const QStringList& fields)
{
    for (const QString& f : fields) {
        const QString name = f.section(QLatin1Char('='), 0, 0);
        const QString value = f.section(QLatin1Char('='), 1);
        if (auto* edit = w.findChild<QLineEdit*>(name))
            QTest::keyClicks(edit, value);
        else if (auto* text = w.findChild<QTextEdit*>(name))
            text->setPlainText(value);
        else if (auto* box = w.findChild<QCheckBox*>(name))
            box->setChecked(true);
        else
            QFAIL(qPrintable(name));
    }
}

/** Types text key by key; letters the test keyboard lacks are entered
 *  as an input method would. */
void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(field, Qt::Key_Return);
        else if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else if (auto* line = qobject_cast<QLineEdit*>(field))
            line->insert(QString(c));
        else
            qobject_cast<QTextEdit*>(field)->insertPlainText(QString(c));
    }
}

} // namespace

class TestClientSearch : public QObject
{
    Q_OBJECT

private slots:
    void firstFilledFieldDecides_data();
    void firstFilledFieldDecides();
    void searchWithoutAMatch();
    void emptyFormLooksForNothing();
    void topRowChoosesTheAccount();
    void topRowOffersSeveralToPick();
    void tableBanner_data();
    void tableBanner();
    void fillInDetailsLoadsTheAccount_data();
    void fillInDetailsLoadsTheAccount();
    void chooseFromThePageList();
    void adminLooksAtAccountsWithTheTillClosed();
    void clearingForgetsTheAccount_data();
    void clearingForgetsTheAccount();
    void awkwardTextRoundTrips_data();
    void awkwardTextRoundTrips();
};

void TestClientSearch::firstFilledFieldDecides_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("accounts");
    const QString table = QStringLiteral("SEARCH FOR TABLE");
    QTest::newRow("account number before name") << QStringList{"AccEdit=15", "SetNameEdit=bay"}
                                                << table + " BY ACC#" << QList<int>{15};
    QTest::newRow("name: any word starts with it, not GOLDSMITH")
        << QStringList{"SetNameEdit=smith", "SetPhoneEdit=021"} << table << QList<int>{17, 16};
    QTest::newRow("name: tables, names falling") << QStringList{"SetNameEdit=table 1"} << table
                                                 << QList<int>{13, 12, 11, 2};
    QTest::newRow("id before email") << QStringList{"SetIdEdit=800", "SetEmailEdit=acc"} << table + " BY ID"
                                     << QList<int>{16};
    QTest::newRow("email before phone") << QStringList{"SetEmailEdit=acc", "SetPhoneEdit=011"}
                                        << table + " BY EMAIL" << QList<int>{14};
    QTest::newRow("phone before fax, names rising") << QStringList{"SetPhoneEdit=021 555", "SetFaxEdit=011"}
                                                    << table + " BY PHONE" << QList<int>{14, 15};
    QTest::newRow("fax before cell") << QStringList{"SetFaxEdit=011 6", "SetCellEdit=082"} << table + " BY FAX"
                                     << QList<int>{16};
    QTest::newRow("cell before VAT") << QStringList{"SetCellEdit=082", "SetVatEdit=4111"} << table + " BY CELL"
                                     << QList<int>{14};
    QTest::newRow("VAT before notes") << QStringList{"SetVatEdit=4111", "SetNotesText=zz"} << table + " BY VAT#"
                                      << QList<int>{16};
    QTest::newRow("notes before postal") << QStringList{"SetNotesText=likes", "SetPostalText=po box 77"}
                                         << table + " BY NOTES" << QList<int>{16};
    QTest::newRow("postal over two lines before shipping")
        << QStringList{"SetPostalText=po box 9\nsmith", "SetShippingText=3 dock"} << table + " BY POSTAL"
        << QList<int>{16};
    QTest::newRow("shipping before discounts") << QStringList{"SetShippingText=3 dock", "SetDiscountAEdit=7.5"}
                                               << table + " BY SHIPPING" << QList<int>{14};
    QTest::newRow("discount as the page shows it, before the other")
        << QStringList{"SetDiscountAEdit=5.00", "SetDiscountCEdit=2.5"} << QStringLiteral("SEARCH FOR CLIENT BY DISCOUNTA")
        << QList<int>{14, 18};
    QTest::newRow("discount as a prefix") << QStringList{"SetDiscountAEdit=5"}
                                          << QStringLiteral("SEARCH FOR CLIENT BY DISCOUNTA") << QList<int>{14, 18, 17};
    QTest::newRow("other discount before bad debt") << QStringList{"SetDiscountCEdit=2.5", "SetBadDebtCheckBox"}
                                                    << QStringLiteral("SEARCH FOR CLIENT BY DISCOUNTB") << QList<int>{16};
    QTest::newRow("bad debt alone lists exactly the bad debtors")
        << QStringList{"SetBadDebtCheckBox", "SetKeepCreditCheckBox"} << QStringLiteral("SEARCH FOR CLIENT WITH BAD DEBT")
        << QList<int>{18, 16};
    QTest::newRow("keep credit") << QStringList{"SetKeepCreditCheckBox"}
                                 << QStringLiteral("SEARCH FOR CLIENT WITH KEEP CREDIT") << QList<int>{14, 17};
}

void TestClientSearch::firstFilledFieldDecides()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, action);
    QFETCH(QList<int>, accounts);
    ClientTill till;
    addSmiths();
    ProbeSales& w = *till.window;
    fill(w, fields);
    w.ClientSearchButton->click();

    QCOMPARE(till.listed(), accounts);
    const QStringList log = ClientTill::actions();
    QCOMPARE(log.size(), 2);
    QCOMPARE(log.at(0).section(QLatin1Char('|'), 0, 0), action);
    QCOMPARE(log.at(1).section(QLatin1Char('|'), 0, 0), QStringLiteral("FOUND CLIENT MATCH"));
    // Bad debtors stand out.
    for (int i = 0; i < w.ClientListView->topLevelItemCount(); ++i) {
        auto* row = static_cast<ZkListItem*>(w.ClientListView->topLevelItem(i));
        QCOMPARE(row->visual(), ClientTill::stored(accounts.at(i), QStringLiteral("BadDebt")) == "Y" ? 2 : 0);
    }
    // One match is the account; several wait for the operator's choice.
    QCOMPARE(utils->getAccountNumber(), accounts.size() == 1 ? accounts.first() : -1);
    QCOMPARE(w.salesTabOpen(), accounts.size() == 1);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_6);
    QCOMPARE(w.status(), QString());
}

void TestClientSearch::searchWithoutAMatch()
{
    ClientTill till;
    ProbeSales& w = *till.window;
    QTest::keyClicks(w.SetNameEdit, QStringLiteral("zz top"));
    till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Error"),
                               QStringLiteral("Could not find any match for search"));
    QTest::keyClick(w.SetNameEdit, Qt::Key_Return);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(ClientTill::actions(),
             (QStringList{QStringLiteral("SEARCH FOR TABLE|ZZ TOP"), QStringLiteral("COULD NOT FIND CLIENT|ZZ TOP")}));
    QCOMPARE(w.ClientListView->topLevelItemCount(), 0);
    QCOMPARE(utils->getAccountNumber(), -1);
}

void TestClientSearch::emptyFormLooksForNothing()
{
    ClientTill till;
    const int beeps = till.shop.prompts().beeps();
    till.window->ClientSearchButton->click();
    QCOMPARE(till.shop.prompts().beeps(), beeps + 1);
    QCOMPARE(ClientTill::actions(), QStringList());
}

void TestClientSearch::topRowChoosesTheAccount()
{
    ClientTill till;
    ProbeSales& w = *till.window;
    w.TabWidget2->setCurrentWidget(w.tab_5);
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("bays"));
    QVERIFY(!w.salesTabOpen());
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);

    QCOMPARE(utils->getAccountNumber(), 14);
    QVERIFY(w.clientSelected());
    QVERIFY(w.salesTabOpen());
    QVERIFY(w.WaiterEdit->isEnabled());
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab); // ready to sell
    QCOMPARE(w.NameComboBox->currentText(), QStringLiteral("BAYSIDE CATERING"));
    QCOMPARE(w.AccountLabel->text(), QStringLiteral("14 - BAYSIDE CATERING"));
    QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center><h2>The Harbour Kitchen - BAYSIDE CATERING</h2></center>"));
    QCOMPARE(w.SetPhoneEdit->text(), QStringLiteral("021 555 0199"));
    QCOMPARE(ClientTill::actions(), (QStringList{QStringLiteral("SEARCH FOR TABLE|BAYS"),
                                                 QStringLiteral("FOUND CLIENT MATCH|BAYS")}));
    // Editing the name again closes the sale until an account is chosen.
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Backspace);
    QVERIFY(!w.salesTabOpen());
    QCOMPARE(w.BannerLabel->text(), QString());
}

void TestClientSearch::topRowOffersSeveralToPick()
{
    ClientTill till;
    ProbeSales& w = *till.window;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("table"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);

    // Twelve tables match: none is chosen, the name entry offers them.
    QCOMPARE(utils->getAccountNumber(), -1);
    QVERIFY(!w.salesTabOpen());
    QCOMPARE(w.NameComboBox->count(), 12);
    QCOMPARE(w.NameComboBox->itemText(0), QStringLiteral("TABLE 9"));
    QTRY_VERIFY(w.NameComboBox->view()->isVisible());
    QCOMPARE(w.NameComboBox->currentText(), QStringLiteral("table"));

    // Leaving the list and typing a name of it in full takes that name.
    QTest::keyClick(w.NameComboBox->view(), Qt::Key_Escape);
    QTRY_VERIFY(!w.NameComboBox->view()->isVisible());
    w.NameComboBox->lineEdit()->selectAll();
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("table 11"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE(utils->getAccountNumber(), 12);
    QVERIFY(w.salesTabOpen());
    QCOMPARE(ClientTill::actions().mid(2), (QStringList{QStringLiteral("SEARCH FOR TOUCH TABLE|TABLE 11"),
                                                        QStringLiteral("FOUND CLIENT MATCH|TABLE 11")}));

    // Or the operator takes the second one in the list.
    w.F5clearAll();
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("table"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);
    QTRY_VERIFY(w.NameComboBox->view()->isVisible());
    QTest::keyClick(w.NameComboBox->view(), Qt::Key_Down);
    QTest::keyClick(w.NameComboBox->view(), Qt::Key_Return);
    QTRY_COMPARE(utils->getAccountNumber(), 9);
    QCOMPARE(w.NameComboBox->currentText(), QStringLiteral("TABLE 8"));
    QVERIFY(w.salesTabOpen());
    QCOMPARE(ClientTill::actions().mid(6), (QStringList{QStringLiteral("SEARCH FOR TOUCH TABLE|TABLE 8"),
                                                        QStringLiteral("FOUND CLIENT MATCH|TABLE 8")}));

    // A full name typed afresh is that account, not the others it begins.
    w.F5clearAll();
    QTest::keyClicks(w.NameComboBox->lineEdit(), QStringLiteral("table 1"));
    QTest::keyClick(w.NameComboBox->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE(utils->getAccountNumber(), 2);
    QCOMPARE(w.NameComboBox->count(), 4);
    QVERIFY(!w.NameComboBox->view()->isVisible());
    QCOMPARE(ClientTill::actions().mid(8), (QStringList{QStringLiteral("SEARCH FOR TABLE|TABLE 1"),
                                                         QStringLiteral("FOUND CLIENT MATCH|TABLE 1")}));
}

void TestClientSearch::tableBanner_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saleWaiter");
    QTest::addColumn<QString>("orderWaiter");
    QTest::addColumn<bool>("table");
    QTest::addColumn<QString>("banner");
    QTest::newRow("a free table without a waiter") << "TABLE 3" << "" << "" << true
                                                   << "<center><h2>TABLE 3 - Please select waiter</h2></center>";
    QTest::newRow("a free table served by the sale's waiter") << "TABLE 3" << "SUE" << "" << true
                                                              << "<center><h2>TABLE 3 - Served by SUE</h2></center>";
    QTest::newRow("a busy table keeps the waiter of its order")
        << "TABLE 3" << "SUE" << "JOHN" << true << "<center><h2>TABLE 3 - Served by JOHN</h2></center>";
    QTest::newRow("a room is a table") << "ROOM 12" << "" << "" << true
                                       << "<center><h2>ROOM 12 - Please select waiter</h2></center>";
    QTest::newRow("a client") << "BAYSIDE CATERING" << "SUE" << "" << false
                              << "<center><h2>The Harbour Kitchen - BAYSIDE CATERING</h2></center>";
    QTest::newRow("a name that only starts like a table")
        << "TABLEWARE & CO" << "" << "" << false << "<center><h2>The Harbour Kitchen - TABLEWARE &amp; CO</h2></center>";
}

void TestClientSearch::tableBanner()
{
    QFETCH(QString, name);
    QFETCH(QString, saleWaiter);
    QFETCH(QString, orderWaiter);
    QFETCH(bool, table);
    QFETCH(QString, banner);
    ClientTill till;
    addClient(QStringLiteral("Name"), QStringLiteral("'ROOM 12'"));
    addClient(QStringLiteral("Name"), QStringLiteral("'TABLEWARE & CO'"));
    const int account =
        TestShop::value(QStringLiteral("SELECT AccountNumber FROM Clients WHERE Name='%1'").arg(name)).toInt();
    if (!orderWaiter.isEmpty())
        TestShop::exec(QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status, Waiter) VALUES "
                                      "('2026-12-05 10:00:00', %1, 'P', '%2')")
                           .arg(account)
                           .arg(orderWaiter));
    utils->setWaiter(saleWaiter);
    ProbeSales& w = *till.window;
    w.NameComboBox->setEditText(name);
    w.stickyClientSearch(false, true); // as the table chooser looks a table up
    QCOMPARE(utils->getAccountNumber(), account);
    QCOMPARE(w.BannerLabel->text(), banner);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab);
    QCOMPARE(Sales::isTableName(name), table);
}

void TestClientSearch::fillInDetailsLoadsTheAccount_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("account");
    QTest::newRow("by number") << "14" << 14;
    QTest::newRow("the cash account is the operator's own") << "1" << 14;
    QTest::newRow("an account that is not there") << "999" << -1;
    QTest::newRow("not a number") << "BAYSIDE" << -1;
}

void TestClientSearch::fillInDetailsLoadsTheAccount()
{
    QFETCH(QString, argument);
    QFETCH(int, account);
    ClientTill till;
    // MARY's cash account is BAYSIDE's in this shop.
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=14 WHERE Name='MARY'"));
    ProbeSales& w = *till.window;
    if (account < 0)
        till.shop.prompts().expect(ZkPrompt::Warning, QStringLiteral("Error"),
                                   QStringLiteral("Could not find any match for search"));
    w.fillInDetails(argument, false);
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(utils->getAccountNumber(), account);
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_6); // the page stays in front
    if (account < 0) {
        QCOMPARE(w.AccEdit->text(), QString());
        QVERIFY(!w.salesTabOpen());
        return;
    }
    QCOMPARE(w.AccEdit->text(), QStringLiteral("14"));
    QCOMPARE(w.SetNameEdit->text(), QStringLiteral("BAYSIDE CATERING"));
    QCOMPARE(w.SetShippingText->toPlainText(), QStringLiteral("3 Dock Road\nHarbour Bay"));
    QCOMPARE(w.SetPostalText->toPlainText(), QStringLiteral("PO Box 77\nHarbour Bay\n8001"));
    QCOMPARE(w.SetEmailEdit->text(), QStringLiteral("ACCOUNTS@BAYSIDE.EXAMPLE")); // the field shows upper case
    QCOMPARE(w.SetCellEdit->text(), QStringLiteral("082 555 0100"));
    QCOMPARE(w.SetVatEdit->text(), QStringLiteral("4987654321"));
    QCOMPARE(w.SetIdEdit->text(), QString());
    QCOMPARE(w.SetDiscountAEdit->text(), QStringLiteral("5.00"));
    QCOMPARE(w.SetDiscountCEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(w.SetPriceTierComboBox->currentIndex(), 2);
    QVERIFY(w.SetKeepCreditCheckBox->isChecked());
    QVERIFY(!w.SetBadDebtCheckBox->isChecked());
    QVERIFY(w.checkBox4->isChecked()); // the receipt keeps credit for this client
    QVERIFY(w.salesTabOpen());
    QCOMPARE(w.TabWidget2->tabText(w.TabWidget2->indexOf(w.tab_4)), QStringLiteral("&Receipt"));
    QCOMPARE(w.AccountLabel->text(), QStringLiteral("14 - BAYSIDE CATERING"));
}

void TestClientSearch::chooseFromThePageList()
{
    ClientTill till;
    ProbeSales& w = *till.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClicks(w.SetPhoneEdit, QStringLiteral("021 555"));
    QTest::keyClick(w.SetNameEdit, Qt::Key_Return);
    QCOMPARE(till.listed(), (QList<int>{14, 15}));
    QCOMPARE(utils->getAccountNumber(), -1);

    // Nothing picked yet: the button only beeps.
    const int beeps = till.shop.prompts().beeps();
    w.ClientListView->setCurrentItem(nullptr);
    w.ClientSelectButton->click();
    QCOMPARE(till.shop.prompts().beeps(), beeps + 1);

    w.ClientListView->setCurrentItem(w.ClientListView->topLevelItem(1));
    w.ClientSelectButton->click();
    QCOMPARE(utils->getAccountNumber(), 15);
    QCOMPARE(w.SetNameEdit->text(), QStringLiteral("O'BRIEN, PATRICK"));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_6);

    // A double click on a row chooses it as well; the list stays.
    QTreeWidgetItem* first = w.ClientListView->topLevelItem(0);
    const QPoint at = w.ClientListView->visualItemRect(first).center();
    QTest::mouseClick(w.ClientListView->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w.ClientListView->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(utils->getAccountNumber(), 14);
    QCOMPARE(till.listed(), (QList<int>{14, 15}));

    // With no number, the name in the top row is looked up exactly.
    w.NameComboBox->setEditText(QStringLiteral("TABLE 2"));
    w.clientDetails(0);
    QCOMPARE(utils->getAccountNumber(), 3);
}

void TestClientSearch::adminLooksAtAccountsWithTheTillClosed()
{
    ClientTill till({QStringLiteral("ModifyClient")}, QStringLiteral("Admin"));
    ProbeSales& w = *till.window;
    w.NameComboBox->setEditText(QStringLiteral("TABLE 3"));
    w.stickyClientSearch(false, true);
    QCOMPARE(utils->getAccountNumber(), 4);
    QCOMPARE(w.SetNameEdit->text(), QStringLiteral("TABLE 3"));
    QCOMPARE(w.BannerLabel->text(), QStringLiteral("<center><h2>Admin Mode - Till Closed</h2></center>"));
    QVERIFY(!w.salesTabOpen());
    QVERIFY(!w.TabWidget2->isTabEnabled(0));
    QCOMPARE(w.TabWidget2->currentWidget(), w.tab_6);
}

void TestClientSearch::clearingForgetsTheAccount_data()
{
    QTest::addColumn<QStringList>("rights");
    QTest::addColumn<int>("afterClear");
    QTest::newRow("an ordinary operator") << QStringList{"ModifyClient"} << -1;
    QTest::newRow("cash only: the operator's cash account at once") << QStringList{"CashOnlyLock"} << 14;
    QTest::newRow("sticky cash: the cash account looked up and loaded") << QStringList{"StickyCash"} << 14;
}

void TestClientSearch::clearingForgetsTheAccount()
{
    QFETCH(QStringList, rights);
    QFETCH(int, afterClear);
    ClientTill till(rights);
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=14 WHERE Name='MARY'"));
    ProbeSales& w = *till.window;
    w.fillInDetails(QStringLiteral("15"), false);
    w.SetPhoneEdit->setText(QStringLiteral("021"));
    w.clear();
    QCOMPARE(utils->getAccountNumber(), afterClear);
    QCOMPARE(w.clientSelected(), afterClear > 0);
    QCOMPARE(w.salesTabOpen(), afterClear > 0);
    // The page and the receipt tab start afresh (or show the cash account).
    const bool loaded = rights.contains(QStringLiteral("StickyCash"));
    QCOMPARE(w.SetPhoneEdit->text(), loaded ? QStringLiteral("021 555 0199") : QString());
    QCOMPARE(w.AccountLabel->text(), loaded ? QStringLiteral("14 - BAYSIDE CATERING") : QString());
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("0.00"));
    QVERIFY(!w.checkBox4->isChecked() || loaded);
}

void TestClientSearch::awkwardTextRoundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("postal");
    QTest::addColumn<QString>("notes");
    QTest::newRow("quotes and backslashes") << QStringLiteral("o'brien \\ \"pat\"")
                                            << QStringLiteral("1 o'hare lane\nc:\\new\\tab") << QStringLiteral("it's 50% \\n off");
    QTest::newRow("text that looks like a statement") << QStringLiteral("x'); delete from clients; --")
                                                      << QStringLiteral("line one\n\nline three") << QStringLiteral("--");
    QTest::newRow("letters beyond ascii") << QStringLiteral("müller & söhne") << QStringLiteral("seestrasse 5\nzürich")
                                          << QStringLiteral("café");
}

void TestClientSearch::awkwardTextRoundTrips()
{
    QFETCH(QString, name);
    QFETCH(QString, postal);
    QFETCH(QString, notes);
    ClientTill till;
    ProbeSales& w = *till.window;
    type(w.SetNameEdit, name);
    type(w.SetPostalText, postal);
    type(w.SetNotesText, notes);
    QCOMPARE(w.SetPostalText->toPlainText(), postal);
    till.shop.prompts().expect(ZkPrompt::Question, QStringLiteral("New Account"), name.toUpper(), 0);
    w.newAccount();
    QVERIFY2(till.shop.prompts().done(), qPrintable(till.shop.prompts().pending()));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT AccountNumber FROM Clients")), 16);
    const int account = utils->getAccountNumber();
    QVERIFY(account > 15);

    // Found again by its name, and by its two-line address, as typed.
    auto expectLoaded = [&] {
        QCOMPARE(till.listed(), QList<int>{account});
        QCOMPARE(w.SetNameEdit->text(), name.toUpper());
        QCOMPARE(w.SetPostalText->toPlainText(), postal.toUpper());
        QCOMPARE(w.SetNotesText->toPlainText(), notes.toUpper());
    };
    w.clearClientGui();
    type(w.SetNameEdit, name);
    w.clientSearch();
    expectLoaded();
    w.clearClientGui();
    type(w.SetPostalText, postal);
    w.clientSearch();
    expectLoaded();
    // Written back unchanged by an update.
    w.updateAccount();
    w.clearClientGui();
    w.AccEdit->setText(QString::number(account));
    w.clientSearch();
    expectLoaded();
    QCOMPARE(w.AccountLabel->text(), QStringLiteral("%1 - %2").arg(account).arg(name.toUpper()));
    QCOMPARE(TestShop::count(QStringLiteral("SELECT AccountNumber FROM Clients")), 16);
    QCOMPARE(ClientTill::actions().first(), QStringLiteral("NEW CLIENT|") + name.toUpper());
}

BREVALON_TEST_MAIN(TestClientSearch)
#include "tst_clientsearch.moc"
