#include "main/dbsetup.h"

#include <algorithm>

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// The scripts live in a static library, whose resources must be pulled in
// by hand; the macro must stand outside any namespace.
static void initSetupResources()
{
    Q_INIT_RESOURCE(setup);
}

namespace DbSetup {

namespace {

bool run(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text() + QLatin1Char('\n') + sql;
    return false;
}

} // namespace

QString schemaScript(const QSqlDatabase& db)
{
    initSetupResources();
    const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
    QFile file(sqlite ? QStringLiteral(":/sql/sqlite.sql") : QStringLiteral(":/sql/mysql.sql"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QStringList statements(const QString& script)
{
    QStringList lines;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            lines << line;
    }
    QStringList result;
    for (const QString& statement : lines.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            result << statement.trimmed();
    }
    return result;
}

bool hasTables(const QSqlDatabase& db)
{
    // SQLite's own bookkeeping (sqlite_sequence) outlives the tables.
    const QStringList tables = db.tables(QSql::Tables);
    return std::any_of(tables.begin(), tables.end(),
                       [](const QString& t) { return !t.startsWith(QLatin1String("sqlite_")); });
}

bool dropAll(QSqlDatabase& db, QString* error)
{
    for (const QString& table : db.tables(QSql::Tables)) {
        if (table.startsWith(QLatin1String("sqlite_")))
            continue;
        if (!run(db, QStringLiteral("DROP TABLE ") + table, error))
            return false;
    }
    return true;
}

bool createSchema(QSqlDatabase& db, QString* error)
{
    const QStringList script = statements(schemaScript(db));
    if (script.isEmpty()) {
        if (error)
            *error = QStringLiteral("the schema script is missing from the build");
        return false;
    }
    for (const QString& statement : script) {
        if (!run(db, statement, error))
            return false;
    }
    return true;
}

} // namespace DbSetup
