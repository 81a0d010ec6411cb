// The end of the day in a shop a year old: about a million archived sale
// lines with their ledger and receipts, November the busiest month, and a
// busy day of 5 000 lines to cash up. Prints the medians (and worst) of a
// processing cash-up of the day, a month end over November and an analysis
// of the whole year, every report built and rendered as the operator sees it.
//
//   BREVALON_TEST_BACKEND=sqlite  build/bench/bench_endofday [cashups] [lines-per-day]
//   BREVALON_TEST_BACKEND=mariadb BREVALON_TEST_MYSQL_PORT=<port> build/bench/bench_endofday
//
// MariaDB needs a server such as the one scripts/bench.sh starts. Every box
// is answered by this program: the cash-up processes, each report is taken
// as printed.

#include "bench/bigshop.h"
#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <functional>

namespace {

constexpr int kLinesPerInvoice = 5;
const QDate kToday(2026, 12, 5);
const QDate kFirstDay = kToday.addDays(-365);

struct MenuItem
{
    const char* description;
    const char* department;
    double price;
};

const MenuItem kMenu[] = {
    { "FLAT WHITE", "HOT DRINKS", 23.00 },
    { "CAPPUCCINO", "HOT DRINKS", 25.00 },
    { "ESPRESSO", "HOT DRINKS", 18.00 },
    { "ROOIBOS TEA", "HOT DRINKS", 16.00 },
    { "HOT CHOCOLATE", "HOT DRINKS", 27.50 },
    { "SPARKLING WATER", "DRINKS", 19.00 },
    { "COLA", "DRINKS", 21.00 },
    { "ORANGE JUICE", "DRINKS", 28.00 },
    { "CRAFT LAGER", "DRINKS", 38.00 },
    { "HOUSE WINE", "DRINKS", 45.00 },
    { "CALAMARI", "STARTERS", 69.00 },
    { "SOUP OF THE DAY", "STARTERS", 55.00 },
    { "BRUSCHETTA", "STARTERS", 52.50 },
    { "FISH AND CHIPS", "MAINS", 115.00 },
    { "BEEF BURGER", "MAINS", 109.00 },
    { "LINE FISH", "MAINS", 159.00 },
    { "PRAWN CURRY", "MAINS", 149.00 },
    { "STEAK", "MAINS", 189.00 },
    { "VEGETABLE PASTA", "MAINS", 95.00 },
    { "MALVA PUDDING", "DESSERTS", 55.00 },
    { "CHEESECAKE", "DESSERTS", 58.00 },
    { "ICE CREAM", "DESSERTS", 39.00 },
    { "BILTONG 100G", "DELI", 65.00 },
    { "OLIVES 250G", "DELI", 48.00 },
    { "RUSKS", "GROCERY", 42.00 },
    { "HONEY 500G", "GROCERY", 79.00 },
};
constexpr int kMenuSize = int(sizeof(kMenu) / sizeof(kMenu[0]));

void run(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        qFatal("bench seed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql.left(300)));
}

// Rows many to a statement, in one transaction, keep the seeding to minutes.
class Batch
{
public:
    Batch(const QString& head)
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

/** Writes @p invoices paid sales on @p day from invoice (and receipt)
 *  number @p first: archived and counted, or live and waiting for the
 *  cash-up. */
void sellDay(const QDate& day, int first, int invoices, bool archived)
{
    const QString lineTable = archived ? QStringLiteral("InvoiceItemArchive") : QStringLiteral("InvoiceItem");
    const QString journal = archived ? QStringLiteral("JournalArchive") : QStringLiteral("Journal");
    const QString status = archived ? QStringLiteral("P") : QStringLiteral(" ");
    Batch heads(
        QStringLiteral("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Tax1, Tax2, Waiter, "
                       "SequenceNo) VALUES "));
    Batch lines(
        QStringLiteral("INSERT INTO %1 (MyNumber, MyDate, InvoiceNumber, SP, Quantity, Category, Department, "
                       "Code, UnitOfMeasure, Price, Cost, Discount, Description, Tax1, Tax2, SerialNo, "
                       "Returnable, DTR, Printed, CashUp) VALUES ")
            .arg(lineTable));
    Batch ledger(
        QStringLiteral("INSERT INTO %1 (AccountNumber, Description, MyDate, Amount, Rounding, TipAmount, "
                       "MyNumber, Status, CrossRef) VALUES ")
            .arg(journal));
    Batch receipts(
        QStringLiteral("INSERT INTO Receipt (MyNumber, MyDate, AccountNumber, CashAmount, CardAmount, "
                       "Tendered, TipAmount, Waiter) VALUES "));
    for (int i = 0; i < invoices; ++i) {
        const int number = first + i;
        const QString when = QStringLiteral("%1 %2:%3:00")
                                 .arg(day.toString(QStringLiteral("yyyy-MM-dd")))
                                 .arg(8 + i * 14 / invoices, 2, 10, QLatin1Char('0'))
                                 .arg(i % 60, 2, 10, QLatin1Char('0'));
        heads.add(QStringLiteral("(%1, '%2', 1, 'C', 0.15, 0.02, 'MARY', %1)").arg(number).arg(when));
        double total = 0;
        for (int l = 0; l < kLinesPerInvoice; ++l) {
            const MenuItem& item = kMenu[(number * 7 + l * 11) % kMenuSize];
            const int quantity = 1 + (number + l) % 3;
            const double price = item.price * quantity;
            total += price;
            lines.add(
                QStringLiteral("(%1, '%2', %3, 'MM', %4, 'Inventory', '%5', 'M%6', 'EACH', %7, %8, 0, '%9', "
                               "'Y', 'N', '', 'N', 0, 1, %10)")
                    .arg(qint64(number) * kLinesPerInvoice + l)
                    .arg(when)
                    .arg(number)
                    .arg(quantity)
                    .arg(QLatin1String(item.department))
                    .arg((number * 7 + l * 11) % kMenuSize)
                    .arg(money(price), money(price * 0.38), QLatin1String(item.description))
                    .arg(archived ? 1 : 0));
        }
        ledger.add(QStringLiteral("(1, 'I', '%1', %2, 0, 0, %3, '%4', %3)")
                       .arg(when, money(total))
                       .arg(number)
                       .arg(status));
        ledger.add(QStringLiteral("(1, 'R', '%1', %2, 0, 0, %3, '%4', 0)")
                       .arg(when, money(-total))
                       .arg(number)
                       .arg(status));
        const bool card = number % 3 == 0;
        receipts.add(QStringLiteral("(%1, '%2', 1, %3, %4, %5, 0, 'MARY')")
                         .arg(number)
                         .arg(when, money(card ? 0 : total), money(card ? total : 0), money(total)));
    }
}

int invoicesOn(const QDate& day, int perDay)
{
    return day.month() == 11 ? perDay * 8 / 5 : perDay;
}

ZkPrompt::Reply operatorWhoProcesses(const ZkPrompt::Request& r)
{
    ZkPrompt::Reply reply;
    reply.ok = true;
    reply.button = r.kind == ZkPrompt::Exec ? 1 : 0; // Yes, Print/Process, printed
    return reply;
}

void report(QTextStream& out, const char* what, const QVector<double>& ms)
{
    out << what << ": median " << QString::number(BigShop::median(ms), 'f', 0) << " ms, worst "
        << QString::number(BigShop::worst(ms), 'f', 0) << " ms over " << ms.size() << " runs\n";
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    BigShop::useThisBuild();
    const int cashUps = BigShop::argument(argc, argv, 1, 5);
    const int perDay = BigShop::argument(argc, argv, 2, 520 * kLinesPerInvoice) / kLinesPerInvoice;
    QTextStream out(stdout);

    TestShop shop;
    QElapsedTimer seeding;
    seeding.start();
    int next = 1;
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.transaction();
        for (QDate day = kFirstDay; day < kToday; day = day.addDays(1)) {
            sellDay(day, next, invoicesOn(day, perDay), true);
            next += invoicesOn(day, perDay);
        }
        db.commit();
    }
    out << "backend " << (TestShop::isMariaDb() ? "mariadb" : "sqlite") << ": "
        << TestShop::value(QStringLiteral("SELECT COUNT(*) FROM InvoiceItemArchive")).toInt()
        << " archived lines over a year, seeded in " << seeding.elapsed() / 1000.0 << " s\n";
    out.flush();

    for (const char* role : { "Receipt", "Invoice", "Label", "Kitchen", "Mail" })
        settings->writeEntry(
            QStringLiteral("/%1Printer/Preview").arg(QLatin1String(role)), QStringLiteral("ON"));
    utils->setUserName(QStringLiteral("MARY"));
    ZkPrompt::setHandler(operatorWhoProcesses);

    // A busy day of 5 000 lines, cashed up; each run a new day's trade.
    const int busyDay = 5000 / kLinesPerInvoice;
    QVector<double> cashUps_ms;
    for (int i = 0; i < cashUps; ++i) {
        QSqlDatabase::database().transaction();
        sellDay(kToday, next, busyDay, false);
        QSqlDatabase::database().commit();
        next += busyDay;
        QElapsedTimer t;
        t.start();
        utils->cashUp();
        cashUps_ms << t.nsecsElapsed() / 1e6;
        if (TestShop::value(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem")).toInt() != 0)
            qFatal("the cash-up left lines behind");
    }
    report(out, "cash-up of a 5 000-line day, processed", cashUps_ms);

    report(out, "month end of November, the busiest month", BigShop::time(5, [](int) {
        utils->analysis(QStringLiteral("2026-11-01"), QStringLiteral("2026-11-30"));
    }));
    report(out, "analysis of the whole year", BigShop::time(3, [](int) {
        utils->analysis(kFirstDay.toString(QStringLiteral("yyyy-MM-dd")),
            kToday.addDays(-1).toString(QStringLiteral("yyyy-MM-dd")));
    }));
    ZkPrompt::setHandler({});
    return 0;
}
