// The item maintenance dialog: its list, the search and the fields.

#include "maintenance/vendtable.h"

#include "maintenance/fieldcheck.h"
#include "maintenance/itemfinder.h"
#include "maintenance/itemlistmodel.h"
#include "maintenance/touchpicture.h"

#include "core/globals.h"
#include "core/limitvalidator.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"

#include <QDoubleValidator>
#include <QHeaderView>
#include <QIntValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace {

/** A markup as the operator reads it: no more decimals than it needs,
 *  never fewer than two. */
QString markupText(double markup)
{
    QString text = Utility::numStr(markup, 4);
    const QChar point = Utility::locale().decimalPoint().at(0);
    while (text.endsWith(QLatin1Char('0')) && text.indexOf(point) < text.size() - 3)
        text.chop(1);
    return text;
}

void fillChoice(QComboBox* choice, const QStringList& entries)
{
    const QString current = choice->currentText();
    choice->clear();
    choice->addItems(entries);
    choice->setCurrentIndex(qMax(0, choice->findText(current)));
}

/** Selects @p text in @p choice, adding it when the table no longer has it. */
void choose(QComboBox* choice, const QString& text)
{
    int index = choice->findText(text);
    if (index < 0) {
        choice->addItem(text);
        index = choice->count() - 1;
    }
    choice->setCurrentIndex(index);
}

} // namespace

VendTable::VendTable(QWidget* parent)
    : VendTableGui(parent)
{
    setObjectName(QStringLiteral("VendTable"));
    init();
}

VendTable::~VendTable() = default;

void VendTable::init()
{
    const struct
    {
        QLineEdit* field;
        int limit;
    } texts[] = {{CodeEdit, 13}, {DescriptionEdit, 255}, {UomEdit, 20}, {TouchEdit, 255}, {SearchEdit, 255}};
    for (const auto& t : texts)
        t.field->setValidator(new LimitValidator(t.limit, t.field));
    for (QLineEdit* money : {CostEdit, SellEdit, Tier1SellEdit, Tier2SellEdit})
        money->setValidator(new MoneyValidator(FieldCheck::kMaxAmount, money));
    for (QLineEdit* markup : {MarkupEdit, Tier1MarkupEdit, Tier2MarkupEdit}) {
        auto* v = new QDoubleValidator(0, FieldCheck::kMaxMarkup, 4, markup);
        v->setNotation(QDoubleValidator::StandardNotation);
        markup->setValidator(v);
    }
    for (QLineEdit* quantity : {StockLevelEdit, ReOrderEdit, ToQuantityEdit, OnOrderEdit}) {
        // The level may stand below nought after selling what was not
        // received; the other figures never do.
        const double bottom = quantity == StockLevelEdit ? -FieldCheck::kMaxQuantity : 0;
        auto* v = new QDoubleValidator(bottom, FieldCheck::kMaxQuantity, 3, quantity);
        v->setNotation(QDoubleValidator::StandardNotation);
        quantity->setValidator(v);
    }
    DTREdit->setValidator(new QIntValidator(0, 36500, DTREdit));

    setUpList();
    fillChoices();
    languageChange();
    clear();
}

void VendTable::languageChange()
{
    VendTableGui::languageChange();
    if (utils) {
        Tax1CheckBox->setText(utils->sysInfo().tax1Name.isEmpty() ? tr("Tax 1") : utils->sysInfo().tax1Name);
        Tax2CheckBox->setText(utils->sysInfo().tax2Name.isEmpty() ? tr("Tax 2") : utils->sysInfo().tax2Name);
    }
    if (FilterComboBox->count() > 0)
        FilterComboBox->setItemText(0, tr("No Filter"));
}

void VendTable::fillChoices()
{
    QStringList departments;
    QStringList suppliers;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Department FROM Departments ORDER BY Rank, Department"))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next())
        departments << q.value(0).toString();
    if (!q.exec(QStringLiteral("SELECT Company FROM Supply ORDER BY Company"))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next())
        suppliers << q.value(0).toString().toUpper();
    fillChoice(DepartmentComboBox, QStringList(QString()) + departments);
    fillChoice(SupplierComboBox, QStringList(QString()) + suppliers);
    fillChoice(FilterComboBox, QStringList(tr("No Filter")) + departments);
}

void VendTable::setUpList()
{
    m_model = new ItemListModel(this);
    ListView->setModel(m_model);
    ListView->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QHeaderView* header = ListView->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->resizeSection(ItemListModel::ColCode, 110);
    header->resizeSection(ItemListModel::ColDepartment, 100);
    header->resizeSection(ItemListModel::ColDescription, 220);
    for (int c = ItemListModel::ColUnit; c < ItemListModel::ColumnCount; ++c)
        header->resizeSection(c, c >= ItemListModel::ColCost && c <= ItemListModel::ColQuantity ? 72 : 46);
    connect(ListView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    itemSelected(current);
            });
    connect(ListView->verticalScrollBar(), &QScrollBar::valueChanged, this, &VendTable::listScrolled);
    m_model->reload();
}

void VendTable::listScrolled(int value)
{
    QScrollBar* bar = ListView->verticalScrollBar();
    if (value != bar->minimum() || !m_model->canFetchBefore())
        return;
    const int added = m_model->fetchBefore();
    // The rows in view stay where they were; the new ones sit above them.
    bar->setValue(value + added);
}

void VendTable::selectTable(const QString& department)
{
    const QString code = loadedCode();
    m_model->setDepartment(department);
    const int row = code.isEmpty() ? -1 : m_model->showAround(code);
    if (row >= 0)
        selectRow(row);
}

void VendTable::filterChange(const QString& department)
{
    selectTable(FilterComboBox->currentIndex() <= 0 ? QString() : department);
}

void VendTable::showDepartment(const QString& department)
{
    QSignalBlocker block(FilterComboBox);
    if (department.isEmpty())
        FilterComboBox->setCurrentIndex(0);
    else
        choose(FilterComboBox, department);
    m_model->setDepartment(department);
}

void VendTable::selectRow(int row)
{
    const QModelIndex index = m_model->index(row, ItemListModel::ColDescription);
    ListView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ListView->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool VendTable::showItem(const QString& code)
{
    int row = m_model->showAround(code);
    if (row < 0 && !m_model->department().isEmpty()) {
        // The item lies outside the department shown: show them all.
        showDepartment(QString());
        row = m_model->showAround(code);
    }
    if (row < 0)
        return false;
    // A new current row loads the item; the same row again would not.
    ListView->selectionModel()->clearCurrentIndex();
    selectRow(row);
    return true;
}

void VendTable::itemSelected(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QString code = m_model->code(index.row());
    if (!loadItem(code))
        ZkPrompt::warning(this, windowTitle(), tr("The entry with Code %1 is no longer on file.").arg(code));
    // Stepping onto the first row read shows the rows above it.
    if (index.row() == 0 && m_model->canFetchBefore())
        m_model->fetchBefore();
}

bool VendTable::loadItem(const QString& code)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Code, Department, Description, UnitOfMeasure, Cost, MarkUp, Price, "
                               "Tier1Markup, Tier1Price, Tier2Markup, Tier2Price, Quantity, ReOrder, ToQuantity, "
                               "OnOrder, Supplier, Tax1, Tax2, Returnable, DTR FROM Inventory WHERE Code='%1'")
                    .arg(Utility::escapeSQL(code)))) {
        Utility::showDBError(q);
        return false;
    }
    if (!q.next())
        return false;
    auto number = [&q](int column, int decimals) { return Utility::numStr(q.value(column).toDouble(), decimals); };
    auto flag = [&q](int column) { return q.value(column).toString() == QLatin1String("Y"); };

    Loaded loaded;
    loaded.valid = true;
    loaded.code = q.value(0).toString();
    loaded.department = q.value(1).toString();
    loaded.description = q.value(2).toString();
    loaded.unit = q.value(3).toString();
    for (int tier = 0; tier < 3; ++tier)
        loaded.price[tier] = q.value(6 + 2 * tier).toDouble();
    loaded.quantity = q.value(11).toDouble();
    loaded.onOrder = q.value(14).toDouble();
    loaded.tax1 = flag(16);
    loaded.tax2 = flag(17);
    loaded.returnable = flag(18);

    CodeEdit->setText(loaded.code);
    choose(DepartmentComboBox, loaded.department);
    DescriptionEdit->setText(loaded.description);
    UomEdit->setText(loaded.unit);
    CostEdit->setText(number(4, 2));
    for (int tier = 0; tier < 3; ++tier) {
        markupField(tier)->setText(markupText(q.value(5 + 2 * tier).toDouble()));
        sellField(tier)->setText(number(6 + 2 * tier, 2));
    }
    StockLevelEdit->setText(number(11, 3));
    ReOrderEdit->setText(number(12, 3));
    ToQuantityEdit->setText(number(13, 3));
    OnOrderEdit->setText(number(14, 3));
    choose(SupplierComboBox, q.value(15).toString().toUpper());
    Tax1CheckBox->setChecked(loaded.tax1);
    Tax2CheckBox->setChecked(loaded.tax2);
    ReturnableCheckBox->setChecked(loaded.returnable);
    DTREdit->setText(QString::number(q.value(19).toInt()));

    if (!q.exec(QStringLiteral("SELECT Label, Image FROM Images WHERE Code='%1'").arg(Utility::escapeSQL(code)))) {
        Utility::showDBError(q);
        return false;
    }
    const bool pictured = q.next();
    TouchEdit->setText(pictured ? q.value(0).toString() : QString());
    m_picture = pictured ? TouchPicture::decode(q.value(1).toString().toLatin1()) : QImage();
    TouchPicture::show(ImagePushButton, m_picture);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->setModified(false);
    m_loaded = loaded;
    return true;
}

void VendTable::clear()
{
    m_loaded = Loaded();
    for (QLineEdit* field : {CodeEdit, DescriptionEdit, UomEdit, CostEdit, SellEdit, Tier1SellEdit, Tier2SellEdit,
                             StockLevelEdit, ReOrderEdit, ToQuantityEdit, OnOrderEdit, DTREdit, TouchEdit})
        field->clear();
    // A new item starts from the shop's markups and its first tax.
    for (int tier = 0; tier < 3; ++tier)
        markupField(tier)->setText(markupText(utils ? utils->sysInfo().markup[tier] : 1));
    DepartmentComboBox->setCurrentIndex(0);
    SupplierComboBox->setCurrentIndex(0);
    Tax1CheckBox->setChecked(true);
    Tax2CheckBox->setChecked(false);
    ReturnableCheckBox->setChecked(false);
    m_picture = QImage();
    TouchPicture::show(ImagePushButton, m_picture);
    ListView->selectionModel()->clear();
    CodeEdit->setFocus();
}

void VendTable::searchEntry()
{
    const QString caption = tr("Brevalon - Stock Management");
    const QString text = SearchEdit->text().trimmed().toUpper();
    if (text.isEmpty()) {
        SearchEdit->setFocus();
        return;
    }
    switch (SearchComboBox->currentIndex()) {
    case 0: {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Code FROM Inventory WHERE Code='%1'%2")
                        .arg(Utility::escapeSQL(text), ZkDb::caseBlind()))) {
            Utility::showDBError(q);
            return;
        }
        if (!q.next() || !showItem(q.value(0).toString()))
            ZkPrompt::information(this, caption,
                                  tr("<b></b>No entry with code <b>%1</b> located").arg(text.toHtmlEscaped()));
        return;
    }
    case 1: {
        ItemFinder::Found found;
        if (!ItemFinder::find(text, false, 1, &found))
            return;
        if (found.matches.isEmpty() || !showItem(found.matches.first().code)) {
            ZkPrompt::information(this, caption,
                                  tr("<b></b>No entry matching <b>%1</b> found").arg(text.toHtmlEscaped()));
            return;
        }
        if (!found.exact)
            ZkPrompt::information(this, caption,
                                  tr("<b></b>The exact match of <b>%1</b> was not found.<p>The closest match <b>%2</b> "
                                     "has been choosen")
                                      .arg(text.toHtmlEscaped(), found.matches.first().description.toHtmlEscaped()));
        return;
    }
    default: {
        // The department typed, or the first one whose name starts so.
        QStringList candidates {text};
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Department FROM Departments WHERE Department LIKE '%1%'%2 ORDER BY Rank")
                        .arg(Utility::escapeLike(text), Utility::likeEscape()))) {
            Utility::showDBError(q);
            return;
        }
        while (q.next())
            candidates << q.value(0).toString();
        for (const QString& department : qAsConst(candidates)) {
            if (!q.exec(QStringLiteral("SELECT Code FROM Inventory WHERE Department='%1' ORDER BY Rank, Code LIMIT 1")
                            .arg(Utility::escapeSQL(department)))) {
                Utility::showDBError(q);
                return;
            }
            if (q.next()) {
                const QString code = q.value(0).toString();
                showDepartment(department);
                showItem(code);
                return;
            }
        }
        ZkPrompt::information(this, caption,
                              tr("<b></b>No entry with Department <b>%1</b> located").arg(text.toHtmlEscaped()));
    }
    }
}

void VendTable::barcodeScanned()
{
    const QString code = CodeEdit->text().trimmed().toUpper();
    if (code.isEmpty())
        return;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Code FROM Inventory WHERE Code='%1'%2")
                    .arg(Utility::escapeSQL(code), ZkDb::caseBlind()))) {
        Utility::showDBError(q);
        return;
    }
    if (q.next() && showItem(q.value(0).toString()))
        return;
    // A code not on file is the start of a new item.
    DescriptionEdit->setFocus();
}

void VendTable::imageSelection()
{
    if (TouchPicture::change(this, !m_picture.isNull(), &m_picture) != TouchPicture::Kept)
        TouchPicture::show(ImagePushButton, m_picture);
}
