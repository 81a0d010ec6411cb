#include "maintenance/comptable.h"

#include "maintenance/fieldcheck.h"
#include "maintenance/itemfinder.h"
#include "maintenance/touchpicture.h"
#include "maintenance/unitsql.h"

#include "core/limitvalidator.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"

#include <QDoubleValidator>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

const QString kCompositionSuffix = QStringLiteral(".CMP");

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text.trimmed(), true) + QLatin1Char('\'');
}

QString twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

/** A line at a price less its discount in percent. */
double lineTotal(double price, double quantity, double discount)
{
    const double value = price * quantity;
    return value - value * discount / 100;
}

} // namespace

CompTable::CompTable(QWidget* parent)
    : CompTableGui(parent)
{
    setObjectName(QStringLiteral("CompTable"));
    NameEdit->setValidator(new LimitValidator(255, NameEdit));
    RemarkEdit->setMaxLength(255);
    TouchEdit->setValidator(new LimitValidator(255, TouchEdit));
    auto* quantity = new QDoubleValidator(0, FieldCheck::kMaxQuantity, 3, QuantityEdit);
    quantity->setNotation(QDoubleValidator::StandardNotation);
    QuantityEdit->setValidator(quantity);
    DiscountEdit->setValidator(new MoneyValidator(100, DiscountEdit));
    // Each column as wide as what it shows; a narrow dialog scrolls sideways.
    ItemListView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ItemListView->header()->setStretchLastSection(false);

    QStringList departments;
    QSqlQuery q;
    if (q.exec(QStringLiteral("SELECT Department FROM Departments ORDER BY Rank, Department"))) {
        while (q.next())
            departments << q.value(0).toString();
    } else {
        Utility::showDBError(q);
    }
    DepartmentComboBox->addItems(QStringList(QString()) + departments);
    ItemDepartmentComboBox->addItems(departments);
    if (!departments.isEmpty())
        departmentSelected(departments.first());
    reloadCompositions();
    clearComposition();
}

void CompTable::reloadCompositions()
{
    QSignalBlocker block(CompListBox);
    CompListBox->clear();
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Description FROM Compositions ORDER BY Description"))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next())
        CompListBox->addItem(q.value(0).toString());
}

bool CompTable::selectComposition(const QString& name)
{
    const QList<QListWidgetItem*> found = CompListBox->findItems(name, Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    CompListBox->setCurrentItem(found.first());
    compSelected(found.first()->text());
    return true;
}

void CompTable::clearComposition()
{
    m_code = 0;
    m_name.clear();
    NameEdit->clear();
    RemarkEdit->clear();
    TouchEdit->clear();
    DepartmentComboBox->setCurrentIndex(0);
    m_picture = QImage();
    TouchPicture::show(ImagePushButton, m_picture);
    ItemListView->clear();
    for (QLabel* total : {BaseTotalLabel, Tier1TotalLabel, Tier2TotalLabel})
        total->setText(QStringLiteral("0.00"));
}

void CompTable::compSelected(const QString& name)
{
    clearComposition();
    if (name.isEmpty())
        return;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Code, Department, Remark FROM Compositions WHERE Description='%1'")
                    .arg(Utility::escapeSQL(name)))) {
        Utility::showDBError(q);
        return;
    }
    if (!q.next())
        return;
    m_code = q.value(0).toInt();
    m_name = name;
    NameEdit->setText(name);
    const int department = DepartmentComboBox->findText(q.value(1).toString());
    if (department >= 0) {
        DepartmentComboBox->setCurrentIndex(department);
    } else {
        DepartmentComboBox->addItem(q.value(1).toString());
        DepartmentComboBox->setCurrentIndex(DepartmentComboBox->count() - 1);
    }
    RemarkEdit->setText(q.value(2).toString());

    if (!q.exec(QStringLiteral("SELECT Label, Image FROM Images WHERE Code='%1'")
                    .arg(QString::number(m_code) + kCompositionSuffix))) {
        Utility::showDBError(q);
        return;
    }
    if (q.next()) {
        TouchEdit->setText(q.value(0).toString());
        m_picture = TouchPicture::decode(q.value(1).toString().toLatin1());
        TouchPicture::show(ImagePushButton, m_picture);
    }

    if (!q.exec(QStringLiteral("SELECT cc.Quantity, cc.Code, cc.Discountable, cc.Discount, i.Description, i.Price, "
                               "i.Tier1Price, i.Tier2Price FROM CompositionContents cc LEFT JOIN Inventory i ON "
                               "i.Code=cc.Code WHERE cc.CompId=%1 ORDER BY cc.id")
                    .arg(m_code))) {
        Utility::showDBError(q);
        return;
    }
    double totals[3] = {0, 0, 0};
    while (q.next()) {
        const double quantity = q.value(0).toDouble();
        const double discount = q.value(3).toDouble();
        QStringList texts {QString::number(quantity, 'g', 10),
                           q.value(4).toString(),
                           QString::number(discount, 'g', 6),
                           q.value(2).toString(),
                           q.value(1).toString(),
                           twoDecimals(q.value(5).toDouble())};
        for (int tier = 0; tier < 3; ++tier) {
            const double line = lineTotal(q.value(5 + tier).toDouble(), quantity, discount);
            totals[tier] += line;
            texts << twoDecimals(line);
        }
        new ZkListItem(ItemListView, texts);
    }
    BaseTotalLabel->setText(twoDecimals(totals[0]));
    Tier1TotalLabel->setText(twoDecimals(totals[1]));
    Tier2TotalLabel->setText(twoDecimals(totals[2]));
}

bool CompTable::confirm(const QString& caption, const QString& question)
{
    if (ZkPrompt::question(this, caption, question, {tr("&Yes"), tr("&No")}, 1, 1) == 0)
        return true;
    ZkPrompt::information(this, caption, tr("Operation cancelled"));
    return false;
}

bool CompTable::nameTaken(const QString& name, int exceptCode, bool* failed)
{
    QSqlQuery q;
    *failed = !q.exec(QStringLiteral("SELECT Code FROM Compositions WHERE Description=%1%2 AND Code<>%3")
                          .arg(quoted(name), ZkDb::caseBlind(), QString::number(exceptCode)));
    if (*failed) {
        Utility::showDBError(q);
        return true;
    }
    return q.next();
}

void CompTable::newComposition()
{
    const QString caption = tr("New Composition");
    bool ok = false;
    const QString name
        = ZkPrompt::getText(this, caption, tr("Enter the new Composition name"), QString(), &ok).trimmed().toUpper();
    if (!ok || name.isEmpty()) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }
    bool failed = false;
    if (nameTaken(name, 0, &failed)) {
        if (!failed)
            ZkPrompt::warning(this, caption, tr("The Composition %1 already exists").arg(name));
        return;
    }
    QSqlQuery q;
    if (!q.exec(QStringLiteral("INSERT INTO Compositions (Description, Department, Remark) VALUES (%1, %2, %3)")
                    .arg(quoted(name), quoted(DepartmentComboBox->currentText()), quoted(RemarkEdit->text())))) {
        Utility::showDBError(q);
        return;
    }
    reloadCompositions();
    selectComposition(name);
}

void CompTable::updateComposition()
{
    const QString caption = tr("Update Composition");
    if (m_code <= 0) {
        ZkPrompt::warning(this, caption, tr("You must highlight a Composition to update"));
        return;
    }
    const QString name = NameEdit->text().trimmed().toUpper();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Composition name"));
        NameEdit->setFocus();
        return;
    }
    bool failed = false;
    if (nameTaken(name, m_code, &failed)) {
        if (!failed)
            ZkPrompt::warning(this, caption, tr("The Composition %1 already exists").arg(name));
        return;
    }
    const QString question = name != m_name
        ? tr("Confirm that you wish to rename the Composition '%1' to '%2'").arg(m_name, name)
        : tr("Confirm that you wish to update Composition '%1'").arg(m_name);
    if (!confirm(caption, question))
        return;

    // The contents and the picture are keyed by the code, which stays.
    const QString image = QLatin1Char('\'') + QString::number(m_code) + kCompositionSuffix + QLatin1Char('\'');
    const QString label = TouchEdit->text().trimmed();
    UnitSql unit;
    if (!unit.isOpen()
        || !unit.exec(QStringLiteral("UPDATE Compositions SET Description=%1, Department=%2, Remark=%3 WHERE Code=%4")
                          .arg(quoted(name), quoted(DepartmentComboBox->currentText()), quoted(RemarkEdit->text()),
                               QString::number(m_code))))
        return;
    const bool pictured = !m_picture.isNull() || !label.isEmpty();
    // Built by concatenation: the picture's text may hold "%1" and the like.
    const QString picture = pictured ? QStringLiteral("REPLACE INTO Images (Code, Label, Image) VALUES (") + image
            + QLatin1String(", ") + quoted(label) + QLatin1String(", '")
            + Utility::escapeSQL(QString::fromLatin1(TouchPicture::encode(m_picture))) + QLatin1String("')")
                                     : QStringLiteral("DELETE FROM Images WHERE Code=") + image;
    if (!unit.exec(picture) || !unit.commit())
        return;
    reloadCompositions();
    selectComposition(name);
}

void CompTable::deleteComposition()
{
    const QString caption = tr("Delete Composition");
    if (m_code <= 0) {
        ZkPrompt::warning(this, caption, tr("You must highlight a Composition to delete"));
        return;
    }
    if (!confirm(caption, tr("Confirm that you wish to delete the Ciomposition  '%1' from the system").arg(m_name)))
        return;
    const QString code = QString::number(m_code);
    UnitSql unit;
    if (!unit.isOpen() || !unit.exec(QStringLiteral("DELETE FROM CompositionContents WHERE CompId=%1").arg(code))
        || !unit.exec(QStringLiteral("DELETE FROM Compositions WHERE Code=%1").arg(code))
        || !unit.exec(QStringLiteral("DELETE FROM Images WHERE Code='%1%2'").arg(code, kCompositionSuffix))
        || !unit.commit())
        return;
    reloadCompositions();
    clearComposition();
}

void CompTable::showAgain()
{
    const QString name = m_name;
    compSelected(name);
}

void CompTable::itemSelected(QTreeWidgetItem* item)
{
    if (!item)
        return;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Department FROM Inventory WHERE Code='%1'")
                    .arg(Utility::escapeSQL(item->text(ColCode))))) {
        Utility::showDBError(q);
        return;
    }
    if (q.next()) {
        const QString department = q.value(0).toString();
        const int index = ItemDepartmentComboBox->findText(department);
        if (index >= 0)
            ItemDepartmentComboBox->setCurrentIndex(index);
        departmentSelected(department);
    }
    const int index = ItemComboBox->findData(item->text(ColCode));
    if (index >= 0)
        ItemComboBox->setCurrentIndex(index);
    else
        ItemComboBox->setEditText(item->text(ColDescription));
    QuantityEdit->setText(Utility::numStr(item->text(ColQuantity).toDouble(), 3));
    DiscountEdit->setText(Utility::numStr(item->text(ColDiscount).toDouble(), 2));
    DiscountableCheckBox->setChecked(item->text(ColDiscountable) == QLatin1String("Y"));
}

void CompTable::departmentSelected(const QString& department)
{
    // A department of a large shop may hold very many items; the choice
    // lists the first of them, and typing finds any.
    constexpr int kChoiceLimit = 1000;
    ItemComboBox->clear();
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
                    "SELECT Description, Code FROM Inventory WHERE Department='%1' ORDER BY Description LIMIT %2")
                    .arg(Utility::escapeSQL(department), QString::number(kChoiceLimit)))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next())
        ItemComboBox->addItem(q.value(0).toString(), q.value(1).toString());
}

void CompTable::itemSearch()
{
    const QString text = ItemComboBox->currentText().trimmed();
    if (text.isEmpty() || ItemComboBox->findText(text, Qt::MatchFixedString) >= 0)
        return;
    ItemFinder::Found found;
    if (!ItemFinder::find(text, true, 50, &found))
        return;
    if (found.matches.isEmpty()) {
        ZkPrompt::warning(this, windowTitle(), tr("No item matches %1").arg(text));
        return;
    }
    ItemComboBox->clear();
    for (const ItemFinder::Match& m : qAsConst(found.matches))
        ItemComboBox->addItem(m.description, m.code);
    ItemComboBox->setCurrentIndex(0);
}

QString CompTable::chosenItem(const QString& caption, QString* description)
{
    const QString text = ItemComboBox->currentText().trimmed();
    const int index = ItemComboBox->findText(text, Qt::MatchFixedString);
    if (index >= 0) {
        *description = ItemComboBox->itemText(index);
        return ItemComboBox->itemData(index).toString();
    }
    ItemFinder::Found found;
    if (!text.isEmpty() && !ItemFinder::find(text, true, 2, &found))
        return QString();
    if (found.exact || found.matches.size() == 1) {
        *description = found.matches.first().description;
        return found.matches.first().code;
    }
    ZkPrompt::warning(this, caption,
                      text.isEmpty() ? tr("Choose the item to put in the composition")
                                     : tr("%1 names no single item: choose it from the list").arg(text));
    ItemComboBox->setFocus();
    return QString();
}

bool CompTable::readItemEntry(const QString& caption, ItemEntry* entry)
{
    if (m_code <= 0) {
        ZkPrompt::warning(this, caption, tr("You must highlight a Composition first"));
        return false;
    }
    entry->code = chosenItem(caption, &entry->description);
    if (entry->code.isEmpty())
        return false;
    entry->discountable = DiscountableCheckBox->isChecked();
    return FieldCheck::number(this, caption, tr("The quantity"), QuantityEdit, 0.001, FieldCheck::kMaxQuantity, 3,
                              &entry->quantity)
        && FieldCheck::number(this, caption, tr("The discount"), DiscountEdit, 0, 100, 1, &entry->discount);
}

int CompTable::highlightedRowId(UnitSql& unit)
{
    const QTreeWidgetItem* row = ItemListView->currentItem();
    // The row is found by what it shows: of identical rows, the first.
    QVariant id;
    if (!unit.value(QStringLiteral("SELECT id FROM CompositionContents WHERE CompId=%1 AND Quantity=%2 AND "
                                   "Discountable='%3' AND Discount=%4 AND Code='%5' ORDER BY id LIMIT 1")
                        .arg(QString::number(m_code), row->text(ColQuantity),
                             Utility::escapeSQL(row->text(ColDiscountable)), row->text(ColDiscount),
                             Utility::escapeSQL(row->text(ColCode))),
                    &id))
        return -1;
    return id.isValid() ? id.toInt() : 0;
}

void CompTable::newItem()
{
    const QString caption = tr("New Composition Item");
    ItemEntry entry;
    if (!readItemEntry(caption, &entry)
        || !confirm(caption, tr("Confirm that you wish to add the Composition Item '%1'").arg(entry.description)))
        return;
    QSqlQuery q;
    if (!q.exec(
            QStringLiteral("INSERT INTO CompositionContents (Quantity, Code, Discountable, Discount, CompId) VALUES "
                           "(%1, '%2', '%3', %4, %5)")
                .arg(QString::number(entry.quantity, 'f', 3), Utility::escapeSQL(entry.code),
                     entry.discountable ? QStringLiteral("Y") : QStringLiteral("N"),
                     QString::number(entry.discount, 'f', 1), QString::number(m_code)))) {
        Utility::showDBError(q);
        return;
    }
    showAgain();
}

void CompTable::updateItem()
{
    const QString caption = tr("Update Composition Item");
    if (!ItemListView->currentItem()) {
        ZkPrompt::warning(this, caption, tr("You must highlight a Composition Item to Update"));
        return;
    }
    ItemEntry entry;
    if (!readItemEntry(caption, &entry)
        || !confirm(caption, tr("Confirm that you wish to update the Composition Item '%1'").arg(entry.description)))
        return;
    UnitSql unit;
    if (!unit.isOpen())
        return;
    const int id = highlightedRowId(unit);
    if (id < 0)
        return;
    if (id > 0
        && (!unit.exec(QStringLiteral("UPDATE CompositionContents SET Quantity=%1, Code='%2', Discount=%3, "
                                      "Discountable='%4' WHERE id=%5")
                           .arg(QString::number(entry.quantity, 'f', 3), Utility::escapeSQL(entry.code),
                                QString::number(entry.discount, 'f', 1),
                                entry.discountable ? QStringLiteral("Y") : QStringLiteral("N"), QString::number(id)))
            || !unit.commit()))
        return;
    showAgain();
}

void CompTable::deleteItem()
{
    const QString caption = tr("Delete Composition Item");
    const QTreeWidgetItem* row = ItemListView->currentItem();
    if (!row) {
        ZkPrompt::warning(this, caption, tr("You must higlight a Composition  Item entry to delete"));
        return;
    }
    if (!confirm(caption,
                 tr("Confirm that you wish to delete the Composition Item '%1' from the Composition")
                     .arg(row->text(ColDescription))))
        return;
    UnitSql unit;
    if (!unit.isOpen())
        return;
    const int id = highlightedRowId(unit);
    if (id < 0)
        return;
    if (id > 0 && (!unit.exec(QStringLiteral("DELETE FROM CompositionContents WHERE id=%1").arg(id)) || !unit.commit()))
        return;
    showAgain();
}

void CompTable::imageSelection()
{
    if (m_code <= 0) {
        ZkPrompt::warning(this, windowTitle(), tr("You must highlight a Composition first"));
        return;
    }
    if (TouchPicture::change(this, !m_picture.isNull(), &m_picture) != TouchPicture::Kept)
        TouchPicture::show(ImagePushButton, m_picture);
}

void CompTable::touchLabelChanged(const QString& text)
{
    // The button shows the label under the picture, as the touch page will.
    ImagePushButton->setText(text.trimmed().isEmpty() ? tr("Picture") : text.trimmed());
}
