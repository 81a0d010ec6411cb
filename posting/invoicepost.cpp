#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
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
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Invoice WHERE MyNumber=%1 AND Status='C'").arg(number))) {
        showDBError(q);
        return false;
    }
    const bool wasClosed = q.next() && q.value(0).toInt() > 0;
    if (!q.exec(QStringLiteral("UPDATE Invoice SET Status='C', Email='") + escapeSQL(m_docPrint->email())
                + QStringLiteral("' WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    if (!q.exec(QStringLiteral("SELECT AccountNumber FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    const int account = q.next() ? q.value(0).toInt() : m_account;
    m_account = account;
    double amount = 0;
    if (!postedTotal(number, &amount))
        return false;

    // Accepting a closed document again (a reprint) never posts it twice;
    // but a close whose posting failed half way is posted when the document
    // is accepted again.
    if (wasClosed) {
        bool posted = false;
        if (!invoiceWasPosted(number, account, &posted))
            return false;
        if (posted)
            return true;
    }

    const double rounding = getRounding(&amount);
    if (!q.exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber) "
                               "VALUES (%1, '%2', '%3', %4, %5, %6)")
                    .arg(QString::number(account), ledgerCode(mode), ZkClock::nowText(),
                         QString::number(amount, 'f', 2), QString::number(rounding, 'f', 2),
                         QString::number(number)))) {
        showDBError(q);
        return false;
    }
    // From here the document is posted; what follows is reported but does
    // not undo that.
    if (mode == 2)
        logAction(tr("Refund"), tr("Account No %1, Doc No. %2").arg(account).arg(number), QString(), '2');
    if (mode == 0 || mode == 3) {
        if (!q.exec(QStringLiteral("SELECT MyNumber, Code, DTR FROM InvoiceItem WHERE InvoiceNumber=%1 AND DTR<>0 "
                                   "ORDER BY MyNumber")
                        .arg(number))) {
            showDBError(q);
            return true;
        }
        if (q.next()) {
            QSqlQuery due;
            if (!due.exec(QStringLiteral("INSERT INTO DTRHistory (DateDue, InvoiceItemNumber, Code, AccountNumber) "
                                         "VALUES ('%1', %2, '%3', %4)")
                              .arg(ZkClock::today().addDays(q.value(2).toInt()).toString(QStringLiteral("yyyy-MM-dd")),
                                   QString::number(q.value(0).toInt()), escapeSQL(q.value(1).toString()),
                                   QString::number(account))))
                showDBError(due);
        }
    }
    return true;
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
    if (settings->readBoolEntry(QStringLiteral("/Global/TakeOutChange")) && !reprint) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT UPPER(Clients.Name) FROM Invoice, Clients WHERE Invoice.MyNumber=%1 AND "
                                   "Clients.AccountNumber=Invoice.AccountNumber")
                        .arg(number))) {
            showDBError(q);
            return finish(false);
        }
        const QString name = q.next() ? q.value(0).toString() : QString();
        if (!name.startsWith(tr("TABLE "))) {
            double due = 0;
            if (!postedTotal(number, &due))
                return finish(false);
            // The customer pays the cash-rounded amount.
            const double rounding = getRounding(&due);
            Change change(m_mainWindow);
            change.setAmount(due - rounding);
            tendered = change.getChange();
            if (tendered < 0)
                return finish(false);
        }
    }

    const QString document = buildInvoice(number, reprint, tendered, total, tax1, tax2);
    if (buildOnly || document.isEmpty())
        return finish(false);
    const bool accepted = mode != 3 && showDocument(document, false);
    if (!accepted) {
        if ((mode == 0 || mode == 3) && !reprint)
            printDockets(number);
        return finish(false);
    }
    return finish(closeInvoice(number, mode));
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
