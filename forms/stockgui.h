#pragma once

#include "ui_stockgui.h"

#include <QDialog>

/**
 * The form of stock receiving: the entry of one received item (supplier,
 * item, quantity, prices), the list of items received and the notes, and
 * Process and Cancel. Its virtual slots do nothing here; the dialog's own
 * class gives them their work.
 */
class StockGui : public QDialog, public Ui_StockGui
{
    Q_OBJECT

public:
    /** The columns of the list of items received. */
    enum Column {
        ColQuantity,
        ColUnit,
        ColItem,
        ColSupplier,
        ColAdjustment,
        ColPrice,
        ColMarkup,
        ColCost,
        ColCode,
        ColumnCount
    };

    explicit StockGui(QWidget* parent = nullptr);
    ~StockGui() override;

public slots:
    /** Looks up the item typed or scanned. */
    virtual void itemReturnPressed() { }
    /** An item chosen from the item list. */
    virtual void itemSelected(const QString& text) { Q_UNUSED(text) }
    virtual void addItem() { }
    virtual void removeItem() { }
    /** Process: receives the list. */
    virtual void ok() { }
    virtual void cancel() { }
    /** Sets every visible text through the translator. */
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;
};
