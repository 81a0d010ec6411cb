// The settings store: the defaults a fresh station runs with (and where the
// preferences dialog shows another), reads that never fail and never write,
// and a catalogue where every key has a type and two defaults of that type.

#include "core/settingscatalogue.h"
#include "core/zksettings.h"
#include "tests/support/testshop.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("dialog");
        // A station without settings reaches the default server, on the driver's own port.
        QTest::newRow("driver") << "/Global/DBDriver" << "QMYSQL3" << "QMYSQL3";
        QTest::newRow("driver's own port") << "/Global/DBPport" << "-1" << "-1";
        // Pairs whose difference shows until the preferences are first saved.
        QTest::newRow("receipts print, box shown clear") << "/Global/PrintReceipt" << "true" << "false";
        QTest::newRow("no pole display, dialog None") << "/Global/DisplayPole" << "" << "None";
        // Anything but "No" would switch on hardware flow control.
        QTest::newRow("display flow") << "/Global/DisplayDSR" << "No" << "No";
        // A user who never moved the sales window; any user name.
        QTest::newRow("window left") << "/Personal/left/SOMEONE" << "30" << "30";
        QTest::newRow("window width") << "/Personal/width/JOHN SMITH" << "800" << "800";
        QTest::newRow("cash account") << "/Personal/CashAcc/MARY" << "CASH" << "CASH";
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
        QTest::newRow("empty") << "" << false;
        QTest::newRow("half number") << "12abc" << false;
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
};

BREVALON_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
