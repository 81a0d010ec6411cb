#pragma once

#include "ui_vendtablegui.h"

#include <QDialog>

class QModelIndex;

/**
 * The form of the item maintenance dialog: the search line and department
 * filter, the item list, the item's fields and the commands. The slots are
 * virtual and do nothing here; the dialog's own class gives them their work.
 */
class VendTableGui : public QDialog, public Ui_VendTableGui
{
    Q_OBJECT

public:
    explicit VendTableGui(QWidget* parent = nullptr);
    ~VendTableGui() override;

public slots:
    /** Empties the fields for a new item. */
    virtual void clear() { }
    /** Fills the list: every item, or one department's. */
    virtual void selectTable(const QString& department) { Q_UNUSED(department) }
    /** Loads the item of a list row into the fields. */
    virtual void itemSelected(const QModelIndex& index) { Q_UNUSED(index) }
    virtual void searchEntry() { }
    virtual void filterChange(const QString& department) { Q_UNUSED(department) }
    virtual void newEntry() { }
    virtual void updateEntry() { }
    virtual void deleteEntry() { }
    virtual void rankUp() { }
    virtual void rankDown() { }
    /** The three prices again from the cost and the markups. */
    virtual void updateSell(const QString& text) { Q_UNUSED(text) }
    /** Reconciles a price typed over the computed one. */
    virtual void forceSell() { }
    virtual void taxableChange() { }
    virtual void imageSelection() { }
    /** A code scanned or typed into the code field. */
    virtual void barcodeScanned() { }
    virtual void stockLevelFix() { }
    /** Sets every visible text through the translator. */
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;
};
