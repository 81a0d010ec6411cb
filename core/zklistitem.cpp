#include "core/zklistitem.h"

#include <QBrush>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QTreeWidget>

namespace {

const QColor kGrid(192, 192, 192);

struct RowColours
{
    QColor background; ///< invalid: the view's own
    QColor text;
};

RowColours coloursFor(int visual)
{
    switch (visual & 0xf) {
    case 0:
        return {};
    case 1:
        return {QColor(176, 176, 176), QColor(Qt::black)};
    case 2:
        return {QColor(200, 0, 0), QColor(255, 255, 0)};
    default:
        return {QColor(0, 100, 0), QColor(Qt::white)};
    }
}

} // namespace

ZkListItem::ZkListItem(QTreeWidget* view, int visual)
    : QTreeWidgetItem(view, Type)
    , m_visual(visual)
{
}

ZkListItem::ZkListItem(QTreeWidget* view, QTreeWidgetItem* after, int visual)
    : QTreeWidgetItem(view, after, Type)
    , m_visual(visual)
{
}

ZkListItem::ZkListItem(QTreeWidget* view, const QStringList& texts, int visual)
    : QTreeWidgetItem(view, texts, Type)
    , m_visual(visual)
{
}

void ZkListItem::setVisual(int visual)
{
    m_visual = visual;
    emitDataChanged();
}

QVariant ZkListItem::data(int column, int role) const
{
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
        const RowColours c = coloursFor(m_visual);
        const QColor& colour = role == Qt::BackgroundRole ? c.background : c.text;
        if (colour.isValid())
            return QBrush(colour);
    }
    return QTreeWidgetItem::data(column, role);
}

double ZkListItem::number(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    double value = QLocale().toDouble(t, ok);
    if (!*ok)
        value = QLocale::c().toDouble(t, ok);
    return value;
}

bool ZkListItem::operator<(const QTreeWidgetItem& other) const
{
    const QTreeWidget* view = treeWidget();
    const int column = view ? view->sortColumn() : 0;
    bool mineIsNumber = false;
    bool otherIsNumber = false;
    const double mine = number(text(column), &mineIsNumber);
    const double theirs = number(other.text(column), &otherIsNumber);
    if (mineIsNumber && otherIsNumber)
        return mine < theirs;
    if (mineIsNumber != otherIsNumber) {
        // The view sorts descending by asking other < this; answering by the
        // direction keeps the numbers on top both ways.
        const bool descending = view && view->header()->sortIndicatorOrder() == Qt::DescendingOrder;
        return descending ? !mineIsNumber : mineIsNumber;
    }
    return text(column) < other.text(column);
}

void ZkListItem::prepareView(QTreeWidget* view)
{
    if (!qobject_cast<ZkGridDelegate*>(view->itemDelegate()))
        view->setItemDelegate(new ZkGridDelegate(view));
}

void ZkGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(kGrid);
    const QRect r = option.rect;
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}
