#pragma once

#include <QString>
#include <QStringList>

/**
 * The live tables read together with their archives (InvoiceItemArchive,
 * JournalArchive): the same SELECT once for every pairing of live and
 * archived tables, joined with UNION ALL, the archive taking the live
 * table's name as its alias. Every end-of-day read that must count what a
 * cash-up archived goes through here.
 */
namespace BothTables {

/** "SELECT columns FROM tables [WHERE where]" for every pairing. */
QString select(const QString& columns, const QStringList& tables, const QString& where = QString());
/** select() as a derived table "(...) AS alias". */
QString from(const QString& columns, const QStringList& tables, const QString& where, const QString& alias);

} // namespace BothTables
