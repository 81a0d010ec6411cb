// Lines coming out of the sale: back into the entry fields to be changed
// and added again, or deleted outright (F6).

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSignalBlocker>

namespace {

bool isNoteLine(const QTreeWidgetItem* row)
{
    const QString category = row->text(Sales::ColCategory);
    return category == QLatin1String("Notes") || category == QLatin1String("Remarks");
}

} // namespace

void Sales::vendRemoveItem()
{
    QTreeWidgetItem* row = VendListView->currentItem();
    if (!row) {
        ZkPrompt::warning(this, tr("Sales"), tr("The invoice is empty"));
        return;
    }
    if (isNoteLine(row)) {
        removeIntoEditor();
        return;
    }

    chooseLineType(row->text(ColCategory));
    const QString quantityText = row->text(ColQuantity);
    const QString description = row->text(ColDescription);
    const QString amountText = row->text(ColAmount);
    utils->logAction(tr("Remove Item"), tr("%1 %2@ %3").arg(quantityText, description, amountText), QString(), '0');

    m_item = ItemState();
    m_compositionPending = false;
    fillItemList({description}, {row->text(ColCode)});
    itemReturnPressed();

    // The line as it was sold, over what the inventory says today.
    const double quantity = Utility::strNum(quantityText);
    const double discount = Utility::strNum(row->text(ColDiscount));
    m_item.code = row->text(ColCode);
    m_item.unit = row->text(ColUnit);
    m_item.department = row->text(ColDepartment);
    m_item.cost = quantity != 0 ? Utility::strNum(row->text(ColCost)) / quantity : 0;
    m_item.returnable = row->text(ColReturnable) == QLatin1String("Y");
    m_item.dtr = row->text(ColDtr);
    m_item.printed = row->text(ColPrinted).toInt();
    codeLabel->setText(m_item.code);
    tax1_tb->setChecked(row->text(ColTax1) == QLatin1String("Y"));
    tax2_tb->setChecked(row->text(ColTax2) == QLatin1String("Y"));
    {
        const QSignalBlocker q(QuantityEdit);
        const QSignalBlocker l(LessEdit);
        const QSignalBlocker p(PriceEdit);
        QuantityEdit->setText(quantityText);
        LessEdit->setText(row->text(ColDiscount));
        // The unit price that gave the line's amount (it may have been
        // overridden, or come from a scale's label).
        const double net = quantity * (1 - discount / 100);
        if (net != 0)
            PriceEdit->setText(Utility::numStr(Utility::strNum(amountText) / net, 2));
    }
    vendItemChanged(QStringLiteral("0"));

    const int index = VendListView->indexOfTopLevelItem(row);
    delete row;
    lineRemoved(index);
}

void Sales::removeIntoEditor()
{
    QTreeWidgetItem* row = VendListView->currentItem();
    if (!row) {
        ZkPrompt::warning(this, tr("Sales"), tr("The invoice is empty"));
        return;
    }
    if (!isNoteLine(row)) {
        vendRemoveItem();
        return;
    }
    chooseLineType(row->text(ColCategory) == QLatin1String("Notes") ? QStringLiteral("Pvt. Notes")
                                                                     : QStringLiteral("Remarks"));
    NotesEdit->setPlainText(row->text(ColDescription));
    const int index = VendListView->indexOfTopLevelItem(row);
    delete row;
    lineRemoved(index);
}

void Sales::lineRemoved(int index)
{
    QTreeWidgetItem* current = VendListView->topLevelItem(index - 1);
    if (!current)
        current = VendListView->topLevelItem(0);
    if (current) {
        VendListView->setCurrentItem(current);
        echoLine(current->text(ColQuantity), current->text(ColDescription), current->text(ColAmount));
    } else {
        echoBanner();
    }
    updateTotal();
    utils->poleDisplay(QString(), TotalLCD->text());
}

void Sales::F6DeleteItem()
{
    vendRemoveItem();
    checkVendState();
    resetEntry();
    ItemComboBox->setFocus();
}
