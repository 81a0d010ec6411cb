// The Documents tab: the account's invoices, receipts, quotes and returns of
// a period, live and archived, with the unpaid invoices always among them
// and voided documents drawn apart.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"

#include <QSqlQuery>

namespace {

enum Period { Today, ThisWeek, ThisMonth, ThisYear, Forever };

/** The condition on MyDate that keeps a period's rows; empty for all. */
QString periodCondition(int period)
{
    const QDate today = ZkClock::today();
    switch (period) {
    case Today:
        return QStringLiteral(" AND MyDate LIKE '%1%'").arg(today.toString(QStringLiteral("yyyy-MM-dd")));
    case ThisWeek:
        // From the Sunday before (a week back on a Sunday).
        return QStringLiteral(" AND MyDate >= '%1'")
            .arg(today.addDays(-today.dayOfWeek()).toString(QStringLiteral("yyyy-MM-dd")));
    case ThisMonth:
        return QStringLiteral(" AND MyDate LIKE '%1-%'").arg(today.toString(QStringLiteral("yyyy-MM")));
    case ThisYear:
        return QStringLiteral(" AND MyDate LIKE '%1-%-%'").arg(today.year());
    default:
        return QString();
    }
}

/** A voided document stays in its list, greyed and struck through, and
 *  cannot be chosen. */
void markVoided(ZkListItem* row)
{
    row->setVisual(1);
    row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
    for (int c = 0; c < row->columnCount(); ++c) {
        QFont font = row->font(c);
        font.setStrikeOut(true);
        font.setItalic(true);
        row->setFont(c, font);
    }
}

} // namespace

void Sales::historyPeriod(int period)
{
    for (QTreeWidget* list : {InvoiceListView, ReceiptListView, QuoteListView, RefundListView})
        list->clear();
    const int account = utils->getAccountNumber();
    if (account < 0)
        return;
    const QString when = periodCondition(period);
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyNumber,MyDate,Amount,Description,CrossRef from Journal where "
                               "AccountNumber=%1%2 OR (AccountNumber=%1 AND Description='I' AND CrossRef='0') "
                               "UNION ALL SELECT MyNumber,MyDate,Amount,Description,CrossRef from JournalArchive "
                               "where AccountNumber=%1%2 ORDER BY MyDate")
                    .arg(QString::number(account), when))) {
        Utility::showDBError(q);
        return;
    }
    // Lists sorted by a column would re-sort at every row.
    for (QTreeWidget* list : {InvoiceListView, ReceiptListView, QuoteListView, RefundListView})
        list->setSortingEnabled(false);
    while (q.next()) {
        const QString code = q.value(3).toString().trimmed();
        const bool voided = code.contains(QLatin1String("VI")) || code == QLatin1String("VR");
        QTreeWidget* list = nullptr;
        if (code.contains(QLatin1String("VI")) || code == QLatin1String("I"))
            list = InvoiceListView;
        else if (code == QLatin1String("VR") || code == QLatin1String("R"))
            list = ReceiptListView;
        else if (code == QLatin1String("Q"))
            list = QuoteListView;
        else if (code == QLatin1String("RF"))
            list = RefundListView;
        else
            continue; // interest and anything else has no list here
        const bool receipt = list == ReceiptListView;
        const double amount = q.value(2).toDouble();
        auto* row = new ZkListItem(list, {q.value(0).toString(), ZkDb::dateTimeText(q.value(1)),
                                          Utility::numStr(receipt ? -amount : amount, 2)});
        if (code == QLatin1String("I") && q.value(4).toInt() != 0)
            row->setText(3, q.value(4).toString()); // the receipt that paid it
        if (voided)
            markVoided(row);
    }
    for (QTreeWidget* list : {InvoiceListView, ReceiptListView, QuoteListView, RefundListView}) {
        list->setSortingEnabled(true);
        // Dates whole; the last column takes what is left.
        for (int c = 0; c + 1 < list->columnCount(); ++c)
            list->resizeColumnToContents(c);
    }
}

void Sales::documentsForToday()
{
    comboBox5->setCurrentIndex(0);
    historyPeriod(0);
}
