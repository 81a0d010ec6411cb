// Money arithmetic: rounding to cents, the two taxes, cash rounding by the
// shop's unit and the document mode, numbers in the locale and the markups
// as text.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/support/testshop.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

// Exact comparison: amounts must be whole cents, not merely close to them.
QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

void setRoundingUnit(int unit)
{
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET Rounding=%1").arg(unit));
    QVERIFY(utils->initClass(true));
}

void setMode(int mode)
{
    switch (mode) {
    case 1:
        utils->setQuoteMode(true);
        break;
    case 2:
        utils->setRefundMode(true);
        break;
    case 3:
        utils->setOrderMode(true);
        break;
    default:
        utils->setQuoteMode(false);
        break;
    }
}

} // namespace

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Utility::setLocale(QStringLiteral("C")); }

    void roundCents_data();
    void roundCents();
    void taxes_data();
    void taxes();
    void cashRounding_data();
    void cashRounding();
    void clearingAModeLeavesAPlainSale_data();
    void clearingAModeLeavesAPlainSale();
    void numbersInTheLocale_data();
    void numbersInTheLocale();
    void parsingInTheLocale_data();
    void parsingInTheLocale();
    void markupsAsText_data();
    void markupsAsText();
};

void TestMoney::roundCents_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("cents");
    QTest::newRow("half cent goes up") << 0.125 << 0.13;
    QTest::newRow("negative half cent goes away from zero") << -0.125 << -0.13;
    QTest::newRow("1.005 is held below the half, still a half") << 1.005 << 1.01;
    QTest::newRow("12.345 is held below the half, still a half") << 12.345 << 12.35;
    QTest::newRow("negative 12.345") << -12.345 << -12.35;
    QTest::newRow("just below a half goes down") << 2.3449 << 2.34;
    QTest::newRow("just above a half goes up") << 2.3451 << 2.35;
    QTest::newRow("whole cents stay") << 19.99 << 19.99;
    QTest::newRow("tiny negative becomes zero") << -0.004 << 0.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("large amount") << 1234567.895 << 1234567.9;
    QTest::newRow("sum with a float residue") << (0.1 + 0.2 - 0.3) << 0.0;
}

void TestMoney::roundCents()
{
    QFETCH(double, value);
    QFETCH(double, cents);
    const double rounded = Utility::roundCents(value);
    QCOMPARE(exact(rounded), exact(cents));
    // A zero must not carry a sign, or "-0.00" would show on slips.
    QCOMPARE(std::signbit(rounded), std::signbit(cents));
}

void TestMoney::taxes_data()
{
    QTest::addColumn<bool>("less");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate1");
    QTest::addColumn<double>("rate2");
    QTest::addColumn<double>("result");
    QTest::newRow("tax on 10.00 at 15%") << false << 10.00 << 0.15 << 0.0 << 1.50;
    QTest::newRow("tax on a negative amount is negative") << false << -10.00 << 0.15 << 0.0 << -1.50;
    QTest::newRow("tax is rounded to cents") << false << 0.033 << 1.0 << 0.0 << 0.03;
    QTest::newRow("half a cent of tax rounds up") << false << 0.10 << 0.05 << 0.0 << 0.01;
    QTest::newRow("negative half a cent rounds away") << false << -0.10 << 0.05 << 0.0 << -0.01;
    QTest::newRow("tax on nothing") << false << 0.0 << 0.15 << 0.0 << 0.0;
    QTest::newRow("115.00 less 15%") << true << 115.00 << 0.15 << 0.0 << 100.00;
    QTest::newRow("both taxes come off") << true << 117.00 << 0.15 << 0.02 << 100.00;
    QTest::newRow("negative amount less tax") << true << -115.00 << 0.15 << 0.0 << -100.00;
    QTest::newRow("less tax is rounded to cents") << true << 10.00 << 0.15 << 0.0 << 8.70;
    QTest::newRow("demo coke less VAT and levy") << true << 18.50 << 0.15 << 0.02 << 15.81;
    QTest::newRow("no tax") << true << 12.34 << 0.0 << 0.0 << 12.34;
}

void TestMoney::taxes()
{
    QFETCH(bool, less);
    QFETCH(double, amount);
    QFETCH(double, rate1);
    QFETCH(double, rate2);
    QFETCH(double, result);
    const double value = less ? Utility::lessTax(amount, rate1, rate2) : Utility::calcTax(amount, rate1);
    QCOMPARE(exact(value), exact(result));
}

void TestMoney::cashRounding_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<double>("rounding");
    QTest::newRow("no unit: cents only") << 0 << 0 << 12.346 << 12.35 << 0.0;
    QTest::newRow("no unit, negative") << 0 << 0 << -12.346 << -12.35 << 0.0;
    QTest::newRow("unit 5 takes 2 cents off 12.37") << 0 << 5 << 12.37 << 12.37 << 0.02;
    QTest::newRow("unit 10 takes 7 cents off 12.37") << 0 << 10 << 12.37 << 12.37 << 0.07;
    QTest::newRow("unit 5 on an exact multiple") << 0 << 5 << 12.35 << 12.35 << 0.0;
    QTest::newRow("unit 5 on a negative amount") << 0 << 5 << -12.37 << -12.37 << -0.02;
    QTest::newRow("unit 10 rounds to cents first") << 0 << 10 << 12.376 << 12.38 << 0.08;
    QTest::newRow("unit 100 leaves whole units") << 0 << 100 << 99.99 << 99.99 << 0.99;
    QTest::newRow("refund mode rounds the half cent down") << 2 << 0 << 12.346 << 12.34 << 0.0;
    QTest::newRow("refund of a negative amount goes away from zero") << 2 << 0 << -12.346 << -12.35 << 0.0;
    QTest::newRow("refund of a negative half") << 2 << 0 << -12.345 << -12.35 << 0.0;
    QTest::newRow("refund with unit 5") << 2 << 5 << -12.37 << -12.37 << -0.02;
    QTest::newRow("quote rounds as a sale") << 1 << 0 << 12.345 << 12.35 << 0.0;
    QTest::newRow("order rounds as a sale") << 3 << 5 << 12.346 << 12.35 << 0.0;
}

void TestMoney::cashRounding()
{
    QFETCH(int, mode);
    QFETCH(int, unit);
    QFETCH(double, amount);
    QFETCH(double, rounded);
    QFETCH(double, rounding);
    TestShop shop;
    setRoundingUnit(unit);
    setMode(mode);
    double value = amount;
    const double off = utils->getRounding(&value);
    QCOMPARE(exact(value), exact(rounded));
    QCOMPARE(exact(off), exact(rounding));
}

void TestMoney::clearingAModeLeavesAPlainSale_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("clearedBy");
    for (int mode = 1; mode <= 3; ++mode) {
        for (int clearer = 1; clearer <= 3; ++clearer) {
            QTest::addRow("mode %d cleared by setter %d", mode, clearer) << mode << clearer;
        }
    }
}

void TestMoney::clearingAModeLeavesAPlainSale()
{
    QFETCH(int, mode);
    QFETCH(int, clearedBy);
    TestShop shop;
    utils->setRefundMode(true);
    setMode(mode);
    switch (clearedBy) {
    case 1:
        utils->setQuoteMode(false);
        break;
    case 2:
        utils->setRefundMode(false);
        break;
    default:
        utils->setOrderMode(false);
        break;
    }
    QCOMPARE(utils->documentMode(), 0);
    // A plain sale rounds a positive half cent up; a refund would not.
    double value = 12.346;
    utils->getRounding(&value);
    QCOMPARE(exact(value), exact(12.35));
}

void TestMoney::numbersInTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("C has no group separator") << "C" << 1234.5 << 2 << "1234.50";
    QTest::newRow("US groups thousands") << "en_US" << 1234567.891 << 2 << "1,234,567.89";
    QTest::newRow("German comma") << "de_DE" << 1234.5 << 2 << "1.234,50";
    QTest::newRow("negative") << "en_US" << -1234.5 << 2 << "-1,234.50";
    QTest::newRow("tiny negative shows no sign") << "en_US" << -0.001 << 2 << "0.00";
    QTest::newRow("half cent shows as money rounds") << "C" << 2.675 << 2 << "2.68";
    QTest::newRow("no decimals") << "C" << 7.0 << 0 << "7";
    QTest::newRow("three decimals of a quantity") << "C" << 1.2345 << 3 << "1.235";
}

void TestMoney::numbersInTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    Utility::setLocale(locale);
    QCOMPARE(Utility::numStr(value, decimals), text);
    // The text reads back as the number it shows.
    bool ok = false;
    const double back = Utility::strNum(text, &ok);
    QVERIFY(ok);
    QCOMPARE(Utility::numStr(back, decimals), text);
    // The locale is also the application's, for widgets that format numbers.
    QCOMPARE(QLocale().name(), QLocale(locale).name());
}

void TestMoney::parsingInTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "C" << "12.5" << true << 12.5;
    QTest::newRow("blanks around") << "C" << " 12.5 " << true << 12.5;
    QTest::newRow("US with group separator") << "en_US" << "1,234.50" << true << 1234.5;
    QTest::newRow("German") << "de_DE" << "1.234,50" << true << 1234.5;
    QTest::newRow("negative") << "C" << "-3.25" << true << -3.25;
    QTest::newRow("rubbish") << "C" << "abc" << false << 0.0;
    QTest::newRow("empty") << "C" << "" << false << 0.0;
    QTest::newRow("trailing letters") << "C" << "12abc" << false << 0.0;
    QTest::newRow("two points") << "C" << "1.2.3" << false << 0.0;
    QTest::newRow("double minus") << "C" << "--5" << false << 0.0;
    QTest::newRow("German comma in C") << "C" << "12,5" << false << 0.0;
}

void TestMoney::parsingInTheLocale()
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

void TestMoney::markupsAsText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("tier2");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("demo markups") << "C" << "1.28" << QStringList{"1.6", "1.44", "1.28"};
    QTest::newRow("six significant digits") << "C" << "1234.5678" << QStringList{"1.6", "1.44", "1234.57"};
    QTest::newRow("in the locale") << "de_DE" << "1.5" << QStringList{"1,6", "1,44", "1,5"};
}

void TestMoney::markupsAsText()
{
    QFETCH(QString, locale);
    QFETCH(QString, tier2);
    QFETCH(QStringList, texts);
    TestShop shop;
    TestShop::exec(QStringLiteral("UPDATE SysInfo SET Tier2Markup=%1").arg(tier2));
    QVERIFY(utils->initClass(true));
    Utility::setLocale(locale);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(utils->getMarkupValue(i), texts.at(i));
}

BREVALON_TEST_MAIN(TestMoney)
#include "tst_money.moc"
