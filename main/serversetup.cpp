#include "main/serversetup.h"

#include "core/utility.h"
#include "core/zkdb.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace ServerSetup {

namespace {

const char* const kConnection = "brevalon_server_admin";

QString literal(const QString& text)
{
    return QLatin1Char('\'') + Utility::escapeSQL(text) + QLatin1Char('\'');
}

} // namespace

QString problem(const Request& r)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z0-9_]{1,64}$"));
    static const QRegularExpression hostPattern(QStringLiteral("^[A-Za-z0-9_.%:-]{1,255}$"));
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    if (!identifier.match(r.database).hasMatch())
        return QStringLiteral("the database name must be letters, digits and _ (given: \"%1\")").arg(r.database);
    if (!identifier.match(r.user).hasMatch() || r.user.size() > 32)
        return QStringLiteral("the user name must be up to 32 letters, digits and _ (given: \"%1\")").arg(r.user);
    if (r.user == r.adminUser)
        return QStringLiteral("the tills need a user of their own, not the administrator %1").arg(r.adminUser);
    if (r.password.isEmpty())
        return QStringLiteral("the tills' user needs a password (--password)");
    if (r.password.contains(control) || r.adminPassword.contains(control))
        return QStringLiteral("a password cannot hold control characters");
    if (!hostPattern.match(r.tills).hasMatch())
        return QStringLiteral("--tills takes a host name, an address or a pattern such as 192.168.1.%");
    return QString();
}

bool createDatabase(const Request& r, QString* log, QString* error)
{
    const QString why = problem(r);
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(ZkDb::qtDriverName(QStringLiteral("QMYSQL3")),
                                                    QLatin1String(kConnection));
        db.setHostName(r.server);
        if (r.port > 0)
            db.setPort(r.port);
        db.setUserName(r.adminUser);
        db.setPassword(r.adminPassword);
        if (!db.open()) {
            *error = QStringLiteral("cannot log in to %1 as %2: %3")
                         .arg(r.server, r.adminUser, db.lastError().text());
        } else {
            const QString account = literal(r.user) + QLatin1Char('@') + literal(r.tills);
            const struct
            {
                QString sql;
                QString done;
            } steps[] = {
                // The password below is a quoted text with doubled quotes.
                {QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')"),
                 QString()},
                {QStringLiteral("CREATE DATABASE IF NOT EXISTS `%1` CHARACTER SET utf8mb4").arg(r.database),
                 QStringLiteral("database %1 is there").arg(r.database)},
                {QStringLiteral("CREATE USER IF NOT EXISTS ") + account, QString()},
                {QStringLiteral("ALTER USER ") + account + QLatin1String(" IDENTIFIED BY ") + literal(r.password),
                 QStringLiteral("user %1 may log in from %2").arg(r.user, r.tills)},
                {QStringLiteral("GRANT ALL PRIVILEGES ON `%1`.* TO ").arg(r.database) + account,
                 QStringLiteral("user %1 may use database %2").arg(r.user, r.database)},
            };
            ok = true;
            QSqlQuery q(db);
            for (const auto& step : steps) {
                if (!q.exec(step.sql)) {
                    // The password is not repeated in the message.
                    *error = q.lastError().text();
                    ok = false;
                    break;
                }
                if (!step.done.isEmpty())
                    *log += step.done + QLatin1Char('\n');
            }
            // Anonymous accounts, which some installations leave behind, win
            // over "user@%" for connections from their hosts.
            if (ok && q.exec(QStringLiteral("SELECT Host FROM mysql.user WHERE User=''"))) {
                QStringList hosts;
                while (q.next())
                    hosts << q.value(0).toString();
                if (!hosts.isEmpty())
                    *log += QStringLiteral("note: anonymous accounts exist for %1; tills connecting from there are "
                                           "refused unless those accounts are dropped (DROP USER ''@'host')\n")
                                .arg(hosts.join(QLatin1String(", ")));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(kConnection));
    return ok;
}

} // namespace ServerSetup
