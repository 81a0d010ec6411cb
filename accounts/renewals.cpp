// Renewal reminders for returnables due back within the next 20 days.

#include "core/utility.h"

#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "documents/docwriter.h"
#include "accounts/accountdoc.h"
#include "posting/documenthead.h"

#include <QSqlQuery>
#include <QVariant>

void Utility::mailRenewals()
{
    if (ZkPrompt::question(m_mainWindow, tr("Mail Renewals"),
                           tr("Confirm that you wish to print renewals for mailing\nThis may take a few minutes"),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(m_mainWindow, tr("Mail Renewals"), tr("Operation cancelled"));
        return;
    }
    const int mode = ZkPrompt::question(m_mainWindow, tr("Brevalon - Mail Renewals"),
                                        tr("Please select the mode for renewals"),
                                        {tr("&Print"), tr("Pre&view"), tr("&Cancel")}, 0, 2);
    if (mode == 2) {
        ZkPrompt::information(m_mainWindow, tr("Brevalon - Renewals"), tr("Operation cancelled"));
        return;
    }

    const QDate today = ZkClock::today();
    // Due today up to 20 days ahead; the date range does what the day count
    // would, and lets the index of DateDue choose the rows.
    QSqlQuery due;
    if (!due.exec(QStringLiteral("SELECT DTRHistory.AccountNumber, DTRHistory.Code, DTRHistory.DateDue, "
                                 "Inventory.Description FROM DTRHistory LEFT JOIN Inventory ON "
                                 "Inventory.Code=DTRHistory.Code WHERE (DTRHistory.Sent IS NULL OR "
                                 "DTRHistory.Sent<>'Y') AND DTRHistory.DateDue>='%1' AND DTRHistory.DateDue<'%2' "
                                 "ORDER BY DTRHistory.DateDue, DTRHistory.AccountNumber")
                      .arg(today.toString(QStringLiteral("yyyy-MM-dd")),
                           today.addDays(21).toString(QStringLiteral("yyyy-MM-dd"))))) {
        showDBError(due);
        return;
    }
    struct Renewal
    {
        int account;
        QString code, dueText, description;
        QDate dueDate;
    };
    QList<Renewal> renewals;
    while (due.next()) {
        // A date reads back as "yyyy-MM-dd" on every server.
        const QString dueText = due.value(2).toString().left(10);
        renewals.append({due.value(0).toInt(), due.value(1).toString(), dueText, due.value(3).toString(),
                         QDate::fromString(dueText, QStringLiteral("yyyy-MM-dd"))});
    }

    for (const Renewal& r : renewals) {
        DocumentClient client;
        bool found = false;
        if (!DocumentHead::readClient(r.account, false, &client, &found))
            return;
        DocWriter doc;
        AccountDoc::clientHead(doc, QStringLiteral("renewal"), r.account, client);
        doc.raw("auto", QStringLiteral("no"))
            .text("description", AccountDoc::html(r.description))
            .text("expiry", r.dueDate.isValid() ? locale().toString(r.dueDate, QLocale::LongFormat) : r.dueText);
        const bool accepted = showDocument(doc.finish(), false);
        if (mode != 0 || !accepted)
            continue;
        QSqlQuery sent;
        if (!sent.exec(QStringLiteral("UPDATE DTRHistory SET Sent='Y' WHERE AccountNumber=%1 AND Code='%2' AND "
                                      "DateDue>='%3' AND DateDue<'%4'")
                           .arg(QString::number(r.account), escapeSQL(r.code), r.dueText,
                                r.dueDate.addDays(1).toString(QStringLiteral("yyyy-MM-dd"))))) {
            showDBError(sent);
            return;
        }
    }
    ZkPrompt::information(m_mainWindow, tr("Brevalon - Renewals"), tr("Operation completed"));
}
