#pragma once

#include "forms/stockgui.h"

/**
 * Stock receiving: the operator lists the items delivered (or corrects a
 * stock level), with new prices where they changed, and Process books the
 * whole list as one unit: the quantities on hand and on order, the stock
 * trace, and the price changes, which are logged.
 */
class Stock : public StockGui
{
    Q_OBJECT

public:
    /** @p priceAdjust: the operator may change prices while receiving (the
     *  right StockPriceAdjust); @p priceView: the prices are shown at all
     *  (StockPriceView). @p name is accepted for the callers' sake; the
     *  object name is always "Stock". */
    Stock(bool priceAdjust, bool priceView, QWidget* parent = nullptr, const char* name = nullptr);

    /** True while the entry holds an item found in the inventory. */
    bool itemValidated() const { return m_item.validated; }

public slots:
    void itemReturnPressed() override;
    void itemSelected(const QString& text) override;
    void addItem() override;
    void removeItem() override;
    void ok() override;
    void cancel() override;
    /** Esc asks as Cancel does. */
    void reject() override;

private:
    struct Item
    {
        bool validated = false;
        QString code;
        QString description;
        QString unit;
        double price = 0;
        double markup = 0;
        double cost = 0;
    };

    /** Loads item @p code into the entry; false when it is gone. */
    bool loadItem(const QString& code);
    void forgetItem();
    void resetEntry();

    bool m_priceAdjust;
    bool m_priceView;
    Item m_item;
    /** Set while the program itself writes the item's text. */
    bool m_filling = false;
};
