#pragma once

#include <QString>
#include <QStringList>

/**
 * Where each department's docket lines go: the stations its printer bits
 * name, and there the printer, the kitchen screen or both
 * (Departments.Route).
 */
namespace DepartmentRoutes {

/** Sets a department's route from a word: "printer", "screen" or "both".
 *  An unknown word or department changes nothing and puts the reason in
 *  @p error; a failed statement is shown. False in either case. */
bool set(const QString& department, const QString& word, QString* error);

/** One line per department: its name, route and stations, e.g.
 *  "MAINS: screen (kitchen)". */
bool list(QStringList* lines);

} // namespace DepartmentRoutes
