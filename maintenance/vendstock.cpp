// The item maintenance dialog: the order of the touch buttons and the
// stock level worked out again from what was received and sold.

#include "maintenance/vendtable.h"

#include "maintenance/itemlistmodel.h"
#include "maintenance/rankswap.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSqlQuery>
#include <cmath>

void VendTable::rankUp()
{
    moveRank(true);
}

void VendTable::rankDown()
{
    moveRank(false);
}

void VendTable::moveRank(bool up)
{
    const QString caption = tr("Modify Entry");
    if (!m_loaded.valid) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to modify"));
        return;
    }
    // Within the department shown: its items are the buttons of one page.
    const QString filter = m_model->department().isEmpty()
        ? QString()
        : QStringLiteral("Department='%1'").arg(Utility::escapeSQL(m_model->department()));
    switch (RankSwap::move(QStringLiteral("Inventory"), QStringLiteral("Code"), filter, m_loaded.code, up)) {
    case RankSwap::Moved:
        utils->logAction(tr("Inventory Ranking"), tr("Update %1").arg(m_loaded.description), QString(), '0');
        showItem(m_loaded.code);
        return;
    case RankSwap::AtEnd:
        ZkPrompt::warning(this, caption,
                          up ? tr("Selected item is already at top of ranking")
                             : tr("Selected item is already at bottom of ranking"));
        return;
    case RankSwap::Missing:
        ZkPrompt::warning(this, caption,
                          tr("The entry %1, Code %2 is no longer on file.\nAnother till may have deleted it.")
                              .arg(m_loaded.description, m_loaded.code));
        return;
    case RankSwap::Failed:
        return;
    }
}

void VendTable::stockLevelFix()
{
    const QString caption = tr("Brevalon");
    if (!m_loaded.valid) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to modify"));
        return;
    }
    if (ZkPrompt::question(
            this, caption,
            tr("Confirm that you wish to update the stock levels based on stock receieved and dispensed ?"),
            {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }
    const QString code = Utility::escapeSQL(m_loaded.code);
    const QString description = Utility::escapeSQL(m_loaded.description);
    // A sale counts once its invoice (or refund) is in the ledger: quotes,
    // open bills and voided invoices do not move stock.
    const QString posted = QStringLiteral("EXISTS (SELECT 1 FROM Journal j WHERE j.MyNumber=s.InvoiceNumber "
                                          "AND j.Description IN ('I','RF')) OR "
                                          "EXISTS (SELECT 1 FROM JournalArchive j WHERE "
                                          "j.MyNumber=s.InvoiceNumber AND j.Description IN ('I','RF'))");
    const QString dispensed
        = QStringLiteral("(SELECT COALESCE(SUM(s.Quantity), 0) FROM %1 s WHERE s.Code='%2' AND s.Category='Inventory' "
                         "AND s.Description='%3' AND (%4))");
    // One statement: the level is worked out and written at one moment.
    const QString sql
        = QStringLiteral("UPDATE Inventory SET Quantity=(SELECT COALESCE(SUM(Quantity), 0) FROM StockTraceItem WHERE "
                         "Description='%1') - %2 - %3 WHERE Code='%4'")
              .arg(description, dispensed.arg(QStringLiteral("InvoiceItem"), code, description, posted),
                   dispensed.arg(QStringLiteral("InvoiceItemArchive"), code, description, posted), code);
    QSqlQuery q;
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        return;
    }
    const double was = m_loaded.quantity;
    if (loadItem(m_loaded.code) && std::abs(m_loaded.quantity - was) >= 0.0005)
        utils->logAction(tr("Inventory"),
                         tr("Update %1 : Stock Level was %2 now %3")
                             .arg(m_loaded.description, Utility::numStr(was, 3), Utility::numStr(m_loaded.quantity, 3)),
                         QString(), '0');
}
