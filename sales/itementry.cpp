// The entry line: what the operator typed or scanned, identified as an item
// by code, by the bar code of a weighing scale or by description, and the
// item loaded into the entry fields.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/limitvalidator.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/itemlookup.h"

#include <QSignalBlocker>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace {

const QString kInventory = QStringLiteral("Inventory");
const QString kRemarks = QStringLiteral("Remarks");
const QString kNotes = QStringLiteral("Pvt. Notes");

// A scale's label: the item's seven-character code, five digits of price
// (cents) or weight (grams), and a check digit.
constexpr int kScaleCodeLength = 13;
constexpr int kScaleItemLength = 7;
constexpr int kScaleValueLength = 5;

struct Found
{
    QStringList descriptions;
    QStringList codes;
    QList<double> prices;
};

bool isDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// How a row must match the entry, compared here character for character:
// a server's collation takes "CAFÉ" for "CAFE" and "A " for "A", and a
// typed "%" or "_" would be a wildcard there.
enum class Match { CodeOrDescription, Code, Prefix, Substring };

bool matches(Match match, const QString& entry, const QString& description, const QString& code)
{
    const QString d = description.toUpper();
    switch (match) {
    case Match::CodeOrDescription:
        return code.toUpper() == entry || d == entry;
    case Match::Code:
        return code.toUpper() == entry;
    case Match::Prefix:
        return d.startsWith(entry);
    case Match::Substring:
        return d.contains(entry);
    }
    return false;
}

// Runs a search and keeps the rows that match @p entry; false after a
// failed statement (shown).
bool search(const QString& sql, Match match, const QString& entry, Found* found)
{
    QSqlQuery q;
    if (!q.exec(sql))
        return !Utility::showDBError(q);
    while (q.next()) {
        if (!matches(match, entry, q.value(0).toString(), q.value(1).toString()))
            continue;
        found->descriptions << q.value(0).toString().toUpper();
        found->codes << q.value(1).toString();
        if (q.record().count() > 2)
            found->prices << q.value(2).toDouble();
    }
    return true;
}

} // namespace

void Sales::setUpItemEntry()
{
    for (QLineEdit* amount : {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, EFTAmountEdit, CouponAmountEdit,
                              TipAmountEdit})
        amount->setValidator(new MoneyValidator(999999, amount));
    LessEdit->setValidator(new MoneyValidator(100, LessEdit));
    // A completion from the last search's list would turn a typed code or
    // search word into some other item's description.
    ItemComboBox->setCompleter(nullptr);
    // No field holds more than its column: an unvalidated line's text is an
    // item description, the salesperson is Personel.SP, a waiter a code.
    ItemComboBox->lineEdit()->setMaxLength(255);
    SalesGuiPersonEdit->setMaxLength(10);
    WaiterEdit->setMaxLength(50);
    QuantityEdit->setText(QStringLiteral("1"));
    LessEdit->setText(m_defaultDiscount);
    checkPriceTiers();
    categoryChanged(TypeComboBox->currentIndex());
    setUpTouchPage();
}

QString Sales::entryTable() const
{
    return lineType(TypeComboBox->currentText());
}

void Sales::chooseLineType(const QString& type)
{
    for (int i = 0; i < TypeComboBox->count(); ++i) {
        if (lineType(TypeComboBox->itemText(i)) == type) {
            TypeComboBox->setCurrentIndex(i);
            return;
        }
    }
}

bool Sales::askQuantity() const
{
    return !m_touchPress && settings->readBoolEntry(QStringLiteral("/Global/QtyCheck"));
}

void Sales::focusSelected(QLineEdit* field)
{
    field->setFocus();
    field->selectAll();
}

void Sales::itemReturnPressed()
{
    const QString type = entryTable();
    if (type == kNotes || type == kRemarks)
        return; // note lines are added from the notes field

    m_item.priceFromBarcode = false;
    m_item.quantityFromBarcode = false;
    const QString entry = ItemComboBox->currentText().trimmed().toUpper();
    const int index = ItemComboBox->currentIndex();
    const QString listed = index >= 0 ? ItemComboBox->itemText(index).toUpper() : QString();
    if (entry.isEmpty())
        return;

    if (m_compositionPending && addComposition(entry))
        return;

    if (entry == listed) {
        if (m_item.validated && m_item.code == m_itemCodes.value(index)) {
            takeValidatedItem();
            return;
        }
    } else {
        const QString table = type.isEmpty() ? kInventory : type;
        const QString escaped = Utility::escapeSQL(entry);
        Found found;
        bool exact = false;
        int current = 0;
        if (!search(ItemLookup::exactSearch(table, escaped), Match::CodeOrDescription, entry, &found))
            return;
        if (!found.codes.isEmpty()) {
            for (int i = 0; i < found.codes.size(); ++i) {
                if (found.codes.at(i).toUpper() == entry) {
                    exact = true;
                    current = i;
                    break;
                }
            }
        } else {
            const QString digits = entry.mid(kScaleItemLength, kScaleValueLength);
            // Only five digits are a weight or a price; letters there make
            // it some other code, searched for as typed.
            if (entry.size() == kScaleCodeLength && isDigits(digits)) {
                const double value = digits.toInt();
                if (!search(ItemLookup::codeSearch(table, Utility::escapeSQL(entry.left(kScaleItemLength))),
                            Match::Code, entry.left(kScaleItemLength), &found))
                    return;
                if (found.codes.isEmpty() || Utility::roundCents(found.prices.constFirst()) == 0) {
                    const QSignalBlocker blocker(PriceEdit);
                    PriceEdit->setText(Utility::numStr(value / 100, 2));
                    m_item.priceFromBarcode = true;
                } else {
                    const QSignalBlocker blocker(QuantityEdit);
                    QuantityEdit->setText(Utility::numStr(value / 1000, 3));
                    QtyLabel->setText(QuantityEdit->text());
                    m_item.quantityFromBarcode = true;
                }
                exact = !found.codes.isEmpty();
            }
            if (found.codes.isEmpty()) {
                const QString pattern = Utility::escapeLike(entry);
                if (!search(ItemLookup::prefixSearch(table, pattern), Match::Prefix, entry, &found))
                    return;
                if (found.codes.isEmpty()
                    && !search(ItemLookup::substringSearch(table, pattern), Match::Substring, entry, &found))
                    return;
            }
        }
        fillItemList(found.descriptions, found.codes, current);
        if (found.codes.isEmpty()) {
            // Nothing in stock by that name: perhaps a composition.
            if (!addComposition(entry) && !m_compositionPending)
                itemNotFound(entry);
            return;
        }
        if (loadCurrentItem() && exact)
            takeValidatedItem();
        return;
    }
    loadCurrentItem();
}

void Sales::takeValidatedItem()
{
    // Adding a line brings the buttons up to date itself.
    if (askQuantity())
        focusSelected(QuantityEdit);
    else
        vendAddItem();
}

void Sales::fillItemList(const QStringList& descriptions, const QStringList& codes, int current)
{
    const QString typed = ItemComboBox->currentText();
    const QSignalBlocker blocker(ItemComboBox);
    ItemComboBox->clear();
    ItemComboBox->addItems(descriptions);
    m_itemCodes = codes;
    // The list shows what was just found; a composition search says so itself.
    m_compositionPending = false;
    if (descriptions.isEmpty())
        ItemComboBox->setEditText(typed); // what was typed stays to be corrected
    else
        ItemComboBox->setCurrentIndex(current);
}

bool Sales::loadCurrentItem()
{
    const QString entry = ItemComboBox->currentText().toUpper();
    const QString code = m_itemCodes.value(ItemComboBox->currentIndex());
    QSqlQuery q;
    if (!q.exec(ItemLookup::itemLoad(entryTable().isEmpty() ? kInventory : entryTable(), Utility::escapeSQL(code),
                                     PriceComboBox->currentIndex()))) {
        Utility::showDBError(q);
        return false;
    }
    // The server's collation may also return "CAFÉ" for "CAFE": only the
    // row of this very code is the item.
    bool found = false;
    while (!found && q.next())
        found = q.value(1).toString() == code;
    if (!found) {
        if (!addComposition(entry) && !m_compositionPending)
            itemNotFound(entry);
        return false;
    }

    m_item.code = q.value(1).toString();
    codeLabel->setText(m_item.code);
    if (!m_item.priceFromBarcode) {
        const QSignalBlocker blocker(PriceEdit);
        PriceEdit->setText(Utility::numStr(q.value(0).toDouble(), 2));
    }
    m_item.unit = q.value(2).toString();
    tax1_tb->setChecked(q.value(3).toString() == QLatin1String("Y"));
    tax2_tb->setChecked(q.value(4).toString() == QLatin1String("Y"));
    const double level = q.value(5).toDouble();
    const QString levelText = Utility::numStr(qMax(0.0, level), 2);
    stockLevelLabel->setText(levelText);

    const bool stocked = q.value(8).toDouble() > 0;
    StockLabel->setVisible(stocked);
    stockLevelLabel->setVisible(stocked);
    if (stocked) {
        QPalette p = stockLevelLabel->palette();
        if (level > q.value(9).toDouble()) {
            p.setColor(QPalette::WindowText, QColor(0, 0, 255));
        } else {
            p.setColor(QPalette::WindowText, QColor(255, 0, 0));
            setStatus(tr("Low Stock - %1 : %2").arg(q.value(12).toString(), levelText));
            ZkPrompt::beep();
        }
        stockLevelLabel->setPalette(p);
    }

    m_item.department = q.value(6).toString();
    m_item.cost = q.value(7).toDouble();
    m_item.returnable = q.value(10).toString() == QLatin1String("Y");
    m_item.dtr = q.value(11).toString();
    vendItemChanged(QStringLiteral("0"));

    m_item.validated = !m_item.code.isEmpty();
    if (!m_item.validated) {
        itemNotFound(entry);
        return false;
    }
    return true;
}

void Sales::itemNotFound(const QString& entry)
{
    ZkPrompt::beep();
    bool whole = false;
    const qlonglong number = entry.toLongLong(&whole);
    if (whole && number != 0)
        ZkPrompt::warning(this, tr("Error"), tr("Inventory item not found"));
    m_item.code.clear();
    m_item.cost = 0;
    m_item.department.clear();
    m_item.printed = 0;
    m_item.validated = false;
    tax1_tb->setChecked(false);
    tax2_tb->setChecked(false);
}

void Sales::itemSelected(const QString& text)
{
    const int index = ItemComboBox->currentIndex();
    // Return on the entry shown also reports it as chosen: it is loaded.
    if (m_item.validated && m_item.code == m_itemCodes.value(index)
        && text.compare(ItemComboBox->itemText(index), Qt::CaseInsensitive) == 0)
        return;
    if (m_compositionPending) {
        addComposition(text.toUpper());
        return;
    }
    m_item.priceFromBarcode = false;
    m_item.quantityFromBarcode = false;
    m_item.validated = false;
    loadCurrentItem();
}

void Sales::itemCleanup(const QString&)
{
    if (m_item.priceFromBarcode || m_item.quantityFromBarcode)
        return;
    {
        const QSignalBlocker price(PriceEdit);
        const QSignalBlocker total(TotalEdit);
        PriceEdit->clear();
        TotalEdit->clear();
    }
    m_item.code.clear();
    codeLabel->clear();
    stockLevelLabel->clear();
    tax1_tb->setChecked(false);
    tax2_tb->setChecked(false);
    m_item.validated = false;
    QuantityEdit->setText(QStringLiteral("1"));
}

void Sales::nameTaxBoxes()
{
    const SysInfoRecord& info = utils->sysInfo();
    if (!info.tax1Name.isEmpty())
        tax1_tb->setText(info.tax1Name);
    if (!info.tax2Name.isEmpty())
        tax2_tb->setText(info.tax2Name);
}

void Sales::categoryChanged(int)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Tax1Name, Tax2Name FROM SysInfo"))) {
        Utility::showDBError(q);
        return;
    }
    if (q.next()) {
        tax1_tb->setText(q.value(0).toString());
        tax2_tb->setText(q.value(1).toString());
    }
    if (entryTable() == kNotes)
        setStatus(tr("Notes DO NOT appear on the Invoice"));
    else
        setStatus(QString());
}
