#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

/**
 * The smallest shop a till can open on: the shop's details with one tax
 * rate, the cash account and one administrator. Everything else (staff,
 * items, tables, printers) is added from the program.
 */
namespace NewShop {

/** Fills an empty schema; stops at the first failure. The tax rate is in
 *  percent. */
bool seed(QSqlDatabase& db, const QString& shopName, const QString& adminCode, double taxPercent,
          QString* error);

/** Why @p code cannot be a login code ("" when it can): the login keypad
 *  types digits only. */
QString codeFormatProblem(const QString& code);
/** As codeFormatProblem; and as the code names the user, no two may share it. */
QString codeProblem(QSqlDatabase& db, const QString& code);

/** Adds a staff member with the given rights (names as in Staff::rightNames).
 *  The name is stored in upper case, as the maintenance forms store it. */
bool addUser(QSqlDatabase& db, const QString& name, const QString& code, const QStringList& rights,
             QString* error);

} // namespace NewShop
