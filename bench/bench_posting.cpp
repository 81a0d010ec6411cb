// Posting a sale as the till does it, in a big shop: one unit with the
// invoice header, ten lines with their stock, the sequence number and the
// ledger row, then the invoice document built and accepted; one unit with
// the receipt row, its ledger row and the invoice marked paid, then its
// document; and the invoice built once more for its totals. Prints the
// median and worst milliseconds per sale, of the two units alone and of the
// whole sale.
//
//   BREVALON_TEST_BACKEND=sqlite  build/bench/bench_posting [sales]
//   BREVALON_TEST_BACKEND=mariadb BREVALON_TEST_MYSQL_PORT=<port> build/bench/bench_posting
//
// MariaDB needs a server such as the one scripts/test.sh starts. Every
// dialog is accepted by a handler of this program and every printer role
// previews, so nothing is printed.

#include "bench/bigshop.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "tests/support/salerows.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTextStream>

namespace {

constexpr int kItems = 100000;
constexpr int kLines = 200000;
constexpr int kLinesPerSale = 10;

// Stands in for an operator who accepts every window and answers every box
// with its default.
ZkPrompt::Reply acceptEverything(const ZkPrompt::Request& r)
{
    ZkPrompt::Reply reply;
    reply.ok = true;
    reply.button = r.kind == ZkPrompt::Exec ? 1 : qMax(r.defaultButton, 0);
    reply.value = r.value;
    return reply;
}

// The lines of a sale as the till has them once they are rung up.
QList<SaleLine> ringUp(int sale)
{
    QList<SaleLine> lines;
    for (int i = 0; i < kLinesPerSale; ++i)
        lines << SaleRows::item(BigShop::someCode((sale * 7919 + i * 104729) % kItems), 1 + i % 3);
    return lines;
}

void sell(int sale, const QList<SaleLine>& lines)
{
    int invoice = 0;
    {
        ZkTransaction unit;
        if (!unit.isOpen() || !ZkDb::lockAccount(1))
            qFatal("sale %d: the unit did not begin", sale);
        invoice = SaleRows::invoice(1, lines);
        if (!utils->postInvoice(invoice) || !unit.commit())
            qFatal("sale %d: the invoice was not posted", sale);
    }
    if (!utils->printInvoice(invoice))
        qFatal("sale %d: the invoice was not accepted", sale);

    double total = 0;
    for (const SaleLine& l : lines)
        total += l.price;
    ReceiptRow row;
    row.account = 1;
    row.cash = Utility::roundCents(total);
    row.tendered = row.cash + 50;
    row.change = 50;
    int receipt = 0;
    {
        ZkTransaction unit;
        if (!unit.isOpen() || !ZkDb::lockAccount(1))
            qFatal("sale %d: the unit did not begin", sale);
        receipt = SaleRows::receipt(row);
        QSqlQuery q;
        if (!utils->postReceipt(receipt)
            || !ZkDb::exec(q, QStringLiteral("UPDATE Journal SET CrossRef=%1 WHERE (Description='I' OR "
                                             "Description='IA') AND MyNumber=%2 AND CrossRef=0")
                                  .arg(receipt)
                                  .arg(invoice))
            || !unit.commit())
            qFatal("sale %d: the receipt was not posted", sale);
    }
    if (!utils->printReceipt(receipt, row.tendered, row.change, 0, false))
        qFatal("sale %d: the receipt was not accepted", sale);

    // The invoice is built once more for its totals.
    double paid = 0, tax1 = 0, tax2 = 0;
    utils->processInvoice(invoice, false, &paid, &tax1, &tax2, true);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    BigShop::useThisBuild();
    const int sales = BigShop::argument(argc, argv, 1, 50);
    QTextStream out(stdout);

    TestShop shop;
    QElapsedTimer seeding;
    seeding.start();
    BigShop::grow(kItems, kLines);
    out << "backend " << (TestShop::isMariaDb() ? "mariadb" : "sqlite") << ": " << kItems << " items, " << kLines
        << " posted lines, seeded in " << seeding.elapsed() / 1000.0 << " s\n";

    for (const char* role : {"Receipt", "Invoice", "Label", "Kitchen", "Mail"})
        settings->writeEntry(QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("ON"));
    utils->setUserName(QStringLiteral("MARY"));
    ZkPrompt::setHandler(acceptEverything);

    QVector<QList<SaleLine>> rungUp;
    for (int i = 0; i <= sales; ++i)
        rungUp << ringUp(i);
    sell(sales, rungUp.at(sales)); // warms the caches and reads the templates once
    // The units alone (from BEGIN to COMMIT of the invoice and of the
    // receipt), beside the whole sale with its documents.
    QVector<double> unitMs;
    const QVector<double> ms = BigShop::time(sales, [&](int i) {
        const qint64 before = ZkTransaction::openNanoseconds();
        sell(i, rungUp.at(i));
        unitMs << (ZkTransaction::openNanoseconds() - before) / 1e6;
    });
    out << "post a " << kLinesPerSale << "-line invoice and its cash receipt, its units alone: median "
        << QString::number(BigShop::median(unitMs), 'f', 1) << " ms, worst "
        << QString::number(BigShop::worst(unitMs), 'f', 1) << " ms\n";
    out << "the same sale with its documents built and shown: median " << QString::number(BigShop::median(ms), 'f', 1)
        << " ms, worst " << QString::number(BigShop::worst(ms), 'f', 1) << " ms over " << sales << " sales\n";
    ZkPrompt::setHandler({});
    return 0;
}
