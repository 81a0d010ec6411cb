#pragma once

#include <QString>

class QSqlQuery;

namespace EndOfDay {

/** Runs one statement of the end-of-day work; a failure is shown (or, in
 *  a posting unit, kept for after its rollback) and gives false. */
bool run(QSqlQuery& q, const QString& statement);

/** What a SELECT inside a unit adds so that the rows it read stay as read
 *  until the unit ends, where the server locks rows (" FOR UPDATE"). */
QString lockRows();

/** For crash tests only: the process kills itself (SIGKILL) just before
 *  the @p n-th statement run() runs from now on; 0 switches that off. */
void abortAtStatement(int n);
/** Statements run() ran since the last abortAtStatement. */
int statementsRun();

} // namespace EndOfDay
