// The account's pending bill: shown as it would print, or taken back into
// the sale (in one unit) to be changed, keeping its number for when it is
// written again.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"
#include "core/zktransaction.h"

#include <QMap>
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
    const int account = utils->getAccountNumber();
    // Taking the bill is one unit: its lines, returnable rows, header and
    // stock all go, or none of them, and no other till adds to it meanwhile.
    ZkTransaction unit;
    if (!unit.isOpen() || !ZkDb::lockAccount(account))
        return;
    const int number = pendingInvoice(account);
    if (number < 0)
        return;
    if (number == 0) {
        unit.rollback();
        ZkPrompt::information(this, tr("Edit"), tr("There are no Items pending"));
        return;
    }
    QSqlQuery q;
    if (!ZkDb::exec(q, QStringLiteral("SELECT Quantity,Description,Discount,Price,Category,Code,UnitOfMEasure,MyDate,"
                                      "Tax1,Tax2,SerialNo,SP,Department,Cost,Returnable,DTR,Printed FROM InvoiceItem "
                                      "WHERE InvoiceNumber=%1 order by MyNumber DESC")
                           .arg(number))) {
        Utility::showDBError(q);
        return;
    }
    QList<QStringList> lines; // newest first
    QMap<QString, double> stock;
    while (q.next()) {
        const QString category = q.value(4).toString();
        const bool note = category == QLatin1String("Remarks") || category == QLatin1String("Notes");
        const double quantity = q.value(0).toDouble();
        QStringList line;
        for (int c = 0; c < SaleColumnCount; ++c)
            line << QString();
        line[ColQuantity] = note ? QString() : quantityText(quantity);
        line[ColDescription] = q.value(1).toString();
        line[ColDiscount] = quantityText(q.value(2).toDouble());
        line[ColAmount] = Utility::numStr(q.value(3).toDouble(), 2);
        line[ColCategory] = category;
        line[ColCode] = q.value(5).toString();
        line[ColUnit] = q.value(6).toString();
        line[ColDate] = ZkDb::dateTimeText(q.value(7));
        line[ColTax1] = q.value(8).toString();
        line[ColTax2] = q.value(9).toString();
        line[ColSerial] = q.value(10).toString();
        line[ColSalesPerson] = q.value(11).toString();
        line[ColDepartment] = q.value(12).toString();
        line[ColCost] = Utility::numStr(q.value(13).toDouble(), 2);
        line[ColReturnable] = q.value(14).toString();
        line[ColDtr] = QString::number(q.value(15).toInt());
        line[ColPrinted] = QString::number(q.value(16).toInt());
        lines << line;
        if (category == QLatin1String("Inventory") && !q.value(5).toString().isEmpty())
            stock[q.value(5).toString()] += quantity;
    }
    q.finish();

    QStringList statements{QStringLiteral("DELETE FROM InvoiceItem WHERE InvoiceNumber=%1").arg(number),
                           QStringLiteral("DELETE FROM Returns WHERE InvoiceNumber=%1").arg(number),
                           QStringLiteral("DELETE FROM Invoice WHERE MyNumber=%1").arg(number)};
    // The stock comes back, item by item in the order of their codes.
    for (auto it = stock.cbegin(); it != stock.cend(); ++it)
        statements << QStringLiteral("UPDATE Inventory SET Quantity=Quantity+(%1) WHERE Code='%2' AND ToQuantity != 0")
                          .arg(QString::number(it.value(), 'f', 3), Utility::escapeSQL(it.key()));
    for (const QString& sql : statements) {
        if (!ZkDb::exec(q, sql)) {
            Utility::showDBError(q);
            return;
        }
    }
    if (!unit.commit())
        return;

    // The lines are the sale's now; written again, the bill takes its number back.
    m_keptInvoice = number;
    m_linesTakenBack = true;
    for (const QStringList& line : lines) {
        auto* row = new ZkListItem(VendListView, nullptr); // each at the top: the bill's order comes back
        for (int c = 0; c < SaleColumnCount; ++c)
            row->setText(c, line.at(c));
    }
    updateTotal();
    checkVendState();
}
