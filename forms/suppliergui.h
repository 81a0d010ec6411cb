#pragma once

#include "ui_suppliergui.h"

#include <QDialog>

class QTreeWidgetItem;

/**
 * The form of the supplier list: the suppliers, one supplier's details
 * (addresses and notes on several lines) and the commands. Its virtual
 * slots do nothing here; the dialog's own class gives them their work.
 */
class SupplierGui : public QDialog, public Ui_SupplierGui
{
    Q_OBJECT

public:
    /** The list's columns, in the order of the Supply table's fields. */
    enum Column {
        ColCompany,
        ColContact,
        ColEmail,
        ColTel,
        ColFax,
        ColCell,
        ColNotes,
        ColPostal,
        ColPhysical,
        ColumnCount
    };

    explicit SupplierGui(QWidget* parent = nullptr);
    ~SupplierGui() override;

public slots:
    virtual void refreshSuppliers() { }
    virtual void supplierSelected(QTreeWidgetItem* item) { Q_UNUSED(item) }
    virtual void clearSupplier() { }
    virtual void newSupplier() { }
    virtual void updateSupplier() { }
    virtual void deleteSupplier() { }
    /** Sets every visible text through the translator. */
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;
};
