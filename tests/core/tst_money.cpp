// Money: rounding to cents (halves away from zero, never "-0"), the two taxes,
// cash rounding by unit and document mode, numbers in the locale, markups, and
// balances and the current account from the journal and the users' rows.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/support/testshop.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

const int kClient = 14; // BAYSIDE CATERING

// Exact comparison: amounts must be whole cents, not merely close to them.
QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

// Journal lines of the client as "code:amount:rounding[:number[:account]]".
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

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Utility::setLocale(QStringLiteral("C")); }

    void roundCents_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("cents");
        QTest::newRow("half cent goes up") << 0.125 << 0.13;
        QTest::newRow("negative half cent goes away from zero") << -0.125 << -0.13;
        QTest::newRow("1.005 is held below the half, still a half") << 1.005 << 1.01;
        QTest::newRow("tiny negative becomes zero") << -0.004 << 0.0;
        QTest::newRow("sum with a float residue") << (0.1 + 0.2 - 0.3) << 0.0;
    }

    void roundCents()
    {
        QFETCH(double, value);
        QFETCH(double, cents);
        const double rounded = Utility::roundCents(value);
        QCOMPARE(exact(rounded), exact(cents));
        // A zero must not carry a sign, or "-0.00" would show on slips.
        QCOMPARE(std::signbit(rounded), std::signbit(cents));
    }

    void taxes_data()
    {
        QTest::addColumn<bool>("less");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rate1");
        QTest::addColumn<double>("rate2");
        QTest::addColumn<double>("result");
        QTest::newRow("tax on 10.00 at 15%") << false << 10.00 << 0.15 << 0.0 << 1.50;
        QTest::newRow("tax on a negative amount is negative") << false << -10.00 << 0.15 << 0.0 << -1.50;
        QTest::newRow("negative half a cent rounds away") << false << -0.10 << 0.05 << 0.0 << -0.01;
        QTest::newRow("both taxes come off") << true << 117.00 << 0.15 << 0.02 << 100.00;
        QTest::newRow("demo coke less VAT and levy, to cents") << true << 18.50 << 0.15 << 0.02 << 15.81;
    }

    void taxes()
    {
        QFETCH(bool, less);
        QFETCH(double, amount);
        QFETCH(double, rate1);
        QFETCH(double, rate2);
        QFETCH(double, result);
        const double value = less ? Utility::lessTax(amount, rate1, rate2) : Utility::calcTax(amount, rate1);
        QCOMPARE(exact(value), exact(result));
    }

    void cashRounding_data()
    {
        QTest::addColumn<int>("mode"); // 0 sale, 1 quote, 2 refund
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rounded");
        QTest::addColumn<double>("rounding");
        QTest::newRow("no unit: cents only") << 0 << 0 << 12.346 << 12.35 << 0.0;
        QTest::newRow("unit 5 takes 2 cents off 12.37") << 0 << 5 << 12.37 << 12.37 << 0.02;
        QTest::newRow("unit 5 on an exact multiple") << 0 << 5 << 12.35 << 12.35 << 0.0;
        QTest::newRow("unit 10 rounds to cents first") << 0 << 10 << 12.376 << 12.38 << 0.08;
        QTest::newRow("refund rounds the half cent down") << 2 << 0 << 12.346 << 12.34 << 0.0;
        QTest::newRow("refund of a negative half goes away from zero") << 2 << 0 << -12.345 << -12.35 << 0.0;
        QTest::newRow("quote rounds as a sale") << 1 << 0 << 12.345 << 12.35 << 0.0;
    }

    void cashRounding()
    {
        QFETCH(int, mode);
        QFETCH(int, unit);
        QFETCH(double, amount);
        QFETCH(double, rounded);
        QFETCH(double, rounding);
        TestShop shop;
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET Rounding=%1").arg(unit));
        QVERIFY(utils->initClass(true));
        utils->setQuoteMode(mode == 1);
        if (mode == 2)
            utils->setRefundMode(true);
        double value = amount;
        const double off = utils->getRounding(&value);
        QCOMPARE(exact(value), exact(rounded));
        QCOMPARE(exact(off), exact(rounding));
    }

    void numbersInTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("C has no group separator") << "C" << 1234.5 << 2 << "1234.50";
        QTest::newRow("US groups thousands") << "en_US" << -1234567.891 << 2 << "-1,234,567.89";
        QTest::newRow("German comma") << "de_DE" << 1234.5 << 2 << "1.234,50";
        QTest::newRow("tiny negative shows no sign") << "en_US" << -0.001 << 2 << "0.00";
        QTest::newRow("three decimals of a quantity") << "C" << 1.2345 << 3 << "1.235";
    }

    void numbersInTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        Utility::setLocale(locale);
        QCOMPARE(Utility::numStr(value, decimals), text);
        // The text reads back as the number it shows.
        bool ok = false;
        QCOMPARE(Utility::numStr(Utility::strNum(text, &ok), decimals), text);
        QVERIFY(ok);
        // Widgets that format numbers follow the same locale.
        QCOMPARE(QLocale().name(), QLocale(locale).name());
    }

    void parsingInTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks around") << "C" << " 12.5 " << true << 12.5;
        QTest::newRow("rubbish is 0") << "C" << "abc" << false << 0.0;
        QTest::newRow("German comma in C") << "C" << "12,5" << false << 0.0;
        QTest::newRow("US group separator in German") << "de_DE" << "1,234.50" << false << 0.0;
    }

    void parsingInTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        Utility::setLocale(locale);
        bool ok = !valid;
        QCOMPARE(exact(Utility::strNum(text, &ok)), exact(value));
        QCOMPARE(ok, valid);
        QCOMPARE(exact(Utility::strNum(text)), exact(value));
    }

    void markupsAsText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("tier2");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("six significant digits") << "C" << "1234.5678" << QStringList{"1.6", "1.44", "1234.57"};
        QTest::newRow("in the locale") << "de_DE" << "1.5" << QStringList{"1,6", "1,44", "1,5"};
    }

    void markupsAsText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, tier2);
        QFETCH(QStringList, texts);
        TestShop shop;
        TestShop::exec(QStringLiteral("UPDATE SysInfo SET Tier2Markup=%1").arg(tier2));
        QVERIFY(utils->initClass(true));
        Utility::setLocale(locale);
        QCOMPARE((QStringList{utils->getMarkupValue(0), utils->getMarkupValue(1), utils->getMarkupValue(2)}), texts);
    }

    void balance_data()
    {
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<double>("withInterest");
        QTest::addColumn<double>("withoutInterest");
        QTest::addColumn<double>("beforeInvoice7");
        QTest::newRow("no rows") << QStringList{} << 0.0 << 0.0 << 0.0;
        QTest::newRow("invoice less its cash rounding") << QStringList{"I:100.00:0.02:7"} << 99.98 << 99.98 << 0.0;
        QTest::newRow("receipt pays it") << QStringList{"I:100.00:0", "R:-60.00:0"} << 40.0 << 40.0 << 40.0;
        QTest::newRow("quotes never count") << QStringList{"Q:50.00:0", "Q:20.00:0:7"} << 0.0 << 0.0 << 0.0;
        QTest::newRow("voided invoice and receipt never count")
            << QStringList{"I:100.00:0", "VI:30.00:0", "VR:-20.00:0"} << 100.0 << 100.0 << 100.0;
        QTest::newRow("interest by the flag") << QStringList{"I:100.00:0:7", "IA:5.50:0"} << 105.5 << 100.0 << 5.5;
        QTest::newRow("refund reduces it") << QStringList{"I:100.00:0", "RF:-40.00:0"} << 60.0 << 60.0 << 60.0;
        QTest::newRow("a receipt numbered 7 is not invoice 7")
            << QStringList{"I:100.00:0", "R:-20.00:0:7"} << 80.0 << 80.0 << 80.0;
        QTest::newRow("other accounts do not count")
            << QStringList{"I:10.00:0", "I:99.00:0:7:15", "IA:3.00:0:901:15"} << 10.0 << 10.0 << 10.0;
    }

    void balance()
    {
        QFETCH(QStringList, journal);
        QFETCH(double, withInterest);
        QFETCH(double, withoutInterest);
        QFETCH(double, beforeInvoice7);
        TestShop shop;
        post(journal);
        QCOMPARE(exact(utils->getBalBF(kClient, true)), exact(withInterest));
        QCOMPARE(exact(utils->getBalBF(kClient, false)), exact(withoutInterest));
        QCOMPARE(exact(utils->getBalBF(kClient, 7)), exact(beforeInvoice7));
    }

    void currentAccount_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("cash");
        // MARY's cash account is made 15 below, so that it differs from 0 and 1.
        QTest::newRow("a client account is taken as it is") << "MARY" << -1 << 14 << 14 << 15;
        QTest::newRow("no client") << "MARY" << 14 << -1 << -1 << 15;
        QTest::newRow("0 picks the user's cash account") << "MARY" << -1 << 0 << 15 << 15;
        QTest::newRow("1 picks the user's cash account") << "MARY" << 14 << 1 << 15 << 15;
        QTest::newRow("already on account 1 stays there") << "MARY" << 1 << 0 << 1 << 15;
        QTest::newRow("user without a row keeps 1") << "noone" << 14 << 1 << 1 << 1;
        QTest::newRow("user name with an apostrophe") << "O'NEIL" << -1 << 0 << 13 << 13;
    }

    void currentAccount()
    {
        QFETCH(QString, user);
        QFETCH(int, start);
        QFETCH(int, given);
        QFETCH(int, current);
        QFETCH(int, cash);
        TestShop shop;
        TestShop::exec(QStringLiteral("UPDATE Personel SET CashAcc=15 WHERE Name='MARY'"));
        TestShop::exec(QStringLiteral("INSERT INTO Personel (Name, Code, SP, CashAcc) "
                                      "VALUES ('O''NEIL', '4444', 'ON', 13)"));
        // The start is reached as a logged-out till reaches it.
        utils->setUserName(QStringLiteral("noone"));
        utils->setDetails(start);
        utils->setUserName(user);
        utils->setDetails(given);
        QCOMPARE(utils->getAccountNumber(), current);
        QCOMPARE(utils->getCashAccountNumber(), cash);
    }

    void failedLookupsAreShown()
    {
        TestShop shop;
        utils->setUserName(QStringLiteral("MARY"));
        utils->setDetails(14);
        TestShop::exec(QStringLiteral("DROP TABLE Journal"));
        TestShop::exec(QStringLiteral("DROP TABLE Personel"));
        shop.prompts()
            .expect(ZkPrompt::Warning, QString(), QStringLiteral("FROM Journal"))
            .expect(ZkPrompt::Warning, QString(), QStringLiteral("SELECT CashAcc FROM Personel"))
            .expect(ZkPrompt::Warning, QString(), QStringLiteral("SELECT CashAcc FROM Personel"));
        // Nothing owed, and the general cash account.
        QCOMPARE(utils->getBalBF(kClient, true), 0.0);
        utils->setDetails(0);
        QCOMPARE(utils->getAccountNumber(), 1);
        QCOMPARE(utils->getCashAccountNumber(), 1);
    }
};

BREVALON_TEST_MAIN(TestMoney)
#include "tst_money.moc"
