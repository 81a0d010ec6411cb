// Merging two client accounts: the history of the old account moves to the
// new one and the old account goes. The command runs twice: the first time
// it notes the old account, the second time it merges into the account
// selected then.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zktransaction.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

bool clientExists(int account)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT AccountNumber FROM Clients WHERE AccountNumber=%1").arg(account))) {
        Utility::showDBError(q);
        return false;
    }
    return q.next();
}

} // namespace

void Sales::mergeClient()
{
    const QString caption = tr("Merge Clients");
    const int selected = getAccountNumber();

    if (m_mergeFrom < 0) {
        if (selected <= 0) {
            ZkPrompt::warning(this, caption, tr("You must first select the old client you are going to merge from"));
            return;
        }
        // Merging deletes the old account; the cash account must stay.
        if (selected == 1) {
            ZkPrompt::warning(this, caption, tr("You may not modify the CASH account !"));
            return;
        }
        if (ZkPrompt::informationQuestion(this, caption,
                                          tr("Now select the new client\nthen select Merge Clients again"),
                                          {tr("Ok"), tr("Cancel")}, 0, 1)
            != 0) {
            ZkPrompt::information(this, caption, tr("Operation cancelled"));
            return;
        }
        m_mergeFrom = selected;
        return;
    }

    const int from = m_mergeFrom;
    if (selected <= 0 || selected == from || !clientExists(selected)) {
        // Ok keeps the old account for another try; Cancel gives up.
        if (ZkPrompt::warningQuestion(this, caption, tr("You have not selected a valid new client. Try again."),
                                      {tr("Ok"), tr("Cancel")}, 0, 1)
            != 0) {
            m_mergeFrom = -1;
            ZkPrompt::information(this, caption, tr("Operation cancelled"));
        }
        return;
    }
    m_mergeFrom = -1;
    if (ZkPrompt::question(this, caption, tr("Confirm that you will merge Account number %1\nto this new client ?").arg(from),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }

    setStatus(tr("Merging clients ..."));
    QStringList statements;
    for (const char* table : {"Invoice", "Journal", "Receipt", "JournalArchive"})
        statements << QStringLiteral("UPDATE %1 SET AccountNumber=%2 WHERE AccountNumber=%3")
                          .arg(QLatin1String(table))
                          .arg(selected)
                          .arg(from);
    statements << QStringLiteral("DELETE FROM Clients WHERE AccountNumber=%1").arg(from);
    {
        // All of the history moves, or none of it; both accounts are held
        // (in the order of their numbers) while it does.
        ZkTransaction unit;
        bool done = unit.isOpen() && ZkDb::lockAccount(qMin(from, selected)) && ZkDb::lockAccount(qMax(from, selected));
        if (done)
            utils->logAction(caption, tr("Acc: %1 to %2").arg(from).arg(selected), QString(), '0');
        for (int i = 0; done && i < statements.size(); ++i) {
            QSqlQuery q;
            if (!ZkDb::exec(q, statements.at(i)))
                done = !Utility::showDBError(q);
        }
        if (!done || !unit.commit()) {
            setStatus(QString());
            return;
        }
    }
    setStatus(QString());
    dropAccount(from);
    refreshClientList();
    if (utils->getAccountNumber() == selected)
        refreshReceipt(selected);
}
