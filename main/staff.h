#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

/** Staff records (`Personel`) as the installer and the demo shop write them. */
namespace Staff {

/** Every right flag of a staff record, in column order. */
const QStringList& rightNames();

/** The rights an administrator is given: all of them except the two that
 *  lock a user to cash sales. */
QStringList administratorRights();

/** Inserts a staff record on @p db: the login @p code, the salesperson
 *  initials @p initials, the commission in percent, cash account 1 and the
 *  flags of @p rights set to 'Y' (the others 'N'). Stops at a failure,
 *  which @p error describes. */
bool insert(QSqlDatabase& db, const QString& name, const QString& code, const QString& initials,
            double commission, const QStringList& rights, QString* error);

} // namespace Staff
