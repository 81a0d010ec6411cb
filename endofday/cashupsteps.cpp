#include "endofday/cashupsteps.h"

#include "core/zkdb.h"
#include "core/zktransaction.h"
#include "endofday/statement.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace CashUpSteps {

namespace {

using EndOfDay::run;

const QString kLineColumns = QStringLiteral(
    "MyNumber, MyDate, InvoiceNumber, SP, Quantity, Category, Department, Code, UnitOfMeasure, Price, Cost, "
    "Discount, Description, Tax1, Tax2, SerialNo, Returnable, DTR, Printed, CashUp");
const QString kLedgerColumns = QStringLiteral(
    "AccountNumber, Description, MyDate, Amount, Rounding, TipAmount, MyNumber, Status, CrossRef");

// A settled ledger: its balance is 0 to the cent and every row counted.
const QString kSettled = QStringLiteral(
    "GROUP BY AccountNumber HAVING "
    "SUM(CASE WHEN Description IN ('Q','VI','VR') THEN 0 ELSE ROUND((Amount - Rounding) * 100) END) = 0 "
    "AND SUM(CASE WHEN Status='P' THEN 0 ELSE 1 END) = 0");

// Reads the first column of every row as numbers.
bool numbers(const QString& sql, QStringList* out)
{
    QSqlQuery q;
    if (!run(q, sql))
        return false;
    out->clear();
    while (q.next())
        *out << QString::number(q.value(0).toLongLong());
    return true;
}

bool runAll(const QStringList& statements)
{
    ZkTransaction unit;
    if (!unit.isOpen())
        return false;
    for (const QString& statement : statements) {
        QSqlQuery q;
        if (!run(q, statement))
            return false;
    }
    return unit.commit();
}

} // namespace

bool unfinished(bool* found)
{
    QStringList taken;
    if (!numbers(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE Status='U'"), &taken))
        return false;
    QStringList lines;
    if (!numbers(QStringLiteral("SELECT COUNT(*) FROM InvoiceItem WHERE CashUp=2 UNION ALL "
                                "SELECT COUNT(*) FROM InvoiceItemArchive WHERE CashUp=2"),
            &lines))
        return false;
    *found = taken.value(0).toInt() > 0 || lines.value(0).toInt() > 0 || lines.value(1).toInt() > 0;
    return true;
}

bool take()
{
    return runAll(
        { QStringLiteral("UPDATE Journal SET Status='U' WHERE Status IS NULL OR Status NOT IN ('P','U')"),
            QStringLiteral("UPDATE InvoiceItem SET CashUp=2 WHERE CashUp=0"),
            QStringLiteral("UPDATE InvoiceItemArchive SET CashUp=2 WHERE CashUp=0") });
}

bool archiveLines(int batch)
{
    for (;;) {
        ZkTransaction unit;
        if (!unit.isOpen())
            return false;
        QStringList lines;
        if (!numbers(QStringLiteral("SELECT InvoiceItem.MyNumber FROM InvoiceItem, Invoice WHERE "
                                    "Invoice.MyNumber=InvoiceItem.InvoiceNumber AND Invoice.Status<>'P' "
                                    "ORDER BY InvoiceItem.MyNumber LIMIT %1")
                         .arg(batch)
                    + ZkDb::forUpdate(),
                &lines))
            return false;
        if (lines.isEmpty())
            return unit.commit();
        const QString list = lines.join(QLatin1Char(','));
        QSqlQuery q;
        // A line already in the archive keeps the archived copy.
        if (!run(q,
                QStringLiteral(
                    "INSERT INTO InvoiceItemArchive (%1) SELECT %1 FROM InvoiceItem WHERE MyNumber "
                    "IN (%2) AND MyNumber NOT IN (SELECT MyNumber FROM InvoiceItemArchive WHERE "
                    "MyNumber IN (%2))")
                    .arg(kLineColumns, list))
            || !run(q, QStringLiteral("DELETE FROM InvoiceItem WHERE MyNumber IN (%1)").arg(list)))
            return false;
        if (!unit.commit())
            return false;
    }
}

bool finish()
{
    return runAll({ QStringLiteral("UPDATE Journal SET Status='P' WHERE Status='U'"),
        QStringLiteral("UPDATE InvoiceItem SET CashUp=1 WHERE CashUp=2"),
        QStringLiteral("UPDATE InvoiceItemArchive SET CashUp=1 WHERE CashUp=2") });
}

bool archiveLedgers(int batch)
{
    QStringList accounts;
    if (!numbers(QStringLiteral("SELECT AccountNumber FROM Journal WHERE AccountNumber IN "
                                "(SELECT AccountNumber FROM Clients) ")
                + kSettled + QLatin1String(" ORDER BY AccountNumber"),
            &accounts))
        return false;
    for (int first = 0; first < accounts.size(); first += batch) {
        const QString candidates = accounts.mid(first, batch).join(QLatin1Char(','));
        ZkTransaction unit;
        if (!unit.isOpen())
            return false;
        // Held, the ledgers are read again: one may have changed since.
        QStringList settled;
        QSqlQuery q;
        if (!run(q,
                QStringLiteral("SELECT AccountNumber FROM Journal WHERE AccountNumber IN (%1)")
                        .arg(candidates)
                    + ZkDb::forUpdate())
            || !numbers(QStringLiteral("SELECT AccountNumber FROM Journal WHERE AccountNumber IN (%1) ")
                            .arg(candidates)
                    + kSettled,
                &settled))
            return false;
        if (!settled.isEmpty()) {
            const QString list = settled.join(QLatin1Char(','));
            if (!run(q,
                    QStringLiteral(
                        "INSERT INTO JournalArchive (%1) SELECT %1 FROM Journal WHERE Status='P' AND "
                        "AccountNumber IN (%2)")
                        .arg(kLedgerColumns, list))
                || !run(q,
                    QStringLiteral("DELETE FROM Journal WHERE Status='P' AND AccountNumber IN (%1)")
                        .arg(list)))
                return false;
        }
        if (!unit.commit())
            return false;
    }
    return true;
}

} // namespace CashUpSteps
