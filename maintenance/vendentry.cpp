// The item maintenance dialog: new items, updates and deletions, each
// written as one unit.

#include "maintenance/vendtable.h"

#include "maintenance/fieldcheck.h"
#include "maintenance/itemlistmodel.h"
#include "maintenance/rankswap.h"
#include "maintenance/stocktrace.h"
#include "maintenance/touchpicture.h"
#include "maintenance/unitsql.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"

#include <QSqlQuery>
#include <cmath>

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text.trimmed(), true) + QLatin1Char('\'');
}

QString flag(bool on)
{
    return on ? QStringLiteral("'Y'") : QStringLiteral("' '");
}

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

QString quantity(double value)
{
    return QString::number(value, 'f', 3);
}

QString markup(double value)
{
    return QString::number(value, 'f', 4);
}

bool differ(double a, double b, int decimals)
{
    return std::fabs(a - b) >= 0.5 * std::pow(10.0, -decimals);
}

} // namespace

bool VendTable::readFigures(const QString& caption, bool quantityChanged, Figures* f)
{
    using namespace FieldCheck;
    const QString tiers[] = {tr("The base"), tr("The tier 1"), tr("The tier 2")};
    if (!number(this, caption, tr("The cost"), CostEdit, 0, kMaxAmount, 2, &f->cost))
        return false;
    for (int tier = 0; tier < 3; ++tier) {
        const double typed = Utility::strNum(markupField(tier)->text());
        if (typed < 0) {
            ZkPrompt::warning(
                this, caption,
                tr("%1 markup of %2 gives a negative price.").arg(tiers[tier], markupField(tier)->text().trimmed()));
            markupField(tier)->setFocus();
            return false;
        }
        if (!number(this, caption, tr("%1 markup").arg(tiers[tier]), markupField(tier), 0, kMaxMarkup, 4,
                    &f->markup[tier])
            || !number(this, caption, tr("%1 price").arg(tiers[tier]), sellField(tier), 0, kMaxAmount, 2,
                       &f->price[tier]))
            return false;
    }
    // A level below nought that came from the till may stay; the operator
    // may not type one.
    return number(this, caption, tr("The stock on hand"), StockLevelEdit, quantityChanged ? 0 : -kMaxQuantity,
                  kMaxQuantity, 3, &f->quantity)
        && number(this, caption, tr("The re-order level"), ReOrderEdit, 0, kMaxQuantity, 3, &f->reOrder)
        && number(this, caption, tr("The quantity to order to"), ToQuantityEdit, 0, kMaxQuantity, 3, &f->toQuantity)
        && number(this, caption, tr("The quantity on order"), OnOrderEdit, 0, kMaxQuantity, 3, &f->onOrder)
        && number(this, caption, tr("The days to renewal"), DTREdit, 0, 36500, 0, &f->dtr);
}

bool VendTable::takenBy(const QString& column, const QString& value, const QString& except, QString* owner)
{
    const QString other = column == QLatin1String("Code") ? QStringLiteral("Description") : QStringLiteral("Code");
    QString sql = QStringLiteral("SELECT %1 FROM Inventory WHERE %2='%3'%4")
                      .arg(other, column, Utility::escapeSQL(value.trimmed(), true), ZkDb::caseBlind());
    if (!except.isNull())
        sql += QStringLiteral(" AND Code<>'%1'").arg(Utility::escapeSQL(except));
    QSqlQuery q;
    if (!q.exec(sql + QLatin1String(" LIMIT 1"))) {
        Utility::showDBError(q);
        return true;
    }
    owner->clear();
    if (q.next())
        *owner = q.value(0).toString();
    return !owner->isEmpty() || q.isValid();
}

bool VendTable::writePicture(UnitSql& unit, const QString& code)
{
    const QString label = TouchEdit->text().trimmed();
    if (label.isEmpty() && m_picture.isNull())
        return unit.exec(QStringLiteral("DELETE FROM Images WHERE Code=%1").arg(quoted(code)));
    // Built by concatenation: the picture's text may hold "%1" and the like.
    return unit.exec(QStringLiteral("REPLACE INTO Images (Code, Label, Image) VALUES (") + quoted(code)
                     + QLatin1String(", ") + quoted(label) + QLatin1String(", '")
                     + Utility::escapeSQL(QString::fromLatin1(TouchPicture::encode(m_picture))) + QLatin1String("')"));
}

bool VendTable::writeTrace(UnitSql& unit, const QString& notes, double moved, bool adjustment, const Figures& f)
{
    StockTraceWriter::Line line;
    line.quantity = moved;
    line.unit = UomEdit->text().trimmed();
    line.description = DescriptionEdit->text().trimmed();
    line.supplier = SupplierComboBox->currentText();
    line.adjustment = adjustment;
    line.price = f.price[0];
    line.markup = f.markup[0];
    line.cost = f.cost;
    line.code = CodeEdit->text().trimmed();
    return StockTraceWriter::write(unit, notes, {line}) > 0;
}

void VendTable::newEntry()
{
    const QString caption = tr("New Entry");
    const QString code = CodeEdit->text().trimmed().toUpper();
    const QString description = DescriptionEdit->text().trimmed().toUpper();
    if (description.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Description"));
        DescriptionEdit->setFocus();
        return;
    }
    if (code.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Code and Description"));
        CodeEdit->setFocus();
        return;
    }
    Figures f;
    if (!readFigures(caption, true, &f))
        return;
    QString owner;
    if (takenBy(QStringLiteral("Description"), description, QString(), &owner)) {
        if (!owner.isEmpty())
            ZkPrompt::warning(this, caption, tr("The product %1 is already allocated Code %2").arg(description, owner));
        return;
    }
    if (takenBy(QStringLiteral("Code"), code, QString(), &owner)) {
        if (!owner.isEmpty())
            ZkPrompt::warning(this, caption, tr("The code %1 is already allocated to %2").arg(code, owner));
        return;
    }

    UnitSql unit;
    int rank = 0;
    if (!unit.isOpen() || !RankSwap::nextRank(unit, QStringLiteral("Inventory"), &rank))
        return;
    const QStringList values {quoted(code),
                              quoted(DepartmentComboBox->currentText()),
                              quoted(description),
                              quoted(UomEdit->text()),
                              amount(f.price[0]),
                              markup(f.markup[0]),
                              amount(f.price[1]),
                              markup(f.markup[1]),
                              amount(f.price[2]),
                              markup(f.markup[2]),
                              amount(f.cost),
                              quantity(f.quantity),
                              quantity(f.reOrder),
                              quantity(f.toQuantity),
                              quantity(f.onOrder),
                              quoted(SupplierComboBox->currentText()),
                              flag(Tax1CheckBox->isChecked()),
                              flag(Tax2CheckBox->isChecked()),
                              flag(ReturnableCheckBox->isChecked()),
                              QString::number(rank),
                              QString::number(qRound(f.dtr))};
    if (!unit.exec(QStringLiteral("INSERT INTO Inventory (Code, Department, Description, UnitOfMeasure, Price, MarkUp, "
                                  "Tier1Price, Tier1Markup, Tier2Price, Tier2Markup, Cost, Quantity, ReOrder, "
                                  "ToQuantity, OnOrder, Supplier, Tax1, Tax2, Returnable, Rank, DTR) VALUES (")
                   + values.join(QLatin1String(", ")) + QLatin1Char(')'))
        || !writePicture(unit, code) || !writeTrace(unit, tr("Initial stock quanity on hand"), f.quantity, false, f)
        || !unit.commit())
        return;

    utils->logAction(tr("Inventory"), tr("Added %1 Stock Level %2").arg(description, Utility::numStr(f.quantity, 3)),
                     QString(), '0');
    showItem(code);
}

void VendTable::updateEntry()
{
    const QString caption = tr("Modify Entry");
    if (!m_loaded.valid) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to modify"));
        return;
    }
    const QString code = CodeEdit->text().trimmed().toUpper();
    const QString description = DescriptionEdit->text().trimmed().toUpper();
    if (code.isEmpty() || description.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Code and Description"));
        return;
    }
    const bool quantityChanged
        = StockLevelEdit->isModified() && differ(Utility::strNum(StockLevelEdit->text()), m_loaded.quantity, 3);
    Figures f;
    if (!readFigures(caption, quantityChanged, &f))
        return;
    QString owner;
    if (code != m_loaded.code && takenBy(QStringLiteral("Code"), code, m_loaded.code, &owner)) {
        if (!owner.isEmpty())
            ZkPrompt::warning(this, caption, tr("The code %1 is already allocated to %2").arg(code, owner));
        return;
    }
    if (takenBy(QStringLiteral("Description"), description, m_loaded.code, &owner)) {
        if (!owner.isEmpty())
            ZkPrompt::warning(this, caption, tr("The product %1 is already allocated Code %2").arg(description, owner));
        return;
    }
    if (ZkPrompt::question(
            this, caption,
            tr("Confirm that you will update the highlighted entry\n%1, Code %2\nwith the values shown ?")
                .arg(m_loaded.description, m_loaded.code),
            {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }

    // The stock figures move by what the operator changed: sales and
    // deliveries at other tills since the item was read stay counted.
    const double levelMoved = quantityChanged ? f.quantity - m_loaded.quantity : 0;
    const double orderMoved = OnOrderEdit->isModified() ? f.onOrder - m_loaded.onOrder : 0;
    const QString old = Utility::escapeSQL(m_loaded.code);
    UnitSql unit;
    QVariant present;
    if (!unit.isOpen() || !unit.value(QStringLiteral("SELECT Code FROM Inventory WHERE Code='%1'").arg(old), &present))
        return;
    if (!present.isValid()) {
        unit.rollback();
        ZkPrompt::warning(this, caption,
                          tr("The entry %1, Code %2 is no longer on file.\nAnother till may have deleted it.")
                              .arg(m_loaded.description, m_loaded.code));
        return;
    }
    const QStringList sets {
        QStringLiteral("Code=") + quoted(code),
        QStringLiteral("Department=") + quoted(DepartmentComboBox->currentText()),
        QStringLiteral("Description=") + quoted(description),
        QStringLiteral("UnitOfMeasure=") + quoted(UomEdit->text()),
        QStringLiteral("Price=") + amount(f.price[0]),
        QStringLiteral("MarkUp=") + markup(f.markup[0]),
        QStringLiteral("Tier1Price=") + amount(f.price[1]),
        QStringLiteral("Tier1Markup=") + markup(f.markup[1]),
        QStringLiteral("Tier2Price=") + amount(f.price[2]),
        QStringLiteral("Tier2Markup=") + markup(f.markup[2]),
        QStringLiteral("Cost=") + amount(f.cost),
        QStringLiteral("Quantity=Quantity+(%1)").arg(quantity(levelMoved)),
        QStringLiteral("ReOrder=") + quantity(f.reOrder),
        QStringLiteral("ToQuantity=") + quantity(f.toQuantity),
        QStringLiteral("OnOrder=CASE WHEN OnOrder+(%1)<0 THEN 0 ELSE OnOrder+(%1) END").arg(quantity(orderMoved)),
        QStringLiteral("Supplier=") + quoted(SupplierComboBox->currentText()),
        QStringLiteral("Tax1=") + flag(Tax1CheckBox->isChecked()),
        QStringLiteral("Tax2=") + flag(Tax2CheckBox->isChecked()),
        QStringLiteral("Returnable=") + flag(ReturnableCheckBox->isChecked()),
        QStringLiteral("DTR=") + QString::number(qRound(f.dtr)),
    };
    if (!unit.exec(QStringLiteral("UPDATE Inventory SET ") + sets.join(QLatin1String(", "))
                   + QStringLiteral(" WHERE Code='%1'").arg(old)))
        return;
    // A new code takes the picture and the compositions' lines with it.
    if (code != m_loaded.code
        && (!unit.exec(QStringLiteral("DELETE FROM Images WHERE Code='%1'").arg(old))
            || !unit.exec(
                QStringLiteral("UPDATE CompositionContents SET Code=%1 WHERE Code='%2'").arg(quoted(code), old))))
        return;
    if (!writePicture(unit, code))
        return;
    if (levelMoved != 0 && !writeTrace(unit, tr("Stock level corrected by hand"), levelMoved, true, f))
        return;
    if (!unit.commit())
        return;

    auto log = [&](const QString& text) { utils->logAction(tr("Inventory"), text, QString(), '0'); };
    auto changed = [&](const QString& what, const QString& was, const QString& now) {
        if (was != now)
            log(tr("Update %1 : %2 was %3 now %4").arg(description, what, was, now));
    };
    changed(tr("Code"), m_loaded.code, code);
    changed(tr("Department"), m_loaded.department, DepartmentComboBox->currentText());
    changed(tr("UOM"), m_loaded.unit, UomEdit->text().trimmed().toUpper());
    const QString tierNames[] = {tr("Price"), tr("Tier1 Price"), tr("Tier2 Price")};
    for (int tier = 0; tier < 3; ++tier)
        changed(tierNames[tier], Utility::numStr(m_loaded.price[tier], 2), Utility::numStr(f.price[tier], 2));
    if (levelMoved != 0)
        changed(tr("Stock Level"), Utility::numStr(m_loaded.quantity, 3), Utility::numStr(f.quantity, 3));
    const struct
    {
        QString name;
        bool was;
        bool now;
        QString on;
        QString off;
    } switches[] = {
        {tr("Tax1"), m_loaded.tax1, Tax1CheckBox->isChecked(), tr("Enabled"), tr("Disabled")},
        {tr("Tax2"), m_loaded.tax2, Tax2CheckBox->isChecked(), tr("Enabled"), tr("Disabled")},
        {tr("Returnable"), m_loaded.returnable, ReturnableCheckBox->isChecked(), tr("Set"), tr("Reset")},
    };
    for (const auto& s : switches) {
        if (s.was != s.now)
            log(tr("Update %1 : %2 %3").arg(description, s.name, s.now ? s.on : s.off));
    }
    showItem(code);
}

QString VendTable::deleteRefusal(const QString& code, const QString& description, QSqlQuery& q, bool* failed)
{
    *failed = false;
    if (!q.exec(
            QStringLiteral("SELECT c.Description FROM CompositionContents cc JOIN Compositions c ON c.Code=cc.CompId "
                           "WHERE cc.Code='%1' LIMIT 1")
                .arg(Utility::escapeSQL(code)))) {
        *failed = true;
        return QString();
    }
    if (q.next())
        return tr("%1 is part of the composition %2.\nTake it out of the composition first.")
            .arg(description, q.value(0).toString());
    if (!q.exec(QStringLiteral("SELECT i.MyNumber FROM InvoiceItem ii JOIN Invoice i ON i.MyNumber=ii.InvoiceNumber "
                               "WHERE ii.Code='%1' AND i.Status='P' LIMIT 1")
                    .arg(Utility::escapeSQL(code)))) {
        *failed = true;
        return QString();
    }
    if (q.next())
        return tr("%1 is on the open bill or order %2.\nIt can be deleted once that is closed.")
            .arg(description, q.value(0).toString());
    return QString();
}

void VendTable::deleteEntry()
{
    const QString caption = tr("Delete Entry");
    if (!m_loaded.valid) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to delete"));
        return;
    }
    const QString code = m_loaded.code;
    const QString description = m_loaded.description;
    bool failed = false;
    QSqlQuery q;
    QString refusal = deleteRefusal(code, description, q, &failed);
    if (failed) {
        Utility::showDBError(q);
        return;
    }
    if (!refusal.isEmpty()) {
        ZkPrompt::warning(this, caption, refusal);
        return;
    }
    if (ZkPrompt::question(this, caption,
                           tr("Confirm that you will delete the highlighted entry\n%1, Code %2\nfrom the system?")
                               .arg(description, code),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }
    const int row = m_model->rowOf(code);
    const QString neighbour = m_model->code(row + 1).isEmpty() ? m_model->code(row - 1) : m_model->code(row + 1);

    UnitSql unit;
    if (!unit.isOpen())
        return;
    // Asked again inside the unit: a till may have sold it meanwhile.
    refusal = deleteRefusal(code, description, q, &failed);
    if (failed || !refusal.isEmpty()) {
        unit.rollback();
        if (failed)
            Utility::showDBError(q);
        else
            ZkPrompt::warning(this, caption, refusal);
        return;
    }
    const QString key = Utility::escapeSQL(code);
    if (!unit.exec(QStringLiteral("DELETE FROM Inventory WHERE Code='%1'").arg(key))
        || !unit.exec(QStringLiteral("DELETE FROM Images WHERE Code='%1'").arg(key)) || !unit.commit())
        return;
    utils->logAction(tr("Inventory"), tr("Deleted %1").arg(description), QString(), '0');
    clear();
    const int place = neighbour.isEmpty() ? -1 : m_model->showAround(neighbour);
    if (place < 0)
        m_model->reload();
    else
        ListView->scrollTo(m_model->index(place, 0), QAbstractItemView::PositionAtCenter);
}
