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
//
// schema and setup refuse a database that already holds tables; --force
// drops them first.

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zksettings.h"
#include "main/dbsetup.h"
#include "main/demoshop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSqlDatabase>
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

int prepare(bool seed, bool force)
{
    QString error;
    switch (ZkDb::openDefault(&error)) {
    case ZkDb::Opened:
        break;
    case ZkDb::DriverMissing:
        err() << "brevalon-db: could not load the database driver "
              << settings->readEntry(QStringLiteral("/Global/DBDriver")) << Qt::endl;
        return 2;
    case ZkDb::OpenFailed:
        err() << "brevalon-db: cannot open the database: " << error << Qt::endl;
        return 2;
    }
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
    args.addPositionalArgument(QStringLiteral("command"), QStringLiteral("configure, schema or setup"));
    args.addOption({QStringLiteral("force"), QStringLiteral("drop existing tables first")});
    for (const char* name : {"driver", "server", "port", "name", "user", "password", "install-dir"})
        args.addOption({QString::fromLatin1(name), QStringLiteral("setting to write"), QStringLiteral("value")});
    args.addOption({QStringLiteral("set"), QStringLiteral("any setting to write"), QStringLiteral("/Group/Key=value")});
    args.process(app);

    const QStringList positional = args.positionalArguments();
    const QString command = positional.value(0);
    ZkSettings store(QString::fromLocal8Bit(qgetenv("HOME")));
    settings = &store;
    int status = 1;
    if (command == QLatin1String("configure"))
        status = configure(args);
    else if (command == QLatin1String("schema"))
        status = prepare(false, args.isSet(QStringLiteral("force")));
    else if (command == QLatin1String("setup"))
        status = prepare(true, args.isSet(QStringLiteral("force")));
    else
        args.showHelp(1);
    settings = nullptr;
    return status;
}
