#pragma once

#include <QStyledItemDelegate>
#include <QTreeWidgetItem>

class QTreeWidget;

/**
 * The row of every list view in the program. Its visual value colours the
 * whole row by its low four bits: 0 the view's normal background, 1 mid grey,
 * 2 red with yellow text, 3 and above dark green with white text. Rows sort by
 * number when both cells of the sort column read as numbers, numbers before
 * text in either direction, and by text otherwise.
 */
class ZkListItem : public QTreeWidgetItem
{
public:
    /** The item type that identifies ZkListItem rows in a view. */
    enum { Type = QTreeWidgetItem::UserType + 1 };

    explicit ZkListItem(QTreeWidget* view, int visual = 0);
    /** Inserted after @p after (at the top when it is null). */
    ZkListItem(QTreeWidget* view, QTreeWidgetItem* after, int visual = 0);
    ZkListItem(QTreeWidget* view, const QStringList& texts, int visual = 0);

    int visual() const { return m_visual; }
    void setVisual(int visual);

    QVariant data(int column, int role) const override;
    bool operator<(const QTreeWidgetItem& other) const override;

    /** Gives a view the cell grid that its ZkListItem rows are drawn with. */
    static void prepareView(QTreeWidget* view);

    /** A cell's text as a number; @p ok tells whether it reads as one. */
    static double number(const QString& text, bool* ok);

private:
    int m_visual = 0;
};

/** Draws a cell as usual and then the grey grid line round it. */
class ZkGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
