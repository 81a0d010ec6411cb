#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

/** Creating the Brevalon tables on a database, for installers and tests. */
namespace DbSetup {

/** The creation script of the dialect of @p db's driver. */
QString schemaScript(const QSqlDatabase& db);

/** The statements of a script, comments removed. */
QStringList statements(const QString& script);

/** True when @p db already holds any table. */
bool hasTables(const QSqlDatabase& db);

/** Drops every table of @p db. */
bool dropAll(QSqlDatabase& db, QString* error);

/** Runs one statement on @p db; on failure @p error gets the server's
 *  message and the statement. */
bool run(QSqlDatabase& db, const QString& sql, QString* error);

/** Runs the creation script; stops at the first failure. */
bool createSchema(QSqlDatabase& db, QString* error);

} // namespace DbSetup
