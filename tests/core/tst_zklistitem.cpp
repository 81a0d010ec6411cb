// The row of every list: colours by the low four bits of its visual value
// (repainted when it changes), numbers sorted as numbers and before text in
// either direction, text as text.

#include "core/zklistitem.h"
#include "tests/support/testshop.h"

#include <QTest>
#include <QTreeWidget>

class TestZkListItem : public QObject
{
    Q_OBJECT

private slots:
    void colourFollowsTheLowFourBits_data()
    {
        QTest::addColumn<int>("visual");
        QTest::addColumn<QColor>("background"); // invalid: the view's own
        QTest::addColumn<QColor>("text");
        const QColor red(200, 0, 0);
        QTest::newRow("0 normal") << 0 << QColor() << QColor();
        QTest::newRow("1 mid grey") << 1 << QColor(176, 176, 176) << QColor(Qt::black);
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

BREVALON_TEST_MAIN(TestZkListItem)
#include "tst_zklistitem.moc"
