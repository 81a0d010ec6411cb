// The validators of money and short text fields, typed into real fields
// keystroke by keystroke: what stays, what is refused with a beep, the
// separators of the locale, and the money field's clean-up.

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

    void keystrokes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("money");
        QTest::addColumn<int>("limit"); // money: the field's top (0 none); text: its length
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("beeps");
        QTest::newRow("two decimals") << "C" << true << 0 << "12.50" << "12.50" << 0;
        QTest::newRow("a third decimal is refused") << "C" << true << 0 << "12.505" << "12.50" << 1;
        QTest::newRow("a second point is refused") << "C" << true << 0 << "1.2.3" << "1.23" << 1;
        QTest::newRow("minus is refused") << "C" << true << 0 << "-5" << "5" << 1;
        QTest::newRow("letters are refused") << "C" << true << 0 << "1a2" << "12" << 1;
        QTest::newRow("no group separator in C") << "C" << true << 0 << "1,234" << "1234" << 1;
        QTest::newRow("US group separator") << "en_US" << true << 0 << "1,234.56" << "1,234.56" << 0;
        QTest::newRow("German decimal comma") << "de_DE" << true << 0 << "12,5" << "12,5" << 0;
        QTest::newRow("German second comma refused") << "de_DE" << true << 0 << "1,2,3" << "1,23" << 1;
        QTest::newRow("above the field's top") << "C" << true << 100 << "150" << "15" << 1;
        QTest::newRow("up to the field's top") << "C" << true << 100 << "100" << "100" << 0;
        QTest::newRow("text upper-cased") << "C" << false << 10 << "a b" << "A B" << 0;
        QTest::newRow("text's leading blank removed") << "C" << false << 10 << " abc" << "ABC" << 1;
        QTest::newRow("text over the limit refused") << "C" << false << 3 << "abcde" << "ABC" << 2;
    }

    void keystrokes()
    {
        QFETCH(QString, locale);
        QFETCH(bool, money);
        QFETCH(int, limit);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, beeps);
        TestShop shop;
        Utility::setLocale(locale);
        QLineEdit field;
        if (money)
            field.setValidator(new MoneyValidator(limit, &field));
        else
            field.setValidator(new LimitValidator(limit, &field));
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

    void moneyFixup_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("leading minus removed") << "C" << "-7" << "7";
        QTest::newRow("minus removed, decimals made two") << "C" << "-12.5" << "12.50";
        QTest::newRow("whole number kept") << "C" << "12" << "12";
        QTest::newRow("German decimals made two") << "de_DE" << "3,1" << "3,10";
    }

    void moneyFixup()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, fixed);
        Utility::setLocale(locale);
        MoneyValidator validator;
        validator.fixup(text);
        QCOMPARE(text, fixed);
    }
};

BREVALON_TEST_MAIN(TestValidators)
#include "tst_validators.moc"
