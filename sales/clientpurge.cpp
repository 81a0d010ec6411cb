// Purging a client account with its receipts and ledger; its invoices stay.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zktransaction.h"

#include <QSqlQuery>

void Sales::purgeClient()
{
    const int account = getAccountNumber();
    if (account <= 0) {
        ZkPrompt::warning(this, tr("Brevalon - Purge Client"), tr("There is no Client selected, purge impossible !"));
        return;
    }
    if (account == 1) {
        ZkPrompt::warning(this, tr("Brevalon - Purge Client"), tr("You may not purge the CASH account !"));
        return;
    }
    const QString caption = tr("Purge Client");
    const QStringList yesNo = {tr("&Yes"), tr("&No")};
    if (ZkPrompt::question(this, caption, tr("Confirm that you will purge Client number %1").arg(account), yesNo, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }
    setStatus(tr("Purging client ..."));
    utils->logAction(caption, tr("Acc: %1").arg(account), QString(), '0');

    if (ZkPrompt::question(this, caption, tr("Do you wish to print a statement first ?"), yesNo, 0, 1) == 0) {
        // The statement is of the current account: this one, for the while.
        const int current = utils->getAccountNumber();
        utils->setDetails(account);
        utils->processStatement(1);
        utils->setDetails(current);
    }

    {
        // The account goes with its receipts and ledger in one unit.
        ZkTransaction unit;
        bool done = unit.isOpen() && ZkDb::lockAccount(account);
        for (const char* table : {"Receipt", "Journal", "JournalArchive", "Clients"}) {
            QSqlQuery q;
            if (done && !ZkDb::exec(q, QStringLiteral("DELETE FROM %1 WHERE AccountNumber=%2")
                                           .arg(QLatin1String(table))
                                           .arg(account)))
                done = !Utility::showDBError(q);
        }
        if (!done || !unit.commit()) {
            setStatus(QString());
            return;
        }
    }
    setStatus(QString());
    dropAccount(account);
    if (AccEdit->text().trimmed() == QString::number(account))
        clearClientForm();
    refreshClientList();
}
