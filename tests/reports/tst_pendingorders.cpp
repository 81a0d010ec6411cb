// The pending-orders report: nothing open, and two tables' open orders as
// the viewer lists and prints them.

#include "documents/zkrichtext.h"
#include "reports/reporter.h"
#include "tests/sales/till.h"
#include "tests/support/salerows.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class TestPendingOrders : public QObject
{
    Q_OBJECT

private slots:
    void noneOpen();
    void twoTables();
};

void TestPendingOrders::noneOpen()
{
    Till till;
    // A closed bill is no open order.
    const int bill = SaleRows::invoice(4, {SaleRows::item(QStringLiteral("3001"))});
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Status='C' WHERE MyNumber=%1").arg(bill));
    till.shop.prompts().expect(ZkPrompt::Information, QStringLiteral("Brevalon - Pending Orders"),
        QStringLiteral("There are no Pending Orders"));
    till.window->pendingOrders();
    QVERIFY(till.shop.prompts().done());
    QVERIFY(!till.window->reporter()->isVisible());
}

void TestPendingOrders::twoTables()
{
    Till till;
    // TABLE n is account n + 1 in the demo shop.
    const int first
        = SaleRows::invoice(4, {SaleRows::item(QStringLiteral("3001"))}, QStringLiteral("O'NEIL"));
    const int second = SaleRows::invoice(11, {SaleRows::item(QStringLiteral("3005"))}, QStringLiteral("SUE"));
    TestShop::exec(
        QStringLiteral("UPDATE Invoice SET MyDate='2026-12-05 19:42:10' WHERE MyNumber=%1").arg(first));
    TestShop::exec(
        QStringLiteral("UPDATE Invoice SET MyDate='2026-12-05 20:05:00' WHERE MyNumber=%1").arg(second));
    const int closed = SaleRows::invoice(6, {SaleRows::item(QStringLiteral("3001"))});
    TestShop::exec(QStringLiteral("UPDATE Invoice SET Status='C' WHERE MyNumber=%1").arg(closed));

    till.window->pendingOrders();
    Reporter* r = till.window->reporter();
    QVERIFY(r->isVisible());
    QCOMPARE(r->TitleLabel->text(), QStringLiteral("Pending Order Report"));
    QCOMPARE(r->columnCount(), 4);
    QStringList headings;
    for (int c = 0; c < 4; ++c)
        headings << r->ReportListView->headerItem()->text(c);
    QCOMPARE(headings, (QStringList{"Invoice No.", "Table", "Time", "Waiter"}));
    QCOMPARE(r->rows(),
        (QList<QStringList>{{QString::number(first), "TABLE 3", "19:42", "O'NEIL"},
            {QString::number(second), "TABLE 10", "20:05", "SUE"}}));
    QVERIFY(!r->ChartButton->isEnabled());
    QVERIFY(r->ExportButton->isEnabled());

    r->PrintButton->click();
    QVERIFY(
        r->preview()->text().contains(QLatin1String("<td align=center><font size=-1>TABLE 10</font></td>")));
}

BREVALON_TEST_MAIN(TestPendingOrders)
#include "tst_pendingorders.moc"
