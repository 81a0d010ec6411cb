#pragma once

#include "forms/comptablegui.h"

#include <QImage>

class UnitSql;

/**
 * The composition manager: compositions (a set meal, a combo) are named
 * bundles of inventory items, each with its quantity and discount, that the
 * counter adds to a sale in one step. It shows what a composition comes to
 * at the base price and the two tiers.
 */
class CompTable : public CompTableGui
{
    Q_OBJECT

public:
    explicit CompTable(QWidget* parent = nullptr);

    /** Compositions.Code of the composition shown; 0 when none. */
    int compositionCode() const { return m_code; }
    QImage picture() const { return m_picture; }
    /** Highlights composition @p name; false when it is not in the list. */
    bool selectComposition(const QString& name);

public slots:
    void compSelected(const QString& name) override;
    void newComposition() override;
    void updateComposition() override;
    void deleteComposition() override;
    void itemSelected(QTreeWidgetItem* item) override;
    void newItem() override;
    void updateItem() override;
    void deleteItem() override;
    void departmentSelected(const QString& department) override;
    void itemSearch() override;
    void imageSelection() override;
    void touchLabelChanged(const QString& text) override;
    void reloadCompositions() override;

private:
    /** The item editor's figures and item, checked; false (told) when one
     *  is wrong. */
    struct ItemEntry
    {
        QString code;
        QString description;
        double quantity = 0;
        double discount = 0;
        bool discountable = false;
    };
    bool readItemEntry(const QString& caption, ItemEntry* entry);
    /** The code of the item the operator chose; empty (told) when the
     *  choice names no single item. */
    QString chosenItem(const QString& caption, QString* description);
    /** Whether another composition than @p exceptCode has @p name; true
     *  after a failed statement (shown). */
    bool nameTaken(const QString& name, int exceptCode, bool* failed);
    /** Finds the first row by id with the highlighted row's values; its id,
     *  0 when gone, -1 after a failed statement (shown). */
    int highlightedRowId(UnitSql& unit);
    /** Asks @p question; false (after "Operation cancelled") on "&No". */
    bool confirm(const QString& caption, const QString& question);
    /** Shows the composition again after a change. */
    void showAgain();
    void clearComposition();

    int m_code = 0;
    QString m_name;
    QImage m_picture;
};
