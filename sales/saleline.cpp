// Lines going into the sale: an item line from the entry fields, a note
// line from the notes field, what the customer is shown, and the entry
// made ready for the next line.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QSignalBlocker>

#include <cmath>

namespace {

const QString kRemarks = QStringLiteral("Remarks");
const double kMaxLineQuantity = 9999999.999;
const double kMaxLineAmount = 99999999.99;
const QString kNotes = QStringLiteral("Pvt. Notes");
constexpr int kLongestNote = 4000;

QString flag(bool on)
{
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

void Sales::vendAddItem()
{
    const QString quantityText = QuantityEdit->text().trimmed();
    const QString priceText = PriceEdit->text().trimmed();
    bool quantityOk = false;
    bool priceOk = false;
    const double quantity = Utility::strNum(quantityText, &quantityOk);
    const double price = Utility::strNum(priceText, &priceOk);
    if (quantity < 0) {
        ZkPrompt::warning(this, tr("Sales"), tr("You can not sell negative quantities !"));
        return;
    }
    if (QuantityEdit->hasFocus() && quantityOk
        && (priceText.isEmpty() || (priceOk && Utility::roundCents(price) == 0))) {
        focusSelected(PriceEdit);
        return;
    }
    if (TypeComboBox->count() == 0) {
        ZkPrompt::warning(this, tr("Sales"), tr("You have no sales privlages at all\nand my not sell anything"));
        return;
    }
    const QString type = entryTable();
    if (type == kNotes || type == kRemarks) {
        addEditorContents();
        return;
    }
    const QString entry = ItemComboBox->currentText().trimmed();
    if (entry.isEmpty()) {
        ZkPrompt::warning(this, tr("Sales"), tr("No valid items to vend."));
        return;
    }
    const bool unvalidated = !m_item.validated;
    if (unvalidated) {
        if (addComposition(entry.toUpper()) || m_compositionPending)
            return;
        if (!hasRight(AllowUnValidated)) {
            ZkPrompt::warning(this, tr("Brevalon - Sales"), tr("You have not validated this item"));
            return;
        }
    }
    // Only a plain number is a quantity or a price: "NaN" would make a line
    // no server can store, and "12abc" would sell for nothing.
    if (!quantityOk) {
        ZkPrompt::warning(this, tr("Sales"),
                          tr("\"%1\" is not a quantity.\nType the number of items, for example %2.")
                              .arg(quantityText, Utility::numStr(1.5, 1)));
        focusSelected(QuantityEdit);
        return;
    }
    if (!priceOk || price < 0) {
        ZkPrompt::warning(this, tr("Sales"),
                          tr("\"%1\" is not a price.\nType the price of one item, for example %2.")
                              .arg(priceText, Utility::numStr(12.5, 2)));
        focusSelected(PriceEdit);
        return;
    }
    if (unvalidated) {
        if (ZkPrompt::question(this, tr("Brevalon - Sales"),
                               tr("You have not validated this item\nDo you want to process it anyway ?\n\n"),
                               {tr("&Yes"), tr("&No")}, 0, 1)
            != 0)
            return;
        // Nothing of an item loaded before may stick to a line that names
        // none: not its unit, its deposit or its return date.
        m_item.code.clear();
        m_item.department.clear();
        m_item.cost = 0;
        m_item.unit.clear();
        m_item.returnable = false;
        m_item.dtr.clear();
    }

    const QString discountText = LessEdit->text().trimmed();
    bool discountOk = discountText.isEmpty();
    const double discount = discountOk ? 0.0 : Utility::strNum(discountText, &discountOk);
    if (!discountOk || discount < 0 || discount > 100) {
        ZkPrompt::warning(this, tr("Sales"), tr("\"%1\" is not a discount.\nType a percentage from 0 to 100.")
                                                 .arg(discountText));
        focusSelected(LessEdit);
        return;
    }
    const double amount = quantity * (price - price * discount / 100);
    // The ledger keeps quantities and amounts in DECIMAL(10,3) and (10,2):
    // a line beyond them would be refused by one database and silently kept
    // by the other, and the total would no longer fit the display.
    if (quantity > kMaxLineQuantity || std::abs(amount) > kMaxLineAmount) {
        ZkPrompt::warning(this, tr("Sales"),
                          tr("This line is too large for the till:\nat most %1 items and %2 on one line.")
                              .arg(Utility::numStr(kMaxLineQuantity, 3), Utility::numStr(kMaxLineAmount, 2)));
        return;
    }
    const QString amountText = Utility::numStr(amount, 2);

    QTreeWidgetItem* row = newSaleRow();
    row->setText(ColQuantity, quantityText);
    row->setText(ColDescription, entry);
    row->setText(ColDiscount, discountText);
    row->setText(ColAmount, amountText);
    row->setText(ColCategory, QStringLiteral("Inventory"));
    row->setText(ColCode, m_item.code);
    row->setText(ColUnit, m_item.unit);
    row->setText(ColDate, ZkClock::nowText());
    row->setText(ColTax1, flag(tax1_tb->isChecked()));
    row->setText(ColTax2, flag(tax2_tb->isChecked()));
    row->setText(ColSerial, QString());
    row->setText(ColSalesPerson, SalesGuiPersonEdit->text());
    row->setText(ColDepartment, m_item.department);
    row->setText(ColCost, Utility::numStr(quantity * m_item.cost, 2));
    row->setText(ColReturnable, flag(m_item.returnable));
    row->setText(ColDtr, m_item.dtr);
    row->setText(ColPrinted, QString::number(m_item.printed));

    const QString shown = QString::asprintf("%.02f", amount);
    echoLine(quantityText, entry, shown);
    const QString customerText =
        Utility::roundCents(quantity) == 1 ? entry : quantityText + QLatin1Char(' ') + entry;
    utils->logAction(tr("Add Item"), tr("%1 @ %2").arg(customerText, shown), QString(), '0');
    if (unvalidated)
        utils->logAction(tr("Unvalidated Item"), tr("%1 %2 %3 @ %4").arg(quantityText, m_item.unit, entry, shown),
                         QString(), '2');

    updateTotal();
    resetEntry();
    checkVendState();
    ItemComboBox->setFocus();
}

QTreeWidgetItem* Sales::newSaleRow()
{
    QTreeWidgetItem* after = VendListView->currentItem();
    if (!after || !after->isSelected())
        after = VendListView->topLevelItem(VendListView->topLevelItemCount() - 1);
    auto* row = new ZkListItem(VendListView, after);
    VendListView->setCurrentItem(row);
    VendListView->scrollToItem(row);
    return row;
}

void Sales::echoLine(const QString& quantity, const QString& description, const QString& amount)
{
    // Note lines have no quantity; an item's shows unless it is one.
    const bool one = quantity.isEmpty() || Utility::roundCents(Utility::strNum(quantity)) == 1;
    utils->poleDisplay(one ? description : quantity + QLatin1Char(' ') + description, amount);
    ItemEchoLabel->setText(QLatin1String("<html>")
                           + (one ? QString() : quantity.toHtmlEscaped() + QLatin1String("&nbsp;"))
                           + description.toHtmlEscaped() + QLatin1String("&nbsp;&nbsp;") + amount
                           + QLatin1String("</html>"));
}

void Sales::echoBanner()
{
    ItemEchoLabel->setText(QLatin1String("<html>") + programName() + QLatin1String("&nbsp;&nbsp;")
                           + programVersion().toHtmlEscaped() + QLatin1String("</html>"));
    utils->poleDisplay(programName(), programVersion());
}

void Sales::resetEntry()
{
    {
        const QSignalBlocker blocker(ItemComboBox);
        ItemComboBox->clear();
        ItemComboBox->clearEditText();
    }
    m_itemCodes.clear();
    m_compositionPending = false;
    m_item = ItemState();
    {
        const QSignalBlocker quantity(QuantityEdit);
        const QSignalBlocker price(PriceEdit);
        const QSignalBlocker total(TotalEdit);
        const QSignalBlocker less(LessEdit);
        QuantityEdit->setText(QStringLiteral("1"));
        PriceEdit->clear();
        TotalEdit->clear();
        LessEdit->setText(m_defaultDiscount);
    }
    QtyLabel->setText(QStringLiteral("1"));
    codeLabel->clear();
    stockLevelLabel->clear();
    tax1_tb->setChecked(false);
    tax2_tb->setChecked(false);
}

void Sales::addEditorContents()
{
    const QString note = NotesEdit->toPlainText().trimmed();
    if (note.isEmpty()) {
        ZkPrompt::warning(this, tr("Sales"), tr("No valid message to vend"));
        return;
    }
    // The line's description column holds 65 535 bytes on a server, which
    // a note of this many characters never exceeds whatever its script.
    if (note.size() > kLongestNote) {
        ZkPrompt::warning(this, tr("Sales"),
                          tr("A note may hold at most %1 characters; this one has %2.").arg(kLongestNote).arg(note.size()));
        return;
    }
    const QString zero = Utility::numStr(0, 2);
    QTreeWidgetItem* row = newSaleRow();
    row->setText(ColQuantity, QString());
    row->setText(ColDescription, note);
    row->setText(ColDiscount, zero);
    row->setText(ColAmount, zero);
    // Private notes are for the staff: they never print on the invoice.
    row->setText(ColCategory, entryTable() == kNotes ? QStringLiteral("Notes") : kRemarks);
    row->setText(ColDate, ZkClock::nowText());
    row->setText(ColTax1, QStringLiteral("N"));
    row->setText(ColTax2, QStringLiteral("N"));
    row->setText(ColSalesPerson, SalesGuiPersonEdit->text());
    row->setText(ColCost, zero);
    row->setText(ColReturnable, QStringLiteral("N"));
    row->setText(ColPrinted, QStringLiteral("0"));
    m_item.code.clear();
    m_item.unit.clear();
    m_item.cost = 0;
    m_item.printed = 0;
    NotesEdit->clear();
    checkVendState();
}
