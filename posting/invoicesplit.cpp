// Splitting a table's bill between its guests. Every bill of a split is an
// ordinary invoice of the table, printed, paid, voided and cashed up on its
// own; together their lines and ledger rows are exactly those of the bill
// before it was split, so stock and every total stay as they were.

#include "core/utility.h"

#include "core/zkdb.h"
#include "core/zktransaction.h"

#include <QMap>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>
#include <algorithm>

namespace {

// A line of the bill in whole units: thousandths of its quantity, cents of
// its amount and cost. Shares are cut in these so that they add up exactly.
struct Line
{
    int number = 0;
    qint64 milli = 0;
    qint64 cents = 0;
    qint64 cost = 0;
    bool returnable = false;
};

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

QString money(qint64 cents)
{
    return QString::number(double(cents) / 100 + 0.0, 'f', 2);
}

QString quantity(qint64 milli)
{
    return QString::number(double(milli) / 1000 + 0.0, 'f', 3);
}

bool run(const QString& sql)
{
    QSqlQuery q;
    if (ZkDb::exec(q, sql))
        return true;
    Utility::showDBError(q);
    return false;
}

bool readLines(int invoice, QList<Line>* lines)
{
    QSqlQuery q;
    if (!ZkDb::exec(q,
            QStringLiteral("SELECT MyNumber, Quantity, Price, Cost, Returnable FROM InvoiceItem WHERE "
                           "InvoiceNumber=%1 ORDER BY MyNumber")
                .arg(invoice))) {
        Utility::showDBError(q);
        return false;
    }
    while (q.next()) {
        lines->append({ q.value(0).toInt(), qRound64(q.value(1).toDouble() * 1000),
            qRound64(q.value(2).toDouble() * 100), qRound64(q.value(3).toDouble() * 100),
            q.value(4).toString() == QLatin1String("Y") });
    }
    return true;
}

bool setLine(const Line& line, qint64 milli, qint64 cents, qint64 cost)
{
    return run(QStringLiteral("UPDATE InvoiceItem SET Quantity=%1, Price=%2, Cost=%3 WHERE MyNumber=%4")
                   .arg(quantity(milli), money(cents), money(cost), QString::number(line.number)));
}

// A share of a line on another bill: the same line in every column but the
// amounts; its kitchen marks come along, so no docket prints it again.
bool copyLine(const Line& line, int bill, qint64 milli, qint64 cents, qint64 cost, bool tracked)
{
    static const QString same
        = QStringLiteral("MyDate, SP, Category, Department, Code, UnitOfMeasure, Discount, "
                         "Description, Tax1, Tax2, SerialNo, Returnable, DTR, Printed, CashUp");
    if (!run(QStringLiteral(
            "INSERT INTO InvoiceItem (InvoiceNumber, Quantity, Price, Cost, %1) SELECT %2, %3, %4, %5, "
            "%1 FROM InvoiceItem WHERE MyNumber=%6")
                 .arg(same, QString::number(bill), quantity(milli), money(cents), money(cost),
                     QString::number(line.number))))
        return false;
    if (!tracked || !line.returnable)
        return true;
    const int copy = ZkDb::newRowNumber(QStringLiteral("invoiceitem_seq"));
    return copy > 0
        && run(QStringLiteral(
            "INSERT INTO Returns (InvoiceNumber, InvoiceItemNumber, DateDone, Status) SELECT %1, %2, "
            "DateDone, Status FROM Returns WHERE InvoiceItemNumber=%3")
                   .arg(bill)
                   .arg(copy)
                   .arg(line.number));
}

bool moveLine(const Line& line, int bill)
{
    return run(QStringLiteral("UPDATE InvoiceItem SET InvoiceNumber=%1 WHERE MyNumber=%2")
                   .arg(bill)
                   .arg(line.number))
        && run(QStringLiteral("UPDATE Returns SET InvoiceNumber=%1 WHERE InvoiceItemNumber=%2")
                   .arg(bill)
                   .arg(line.number));
}

} // namespace

bool Utility::beginSplit(int number, int* root, QString* refusal)
{
    if (!lockInvoiceAccount(number))
        return false;
    QSqlQuery q;
    if (!ZkDb::exec(q, QStringLiteral("SELECT Status, SplitOf FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    if (!q.next()) {
        *refusal = tr("Could not find any matching Invoice # %1").arg(number);
        return false;
    }
    const bool open = q.value(0).toString() == QLatin1String("P");
    const int splitOf = q.value(1).toInt();
    q.finish();
    if (open) {
        // The open order becomes the bill, as Print Bill would make it.
        const int mode = m_documentMode;
        m_documentMode = 0;
        const bool posted = postInvoice(number);
        m_documentMode = mode;
        if (!posted)
            return false;
    } else {
        if (!ZkDb::exec(q,
                QStringLiteral("SELECT CrossRef, Status FROM Journal WHERE MyNumber=%1 AND Description='I'")
                    .arg(number))) {
            showDBError(q);
            return false;
        }
        // Read under the account's lock: another till may have paid it.
        if (!q.next() || q.value(0).toInt() != 0) {
            *refusal = tr("Invoice # %1 is paid or voided and can no longer be split").arg(number);
            return false;
        }
        if (q.value(1).toString() == QLatin1String("P")) {
            *refusal = tr("Invoice # %1 has been cashed up and can no longer be split").arg(number);
            return false;
        }
    }
    *root = splitOf > 0 ? splitOf : number;
    return splitOf > 0 || run(QStringLiteral("UPDATE Invoice SET SplitOf=%1 WHERE MyNumber=%1").arg(number));
}

int Utility::newSplitBill(int source, int root)
{
    if (!run(QStringLiteral(
            "INSERT INTO Invoice (MyDate, AccountNumber, Status, Tax1, Tax2, Waiter, Station, SplitOf) "
            "SELECT MyDate, AccountNumber, 'C', Tax1, Tax2, Waiter, Station, %1 FROM Invoice WHERE "
            "MyNumber=%2")
                 .arg(root)
                 .arg(source)))
        return -1;
    const int bill = ZkDb::newRowNumber(QStringLiteral("invoice_mynumber_seq"));
    if (bill <= 0 || takeSequenceNumber(bill) <= 0)
        return -1;
    return bill;
}

bool Utility::postSplitTotal(int number, int source)
{
    double amount = 0;
    if (!postedTotal(number, &amount))
        return false;
    const double rounding = getRounding(&amount);
    const QString due = QString::number(amount, 'f', 2), cut = QString::number(rounding, 'f', 2);
    if (number == source)
        return run(
            QStringLiteral("UPDATE Journal SET Amount=%1, Rounding=%2 WHERE MyNumber=%3 AND Description='I'")
                .arg(due, cut, QString::number(number)));
    // The new bill belongs to the evening of the bill it came from.
    return run(
        QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber) "
                       "SELECT AccountNumber, 'I', MyDate, %1, %2, %3 FROM Journal WHERE MyNumber=%4 AND "
                       "Description='I'")
            .arg(due, cut, QString::number(number), QString::number(source)));
}

QList<int> Utility::splitInvoice(int number, const QList<SplitMove>& moves, QString* refusal)
{
    const int account = m_account;
    auto done = [&](const QList<int>& bills) {
        m_account = account; // posting the open order chose its account
        return bills;
    };
    ZkTransaction unit;
    int root = 0;
    QList<Line> lines;
    if (!unit.isOpen() || !beginSplit(number, &root, refusal) || !readLines(number, &lines))
        return done({});
    if (lines.isEmpty()) {
        *refusal = tr("There is nothing on bill # %1 to split").arg(number);
        return done({});
    }

    // What each line gives: its thousandths moving, checked against the
    // line as it is now (another till may have changed the bill).
    QMap<int, qint64> moving;
    for (const SplitMove& move : moves) {
        const qint64 milli = qRound64(move.quantity * 1000);
        if (milli == 0)
            continue;
        const auto line = std::find_if(
            lines.cbegin(), lines.cend(), [&](const Line& l) { return l.number == move.line; });
        if (line == lines.cend()) {
            *refusal = tr("Bill # %1 has changed meanwhile: split it again").arg(number);
            return done({});
        }
        moving[move.line] += milli;
        if (milli < 0 || moving[move.line] > qAbs(line->milli)) {
            *refusal = tr("A line of %1 cannot give %2 to the new bill")
                           .arg(numStr(double(line->milli) / 1000, 3),
                               numStr(double(moving[move.line]) / 1000, 3));
            return done({});
        }
    }
    if (moving.isEmpty()) {
        *refusal = tr("Choose what goes to the new bill");
        return done({});
    }
    const bool everything = std::all_of(
        lines.cbegin(), lines.cend(), [&](const Line& l) { return moving.value(l.number) == qAbs(l.milli); });
    if (everything) {
        *refusal = tr("Something must stay on bill # %1").arg(number);
        return done({});
    }

    const int bill = newSplitBill(number, root);
    if (bill < 0)
        return done({});
    for (const Line& line : lines) {
        const qint64 milli = moving.value(line.number);
        if (milli == 0)
            continue;
        if (milli == qAbs(line.milli)) {
            if (!moveLine(line, bill))
                return done({});
            continue;
        }
        // Part of a line: its amount and cost go in proportion, the cents
        // left over staying with the line.
        const qint64 whole = qAbs(line.milli), sign = line.milli < 0 ? -1 : 1;
        const qint64 cents = qRound64(double(line.cents) * milli / whole);
        const qint64 cost = qRound64(double(line.cost) * milli / whole);
        if (!copyLine(line, bill, sign * milli, cents, cost, true)
            || !setLine(line, line.milli - sign * milli, line.cents - cents, line.cost - cost))
            return done({});
    }
    if (!postSplitTotal(number, number) || !postSplitTotal(bill, number) || !unit.commit())
        return done({});
    return done({ number, bill });
}

QList<int> Utility::splitInvoiceEvenly(int number, int parts, QString* refusal)
{
    if (parts < 2) {
        *refusal = tr("A bill is split into 2 parts or more");
        return {};
    }
    const int account = m_account;
    auto done = [&](const QList<int>& bills) {
        m_account = account;
        return bills;
    };
    ZkTransaction unit;
    int root = 0;
    QList<Line> all;
    if (!unit.isOpen() || !beginSplit(number, &root, refusal) || !readLines(number, &all))
        return done({});
    // Lines without an amount (remarks, notes) stay on the first bill.
    QList<Line> lines;
    qint64 total = 0;
    for (const Line& line : all) {
        if (line.cents != 0)
            lines << line;
        total += line.cents;
    }
    if (lines.isEmpty() || total <= 0) {
        *refusal = tr("There is nothing on bill # %1 to split").arg(number);
        return done({});
    }
    if (parts > total) {
        *refusal
            = tr("A bill of %1 cannot be split into %2 parts").arg(numStr(double(total) / 100, 2)).arg(parts);
        return done({});
    }

    // Every bill but the last comes to total/parts cents exactly. Each line
    // gives every bill its whole share of cents; the cents the lines have
    // left over make up those bills one by one, and what remains of each
    // line goes to the last bill.
    const qint64 base = floorDiv(total, parts);
    const int n = lines.size();
    QVector<QVector<qint64>> share(parts, QVector<qint64>(n));
    QVector<qint64> spare(n);
    qint64 whole = 0;
    for (int i = 0; i < n; ++i) {
        const qint64 each = floorDiv(lines[i].cents, parts);
        spare[i] = lines[i].cents - each * parts;
        whole += each;
        for (int k = 0; k < parts - 1; ++k)
            share[k][i] = each;
    }
    int from = 0;
    for (int k = 0; k < parts - 1; ++k) {
        for (qint64 missing = base - whole; missing > 0; --missing) {
            while (spare[from] == 0)
                ++from;
            ++share[k][from];
            --spare[from];
        }
    }
    for (int i = 0; i < n; ++i) {
        qint64 given = 0;
        for (int k = 0; k < parts - 1; ++k)
            given += share[k][i];
        share[parts - 1][i] = lines[i].cents - given;
    }

    QList<int> bills { number };
    for (int k = 1; k < parts; ++k) {
        const int bill = newSplitBill(number, root);
        if (bill < 0)
            return done({});
        bills << bill;
    }
    for (int i = 0; i < n; ++i) {
        const Line& line = lines[i];
        const qint64 milli = floorDiv(line.milli, parts), cost = floorDiv(line.cost, parts);
        const qint64 last = parts - 1;
        // The first bill keeps the line itself; the others get copies.
        if (!setLine(line, milli, share[0][i], cost))
            return done({});
        for (int k = 1; k < parts; ++k) {
            if (!copyLine(line, bills[k], k == last ? line.milli - last * milli : milli, share[k][i],
                    k == last ? line.cost - last * cost : cost, false))
                return done({});
        }
    }
    for (const int bill : bills) {
        if (!postSplitTotal(bill, number))
            return done({});
    }
    if (!unit.commit())
        return done({});
    return done(bills);
}

void Utility::printSplitBills(const QList<int>& bills)
{
    const int mode = m_documentMode;
    m_documentMode = 0;
    for (const int bill : bills) {
        const QString document = invoiceDocument(bill, InvoiceCopy::Posted, 0, nullptr, nullptr, nullptr);
        if (!document.isEmpty() && showDocument(document, false))
            saveDocumentEmail(QStringLiteral("Invoice"), bill);
    }
    m_documentMode = mode;
    // An open order split at once may hold lines whose docket failed.
    for (const int bill : bills)
        printDockets(bill);
}
