// A cash-up killed (SIGKILL) before each of its statements in turn, as a
// till of its own: the books hold every step whole or not begun, and the
// cash-up run again finishes the job, every sale of the day counted once,
// either by the run that was killed (when it had finished counting) or by
// the new one. A sale made between the kill and the new run is counted too.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/endofday/endofdayshop.h"
#include "tests/posting/tillrun.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = 0; ///< -1 when killed
    TillLog log;
};

Run cashUp(TillRun& tills, const QTemporaryDir& dir, int crashAt)
{
    const int i = tills.start(QStringLiteral("MARY"), QStringLiteral("1111"),
        { "--mode", "cashup", "--crash-at", QString::number(crashAt) }, dir.filePath("home"));
    return { tills.wait(120) ? tills.exitCode(i) : 99, tills.log(i) };
}

// Every figure of the five reports; the items sold sorted, since a
// cash-up taken up again finds some of its lines archived already.
QStringList figures(const QList<DocParts>& reports)
{
    QStringList out;
    for (int i = 0; i < reports.size(); ++i) {
        QStringList items;
        for (const DocElement& item : reports.at(i).items)
            items << QStringList(item.values.values()).join(',');
        if (i == 4)
            items.sort();
        out << QStringLiteral("cashup%1").arg(i + 1) << items
            << QStringList(reports.at(i).tail.values.values()).join(',');
    }
    return out;
}

int number(const QString& sql)
{
    return TestShop::value(sql).toInt();
}

// The books as far as a cash-up changes them.
QStringList books()
{
    QStringList out;
    for (const char* sql : { "SELECT COUNT(*) FROM Journal", "SELECT COUNT(*) FROM JournalArchive",
             "SELECT COUNT(*) FROM Journal WHERE Status='P'", "SELECT COUNT(*) FROM InvoiceItem",
             "SELECT COUNT(*) FROM InvoiceItemArchive", "SELECT COUNT(*) FROM InvoiceItem WHERE CashUp=1",
             "SELECT COUNT(*) FROM InvoiceItemArchive WHERE CashUp=1",
             "SELECT SUM(MyNumber) FROM JournalArchive" })
        out << QStringLiteral("%1: %2").arg(QLatin1String(sql)).arg(number(QLatin1String(sql)));
    return out;
}

void freshDay()
{
    for (const char* table :
        { "Invoice", "InvoiceItem", "InvoiceItemArchive", "Journal", "JournalArchive", "Receipt", "Actions" })
        TestShop::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    EndOfDayShop::tradeOneDay();
}

} // namespace

class TestCashUpCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedAtEveryStatement();
};

void TestCashUpCrash::killedAtEveryStatement()
{
    EndOfDayShop shop;
    QTemporaryDir dir;
    TillRun tills;
    freshDay();
    const int lines = number("SELECT COUNT(*) FROM InvoiceItem");
    const int ledger = number("SELECT COUNT(*) FROM Journal");

    const Run whole = cashUp(tills, dir, 0);
    QCOMPARE(whole.exitCode, 0);
    QVERIFY2(whole.log.done && whole.log.errors.isEmpty(), qPrintable(whole.log.errors.join("; ")));
    QCOMPARE(whole.log.reports.size(), 5);
    const QStringList counted = figures(whole.log.reports);
    const QStringList finished = books();
    QVERIFY2(whole.log.statements > 20, qPrintable(QString::number(whole.log.statements)));
    qInfo("the cash-up runs %d statements; killed before each in turn", whole.log.statements);

    int firstTaken = 0;
    for (int at = 1; at <= whole.log.statements; ++at) {
        const QString where = QStringLiteral("killed before statement %1").arg(at);
        freshDay();
        const Run killed = cashUp(tills, dir, at);
        QVERIFY2(killed.exitCode == -1, qPrintable(where + ": not killed"));
        // No step half done: every line once, live or archived; every
        // ledger row once; rows taken all together or none.
        QCOMPARE(
            number("SELECT COUNT(*) FROM InvoiceItem") + number("SELECT COUNT(*) FROM InvoiceItemArchive"),
            lines);
        QCOMPARE(
            number("SELECT COUNT(*) FROM Journal") + number("SELECT COUNT(*) FROM JournalArchive"), ledger);
        const int taken = number("SELECT COUNT(*) FROM Journal WHERE Status='U'");
        const bool done = number("SELECT COUNT(*) FROM Journal WHERE Status<>'P'") == 0;
        QVERIFY2(taken == 0 || taken == ledger - 1,
            qPrintable(where + QStringLiteral(": %1 rows taken").arg(taken)));
        if (taken > 0 && firstTaken == 0)
            firstTaken = at;

        const Run again = cashUp(tills, dir, 0);
        QVERIFY2(again.exitCode == 0 && again.log.done && again.log.errors.isEmpty(),
            qPrintable(where + ": " + again.log.errors.join("; ")));
        if (done) {
            // The killed run had shown every report and counted the day.
            QVERIFY2(figures(killed.log.reports) == counted, qPrintable(where));
            QVERIFY2(again.log.reports.value(1).items.isEmpty() && again.log.reports.value(2).items.isEmpty(),
                qPrintable(where + ": counted twice"));
        } else {
            QVERIFY2(figures(again.log.reports) == counted,
                qPrintable(
                    where + ": " + figures(again.log.reports).join(" / ") + "\n  not\n" + counted.join(" / ")));
            QCOMPARE(again.log.infos.filter("did not finish").size(), taken > 0 ? 1 : 0);
        }
        QVERIFY2(books() == finished, qPrintable(where + ": " + books().join("; ")));
    }

    // Killed once its rows were taken; a sale made before it runs again
    // goes into the same count, once.
    QVERIFY(firstTaken > 0);
    freshDay();
    QCOMPARE(cashUp(tills, dir, firstTaken).exitCode, -1);
    EndOfDayShop::document(109, kCash, "I", { EndOfDayShop::Line { "ICE CREAM", 1, 20.00, 5.00 } });
    EndOfDayShop::receipt(209, kCash, EndOfDayShop::Paid { 20.00 }, { 109 });
    const Run again = cashUp(tills, dir, 0);
    QCOMPARE(again.log.reports.size(), 5);
    QCOMPARE(EndOfDayShop::rows(again.log.reports[1], { "number" }).last(), "109");
    QCOMPARE(EndOfDayShop::tail(again.log.reports[1], { "invoiced" }), "455.00");
    QCOMPARE(EndOfDayShop::tail(again.log.reports[2], { "received" }), "375.00");
    QCOMPARE(EndOfDayShop::rows(again.log.reports[4], { "description" }).filter("ICE CREAM").size(), 1);
    QCOMPARE(number("SELECT COUNT(*) FROM Journal WHERE Status<>'P'"), 0);
}

BREVALON_TEST_MAIN(TestCashUpCrash)
#include "tst_cashupcrash.moc"
