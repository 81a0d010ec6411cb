#pragma once

#include <QString>

/**
 * What a shared MariaDB server needs before the first till connects: the
 * shop's database and a user of its own that the tills log in with, allowed
 * from the tills' addresses. Done once, with an administrator's login.
 */
namespace ServerSetup {

struct Request
{
    QString server = QStringLiteral("localhost");
    int port = -1; // the driver's default
    QString adminUser = QStringLiteral("root");
    QString adminPassword;
    QString database;
    QString user;
    QString password;
    /** Where the tills connect from: a host name, an address, or a MariaDB
     *  pattern such as "192.168.1.%" or "%" for anywhere. */
    QString tills = QStringLiteral("%");
};

/** Why @p request cannot be carried out as given ("" when it can). Names
 *  end up as SQL identifiers, so they are held to letters, digits and "_". */
QString problem(const Request& request);

/** Creates the database (utf8mb4) unless it exists, creates the user or
 *  gives an existing one the new password, and grants it everything on that
 *  database and nothing else. Each line of @p log tells one step done. */
bool createDatabase(const Request& request, QString* log, QString* error);

} // namespace ServerSetup
