// The management reports in a shop a year old: 1 000 000 sale lines (the
// last days' still live, the rest archived by cash-ups) with their ledger,
// 5 000 account clients, returnables, voids and an action log. Every report
// of the Reports menu is built and shown in the viewer as the operator
// would see it; prints the median and worst of each (the target is 3 s).
//
//   BREVALON_TEST_BACKEND=sqlite  build/bench/bench_reports [lines] [clients] [runs] [report]
//   BREVALON_TEST_BACKEND=mariadb BREVALON_TEST_MYSQL_PORT=<port> build/bench/bench_reports
//
// [report] runs only the reports whose names contain it.
// MariaDB needs a server such as the one scripts/bench.sh starts.

#include "bench/bigshop.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "reports/reporter.h"
#include "sales/datedialog.h"
#include "tests/sales/till.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

constexpr int kLinesPerInvoice = 5;
const QDate kToday(2026, 12, 5);
const char* const kSalespeople[] = {"MM", "JS", "SB"};

QDate g_date = kToday;
QDate g_from = kToday; ///< for the first of two date dialogs ("... from ..")

void run(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        qFatal("bench seed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql.left(300)));
}

// Rows many to a statement keep the seeding to minutes.
class Batch
{
public:
    explicit Batch(const QString& head)
        : m_head(head)
    {
    }
    ~Batch() { flush(); }
    void add(const QString& row)
    {
        m_rows << row;
        if (m_rows.size() == 500)
            flush();
    }
    void flush()
    {
        if (m_rows.isEmpty())
            return;
        QSqlQuery q;
        run(q, m_head + m_rows.join(QLatin1Char(',')));
        m_rows.clear();
    }

private:
    QString m_head;
    QStringList m_rows;
};

QString money(double amount)
{
    return QString::number(amount, 'f', 2);
}

struct Item
{
    QString code, description;
    double price;
};

/** A year of trade: @p lines lines in invoices of five, spread evenly over
 *  the year and over @p clients accounts; one invoice in eight unpaid,
 *  one document in a hundred a quote, one in fifty with two returnable crates out. */
void seed(int lines, int clients)
{
    QSqlQuery q;
    const int firstClient = TestShop::value(QStringLiteral("SELECT MAX(AccountNumber) FROM Clients")).toInt() + 1;
    {
        Batch rows(QStringLiteral("INSERT INTO Clients (AccountNumber, Name, Phone, Cell, PostalAddr, Created) VALUES "));
        for (int c = 0; c < clients; ++c)
            rows.add(QStringLiteral("(%1, 'CLIENT %2', '021 %2', '082 %2', 'PO Box %2', '%3')")
                         .arg(firstClient + c)
                         .arg(c, 5, 10, QLatin1Char('0'))
                         .arg(kToday.addDays(-(c * 365 / clients)).toString(Qt::ISODate)));
    }
    QList<Item> items;
    run(q, QStringLiteral("SELECT Code, Description, Price FROM Inventory WHERE Price>0"));
    while (q.next())
        items << Item{q.value(0).toString(), q.value(1).toString(), q.value(2).toDouble()};

    const int invoices = lines / kLinesPerInvoice;
    const QDate first = kToday.addDays(-365);
    Batch heads(QStringLiteral("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Waiter) VALUES "));
    Batch live(QStringLiteral("INSERT INTO InvoiceItem (MyNumber, MyDate, InvoiceNumber, SP, Quantity, Category, "
                              "Code, Price, Cost, Description, Returnable) VALUES "));
    Batch archived(QStringLiteral("INSERT INTO InvoiceItemArchive (MyNumber, MyDate, InvoiceNumber, SP, Quantity, "
                                  "Category, Code, Price, Cost, Description, Returnable) VALUES "));
    Batch liveLedger(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                    "MyNumber, CrossRef) VALUES "));
    Batch oldLedger(QStringLiteral("INSERT INTO JournalArchive (AccountNumber, Description, MyDate, Amount, Rounding, "
                                   "MyNumber, CrossRef) VALUES "));
    Batch returns(QStringLiteral("INSERT INTO Returns (InvoiceNumber, InvoiceItemNumber, DateDone, Status) VALUES "));
    for (int n = 1; n <= invoices; ++n) {
        const QDate day = first.addDays(qint64(n - 1) * 365 / invoices);
        const QString when = QStringLiteral("%1 %2:%3:00")
                                 .arg(day.toString(Qt::ISODate))
                                 .arg(8 + n % 14, 2, 10, QLatin1Char('0'))
                                 .arg(n % 60, 2, 10, QLatin1Char('0'));
        const bool isLive = day >= kToday.addDays(-2);
        const int account = firstClient + n % clients;
        heads.add(QStringLiteral("(%1, '%2', %3, 'C', 'MARY')").arg(n).arg(when).arg(account));
        double total = 0;
        for (int l = 0; l < kLinesPerInvoice; ++l) {
            const Item& item = items.at((n * 7 + l * 11) % items.size());
            const int quantity = 1 + (n + l) % 3;
            const double price = item.price * quantity;
            total += price;
            const bool returnable = l == 0 && n % 50 == 0;
            const qint64 number = qint64(n) * kLinesPerInvoice + l;
            (isLive ? live : archived)
                .add(QStringLiteral("(%1, '%2', %3, '%4', %5, 'Inventory', '%6', %7, %8, '%9', '%10')")
                         .arg(number)
                         .arg(when)
                         .arg(n)
                         .arg(QLatin1String(kSalespeople[n % 3]))
                         .arg(quantity)
                         .arg(item.code, money(price), money(price * 0.4),
                              Utility::escapeSQL(item.description),
                              returnable ? QStringLiteral("Y") : QStringLiteral("N")));
            if (returnable)
                returns.add(QStringLiteral("(%1, %2, '%3', 'O')").arg(n).arg(number).arg(when));
        }
        Batch& ledger = isLive ? liveLedger : oldLedger;
        // One document in a hundred a quote: no sale, left out by number.
        const bool quote = n % 100 == 1;
        const bool paid = !quote && n % 8 != 0;
        ledger.add(QStringLiteral("(%1, '%6', '%2', %3, 0, %4, %5)")
                       .arg(account)
                       .arg(when, money(total))
                       .arg(n)
                       .arg(paid ? n : 0)
                       .arg(quote ? QStringLiteral("Q") : QStringLiteral("I")));
        if (paid)
            ledger.add(QStringLiteral("(%1, 'R', '%2', %3, 0, %4, 0)").arg(account).arg(when, money(-total)).arg(n));
    }
    Batch voids(QStringLiteral("INSERT INTO Voids (Reason, DocType, Number, MyDate, Who) VALUES "));
    for (int v = 0; v < 2000; ++v)
        voids.add(QStringLiteral("('CUSTOMER CHANGED MIND', '%1', %2, '%3 12:00:00', 'MARY')")
                      .arg(v % 2 ? QStringLiteral("I") : QStringLiteral("R"))
                      .arg(v + 1)
                      .arg(first.addDays(v * 365 / 2000).toString(Qt::ISODate)));
    Batch actions(QStringLiteral("INSERT INTO Actions (MyDate, Action, Who, Info, Status) VALUES "));
    for (int a = 0; a < 20000; ++a)
        actions.add(QStringLiteral("('%1 10:00:00', 'ADD ITEM', 'MARY : TILL1', 'ITEM %2 @ 18.50', '0')")
                        .arg(first.addDays(a * 365 / 20000).toString(Qt::ISODate))
                        .arg(a));
}

// The operator: the date of g_date in every date dialog, "&No" to clearing
// the action log, OK to any message.
ZkPrompt::Reply operatorAnswers(const ZkPrompt::Request& r)
{
    ZkPrompt::Reply reply;
    reply.ok = true;
    reply.button = r.kind == ZkPrompt::Question ? 1 : 0;
    if (r.kind == ZkPrompt::Exec) {
        if (auto* d = qobject_cast<DateDialog*>(r.dialog))
            d->setDate(d->windowTitle().contains(QLatin1String("from")) ? g_from : g_date);
        reply.button = QDialog::Accepted;
    }
    return reply;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("BREVALON_BUILD_DIR"))
        qputenv("BREVALON_BUILD_DIR",
                QDir(QCoreApplication::applicationDirPath() + QLatin1String("/..")).absolutePath().toLocal8Bit());
    const int lines = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    const int clients = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5000;
    const int runs = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 3;
    const QString only = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    QTextStream out(stdout);
    if (TestShop::isMariaDb() && qEnvironmentVariableIsEmpty("BREVALON_TEST_MYSQL_PORT")) {
        out << "bench_reports: MariaDB needs the server that scripts/bench.sh starts (BREVALON_TEST_MYSQL_PORT)\n";
        return 77;
    }

    Till till;
    QElapsedTimer seeding;
    seeding.start();
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.transaction();
        seed(lines, clients);
        db.commit();
    }
    out << "backend " << (TestShop::isMariaDb() ? "mariadb" : "sqlite") << ": "
        << TestShop::value(QStringLiteral("SELECT COUNT(*) FROM InvoiceItemArchive")).toInt() << " archived and "
        << TestShop::value(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem")).toInt() << " live lines, " << clients
        << " clients, seeded in " << seeding.elapsed() / 1000.0 << " s\n";
    out.flush();

    utils->setUserName(QStringLiteral("MARY"));
    ZkPrompt::setHandler(operatorAnswers);
    Sales* w = till.window.get();
    const struct
    {
        const char* name;
        QDate date;
        void (Sales::*slot)();
        QDate from = QDate();
    } reports[] = {
        {"merchandise, six months", kToday, &Sales::merchandiseReport},
        {"salesperson performance, six months", kToday, &Sales::SpPerformanceReport},
        {"new clients, six months", kToday, &Sales::newClientsReport},
        {"daily stock sales", kToday.addDays(-1), &Sales::dailySalesReport},
        {"commission, November", QDate(2026, 11, 1), &Sales::commissionReport},
        {"voids, the year", kToday, &Sales::voidsReport, kToday.addDays(-365)},
        {"action log (20 000 rows)", kToday, &Sales::actionReport},
        {"client debt", kToday, &Sales::clientDebtReport},
        {"outstanding invoices", kToday, &Sales::outstandingInvoices},
        {"all clients", kToday, &Sales::allClientsReport},
        {"client purchases, November", QDate(2026, 11, 1), &Sales::clientPurchasesReport},
        {"client expenditure, November", QDate(2026, 11, 1), &Sales::clientExpenditureReport},
        {"outstanding returnables", kToday, &Sales::returnablesReport},
        {"stock levels", kToday, &Sales::stockLevelReport},
        {"price list", kToday, &Sales::priceList},
    };
    double slowest = 0;
    for (const auto& r : reports) {
        if (!QString::fromLatin1(r.name).contains(only))
            continue;
        g_date = r.date;
        g_from = r.from.isValid() ? r.from : r.date;
        int rows = 0;
        const QVector<double> ms = BigShop::time(runs, [&](int) {
            (w->*r.slot)();
            rows = w->reporter()->ReportListView->topLevelItemCount();
            w->reporter()->hide();
        });
        slowest = qMax(slowest, BigShop::median(ms));
        out << r.name << " (" << rows << " rows): median " << QString::number(BigShop::median(ms), 'f', 0)
            << " ms, worst " << QString::number(BigShop::worst(ms), 'f', 0) << " ms\n";
        out.flush();
    }
    ZkPrompt::setHandler({});
    out << "slowest median " << QString::number(slowest, 'f', 0) << " ms\n";
    return 0;
}
