// brevalon-db: prepares a database for Brevalon from the command line; see
// the help text below for its commands.

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "main/dbsetup.h"
#include "main/demoshop.h"
#include "main/newshop.h"
#include "main/serversetup.h"
#include "main/staff.h"
#include "maintenance/backupreader.h"
#include "maintenance/backupwriter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

const char* const kDescription = R"(Prepares a database for Brevalon and the settings of a till.

Commands:
  configure        Writes the connection (--driver, --server, --port, --name,
                   --user, --password), the install folder (--install-dir) and
                   any other setting (--set /Group/Key=VALUE, repeatable) into
                   the settings store of the user who runs it, where the till
                   reads them (~/.Zendrik/Brevalon/brevalonrc).
  create-database  On a MariaDB server, with an administrator's login
                   (--admin-user, --admin-password): creates the database
                   --name and the user --user with --password that the tills
                   log in with, from the hosts --tills (default %, anywhere).
                   --server, --port, --name, --user and --password default to
                   the configured connection.
  new-shop         Creates the tables and the smallest shop to start from:
                   the shop's name (--shop-name), the tax rate in percent
                   (--vat, default 15), the cash account and the user Admin
                   with the login code --admin-code.
  add-user NAME CODE
                   Adds a staff member with a login code; --rights gives a
                   comma-separated list of rights, or "all".
  check            Opens the configured database and tells the shop and the
                   staff it holds.
  schema           Creates the tables only.
  setup            Creates the tables and seeds the demo shop (and the demo
                   till's bank notes).
  backup FILE      Writes the database to a .zbk backup, as the till's
                   Backup does.
  restore FILE     Loads a .zbk backup into a database without rows (the
                   mysql client on MariaDB); --force drops the tables first.

new-shop, schema and setup refuse a database that already holds tables
unless given --force, which drops them first. Every command but
create-database works on the connection configured for the user who runs it.

Exit status: 0 done, 1 wrong use, 2 the database cannot be reached,
3 the database already holds tables (rows, for restore), 4 a statement failed,
5 the file is not a Brevalon backup.)";

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

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
    out() << "settings written to " << settings->fileName() << Qt::endl;
    return 0;
}

int open()
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
        break;
    }
    err() << "brevalon-db: cannot open the database: " << error << Qt::endl;
    return 2;
}

// Opens the configured database and leaves it with an empty schema.
int freshSchema(bool force)
{
    if (const int status = open())
        return status;
    QSqlDatabase db = QSqlDatabase::database();
    QString error;
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
    if (!DbSetup::createSchema(db, &error)) {
        err() << "brevalon-db: " << error << Qt::endl;
        return 4;
    }
    return 0;
}

int prepare(bool seed, bool force)
{
    if (const int status = freshSchema(force))
        return status;
    QSqlDatabase db = QSqlDatabase::database();
    QString error;
    if (seed && !DemoShop::seed(db, &error)) {
        err() << "brevalon-db: " << error << Qt::endl;
        return 4;
    }
    if (seed) {
        DemoShop::writeTillSettings();
        settings->sync();
    }
    out() << (seed ? "schema created and demo shop seeded" : "schema created") << Qt::endl;
    return 0;
}

int newShop(const QCommandLineParser& args)
{
    const QString name = args.value(QStringLiteral("shop-name")).trimmed();
    const QString code = args.value(QStringLiteral("admin-code"));
    bool numeric = true;
    const double vat = args.value(QStringLiteral("vat")).toDouble(&numeric);
    if (name.isEmpty() || code.isEmpty() || !numeric || vat < 0 || vat >= 100) {
        err() << "brevalon-db: new-shop wants --shop-name NAME --admin-code DIGITS [--vat PERCENT]" << Qt::endl;
        return 1;
    }
    // Checked before any table is made.
    if (!NewShop::codeFormatProblem(code).isEmpty()) {
        err() << "brevalon-db: " << NewShop::codeFormatProblem(code) << Qt::endl;
        return 1;
    }
    if (const int status = freshSchema(args.isSet(QStringLiteral("force"))))
        return status;
    QSqlDatabase db = QSqlDatabase::database();
    QString error;
    if (!NewShop::seed(db, name, code, vat, &error)) {
        err() << "brevalon-db: " << error << Qt::endl;
        return 4;
    }
    out() << "shop \"" << name << "\" created: log in as Admin with the code " << code << "; VAT " << vat
          << "%, cash account CASH" << Qt::endl;
    return 0;
}

int addUser(const QCommandLineParser& args)
{
    const QStringList positional = args.positionalArguments();
    if (positional.size() != 3) {
        err() << "brevalon-db: add-user wants NAME CODE [--rights LIST|all]" << Qt::endl;
        return 1;
    }
    QStringList rights;
    const QString given = args.value(QStringLiteral("rights"));
    if (given == QLatin1String("all"))
        rights = Staff::administratorRights();
    else if (!given.isEmpty())
        rights = given.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (const int status = open())
        return status;
    QSqlDatabase db = QSqlDatabase::database();
    QString error;
    if (!NewShop::addUser(db, positional.at(1), positional.at(2), rights, &error)) {
        err() << "brevalon-db: " << error << Qt::endl;
        return 4;
    }
    out() << "user " << positional.at(1).trimmed().toUpper() << " added" << Qt::endl;
    return 0;
}

int check()
{
    if (const int status = open())
        return status;
    out() << "connected to " << settings->readEntry(QStringLiteral("/Global/DBName"));
    if (!ZkDb::isSqlite())
        out() << " on " << settings->readEntry(QStringLiteral("/Global/DBServer")) << " as "
              << settings->readEntry(QStringLiteral("/Global/DBUser"));
    out() << Qt::endl;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT ALINE1 FROM SysInfo"))) {
        err() << "brevalon-db: the database holds no shop yet (run new-shop)" << Qt::endl;
        return 4;
    }
    const QString shop = q.next() ? q.value(0).toString() : QString();
    QStringList staff;
    if (q.exec(QStringLiteral("SELECT Name FROM Personel ORDER BY Name"))) {
        while (q.next())
            staff << q.value(0).toString();
    }
    out() << "shop: " << (shop.isEmpty() ? QStringLiteral("(no details)") : shop) << Qt::endl
          << "staff: " << staff.join(QLatin1String(", ")) << Qt::endl;
    return 0;
}

int createDatabase(const QCommandLineParser& args)
{
    ServerSetup::Request r;
    auto pick = [&args](const char* option, const char* key, const QString& fallback) {
        return args.isSet(QLatin1String(option)) ? args.value(QLatin1String(option))
                                                 : settings->readEntry(QLatin1String(key), fallback);
    };
    r.server = pick("server", "/Global/DBServer", r.server);
    r.port = pick("port", "/Global/DBPport", QStringLiteral("-1")).toInt();
    r.database = pick("name", "/Global/DBName", QString());
    r.user = pick("user", "/Global/DBUser", QString());
    r.password = pick("password", "/Global/DBPassword", QString());
    if (args.isSet(QStringLiteral("admin-user")))
        r.adminUser = args.value(QStringLiteral("admin-user"));
    r.adminPassword = args.value(QStringLiteral("admin-password"));
    if (args.isSet(QStringLiteral("tills")))
        r.tills = args.value(QStringLiteral("tills"));
    QString log;
    QString error;
    const QString why = ServerSetup::problem(r);
    if (!why.isEmpty()) {
        err() << "brevalon-db: " << why << Qt::endl;
        return 1;
    }
    if (!ServerSetup::createDatabase(r, &log, &error)) {
        out() << log;
        err() << "brevalon-db: " << error << Qt::endl;
        return 2;
    }
    out() << log << "the tills connect with: brevalon-db configure --driver QMYSQL3 --server " << r.server
          << (r.port > 0 ? QStringLiteral(" --port %1").arg(r.port) : QString()) << " --name " << r.database
          << " --user " << r.user << " --password ..." << Qt::endl;
    return 0;
}

int backup(const QString& fileName)
{
    if (const int status = open())
        return status;
    const BackupWriter::Outcome outcome = BackupWriter::writeFile(fileName);
    switch (outcome.result) {
    case BackupWriter::Written:
        out() << "backup written to " << fileName << Qt::endl;
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
    if (const int status = open())
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
    out() << "backup restored from " << fileName << Qt::endl;
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
    // Seeding the demo shop paints its touch pictures, which needs a GUI
    // application but no screen; the other commands start without one, so
    // that a backup is not slowed by a GUI it never shows.
    const bool paints = std::any_of(argv + 1, argv + argc, [](const char* a) { return qstrcmp(a, "setup") == 0; });
    if (paints && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(paints ? new QApplication(argc, argv)
                                                       : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("brevalon-db"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BREVALON_VERSION));
    QCommandLineParser args;
    args.setApplicationDescription(QString::fromUtf8(kDescription));
    args.addHelpOption();
    args.addVersionOption();
    args.addPositionalArgument(QStringLiteral("command"),
                               QStringLiteral("configure, create-database, new-shop, add-user, check, schema, setup, backup FILE or restore FILE"));
    args.addOption({QStringLiteral("force"), QStringLiteral("Drop existing tables first.")});
    const struct
    {
        const char* name;
        const char* help;
        const char* value;
    } valued[] = {
        {"driver", "Database driver: QMYSQL3 (MariaDB) or QSQLITE.", "driver"},
        {"server", "Database server's host name or address.", "host"},
        {"port", "Database server's port.", "port"},
        {"name", "Database name (for SQLite, the database file).", "name"},
        {"user", "Database user the tills log in with.", "user"},
        {"password", "That user's password.", "password"},
        {"install-dir", "Brevalon's install folder.", "dir"},
        {"set", "Any other setting to write.", "/Group/Key=value"},
        {"admin-user", "MariaDB administrator for create-database (default root).", "user"},
        {"admin-password", "The administrator's password (none: socket login as root).", "password"},
        {"tills", "Hosts the tills connect from, e.g. 192.168.1.% (default %).", "hosts"},
        {"shop-name", "The shop's name, the first line of its documents.", "name"},
        {"admin-code", "Login code of the user Admin (digits).", "code"},
        {"vat", "Tax rate in percent (default 15).", "percent"},
        {"rights", "Rights of a new user: comma-separated names, or all.", "list"},
    };
    for (const auto& option : valued) {
        QCommandLineOption o(QString::fromLatin1(option.name), QString::fromLatin1(option.help),
                             QString::fromLatin1(option.value));
        if (QLatin1String(option.name) == QLatin1String("vat"))
            o.setDefaultValue(QStringLiteral("15"));
        args.addOption(o);
    }
    args.process(*app);

    const QStringList positional = args.positionalArguments();
    const QString command = positional.value(0);
    ZkSettings store(QString::fromLocal8Bit(qgetenv("HOME")));
    settings = &store;
    ZkPrompt::setHandler(printPrompt);
    int status = 1;
    if (command == QLatin1String("configure"))
        status = configure(args);
    else if (command == QLatin1String("create-database"))
        status = createDatabase(args);
    else if (command == QLatin1String("new-shop"))
        status = newShop(args);
    else if (command == QLatin1String("add-user"))
        status = addUser(args);
    else if (command == QLatin1String("check"))
        status = check();
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
