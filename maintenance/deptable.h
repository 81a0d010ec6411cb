#pragma once

#include "forms/deptablegui.h"

#include <QHash>
#include <QImage>
#include <QStringList>

class QSqlQuery;

/**
 * The department maintenance dialog: keeps the Departments table, whose
 * rows are the first level of the touch page, in their button order, with
 * their pictures, the docket stations their lines go to and whether there
 * to the printer, the kitchen screen or both. A rename
 * follows into the items and compositions of the department.
 */
class DepTable : public DepTableGui
{
    Q_OBJECT

public:
    explicit DepTable(QWidget* parent = nullptr);

    /** The department loaded into the fields; empty when none. */
    QString selected() const { return m_selected; }
    QImage picture() const { return m_picture; }
    /** Highlights department @p name in the list; false when it is not there. */
    bool selectDepartment(const QString& name);

public slots:
    void refresh() override;
    void itemSelected(QTreeWidgetItem* item) override;
    void clear() override;
    void imageSelection() override;
    void newEntry() override;
    void updateEntry() override;
    void deleteEntry() override;
    void rankUp() override;
    void rankDown() override;

private:
    /** The Printer column of the two boxes: 1 label, 2 kitchen, 3 both. */
    int printerValue() const;
    /** The routing words of the route choices, in their order. */
    static QStringList routeWords();
    /** The Route column of the route choice, as an SQL literal. */
    QString routeValue() const;
    /** Whether department @p name is taken by another than @p except;
     *  true after a failed statement (shown). */
    bool exists(const QString& name, const QString& except, bool* failed);
    /** Why department @p name may not be deleted; empty when it may. */
    QString deleteRefusal(const QString& name, QSqlQuery& q, bool* failed);
    void moveRank(bool up);

    QString m_selected;
    QImage m_picture;
    /** The pictures of the rows, as stored, by department. */
    QHash<QString, QByteArray> m_stored;
};
