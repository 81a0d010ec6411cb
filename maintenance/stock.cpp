#include "maintenance/stock.h"

#include "maintenance/fieldcheck.h"
#include "maintenance/itemfinder.h"
#include "maintenance/stocktrace.h"
#include "maintenance/unitsql.h"

#include "core/globals.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"

#include <QDoubleValidator>
#include <QHeaderView>
#include <QSqlQuery>
#include <cmath>

namespace {

/** The figures of a row as they were checked, kept beside its texts. */
constexpr int kValueRole = Qt::UserRole;

bool differ(double a, double b, int decimals)
{
    return std::fabs(a - b) >= 0.5 * std::pow(10.0, -decimals);
}

} // namespace

Stock::Stock(bool priceAdjust, bool priceView, QWidget* parent, const char* name)
    : StockGui(parent)
    , m_priceAdjust(priceAdjust)
    , m_priceView(priceView)
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("Stock"));
    auto* quantity = new QDoubleValidator(-FieldCheck::kMaxQuantity, FieldCheck::kMaxQuantity, 3, QuantityEdit);
    quantity->setNotation(QDoubleValidator::StandardNotation);
    QuantityEdit->setValidator(quantity);
    PriceEdit->setValidator(new MoneyValidator(FieldCheck::kMaxAmount, PriceEdit));
    CostEdit->setValidator(new MoneyValidator(FieldCheck::kMaxAmount, CostEdit));
    auto* markup = new QDoubleValidator(0, FieldCheck::kMaxMarkup, 4, MarkupEdit);
    markup->setNotation(QDoubleValidator::StandardNotation);
    MarkupEdit->setValidator(markup);
    StockListView->header()->setSectionResizeMode(ColItem, QHeaderView::Stretch);
    StockListView->header()->setStretchLastSection(false);

    // Without the right to see prices they are neither shown nor listed;
    // without the right to change them they are shown as they stand.
    PriceGroupBox->setVisible(m_priceView);
    for (int column : {ColPrice, ColMarkup, ColCost})
        StockListView->setColumnHidden(column, !m_priceView);
    for (QLineEdit* field : {PriceEdit, MarkupEdit, CostEdit})
        field->setReadOnly(!m_priceAdjust);

    SupplierComboBox->addItem(QString());
    QSqlQuery q;
    if (q.exec(QStringLiteral("SELECT Company FROM Supply ORDER BY Company"))) {
        while (q.next())
            SupplierComboBox->addItem(q.value(0).toString().toUpper());
    } else {
        Utility::showDBError(q);
    }
    // Typing over a found item makes it unknown again.
    connect(ItemComboBox, &QComboBox::editTextChanged, this, [this] {
        if (!m_filling)
            forgetItem();
    });
    resetEntry();
}

void Stock::forgetItem()
{
    m_item = Item();
    UomLabel->clear();
    OnOrderLabel->clear();
}

void Stock::resetEntry()
{
    m_filling = true;
    ItemComboBox->clear();
    m_filling = false;
    forgetItem();
    QuantityEdit->clear();
    AdjustmentCheckBox->setChecked(false);
    for (QLineEdit* field : {PriceEdit, MarkupEdit, CostEdit})
        field->clear();
    ItemComboBox->setFocus();
}

void Stock::itemReturnPressed()
{
    const QString text = ItemComboBox->currentText().trimmed();
    if (text.isEmpty())
        return;
    ItemFinder::Found found;
    if (!ItemFinder::find(text, true, 50, &found))
        return;
    if (found.matches.isEmpty()) {
        ZkPrompt::warning(this, tr("Brevalon - Receive Stock"), tr("No item matches %1").arg(text));
        return;
    }
    m_filling = true;
    ItemComboBox->clear();
    for (const ItemFinder::Match& m : qAsConst(found.matches))
        ItemComboBox->addItem(m.description, m.code);
    ItemComboBox->setCurrentIndex(0);
    m_filling = false;
    loadItem(found.matches.first().code);
    QuantityEdit->setFocus();
}

void Stock::itemSelected(const QString& text)
{
    const int index = ItemComboBox->findText(text, Qt::MatchFixedString);
    if (index < 0)
        return;
    loadItem(ItemComboBox->itemData(index).toString());
    QuantityEdit->setFocus();
}

bool Stock::loadItem(const QString& code)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Description, Supplier, UnitOfMeasure, OnOrder, Price, MarkUp, Cost, Quantity "
                               "FROM Inventory WHERE Code='%1'")
                    .arg(Utility::escapeSQL(code)))) {
        Utility::showDBError(q);
        return false;
    }
    if (!q.next()) {
        forgetItem();
        return false;
    }
    m_item.validated = true;
    m_item.code = code;
    m_item.description = q.value(0).toString();
    m_item.unit = q.value(2).toString();
    m_item.price = q.value(4).toDouble();
    m_item.markup = q.value(5).toDouble();
    m_item.cost = q.value(6).toDouble();
    const QString supplier = q.value(1).toString().toUpper();
    int index = SupplierComboBox->findText(supplier);
    if (index < 0 && !supplier.isEmpty()) {
        SupplierComboBox->addItem(supplier);
        index = SupplierComboBox->count() - 1;
    }
    SupplierComboBox->setCurrentIndex(qMax(0, index));
    UomLabel->setText(m_item.unit);
    OnOrderLabel->setText(
        tr("On hand %1, on order %2")
            .arg(Utility::numStr(q.value(7).toDouble(), 3), Utility::numStr(q.value(3).toDouble(), 3)));
    PriceEdit->setText(Utility::numStr(m_item.price, 2));
    MarkupEdit->setText(Utility::numStr(m_item.markup, 4));
    CostEdit->setText(Utility::numStr(m_item.cost, 2));
    return true;
}

void Stock::addItem()
{
    const QString caption = tr("Brevalon - Receive Stock");
    if (!m_item.validated) {
        ZkPrompt::warning(this, caption, tr("You have not validated this item\nYou can not receive unknown stock\n\n"));
        ItemComboBox->setFocus();
        return;
    }
    double quantity = 0;
    if (!FieldCheck::number(this, caption, tr("The quantity"), QuantityEdit, -FieldCheck::kMaxQuantity,
                            FieldCheck::kMaxQuantity, 3, &quantity))
        return;
    const bool adjustment = AdjustmentCheckBox->isChecked();
    if (quantity == 0 || (quantity < 0 && !adjustment)) {
        ZkPrompt::warning(this, caption, tr("Check your quantity, zero or negative values are not accpted.\n"));
        QuantityEdit->setFocus();
        return;
    }
    double price = m_item.price;
    double markup = m_item.markup;
    double cost = m_item.cost;
    if (m_priceAdjust
        && (!FieldCheck::number(this, caption, tr("The price"), PriceEdit, 0, FieldCheck::kMaxAmount, 2, &price)
            || !FieldCheck::number(this, caption, tr("The markup"), MarkupEdit, 0, FieldCheck::kMaxMarkup, 4, &markup)
            || !FieldCheck::number(this, caption, tr("The cost"), CostEdit, 0, FieldCheck::kMaxAmount, 2, &cost)))
        return;

    auto* row = new ZkListItem(StockListView,
                               {Utility::numStr(quantity, 3), m_item.unit, m_item.description,
                                SupplierComboBox->currentText(), adjustment ? QStringLiteral("Y") : QStringLiteral("N"),
                                Utility::numStr(price, 2), Utility::numStr(markup, 4), Utility::numStr(cost, 2),
                                m_item.code});
    row->setData(ColQuantity, kValueRole, quantity);
    row->setData(ColPrice, kValueRole, price);
    row->setData(ColMarkup, kValueRole, markup);
    row->setData(ColCost, kValueRole, cost);
    for (int column : {ColQuantity, ColPrice, ColMarkup, ColCost})
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    StockListView->scrollToItem(row);
    resetEntry();
}

void Stock::removeItem()
{
    const QString caption = tr("Brevalon - Receive Stock");
    if (StockListView->topLevelItemCount() == 0) {
        ZkPrompt::warning(this, caption, tr("The recieved stock list is empty"));
        return;
    }
    QTreeWidgetItem* row = StockListView->currentItem();
    if (!row) {
        ZkPrompt::warning(this, caption, tr("Highlight the line to take out of the list first"));
        return;
    }
    delete row;
}

void Stock::ok()
{
    if (StockListView->topLevelItemCount() == 0) {
        ZkPrompt::warning(this, tr("Receive Stock"), tr("The recieved stock list is empty"));
        return;
    }
    const QString caption = tr("Brevalon - Receive Stock");
    struct Change
    {
        QString code;
        QString description;
        double was[3];
        double now[3];
    };
    QList<Change> changes;
    QList<StockTraceWriter::Line> lines;

    UnitSql unit;
    if (!unit.isOpen())
        return;
    for (int i = 0; i < StockListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = StockListView->topLevelItem(i);
        StockTraceWriter::Line line;
        line.quantity = row->data(ColQuantity, kValueRole).toDouble();
        line.unit = row->text(ColUnit);
        line.description = row->text(ColItem);
        line.supplier = row->text(ColSupplier);
        line.adjustment = row->text(ColAdjustment) == QLatin1String("Y");
        line.price = row->data(ColPrice, kValueRole).toDouble();
        line.markup = row->data(ColMarkup, kValueRole).toDouble();
        line.cost = row->data(ColCost, kValueRole).toDouble();
        line.code = row->text(ColCode);
        const QString key = Utility::escapeSQL(line.code);

        if (!unit.exec(QStringLiteral("SELECT Price, MarkUp, Cost FROM Inventory WHERE Code='%1'").arg(key)))
            return;
        if (!unit.query().next()) {
            unit.rollback();
            ZkPrompt::warning(this, caption,
                              tr("%1 is no longer on file.\nNothing was received; take it out of the list and process "
                                 "again.")
                                  .arg(line.description));
            return;
        }
        const Change change {
            line.code,
            line.description,
            {unit.query().value(0).toDouble(), unit.query().value(1).toDouble(), unit.query().value(2).toDouble()},
            {line.price, line.markup, line.cost}};
        const bool priced = m_priceAdjust
            && (differ(change.was[0], change.now[0], 2) || differ(change.was[1], change.now[1], 4)
                || differ(change.was[2], change.now[2], 2));

        // Relative to what the row holds now: sales at other tills while
        // this list was made stay counted. A correction of the level is no
        // delivery and leaves the quantity on order alone.
        QStringList sets {QStringLiteral("Quantity=Quantity+(%1)").arg(QString::number(line.quantity, 'f', 3))};
        if (!line.adjustment)
            sets << QStringLiteral("OnOrder=CASE WHEN OnOrder-(%1)<0 THEN 0 ELSE OnOrder-(%1) END")
                        .arg(QString::number(line.quantity, 'f', 3));
        if (priced) {
            sets << QStringLiteral("Price=%1").arg(QString::number(line.price, 'f', 2))
                 << QStringLiteral("MarkUp=%1").arg(QString::number(line.markup, 'f', 4))
                 << QStringLiteral("Cost=%1").arg(QString::number(line.cost, 'f', 2));
            changes << change;
        }
        if (!unit.exec(QStringLiteral("UPDATE Inventory SET ") + sets.join(QLatin1String(", "))
                       + QStringLiteral(" WHERE Code='%1'").arg(key)))
            return;
        lines << line;
    }
    const int trace = StockTraceWriter::write(unit, NotesEdit->text().trimmed(), lines);
    if (trace <= 0 || !unit.commit())
        return;

    utils->logAction(tr("Stock Receieved"), tr("Trace %1, %n line(s)", nullptr, int(lines.size())).arg(trace),
                     QString(), '0');
    for (const Change& c : qAsConst(changes))
        utils->logAction(tr("Stock Price Adjustment"),
                         tr("%8 - Code %1, Price %2 -> %3, Markup %4 -> %5, Cost %6 -> %7")
                             .arg(c.code, Utility::numStr(c.was[0], 2), Utility::numStr(c.now[0], 2),
                                  Utility::numStr(c.was[1], 4), Utility::numStr(c.now[1], 4),
                                  Utility::numStr(c.was[2], 2), Utility::numStr(c.now[2], 2), c.description),
                         QString(), '2');
    StockListView->clear();
    QDialog::accept();
}

void Stock::cancel()
{
    if (StockListView->topLevelItemCount() > 0
        && ZkPrompt::question(this, tr("Brevalon - Receive Stock"),
                              tr("You have not processed this stock\nDo you want to abandon recieving stock ?"),
                              {tr("&Yes"), tr("&No")}, 1, 1)
            != 0)
        return;
    QDialog::reject();
}

void Stock::reject()
{
    cancel();
}
