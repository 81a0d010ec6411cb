// The receipt tab as choosing an account leaves it: the unpaid invoices,
// the amount due as invoices are picked, and change, tip and outstanding
// as amounts are typed.

#include "tests/sales/clienttill.h"

namespace {

void journal(int account, const char* code, double amount, int number, int crossRef = 0)
{
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, "
                                  "CrossRef) VALUES (%1, '%2', '2026-12-01 12:00:00', %3, %4, %5)")
                       .arg(account)
                       .arg(QLatin1String(code))
                       .arg(amount, 0, 'f', 2)
                       .arg(number)
                       .arg(crossRef));
}

bool owingColours(const QLineEdit* field)
{
    return field->palette().color(QPalette::Text) == QColor(Qt::red)
        && field->palette().color(QPalette::Base) == QColor(Qt::white);
}

} // namespace

class TestReceiptTab : public QObject
{
    Q_OBJECT

private slots:
    void choosingAnAccountLoadsItsInvoices();
    void pickingInvoicesSetsTheAmountDue_data();
    void pickingInvoicesSetsTheAmountDue();
    void tenderedAmounts_data();
    void tenderedAmounts();
};

void TestReceiptTab::choosingAnAccountLoadsItsInvoices()
{
    ClientTill till;
    journal(15, "I", 100, 501);
    journal(15, "I", 50, 502);
    journal(15, "I", 40, 503, 9); // paid by receipt 9
    journal(15, "R", -30, 9);
    journal(15, "IA", 5, 0);
    journal(15, "Q", 999, 504); // a quote owes nothing
    journal(14, "I", 70, 505);
    ProbeSales& w = *till.window;
    w.fillInDetails(QStringLiteral("15"), false);

    QCOMPARE(w.PayListView->topLevelItemCount(), 2);
    QCOMPARE(w.PayListView->topLevelItem(0)->text(0), QStringLiteral("501"));
    QCOMPARE(w.PayListView->topLevelItem(0)->text(1), QStringLiteral("100.00"));
    QCOMPARE(w.PayListView->topLevelItem(1)->text(0), QStringLiteral("502"));
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("165.00"));
    QCOMPARE(w.OutBalEdit->text(), QStringLiteral("165.00"));
    QCOMPARE(w.ChangeEdit->text(), QStringLiteral("0.00"));
    QVERIFY(owingColours(w.CurBalEdit));
    QVERIFY(!w.checkBox4->isChecked());

    // Another account replaces the list; none empties it.
    w.fillInDetails(QStringLiteral("14"), false);
    QCOMPARE(w.PayListView->topLevelItemCount(), 1);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("70.00"));
    w.clear();
    QCOMPARE(w.PayListView->topLevelItemCount(), 0);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("0.00"));
    QVERIFY(!owingColours(w.CurBalEdit));
}

void TestReceiptTab::pickingInvoicesSetsTheAmountDue_data()
{
    QTest::addColumn<double>("paid");
    QTest::addColumn<QList<int>>("picked");
    QTest::addColumn<QString>("due");
    QTest::newRow("nothing picked: the balance") << 30.0 << QList<int>{} << "120.00";
    QTest::newRow("one invoice") << 30.0 << QList<int>{1} << "50.00";
    QTest::newRow("both invoices") << 0.0 << QList<int>{0, 1} << "150.00";
    QTest::newRow("more than is owed: the balance") << 140.0 << QList<int>{0} << "10.00";
}

void TestReceiptTab::pickingInvoicesSetsTheAmountDue()
{
    QFETCH(double, paid);
    QFETCH(QList<int>, picked);
    QFETCH(QString, due);
    ClientTill till;
    journal(15, "I", 100, 501);
    journal(15, "I", 50, 502);
    journal(15, "R", -paid, 9);
    ProbeSales& w = *till.window;
    w.fillInDetails(QStringLiteral("15"), false);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    QTest::keyClicks(w.CashAmountEdit, QStringLiteral("20"));
    for (int row : picked)
        w.PayListView->topLevelItem(row)->setSelected(true);
    QCOMPARE(w.CurBalEdit->text(), due);
    // A new choice of invoices starts the tender again.
    QCOMPARE(w.CashAmountEdit->text(), picked.isEmpty() ? QStringLiteral("20") : QString());
    QCOMPARE(w.OutBalEdit->text(), Utility::numStr(Utility::strNum(due) - Utility::strNum(w.CashAmountEdit->text()), 2));
}

void TestReceiptTab::tenderedAmounts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("keepCredit");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("outstanding");
    QTest::addColumn<QString>("tipAfter");
    QTest::newRow("cash gives change") << "CashAmountEdit" << "100" << "" << false << "14.50" << "0.00" << "";
    QTest::newRow("cash with a tip") << "CashAmountEdit" << "100" << "10" << false << "4.50" << "0.00" << "10";
    QTest::newRow("card overpaid: the rest is a tip") << "CardAmountEdit" << "100" << "" << false << "0.00" << "0.00"
                                                      << "14.50";
    QTest::newRow("keep credit: no change, credit left") << "CardAmountEdit" << "100" << "" << true << "0.00"
                                                         << "-14.50" << "";
    QTest::newRow("part payment leaves the rest owing") << "CashAmountEdit" << "50" << "" << false << "0.00"
                                                        << "35.50" << "";
}

void TestReceiptTab::tenderedAmounts()
{
    QFETCH(QString, field);
    QFETCH(QString, amount);
    QFETCH(QString, tip);
    QFETCH(bool, keepCredit);
    QFETCH(QString, change);
    QFETCH(QString, outstanding);
    QFETCH(QString, tipAfter);
    ClientTill till;
    journal(15, "I", 85.50, 501);
    ProbeSales& w = *till.window;
    w.fillInDetails(QStringLiteral("15"), false);
    w.TabWidget2->setCurrentWidget(w.tab_4);
    QCOMPARE(w.CurBalEdit->text(), QStringLiteral("85.50"));
    if (keepCredit)
        w.checkBox4->click();
    QTest::keyClicks(w.TipAmountEdit, tip);
    QTest::keyClicks(w.findChild<QLineEdit*>(field), amount);

    QCOMPARE(w.ChangeEdit->text(), change);
    QCOMPARE(w.OutBalEdit->text(), outstanding);
    QCOMPARE(w.TipAmountEdit->text(), tipAfter);
    QCOMPARE(w.ChangeEdit->isHidden(), keepCredit);
    QCOMPARE(w.ChangeDueLabel->isHidden(), keepCredit);
    QCOMPARE(w.TipAmountEdit->isEnabled(), !keepCredit);
    QCOMPARE(owingColours(w.OutBalEdit), Utility::strNum(outstanding) > 0);
}

BREVALON_TEST_MAIN(TestReceiptTab)
#include "tst_receipttab.moc"
