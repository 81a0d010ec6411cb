#pragma once

#include "forms/vendtablegui.h"

#include <QImage>

class ItemListModel;
class QSqlQuery;
class UnitSql;

/**
 * The item maintenance dialog: keeps the Inventory table and the items'
 * touch pictures. Its members live in files by concern: the list, the
 * search and the fields here in vendtable.cpp; new, update and delete in
 * vendentry.cpp; the prices from cost and markups in vendprices.cpp; the
 * touch order and the stock level rebuild in vendstock.cpp.
 */
class VendTable : public VendTableGui
{
    Q_OBJECT

public:
    explicit VendTable(QWidget* parent = nullptr);
    ~VendTable() override;

    /** The list's model (the rows read so far). */
    ItemListModel* model() const { return m_model; }
    /** The code of the item loaded into the fields; empty when none. */
    QString loadedCode() const { return m_loaded.valid ? m_loaded.code : QString(); }
    /** The picture the item's touch button will carry. */
    QImage picture() const { return m_picture; }

    /** Shows item @p code in the list and loads it; false when the list
     *  does not hold it. */
    bool showItem(const QString& code);

public slots:
    void clear() override;
    void selectTable(const QString& department) override;
    void itemSelected(const QModelIndex& index) override;
    void searchEntry() override;
    void filterChange(const QString& department) override;
    void newEntry() override;
    void updateEntry() override;
    void deleteEntry() override;
    void rankUp() override;
    void rankDown() override;
    void updateSell(const QString& text) override;
    void forceSell() override;
    void taxableChange() override;
    void imageSelection() override;
    void barcodeScanned() override;
    void stockLevelFix() override;
    void languageChange() override;

private:
    /** The item as it was read into the fields: what an update compares
     *  with and moves the stock figures from. */
    struct Loaded
    {
        bool valid = false;
        QString code;
        QString description;
        QString department;
        QString unit;
        double price[3] = {0, 0, 0};
        double quantity = 0;
        double onOrder = 0;
        bool tax1 = false;
        bool tax2 = false;
        bool returnable = false;
    };

    /** The numbers of the fields, checked. */
    struct Figures
    {
        double cost = 0;
        double markup[3] = {0, 0, 0};
        double price[3] = {0, 0, 0};
        double quantity = 0;
        double reOrder = 0;
        double toQuantity = 0;
        double onOrder = 0;
        double dtr = 0;
    };

    void init();
    /** The choices of department, supplier and filter from the tables. */
    void fillChoices();
    void setUpList();
    /** Reads item @p code into the fields; false when it is gone. */
    bool loadItem(const QString& code);
    /** Selects the list's row of @p row and shows it. */
    void selectRow(int row);
    /** The department filter that shows @p department's items (or all). */
    void showDepartment(const QString& department);
    /** Reads the item at the list's top edge when the view reaches it. */
    void listScrolled(int value);

    // vendentry.cpp
    /** Checks the fields' numbers; false (told) at the first bad one. */
    bool readFigures(const QString& caption, bool quantityChanged, Figures* figures);
    /** Why item @p code may not be deleted: empty when it may. A failed
     *  statement sets @p failed and is left in @p q to be shown. */
    QString deleteRefusal(const QString& code, const QString& description, QSqlQuery& q, bool* failed);
    /** Whether another item than @p except (null: any) has @p value in
     *  @p column (Code or Description); @p owner gets that item's other
     *  column. True with an empty owner after a failed statement (shown). */
    bool takenBy(const QString& column, const QString& value, const QString& except, QString* owner);
    /** Writes the touch picture and label of @p code in an open unit. */
    bool writePicture(UnitSql& unit, const QString& code);
    /** Records a stock movement of @p quantity of the fields' item. */
    bool writeTrace(UnitSql& unit, const QString& notes, double quantity, bool adjustment, const Figures& figures);

    // vendprices.cpp
    /** The price of tier @p tier (0 base) from a net price, with the
     *  ticked taxes added where prices include tax. */
    double grossPrice(double net) const;
    double netPrice(double gross) const;
    QLineEdit* markupField(int tier) const;
    QLineEdit* sellField(int tier) const;

    // vendstock.cpp
    void moveRank(bool up);

    ItemListModel* m_model = nullptr;
    Loaded m_loaded;
    QImage m_picture;
};
