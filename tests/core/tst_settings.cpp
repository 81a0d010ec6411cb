// The settings store: defaults of the catalogue, typed reads that never
// fail and never write, per-user keys.

#include "core/settingscatalogue.h"
#include "core/zksettings.h"
#include "tests/support/testshop.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void useDefaults_data();
    void useDefaults();
    void dialogDefaultsDifferWhereTheyMatter_data();
    void dialogDefaultsDifferWhereTheyMatter();
    void derivedDefaults();
    void readsNeverWrite();
    void unreadableValuesGiveTheDefault_data();
    void unreadableValuesGiveTheDefault();
    void roundTripKeepsEveryType();
    void perUserKeysMatchTheirPattern_data();
    void perUserKeysMatchTheirPattern();
    void everyKeyIsWellFormed();

private:
    QTemporaryDir m_home;
};

void TestSettings::useDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    // Keys that decide how a fresh installation behaves.
    QTest::newRow("install dir") << "/Global/InstallDir" << "/opt/zendrik";
    QTest::newRow("driver") << "/Global/DBDriver" << "QMYSQL3";
    QTest::newRow("server") << "/Global/DBServer" << "localhost";
    QTest::newRow("database") << "/Global/DBName" << "Brevalon";
    QTest::newRow("user") << "/Global/DBUser" << "Brevalon";
    QTest::newRow("password") << "/Global/DBPassword" << "zdk";
    QTest::newRow("language") << "/Global/i18n" << "English";
    QTest::newRow("list font") << "/Global/ListFont" << "Arial";
    QTest::newRow("touch font") << "/Global/TouchFont" << "Veranda";
    QTest::newRow("red background") << "/Global/RedBg" << "#f8bfbf";
    QTest::newRow("display speed") << "/Global/DisplaySpeed" << "1200";
    QTest::newRow("display flow") << "/Global/DisplayDSR" << "No";
    QTest::newRow("semper host") << "/Global/Semper/Host" << "127.0.0.1";
    QTest::newRow("semper terminal") << "/Global/Semper/Term" << "0101";
    QTest::newRow("rich text font") << "/Misc/RichTextFont" << "Sans Serif";
    QTest::newRow("slip init") << "/SlipCodes/INIT" << "27,120,48,27,67,33,27,106,216,27,106,216,26,106,85";
    QTest::newRow("slip40 bold") << "/Slip40Codes/BOLD" << "27,71,33";
    QTest::newRow("slip40 cut") << "/Slip40Codes/CUT" << "29,86,66,6";
    QTest::newRow("slip cut empty") << "/SlipCodes/CUT" << "";
    QTest::newRow("slip bit image") << "/SlipCodes/BitImage" << "ESC * m nL nH d1...dk";
    QTest::newRow("slip40 bit image") << "/Slip40Codes/BitImage" << "";
    QTest::newRow("kick") << "/ReceiptPrinter/Mode" << "";
    QTest::newRow("cash account of a user") << "/Personal/CashAcc/MARY" << "CASH";
    QTest::newRow("style of a user") << "/Personal/GUIStyle/noone" << "Default";
    QTest::newRow("remembered address") << "/Global/Email3" << "";
}

void TestSettings::useDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    ZkSettings store(m_home.path());
    QCOMPARE(store.readEntry(key), expected);
}

void TestSettings::dialogDefaultsDifferWhereTheyMatter_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("use");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("print receipt") << "/Global/PrintReceipt" << "true" << "false";
    QTest::newRow("display pole") << "/Global/DisplayPole" << "" << "None";
    QTest::newRow("display speed") << "/Global/DisplaySpeed" << "1200" << "9600";
    QTest::newRow("cash drawer") << "/Global/CashDraw" << "" << "None";
    QTest::newRow("language") << "/Global/i18n" << "English" << "";
    QTest::newRow("semper new version") << "/Global/Semper/NewVersion" << "false" << "true";
    QTest::newRow("preview width") << "/Misc/PreviewWidth" << "525" << "530";
    QTest::newRow("preview height") << "/Misc/PreviewHeight" << "790" << "590";
    QTest::newRow("rich text lines") << "/Misc/RichTextLines" << "36" << "24";
    QTest::newRow("slip40 bit image") << "/Slip40Codes/BitImage" << "" << "ESC * m nL nH d1...dk";
}

void TestSettings::dialogDefaultsDifferWhereTheyMatter()
{
    QFETCH(QString, key);
    QFETCH(QString, use);
    QFETCH(QString, dialog);
    const SettingKey* entry = SettingsCatalogue::find(key);
    QVERIFY2(entry, qPrintable(key));
    QCOMPARE(entry->use, use);
    QCOMPARE(entry->dialog, dialog);
}

void TestSettings::derivedDefaults()
{
    ZkSettings store(m_home.path());
    // Absent: receipts print although the dialog would show the box clear.
    QCOMPARE(store.readBoolEntry(QStringLiteral("/Global/PrintReceipt")), true);
    QCOMPARE(store.readBoolEntry(QStringLiteral("/Global/QtyCheck")), true);
    QCOMPARE(store.readBoolEntry(QStringLiteral("/Global/LogActions")), false);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Global/ButtonColourMode")), 2);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Global/SmtpPort")), 25);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Global/Semper/Port")), 1600);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/left/SOMEONE")), 30);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/top/SOMEONE")), 46);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/width/SOMEONE")), 800);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/height/SOMEONE")), 600);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/QtyWidth/SOMEONE")), 75);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/DescriptionWidth/SOMEONE")), 195);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Personal/split/SOMEONE")), -1);
    QCOMPARE(store.readBoolEntry(QStringLiteral("/Personal/VendPage/SOMEONE")), true);
    QCOMPARE(store.readDoubleEntry(QStringLiteral("/Global/BankNote4Value")), 0.0);
    // The backup command follows the install folder until it is saved.
    QCOMPARE(store.readEntry(QStringLiteral("/Global/BackupCmd")), QStringLiteral("/opt/zendrik/bin/backup"));
    store.writeEntry(QStringLiteral("/Global/InstallDir"), "/srv/pos");
    QCOMPARE(store.readEntry(QStringLiteral("/Global/BackupCmd")), QStringLiteral("/srv/pos/bin/backup"));
    store.writeEntry(QStringLiteral("/Global/BackupCmd"), "");
    QCOMPARE(store.readEntry(QStringLiteral("/Global/BackupCmd")), QString());
    // No port stored: the driver's own (reported as -1 before one is set).
    QCOMPARE(store.readNumEntry(QStringLiteral("/Global/DBPport")), -1);
}

void TestSettings::readsNeverWrite()
{
    QTemporaryDir home;
    {
        ZkSettings store(home.path());
        store.readEntry(QStringLiteral("/Global/InstallDir"));
        store.readNumEntry(QStringLiteral("/Global/SmtpPort"));
        store.readBoolEntry(QStringLiteral("/Global/LogActions"));
        store.readDoubleEntry(QStringLiteral("/ReceiptPrinter/Margin"));
        store.readEntry(QStringLiteral("/Personal/GUIStyle/MARY"));
        QVERIFY(!store.contains(QStringLiteral("/Global/InstallDir")));
    }
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral(".Zendrik/Brevalon/brevalonrc"))));
}

void TestSettings::unreadableValuesGiveTheDefault_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("aNumber");
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("half number") << "12abc" << false;
    QTest::newRow("too big for an int") << "99999999999999" << true;
}

void TestSettings::unreadableValuesGiveTheDefault()
{
    QFETCH(QString, stored);
    QFETCH(bool, aNumber);
    QTemporaryDir home;
    ZkSettings store(home.path());
    store.writeEntry(QStringLiteral("/Global/SmtpPort"), stored);
    store.writeEntry(QStringLiteral("/Global/LogActions"), stored);
    store.writeEntry(QStringLiteral("/ReceiptPrinter/Margin"), stored);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Global/SmtpPort")), 25);
    QCOMPARE(store.readNumEntry(QStringLiteral("/Global/SmtpPort"), 7), 7);
    QCOMPARE(store.readBoolEntry(QStringLiteral("/Global/LogActions"), true), true);
    QCOMPARE(store.readDoubleEntry(QStringLiteral("/ReceiptPrinter/Margin"), 1.5),
             aNumber ? stored.toDouble() : 1.5);
}

void TestSettings::roundTripKeepsEveryType()
{
    QTemporaryDir home;
    {
        ZkSettings store(home.path());
        store.writeEntry(QStringLiteral("/Global/SmtpServer"), "mail.example.com");
        store.writeEntry(QStringLiteral("/Global/SmtpPort"), 2525);
        store.writeEntry(QStringLiteral("/Global/FullScreen"), true);
        store.writeEntry(QStringLiteral("/Global/BankNote2Value"), 50.25);
        store.writeEntry(QStringLiteral("/Personal/top/JOHN SMITH"), 120);
        store.writeEntry(QStringLiteral("/Global/FromEmail"), QStringLiteral("O'Brien \\ \"x\" %1 ü"));
    }
    // A second store over the same file: what one station wrote, the next start reads.
    ZkSettings again(home.path());
    QCOMPARE(again.readEntry(QStringLiteral("/Global/SmtpServer")), QStringLiteral("mail.example.com"));
    QCOMPARE(again.readNumEntry(QStringLiteral("/Global/SmtpPort")), 2525);
    QCOMPARE(again.readBoolEntry(QStringLiteral("/Global/FullScreen")), true);
    QCOMPARE(again.readDoubleEntry(QStringLiteral("/Global/BankNote2Value")), 50.25);
    QCOMPARE(again.readNumEntry(QStringLiteral("/Personal/top/JOHN SMITH")), 120);
    QCOMPARE(again.readNumEntry(QStringLiteral("/Personal/top/JOHN")), 46);
    QCOMPARE(again.readEntry(QStringLiteral("/Global/FromEmail")), QStringLiteral("O'Brien \\ \"x\" %1 ü"));
    QVERIFY(QFile::exists(home.filePath(QStringLiteral(".Zendrik/Brevalon/brevalonrc"))));
}

void TestSettings::perUserKeysMatchTheirPattern_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("user") << "/Personal/VendPage/MARY" << "/Personal/VendPage/%1";
    QTest::newRow("logged out") << "/Personal/split/noone" << "/Personal/split/%1";
    QTest::newRow("bank note") << "/Global/BankNote6Logo" << "/Global/BankNote%1Logo";
    QTest::newRow("address") << "/Global/Email10" << "/Global/Email%1";
    QTest::newRow("printer") << "/KitchenPrinter/NumCopies" << "/KitchenPrinter/NumCopies";
}

void TestSettings::perUserKeysMatchTheirPattern()
{
    QFETCH(QString, key);
    QFETCH(QString, pattern);
    const SettingKey* entry = SettingsCatalogue::find(key);
    QVERIFY2(entry, qPrintable(key));
    QCOMPARE(entry->key, pattern);
    QVERIFY(!SettingsCatalogue::find(QStringLiteral("/Personal/VendPage")));
    QVERIFY(!SettingsCatalogue::find(QStringLiteral("/Personal/VendPage/A/B")));
}

void TestSettings::everyKeyIsWellFormed()
{
    QSet<QString> seen;
    for (const SettingKey& entry : SettingsCatalogue::all()) {
        QVERIFY2(entry.key.startsWith(QLatin1Char('/')), qPrintable(entry.key));
        const int parts = entry.key.count(QLatin1Char('/'));
        QVERIFY2(parts == 2 || parts == 3, qPrintable(entry.key));
        QVERIFY2(!seen.contains(entry.key), qPrintable(entry.key));
        seen.insert(entry.key);
        // Each default must read back as its own type.
        bool ok = true;
        if (entry.type == SettingKey::Integer)
            entry.use.toInt(&ok);
        else if (entry.type == SettingKey::Real)
            entry.use.toDouble(&ok);
        else if (entry.type == SettingKey::Boolean)
            ok = entry.use == QLatin1String("true") || entry.use == QLatin1String("false");
        QVERIFY2(ok, qPrintable(entry.key));
    }
    // Five printer groups with eight entries, two code groups with thirteen.
    for (const QString& group : SettingsCatalogue::printerGroups())
        QVERIFY(SettingsCatalogue::find(group + QLatin1String("/Margin")));
    QVERIFY(SettingsCatalogue::find(QStringLiteral("/Slip40Codes/ICUT")));
}

BREVALON_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
