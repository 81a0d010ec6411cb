#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

/**
 * The item list of the item maintenance dialog. A catalogue may hold a
 * hundred thousand items, so the list never holds them all: it keeps a
 * window of rows in button order (Rank, then Code) and reads more a page
 * at a time as the view scrolls down (fetchMore) or up (fetchBefore). A
 * search does not scan what is loaded: showAround() reads the window around
 * the item found. Each read is one indexed range of at most a page.
 */
class ItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ColCode,
        ColDepartment,
        ColDescription,
        ColUnit,
        ColCost,
        ColPrice,
        ColTier1Price,
        ColTier2Price,
        ColQuantity,
        ColRank,
        ColTax1,
        ColTax2,
        ColReturnable,
        ColDtr,
        ColumnCount
    };

    /** Rows read at a time. */
    static constexpr int kPage = 100;

    explicit ItemListModel(QObject* parent = nullptr);

    /** Lists one department's items, or every item when @p department is
     *  empty, from the top. False after a failed statement (shown). */
    bool setDepartment(const QString& department);
    QString department() const { return m_department; }
    /** Reads the list again from its top. */
    bool reload();
    /** Reads the part of the list around item @p code; its row, or -1 when
     *  the list does not hold it (or a statement failed, shown). */
    int showAround(const QString& code);

    /** The row of @p code among the rows read; -1 when not among them. */
    int rowOf(const QString& code) const;
    QString code(int row) const;

    /** Whether rows above the first one read exist. */
    bool canFetchBefore() const { return !m_atStart; }
    /** Reads a page above the first row; the number of rows added. */
    int fetchBefore();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Row
    {
        QString code;
        int rank = 0;
        QStringList cells;
    };

    /** Up to @p limit rows after (or before, in reverse order) the row
     *  keyed @p rank and @p code; from the very top when @p code is null. */
    bool read(bool after, int rank, const QString& code, bool inclusive, int limit, QList<Row>* rows) const;

    QList<Row> m_rows;
    QString m_department;
    bool m_atStart = true;
    bool m_atEnd = true;
};
