// A till's screen is often 800x600: the whole window, every button of the
// sale page (an open bill's Edit button too), the total and the sale
// list's amounts must stay on it, on the touch layout and at the keyboard.

#include "tests/sales/till.h"

#include <QGuiApplication>
#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
};

void TestScreenFit::windowFitsTheScreen_data()
{
    QTest::addColumn<bool>("touch");
    QTest::newRow("touch layout") << true;
    QTest::newRow("keyboard layout") << false;
}

void TestScreenFit::windowFitsTheScreen()
{
    QFETCH(bool, touch);
    Till till;
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), QStringLiteral("MARY")), touch);
    // A window remembered wider than the screen, as from a bigger monitor.
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/width/"), QStringLiteral("MARY")), 1280);
    settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/left/"), QStringLiteral("MARY")), 200);
    Sales& w = *till.window;
    // As at the till: the closed window is up when the operator logs in.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    till.login(QStringLiteral("MARY"));
    w.EditPushButton->show();
    QCoreApplication::processEvents();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(screen.size(), QSize(800, 600)); // the offscreen platform's screen
    QVERIFY2(w.minimumSizeHint().width() <= screen.width(),
             qPrintable(QStringLiteral("needs %1 pixels").arg(w.minimumSizeHint().width())));
    // (A till runs without a window frame: the inside must fit.)
    QVERIFY2(screen.contains(w.geometry()),
             qPrintable(QStringLiteral("window at %1,%2 %3x%4")
                            .arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height())));
    for (QPushButton* button : {w.PreviewPushButton, w.PushButton3, w.EditPushButton, w.PushButton5}) {
        const QRect r(button->mapTo(&w, QPoint(0, 0)), button->size());
        QVERIFY2(w.rect().contains(r), qPrintable(button->objectName()));
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))),
                 qPrintable(button->objectName() + QLatin1String(" cuts its words")));
    }
    // The departments' captions under their pictures are whole, if smaller.
    if (touch) {
        int captions = 0;
        for (int i = 0; i < Sales::kPlaceCount; ++i) {
            const QAbstractButton* place = w.touchButtonAt(Sales::kFirstPlace + i);
            const QString caption = place->text().replace(QLatin1String("&&"), QLatin1String("&"));
            if (caption.isEmpty())
                continue;
            ++captions;
            QVERIFY2(QFontMetrics(place->font()).horizontalAdvance(caption) <= place->width() - 8,
                     qPrintable(caption + QLatin1String(" is cut")));
        }
        QCOMPARE(captions, 7); // the demo shop's departments
    }
    // A total of many digits, grouped as most locales write it, shows whole,
    // in a smaller type.
    Utility::setLocale(QStringLiteral("en_US"));
    w.showTotal(99999999.99);
    Utility::setLocale(QStringLiteral("C"));
    QCOMPARE(w.TotalLCD->text(), "99,999,999.99");
    QVERIFY(QFontMetrics(w.TotalLCD->font()).horizontalAdvance(w.TotalLCD->text())
            <= w.TotalLCD->contentsRect().width());
    // The amount column is in view without scrolling.
    const QHeaderView* header = w.VendListView->header();
    QVERIFY(header->sectionViewportPosition(3) + header->sectionSize(3) <= w.VendListView->viewport()->width());
}

BREVALON_TEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
