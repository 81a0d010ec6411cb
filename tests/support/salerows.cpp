#include "tests/support/salerows.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace SaleRows {

namespace {

void run(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        qFatal("sale fixture: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql));
}

QString text(const QString& value)
{
    return QLatin1Char('\'') + Utility::escapeSQL(value) + QLatin1Char('\'');
}

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

int newRow(const char* sequence)
{
    const int n = ZkDb::newRowNumber(QLatin1String(sequence));
    if (n <= 0)
        qFatal("sale fixture: no number read back for %s", sequence);
    return n;
}

} // namespace

SaleLine item(const QString& code, double quantity)
{
    QSqlQuery q;
    run(q, QStringLiteral("SELECT Description, Department, UnitOfMeasure, Price, Tax1, Tax2, Returnable, DTR, Cost "
                          "FROM Inventory WHERE Code=")
               + text(code));
    if (!q.next())
        qFatal("sale fixture: no item %s", qPrintable(code));
    SaleLine line;
    line.code = code;
    line.description = q.value(0).toString();
    line.department = q.value(1).toString();
    line.uom = q.value(2).toString();
    line.quantity = quantity;
    line.price = Utility::roundCents(q.value(3).toDouble() * quantity);
    line.tax1 = q.value(4).toString();
    line.tax2 = q.value(5).toString();
    line.returnable = q.value(6).toString();
    line.dtr = q.value(7).toInt();
    line.cost = Utility::roundCents(q.value(8).toDouble() * quantity);
    return line;
}

SaleLine textLine(const QString& category, const QString& text, double price, double quantity)
{
    SaleLine line;
    line.category = category;
    line.description = text;
    line.price = price;
    line.quantity = quantity;
    line.uom.clear();
    return line;
}

int newInvoice(int account, const QString& waiter)
{
    QSqlQuery q;
    run(q, QStringLiteral("INSERT INTO Invoice (MyDate, AccountNumber, Status, Tax1, Tax2, Waiter, Station) VALUES "
                          "('%1', %2, 'P', %3, %4, %5, %6)")
               .arg(ZkClock::nowText(), QString::number(account), number(utils->getTax1(), 4),
                    number(utils->getTax2(), 4), text(waiter), text(utils->stationId())));
    return newRow("invoice_mynumber_seq");
}

QList<int> addLines(int invoice, const QList<SaleLine>& lines)
{
    QList<int> numbers;
    QSqlQuery q;
    for (const SaleLine& l : lines) {
        run(q, QStringLiteral("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, SP, Quantity, Category, Department, "
                              "Code, UnitOfMeasure, Price, Cost, Discount, Description, Tax1, Tax2, SerialNo, "
                              "Returnable, DTR, Printed) VALUES ('%1', %2, 'MM', %3, %4, %5, %6, %7, %8, %9, ")
                   .arg(ZkClock::nowText(), QString::number(invoice), number(l.quantity, 3), text(l.category),
                        text(l.department), text(l.code), text(l.uom), number(l.price, 2), number(l.cost, 2))
                   + QStringLiteral("%1, %2, %3, %4, %5, %6, %7, %8)")
                         .arg(number(l.discount, 1), text(l.description), text(l.tax1), text(l.tax2),
                              text(l.serial), text(l.returnable), QString::number(l.dtr),
                              QString::number(l.printed)));
        const int line = newRow("invoiceitem_seq");
        numbers << line;
        if (l.returnable == QLatin1String("Y"))
            run(q, QStringLiteral("INSERT INTO Returns (InvoiceNumber, InvoiceItemNumber, DateDone, Status) VALUES "
                                  "(%1, %2, '%3', 'O')")
                       .arg(QString::number(invoice), QString::number(line), ZkClock::nowText()));
        if (l.category == QLatin1String("Inventory") && !l.code.isEmpty())
            run(q, QStringLiteral("UPDATE Inventory SET Quantity=Quantity-(%1) WHERE Code=%2 AND ToQuantity != 0")
                       .arg(number(l.quantity, 3), text(l.code)));
    }
    return numbers;
}

int invoice(int account, const QList<SaleLine>& lines, const QString& waiter)
{
    const int n = newInvoice(account, waiter);
    addLines(n, lines);
    return n;
}

int receipt(const ReceiptRow& r)
{
    QSqlQuery q;
    run(q, QStringLiteral("INSERT INTO Receipt (MyDate, AccountNumber, CashAmount, CardAmount, ChequeAmount, "
                          "CouponAmount, EFTAmount, BadDebtAmount, PayRef, Tendered, ChangeDue, Balance, TipAmount, "
                          "Waiter, Email) VALUES ('%1', %2, %3, %4, %5, %6, %7, %8, ")
               .arg(ZkClock::nowText(), QString::number(r.account), number(r.cash, 2), number(r.card, 2),
                    number(r.cheque, 2), number(r.coupon, 2), number(r.eft, 2), number(r.badDebt, 2))
               + QStringLiteral("%1, %2, %3, %4, %5, %6, %7)")
                     .arg(text(r.payRef), number(r.tendered, 2), number(r.change, 2), number(r.balance, 2),
                          number(r.tip, 2), text(r.waiter), text(r.email)));
    return newRow("receipt_mynumber_seq");
}

} // namespace SaleRows
