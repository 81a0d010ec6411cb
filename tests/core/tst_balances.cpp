// Account balances from the journal, and the account of the sale in
// progress with its cash-account rules.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/support/testshop.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

const int kClient = 14; // BAYSIDE CATERING
const int kOther = 15;  // O'BRIEN, PATRICK

QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

// Journal lines as "code:amount:rounding[:number[:account]]".
void post(const QStringList& lines)
{
    int n = 100;
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char(':'));
        TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                      "TipAmount, MyNumber, Status, CrossRef) VALUES (%1, '%2', "
                                      "'2026-12-01 09:00:00', %3, %4, 0, %5, ' ', 0)")
                           .arg(f.value(4, QString::number(kClient)), f.at(0), f.at(1), f.at(2),
                                f.value(3, QString::number(++n))));
    }
}

} // namespace

class TestBalances : public QObject
{
    Q_OBJECT

private slots:
    void balance_data();
    void balance();
    void balanceBeforeAnInvoice_data();
    void balanceBeforeAnInvoice();
    void failedBalanceQueryIsShownAndZero();
    void currentAccount_data();
    void currentAccount();
    void failedCashLookupFallsBackToOne();
    void cashAccountNumber_data();
    void cashAccountNumber();
};

void TestBalances::balance_data()
{
    QTest::addColumn<QStringList>("journal");
    QTest::addColumn<double>("withInterest");
    QTest::addColumn<double>("withoutInterest");
    QTest::newRow("no rows") << QStringList{} << 0.0 << 0.0;
    QTest::newRow("invoice less its cash rounding") << QStringList{"I:100.00:0.02"} << 99.98 << 99.98;
    QTest::newRow("receipt pays it") << QStringList{"I:100.00:0", "R:-60.00:0"} << 40.0 << 40.0;
    QTest::newRow("only quotes") << QStringList{"Q:50.00:0", "Q:20.00:0"} << 0.0 << 0.0;
    QTest::newRow("voided invoice and receipt never count")
        << QStringList{"I:100.00:0", "VI:30.00:0", "VR:-20.00:0"} << 100.0 << 100.0;
    QTest::newRow("interest only when asked") << QStringList{"I:100.00:0", "IA:5.50:0"} << 105.5 << 100.0;
    QTest::newRow("refund reduces it") << QStringList{"I:100.00:0", "RF:-40.00:0"} << 60.0 << 60.0;
    QTest::newRow("credit balance") << QStringList{"R:-25.00:0"} << -25.0 << -25.0;
    QTest::newRow("cents add up to exactly nothing")
        << QStringList{"I:0.10:0", "I:0.20:0", "R:-0.30:0"} << 0.0 << 0.0;
    QTest::newRow("other accounts do not count")
        << QStringList{"I:10.00:0", "I:99.00:0:900:15", "IA:3.00:0:901:15"} << 10.0 << 10.0;
}

void TestBalances::balance()
{
    QFETCH(QStringList, journal);
    QFETCH(double, withInterest);
    QFETCH(double, withoutInterest);
    TestShop shop;
    post(journal);
    QCOMPARE(exact(utils->getBalBF(kClient, true)), exact(withInterest));
    QCOMPARE(exact(utils->getBalBF(kClient, false)), exact(withoutInterest));
}

void TestBalances::balanceBeforeAnInvoice_data()
{
    QTest::addColumn<QStringList>("journal");
    QTest::addColumn<int>("invoice");
    QTest::addColumn<double>("broughtForward");
    QTest::newRow("leaves that invoice out") << QStringList{"I:100.00:0.02:7", "I:50.00:0:8"} << 7 << 50.0;
    QTest::newRow("interest stays in") << QStringList{"I:100.00:0:7", "IA:5.00:0:0"} << 7 << 5.0;
    QTest::newRow("unknown invoice leaves the balance") << QStringList{"I:100.00:0:7"} << 8 << 100.0;
    QTest::newRow("a receipt of that number is not the invoice")
        << QStringList{"I:100.00:0:9", "R:-20.00:0:7"} << 7 << 80.0;
    QTest::newRow("a quote of that number is not the invoice")
        << QStringList{"I:100.00:0:9", "Q:20.00:0:7"} << 7 << 100.0;
    QTest::newRow("another account's invoice of that number")
        << QStringList{"I:100.00:0:9", "I:40.00:0:7:15"} << 7 << 100.0;
}

void TestBalances::balanceBeforeAnInvoice()
{
    QFETCH(QStringList, journal);
    QFETCH(int, invoice);
    QFETCH(double, broughtForward);
    TestShop shop;
    post(journal);
    QCOMPARE(exact(utils->getBalBF(kClient, invoice)), exact(broughtForward));
}

void TestBalances::failedBalanceQueryIsShownAndZero()
{
    TestShop shop;
    post({QStringLiteral("I:100.00:0")});
    TestShop::exec(QStringLiteral("DROP TABLE Journal"));
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("FROM Journal"));
    QCOMPARE(utils->getBalBF(kClient, true), 0.0);
}

void TestBalances::currentAccount_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("current");
    // MARY's cash account is made 15 below, so that it differs from 0 and 1.
    QTest::newRow("a client account is taken as it is") << "MARY" << -1 << 14 << 14;
    QTest::newRow("no client") << "MARY" << 14 << -1 << -1;
    QTest::newRow("0 picks the user's cash account") << "MARY" << -1 << 0 << 15;
    QTest::newRow("1 picks the user's cash account") << "MARY" << 14 << 1 << 15;
    QTest::newRow("already on account 1 stays there") << "MARY" << 1 << 0 << 1;
    QTest::newRow("user without a row keeps 0") << "noone" << -1 << 0 << 0;
    QTest::newRow("user without a row keeps 1") << "noone" << 14 << 1 << 1;
    QTest::newRow("user name with an apostrophe") << "O'NEIL" << -1 << 0 << 13;
}

void TestBalances::currentAccount()
{
    QFETCH(QString, user);
    QFETCH(int, start);
    QFETCH(int, given);
    QFETCH(int, current);
    TestShop shop;
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=15 WHERE Name='MARY'"));
    TestShop::exec(QStringLiteral("INSERT INTO Personel (Name, Code, SP, CashAcc) VALUES ('O''NEIL', '4444', 'ON', 13)"));
    // The start is reached as a logged-out till reaches it.
    utils->setUserName(QStringLiteral("noone"));
    utils->setDetails(start);
    QCOMPARE(utils->getAccountNumber(), start);
    utils->setUserName(user);
    utils->setDetails(given);
    QCOMPARE(utils->getAccountNumber(), current);
}

void TestBalances::failedCashLookupFallsBackToOne()
{
    TestShop shop;
    utils->setUserName(QStringLiteral("MARY"));
    utils->setDetails(14);
    TestShop::exec(QStringLiteral("DROP TABLE Personel"));
    shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("SELECT CashAcc FROM Personel"));
    utils->setDetails(0);
    QCOMPARE(utils->getAccountNumber(), 1);
}

void TestBalances::cashAccountNumber_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("breakTable");
    QTest::addColumn<int>("cashAccount");
    QTest::newRow("the user's CashAcc") << "MARY" << false << 15;
    QTest::newRow("no such user gives 1") << "noone" << false << 1;
    QTest::newRow("a failed lookup gives 1") << "MARY" << true << 1;
}

void TestBalances::cashAccountNumber()
{
    QFETCH(QString, user);
    QFETCH(bool, breakTable);
    QFETCH(int, cashAccount);
    TestShop shop;
    TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=15 WHERE Name='MARY'"));
    if (breakTable) {
        TestShop::exec(QStringLiteral("DROP TABLE Personel"));
        shop.prompts().expect(ZkPrompt::Warning, QString(), QStringLiteral("Personel"));
    }
    utils->setUserName(user);
    QCOMPARE(utils->getCashAccountNumber(), cashAccount);
}

BREVALON_TEST_MAIN(TestBalances)
#include "tst_balances.moc"
