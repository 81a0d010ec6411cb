// The touch page: departments on the places, a department's items and
// compositions in pages of sixteen with their labels and pictures, a press
// that rings an item up at once, and the quantity keypad.

#include "tests/sales/counter.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QPainter>

namespace {

const QStringList kDepartments = {"DRINKS", "HOT DRINKS", "STARTERS", "MAINS", "DESSERTS", "DELI", "GROCERY"};

QStringList placeCodes(const Sales& w)
{
    QStringList codes;
    for (int id = Sales::kFirstPlace; id < Sales::kFirstPlace + Sales::kPlaceCount; ++id)
        codes << w.placeCode(id);
    while (!codes.isEmpty() && codes.last().isEmpty())
        codes.removeLast();
    return codes;
}

QImage iconImage(const QAbstractButton* b)
{
    return b->icon().pixmap(b->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage shareImage(const Till& till, const QString& file, const QSize& size)
{
    return QIcon(till.installDir() + QLatin1String("/share/Brevalon/") + file)
        .pixmap(size)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestTouchPage : public QObject
{
    Q_OBJECT

private slots:
    void topLevelShowsTheDepartments();
    void aDepartmentShowsItsItemsThenCompositions();
    void labelsAndPicturesFromImages();
    void pagesOfSixteen();
    void pressingRingsUpAtOnce_data();
    void pressingRingsUpAtOnce();
    void quantityKeypad_data();
    void quantityKeypad();
    void keypadQuantityGoesToTheNextItem();
    void keypadImagesFollowTheLocale();
    void deleteButtonDeletesTheLine();
};

void TestTouchPage::topLevelShowsTheDepartments()
{
    Counter till;
    Sales& w = till.w();
    w.F11();
    QCOMPARE(placeCodes(w), kDepartments);
    for (int i = 0; i < Sales::kPlaceCount; ++i) {
        QAbstractButton* place = w.touchButtonAt(Sales::kFirstPlace + i);
        const bool used = i < kDepartments.size();
        QCOMPARE(place->isEnabled(), used);
        // The departments have pictures; their names go under them.
        QCOMPARE(place->text(), used ? kDepartments.at(i) : QString());
        QCOMPARE(place->icon().isNull(), !used);
    }
    QCOMPARE(w.tabWidget3->tabText(w.tabWidget3->indexOf(w.tab_3)), QStringLiteral("F11 Department Selection"));
}

void TestTouchPage::aDepartmentShowsItsItemsThenCompositions()
{
    Counter till;
    Sales& w = till.w();
    w.touchButtonAt(Sales::kFirstPlace + 3)->click(); // MAINS
    QCOMPARE(w.touchDepartment(), QStringLiteral("MAINS"));
    QCOMPARE(w.tabWidget3->tabText(w.tabWidget3->indexOf(w.tab_3)), QStringLiteral("F11 MAINS"));
    QCOMPARE(placeCodes(w),
             (QStringList{"3001", "3002", "3003", "3004", "3005", "3006", "3007", "3008", "1.CMP"}));
    // No picture stored: the description is drawn as the picture, the
    // ampersand as it is.
    QAbstractButton* burger = w.touchButtonAt(Sales::kFirstPlace);
    QCOMPARE(burger->toolTip(), QStringLiteral("BEEF BURGER & CHIPS"));
    QVERIFY(!burger->icon().isNull());
    QCOMPARE(burger->text(), QString());
    QCOMPARE(w.touchButtonAt(Sales::kFirstPlace + 8)->toolTip(), QStringLiteral("BREAKFAST SPECIAL"));
    QVERIFY(!w.touchButtonAt(Sales::kFirstPlace + 9)->isEnabled());

    // Top Level goes back to the departments.
    w.touchButtonAt(0)->click();
    QCOMPARE(w.touchDepartment(), QString());
    QCOMPARE(placeCodes(w), kDepartments);
    QCOMPARE(w.tabWidget3->tabText(w.tabWidget3->indexOf(w.tab_3)), QStringLiteral("F11 Department Selection"));
}

void TestTouchPage::labelsAndPicturesFromImages()
{
    Counter till;
    Sales& w = till.w();
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(QColor(200, 30, 30));
    TestShop::exec(QStringLiteral("INSERT INTO Images (Code, Label, Image) VALUES ('1001', 'COKE & ICE', '")
                   + QString::fromLatin1(Utility::encodeImage(picture, 32)) + QLatin1String("')"));
    TestShop::exec(QStringLiteral("INSERT INTO Images (Code, Label, Image) VALUES ('1002', 'ZERO', '')"));
    w.touchButtonAt(Sales::kFirstPlace)->click(); // DRINKS
    QAbstractButton* coke = w.touchButtonAt(Sales::kFirstPlace);
    QCOMPARE(coke->text(), QStringLiteral("COKE && ICE"));
    const QImage shown = iconImage(coke);
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(200, 30, 30));
    // A label without a picture is drawn in place of one.
    QAbstractButton* zero = w.touchButtonAt(Sales::kFirstPlace + 1);
    QCOMPARE(zero->text(), QString());
    QCOMPARE(zero->toolTip(), QStringLiteral("ZERO"));
    QVERIFY(!zero->icon().isNull());
}

void TestTouchPage::pagesOfSixteen()
{
    Counter till;
    Sales& w = till.w();
    // GROCERY: 8 items, then 20 more, ranked after them.
    for (int i = 0; i < 20; ++i)
        TestShop::exec(QStringLiteral("INSERT INTO Inventory (Code, Department, Description, Price, Rank) VALUES "
                                      "('77%1', 'GROCERY', 'SPICE %1', 10, %2)")
                           .arg(i, 2, 10, QLatin1Char('0'))
                           .arg(100 + i));
    w.touchButtonAt(Sales::kFirstPlace + 6)->click();
    QCOMPARE(placeCodes(w).size(), 16);
    QCOMPARE(w.placeCode(Sales::kFirstPlace), QStringLiteral("6001"));
    QCOMPARE(w.placeCode(Sales::kFirstPlace + 8), QStringLiteral("7700"));

    w.touchButtonAt(2)->click(); // next
    QCOMPARE(w.touchOffset(), 16);
    QCOMPARE(placeCodes(w).size(), 12);
    QCOMPARE(w.placeCode(Sales::kFirstPlace), QStringLiteral("7708"));
    QVERIFY(!w.touchButtonAt(Sales::kFirstPlace + 12)->isEnabled());
    w.touchButtonAt(2)->click(); // nothing beyond: stays
    QCOMPARE(w.touchOffset(), 16);
    QCOMPARE(w.placeCode(Sales::kFirstPlace), QStringLiteral("7708"));

    w.touchButtonAt(3)->click(); // previous
    QCOMPARE(w.touchOffset(), 0);
    QCOMPARE(w.placeCode(Sales::kFirstPlace), QStringLiteral("6001"));
    w.touchButtonAt(3)->click();
    QCOMPARE(w.touchOffset(), 0);
}

void TestTouchPage::pressingRingsUpAtOnce_data()
{
    QTest::addColumn<int>("department");
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("an item") << 1 << 1 << QStringList{"CAPPUCCINO=32.00"};
    QTest::newRow("a composition")
        << 3 << 8
        << QStringList{"Full breakfast with coffee and juice=0.00", "FULL BREAKFAST=85.50", "CAPPUCCINO=24.00",
                       "ORANGE JUICE=12.00"};
}

void TestTouchPage::pressingRingsUpAtOnce()
{
    QFETCH(int, department);
    QFETCH(int, place);
    QFETCH(QStringList, lines);
    // Asking the quantity is on, but a press on the touch page does not ask.
    Counter till({}, true);
    Sales& w = till.w();
    w.TypeComboBox->setCurrentIndex(w.TypeComboBox->findText(QStringLiteral("Remarks")));
    w.touchButtonAt(Sales::kFirstPlace + department)->click();
    w.touchButtonAt(Sales::kFirstPlace + place)->click();
    QCOMPARE(till.summary(), lines);
    QCOMPARE(w.TypeComboBox->currentText(), QStringLiteral("Inventory"));
    // The department stays open for the next press.
    w.touchButtonAt(Sales::kFirstPlace + place)->click();
    QCOMPARE(till.lines(), 2 * lines.size());
}

void TestTouchPage::quantityKeypad_data()
{
    QTest::addColumn<QList<int>>("presses"); // ids after the keypad opened
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quantity");
    const int one = Sales::kFirstPlace, two = one + 1, five = one + 4, point = one + 9, zero = one + 10;
    const int ok = one + 11;
    QTest::newRow("digits") << QList<int>{one, two, ok} << "12" << "12";
    QTest::newRow("decimal point once") << QList<int>{two, point, five, point, ok} << "2.5" << "2.5";
    QTest::newRow("zero") << QList<int>{one, zero, zero, ok} << "100" << "100";
    QTest::newRow("delete takes the first character") << QList<int>{one, two, five, 1, ok} << "25" << "25";
    QTest::newRow("nothing becomes one") << QList<int>{ok} << "" << "1";
    QTest::newRow("zero becomes one") << QList<int>{zero, ok} << "0" << "1";
    QTest::newRow("the keypad button also closes it") << QList<int>{five, 4} << "5" << "5";
}

void TestTouchPage::quantityKeypad()
{
    QFETCH(QList<int>, presses);
    QFETCH(QString, typed);
    QFETCH(QString, quantity);
    Counter till;
    Sales& w = till.w();
    w.touchButtonAt(Sales::kFirstPlace + 1)->click(); // HOT DRINKS
    w.touchButtonAt(4)->click();
    QVERIFY(w.touchKeypadOn());
    QCOMPARE(w.QuantityEdit->text(), QString());
    QString shownBeforeOk;
    for (int id : presses) {
        if (id == Sales::kFirstPlace + 11 || id == 4)
            shownBeforeOk = w.QtyLabel->text();
        w.touchButtonAt(id)->click();
    }
    QCOMPARE(shownBeforeOk, typed);
    QVERIFY(!w.touchKeypadOn());
    QCOMPARE(w.QuantityEdit->text(), quantity);
    QCOMPARE(w.QtyLabel->text(), quantity);
    // The department's items are back on the places.
    QCOMPARE(w.placeCode(Sales::kFirstPlace), QStringLiteral("1101"));
    QCOMPARE(till.lines(), 0);
}

void TestTouchPage::keypadQuantityGoesToTheNextItem()
{
    Counter till;
    Sales& w = till.w();
    w.touchButtonAt(Sales::kFirstPlace + 1)->click(); // HOT DRINKS
    w.touchButtonAt(4)->click();
    w.touchButtonAt(Sales::kFirstPlace + 2)->click(); // 3
    w.touchButtonAt(Sales::kFirstPlace + 11)->click();
    w.touchButtonAt(Sales::kFirstPlace + 1)->click(); // CAPPUCCINO
    QCOMPARE(till.summary(), QStringList{QStringLiteral("CAPPUCCINO=96.00")});
    QCOMPARE(till.cell(0, Sales::ColQuantity), QStringLiteral("3"));
    QCOMPARE(w.QuantityEdit->text(), QStringLiteral("1"));
}

void TestTouchPage::keypadImagesFollowTheLocale()
{
    Counter till;
    Sales& w = till.w();
    w.touchButtonAt(4)->click();
    const char* const files[] = {"1.png", "2.png", "3.png", "4.png", "5.png", "6.png",
                                 "7.png", "8.png", "9.png", "dot.png", "0.png", "ok.png"};
    for (int i = 0; i < 12; ++i) {
        QAbstractButton* key = w.touchButtonAt(Sales::kFirstPlace + i);
        QVERIFY2(!key->icon().isNull(), files[i]);
        QCOMPARE(iconImage(key), shareImage(till, QLatin1String(files[i]), key->iconSize()));
    }
    for (int i = 12; i < Sales::kPlaceCount; ++i)
        QVERIFY(!w.touchButtonAt(Sales::kFirstPlace + i)->isEnabled());
    w.touchButtonAt(Sales::kFirstPlace + 11)->click();

    // Where the decimal point is a comma, so is the key and what it types.
    const QString before = Utility::locale().name();
    Utility::setLocale(QStringLiteral("de_DE"));
    w.touchButtonAt(4)->click();
    QAbstractButton* point = w.touchButtonAt(Sales::kFirstPlace + 9);
    QCOMPARE(iconImage(point), shareImage(till, QStringLiteral("comma.png"), point->iconSize()));
    w.touchButtonAt(Sales::kFirstPlace + 1)->click();
    point->click();
    w.touchButtonAt(Sales::kFirstPlace + 4)->click();
    w.touchButtonAt(Sales::kFirstPlace + 11)->click();
    QCOMPARE(w.QuantityEdit->text(), QStringLiteral("2,5"));
    Utility::setLocale(before);
}

void TestTouchPage::deleteButtonDeletesTheLine()
{
    Counter till;
    Sales& w = till.w();
    w.touchButtonAt(Sales::kFirstPlace + 1)->click();
    w.touchButtonAt(Sales::kFirstPlace)->click();
    w.touchButtonAt(Sales::kFirstPlace + 1)->click();
    QCOMPARE(till.lines(), 2);
    w.touchButtonAt(1)->click();
    QCOMPARE(till.summary(), QStringList{QStringLiteral("ESPRESSO=22.00")});
}

BREVALON_TEST_MAIN(TestTouchPage)
#include "tst_touchpage.moc"
