#include "endofday/analysisreports.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docwriter.h"
#include "core/archivedrows.h"
#include "endofday/reporthead.h"
#include "endofday/statement.h"

#include <QMap>
#include <QSqlQuery>
#include <QVariant>

#include <array>

using namespace EndOfDayReport;
using EndOfDay::run;

namespace {

bool flagged(const QVariant& flag)
{
    return flag.toString() == QLatin1String("Y");
}

struct Period
{
    QString start, end; // "yyyy-MM-dd"
    QString summary;

    // A date-time column within the period.
    QString during(const QString& column) const
    {
        return QStringLiteral("%1 BETWEEN '%2 00:00:00' AND '%3 23:59:59'").arg(column, start, end);
    }
};

// Cents of Amount - Rounding, summed exactly on every server.
const QString kOwedCents = QStringLiteral("ROUND((Amount - Rounding) * 100)");

bool dailySummary(const Period& period, QString* document)
{
    QSqlQuery q;
    if (!run(q,
            QStringLiteral("SELECT Day, Kind, COUNT(*), SUM(Owed) FROM %1 GROUP BY Day, Kind ORDER BY Day")
                .arg(
                    ArchivedRows::from(QStringLiteral("SUBSTR(MyDate, 1, 10) AS Day, SUBSTR(Description, 1, 1) "
                                                    "AS Kind, ")
                            + kOwedCents + QLatin1String(" AS Owed"),
                        { QStringLiteral("Journal") },
                        period.during(QStringLiteral("MyDate"))
                            + QLatin1String(" AND Description NOT IN ('VR','VI','Q')"),
                        QStringLiteral("D")))))
        return false;
    struct Day
    {
        int invoices = 0, receipts = 0;
        qint64 invoiced = 0, received = 0;
    };
    QMap<QString, Day> days;
    while (q.next()) {
        Day& day = days[q.value(0).toString()];
        const QString kind = q.value(1).toString().toUpper();
        const qint64 owed = qRound64(q.value(3).toDouble());
        // Receipts and refunds take money in or out; invoices and interest
        // charge it.
        if (kind == QLatin1String("R")) {
            day.receipts += q.value(2).toInt();
            day.received -= owed;
        } else if (kind == QLatin1String("I")) {
            day.invoices += q.value(2).toInt();
            day.invoiced += owed;
        }
    }
    auto average = [](qint64 total, int count) { return count == 0 ? 0.0 : money(total) / count; };
    DocWriter doc;
    writeHead(doc, QStringLiteral("monthend1"), period.summary, false, kShowOnly);
    Day all;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        doc.open("item")
            .raw("day", it.key())
            .raw("count", QString::number(it->invoices))
            .money("invtotal", money(it->invoiced))
            .money("rectotal", money(it->received))
            .money("invave", average(it->invoiced, it->invoices))
            .money("recave", average(it->received, it->receipts));
        all.invoices += it->invoices;
        all.receipts += it->receipts;
        all.invoiced += it->invoiced;
        all.received += it->received;
    }
    doc.open("tail")
        .raw("count", QString::number(all.invoices))
        .money("invtotal", money(all.invoiced))
        .money("rectotal", money(all.received))
        .money("invave", average(all.invoiced, all.invoices))
        .money("recave", average(all.received, all.receipts));
    *document = doc.finish();
    return true;
}

bool interestCharged(const Period& period, qint64* interest)
{
    QSqlQuery q;
    if (!run(q,
            QStringLiteral("SELECT SUM(ROUND((D30 + D60 + D90 + D120) * 100)) FROM Interest WHERE MyDate "
                           "BETWEEN '%1' AND '%2'")
                .arg(period.start, period.end)))
        return false;
    *interest = q.next() ? qRound64(q.value(0).toDouble()) : 0;
    return true;
}

bool departments(const Period& period, qint64 interest, QString* document)
{
    QSqlQuery q;
    if (!run(q,
            QStringLiteral("SELECT SUM(Owed) FROM %1")
                .arg(ArchivedRows::from(kOwedCents + QLatin1String(" AS Owed"), { QStringLiteral("Journal") },
                    period.during(QStringLiteral("MyDate")) + QLatin1String(" AND Description='I'"),
                    QStringLiteral("I")))))
        return false;
    const qint64 invoiced = q.next() ? qRound64(q.value(0).toDouble()) : 0;

    struct Department
    {
        qint64 value = 0, cost = 0;
    };
    QMap<QString, Department> sums;
    if (!run(q, QStringLiteral("SELECT Department FROM Departments ORDER BY Department")))
        return false;
    while (q.next())
        sums.insert(q.value(0).toString(), Department());

    // Lines of one price and the same flags are added up by the server;
    // the tax on top of each line is rounded to the cent here, alike on
    // every server.
    if (!run(q,
            QStringLiteral("SELECT Department, Price, T1, T2, COUNT(*), SUM(Cost) FROM %1 "
                           "GROUP BY Department, Price, T1, T2")
                .arg(ArchivedRows::from(
                    QStringLiteral(
                        "InvoiceItem.Department AS Department, InvoiceItem.Price AS Price, "
                        "InvoiceItem.Cost AS Cost, InvoiceItem.Tax1 AS T1, InvoiceItem.Tax2 AS T2"),
                    { QStringLiteral("InvoiceItem"), QStringLiteral("Journal") },
                    QStringLiteral(
                        "InvoiceItem.InvoiceNumber=Journal.MyNumber AND "
                        "Journal.Description IN ('I','RF') AND InvoiceItem.Category='Inventory' AND ")
                        + period.during(QStringLiteral("Journal.MyDate")),
                    QStringLiteral("L")))))
        return false;
    const bool taxOnTop = utils->taxMode() == 0;
    while (q.next()) {
        auto it = sums.find(q.value(0).toString());
        if (it == sums.end())
            continue;
        const double price = q.value(1).toDouble();
        qint64 each = cents(price);
        if (taxOnTop) {
            if (flagged(q.value(2)))
                each += cents(Utility::calcTax(price, utils->getTax1()));
            if (flagged(q.value(3)))
                each += cents(Utility::calcTax(price, utils->getTax2()));
        }
        it->value += each * q.value(4).toLongLong();
        it->cost += cents(q.value(5).toDouble());
    }

    DocWriter doc;
    writeHead(doc, QStringLiteral("monthend2"), period.summary, true, kShowOnly);
    doc.open("item")
        .text("description", AnalysisReports::tr("Interest On Arrears"))
        .money("value", money(interest))
        .money("percent", percentOf(money(interest), money(invoiced)));
    Department total;
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        doc.open("item")
            .text("description", it.key())
            .money("value", money(it->value))
            .money("cost", money(it->cost))
            .money("percent", percentOf(money(it->value), money(invoiced)))
            .money("margin", percentOf(money(it->cost), money(it->value)));
        total.value += it->value;
        total.cost += it->cost;
    }
    doc.open("tail")
        .text("description", AnalysisReports::tr("Totals"))
        .money("value", money(total.value))
        .money("cost", money(total.cost))
        .raw("percent", QString())
        .money("margin", percentOf(money(total.cost), money(total.value)))
        .money("invtotal", money(invoiced));
    *document = doc.finish();
    return true;
}

bool taxAndIncome(const Period& period, qint64 interest, QString* document)
{
    // Lines of the same rates and flags are added up by the server: the tax
    // of a sum is the sum of the lines' taxes.
    QSqlQuery q;
    if (!run(q,
            QStringLiteral("SELECT R1, R2, T1, T2, SUM(Price) FROM %1 GROUP BY R1, R2, T1, T2")
                .arg(ArchivedRows::from(
                    QStringLiteral("Invoice.Tax1 AS R1, Invoice.Tax2 AS R2, InvoiceItem.Tax1 AS T1, "
                                   "InvoiceItem.Tax2 AS T2, InvoiceItem.Price AS Price"),
                    { QStringLiteral("InvoiceItem"), QStringLiteral("Invoice") },
                    QStringLiteral("Invoice.MyNumber=InvoiceItem.InvoiceNumber AND ")
                        + period.during(QStringLiteral("InvoiceItem.MyDate"))
                        + QStringLiteral(" AND ") + wasSold(QStringLiteral("InvoiceItem.InvoiceNumber")),
                    QStringLiteral("L")))))
        return false;
    const bool taxOnTop = utils->taxMode() == 0;
    double taxable1 = 0, taxable2 = 0, exempt = 0, tax1 = 0, tax2 = 0, prices = 0;
    while (q.next()) {
        const double rate1 = q.value(0).toDouble(), rate2 = q.value(1).toDouble();
        const bool on1 = flagged(q.value(2)), on2 = flagged(q.value(3));
        const double price = q.value(4).toDouble();
        prices += price;
        if (!on1 && !on2) {
            exempt += price;
            continue;
        }
        const double base = taxOnTop ? price : price / (1 + (on1 ? rate1 : 0) + (on2 ? rate2 : 0));
        if (on1) {
            taxable1 += base;
            tax1 += rate1 * base;
        }
        if (on2) {
            taxable2 += base;
            tax2 += rate2 * base;
        }
    }
    const double total = prices + (taxOnTop ? tax1 + tax2 : 0);

    if (!run(q,
            QStringLiteral(
                "SELECT SUM(Cash), SUM(Card), SUM(Cheque), SUM(EFT), SUM(Coupon), SUM(BadDebt) FROM %1")
                .arg(ArchivedRows::from(
                    QStringLiteral(
                        "ROUND(Receipt.CashAmount * 100) AS Cash, ROUND(Receipt.CardAmount * 100) AS "
                        "Card, ROUND(Receipt.ChequeAmount * 100) AS Cheque, "
                        "ROUND(Receipt.EFTAmount * 100) AS EFT, ROUND(Receipt.CouponAmount * 100) AS "
                        "Coupon, ROUND(Receipt.BadDebtAmount * 100) AS BadDebt"),
                    { QStringLiteral("Receipt"), QStringLiteral("Journal") },
                    QStringLiteral("Receipt.MyNumber=Journal.MyNumber AND Journal.Description='R' AND ")
                        + period.during(QStringLiteral("Receipt.MyDate")),
                    QStringLiteral("R")))))
        return false;
    std::array<qint64, 6> tenders {};
    if (q.next())
        for (int i = 0; i < 6; ++i)
            tenders[i] = qRound64(q.value(i).toDouble());
    qint64 received = 0;
    for (qint64 t : tenders)
        received += t;

    DocWriter doc;
    writeHead(doc, QStringLiteral("monthend3"), period.summary, true, kShowOnly);
    doc.money("invtax1total", taxable1)
        .money("invtax2total", taxable2)
        .money("invexmtotal", exempt)
        .money("tax1total", tax1)
        .money("tax2total", tax2)
        .money("total", total);
    const bool semper = settings->readBoolEntry(QStringLiteral("/Global/Semper/Enabled"));
    const QString names[6] = { AnalysisReports::tr("Cash"), AnalysisReports::tr("Credit Card"),
        AnalysisReports::tr("Cheque"), semper ? AnalysisReports::tr("On Acc") : AnalysisReports::tr("EFT"),
        AnalysisReports::tr("Coupons"), AnalysisReports::tr("Bad Debt") };
    for (int i = 0; i < 6; ++i)
        doc.open("item").text("type", names[i]).money("amount", money(tenders[i]));
    // Coupons and write-offs were not money in; interest was charged, not
    // paid.
    const qint64 net = received - tenders[4] - tenders[5] - interest;
    doc.open("tail")
        .money("rectotal", money(received))
        .money("disctotal", money(tenders[4]))
        .money("badtotal", money(tenders[5]))
        .money("inttotal", money(interest))
        .money("total", money(net))
        .money("tax1total", tax1)
        .money("tax2total", tax2)
        .money("income", money(net) - Utility::roundCents(tax1) - Utility::roundCents(tax2));
    writeTaxNames(doc);
    *document = doc.finish();
    return true;
}

} // namespace

QStringList AnalysisReports::build(const QString& start, const QString& end)
{
    const Period period { start, end, tr("%1 to %2").arg(start, end) };
    QString daily, byDepartment, income;
    qint64 interest = 0;
    if (!dailySummary(period, &daily) || !interestCharged(period, &interest)
        || !departments(period, interest, &byDepartment) || !taxAndIncome(period, interest, &income))
        return {};
    return { daily, byDepartment, income };
}
