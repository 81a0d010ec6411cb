// The touch page: departments, then a department's items and compositions in pages of sixteen,
// a press that rings up at once, the delete key, and the quantity keypad (one decimal point, empty
// or zero is one, the locale's comma).

#include "tests/sales/counter.h"

#include <QAbstractButton>


namespace {

const QStringList kDepartments = {"DRINKS", "HOT DRINKS", "STARTERS", "MAINS", "DESSERTS", "DELI", "GROCERY"};
const int kOk = Sales::kFirstPlace + 11;

QStringList placeCodes(const Sales& w)
{
    QStringList codes;
    for (int id = Sales::kFirstPlace; id < Sales::kFirstPlace + Sales::kPlaceCount; ++id)
        codes << w.placeCode(id);
    while (!codes.isEmpty() && codes.last().isEmpty())
        codes.removeLast();
    return codes;
}

QAbstractButton* place(Sales& w, int n)
{
    return w.touchButtonAt(Sales::kFirstPlace + n);
}

QImage iconImage(const QAbstractButton* b)
{
    return b->icon().pixmap(b->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage shareImage(const Till& till, const char* file, const QSize& size)
{
    const QImage image = QIcon(till.installDir() + QLatin1String("/share/Brevalon/") + QLatin1String(file))
                             .pixmap(size)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) // two missing pictures must not compare equal
        QTest::qFail(file, __FILE__, __LINE__);
    return image;
}

} // namespace

class TestTouchPage : public QObject
{
    Q_OBJECT

private slots:
    void departmentsThenTheirItems();
    void labelsAndPicturesFromImages();
    void pagesOfSixteen();
    void pressingRingsUpAtOnce_data();
    void pressingRingsUpAtOnce();
    void quantityKeypad_data();
    void quantityKeypad();
};

void TestTouchPage::departmentsThenTheirItems()
{
    Counter till;
    Sales& w = till.w();
    w.F11();
    QCOMPARE(placeCodes(w), kDepartments);
    QVERIFY(!place(w, 6)->icon().isNull() && !place(w, 7)->isEnabled());

    place(w, 3)->click(); // MAINS: its items, then its composition
    QCOMPARE(w.touchDepartment(), "MAINS");
    QCOMPARE(placeCodes(w), (QStringList{"3001", "3002", "3003", "3004", "3005", "3006", "3007", "3008", "1.CMP"}));
    // No picture stored: the description is drawn as the picture, the ampersand as it is.
    QCOMPARE(QStringList({place(w, 0)->toolTip(), place(w, 0)->text(), place(w, 8)->toolTip()}),
             QStringList({"BEEF BURGER & CHIPS", "", "BREAKFAST SPECIAL"}));
    QVERIFY(!place(w, 0)->icon().isNull() && !place(w, 9)->isEnabled());

    w.touchButtonAt(0)->click(); // Top Level
    QCOMPARE(w.touchDepartment(), QString());
    QCOMPARE(placeCodes(w), kDepartments);
}

void TestTouchPage::labelsAndPicturesFromImages()
{
    Counter till;
    Sales& w = till.w();
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(QColor(200, 30, 30));
    TestShop::exec("INSERT INTO Images (Code, Label, Image) VALUES ('1001', 'COKE & ICE', '"
                   + QString::fromLatin1(Utility::encodeImage(picture, 32)) + QLatin1String("')"));
    TestShop::exec("INSERT INTO Images (Code, Label, Image) VALUES ('1002', 'ZERO', '')");
    place(w, 0)->click(); // DRINKS
    QCOMPARE(place(w, 0)->text(), "COKE && ICE");
    const QImage shown = iconImage(place(w, 0));
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(200, 30, 30));
    // A label without a picture is drawn in place of one.
    QCOMPARE(place(w, 1)->text() + "|" + place(w, 1)->toolTip(), "|ZERO");
    QVERIFY(!place(w, 1)->icon().isNull());
}

void TestTouchPage::pagesOfSixteen()
{
    Counter till;
    Sales& w = till.w();
    // GROCERY: 8 items, then 20 more ranked after them.
    for (int i = 0; i < 20; ++i)
        TestShop::exec(QString("INSERT INTO Inventory (Code, Department, Description, Price, Rank) VALUES "
                               "('77%1', 'GROCERY', 'SPICE %1', 10, %2)")
                           .arg(i, 2, 10, QLatin1Char('0'))
                           .arg(100 + i));
    place(w, 6)->click();
    QCOMPARE(placeCodes(w).size(), 16);
    QCOMPARE(w.placeCode(Sales::kFirstPlace + 8), "7700");
    // Next, twice (nothing beyond the last page), then previous, twice.
    const struct
    {
        int button, offset, count;
        const char* first;
    } steps[] = {{2, 16, 12, "7708"}, {2, 16, 12, "7708"}, {3, 0, 16, "6001"}, {3, 0, 16, "6001"}};
    for (const auto& s : steps) {
        w.touchButtonAt(s.button)->click();
        QCOMPARE((QList<int>{w.touchOffset(), int(placeCodes(w).size())}), (QList<int>{s.offset, s.count}));
        QCOMPARE(w.placeCode(Sales::kFirstPlace), QLatin1String(s.first));
        QCOMPARE(place(w, s.count == 12 ? 12 : 15)->isEnabled(), s.count == 16);
    }
}

void TestTouchPage::pressingRingsUpAtOnce_data()
{
    QTest::addColumn<int>("department");
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("an item") << 1 << 1 << QStringList{"CAPPUCCINO=32.00"};
    QTest::newRow("a composition") << 3 << 8
                                   << QStringList{"Full breakfast with coffee and juice=0.00",
                                                  "FULL BREAKFAST=85.50", "CAPPUCCINO=24.00",
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
    w.TypeComboBox->setCurrentIndex(w.TypeComboBox->findText("Remarks"));
    ::place(w, department)->click();
    ::place(w, place)->click();
    QCOMPARE(till.summary(), lines);
    QCOMPARE(w.TypeComboBox->currentText(), "Inventory");
    // The department stays open for the next press.
    ::place(w, place)->click();
    QCOMPARE(till.lines(), 2 * lines.size());
    // The delete key takes the selected (last added) line.
    w.touchButtonAt(1)->click();
    QCOMPARE(till.lines(), 2 * lines.size() - 1);
    QCOMPARE(till.summary().mid(0, lines.size()), lines);
}

void TestTouchPage::quantityKeypad_data()
{
    QTest::addColumn<QList<int>>("presses"); // ids after the keypad opened
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("locale");
    const int one = Sales::kFirstPlace, two = one + 1, five = one + 4, point = one + 9, zero = one + 10;
    const QString c = "C";
    QTest::newRow("digits") << QList<int>{one, two, kOk} << "12" << "12" << c;
    QTest::newRow("decimal point once") << QList<int>{two, point, five, point, kOk} << "2.5" << "2.5" << c;
    QTest::newRow("the locale's comma")
        << QList<int>{two, point, five, point, kOk} << "2,5" << "2,5" << "de_DE";
    QTest::newRow("zero") << QList<int>{one, zero, zero, kOk} << "100" << "100" << c;
    QTest::newRow("delete takes the first character")
        << QList<int>{one, two, five, 1, kOk} << "25" << "25" << c;
    QTest::newRow("nothing becomes one") << QList<int>{kOk} << "" << "1" << c;
    QTest::newRow("zero becomes one") << QList<int>{zero, kOk} << "0" << "1" << c;
    QTest::newRow("the keypad button also closes it") << QList<int>{five, 4} << "5" << "5" << c;
}

void TestTouchPage::quantityKeypad()
{
    QFETCH(QList<int>, presses);
    QFETCH(QString, typed);
    QFETCH(QString, quantity);
    QFETCH(QString, locale);
    Counter till;
    Sales& w = till.w();
    const QString before = Utility::locale().name();
    Utility::setLocale(locale);
    place(w, 1)->click(); // HOT DRINKS
    w.touchButtonAt(4)->click();
    QVERIFY(w.touchKeypadOn());
    // The keys wear the pictures of the digits; the point key the locale's.
    const char* pointImage = locale == QLatin1String("C") ? "dot.png" : "comma.png";
    QCOMPARE(iconImage(place(w, 9)), shareImage(till, pointImage, place(w, 9)->iconSize()));
    QCOMPARE(iconImage(place(w, 10)), shareImage(till, "0.png", place(w, 10)->iconSize()));
    QVERIFY(!place(w, 12)->isEnabled());
    QCOMPARE(w.QuantityEdit->text(), QString());
    QString shownBeforeOk;
    for (int id : presses) {
        if (id == kOk || id == 4)
            shownBeforeOk = w.QtyLabel->text();
        w.touchButtonAt(id)->click();
    }
    QCOMPARE(shownBeforeOk, typed);
    QVERIFY(!w.touchKeypadOn());
    QCOMPARE(till.lines(), 0);
    // The department's items are back; the quantity goes to the next press only.
    place(w, 1)->click(); // CAPPUCCINO
    QCOMPARE(till.cell(0, Sales::ColQuantity) + "|" + till.cell(0, Sales::ColDescription), quantity + "|CAPPUCCINO");
    QCOMPARE(w.QuantityEdit->text(), "1");
    Utility::setLocale(before);
}

BREVALON_TEST_MAIN(TestTouchPage)
#include "tst_touchpage.moc"
