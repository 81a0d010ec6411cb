// Documents made before: shown again as reprints, voided, a quote pulled
// back into a sale at today's prices, and an invoice found by its number so
// that it can be paid.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/numentry.h"

#include <QDialog>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

/** The document mode of a document to be shown: 0 invoice, 1 quote, 2 refund. */
void useDocumentMode(int mode)
{
    if (mode == 1)
        utils->setQuoteMode(true);
    else if (mode == 2)
        utils->setRefundMode(true);
    else
        utils->setQuoteMode(false);
}

} // namespace

int Sales::selectedDocument(QTreeWidget* list)
{
    // Voided rows cannot be selected: they are never shown or voided again.
    const QList<QTreeWidgetItem*> rows = list->selectedItems();
    if (rows.isEmpty()) {
        ZkPrompt::beep();
        return 0;
    }
    return rows.first()->text(0).toInt();
}

void Sales::showPastDocument(QTreeWidget* list, int mode, const QString& logText)
{
    const int number = selectedDocument(list);
    if (number <= 0)
        return;
    utils->logAction(logText, QString::number(number), QString(), '0');
    if (list == ReceiptListView) {
        utils->processReceipt(number, false, 0, 0, 0, false);
        return;
    }
    useDocumentMode(mode);
    utils->processInvoice(number, true);
    useDocumentMode(0);
}

void Sales::showPastInvoice()
{
    showPastDocument(InvoiceListView, 0, tr("View old Invoice"));
}

void Sales::showPastRefund()
{
    showPastDocument(RefundListView, 2, tr("View old Refund"));
}

void Sales::showPastQuote()
{
    showPastDocument(QuoteListView, 1, tr("View old Quote"));
}

void Sales::showPastReceipt()
{
    showPastDocument(ReceiptListView, 0, tr("View old Receipt"));
}

void Sales::reprintDocket()
{
    const QString caption = tr("Brevalon - Docket");
    // The invoice picked in the list, or else the open order of the account.
    const QList<QTreeWidgetItem*> rows = InvoiceListView->selectedItems();
    int number = rows.isEmpty() ? 0 : rows.first()->text(0).toInt();
    if (number <= 0 && utils->getAccountNumber() >= 0) {
        number = pendingInvoice(utils->getAccountNumber());
        if (number < 0)
            return;
    }
    if (number <= 0) {
        ZkPrompt::information(this, caption,
                              tr("Select an invoice, or a table with an open order, to print its dockets again."));
        return;
    }
    utils->logAction(tr("Reprint Docket"), tr("Inv #: %1").arg(number), QString(), '0');
    bool any = false;
    for (const int printer : Utility::docketPrinters()) {
        bool due = false;
        utils->printDocket(number, printer, true, &due);
        any = any || due;
    }
    if (!any)
        ZkPrompt::information(this, caption,
                              tr("Invoice # %1 has no lines for the kitchen or the label printer.").arg(number));
}

void Sales::voidInvoice()
{
    const QList<QTreeWidgetItem*> rows = InvoiceListView->selectedItems();
    if (rows.isEmpty()) {
        ZkPrompt::beep();
        return;
    }
    const int number = rows.first()->text(0).toInt();
    bool voided = false;
    if (!rows.first()->text(3).trimmed().isEmpty())
        ZkPrompt::warning(this, tr("Error"), tr("You may not Void an Invoice that has been paid.\nUse return instead"));
    else
        voided = utils->voidInvoice(number);
    documentsForToday();
    if (voided)
        refreshReceipt(); // the balance no longer holds it
}

void Sales::voidReceipt()
{
    const int number = selectedDocument(ReceiptListView);
    if (number <= 0)
        return;
    const bool voided = utils->voidReceipt(number);
    documentsForToday();
    if (voided)
        refreshReceipt(); // what it paid is owed again
}

void Sales::pullQuote()
{
    const int quote = selectedDocument(QuoteListView);
    if (quote <= 0)
        return;
    utils->logAction(tr("Pull Quote"), tr("Quote # %1").arg(quote), QString(), '0');
    if (enterQuoteLines(quote))
        TabWidget2->setCurrentWidget(tab);
}

bool Sales::enterQuoteLines(int quote)
{
    struct Line
    {
        double quantity;
        QString category;
        QString code;
        double discount;
        QString serial;
        QString description;
    };
    QList<Line> lines;
    QSqlQuery q;
    // A quote of a month that was closed has its lines in the archive.
    for (const char* table : {"InvoiceItem", "InvoiceItemArchive"}) {
        if (!q.exec(QStringLiteral("SELECT Quantity,Category,Code,Discount,SerialNo,Description FROM %1 WHERE "
                                   "InvoiceNumber = %2 ORDER BY MyNumber")
                        .arg(QLatin1String(table))
                        .arg(quote))) {
            Utility::showDBError(q);
            return false;
        }
        while (q.next())
            lines.append({q.value(0).toDouble(), q.value(1).toString(), q.value(2).toString(), q.value(3).toDouble(),
                          q.value(4).toString(), q.value(5).toString()});
        if (!lines.isEmpty())
            break;
    }
    if (lines.isEmpty())
        return false;

    QStringList gone;
    for (const Line& line : lines) {
        if (line.category == QLatin1String("Remarks") || line.category == QLatin1String("Notes")) {
            chooseLineType(line.category == QLatin1String("Notes") ? QStringLiteral("Pvt. Notes")
                                                                   : QStringLiteral("Remarks"));
            NotesEdit->setPlainText(line.description);
            addEditorContents();
            continue;
        }
        chooseLineType(QStringLiteral("Inventory"));
        // Only what is still sold comes back, at its price of today.
        if (line.code.isEmpty() || !q.exec(QStringLiteral("SELECT Code FROM Inventory WHERE Code='%1'")
                                               .arg(Utility::escapeSQL(line.code)))) {
            if (!line.code.isEmpty())
                Utility::showDBError(q);
            gone << line.description;
            continue;
        }
        const bool sold = q.next();
        q.finish();
        if (!sold) {
            gone << line.description;
            continue;
        }
        m_item = ItemState();
        fillItemList({line.description}, {line.code});
        {
            const QSignalBlocker quantity(QuantityEdit);
            const QSignalBlocker less(LessEdit);
            QuantityEdit->setText(Utility::numStr(line.quantity, 3));
            LessEdit->setText(Utility::locale().toString(line.discount, 'g', 6));
        }
        itemSelected(line.description);
        if (!itemValidated()) {
            gone << line.description;
            continue;
        }
        vendAddItem();
        if (QTreeWidgetItem* added = VendListView->currentItem())
            added->setText(ColSerial, line.serial);
    }
    chooseLineType(QStringLiteral("Inventory"));
    resetEntry();
    checkVendState();
    if (!gone.isEmpty())
        ZkPrompt::warning(this, tr("Pull Quote"),
                          tr("These items of the quote are no longer sold and were left out:\n%1")
                              .arg(gone.join(QLatin1Char('\n'))));
    return true;
}

void Sales::find()
{
    findInvoice();
}

void Sales::invoiceSearch()
{
    findInvoice();
}

void Sales::findInvoice()
{
    if (VendListView->topLevelItemCount() > 0) {
        ZkPrompt::critical(this, tr("Error"), tr("PLEASE COMPLETE YOUR CURRENT ORDER FIRST"));
        return;
    }
    bool ok = false;
    QString typed;
    if (settings->readBoolEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), utils->userName()))) {
        NumEntry pad(this);
        pad.setMode(NumEntry::InvoiceNumber);
        ok = ZkPrompt::exec(&pad) == QDialog::Accepted;
        typed = pad.getValue();
    } else {
        typed = ZkPrompt::getText(this, tr("Searching for invoice number ..."), tr("Enter Invoice number."), QString(),
                                  &ok);
    }
    typed = typed.trimmed();
    if (!ok || typed.isEmpty())
        return;
    utils->logAction(tr("Search for Invoice"), tr("Inv #: %1").arg(typed), QString(), '0');

    bool isNumber = false;
    const int number = typed.toInt(&isNumber);
    int account = -1;
    if (isNumber && number > 0) {
        QSqlQuery q;
        const QString sql = utils->hasWaiter()
            ? QStringLiteral("SELECT Journal.AccountNumber FROM Journal,Invoice WHERE Journal.MyNumber='%1' AND "
                             "Journal.Description='I' AND Invoice.MyNumber=Journal.MyNumber AND Invoice.Waiter='%2'")
                  .arg(QString::number(number), Utility::escapeSQL(utils->getWaiter()))
            : QStringLiteral("SELECT AccountNumber FROM Journal WHERE MyNumber='%1' AND Description='I'").arg(number);
        if (!q.exec(sql)) {
            Utility::showDBError(q);
            return;
        }
        if (q.next())
            account = q.value(0).toInt();
    }
    if (account < 0) {
        utils->logAction(tr("Search for Invoice"), tr("Inv #: %1 not found").arg(typed), QString(), '0');
        ZkPrompt::warning(this, tr("Error"), tr("Could not find any matching Invoice # %1").arg(typed));
        return;
    }

    AccEdit->setText(QString::number(account));
    stickyClientSearch(true, false);
    if (utils->getAccountNumber() != account)
        return; // the account could not be chosen (told)

    QTreeWidgetItem* unpaid = nullptr;
    for (int i = 0; i < PayListView->topLevelItemCount() && !unpaid; ++i) {
        if (PayListView->topLevelItem(i)->text(0).toInt() == number)
            unpaid = PayListView->topLevelItem(i);
    }
    if (!unpaid || Utility::roundCents(utils->getBalBF(account, true)) <= 0) {
        ZkPrompt::information(this, tr("Notice"), tr("Invoice # %1 is already paid").arg(number));
        return;
    }
    TabWidget2->setCurrentWidget(tab_4);
    PayListView->clearSelection();
    unpaid->setSelected(true);
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Waiter FROM Invoice WHERE MyNumber='%1'").arg(number)))
        Utility::showDBError(q);
    else if (q.next())
        utils->setWaiter(q.value(0).toString());
    CashAmountEdit->setFocus();
}
