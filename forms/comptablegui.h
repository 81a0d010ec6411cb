#pragma once

#include "ui_comptablegui.h"

#include <QDialog>

class QTreeWidgetItem;

/**
 * The form of the composition manager: the compositions on the left; the
 * chosen one's name, department, remark, touch button and totals, its items
 * and the item editor on the right. Its virtual slots do nothing here; the
 * dialog's own class gives them their work.
 */
class CompTableGui : public QDialog, public Ui_CompTableGui
{
    Q_OBJECT

public:
    /** The columns of the composition's item list. */
    enum Column {
        ColQuantity,
        ColDescription,
        ColDiscount,
        ColDiscountable,
        ColCode,
        ColUnitPrice,
        ColPrice,
        ColTier1Price,
        ColTier2Price,
        ColumnCount
    };

    explicit CompTableGui(QWidget* parent = nullptr);
    ~CompTableGui() override;

public slots:
    virtual void compSelected(const QString& name) { Q_UNUSED(name) }
    virtual void newComposition() { }
    virtual void updateComposition() { }
    virtual void deleteComposition() { }
    virtual void itemSelected(QTreeWidgetItem* item) { Q_UNUSED(item) }
    virtual void newItem() { }
    virtual void updateItem() { }
    virtual void deleteItem() { }
    virtual void departmentSelected(const QString& department) { Q_UNUSED(department) }
    /** Looks up what was typed into the item choice. */
    virtual void itemSearch() { }
    virtual void imageSelection() { }
    virtual void touchLabelChanged(const QString& text) { Q_UNUSED(text) }
    virtual void reloadCompositions() { }
    /** Sets every visible text through the translator. */
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;
};
