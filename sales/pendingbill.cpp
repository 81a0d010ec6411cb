// The account's pending bill: shown as it would print, or taken back into
// the sale to be changed, keeping its number for when it is written again.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"

#include <QSqlQuery>

namespace {

/** A stored quantity as the entry writes one: no decimals it does not need. */
QString quantityText(double quantity)
{
    QString text = Utility::numStr(quantity, 3);
    const QChar point = Utility::locale().decimalPoint().at(0);
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(1);
    }
    return text;
}

} // namespace

void Sales::previewInvoice()
{
    const int number = pendingInvoice(utils->getAccountNumber());
    if (number < 0)
        return;
    if (number == 0) {
        ZkPrompt::information(this, tr("Preview"), tr("There is no order to preview"));
        return;
    }
    utils->setQuoteMode(false);
    utils->previewInvoice(number);
    utils->logAction(tr("Preview Bill"), tr("Inv # %1").arg(number), QString(), '0');
}

void Sales::editInvoice()
{
    const int number = pendingInvoice(utils->getAccountNumber());
    if (number < 0)
        return;
    if (number == 0) {
        ZkPrompt::information(this, tr("Edit"), tr("There are no Items pending"));
        return;
    }
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Quantity,Description,Discount,Price,Category,Code,UnitOfMEasure,MyDate,Tax1,"
                               "Tax2,SerialNo,SP,Department,Cost,Returnable,DTR,Printed FROM InvoiceItem WHERE "
                               "InvoiceNumber=%1 order by MyNumber DESC")
                    .arg(number))) {
        Utility::showDBError(q);
        return;
    }
    struct Stock
    {
        QString code;
        double quantity;
    };
    QList<Stock> stock;
    QList<QTreeWidgetItem*> taken;
    // Newest first, each at the top: the bill's lines come back in their order.
    while (q.next()) {
        const QString category = q.value(4).toString();
        const bool note = category == QLatin1String("Remarks") || category == QLatin1String("Notes");
        const double quantity = q.value(0).toDouble();
        auto* row = new ZkListItem(VendListView, nullptr);
        taken << row;
        row->setText(ColQuantity, note ? QString() : quantityText(quantity));
        row->setText(ColDescription, q.value(1).toString());
        row->setText(ColDiscount, quantityText(q.value(2).toDouble()));
        row->setText(ColAmount, Utility::numStr(q.value(3).toDouble(), 2));
        row->setText(ColCategory, category);
        row->setText(ColCode, q.value(5).toString());
        row->setText(ColUnit, q.value(6).toString());
        row->setText(ColDate, ZkDb::dateTimeText(q.value(7)));
        row->setText(ColTax1, q.value(8).toString());
        row->setText(ColTax2, q.value(9).toString());
        row->setText(ColSerial, q.value(10).toString());
        row->setText(ColSalesPerson, q.value(11).toString());
        row->setText(ColDepartment, q.value(12).toString());
        row->setText(ColCost, Utility::numStr(q.value(13).toDouble(), 2));
        row->setText(ColReturnable, q.value(14).toString());
        row->setText(ColDtr, QString::number(q.value(15).toInt()));
        row->setText(ColPrinted, QString::number(q.value(16).toInt()));
        if (category == QLatin1String("Inventory") && !q.value(5).toString().isEmpty())
            stock.append({q.value(5).toString(), quantity});
    }
    q.finish();

    if (!q.exec(QStringLiteral("DELETE FROM InvoiceItem WHERE InvoiceNumber=%1").arg(number))) {
        Utility::showDBError(q);
        qDeleteAll(taken); // the lines are still the bill's
        updateTotal();
        return;
    }
    // From here the lines are the sale's. A header that stays (a failed
    // delete) stays the account's pending bill, which they join again.
    m_linesTakenBack = true;
    if (!q.exec(QStringLiteral("DELETE FROM Returns WHERE InvoiceNumber=%1").arg(number)))
        Utility::showDBError(q);
    if (!q.exec(QStringLiteral("DELETE FROM Invoice WHERE MyNumber=%1").arg(number)))
        Utility::showDBError(q);
    else
        m_keptInvoice = number; // written again, the bill takes its number back
    for (const Stock& s : stock) {
        if (!q.exec(QStringLiteral("UPDATE Inventory SET Quantity=Quantity+(%1) WHERE Code='%2' AND ToQuantity != 0")
                        .arg(QString::number(s.quantity, 'f', 3), Utility::escapeSQL(s.code)))) {
            Utility::showDBError(q);
            break;
        }
    }
    updateTotal();
    checkVendState();
}
