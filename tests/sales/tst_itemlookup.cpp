// The entry line's searches are written so that an index serves them; they
// must still find exactly the rows of the plain case-blind statements
// (UPPER(column) against the upper-cased entry) on every server, whatever
// the case, accents, quotes, wildcards and blanks of the data.

#include "core/utility.h"
#include "sales/itemlookup.h"
#include "tests/support/testshop.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

QStringList rows(const QString& sql)
{
    QSqlQuery q;
    if (!q.exec(sql)) {
        QTest::qFail(qPrintable(QString("%1\n%2").arg(q.lastError().text(), sql)), __FILE__, __LINE__);
        return {};
    }
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < q.record().count(); ++c)
            cells << q.value(c).toString();
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

void addAwkwardItems()
{
    const char* const items[][2] = {
        {"abc-1", "Mixed Case Tea"},      {"ABD-2", "MIXED CASE TEA"},   {"café1", "café crème"},
        {"CAFÉ2", "CAFÉ CRÈME"},          {"x_1", "A_B COMBO"},          {"AXB1", "AXB COMBO"},
        {"100%", "50% OFF BUNDLE"},       {"1000", "500 OFF BUNDLE"},    {"on'1", "O'NEIL'S PIE"},
        {"TR1", "trailing space "},       {"Ümlaut", "über dessert"},     {"BS1", "C:\\TEMP TOOL"},
    };
    for (const auto& item : items)
        TestShop::exec(QString("INSERT INTO Inventory (Code, Department, Description, Price) VALUES "
                                      "('%1', 'DELI', '%2', 1)")
                           .arg(Utility::escapeSQL(QString::fromUtf8(item[0])),
                                Utility::escapeSQL(QString::fromUtf8(item[1]))));
}

// The plan of a statement: SQLite's EXPLAIN QUERY PLAN details, or
// MariaDB's EXPLAIN rows as "table type key".
QStringList plan(const QString& sql)
{
    QSqlQuery q;
    const bool mariadb = TestShop::isMariaDb();
    if (!q.exec((mariadb ? "EXPLAIN " : "EXPLAIN QUERY PLAN ") + sql)) {
        QTest::qFail(qPrintable(q.lastError().text()), __FILE__, __LINE__);
        return {};
    }
    QStringList steps;
    while (q.next()) {
        if (mariadb)
            steps << QString("%1 %2 %3").arg(q.value(2).toString(), q.value(3).toString(),
                                                    q.value(5).toString());
        else
            steps << q.value(3).toString();
    }
    return steps;
}

// Reading every row, or every entry of an index ("index" on MariaDB), is
// what the searches must not do.
bool scansTheTable(const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString type = step.split(QLatin1Char(' ')).value(1);
        if (TestShop::isMariaDb() ? type == QLatin1String("ALL") || type == QLatin1String("index")
                                  : step.startsWith(QLatin1String("SCAN")))
            return true;
    }
    return false;
}

} // namespace

class TestItemLookup : public QObject
{
    Q_OBJECT

private slots:
    void sameRowsAsThePlainStatements_data();
    void sameRowsAsThePlainStatements();
    void anIndexServesTheSearches_data();
    void anIndexServesTheSearches();
};

void TestItemLookup::sameRowsAsThePlainStatements_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found"); // rows the exact or prefix search gives here at least
    QTest::newRow("code stored in lower case") << "abc-1" << 1;
    QTest::newRow("description in mixed case") << "mixed case tea" << 2;
    QTest::newRow("prefix of a mixed-case description") << "Mixed" << 2;
    QTest::newRow("accented letters, as stored") << "CAFÉ CRÈME" << 1;
    QTest::newRow("accented letters, typed in lower case") << "café crème" << 1;
    QTest::newRow("accents left out") << "CAFE CREME" << 0;
    QTest::newRow("accented code") << "café1" << 0;
    QTest::newRow("underscore in a code") << "X_1" << 1;
    QTest::newRow("underscore in a description") << "A_B" << 1;
    QTest::newRow("percent in a code") << "100%" << 1;
    QTest::newRow("percent in a description") << "50%" << 1;
    QTest::newRow("quotes") << "O'NEIL'S PIE" << 1;
    QTest::newRow("prefix with a quote") << "O'NEIL" << 1;
    QTest::newRow("trailing blank in the data") << "TRAILING SPACE" << 1;
    QTest::newRow("umlaut") << "ÜBER" << 0;
    QTest::newRow("no such thing") << "NOTHING LIKE IT" << 0;
    QTest::newRow("backslash, whole") << "C:\\TEMP TOOL" << 1;
    QTest::newRow("backslash, prefix") << "C:\\T" << 1;
}

void TestItemLookup::sameRowsAsThePlainStatements()
{
    QFETCH(QString, typed);
    QFETCH(int, found);
    TestShop shop;
    addAwkwardItems();
    const QString entry = Utility::escapeSQL(typed.toUpper());
    const QString code = Utility::escapeSQL(typed.toUpper().left(7));

    const QStringList exact =
        rows(QString("SELECT UPPER(Description),Code FROM Inventory WHERE UPPER(Code)='%1' OR "
                            "UPPER(Description)='%1'")
                 .arg(entry));
    QCOMPARE(sorted(rows(ItemLookup::exactSearch("Inventory", entry))), sorted(exact));

    // Patterns name their escape so that a backslash is itself on every server.
    const QString pattern = Utility::escapeLike(typed.toUpper());
    const QStringList prefix =
        rows(QString("SELECT UPPER(Description),Code FROM Inventory WHERE UPPER(Description) LIKE '%1%'%2 "
                            "ORDER BY Description")
                 .arg(pattern, Utility::likeEscape()));
    QCOMPARE(sorted(rows(ItemLookup::prefixSearch("Inventory", pattern))), sorted(prefix));

    const QStringList byCode =
        rows(QString("SELECT UPPER(Description),Code,Price FROM Inventory WHERE UPPER(Code)='%1'").arg(code));
    QCOMPARE(sorted(rows(ItemLookup::codeSearch("Inventory", code))), sorted(byCode));

    // The rows that every server finds, so that a comparison of two empty
    // answers cannot pass for one of two right ones.
    QVERIFY2(exact.size() + prefix.size() >= found, qPrintable((exact + prefix).join(QLatin1Char('\n'))));
}

void TestItemLookup::anIndexServesTheSearches_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("exact code or description") << "exact";
    QTest::newRow("code of a scale label") << "code";
    QTest::newRow("description prefix") << "prefix";
}

void TestItemLookup::anIndexServesTheSearches()
{
    QFETCH(QString, kind);
    TestShop shop;
    // Enough items that a server prefers its index to reading them all.
    for (int batch = 0; batch < 6; ++batch) {
        QStringList values;
        for (int i = 0; i < 500; ++i) {
            const int n = batch * 500 + i;
            values << QString("('K%1', 'GROCERY', 'ITEM NUMBER %1', 1)").arg(n, 6, 10, QLatin1Char('0'));
        }
        TestShop::exec("INSERT INTO Inventory (Code, Department, Description, Price) VALUES "
                       + values.join(QLatin1Char(',')));
    }
    if (TestShop::isMariaDb())
        TestShop::exec("ANALYZE TABLE Inventory");
    else
        TestShop::exec("ANALYZE");

    const QString table = "Inventory";
    const QString sql = kind == QLatin1String("exact")  ? ItemLookup::exactSearch(table, "K001234")
        : kind == QLatin1String("code")                 ? ItemLookup::codeSearch(table, "K001234")
                                                        : ItemLookup::prefixSearch(table, "ITEM NUMBER 00123");
    const QStringList steps = plan(sql);
    QVERIFY2(!steps.isEmpty(), qPrintable(sql));
    QVERIFY2(!scansTheTable(steps), qPrintable(steps.join(QLatin1Char('\n'))));
    QCOMPARE(rows(sql).size(), kind == QLatin1String("prefix") ? 10 : 1);
}

BREVALON_TEST_MAIN(TestItemLookup)
#include "tst_itemlookup.moc"
