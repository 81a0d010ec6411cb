// Live and archived rows read as one: a ledger in date order, lines joined
// to their ledger rows over every pairing, and a sum over both tables.

#include "core/archivedrows.h"
#include "tests/support/testshop.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

class TestArchivedRows : public QObject
{
    Q_OBJECT

private slots:
    void liveAndArchivedAsOne();
};

namespace {

/** The rows of a query, their first @p columns cells joined by "|". Sums of
 *  decimals come back as "4.000" from one server and 4 from the other. */
QStringList rowsOf(const QString& sql, int columns)
{
    QSqlQuery q;
    if (!q.exec(sql))
        QTest::qFail(qPrintable(sql), __FILE__, __LINE__);
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < columns; ++c) {
            bool number = false;
            const double value = q.value(c).toString().toDouble(&number);
            cells << (number ? QString::number(value) : q.value(c).toString());
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

void TestArchivedRows::liveAndArchivedAsOne()
{
    TestShop shop(TestShop::EmptyTables);
    // Invoices 1 and 2 were cashed up (lines archived); the ledger of
    // account 7 was settled and archived but for invoice 3 and quote 4; one
    // line of invoice 3 was archived already.
    const QString journal = QStringLiteral("(AccountNumber, Description, MyDate, Amount, MyNumber) VALUES ");
    TestShop::exec("INSERT INTO JournalArchive " + journal
        + "(7, 'I', '2026-11-02 10:00:00', 30, 1), (7, 'I', '2026-11-03 09:00:00', 12, 2), "
          "(9, 'I', '2026-11-01 08:00:00', 99, 5)");
    TestShop::exec("INSERT INTO Journal " + journal
        + "(7, 'I', '2026-12-01 12:00:00', 25, 3), (7, 'Q', '2026-11-30 12:00:00', 40, 4)");
    const QString lines
        = QStringLiteral("(MyNumber, MyDate, InvoiceNumber, Description, Quantity, Price) VALUES ");
    TestShop::exec("INSERT INTO InvoiceItemArchive " + lines
        + "(1, '2026-11-02 10:00:00', 1, 'BEER', 2, 20), (2, '2026-11-02 10:00:00', 1, 'BREAD', 1, 10), "
          "(3, '2026-11-03 09:00:00', 2, 'BEER', 1, 12), (7, '2026-12-01 12:00:00', 3, 'BREAD', 2, 5)");
    TestShop::exec("INSERT INTO InvoiceItem " + lines
        + "(4, '2026-12-01 12:00:00', 3, 'BEER', 1, 25), (5, '2026-11-30 12:00:00', 4, 'WINE', 1, 40), "
          "(6, '2026-11-01 08:00:00', 5, 'O''NEIL SPECIAL', 3, 99)");

    // An account's ledger over both tables, oldest first.
    QCOMPARE(
        rowsOf(ArchivedRows::ordered("MyNumber,Description,MyDate", {"Journal"}, "AccountNumber=7", "MyDate"),
            2),
        (QStringList{"1|I", "2|I", "4|Q", "3|I"}));
    // The lines of invoices joined to their ledger rows in all four
    // pairings of live and archived.
    QCOMPARE(rowsOf("SELECT Line FROM "
                     + ArchivedRows::from("InvoiceItem.MyNumber AS Line", {"InvoiceItem", "Journal"},
                         "InvoiceItem.InvoiceNumber=Journal.MyNumber AND Journal.Description='I'", "Sold")
                     + " ORDER BY Line",
                 1),
        (QStringList{"1", "2", "3", "4", "6", "7"}));
    // A sum per item over both tables; a condition naming the table.
    QCOMPARE(rowsOf("SELECT Description, SUM(Quantity) FROM "
                     + ArchivedRows::from(
                         "Description,Quantity", {"InvoiceItem"}, "InvoiceItem.Price < 50", "Sold")
                     + " GROUP BY Description ORDER BY Description",
                 2),
        (QStringList{"BEER|4", "BREAD|3", "WINE|1"}));
}

BREVALON_TEST_MAIN(TestArchivedRows)
#include "tst_archivedrows.moc"
