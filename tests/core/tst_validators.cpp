// The validators of money and short text fields, typed into real fields
// keystroke by keystroke: what stays, what is refused, and the beeps.

#include "core/limitvalidator.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "tests/support/testshop.h"

#include <QLineEdit>
#include <QTest>

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Utility::setLocale(QStringLiteral("C")); }

    void separatorsFromTheSample_data();
    void separatorsFromTheSample();
    void separatorsFollowTheLocale_data();
    void separatorsFollowTheLocale();
    void moneyKeystrokes_data();
    void moneyKeystrokes();
    void moneyFixup_data();
    void moneyFixup();
    void limitKeystrokes_data();
    void limitKeystrokes();
};

void TestValidators::separatorsFromTheSample_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::newRow("dots group, comma decimal") << "123.456.789, 12" << "," << ".";
    QTest::newRow("dots group, comma decimal, no blank") << "123.456.789,12" << "," << ".";
    QTest::newRow("commas group") << "123, 456, 789.12" << "." << ",";
    QTest::newRow("commas group, no blanks") << "123,456,789.12" << "." << ",";
    QTest::newRow("blanks group") << "123 456 789.12" << "." << " ";
    QTest::newRow("no group") << "123456789.12" << "." << "";
    QTest::newRow("anything else") << "123'456'789.12" << "." << ",";
}

void TestValidators::separatorsFromTheSample()
{
    QFETCH(QString, sample);
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    const MoneyValidator::Separators s = MoneyValidator::separatorsOf(sample);
    QCOMPARE(QString(s.decimal), decimal);
    QCOMPARE(s.group, group);
}

void TestValidators::separatorsFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::newRow("C") << "C" << "." << "";
    QTest::newRow("US") << "en_US" << "." << ",";
    QTest::newRow("German") << "de_DE" << "," << ".";
}

void TestValidators::separatorsFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    Utility::setLocale(locale);
    MoneyValidator validator;
    QCOMPARE(QString(validator.separators().decimal), decimal);
    QCOMPARE(validator.separators().group, group);
}

void TestValidators::moneyKeystrokes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("top");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("one decimal") << "C" << 0.0 << "12.5" << "12.5" << 0;
    QTest::newRow("two decimals") << "C" << 0.0 << "12.50" << "12.50" << 0;
    QTest::newRow("a third decimal is refused") << "C" << 0.0 << "12.505" << "12.50" << 1;
    QTest::newRow("a second point is refused") << "C" << 0.0 << "1.2.3" << "1.23" << 1;
    QTest::newRow("minus is refused") << "C" << 0.0 << "-5" << "5" << 1;
    QTest::newRow("letters are refused") << "C" << 0.0 << "1a2" << "12" << 1;
    QTest::newRow("no group separator in C") << "C" << 0.0 << "1,234" << "1234" << 1;
    QTest::newRow("US group separator") << "en_US" << 0.0 << "1,234.56" << "1,234.56" << 0;
    QTest::newRow("German decimal comma") << "de_DE" << 0.0 << "12,5" << "12,5" << 0;
    QTest::newRow("German second comma refused") << "de_DE" << 0.0 << "1,2,3" << "1,23" << 1;
    QTest::newRow("above the field's limit") << "C" << 100.0 << "150" << "15" << 1;
    QTest::newRow("up to the field's limit") << "C" << 100.0 << "100" << "100" << 0;
}

void TestValidators::moneyKeystrokes()
{
    QFETCH(QString, locale);
    QFETCH(double, top);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    TestShop shop;
    Utility::setLocale(locale);
    QLineEdit field;
    field.setValidator(new MoneyValidator(top, &field));
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), kept);
    QCOMPARE(shop.prompts().beeps(), beeps);
    // Erasing back to an empty field is always allowed.
    field.end(false);
    for (int i = 0; i < kept.size(); ++i)
        QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString());
    QCOMPARE(shop.prompts().beeps(), beeps);
}

void TestValidators::moneyFixup_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("leading minus removed") << "C" << "-7" << "7";
    QTest::newRow("decimals made two") << "C" << "12.5" << "12.50";
    QTest::newRow("minus and decimals") << "C" << "-12.5" << "12.50";
    QTest::newRow("whole number kept") << "C" << "12" << "12";
    QTest::newRow("German decimals made two") << "de_DE" << "3,1" << "3,10";
}

void TestValidators::moneyFixup()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, fixed);
    Utility::setLocale(locale);
    MoneyValidator validator;
    QString s = text;
    validator.fixup(s);
    QCOMPARE(s, fixed);
}

void TestValidators::limitKeystrokes_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("upper-cased") << 10 << "abc" << "ABC" << 0;
    QTest::newRow("leading blank removed") << 10 << " abc" << "ABC" << 1;
    QTest::newRow("inner blanks kept") << 10 << "a b" << "A B" << 0;
    QTest::newRow("up to the limit") << 3 << "abc" << "ABC" << 0;
    QTest::newRow("over the limit refused") << 3 << "abcde" << "ABC" << 2;
}

void TestValidators::limitKeystrokes()
{
    QFETCH(int, limit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    TestShop shop;
    QLineEdit field;
    field.setValidator(new LimitValidator(limit, &field));
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), kept);
    QCOMPARE(shop.prompts().beeps(), beeps);
}

BREVALON_TEST_MAIN(TestValidators)
#include "tst_validators.moc"
