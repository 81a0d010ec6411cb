#pragma once

#include <QString>

class QSqlQuery;

namespace EndOfDay {

/** Runs one statement of the end-of-day work through ZkDb::exec (so the
 *  crash tests can stop a cash-up between any two); a failure is shown (or,
 *  in a posting unit, kept for after its rollback) and gives false. */
bool run(QSqlQuery& q, const QString& statement);

} // namespace EndOfDay
