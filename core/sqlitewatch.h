#pragma once

class QSqlDatabase;

namespace ZkDb {

/** Watches an SQLite connection for a write that starts while one of its
 *  own reads is still open. SQLite then has the write join the read's
 *  snapshot, and a snapshot cannot wait for another till: the write fails at
 *  once with "database is locked" whenever a second till wrote meanwhile,
 *  busy timeout or not. Such a write is reported as a warning naming both
 *  statements, and with BREVALON_SQLITE_STRICT set the process stops there,
 *  so that the tests find the read that was left open. */
void watchOpenReads(QSqlDatabase& db);

} // namespace ZkDb
