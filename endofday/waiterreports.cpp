#include "endofday/waiterreports.h"

#include "core/utility.h"
#include "documents/docwriter.h"
#include "core/archivedrows.h"
#include "endofday/reporthead.h"
#include "endofday/statement.h"

#include <QSqlQuery>
#include <QVariant>

using namespace EndOfDayReport;
using EndOfDay::run;

namespace {

// The receipt columns a tip and a hand-in are worked out from.
const QString kTenders = QStringLiteral(
    "Receipt.CashAmount AS Cash, Receipt.CardAmount + Receipt.ChequeAmount + Receipt.EFTAmount + "
    "Receipt.CouponAmount + Receipt.BadDebtAmount AS Other, Receipt.TipAmount AS Tip");

// What one receipt gives the waiter's hand-in.
struct Takings
{
    qint64 cash = 0, other = 0, cashTip = 0, otherTip = 0;

    // Cash counts only when money came in; a tip is a cash tip whenever no
    // cash went out, so the tip on a card-only receipt is paid from the
    // drawer in cash.
    void add(double cashAmount, double otherAmount, double tip)
    {
        const qint64 c = cents(cashAmount);
        if (c > 0)
            cash += c;
        other += cents(otherAmount);
        (c >= 0 ? cashTip : otherTip) += cents(tip);
    }
    qint64 due() const { return cash - otherTip; }
    qint64 tips() const { return cashTip + otherTip; }
};

} // namespace

WaiterReports::WaiterReports(const QDate& day, const QString& waiter)
    : m_day(day)
    , m_waiter(waiter)
{
}

QString WaiterReports::dayRange(const QString& column) const
{
    const QString day = m_day.toString(QStringLiteral("yyyy-MM-dd"));
    return QStringLiteral("%1 BETWEEN '%2 00:00:00' AND '%2 23:59:59'").arg(column, day);
}

bool WaiterReports::waitersOf(const QDate& day, QStringList* waiters)
{
    const WaiterReports reports(day, QString());
    QSqlQuery q;
    if (!run(q,
            QStringLiteral("SELECT DISTINCT Waiter FROM Invoice WHERE %1 ORDER BY Waiter")
                .arg(reports.dayRange(QStringLiteral("MyDate")))))
        return false;
    waiters->clear();
    while (q.next())
        if (!q.value(0).toString().isEmpty())
            *waiters << q.value(0).toString();
    return true;
}

bool WaiterReports::pendingOrders(int* count) const
{
    QSqlQuery q;
    if (!run(q,
            QStringLiteral("SELECT COUNT(*) FROM Invoice WHERE Status='P' AND Waiter='%1' AND %2")
                .arg(Utility::escapeSQL(m_waiter), dayRange(QStringLiteral("MyDate")))))
        return false;
    *count = q.next() ? q.value(0).toInt() : 0;
    return true;
}

bool WaiterReports::readInvoices(QSqlQuery& q, bool unpaidOnly) const
{
    return run(q,
        QStringLiteral("SELECT W.Number, W.Account, W.Owed, Clients.Name FROM %1 LEFT JOIN Clients ON "
                       "Clients.AccountNumber=W.Account ORDER BY W.Number")
            .arg(ArchivedRows::from(
                QStringLiteral("Journal.MyNumber AS Number, Journal.AccountNumber AS Account, "
                               "Journal.Amount - Journal.Rounding AS Owed"),
                { QStringLiteral("Journal"), QStringLiteral("Invoice") },
                QStringLiteral("Journal.Description='I' AND %1Invoice.MyNumber=Journal.MyNumber AND "
                               "Invoice.Waiter='%2' AND %3")
                    .arg(unpaidOnly ? QStringLiteral("Journal.CrossRef=0 AND ") : QString(),
                        Utility::escapeSQL(m_waiter), dayRange(QStringLiteral("Journal.MyDate"))),
                QStringLiteral("W"))));
}

bool WaiterReports::unpaidInvoices(QString* lines) const
{
    QSqlQuery q;
    if (!readInvoices(q, true))
        return false;
    lines->clear();
    while (q.next())
        *lines += tr("Invoice") + QLatin1Char(' ') + q.value(0).toString() + QLatin1Char(' ')
            + clientName(q.value(1).toInt(), q.value(3).toString()) + QLatin1Char(' ') + tr("Amount")
            + QLatin1Char(' ') + Utility::numStr(q.value(2).toDouble(), 2) + QLatin1String("<br>");
    return true;
}

QStringList WaiterReports::build() const
{
    const QString summary = m_day.toString(QStringLiteral("yyyy-MM-dd"));
    const QString waiter = Utility::escapeSQL(m_waiter);
    auto head = [&](DocWriter& doc, const char* type) {
        writeHead(doc, QLatin1String(type), summary, qstrcmp(type, "waiter1") != 0, kMustPrint);
        doc.text("waiter", m_waiter);
    };

    // The waiter's invoices of the day.
    QSqlQuery q;
    if (!readInvoices(q, false))
        return {};
    DocWriter invoices;
    head(invoices, "waiter1");
    qint64 invoiced = 0;
    int invoiceCount = 0;
    while (q.next()) {
        const qint64 owed = cents(q.value(2).toDouble());
        invoices.open("item")
            .raw("no", q.value(0).toString())
            .text("client", clientName(q.value(1).toInt(), q.value(3).toString()))
            .money("amount", money(owed));
        invoiced += owed;
        ++invoiceCount;
    }
    invoices.open("tail").money("total", money(invoiced));

    // The receipts the waiter took.
    if (!run(q,
            QStringLiteral(
                "SELECT W.Number, W.Account, W.Posted, W.Cash, W.Other, W.Tip, Clients.Name FROM %1 "
                "LEFT JOIN Clients ON Clients.AccountNumber=W.Account ORDER BY W.Number")
                .arg(ArchivedRows::from(
                    QStringLiteral("Journal.MyNumber AS Number, Journal.AccountNumber AS Account, "
                                   "Journal.Amount AS Posted, ")
                        + kTenders,
                    { QStringLiteral("Journal"), QStringLiteral("Receipt") },
                    QStringLiteral("Journal.Description='R' AND Receipt.MyNumber=Journal.MyNumber AND "
                                   "Receipt.Waiter='%1' AND %2")
                        .arg(waiter, dayRange(QStringLiteral("Journal.MyDate"))),
                    QStringLiteral("W")))))
        return {};
    DocWriter receipts;
    head(receipts, "waiter2");
    Takings own;
    qint64 received = 0;
    int receiptCount = 0;
    while (q.next()) {
        const qint64 total = -cents(q.value(2).toDouble());
        receipts.open("item")
            .raw("no", q.value(0).toString())
            .text("client", clientName(q.value(1).toInt(), q.value(6).toString()))
            .money("amount", money(total));
        own.add(q.value(3).toDouble(), q.value(4).toDouble(), q.value(5).toDouble());
        received += total;
        ++receiptCount;
    }
    receipts.open("tail").money("total", money(received));

    DocWriter summaryDoc;
    head(summaryDoc, "waiter3");
    summaryDoc.open("item")
        .money("cash", money(own.cash))
        .money("other", money(own.other))
        .money("cashtip", money(own.cashTip))
        .money("othertip", money(own.otherTip))
        .money("due", money(own.due()))
        .money("totaltips", money(own.tips()))
        .money("totalinv", money(invoiced))
        .money("totalrec", money(received))
        .money("performance", received == 0 ? 0.0 : own.tips() * 100.0 / received)
        .raw("numinv", QString::number(invoiceCount))
        .raw("numrec", QString::number(receiptCount));
    summaryDoc.open("tail");

    // The waiter's invoices whose money another waiter took.
    if (!run(q,
            QStringLiteral(
                "SELECT W.Number, W.Account, W.Owed, W.Taker, W.Cash, W.Other, W.Tip, Clients.Name "
                "FROM %1 LEFT JOIN Clients ON Clients.AccountNumber=W.Account ORDER BY W.Number")
                .arg(ArchivedRows::from(
                    QStringLiteral("Journal.MyNumber AS Number, Journal.AccountNumber AS Account, "
                                   "Journal.Amount - Journal.Rounding AS Owed, Receipt.Waiter AS Taker, ")
                        + kTenders,
                    { QStringLiteral("Journal"), QStringLiteral("Invoice"), QStringLiteral("Receipt") },
                    QStringLiteral("Journal.Description='I' AND Invoice.MyNumber=Journal.MyNumber AND "
                                   "Invoice.Waiter='%1' AND %2 AND Receipt.MyNumber=Journal.CrossRef AND "
                                   "COALESCE(Receipt.Waiter,'')<>Invoice.Waiter")
                        .arg(waiter, dayRange(QStringLiteral("Journal.MyDate"))),
                    QStringLiteral("W")))))
        return {};
    DocWriter others;
    head(others, "waiter4");
    Takings theirs;
    while (q.next()) {
        Takings one;
        one.add(q.value(4).toDouble(), q.value(5).toDouble(), q.value(6).toDouble());
        theirs.add(q.value(4).toDouble(), q.value(5).toDouble(), q.value(6).toDouble());
        others.open("item")
            .raw("no", q.value(0).toString())
            .text("client", clientName(q.value(1).toInt(), q.value(7).toString()))
            .money("amount", q.value(2).toDouble())
            .text("waiter", q.value(3).toString())
            .money("cash", money(one.cash))
            .money("cashtip", money(one.cashTip))
            .money("other", money(one.other))
            .money("othertip", money(one.otherTip));
    }
    others.open("tail")
        .money("cash", money(theirs.cash))
        .money("other", money(theirs.other))
        .money("cashtip", money(theirs.cashTip))
        .money("othertip", money(theirs.otherTip))
        .money("due", money(theirs.due()))
        .money("totaltips", money(theirs.tips()));
    return { invoices.finish(), receipts.finish(), summaryDoc.finish(), others.finish() };
}
