// The entry line's indexed searches must find exactly the rows of the plain case-blind statements on
// every server, whatever the case, accents, quotes, wildcards and blanks.

#include "core/utility.h"
#include "sales/itemlookup.h"
#include "tests/support/testshop.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

/** The rows of a statement, cells joined by '|'; @p sorted for comparing sets. */
QStringList rows(const QString& sql, bool sorted = true)
{
    QSqlQuery q;
    if (!q.exec(sql))
        QTest::qFail(qPrintable(q.lastError().text() + '\n' + sql), __FILE__, __LINE__);
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < q.record().count(); ++c)
            cells << q.value(c).toString();
        out << cells.join('|');
    }
    if (sorted)
        out.sort();
    return out;
}

} // namespace

class TestItemLookup : public QObject
{
    Q_OBJECT

private slots:
    void sameRowsAsThePlainStatements_data();
    void sameRowsAsThePlainStatements();
};

void TestItemLookup::sameRowsAsThePlainStatements_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found"); // rows the exact or prefix search gives here at least
    // Every text goes through all three searches: one row for each kind of text, not for each column.
    QTest::newRow("code stored in lower case") << "abc-1" << 1;
    QTest::newRow("description in mixed case") << "mixed case tea" << 2;
    QTest::newRow("prefix of a mixed-case description") << "Mixed" << 2;
    QTest::newRow("accented letters, as stored") << "CAFÉ CRÈME" << 1;
    QTest::newRow("accented letters, typed in lower case") << "café crème" << 1;
    QTest::newRow("accents left out") << "CAFE CREME" << 0;
    QTest::newRow("underscore in a code") << "X_1" << 1;
    QTest::newRow("percent in a description") << "50%" << 1;
    QTest::newRow("quotes") << "O'NEIL'S PIE" << 1;
    QTest::newRow("trailing blank in the data") << "TRAILING SPACE" << 1;
    QTest::newRow("no such thing") << "NOTHING LIKE IT" << 0;
    QTest::newRow("backslash, prefix") << "C:\\T" << 1;
}

void TestItemLookup::sameRowsAsThePlainStatements()
{
    QFETCH(QString, typed);
    QFETCH(int, found);
    TestShop shop;
    const char* const items[][2] = {
        {"abc-1", "Mixed Case Tea"}, {"ABD-2", "MIXED CASE TEA"}, {"café1", "café crème"},
        {"CAFÉ2", "CAFÉ CRÈME"},     {"x_1", "A_B COMBO"},        {"AXB1", "AXB COMBO"},
        {"100%", "50% OFF BUNDLE"},  {"1000", "500 OFF BUNDLE"},  {"on'1", "O'NEIL'S PIE"},
        {"TR1", "trailing space "},  {"Ümlaut", "über dessert"},  {"BS1", "C:\\TEMP TOOL"},
    };
    for (const auto& item : items)
        TestShop::exec(QString("INSERT INTO Inventory (Code, Department, Description, Price) VALUES "
                               "('%1', 'DELI', '%2', 1)")
                           .arg(Utility::escapeSQL(item[0]), Utility::escapeSQL(item[1])));
    const QString entry = Utility::escapeSQL(typed.toUpper());
    const QString code = Utility::escapeSQL(typed.toUpper().left(7));
    const QString select = "SELECT UPPER(Description),Code FROM Inventory WHERE ";
    const QStringList exact =
        rows(select + QString("UPPER(Code)='%1' OR UPPER(Description)='%1'").arg(entry));
    QCOMPARE(rows(ItemLookup::exactSearch("Inventory", entry)), exact);
    // Patterns name their escape so that a backslash is itself on every server.
    const QString pattern = Utility::escapeLike(typed.toUpper());
    const QStringList prefix =
        rows(select + QString("UPPER(Description) LIKE '%1%'%2").arg(pattern, Utility::likeEscape()));
    QCOMPARE(rows(ItemLookup::prefixSearch("Inventory", pattern)), prefix);
    QCOMPARE(rows(ItemLookup::codeSearch("Inventory", code)),
             rows(QString("SELECT UPPER(Description),Code,Price FROM Inventory WHERE UPPER(Code)='%1'")
                      .arg(code)));
    // The rows every server finds, so that two empty answers cannot pass for two right ones.
    QVERIFY2(exact.size() + prefix.size() >= found, qPrintable((exact + prefix).join('\n')));
}

BREVALON_TEST_MAIN(TestItemLookup)
#include "tst_itemlookup.moc"
