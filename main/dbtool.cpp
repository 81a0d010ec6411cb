// brevalon-db: prepares a database for Brevalon from the command line.
//
//   brevalon-db configure [--driver D] [--server H] [--port N] [--name DB]
//                         [--user U] [--password P] [--install-dir DIR]
//                         [--set /Group/Key=VALUE ...]
//       writes the connection (and install folder, and any other key) into
//       the settings store of $HOME, where the till will read them.
//   brevalon-db schema [--force]     creates the tables
//   brevalon-db setup [--force]      creates the tables and seeds the demo shop
//                                    (and the demo till's bank notes)
//   brevalon-db backup FILE          writes the database to a .zbk backup, as
//                                    the till's backup command does
//   brevalon-db restore FILE [--force]
//                                    loads a .zbk backup into an empty database
//                                    (the mysql client on MariaDB)
//
// schema and setup refuse a database that already holds tables, restore one
// whose tables hold rows; --force drops them first.

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "main/dbsetup.h"
#include "main/demoshop.h"
#include "maintenance/backupreader.h"
#include "maintenance/backupwriter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

int configure(const QCommandLineParser& args)
{
    const struct
    {
        const char* option;
        const char* key;
    } map[] = {{"driver", "/Global/DBDriver"}, {"server", "/Global/DBServer"},
               {"port", "/Global/DBPport"},    {"name", "/Global/DBName"},
               {"user", "/Global/DBUser"},     {"password", "/Global/DBPassword"},
               {"install-dir", "/Global/InstallDir"}};
    for (const auto& m : map) {
        if (args.isSet(QLatin1String(m.option)))
            settings->writeEntry(QLatin1String(m.key), args.value(QLatin1String(m.option)));
    }
    for (const QString& pair : args.values(QStringLiteral("set"))) {
        const int eq = pair.indexOf(QLatin1Char('='));
        if (eq < 2 || !pair.startsWith(QLatin1Char('/'))) {
            err() << "brevalon-db: --set wants /Group/Key=VALUE, not " << pair << Qt::endl;
            return 1;
        }
        settings->writeEntry(pair.left(eq), pair.mid(eq + 1));
    }
    settings->sync();
    QTextStream(stdout) << "settings written to " << settings->fileName() << Qt::endl;
    return 0;
}

// 0 when the program's connection is open, else the exit status (told).
int openDatabase()
{
    QString error;
    switch (ZkDb::openDefault(&error)) {
    case ZkDb::Opened:
        return 0;
    case ZkDb::DriverMissing:
        err() << "brevalon-db: could not load the database driver "
              << settings->readEntry(QStringLiteral("/Global/DBDriver")) << Qt::endl;
        return 2;
    case ZkDb::OpenFailed:
        err() << "brevalon-db: cannot open the database: " << error << Qt::endl;
        return 2;
    }
    return 2;
}

int prepare(bool seed, bool force)
{
    if (const int status = openDatabase())
        return status;
    QString error;
    QSqlDatabase db = QSqlDatabase::database();
    if (DbSetup::hasTables(db)) {
        if (!force) {
            err() << "brevalon-db: the database already holds tables; nothing was changed "
                     "(use --force to drop them and start again)"
                  << Qt::endl;
            return 3;
        }
        if (!DbSetup::dropAll(db, &error)) {
            err() << "brevalon-db: " << error << Qt::endl;
            return 4;
        }
    }
    if (!DbSetup::createSchema(db, &error) || (seed && !DemoShop::seed(db, &error))) {
        err() << "brevalon-db: " << error << Qt::endl;
        return 4;
    }
    if (seed) {
        DemoShop::writeTillSettings();
        settings->sync();
    }
    QTextStream(stdout) << (seed ? "schema created and demo shop seeded" : "schema created") << Qt::endl;
    return 0;
}

int backup(const QString& fileName)
{
    if (const int status = openDatabase())
        return status;
    const BackupWriter::Outcome outcome = BackupWriter::writeFile(fileName);
    switch (outcome.result) {
    case BackupWriter::Written:
        QTextStream(stdout) << "backup written to " << fileName << Qt::endl;
        return 0;
    case BackupWriter::CannotCreate:
        err() << "brevalon-db: cannot create " << fileName << ": " << outcome.fileError << Qt::endl;
        break;
    case BackupWriter::DatabaseFailed:
        err() << "brevalon-db: " << outcome.databaseError.text() << "\n" << outcome.statement << Qt::endl;
        break;
    case BackupWriter::FileFailed:
        err() << "brevalon-db: backup aborted, " << outcome.fileError << Qt::endl;
        break;
    }
    return 4;
}

// The tables of Brevalon's schema that a backup may fill.
QStringList backupTables(const QSqlDatabase& db)
{
    QStringList tables;
    static const QRegularExpression create(QStringLiteral("CREATE TABLE (\\w+)"));
    auto it = create.globalMatch(DbSetup::schemaScript(db));
    while (it.hasNext())
        tables << it.next().captured(1);
    tables.removeAll(QStringLiteral("Login"));
    return tables;
}

bool holdsRows(const QSqlDatabase& db)
{
    for (const QString& table : db.tables(QSql::Tables)) {
        QSqlQuery q(db);
        if (!table.startsWith(QLatin1String("sqlite_"))
            && q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table) && q.next() && q.value(0).toLongLong() > 0)
            return true;
    }
    return false;
}

int restore(const QString& fileName, bool force)
{
    if (!QFileInfo(fileName).isFile()) {
        err() << "brevalon-db: there is no file " << fileName << Qt::endl;
        return 5;
    }
    if (const int status = openDatabase())
        return status;
    QSqlDatabase db = QSqlDatabase::database();
    QString error;
    // The whole file is read once before anything changes.
    if (!BackupRestore::check(fileName, backupTables(db), &error)) {
        err() << "brevalon-db: " << error << "; nothing was changed" << Qt::endl;
        return 5;
    }
    if (DbSetup::hasTables(db)) {
        if (holdsRows(db)) {
            if (!force) {
                err() << "brevalon-db: the database already holds rows; nothing was changed "
                         "(use --force to drop its tables and restore into new ones)"
                      << Qt::endl;
                return 3;
            }
            if (!DbSetup::dropAll(db, &error) || !DbSetup::createSchema(db, &error)) {
                err() << "brevalon-db: " << error << Qt::endl;
                return 4;
            }
        }
    } else if (!DbSetup::createSchema(db, &error)) {
        err() << "brevalon-db: " << error << Qt::endl;
        return 4;
    }
    const bool loaded = ZkDb::dialect() == ZkDb::MySql ? BackupRestore::loadWithClient(fileName, &error)
                                                       : BackupRestore::loadDirect(fileName, &error);
    if (!loaded) {
        err() << "brevalon-db: the backup was not restored: " << error << Qt::endl;
        return 4;
    }
    QTextStream(stdout) << "backup restored from " << fileName << Qt::endl;
    return 0;
}

// No one sits at this program: what the shared code would ask in a box
// goes to the error output, and the box is taken as cancelled.
ZkPrompt::Reply printPrompt(const ZkPrompt::Request& request)
{
    if (request.kind != ZkPrompt::Beep)
        err() << "brevalon-db: " << request.caption << ": " << request.text << Qt::endl;
    ZkPrompt::Reply reply;
    reply.button = request.escapeButton >= 0 ? request.escapeButton : request.defaultButton;
    return reply;
}

} // namespace

int main(int argc, char** argv)
{
    // Seeding paints the touch pictures, which needs a GUI application but
    // no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Prepares a database for Brevalon."));
    args.addHelpOption();
    args.addPositionalArgument(QStringLiteral("command"), QStringLiteral("configure, schema, setup, backup FILE or restore FILE"));
    args.addOption({QStringLiteral("force"), QStringLiteral("drop existing tables first")});
    for (const char* name : {"driver", "server", "port", "name", "user", "password", "install-dir"})
        args.addOption({QString::fromLatin1(name), QStringLiteral("setting to write"), QStringLiteral("value")});
    args.addOption({QStringLiteral("set"), QStringLiteral("any setting to write"), QStringLiteral("/Group/Key=value")});
    args.process(app);

    const QStringList positional = args.positionalArguments();
    const QString command = positional.value(0);
    ZkSettings store(QString::fromLocal8Bit(qgetenv("HOME")));
    settings = &store;
    ZkPrompt::setHandler(printPrompt);
    int status = 1;
    if (command == QLatin1String("configure"))
        status = configure(args);
    else if (command == QLatin1String("schema"))
        status = prepare(false, args.isSet(QStringLiteral("force")));
    else if (command == QLatin1String("setup"))
        status = prepare(true, args.isSet(QStringLiteral("force")));
    else if (command == QLatin1String("backup") && positional.size() == 2)
        status = backup(positional.at(1));
    else if (command == QLatin1String("restore") && positional.size() == 2)
        status = restore(positional.at(1), args.isSet(QStringLiteral("force")));
    else
        args.showHelp(1);
    settings = nullptr;
    return status;
}
