// A client's statement: the aged balance, this and last month's ledger
// rows, and the hand-over footer for an account past the day limit.

#include "core/utility.h"

#include "accounts/accountdoc.h"
#include "accounts/ageing.h"
#include "core/archivedrows.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "documents/docwriter.h"
#include "posting/documenthead.h"

#include <QSqlQuery>
#include <QVariant>

Utility::StatementResult Utility::processStatement(int mode)
{
    if (m_account == -1) {
        ZkPrompt::warning(m_mainWindow, tr("Brevalon Error"), tr("You have not selected a valid client."));
        return StatementFailed;
    }
    const int account = m_account;
    if (m_info.arrearsInterest != 0 && !processInterest())
        return StatementFailed;

    const QDate today = ZkClock::today();
    const bool dayLimit = m_info.maxStatementDays >= 1;
    Ageing aged;
    if (!AccountAgeing::read(account, today, AccountAgeing::statementDebits(), &aged,
                             dayLimit ? today.addDays(-m_info.maxStatementDays) : QDate()))
        return StatementFailed;

    bool handOver = false;
    if (dayLimit) {
        if (roundCents(aged.debitsBefore + aged.payments) > 0) {
            QSqlQuery q;
            // Marked once: a write that changes nothing would still cost a
            // commit on every run.
            if (!q.exec(QStringLiteral("UPDATE Clients SET BadDebt='Y' WHERE AccountNumber=%1 AND (BadDebt IS NULL OR "
                                       "BadDebt<>'Y')")
                            .arg(account))) {
                showDBError(q);
                return StatementFailed;
            }
            if (ZkPrompt::question(m_mainWindow, tr("Brevalon - Mail Statements"),
                                   tr("Account #%1 is past the %2 day limit\nThis account should have been handed "
                                      "over\nWould you like to skip the printing of its statment ?")
                                       .arg(account)
                                       .arg(m_info.maxStatementDays),
                                   {tr("&No"), tr("&Yes")}, 1, 1)
                != 0)
                return StatementSkipped;
            handOver = true;
        }
    }

    DocumentClient client;
    bool found = false;
    if (!DocumentHead::readClient(account, false, &client, &found))
        return StatementFailed;

    DocWriter doc;
    AccountDoc::clientHead(doc, QStringLiteral("statement"), account, client);
    doc.raw("auto", mode == 1 ? QStringLiteral("print") : mode == 2 ? QStringLiteral("email") : QStringLiteral("no"));
    doc.open("item")
        .text("description", tr("Balance B/F"))
        .raw("date", today.toString(QStringLiteral("yyyy-MM-dd")))
        .money("amount", aged.overdue());

    const QDate from = today.addMonths(-1);
    QSqlQuery rows;
    if (!rows.exec(ArchivedRows::ordered(
            QStringLiteral("MyDate,MyNumber,Description,Amount,Rounding"), {QStringLiteral("Journal")},
            QStringLiteral("AccountNumber=%1 AND MyDate>='%2' AND Description NOT IN ('VR','VI','Q')")
                .arg(account)
                .arg(QDate(from.year(), from.month(), 1).toString(QStringLiteral("yyyy-MM-dd"))),
            QStringLiteral("MyDate,MyNumber")))) {
        showDBError(rows);
        return StatementFailed;
    }
    while (rows.next()) {
        const QString code = rows.value(2).toString().trimmed();
        // The interest charge has no document number to show.
        QString description = escapeXML(AccountDoc::html(AccountDoc::codeText(code)));
        if (code != QLatin1String("IA"))
            description += QLatin1String("  ") + QString::number(rows.value(1).toInt());
        doc.open("item")
            .raw("description", description)
            .raw("date", ZkDb::dateTime(rows.value(0)).date().toString(QStringLiteral("yyyy-MM-dd")))
            .money("amount", rows.value(3).toDouble() - rows.value(4).toDouble());
    }

    const double total = roundCents(aged.debits + aged.payments);
    doc.open("tail")
        .money("total", total)
        .money("current", total - aged.overdue())
        .money("day120", aged.day120)
        .money("day90", aged.day90)
        .money("day60", aged.day60)
        .money("day30", aged.day30)
        .text("statefoot1", m_info.statementFooter[0])
        .text("statefoot2", m_info.statementFooter[1])
        .text("statefoot3", m_info.statementFooter[2])
        .text("handed", handOver ? m_info.handOverFooter : QString());
    return showDocument(doc.finish(), false) ? StatementProcessed : StatementClosed;
}
