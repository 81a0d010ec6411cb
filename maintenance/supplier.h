#pragma once

#include "forms/suppliergui.h"

/**
 * The supplier list: keeps the Supply table, whose companies the items name
 * as their supplier and stock receiving offers. A rename follows into the
 * items that named the old company.
 */
class Supplier : public SupplierGui
{
    Q_OBJECT

public:
    explicit Supplier(QWidget* parent = nullptr);

    /** The company loaded into the fields; empty when none. */
    QString selected() const { return m_selected; }
    /** Highlights company @p name; false when it is not in the list. */
    bool selectSupplier(const QString& name);

public slots:
    void refreshSuppliers() override;
    void supplierSelected(QTreeWidgetItem* item) override;
    void clearSupplier() override;
    void newSupplier() override;
    void updateSupplier() override;
    void deleteSupplier() override;

private:
    /** The fields as column values, in the order of the list's columns. */
    QStringList values() const;
    /** Whether another company than @p except is called @p name; true
     *  after a failed statement (shown). */
    bool exists(const QString& name, const QString& except, bool* failed);
    bool confirm(const QString& caption, const QString& question);

    QString m_selected;
};
