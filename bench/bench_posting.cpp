// Posting a sale as the till does it, in a big shop: the invoice header
// under the table lock, ten lines with their stock, the invoice document
// built, accepted and posted, the receipt row, its document and posting,
// and the invoice marked paid. Prints the median and worst milliseconds
// per sale.
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
#include "core/zkprompt.h"
#include "core/zksettings.h"
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
    const int invoice = SaleRows::invoice(1, lines);
    if (!utils->processInvoice(invoice, false))
        qFatal("sale %d: the invoice was not posted", sale);

    double total = 0;
    for (const SaleLine& l : lines)
        total += l.price;
    ReceiptRow row;
    row.account = 1;
    row.cash = Utility::roundCents(total);
    row.tendered = row.cash + 50;
    row.change = 50;
    const int receipt = SaleRows::receipt(row);
    if (!utils->processReceipt(receipt, true, row.tendered, row.change, 0, false))
        qFatal("sale %d: the receipt was not posted", sale);

    // The invoice is marked paid and built once more for its totals.
    QSqlQuery q;
    if (!q.exec(QStringLiteral("UPDATE Journal SET CrossRef=%1 WHERE (Description='I' OR Description='IA') AND "
                               "MyNumber=%2")
                    .arg(receipt)
                    .arg(invoice)))
        qFatal("sale %d: the invoice could not be marked paid", sale);
    double paid = 0, tax1 = 0, tax2 = 0;
    utils->processInvoice(invoice, false, &paid, &tax1, &tax2, true);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The templates of this build, as the tests use them.
    if (qEnvironmentVariableIsEmpty("BREVALON_BUILD_DIR"))
        qputenv("BREVALON_BUILD_DIR", QDir(QCoreApplication::applicationDirPath() + QLatin1String("/..")).absolutePath().toLocal8Bit());
    const int sales = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50;
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
    const QVector<double> ms = BigShop::time(sales, [&](int i) { sell(i, rungUp.at(i)); });
    out << "post a " << kLinesPerSale << "-line invoice and its cash receipt: median "
        << QString::number(BigShop::median(ms), 'f', 1) << " ms, worst " << QString::number(BigShop::worst(ms), 'f', 1)
        << " ms over " << sales << " sales\n";
    ZkPrompt::setHandler({});
    return 0;
}
