#include "kitchen/departmentroutes.h"

#include "core/utility.h"
#include "posting/docketroute.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DepartmentRoutes", text);
}

} // namespace

namespace DepartmentRoutes {

// In this namespace, not the anonymous one, so that the translators find
// these texts under its name.
static QString stations(int printer)
{
    switch (printer & 3) {
    case DocketRoute::Label:
        return tr("label");
    case DocketRoute::Kitchen:
        return tr("kitchen");
    case DocketRoute::Label | DocketRoute::Kitchen:
        return tr("label and kitchen");
    }
    return tr("no station");
}

bool set(const QString& department, const QString& word, QString* error)
{
    const QString route = DocketRoute::code(word);
    if (route.isEmpty()) {
        *error = tr("A route is printer, screen or both, not %1").arg(word);
        return false;
    }
    QSqlQuery q;
    // Departments are kept in upper case.
    const QString name = Utility::escapeSQL(department.trimmed(), true);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Departments WHERE Department='%1'").arg(name)))
        return !Utility::showDBError(q);
    if (!q.next() || q.value(0).toInt() == 0) {
        *error = tr("There is no department %1").arg(department.trimmed().toUpper());
        return false;
    }
    q.finish();
    if (!q.exec(QStringLiteral("UPDATE Departments SET Route='%1' WHERE Department='%2'").arg(route, name)))
        return !Utility::showDBError(q);
    return true;
}

bool list(QStringList* lines)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Department, Route, Printer FROM Departments ORDER BY Rank, Department")))
        return !Utility::showDBError(q);
    lines->clear();
    while (q.next()) {
        lines->append(QStringLiteral("%1: %2 (%3)")
                          .arg(q.value(0).toString(), DocketRoute::word(q.value(1).toString()),
                               stations(q.value(2).toInt())));
    }
    return true;
}

} // namespace DepartmentRoutes
