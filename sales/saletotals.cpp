// The running total of the sale: the account's pending bill and the new
// lines, with the taxes added when prices exclude them; the line total of
// the entry fields; and the pending bill itself.

#include "sales/sales.h"

#include "sales/fittext.h"

#include "core/globals.h"
#include "core/utility.h"

#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

const QString kYes = QStringLiteral("Y");

} // namespace

void Sales::vendItemChanged(const QString&)
{
    const double quantity = Utility::strNum(QuantityEdit->text());
    const double discount = Utility::strNum(LessEdit->text());
    QtyLabel->setText(QuantityEdit->text());
    if (!TotalEdit->hasFocus()) {
        const double price = Utility::strNum(PriceEdit->text());
        const QSignalBlocker blocker(TotalEdit);
        TotalEdit->setText(Utility::numStr(quantity * (price - price * discount / 100), 2));
        return;
    }
    // The operator types the line's total: the price follows from it.
    if (quantity == 0)
        return;
    const double unit = Utility::strNum(TotalEdit->text()) / quantity;
    const QSignalBlocker blocker(PriceEdit);
    PriceEdit->setText(Utility::numStr(unit + unit * discount / 100, 2));
}

void Sales::updateTotal()
{
    double pendingTax1 = 0;
    double pendingTax2 = 0;
    double total = checkPending(&pendingTax1, &pendingTax2);
    if (!m_pendingRead)
        return; // the total shown stays as it was; the lines are untouched

    double taxed1 = 0;
    double taxed2 = 0;
    for (int i = 0; i < VendListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = VendListView->topLevelItem(i);
        const double amount = Utility::strNum(row->text(ColAmount));
        total += amount;
        if (row->text(ColTax1) == kYes)
            taxed1 += amount;
        if (row->text(ColTax2) == kYes)
            taxed2 += amount;
    }
    if (utils->taxMode() == 0)
        total += pendingTax1 + pendingTax2 + Utility::calcTax(taxed1, utils->getTax1())
            + Utility::calcTax(taxed2, utils->getTax2());
    showTotal(total);
}

void Sales::showTotal(double total)
{
    const QString text = Utility::numStr(total, 2);
    fitText(TotalLCD, text, TotalLCD->contentsRect().width() - TotalLCD->margin() * 2 - 4);
    TotalLCD->setText(text);
}

double Sales::checkPending(double* tax1, double* tax2)
{
    m_pendingRead = false;
    double amount = 0;
    double pendingTax1 = 0;
    double pendingTax2 = 0;
    int invoice = 0;
    const int account = utils->getAccountNumber();
    if (account >= 0) {
        invoice = pendingInvoice(account);
        if (invoice < 0)
            return 0;
        if (invoice > 0) {
            QSqlQuery q;
            if (!q.exec(QStringLiteral("SELECT Price,Tax1,Tax2 FROM InvoiceItem WHERE InvoiceNumber=%1").arg(invoice))) {
                Utility::showDBError(q);
                return 0;
            }
            while (q.next()) {
                const double price = q.value(0).toDouble();
                amount += price;
                if (q.value(1).toString() == kYes)
                    pendingTax1 += Utility::calcTax(price, utils->getTax1());
                if (q.value(2).toString() == kYes)
                    pendingTax2 += Utility::calcTax(price, utils->getTax2());
            }
        }
    }
    m_pendingRead = true;
    showTotal(utils->taxMode() == 0 ? amount + pendingTax1 + pendingTax2 : amount);
    if (tax1)
        *tax1 = pendingTax1;
    if (tax2)
        *tax2 = pendingTax2;
    showServedBy(invoice);
    setPending(invoice > 0);
    return amount;
}

void Sales::showServedBy(int invoice)
{
    QString waiter;
    if (invoice > 0) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Waiter from Invoice where MyNumber='%1'").arg(invoice))) {
            Utility::showDBError(q);
            return;
        }
        const QString named = q.next() ? q.value(0).toString() : QString();
        if (!named.isEmpty()) {
            if (!q.exec(QStringLiteral("SELECT Code,SP from Personel where Name='%1'").arg(Utility::escapeSQL(named)))) {
                Utility::showDBError(q);
                return;
            }
            // A bill of somebody no longer on the staff has nobody serving it.
            if (q.next())
                waiter = named;
        }
    }
    const QString head = QLatin1String("<center>") + shopHeading();
    if (!waiter.isEmpty()) {
        BannerLabel->setText(head + tr(" - Served by %1").arg(waiter.toHtmlEscaped())
                             + QLatin1String("</h2></center>"));
    } else if (tableAccountChosen() && !utils->hasWaiter() && !utils->adminLoggedIn()) {
        BannerLabel->setText(head + QLatin1String(" - ") + tr("Please select waiter")
                             + QLatin1String("</h2></center>"));
    }
}

bool Sales::tableAccountChosen() const
{
    if (utils->getAccountNumber() < 0)
        return false;
    const QString name = NameComboBox->currentText().trimmed().toUpper();
    return name.startsWith(tr("TABLE ")) || name.startsWith(tr("ROOM "));
}
