#include "maintenance/deptable.h"

#include "maintenance/rankswap.h"
#include "maintenance/touchpicture.h"
#include "maintenance/unitsql.h"

#include "core/globals.h"
#include "core/limitvalidator.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zklistitem.h"
#include "core/zkprompt.h"
#include "posting/docketroute.h"

#include <QHeaderView>
#include <QPixmap>
#include <QSqlQuery>

namespace {

/** A name as the table will keep it: upper case. */
QString quoted(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text, true) + QLatin1Char('\'');
}

/** A name as the table keeps it now, to find its row. */
QString key(const QString& stored)
{
    return QLatin1Char('\'') + Utility::escapeSQL(stored) + QLatin1Char('\'');
}

} // namespace

DepTable::DepTable(QWidget* parent)
    : DepTableGui(parent)
{
    setObjectName(QStringLiteral("DepTable"));
    DepartmentEdit->setValidator(new LimitValidator(50, DepartmentEdit));
    // The choices hold the codes that the dockets are routed by.
    for (int i = 0; i < RouteComboBox->count(); ++i)
        RouteComboBox->setItemData(i, DocketRoute::code(routeWords()[i]));
    DepListView->header()->setSectionResizeMode(ColDepartment, QHeaderView::Stretch);
    DepListView->header()->setStretchLastSection(false);
    refresh();
    clear();
}

void DepTable::refresh()
{
    const QString current = m_selected;
    DepListView->clear();
    m_stored.clear();
    QSqlQuery q;
    if (!q.exec(QStringLiteral(
            "SELECT Department, Image, Rank, Printer, Route FROM Departments ORDER BY Rank, Department"))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next()) {
        const QString name = q.value(0).toString();
        // Any other code (a row older than the screens) is routed to the printer.
        const QString route = DocketRoute::code(DocketRoute::word(q.value(4).toString()));
        const int choice = RouteComboBox->findData(route);
        auto* row = new ZkListItem(DepListView, {name, q.value(2).toString(), q.value(3).toString(),
                                                 RouteComboBox->itemText(choice)});
        row->setData(ColRoute, Qt::UserRole, route);
        const QByteArray stored = q.value(1).toString().toLatin1();
        m_stored.insert(name, stored);
        const QImage picture = TouchPicture::decode(stored);
        if (!picture.isNull())
            row->setIcon(ColDepartment, QIcon(QPixmap::fromImage(picture)));
    }
    if (!current.isEmpty())
        selectDepartment(current);
}

bool DepTable::selectDepartment(const QString& name)
{
    for (int i = 0; i < DepListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = DepListView->topLevelItem(i);
        if (row->text(ColDepartment).compare(name, Qt::CaseInsensitive) == 0) {
            DepListView->setCurrentItem(row);
            itemSelected(row);
            DepListView->scrollToItem(row);
            return true;
        }
    }
    return false;
}

void DepTable::itemSelected(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_selected = item->text(ColDepartment);
    DepartmentEdit->setText(m_selected);
    const int printer = item->text(ColPrinter).toInt();
    checkBox1->setChecked(printer & 1);
    checkBox2->setChecked(printer & 2);
    RouteComboBox->setCurrentIndex(RouteComboBox->findData(item->data(ColRoute, Qt::UserRole)));
    m_picture = TouchPicture::decode(m_stored.value(m_selected));
    TouchPicture::show(ImagePushButton, m_picture);
}

void DepTable::clear()
{
    m_selected.clear();
    DepartmentEdit->clear();
    checkBox1->setChecked(false);
    checkBox2->setChecked(false);
    RouteComboBox->setCurrentIndex(0);
    m_picture = QImage();
    TouchPicture::show(ImagePushButton, m_picture);
    DepListView->setCurrentItem(nullptr);
    DepListView->clearSelection();
    DepartmentEdit->setFocus();
}

void DepTable::imageSelection()
{
    if (TouchPicture::change(this, !m_picture.isNull(), &m_picture) != TouchPicture::Kept)
        TouchPicture::show(ImagePushButton, m_picture);
}

int DepTable::printerValue() const
{
    return (checkBox1->isChecked() ? 1 : 0) | (checkBox2->isChecked() ? 2 : 0);
}

QStringList DepTable::routeWords()
{
    return {QStringLiteral("printer"), QStringLiteral("screen"), QStringLiteral("both")};
}

QString DepTable::routeValue() const
{
    return QLatin1Char('\'') + Utility::escapeSQL(RouteComboBox->currentData().toString()) + QLatin1Char('\'');
}

bool DepTable::exists(const QString& name, const QString& except, bool* failed)
{
    QString sql = QStringLiteral("SELECT Department FROM Departments WHERE Department=%1%2")
                      .arg(quoted(name), ZkDb::caseBlind());
    if (!except.isEmpty())
        sql += QStringLiteral(" AND Department<>%1").arg(key(except));
    QSqlQuery q;
    *failed = !q.exec(sql);
    if (*failed) {
        Utility::showDBError(q);
        return true;
    }
    return q.next();
}

void DepTable::newEntry()
{
    const QString caption = tr("New Entry");
    const QString name = DepartmentEdit->text().trimmed().toUpper();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Department"));
        DepartmentEdit->setFocus();
        return;
    }
    bool failed = false;
    if (exists(name, QString(), &failed)) {
        if (!failed)
            ZkPrompt::warning(this, caption, tr("The department %1 already exists").arg(name));
        return;
    }
    UnitSql unit;
    int rank = 0;
    if (!unit.isOpen() || !RankSwap::nextRank(unit, QStringLiteral("Departments"), &rank))
        return;
    // Built by concatenation: the picture's text may hold "%1" and the like.
    if (!unit.exec(QStringLiteral("INSERT INTO Departments (Department, Printer, Image, Rank, Route) VALUES (")
                   + quoted(name) + QLatin1String(", ") + QString::number(printerValue()) + QLatin1String(", '")
                   + Utility::escapeSQL(QString::fromLatin1(TouchPicture::encode(m_picture))) + QLatin1String("', ")
                   + QString::number(rank) + QLatin1String(", ") + routeValue() + QLatin1Char(')'))
        || !unit.commit())
        return;
    utils->logAction(tr("Departments"), tr("Added %1").arg(name), QString(), '0');
    m_selected = name;
    refresh();
}

void DepTable::updateEntry()
{
    const QString caption = tr("Modify Entry");
    if (m_selected.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to modify"));
        return;
    }
    const QString old = m_selected;
    const QString name = DepartmentEdit->text().trimmed().toUpper();
    if (name.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must specify the Department"));
        DepartmentEdit->setFocus();
        return;
    }
    bool failed = false;
    if (exists(name, old, &failed)) {
        if (!failed)
            ZkPrompt::warning(this, caption, tr("The department %1 already exists").arg(name));
        return;
    }
    if (ZkPrompt::question(
            this, caption,
            tr("Confirm that you will update the highlighted entry\n%1\nwith the values shown ?").arg(old),
            {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }
    UnitSql unit;
    QVariant present;
    if (!unit.isOpen()
        || !unit.value(QStringLiteral("SELECT Department FROM Departments WHERE Department=%1").arg(key(old)),
                       &present))
        return;
    if (!present.isValid()) {
        unit.rollback();
        ZkPrompt::warning(this, caption,
                          tr("The department %1 is no longer on file.\nAnother till may have deleted it.").arg(old));
        refresh();
        return;
    }
    if (!unit.exec(QStringLiteral("UPDATE Departments SET Department=") + quoted(name) + QLatin1String(", Image='")
                   + Utility::escapeSQL(QString::fromLatin1(TouchPicture::encode(m_picture)))
                   + QLatin1String("', Printer=") + QString::number(printerValue())
                   + QLatin1String(", Route=") + routeValue() + QLatin1String(" WHERE Department=") + key(old)))
        return;
    // The items and compositions follow the new name in the same unit: a
    // till never sees a department without its items.
    if (name != old) {
        for (const char* table : {"Inventory", "Compositions"}) {
            if (!unit.exec(QStringLiteral("UPDATE %1 SET Department=%2 WHERE Department=%3")
                               .arg(QLatin1String(table), quoted(name), key(old))))
                return;
        }
    }
    if (!unit.commit())
        return;
    utils->logAction(tr("Departments"), tr("Update %1").arg(name), QString(), '0');
    m_selected = name;
    refresh();
}

QString DepTable::deleteRefusal(const QString& name, QSqlQuery& q, bool* failed)
{
    const struct
    {
        const char* table;
        const char* text;
    } users[] = {
        {"Inventory", QT_TR_NOOP("The department %1 still holds %2 items.\nMove them to another department first.")},
        {"Compositions",
         QT_TR_NOOP("The department %1 still holds %2 compositions.\nMove them to another department first.")},
    };
    for (const auto& user : users) {
        *failed = !q.exec(
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Department=%2").arg(QLatin1String(user.table), key(name)));
        if (*failed)
            return QString();
        const int count = q.next() ? q.value(0).toInt() : 0;
        q.finish();
        if (count > 0)
            return tr(user.text).arg(name).arg(count);
    }
    return QString();
}

void DepTable::deleteEntry()
{
    const QString caption = tr("Delete Entry");
    if (m_selected.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to delete"));
        return;
    }
    const QString name = m_selected;
    QSqlQuery q;
    bool failed = false;
    QString refusal = deleteRefusal(name, q, &failed);
    if (failed) {
        Utility::showDBError(q);
        return;
    }
    if (!refusal.isEmpty()) {
        ZkPrompt::warning(this, caption, refusal);
        return;
    }
    if (ZkPrompt::question(this, caption,
                           tr("Confirm that you will delete the highlighted entry\n%1\nfrom the system?").arg(name),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(this, caption, tr("Operation cancelled"));
        return;
    }
    UnitSql unit;
    if (!unit.isOpen())
        return;
    // Asked again inside the unit: an item may have moved in meanwhile.
    refusal = deleteRefusal(name, q, &failed);
    if (failed || !refusal.isEmpty()) {
        unit.rollback();
        if (failed)
            Utility::showDBError(q);
        else
            ZkPrompt::warning(this, caption, refusal);
        return;
    }
    if (!unit.exec(QStringLiteral("DELETE FROM Departments WHERE Department=") + key(name) + ZkDb::limitOne())
        || !unit.commit())
        return;
    utils->logAction(tr("Departments"), tr("Deleted %1").arg(name), QString(), '0');
    clear();
    refresh();
}

void DepTable::rankUp()
{
    moveRank(true);
}

void DepTable::rankDown()
{
    moveRank(false);
}

void DepTable::moveRank(bool up)
{
    const QString caption = tr("Modify Entry");
    if (m_selected.isEmpty()) {
        ZkPrompt::warning(this, caption, tr("You must higlight an entry to modify"));
        return;
    }
    switch (RankSwap::move(QStringLiteral("Departments"), QStringLiteral("Department"), QString(), m_selected, up)) {
    case RankSwap::Moved:
        utils->logAction(tr("Department Ranking"), tr("Update %1").arg(m_selected), QString(), '0');
        refresh();
        return;
    case RankSwap::AtEnd:
        ZkPrompt::warning(this, caption,
                          up ? tr("Selected item is already at top of ranking")
                             : tr("Selected item is already at bottom of ranking"));
        return;
    case RankSwap::Missing:
        ZkPrompt::warning(
            this, caption,
            tr("The department %1 is no longer on file.\nAnother till may have deleted it.").arg(m_selected));
        refresh();
        return;
    case RankSwap::Failed:
        return;
    }
}
