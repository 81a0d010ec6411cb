#include "endofday/cashupreports.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docwriter.h"
#include "core/archivedrows.h"
#include "endofday/cashupscope.h"
#include "endofday/reporthead.h"
#include "endofday/statement.h"

#include <QHash>
#include <QMap>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <array>

using namespace EndOfDayReport;
using EndOfDay::run;

namespace {

struct LedgerRow
{
    int account = 0;
    QString code;
    int number = 0;
    qint64 amount = 0; ///< Amount - Rounding
    qint64 ledger = 0; ///< Amount as posted
    qint64 rounding = 0;
};

// The tenders of a receipt in the order of the Receipt columns.
enum Tender { Cash, Card, Cheque, Coupon, Eft, BadDebt, TenderCount };
using Tenders = std::array<qint64, TenderCount>;

struct Book
{
    QList<LedgerRow> rows; ///< in document-number order
    QHash<int, QString> names;
    QHash<int, qint64> balances;
    QHash<int, std::pair<double, double>> rates;
    QHash<int, int> splitOf; ///< a bill of a split -> the first bill of it
    struct Lines
    {
        double cost = 0, tax1Only = 0, tax2Only = 0, both = 0;
    };
    QHash<int, Lines> lines;
    QHash<int, Tenders> receipts;
};

const QString kCounted = QStringLiteral("Description NOT IN ('Q','VR','VI')");
const QString kInvoices = QStringLiteral("Description IN ('I','RF')");
const QString kReceipts = QStringLiteral("Description='R'");

bool readBook(const CashUpScope& scope, Book* book)
{
    QSqlQuery q;
    if (!run(q,
            scope.ledger(QStringLiteral("AccountNumber, Description, MyNumber, Amount, Rounding"), kCounted)))
        return false;
    while (q.next()) {
        LedgerRow row;
        row.account = q.value(0).toInt();
        row.code = q.value(1).toString().trimmed().toUpper();
        row.number = q.value(2).toInt();
        row.ledger = cents(q.value(3).toDouble());
        row.rounding = cents(q.value(4).toDouble());
        row.amount = row.ledger - row.rounding;
        book->rows << row;
    }
    std::stable_sort(book->rows.begin(), book->rows.end(),
        [](const LedgerRow& a, const LedgerRow& b) { return a.number < b.number; });

    const QString accounts = scope.ledger(QStringLiteral("AccountNumber"), kCounted);
    if (!run(q,
            QStringLiteral("SELECT AccountNumber, Name FROM Clients WHERE AccountNumber IN (%1)")
                .arg(accounts)))
        return false;
    while (q.next())
        book->names.insert(q.value(0).toInt(), q.value(1).toString());

    if (!run(q,
            QStringLiteral(
                "SELECT AccountNumber, SUM(Amount - Rounding) FROM (%1) AS B GROUP BY AccountNumber")
                .arg(scope.balanceRows(QStringLiteral("AccountNumber, Amount, Rounding"),
                    kCounted + QStringLiteral(" AND AccountNumber IN (%1)").arg(accounts)))))
        return false;
    while (q.next())
        book->balances.insert(q.value(0).toInt(), cents(q.value(1).toDouble()));

    const QString invoices = scope.ledger(QStringLiteral("MyNumber"), kInvoices);
    if (!run(q,
            QStringLiteral("SELECT MyNumber, Tax1, Tax2, SplitOf FROM Invoice WHERE MyNumber IN (%1)")
                .arg(invoices)))
        return false;
    while (q.next()) {
        book->rates.insert(q.value(0).toInt(), { q.value(1).toDouble(), q.value(2).toDouble() });
        if (q.value(3).toInt() > 0)
            book->splitOf.insert(q.value(0).toInt(), q.value(3).toInt());
    }

    // A document's lines may already be archived (a cash-up that was cut
    // short moved them), so both line tables are read.
    if (!run(q,
            QStringLiteral("SELECT InvoiceNumber, SUM(Cost), "
                           "SUM(CASE WHEN Tax1='Y' AND COALESCE(Tax2,'N')<>'Y' THEN Price ELSE 0 END), "
                           "SUM(CASE WHEN Tax2='Y' AND COALESCE(Tax1,'N')<>'Y' THEN Price ELSE 0 END), "
                           "SUM(CASE WHEN Tax1='Y' AND Tax2='Y' THEN Price ELSE 0 END) "
                           "FROM %1 GROUP BY InvoiceNumber")
                .arg(ArchivedRows::from(QStringLiteral("InvoiceNumber, Cost, Price, Tax1, Tax2"),
                    { QStringLiteral("InvoiceItem") }, QStringLiteral("InvoiceNumber IN (%1)").arg(invoices),
                    QStringLiteral("L")))))
        return false;
    while (q.next())
        book->lines.insert(q.value(0).toInt(),
            { q.value(1).toDouble(), q.value(2).toDouble(), q.value(3).toDouble(), q.value(4).toDouble() });

    if (!run(q,
            QStringLiteral("SELECT MyNumber, CashAmount, CardAmount, ChequeAmount, CouponAmount, EFTAmount, "
                           "BadDebtAmount FROM Receipt WHERE MyNumber IN (%1)")
                .arg(scope.ledger(QStringLiteral("MyNumber"), kReceipts))))
        return false;
    while (q.next()) {
        Tenders t {};
        for (int i = 0; i < TenderCount; ++i)
            t[i] = cents(q.value(i + 1).toDouble());
        book->receipts.insert(q.value(0).toInt(), t);
    }
    return true;
}

QString clientOf(const Book& book, int account)
{
    return clientName(account, book.names.value(account));
}

QString accountsReport(const Book& book, const CashUpScope& scope, const char* autoAction)
{
    QMap<int, std::pair<qint64, qint64>> accounts; // invoiced, received
    for (const LedgerRow& row : book.rows) {
        auto& sums = accounts[row.account];
        if (row.code == QLatin1String("I") || row.code == QLatin1String("RF"))
            sums.first += row.amount;
        else if (row.code == QLatin1String("R"))
            sums.second += row.amount;
    }
    DocWriter doc;
    writeHead(doc, QStringLiteral("cashup1"), scope.summary(), false, autoAction);
    qint64 invoiced = 0, received = 0, balance = 0;
    for (auto it = accounts.cbegin(); it != accounts.cend(); ++it) {
        const qint64 owed = book.balances.value(it.key());
        doc.open("item")
            .raw("acc", QString::number(it.key()))
            .text("client", clientOf(book, it.key()))
            .money("invoiced", money(it->first))
            .money("received", money(it->second))
            .money("balance", money(owed));
        invoiced += it->first;
        received += it->second;
        balance += owed;
    }
    doc.open("tail")
        .money("invoiced", money(invoiced))
        .money("received", money(received))
        .money("balance", money(balance));
    return doc.finish();
}

// The tax of one document from the sums of its lines, as the cash-up has
// always worked it out: on top of the prices, or taken out of them.
std::pair<double, double> documentTax(const Book::Lines& l, double rate1, double rate2)
{
    if (utils->taxMode() == 0)
        return { rate1 * (l.tax1Only + l.both), rate2 * (l.tax2Only + l.both) };
    const double both = l.both / (1 + rate1 + rate2);
    return { rate1 * l.tax1Only / (1 + rate1) + rate1 * both,
        rate2 * l.tax2Only / (1 + rate2) + rate2 * both };
}

QString invoicesReport(const Book& book, const CashUpScope& scope, const char* autoAction, qint64* rounding)
{
    DocWriter doc;
    writeHead(doc, QStringLiteral("cashup2"), scope.summary(), true, autoAction);
    qint64 invoiced = 0, cost = 0, tax1 = 0, tax2 = 0;
    // The bills a bill was split into count once, as the bill they were:
    // its tax is worked out on all their lines together, as it would have
    // been unsplit.
    QList<LedgerRow> documents;
    QHash<int, Book::Lines> grouped;
    QHash<int, int> at;
    for (const LedgerRow& row : book.rows) {
        if ((row.code != QLatin1String("I") && row.code != QLatin1String("RF")) || row.ledger == 0)
            continue;
        int key = book.splitOf.value(row.number, row.number);
        if (!book.lines.contains(key) || !book.rates.contains(key))
            key = row.number; // its first bill was counted before
        const Book::Lines part = book.lines.value(row.number);
        Book::Lines& sum = grouped[key];
        sum.cost += part.cost;
        sum.tax1Only += part.tax1Only;
        sum.tax2Only += part.tax2Only;
        sum.both += part.both;
        if (!at.contains(key)) {
            at.insert(key, documents.size());
            documents << row;
            documents.last().number = key;
            continue;
        }
        LedgerRow& document = documents[at.value(key)];
        document.amount += row.amount;
        document.ledger += row.ledger;
        document.rounding += row.rounding;
    }
    for (const LedgerRow& row : documents) {
        const Book::Lines lines = grouped.value(row.number);
        const auto rates = book.rates.value(row.number);
        const auto tax = documentTax(lines, rates.first, rates.second);
        const qint64 lineCost = cents(Utility::roundCents(lines.cost));
        const qint64 t1 = cents(Utility::roundCents(tax.first));
        const qint64 t2 = cents(Utility::roundCents(tax.second));
        doc.open("item")
            .raw("number", QString::number(row.number))
            .raw("acc", QString::number(row.account))
            .text("client", clientOf(book, row.account))
            .money("amount", money(row.amount))
            .money("cost", money(lineCost))
            .money("tax1", money(t1))
            .money("tax2", money(t2));
        invoiced += row.amount;
        cost += lineCost;
        tax1 += t1;
        tax2 += t2;
        *rounding += row.rounding;
    }
    const qint64 outlay = cost + tax1 + tax2;
    doc.open("tail")
        .money("invoiced", money(invoiced))
        .money("cost", money(cost))
        .money("profit", money(invoiced - outlay))
        .money("margin", outlay == 0 ? 0.0 : (double(invoiced) / double(outlay) - 1) * 100)
        .money("tax1", money(tax1))
        .money("tax2", money(tax2));
    writeTaxNames(doc);
    return doc.finish();
}

struct TenderSum
{
    int count = 0;
    qint64 total = 0;
};

QString receiptsReport(const Book& book, const CashUpScope& scope, const char* autoAction,
    std::array<TenderSum, TenderCount>* sums)
{
    static const char* const names[TenderCount]
        = { QT_TRANSLATE_NOOP("CashUpReports", "Cash"), QT_TRANSLATE_NOOP("CashUpReports", "C/Card"),
              QT_TRANSLATE_NOOP("CashUpReports", "Cheque"), QT_TRANSLATE_NOOP("CashUpReports", "Coupon"),
              QT_TRANSLATE_NOOP("CashUpReports", "EFT"), QT_TRANSLATE_NOOP("CashUpReports", "Bad Debt") };
    DocWriter doc;
    writeHead(doc, QStringLiteral("cashup3"), scope.summary(), true, autoAction);
    qint64 received = 0;
    for (const LedgerRow& row : book.rows) {
        if (row.code != QLatin1String("R") || row.ledger == 0)
            continue;
        received -= row.ledger;
        const Tenders tenders = book.receipts.value(row.number, Tenders {});
        for (int kind = 0; kind < TenderCount; ++kind) {
            if (tenders[kind] == 0)
                continue;
            doc.open("item")
                .raw("number", QString::number(row.number))
                .raw("acc", QString::number(row.account))
                .text("client", clientOf(book, row.account))
                .text("type", CashUpReports::tr(names[kind]))
                .money("amount", money(tenders[kind]));
            (*sums)[kind].count += 1;
            (*sums)[kind].total += tenders[kind];
        }
    }
    doc.open("tail").money("received", money(received));
    return doc.finish();
}

QString tendersReport(const CashUpScope& scope, const char* autoAction,
    const std::array<TenderSum, TenderCount>& sums, qint64 rounding)
{
    DocWriter doc;
    writeHead(doc, QStringLiteral("cashup4"), scope.summary(), true, autoAction);
    auto line = [&doc](const QString& type, const TenderSum& sum, int sign) {
        doc.open("item")
            .text("type", type)
            .raw("count", QString::number(sum.count))
            .money("total", money(sign * sum.total))
            .money("amount", money(sign * sum.total));
    };
    const bool semper = settings->readBoolEntry(QStringLiteral("/Global/Semper/Enabled"));
    // Coupons and write-offs were taken instead of money: they come off.
    line(CashUpReports::tr("Cash"), sums[Cash], 1);
    line(CashUpReports::tr("Cheque"), sums[Cheque], 1);
    line(CashUpReports::tr("Credit Card"), sums[Card], 1);
    line(semper ? CashUpReports::tr("On Acc.") : CashUpReports::tr("EFT"), sums[Eft], 1);
    line(CashUpReports::tr("Coupons"), sums[Coupon], -1);
    line(CashUpReports::tr("Write Off's"), sums[BadDebt], -1);
    doc.open("item")
        .text("type", CashUpReports::tr("Rounding"))
        .money("total", money(rounding))
        .money("amount", 0);
    const qint64 total = sums[Cash].total + sums[Cheque].total + sums[Card].total + sums[Eft].total
        - sums[Coupon].total - sums[BadDebt].total;
    doc.open("tail")
        .money("total", money(total))
        .money("amount", money(total))
        .text("handover", utils->sysInfo().handOverFooter);
    return doc.finish();
}

bool itemsSoldReport(const CashUpScope& scope, const char* autoAction, QString* document)
{
    DocWriter doc;
    writeHead(doc, QStringLiteral("cashup5"), scope.summary(), true, autoAction);
    // The live lines and the archived ones, each list grouped on its own.
    for (const char* table : { "InvoiceItem", "InvoiceItemArchive" }) {
        QSqlQuery q;
        if (!run(q,
                QStringLiteral("SELECT Description, SUM(Quantity) FROM %1 WHERE Price>0 AND %2 AND "
                               "%3 GROUP BY Description ORDER BY Description")
                    .arg(QLatin1String(table), scope.soldLines(),
                        wasSold(QLatin1String(table) + QLatin1String(".InvoiceNumber")))))
            return false;
        while (q.next())
            doc.open("item")
                .text("description", q.value(0).toString())
                .raw("quantity", quantityText(q.value(1).toDouble()));
    }
    doc.open("tail");
    *document = doc.finish();
    return true;
}

} // namespace

QStringList CashUpReports::build(const CashUpScope& scope)
{
    Book book;
    if (!readBook(scope, &book))
        return {};
    const char* autoAction = scope.isCashUp() ? kMustPrint : kShowOnly;
    qint64 rounding = 0;
    std::array<TenderSum, TenderCount> sums {};
    QStringList documents { accountsReport(book, scope, autoAction),
        invoicesReport(book, scope, autoAction, &rounding), receiptsReport(book, scope, autoAction, &sums) };
    documents << tendersReport(scope, autoAction, sums, rounding);
    QString itemsSold;
    if (!itemsSoldReport(scope, autoAction, &itemsSold))
        return {};
    documents << itemsSold;
    return documents;
}
