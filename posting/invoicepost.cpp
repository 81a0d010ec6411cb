#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zktransaction.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "sales/change.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

QString ledgerCode(int mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("Q");
    case 2:
        return QStringLiteral("RF");
    default:
        return QStringLiteral("I");
    }
}

} // namespace

bool Utility::postedTotal(int number, double* total)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Tax1, Tax2 FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    const bool found = q.next();
    const double rate1 = found ? q.value(0).toDouble() : 0;
    const double rate2 = found ? q.value(1).toDouble() : 0;
    if (!q.exec(QStringLiteral("SELECT Price, Tax1, Tax2 FROM InvoiceItem WHERE InvoiceNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    double sum = 0, taxed1 = 0, taxed2 = 0;
    while (q.next()) {
        const double price = q.value(0).toDouble();
        sum += price;
        if (q.value(1).toString() == QLatin1String("Y"))
            taxed1 += price;
        if (q.value(2).toString() == QLatin1String("Y"))
            taxed2 += price;
    }
    *total = m_taxMode == 0 ? sum + roundCents(rate1 * taxed1) + roundCents(rate2 * taxed2) : sum;
    return true;
}

bool Utility::invoiceWasPosted(int number, int account, bool* posted)
{
    auto rows = [](const QString& sql, int* count) {
        QSqlQuery q;
        if (!q.exec(sql)) {
            showDBError(q);
            return false;
        }
        *count = q.next() ? q.value(0).toInt() : 0;
        return true;
    };
    // Receipts share the numbers: only the codes an invoice posting writes
    // (and a void leaves) count. A cash-up may have archived the row.
    const QString codes = QStringLiteral(" WHERE MyNumber=%1 AND Description IN ('I','Q','RF','VI')").arg(number);
    int live = 0, archived = 0, clients = 0;
    if (!rows(QStringLiteral("SELECT COUNT(*) FROM Journal") + codes, &live)
        || !rows(QStringLiteral("SELECT COUNT(*) FROM JournalArchive") + codes, &archived)
        || !rows(QStringLiteral("SELECT COUNT(*) FROM Clients WHERE AccountNumber=%1").arg(account), &clients))
        return false;
    // A purged account took its ledger with it; its documents stay closed.
    *posted = live + archived > 0 || clients == 0;
    return true;
}

bool Utility::closeInvoice(int number, int mode)
{
    m_postedNow = false;
    QSqlQuery q;
    if (!ZkDb::exec(q, QStringLiteral("SELECT Status, AccountNumber FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    const bool found = q.next();
    const bool wasClosed = found && q.value(0).toString() == QLatin1String("C");
    const int account = found ? q.value(1).toInt() : m_account;
    q.finish();
    if (!ZkDb::exec(q, QStringLiteral("UPDATE Invoice SET Status='C' WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    m_account = account;
    double amount = 0;
    if (!postedTotal(number, &amount))
        return false;

    // Accepting a closed document again (a reprint) never posts it twice.
    if (wasClosed) {
        bool posted = false;
        if (!invoiceWasPosted(number, account, &posted))
            return false;
        if (posted)
            return true;
    }

    const double rounding = getRounding(&amount);
    if (!ZkDb::exec(q, QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                      "MyNumber) VALUES (%1, '%2', '%3', %4, %5, %6)")
                           .arg(QString::number(account), ledgerCode(mode), ZkClock::nowText(),
                                QString::number(amount, 'f', 2), QString::number(rounding, 'f', 2),
                                QString::number(number)))) {
        showDBError(q);
        return false;
    }
    m_postedNow = true;
    if (mode == 0 || mode == 3) {
        if (!ZkDb::exec(q, QStringLiteral("SELECT MyNumber, Code, DTR FROM InvoiceItem WHERE InvoiceNumber=%1 AND "
                                          "DTR<>0 ORDER BY MyNumber")
                               .arg(number))) {
            showDBError(q);
            return false;
        }
        if (q.next()) {
            const QString due = QStringLiteral("INSERT INTO DTRHistory (DateDue, InvoiceItemNumber, Code, "
                                               "AccountNumber) VALUES ('%1', %2, '%3', %4)")
                                    .arg(ZkClock::today().addDays(q.value(2).toInt()).toString(QStringLiteral("yyyy-MM-dd")),
                                         QString::number(q.value(0).toInt()), escapeSQL(q.value(1).toString()),
                                         QString::number(account));
            q.finish();
            if (!ZkDb::exec(q, due)) {
                showDBError(q);
                return false;
            }
        }
    }
    return true;
}

bool Utility::lockInvoiceAccount(int number)
{
    QSqlQuery q;
    if (!ZkDb::exec(q, QStringLiteral("SELECT AccountNumber FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    // A document that is not there is reported by whoever reads it.
    if (!q.next())
        return true;
    const int account = q.value(0).toInt();
    q.finish();
    return ZkDb::lockAccount(account);
}

bool Utility::postInvoice(int number)
{
    const int sequence = takeSequenceNumber(number);
    if (sequence < 0)
        return false;
    if (sequence == 0) {
        qWarning("I Can't locate Invoice # %d", number);
        return false;
    }
    return m_documentMode == 3 || closeInvoice(number, m_documentMode);
}

bool Utility::askTakeOutChange(int number, double* tendered)
{
    *tendered = 0;
    if (!settings->readBoolEntry(QStringLiteral("/Global/TakeOutChange")))
        return true;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT UPPER(Clients.Name) FROM Invoice, Clients WHERE Invoice.MyNumber=%1 AND "
                               "Clients.AccountNumber=Invoice.AccountNumber")
                    .arg(number))) {
        showDBError(q);
        return false;
    }
    const QString name = q.next() ? q.value(0).toString() : QString();
    q.finish();
    if (name.startsWith(tr("TABLE ")))
        return true;
    double due = 0;
    if (!postedTotal(number, &due))
        return false;
    // The customer pays the cash-rounded amount.
    const double rounding = getRounding(&due);
    Change change(m_mainWindow);
    change.setAmount(due - rounding);
    *tendered = change.getChange();
    return *tendered >= 0;
}

void Utility::saveDocumentEmail(const QString& table, int number)
{
    const QString email = m_docPrint->email();
    // Not mailed: the column stays as it was written, empty.
    if (email.isEmpty())
        return;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("UPDATE %1 SET Email='%2' WHERE MyNumber=%3").arg(table, escapeSQL(email)).arg(number)))
        showDBError(q);
}

bool Utility::reopenInvoice(int number, const QString& codes)
{
    ZkTransaction unit;
    if (!unit.isOpen() || !lockInvoiceAccount(number))
        return false;
    QSqlQuery q;
    if (!ZkDb::exec(q, QStringLiteral("SELECT AccountNumber FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    const int account = q.next() ? q.value(0).toInt() : -1;
    q.finish();
    // What another till ordered on the account since this one was closed
    // belongs on it: an account keeps one open order.
    const int newer = account < 0 ? 0 : pendingInvoice(account);
    if (newer < 0)
        return false;
    QStringList statements{
        QStringLiteral("DELETE FROM Journal WHERE MyNumber=%1 AND Description IN (%2)").arg(number).arg(codes),
        QStringLiteral("DELETE FROM DTRHistory WHERE InvoiceItemNumber IN (SELECT MyNumber FROM InvoiceItem WHERE "
                       "InvoiceNumber=%1 AND DTR<>0)")
            .arg(number),
        QStringLiteral("UPDATE Invoice SET Status='P', Station='%1' WHERE MyNumber=%2")
            .arg(escapeSQL(m_stationId))
            .arg(number)};
    if (newer > 0 && newer != number) {
        const QString moved = QStringLiteral("SET InvoiceNumber=%1 WHERE InvoiceNumber=%2").arg(number).arg(newer);
        statements << QLatin1String("UPDATE InvoiceItem ") + moved << QLatin1String("UPDATE Returns ") + moved
                   << QStringLiteral("DELETE FROM Invoice WHERE MyNumber=%1").arg(newer);
    }
    for (const QString& sql : statements) {
        if (!ZkDb::exec(q, sql)) {
            showDBError(q);
            return false;
        }
    }
    return unit.commit();
}

bool Utility::processInvoice(int number, bool reprint, double* total, double* tax1, double* tax2, bool buildOnly)
{
    const int savedAccount = m_account;
    auto finish = [&](bool result) {
        m_account = savedAccount;
        return result;
    };
    const int mode = m_documentMode;

    double tendered = 0;
    if (!reprint && !askTakeOutChange(number, &tendered))
        return finish(false);
    if (!reprint && !buildOnly) {
        {
            ZkTransaction unit;
            if (!unit.isOpen() || !lockInvoiceAccount(number) || !postInvoice(number) || !unit.commit())
                return finish(false);
        }
        return finish(showPostedInvoice(number, tendered, total, tax1, tax2));
    }

    const QString document = buildInvoice(number, reprint, tendered, total, tax1, tax2);
    if (buildOnly || document.isEmpty() || mode == 3 || !showDocument(document, false))
        return finish(false);
    // Accepting a reprint of a document still pending closes and posts it;
    // a closed one is never posted twice.
    bool closed = false;
    {
        ZkTransaction unit;
        closed = unit.isOpen() && lockInvoiceAccount(number) && closeInvoice(number, mode) && unit.commit();
    }
    if (closed)
        documentAccepted(number);
    return finish(closed);
}

void Utility::documentAccepted(int number)
{
    saveDocumentEmail(QStringLiteral("Invoice"), number);
    // A refund is logged once it went out, and only the first time.
    if (m_documentMode != 2 || !m_postedNow)
        return;
    m_postedNow = false;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT AccountNumber FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return;
    }
    const int account = q.next() ? q.value(0).toInt() : m_account;
    q.finish();
    logAction(tr("Refund"), tr("Account No %1, Doc No. %2").arg(account).arg(number), QString(), '2');
}

bool Utility::printInvoice(int number, double* total, double* tax1, double* tax2)
{
    double tendered = 0;
    if (!askTakeOutChange(number, &tendered)) {
        // As if it had never been posted.
        reopenInvoice(number, QStringLiteral("'%1'").arg(ledgerCode(m_documentMode)));
        return false;
    }
    return showPostedInvoice(number, tendered, total, tax1, tax2);
}

bool Utility::showPostedInvoice(int number, double tendered, double* total, double* tax1, double* tax2)
{
    const int mode = m_documentMode;
    if (mode == 3) {
        printDockets(number);
        return false;
    }
    const QString document = invoiceDocument(number, InvoiceCopy::Posted, tendered, total, tax1, tax2);
    if (!document.isEmpty() && showDocument(document, false)) {
        documentAccepted(number);
        return true;
    }
    // Not accepted: the document was never posted, as far as anyone can tell.
    reopenInvoice(number, QStringLiteral("'%1'").arg(ledgerCode(mode)));
    if (mode == 0)
        printDockets(number);
    return false;
}

void Utility::printDockets(int number)
{
    // The screens first: they wait on nothing, and a printer that jams or
    // is off keeps nothing from them.
    sendToScreens(number);
    for (const int printer : docketPrinters())
        printDocket(number, printer);
}

void Utility::previewInvoice(int number)
{
    QString document = buildInvoice(number, false, 0);
    if (document.isEmpty())
        return;
    document.remove(QStringLiteral("auto=\"print\""));
    showDocument(document, true);
}
