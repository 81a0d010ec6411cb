// Values as a user types them and the program keeps them: the money and short text validators keystroke by
// keystroke in the locale, the settings store's defaults and unreadable values, and list rows coloured and
// sorted as the tills show them.

#include "core/limitvalidator.h"
#include "core/moneyvalidator.h"
#include "core/settingscatalogue.h"
#include "core/utility.h"
#include "core/zklistitem.h"
#include "core/zksettings.h"
#include "tests/support/testshop.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// A key read through the read of its type, as text.
QString typedRead(const ZkSettings& store, const QString& key)
{
    switch (SettingsCatalogue::find(key)->type) {
    case SettingKey::Integer:
        return QString::number(store.readNumEntry(key));
    case SettingKey::Boolean:
        return QVariant(store.readBoolEntry(key)).toString();
    case SettingKey::Real:
        return QString::number(store.readDoubleEntry(key));
    default:
        return store.readEntry(key);
    }
}

} // namespace

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
        QTest::newRow("no group separator in C") << "C" << true << 0 << "1,234" << "1234" << 1;
        QTest::newRow("US group separator") << "en_US" << true << 0 << "1,234.56" << "1,234.56" << 0;
        QTest::newRow("German decimal comma") << "de_DE" << true << 0 << "12,5" << "12,5" << 0;
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

    void defaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("dialog");
        // A station without settings reaches the default server, on the driver's own port.
        QTest::newRow("driver's own port") << "/Global/DBPport" << "-1" << "-1";
        // Pairs whose difference shows until the preferences are first saved.
        QTest::newRow("receipts print, box shown clear") << "/Global/PrintReceipt" << "true" << "false";
        // A user who never moved the sales window; any user name.
        QTest::newRow("window left") << "/Personal/left/SOMEONE" << "30" << "30";
    }

    void defaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, use);
        QFETCH(QString, dialog);
        QTemporaryDir home;
        {
            ZkSettings store(home.path());
            QVERIFY2(SettingsCatalogue::find(key), qPrintable(key));
            QCOMPARE(typedRead(store, key), use);
            QCOMPARE(SettingsCatalogue::find(key)->dialog, dialog);
        }
        // Reading wrote nothing, not even an empty file.
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral(".Zendrik/Brevalon/brevalonrc"))));
    }

    void backupCommandFollowsTheInstallDir()
    {
        QTemporaryDir home;
        ZkSettings store(home.path());
        QCOMPARE(store.readEntry(QStringLiteral("/Global/BackupCmd")), QStringLiteral("/opt/zendrik/bin/backup"));
        store.writeEntry(QStringLiteral("/Global/InstallDir"), "/srv/pos");
        QCOMPARE(store.readEntry(QStringLiteral("/Global/BackupCmd")), QStringLiteral("/srv/pos/bin/backup"));
        // Saved empty, it skips the copy to the backup media.
        store.writeEntry(QStringLiteral("/Global/BackupCmd"), "");
        QCOMPARE(store.readEntry(QStringLiteral("/Global/BackupCmd")), QString());
    }

    void unreadableValuesGiveTheDefault_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("aNumber");
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("too big for an int") << "99999999999999" << true;
    }

    void unreadableValuesGiveTheDefault()
    {
        QFETCH(QString, stored);
        QFETCH(bool, aNumber);
        QTemporaryDir home;
        ZkSettings store(home.path());
        for (const char* key : {"/Global/SmtpPort", "/Global/LogActions", "/ReceiptPrinter/Margin"})
            store.writeEntry(QLatin1String(key), stored);
        QCOMPARE(store.readNumEntry(QStringLiteral("/Global/SmtpPort")), 25);
        QCOMPARE(store.readNumEntry(QStringLiteral("/Global/SmtpPort"), 7), 7);
        QCOMPARE(store.readBoolEntry(QStringLiteral("/Global/LogActions"), true), true);
        QCOMPARE(store.readDoubleEntry(QStringLiteral("/ReceiptPrinter/Margin"), 1.5),
                 aNumber ? stored.toDouble() : 1.5);
    }

    void everyKeyIsWellFormed()
    {
        QSet<QString> seen;
        for (const SettingKey& entry : SettingsCatalogue::all()) {
            const int parts = int(entry.key.count(QLatin1Char('/')));
            QVERIFY2(entry.key.startsWith(QLatin1Char('/')) && (parts == 2 || parts == 3), qPrintable(entry.key));
            QVERIFY2(!seen.contains(entry.key), qPrintable(entry.key));
            seen.insert(entry.key);
            // Both defaults read back as the key's own type.
            for (const QString& value : {entry.use, entry.dialog}) {
                bool ok = true;
                if (entry.type == SettingKey::Integer)
                    value.toInt(&ok);
                else if (entry.type == SettingKey::Real)
                    value.toDouble(&ok);
                else if (entry.type == SettingKey::Boolean)
                    ok = value == QLatin1String("true") || value == QLatin1String("false");
                QVERIFY2(ok, qPrintable(entry.key + QLatin1String(": ") + value));
            }
        }
        // Numbered keys match their pattern; a key short of it or beyond it does not.
        QVERIFY(SettingsCatalogue::find(QStringLiteral("/Global/Email10")));
        QVERIFY(SettingsCatalogue::find(QStringLiteral("/Global/BankNote6Logo")));
        QVERIFY(!SettingsCatalogue::find(QStringLiteral("/Personal/VendPage")));
        QVERIFY(!SettingsCatalogue::find(QStringLiteral("/Personal/VendPage/A/B")));
    }

    void colourFollowsTheLowFourBits_data()
    {
        QTest::addColumn<int>("visual");
        QTest::addColumn<QColor>("background"); // invalid: the view's own
        QTest::addColumn<QColor>("text");
        const QColor red(200, 0, 0);
        QTest::newRow("0 normal") << 0 << QColor() << QColor();
        QTest::newRow("2 red with yellow text") << 2 << red << QColor(255, 255, 0);
        QTest::newRow("18 is 2 in the low bits") << 18 << red << QColor(255, 255, 0);
    }

    void colourFollowsTheLowFourBits()
    {
        QFETCH(int, visual);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QTreeWidget view;
        view.setColumnCount(2);
        // Made with another value, then changed: the view must hear of it.
        auto* row = new ZkListItem(&view, {QStringLiteral("1"), QStringLiteral("Coffee")}, visual == 1 ? 2 : 1);
        int changes = 0;
        connect(view.model(), &QAbstractItemModel::dataChanged, this, [&] { ++changes; });
        row->setVisual(visual);
        QVERIFY(changes > 0);
        for (int column = 0; column < 2; ++column) {
            const QVariant bg = row->data(column, Qt::BackgroundRole);
            const QVariant fg = row->data(column, Qt::ForegroundRole);
            QCOMPARE(bg.isValid() ? bg.value<QBrush>().color() : QColor(), background);
            QCOMPARE(fg.isValid() ? fg.value<QBrush>().color() : QColor(), text);
        }
        QCOMPARE(row->text(1), QStringLiteral("Coffee"));
    }

    void sorting_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("sorted");
        const int up = Qt::AscendingOrder;
        const int down = Qt::DescendingOrder;
        QTest::newRow("numbers by value, not by text")
            << QStringList{"10", "9", "100", "2.5"} << up << QStringList{"2.5", "9", "10", "100"};
        QTest::newRow("numbers before text ascending")
            << QStringList{"TABLE 2", "12", "CASH", "3"} << up << QStringList{"3", "12", "CASH", "TABLE 2"};
        QTest::newRow("numbers before text descending") << QStringList{"TABLE 2", "12", "CASH", "3"} << down
                                                        << QStringList{"12", "3", "TABLE 2", "CASH"};
        QTest::newRow("text as text") << QStringList{"TABLE 10", "TABLE 2", "BAYSIDE"} << up
                                      << QStringList{"BAYSIDE", "TABLE 10", "TABLE 2"};
        QTest::newRow("padded numbers") << QStringList{" 20", "3 "} << up << QStringList{"3 ", " 20"};
    }

    void sorting()
    {
        QFETCH(QStringList, cells);
        QFETCH(int, order);
        QFETCH(QStringList, sorted);
        QTreeWidget view;
        view.setColumnCount(2);
        for (const QString& cell : cells)
            new ZkListItem(&view, {QStringLiteral("x"), cell});
        view.sortItems(1, Qt::SortOrder(order));
        QStringList result;
        for (int i = 0; i < view.topLevelItemCount(); ++i)
            result << view.topLevelItem(i)->text(1);
        QCOMPARE(result, sorted);
    }
};

BREVALON_TEST_MAIN(TestValidators)
#include "tst_validators.moc"
