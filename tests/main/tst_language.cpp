// The program in the language of /Global/i18n: after the login the window,
// its menus, the tender labels, the about box and Qt's own dialog texts are
// in German; English and a language without a translation keep the
// program's own texts.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "main/startup.h"
#include "sales/sales.h"
#include "tests/support/keypadinput.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void captionsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions"); // menus, logout, tabs, EFT label, line type, tool tip
        QTest::addColumn<QString>("about");
        QTest::addColumn<QString>("qtCancel");
        QTest::newRow("German") << "German" << "Brevalon – MARY angemeldet um "
                                << QStringList{"&Datei", "&Kunden", "Stamm&daten", "&Hilfe", "Ab&melden",
                                               "&Kunde", "&Belege", "EC-Karte", "Artikel",
                                               "Die Zeile dem Verkauf hinzufügen (Enter)"}
                                << "Über Brevalon"
                                << "Abbrechen";
        const QStringList english{"&File", "&Clients", "&Manage", "&Help", "&Logout", "&Client", "&Documents",
                                  "EFT", "Inventory", "Add the line to the sale (Enter)"};
        QTest::newRow("English") << "English" << "Brevalon - MARY Logged in at " << english << "About Brevalon"
                                 << "Cancel";
        QTest::newRow("a language without a translation")
            << "Klingon" << "Brevalon - MARY Logged in at " << english << "About Brevalon"
            << "Cancel";
    }

    void captionsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        QFETCH(QString, about);
        QFETCH(QString, qtCancel);
        TestShop shop(TestShop::Demo, TestShop::DatabaseOnly);
        {
            ZkSettings store(shop.home());
            shop.writeConnection(store);
            store.writeEntry(QStringLiteral("/Global/i18n"), language);
        }
        // MARY works on the touch layout: her till asks for the waiter next.
        shop.prompts()
            .expectExec(QStringLiteral("NumEntry"), typeCode(QStringLiteral("1111")))
            .expectExec(QStringLiteral("NumEntry"), typeCode(QString(), Finish::Cancel))
            .expect(ZkPrompt::Information, about, QStringLiteral("Version ") + QLatin1String(BREVALON_VERSION));
        QCOMPARE(Startup::begin(*qApp), 0);
        auto ending = qScopeGuard([] {
            if (::shop)
                Startup::end();
        });
        // Widgets take the new texts from the language-change event.
        QCoreApplication::processEvents();
        Sales& w = *::shop;
        QVERIFY2(w.windowTitle().startsWith(title), qPrintable(w.windowTitle()));
        const QList<QAction*> menus = w.menuBar()->actions();
        const QStringList shown{menus.value(0)->text(),
                                menus.value(1)->text(),
                                menus.value(2)->text(),
                                menus.last()->text(),
                                w.fileLogoutAction->text(),
                                w.TabWidget2->tabText(0),
                                w.TabWidget2->tabText(2),
                                w.EFTLabel->text(),
                                w.TypeComboBox->itemText(0),
                                w.AddPushButton->toolTip()};
        QCOMPARE(shown, captions);
        // The line type chosen in the language still names the table searched.
        QCOMPARE(w.lineType(w.TypeComboBox->itemText(0)), QStringLiteral("Inventory"));
        w.helpAbout();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    }
};

BREVALON_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
