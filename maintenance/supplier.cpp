#include "maintenance/supplier.h"

#include "maintenance/unitsql.h"

#include "core/globals.h"
#include "core/limitvalidator.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"

#include <QSqlQuery>

namespace {

const char* const kColumns[SupplierGui::ColumnCount]
    = {"Company", "Contact", "Email", "Tel", "Fax", "Cell", "Notes", "PostalAddr", "PhysicalAddr"};

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text.trimmed(), true) + QLatin1Char('\'');
}

QString key(const QString& stored)
{
    return QLatin1Char('\'') + Utility::escapeSQL(stored) + QLatin1Char('\'');
}

} // namespace

Supplier::Supplier(QWidget* parent)
    : SupplierGui(parent)
{
    setObjectName(QStringLiteral("Supplier"));
    const struct
    {
        QLineEdit* field;
        int limit;
    } limits[]
        = {{CompanyEdit, 100}, {ContactEdit, 100}, {EmailEdit, 255}, {TelEdit, 50}, {FaxEdit, 50}, {CellEdit, 50}};
    for (const auto& l : limits)
        l.field->setValidator(new LimitValidator(l.limit, l.field));
    refreshSuppliers();
    clearSupplier();
}

void Supplier::refreshSuppliers()
{
    const QString current = m_selected;
    SupplierListView->clear();
    QStringList columns;
    for (const char* column : kColumns)
        columns << QLatin1String(column);
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT %1 FROM Supply ORDER BY Company").arg(columns.join(QLatin1String(", "))))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next()) {
        auto* row = new ZkListItem(SupplierListView);
        for (int c = 0; c < ColumnCount; ++c) {
            // The list shows each text on one line; the fields get it whole.
            const QString text = q.value(c).toString();
            row->setText(c, QString(text).replace(QLatin1Char('\n'), QLatin1String(" / ")));
            row->setData(c, Qt::UserRole, text);
        }
    }
    if (!current.isEmpty())
        selectSupplier(current);
}

bool Supplier::selectSupplier(const QString& name)
{
    for (int i = 0; i < SupplierListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = SupplierListView->topLevelItem(i);
        if (row->text(ColCompany).compare(name, Qt::CaseInsensitive) == 0) {
            SupplierListView->setCurrentItem(row);
            supplierSelected(row);
            SupplierListView->scrollToItem(row);
            return true;
        }
    }
    return false;
}

void Supplier::supplierSelected(QTreeWidgetItem* item)
{
    if (!item)
        return;
    auto text = [item](int column) { return item->data(column, Qt::UserRole).toString(); };
    m_selected = text(ColCompany);
    CompanyEdit->setText(m_selected);
    ContactEdit->setText(text(ColContact));
    EmailEdit->setText(text(ColEmail));
    TelEdit->setText(text(ColTel));
    FaxEdit->setText(text(ColFax));
    CellEdit->setText(text(ColCell));
    NotesText->setPlainText(text(ColNotes));
    PostalText->setPlainText(text(ColPostal));
    PhysicalText->setPlainText(text(ColPhysical));
}

void Supplier::clearSupplier()
{
    m_selected.clear();
    for (QLineEdit* field : {CompanyEdit, ContactEdit, EmailEdit, TelEdit, FaxEdit, CellEdit})
        field->clear();
    for (QPlainTextEdit* text : {NotesText, PostalText, PhysicalText})
        text->clear();
    SupplierListView->setCurrentItem(nullptr);
    SupplierListView->clearSelection();
    CompanyEdit->setFocus();
}

QStringList Supplier::values() const
{
    return {quoted(CompanyEdit->text()),      quoted(ContactEdit->text()),       quoted(EmailEdit->text()),
            quoted(TelEdit->text()),          quoted(FaxEdit->text()),           quoted(CellEdit->text()),
            quoted(NotesText->toPlainText()), quoted(PostalText->toPlainText()), quoted(PhysicalText->toPlainText())};
}

bool Supplier::exists(const QString& name, const QString& except, bool* failed)
{
    QString sql = QStringLiteral("SELECT Company FROM Supply WHERE Company=%1%2").arg(quoted(name), ZkDb::caseBlind());
    if (!except.isEmpty())
        sql += QStringLiteral(" AND Company<>%1").arg(key(except));
    QSqlQuery q;
    *failed = !q.exec(sql);
    if (*failed) {
        Utility::showDBError(q);
        return true;
    }
    return q.next();
}

bool Supplier::confirm(const QString& caption, const QString& question)
{
    if (ZkPrompt::question(this, caption, question, {tr("&Yes"), tr("&No")}, 1, 1) == 0)
        return true;
    ZkPrompt::information(this, caption, tr("Operation cancelled"));
    return false;
}

void Supplier::newSupplier()
{
    const QString caption = tr("Add Supplier");
    const QString name = CompanyEdit->text().trimmed().toUpper();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Company"));
        CompanyEdit->setFocus();
        return;
    }
    bool failed = false;
    if (exists(name, QString(), &failed)) {
        if (!failed)
            ZkPrompt::warning(this, caption, tr("The supplier %1 is already on file").arg(name));
        return;
    }
    if (!confirm(caption,
                 tr("Confirm that you will add %1\nto the list of suppliers with the details shown.").arg(name)))
        return;
    QStringList columns;
    for (const char* column : kColumns)
        columns << QLatin1String(column);
    QSqlQuery q;
    if (!q.exec(QStringLiteral("INSERT INTO Supply (") + columns.join(QLatin1String(", ")) + QLatin1String(") VALUES (")
                + values().join(QLatin1String(", ")) + QLatin1Char(')'))) {
        Utility::showDBError(q);
        return;
    }
    utils->logAction(tr("Suppliers"), tr("Added %1").arg(name), QString(), '0');
    m_selected = name;
    refreshSuppliers();
}

void Supplier::updateSupplier()
{
    const QString caption = tr("Update Supplier");
    if (m_selected.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You have not selected a valid supplier. Try again."));
        return;
    }
    const QString old = m_selected;
    const QString name = CompanyEdit->text().trimmed().toUpper();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Company"));
        CompanyEdit->setFocus();
        return;
    }
    bool failed = false;
    if (exists(name, old, &failed)) {
        if (!failed)
            ZkPrompt::warning(this, caption, tr("The supplier %1 is already on file").arg(name));
        return;
    }
    if (!confirm(caption,
                 tr("Confirm that you will update %1\n in the list of suppliers with the details shown.").arg(old)))
        return;
    QStringList sets;
    const QStringList row = values();
    for (int c = 0; c < ColumnCount; ++c)
        sets << QLatin1String(kColumns[c]) + QLatin1Char('=') + row.at(c);
    UnitSql unit;
    QVariant present;
    if (!unit.isOpen()
        || !unit.value(QStringLiteral("SELECT Company FROM Supply WHERE Company=%1").arg(key(old)), &present))
        return;
    if (!present.isValid()) {
        unit.rollback();
        ZkPrompt::warning(this, caption, tr("You have not selected a valid supplier. Try again."));
        refreshSuppliers();
        return;
    }
    // The items name their supplier: they follow a new name in the same unit.
    if (!unit.exec(QStringLiteral("UPDATE Supply SET ") + sets.join(QLatin1String(", "))
                   + QLatin1String(" WHERE Company=") + key(old))
        || (name != old
            && !unit.exec(
                QStringLiteral("UPDATE Inventory SET Supplier=%1 WHERE Supplier=%2").arg(quoted(name), key(old))))
        || !unit.commit())
        return;
    utils->logAction(tr("Suppliers"), tr("Updated %1").arg(name), QString(), '0');
    m_selected = name;
    refreshSuppliers();
}

void Supplier::deleteSupplier()
{
    const QString caption = tr("Delete Supplier");
    if (m_selected.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You have not selected a valid supplier. Try again."));
        return;
    }
    const QString name = m_selected;
    if (!confirm(caption, tr("Confirm that you will delete %1\nfrom the list of suppliers.").arg(name)))
        return;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM Supply WHERE Company=%1").arg(key(name)) + ZkDb::limitOne())) {
        Utility::showDBError(q);
        return;
    }
    utils->logAction(tr("Suppliers"), tr("Deleted %1").arg(name), QString(), '0');
    clearSupplier();
    refreshSuppliers();
}
