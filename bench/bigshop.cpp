#include "bench/bigshop.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>

namespace BigShop {

namespace {

const char* const kWords[] = {"ALPINE",  "BAKED",  "CRISPY", "DELUXE", "EXTRA",   "FRESH",  "GOLDEN",
                              "HEARTY",  "ISLAND", "JUMBO",  "KETTLE", "LEMON",   "MINTED", "NUTTY",
                              "ORGANIC", "PEPPER", "QUICK",  "ROAST",  "SMOKED",  "TOASTED", "UMAMI",
                              "VELVET",  "WILD",   "YELLOW", "ZESTY",  "BREAD",   "CHEESE", "SAUCE",
                              "PASTA",   "SALAD",  "SOUP",   "TART",   "BURGER",  "WRAP",   "PIE"};
constexpr int kWordCount = int(sizeof(kWords) / sizeof(kWords[0]));

void run(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        qFatal("bench seed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql.left(300)));
}

QString description(int i)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QLatin1String(kWords[i % kWordCount]), QLatin1String(kWords[(i / kWordCount) % kWordCount]),
             QLatin1String(kWords[(i / 7) % kWordCount]))
        .arg(i);
}

// Many rows per statement keep the seeding to seconds on both servers.
void insertBatched(QSqlQuery& q, const QString& head, int count, const std::function<QString(int)>& row)
{
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        rows << row(i);
        if (rows.size() == 500 || i == count - 1) {
            run(q, head + rows.join(QLatin1Char(',')));
            rows.clear();
        }
    }
}

} // namespace

QString someCode(int i)
{
    return QStringLiteral("B%1").arg(i, 7, 10, QLatin1Char('0'));
}

QString someDescriptionPrefix(int i)
{
    return description(i).left(12);
}

void grow(int items, int lines)
{
    QSqlDatabase db = QSqlDatabase::database();
    db.transaction();
    QSqlQuery q;
    insertBatched(q,
                  QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, "
                                 "Tier1Price, Tier2Price, Cost, Quantity, ReOrder, ToQuantity, Tax1, Tax2, "
                                 "Returnable, Rank, DTR) VALUES "),
                  items, [](int i) {
                      const double price = 5 + (i % 400) * 0.25;
                      return QStringLiteral("('%1','GROCERY','%2','EACH',%3,%4,%5,%6,%7,5,50,'Y','N','N',%8,0)")
                          .arg(someCode(i), description(i), QString::number(price, 'f', 2),
                               QString::number(price * 0.9, 'f', 2), QString::number(price * 0.8, 'f', 2),
                               QString::number(price / 1.6, 'f', 2), QString::number(i % 90))
                          .arg(i);
                  });
    const int invoices = lines / 10;
    insertBatched(q, QStringLiteral("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Tax1, Tax2, "
                                    "Waiter, SequenceNo) VALUES "),
                  invoices, [](int i) {
                      return QStringLiteral("(%1,'2026-%2-%3 12:00:00',%4,'C',0.15,0.02,'MARY',%1)")
                          .arg(i + 1)
                          .arg(1 + i % 11, 2, 10, QLatin1Char('0'))
                          .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                          .arg(14 + i % 2);
                  });
    insertBatched(q,
                  QStringLiteral("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, SP, Quantity, Category, "
                                 "Department, Code, UnitOfMeasure, Price, Cost, Discount, Description, Tax1, "
                                 "Tax2, SerialNo, Returnable, DTR, Printed, CashUp) VALUES "),
                  invoices * 10, [items](int i) {
                      const int item = (i * 7919) % items;
                      return QStringLiteral("('2026-06-01 12:00:00',%1,'MM',1,'Inventory','GROCERY','%2','EACH',"
                                            "10.00,6.25,0,'%3','Y','N','','N',0,1,1)")
                          .arg(i / 10 + 1)
                          .arg(someCode(item), description(item));
                  });
    insertBatched(q, QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                    "TipAmount, MyNumber, Status, CrossRef) VALUES "),
                  invoices, [](int i) {
                      return QStringLiteral("(%1,'I','2026-06-01 12:00:00',100.00,0,0,%2,'P',0)")
                          .arg(14 + i % 2)
                          .arg(i + 1);
                  });
    db.commit();
    run(q, QStringLiteral("UPDATE SysInfo SET SequenceNo=%1").arg(invoices + 1));
}

QVector<double> time(int runs, const std::function<void(int)>& op)
{
    QVector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        t.start();
        op(i);
        ms << t.nsecsElapsed() / 1e6;
    }
    return ms;
}

double median(QVector<double> ms)
{
    if (ms.isEmpty())
        return 0;
    std::sort(ms.begin(), ms.end());
    return ms.size() % 2 ? ms.at(ms.size() / 2) : (ms.at(ms.size() / 2 - 1) + ms.at(ms.size() / 2)) / 2;
}

double worst(const QVector<double>& ms)
{
    return ms.isEmpty() ? 0 : *std::max_element(ms.begin(), ms.end());
}

int& offscreen(int& argc)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

void useThisBuild()
{
    if (qEnvironmentVariableIsEmpty("BREVALON_BUILD_DIR"))
        qputenv("BREVALON_BUILD_DIR",
                QDir(QCoreApplication::applicationDirPath() + QLatin1String("/..")).absolutePath().toLocal8Bit());
}

int argument(int argc, char** argv, int n, int fallback)
{
    return argc > n ? QString::fromLocal8Bit(argv[n]).toInt() : fallback;
}

} // namespace BigShop
