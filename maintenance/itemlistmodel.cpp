#include "maintenance/itemlistmodel.h"

#include "core/utility.h"

#include <QSqlQuery>

namespace {

const char* const kSelect = "SELECT Code, Department, Description, UnitOfMeasure, Cost, Price, Tier1Price, "
                            "Tier2Price, Quantity, Rank, Tax1, Tax2, Returnable, DTR FROM Inventory";

bool isNumberColumn(int column)
{
    return (column >= ItemListModel::ColCost && column <= ItemListModel::ColRank) || column == ItemListModel::ColDtr;
}

} // namespace

ItemListModel::ItemListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

bool ItemListModel::setDepartment(const QString& department)
{
    m_department = department;
    return reload();
}

bool ItemListModel::reload()
{
    QList<Row> rows;
    const bool ok = read(true, 0, QString(), false, kPage, &rows);
    beginResetModel();
    m_rows = rows;
    m_atStart = true;
    m_atEnd = !ok || rows.size() < kPage;
    endResetModel();
    return ok;
}

int ItemListModel::showAround(const QString& code)
{
    QSqlQuery q;
    QString sql = QStringLiteral("SELECT Rank FROM Inventory WHERE Code='%1'").arg(Utility::escapeSQL(code));
    if (!m_department.isEmpty())
        sql += QStringLiteral(" AND Department='%1'").arg(Utility::escapeSQL(m_department));
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        return -1;
    }
    if (!q.next())
        return -1;
    const int rank = q.value(0).toInt();
    QList<Row> before;
    QList<Row> after;
    if (!read(false, rank, code, false, kPage / 2, &before) || !read(true, rank, code, true, kPage, &after))
        return -1;
    beginResetModel();
    m_atStart = before.size() < kPage / 2;
    m_atEnd = after.size() < kPage;
    m_rows.clear();
    for (auto it = before.crbegin(); it != before.crend(); ++it)
        m_rows << *it;
    m_rows << after;
    endResetModel();
    return int(before.size());
}

int ItemListModel::rowOf(const QString& code) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).code == code)
            return i;
    }
    return -1;
}

QString ItemListModel::code(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).code : QString();
}

int ItemListModel::fetchBefore()
{
    if (m_atStart || m_rows.isEmpty())
        return 0;
    QList<Row> rows;
    if (!read(false, m_rows.first().rank, m_rows.first().code, false, kPage, &rows)) {
        m_atStart = true;
        return 0;
    }
    m_atStart = rows.size() < kPage;
    if (rows.isEmpty())
        return 0;
    beginInsertRows(QModelIndex(), 0, int(rows.size()) - 1);
    for (const Row& row : rows)
        m_rows.prepend(row);
    endInsertRows();
    return int(rows.size());
}

bool ItemListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void ItemListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || m_atEnd)
        return;
    QList<Row> rows;
    const bool ok = m_rows.isEmpty() ? read(true, 0, QString(), false, kPage, &rows)
                                     : read(true, m_rows.last().rank, m_rows.last().code, false, kPage, &rows);
    m_atEnd = !ok || rows.size() < kPage;
    if (rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
    m_rows << rows;
    endInsertRows();
}

bool ItemListModel::read(bool after, int rank, const QString& code, bool inclusive, int limit, QList<Row>* rows) const
{
    QStringList conditions;
    if (!m_department.isEmpty())
        conditions << QStringLiteral("Department='%1'").arg(Utility::escapeSQL(m_department));
    if (!code.isNull()) {
        // The row's place in (Rank, Code) order, written so that the
        // (Rank, Code) indexes serve it as one range.
        const QString beyond = after ? QStringLiteral(">") : QStringLiteral("<");
        conditions << QStringLiteral("(Rank%1%2 OR (Rank=%2 AND Code%3'%4'))")
                          .arg(beyond)
                          .arg(rank)
                          .arg(inclusive ? beyond + QLatin1Char('=') : beyond, Utility::escapeSQL(code));
    }
    QString sql = QLatin1String(kSelect);
    if (!conditions.isEmpty())
        sql += QLatin1String(" WHERE ") + conditions.join(QLatin1String(" AND "));
    sql += after ? QStringLiteral(" ORDER BY Rank, Code") : QStringLiteral(" ORDER BY Rank DESC, Code DESC");
    sql += QStringLiteral(" LIMIT %1").arg(limit);

    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        Utility::showDBError(q);
        return false;
    }
    while (q.next()) {
        Row row;
        row.code = q.value(ColCode).toString();
        row.rank = q.value(ColRank).toInt();
        for (int c = 0; c < ColumnCount; ++c) {
            if (c >= ColCost && c <= ColTier2Price)
                row.cells << Utility::numStr(q.value(c).toDouble(), 2);
            else if (c == ColQuantity)
                row.cells << Utility::numStr(q.value(c).toDouble(), 3);
            else
                row.cells << q.value(c).toString();
        }
        rows->append(row);
    }
    return true;
}

int ItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_rows.at(index.row()).cells.value(index.column());
    if (role == Qt::TextAlignmentRole && isNumberColumn(index.column()))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case ColCode:
        return tr("Code");
    case ColDepartment:
        return tr("Department");
    case ColDescription:
        return tr("Description");
    case ColUnit:
        return tr("UOM");
    case ColCost:
        return tr("Cost");
    case ColPrice:
        return tr("Price");
    case ColTier1Price:
        return tr("Tier1");
    case ColTier2Price:
        return tr("Tier2");
    case ColQuantity:
        return tr("On Hand");
    case ColRank:
        return tr("Rank");
    case ColTax1:
        return tr("Tax1");
    case ColTax2:
        return tr("Tax2");
    case ColReturnable:
        return tr("Ret.");
    case ColDtr:
        return tr("DTR");
    default:
        return QVariant();
    }
}
