// The journal trail (every ledger row of an account) and the audit trail
// (every item line it bought), live and archived rows alike.

#include "core/utility.h"

#include "accounts/accountdoc.h"
#include "core/archivedrows.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "documents/docwriter.h"
#include "posting/documenthead.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// The client of a trail, after the no-account warning; false when there
// is none to show.
bool trailClient(QWidget* parent, int account, DocumentClient* client)
{
    if (account == -1) {
        ZkPrompt::warning(parent, Utility::tr("Brevalon Error"), Utility::tr("You have not selected a valid client."));
        return false;
    }
    bool found = false;
    return DocumentHead::readClient(account, false, client, &found);
}

QString shortDate(const QVariant& column)
{
    return ZkDb::dateTime(column).date().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

void Utility::processJournalTrail()
{
    DocumentClient client;
    if (!trailClient(m_mainWindow, m_account, &client))
        return;
    // Voided documents and quotes are no part of the account's history;
    // the ledger marks them by their codes.
    QSqlQuery q;
    if (!q.exec(ArchivedRows::ordered(
            QStringLiteral("MyDate,MyNumber,Description,Amount,Rounding,CrossRef"), {QStringLiteral("Journal")},
            QStringLiteral("AccountNumber=%1 AND Description NOT IN ('VR','VI','Q')").arg(m_account),
            QStringLiteral("MyDate,MyNumber")))) {
        showDBError(q);
        return;
    }
    DocWriter doc;
    AccountDoc::clientHead(doc, QStringLiteral("Journal"), m_account, client);
    doc.raw("auto", QStringLiteral("no"));
    for (int row = 0; q.next(); ++row) {
        const int crossRef = q.value(5).toInt();
        doc.open("item")
            .raw("date", shortDate(q.value(0)))
            .raw("ref", q.value(1).toString())
            .text("description", AccountDoc::codeText(q.value(2).toString()))
            .money("amount", q.value(3).toDouble() - q.value(4).toDouble())
            .raw("crossref", crossRef > 0 ? QString::number(crossRef) : QString())
            .raw("bgcolor", AccountDoc::rowColour(row));
    }
    showDocument(doc.finish(), false);
}

void Utility::processAuditTrail()
{
    DocumentClient client;
    if (!trailClient(m_mainWindow, m_account, &client))
        return;
    const QString invoices = ArchivedRows::select(QStringLiteral("MyNumber"), {QStringLiteral("Journal")},
                                                  QStringLiteral("AccountNumber=%1 AND Description='I'").arg(m_account));
    // The scratch table is shared with the other stations: taken here,
    // given back on every way out.
    if (!makeTempInvoiceItemTable(QStringLiteral("WHERE InvoiceNumber IN (") + invoices + QLatin1Char(')'), true))
        return;
    QSqlQuery q;
    const bool read =
        q.exec(QStringLiteral("SELECT MyDate, Description, Quantity, Price FROM temp ORDER BY MyDate, MyNumber"));
    if (!read)
        showDBError(q);
    DocWriter doc;
    int row = 0;
    if (read) {
        AccountDoc::clientHead(doc, QStringLiteral("audit"), m_account, client);
        doc.raw("auto", QStringLiteral("no"));
        for (; q.next(); ++row) {
            doc.open("item")
                .raw("date", shortDate(q.value(0)))
                .text("description", AccountDoc::html(q.value(1).toString()))
                .raw("quantity", AccountDoc::quantityText(q.value(2).toDouble()))
                .money("amount", q.value(3).toDouble())
                .raw("bgcolor", AccountDoc::rowColour(row));
        }
    }
    q.finish();
    ZkDb::releaseTemp();
    if (!read)
        return;
    if (row == 0) {
        ZkPrompt::information(m_mainWindow, tr("Audit Trail"), tr("No transactions found for this account"));
        return;
    }
    showDocument(doc.finish(), false);
}
