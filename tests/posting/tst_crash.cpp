// A till killed (SIGKILL) in the middle of a sale, at every statement of its
// invoice, its kitchen docket and its receipt in turn: the database holds
// each unit whole or not at all, and the till, started again, finishes the
// sale exactly once.

#include "core/globals.h"
#include "core/utility.h"
#include "tests/posting/tillrun.h"
#include "tests/support/testshop.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QVariant one(const QString& sql)
{
    return TestShop::value(sql);
}

int number(const QString& sql)
{
    return one(sql).toInt();
}

/** What the database holds of sale @p sale (tag prefix "c"): whole units or
 *  nothing, whatever statement the kill came before. */
QStringList halfWritten(int sale, const QMap<QString, double>& stockBefore, int sequenceBefore)
{
    QStringList wrong;
    const QString tags = QStringLiteral("SerialNo LIKE 'c-%1-%'").arg(sale);
    const int lines = number(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem WHERE ") + tags);
    const int invoice = number(QStringLiteral("SELECT MAX(InvoiceNumber) FROM InvoiceItem WHERE ") + tags);
    const int invoices = number(QStringLiteral("SELECT COUNT(DISTINCT InvoiceNumber) FROM InvoiceItem WHERE ") + tags);
    const QMap<QString, double> stockNow = TillRun::stock();
    const int sequence = number(QStringLiteral("SELECT SequenceNo FROM SysInfo"));
    if (lines == 0) {
        // Nothing of the invoice.
        if (stockNow != stockBefore)
            wrong << QStringLiteral("stock moved without the invoice");
        if (sequence != sequenceBefore)
            wrong << QStringLiteral("a sequence number was taken without the invoice");
        if (number(QStringLiteral("SELECT COUNT(*) FROM Invoice")) != 0)
            wrong << QStringLiteral("an invoice header without its lines");
        if (number(QStringLiteral("SELECT COUNT(*) FROM Journal")) + number(QStringLiteral("SELECT COUNT(*) FROM Receipt"))
            != 0)
            wrong << QStringLiteral("ledger rows or receipts without the invoice");
        return wrong;
    }
    // The whole invoice: its lines on one closed invoice with one ledger row
    // of their total, the stock and one sequence number taken.
    if (invoices != 1)
        wrong << QStringLiteral("the lines are on %1 invoices").arg(invoices);
    if (one(QStringLiteral("SELECT Status FROM Invoice WHERE MyNumber=%1").arg(invoice)).toString() != QLatin1String("C"))
        wrong << QStringLiteral("the invoice is not closed");
    if (number(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE Description='I' AND MyNumber=%1").arg(invoice)) != 1)
        wrong << QStringLiteral("the invoice is not posted once");
    if (Utility::roundCents(one(QStringLiteral("SELECT Amount FROM Journal WHERE Description='I' AND MyNumber=%1")
                                    .arg(invoice))
                                .toDouble())
        != Utility::roundCents(one(QStringLiteral("SELECT SUM(Price) FROM InvoiceItem WHERE InvoiceNumber=%1").arg(invoice))
                                   .toDouble()))
        wrong << QStringLiteral("the ledger row is not the lines' total");
    QMap<QString, double> expected = stockBefore;
    QSqlQuery q;
    q.exec(QStringLiteral("SELECT Code, Quantity FROM InvoiceItem WHERE ") + tags);
    while (q.next()) {
        if (expected.contains(q.value(0).toString()))
            expected[q.value(0).toString()] -= q.value(1).toDouble();
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (qAbs(stockNow.value(it.key()) - it.value()) > 0.0005)
            wrong << QStringLiteral("stock of %1 is %2, not %3").arg(it.key()).arg(stockNow.value(it.key())).arg(it.value());
    }
    if (sequence != sequenceBefore + 1)
        wrong << QStringLiteral("%1 sequence numbers taken for one invoice").arg(sequence - sequenceBefore);
    // The docket: every kitchen line marked, or none.
    const int kitchenLines = number(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem WHERE InvoiceNumber=%1 AND "
                                                   "Department IN ('STARTERS','MAINS','DESSERTS')")
                                        .arg(invoice));
    const int marked = number(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem WHERE InvoiceNumber=%1 AND Printed>=2")
                                  .arg(invoice));
    if (marked != 0 && marked != kitchenLines)
        wrong << QStringLiteral("%1 of %2 kitchen lines marked").arg(marked).arg(kitchenLines);
    // The receipt: its row, its ledger row and the invoice paid, or none.
    const int receipts = number(QStringLiteral("SELECT COUNT(*) FROM Receipt"));
    const int paidBy = number(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I' AND MyNumber=%1").arg(invoice));
    const int posted = number(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE Description='R'"));
    if (receipts > 1 || receipts != posted || (receipts == 1) != (paidBy != 0))
        wrong << QStringLiteral("%1 receipts, %2 posted, the invoice paid by %3").arg(receipts).arg(posted).arg(paidBy);
    return wrong;
}

} // namespace

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedAtEveryStatement();
};

void TestCrash::killedAtEveryStatement()
{
    TestShop shop;
    TillRun run;
    QTemporaryDir home; // the till's settings, and so its station, survive its kills

    // A till that is not killed counts the statements of the sale.
    const QStringList sale{QStringLiteral("--tag"), QStringLiteral("c")};
    auto sell = [&](int seed, const QString& mode, int at) {
        const int i = run.start(QStringLiteral("MARY"), QStringLiteral("1111"),
                                sale + QStringList{QStringLiteral("--mode"), mode, QStringLiteral("--seed"),
                                                   QString::number(seed), QStringLiteral("--crash-at"),
                                                   QString::number(at)},
                                home.path());
        if (!run.wait(120))
            QTest::qFail("a till hung", __FILE__, __LINE__);
        return i;
    };
    const int counted = sell(1, QStringLiteral("crash"), 0);
    QCOMPARE(run.exitCode(counted), 0);
    const int statements = run.log(counted).statements;
    QVERIFY2(statements > 10, qPrintable(QString::number(statements)));
    // Each kill is the same sale again, with the same lines (the same seed).

    for (int at = 1; at <= statements; ++at) {
        // The books start empty each time: only this sale is there to check.
        for (const char* table : {"InvoiceItem", "Invoice", "Returns", "Journal", "Receipt", "DTRHistory"})
            TestShop::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        const QMap<QString, double> stockBefore = TillRun::stock();
        const int sequenceBefore = number(QStringLiteral("SELECT SequenceNo FROM SysInfo"));

        const int killed = sell(1, QStringLiteral("crash"), at);
        QVERIFY2(run.exitCode(killed) == -1, qPrintable(QStringLiteral("not killed at statement %1").arg(at)));
        const QStringList wrong = halfWritten(1, stockBefore, sequenceBefore);
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(QStringLiteral("killed before statement %1: %2").arg(at).arg(wrong.join(QLatin1String("; ")))));

        // Started again, the till recovers its session and finishes the sale.
        const int again = sell(1, QStringLiteral("retry"), 0);
        QCOMPARE(run.exitCode(again), 0);
        const TillLog log = run.log(again);
        QVERIFY2(log.errors.isEmpty() && log.inside.isEmpty(), qPrintable(log.errors.join(QLatin1String("; "))));
        const QString tags = QStringLiteral("SerialNo LIKE 'c-1-%'");
        const int invoice = number(QStringLiteral("SELECT MAX(InvoiceNumber) FROM InvoiceItem WHERE ") + tags);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(DISTINCT InvoiceNumber) FROM InvoiceItem WHERE ") + tags), 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM Invoice")), 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE Description='I'")), 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM Receipt")), 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE Description='R'")), 1);
        QVERIFY(number(QStringLiteral("SELECT CrossRef FROM Journal WHERE Description='I'")) > 0);
        QCOMPARE(utils->getBalBF(1, true), 0.0);
        QCOMPARE(number(QStringLiteral("SELECT SequenceNo FROM SysInfo")), sequenceBefore + 1);
        // Every kitchen line reached the kitchen once, whichever till printed it.
        int printed = 0;
        for (int i : {killed, again})
            printed += run.log(i).dockets.value(invoice);
        QCOMPARE(printed, number(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem WHERE InvoiceNumber=%1 AND "
                                                "Department IN ('STARTERS','MAINS','DESSERTS')")
                                     .arg(invoice)));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM Login")), 0);
    }
}

BREVALON_TEST_MAIN(TestCrash)
#include "tst_crash.moc"
