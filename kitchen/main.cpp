// brevalon-kitchen: the kitchen screens' server.
//
//   brevalon-kitchen [--address A] [--port N]
//       serves each kitchen station's page, from the database the settings
//       store of $HOME names (as the till's); prints the stations' addresses.
//   brevalon-kitchen --route DEPARTMENT=printer|screen|both [--route ...]
//       sets where departments' docket lines go, and ends.
//   brevalon-kitchen --routes
//       lists every department's route, and ends.

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "kitchen/departmentroutes.h"
#include "kitchen/kitchenserver.h"
#include "kitchen/kitchensettings.h"

#include <QCommandLineParser>
#include <QApplication>
#include <QHostAddress>
#include <QTextStream>

namespace {

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

// No one stands at a server: what the program would show is logged, each
// message once while it repeats.
ZkPrompt::Reply logPrompt(const ZkPrompt::Request& request)
{
    static QString last;
    const QString line = request.caption + QLatin1String(": ") + QString(request.text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (line != last && request.kind != ZkPrompt::Beep)
        err() << "brevalon-kitchen: " << line << Qt::endl;
    last = line;
    ZkPrompt::Reply reply;
    reply.button = request.escapeButton >= 0 ? request.escapeButton : request.defaultButton;
    return reply;
}

int routes(const QCommandLineParser& args)
{
    int status = 0;
    for (const QString& pair : args.values(QStringLiteral("route"))) {
        const int eq = pair.lastIndexOf(QLatin1Char('='));
        QString error = QStringLiteral("--route wants DEPARTMENT=printer|screen|both, not ") + pair;
        if (eq <= 0 || !DepartmentRoutes::set(pair.left(eq), pair.mid(eq + 1), &error)) {
            err() << "brevalon-kitchen: " << error << Qt::endl;
            status = 1;
        }
    }
    QStringList lines;
    if (!DepartmentRoutes::list(&lines))
        return 2;
    for (const QString& line : qAsConst(lines))
        out() << line << Qt::endl;
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // The shared services reach for the GUI application (the wait cursor of
    // an error message, for one), which needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevalon-kitchen"));
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Serves the kitchen screens of Brevalon."));
    args.addHelpOption();
    args.addOption({QStringLiteral("address"), QStringLiteral("address to serve on (setting /KitchenScreen/Address)"),
                    QStringLiteral("address")});
    args.addOption({QStringLiteral("port"), QStringLiteral("port to serve on, 0 for any free one "
                                                           "(setting /KitchenScreen/Port)"),
                    QStringLiteral("port")});
    args.addOption({QStringLiteral("route"), QStringLiteral("sets a department's route, and ends"),
                    QStringLiteral("DEPARTMENT=printer|screen|both")});
    args.addOption({QStringLiteral("routes"), QStringLiteral("lists the departments' routes, and ends")});
    args.process(app);

    ZkSettings store(QString::fromLocal8Bit(qgetenv("HOME")));
    settings = &store;
    ZkPrompt::setHandler(logPrompt);

    QString error;
    const ZkDb::OpenResult opened = ZkDb::openDefault(&error);
    if (opened == ZkDb::DriverMissing) {
        err() << "brevalon-kitchen: could not load the database driver "
              << settings->readEntry(QStringLiteral("/Global/DBDriver")) << Qt::endl;
        return 2;
    }
    if (args.isSet(QStringLiteral("route")) || args.isSet(QStringLiteral("routes"))) {
        if (opened != ZkDb::Opened) {
            err() << "brevalon-kitchen: cannot open the database: " << error << Qt::endl;
            return 2;
        }
        return routes(args);
    }
    // The screens show "connection lost" until the database can be read.
    if (opened != ZkDb::Opened)
        err() << "brevalon-kitchen: cannot open the database yet: " << error << Qt::endl;

    KitchenSettings config = KitchenSettings::read();
    if (args.isSet(QStringLiteral("address")))
        config.address = args.value(QStringLiteral("address"));
    if (args.isSet(QStringLiteral("port")))
        config.port = args.value(QStringLiteral("port")).toInt();
    const QHostAddress address(config.address);
    if (address.isNull() || config.port < 0 || config.port > 65535) {
        err() << "brevalon-kitchen: cannot serve on " << config.address << " port " << config.port << Qt::endl;
        return 1;
    }
    KitchenServer server(config.serverOptions());
    const quint16 port = server.start(address, quint16(config.port));
    if (port == 0) {
        err() << "brevalon-kitchen: the address " << config.address << " port " << config.port
              << " cannot be had" << Qt::endl;
        return 1;
    }
    out() << "Brevalon kitchen screens on " << config.address << " port " << port << Qt::endl;
    for (const QString& line : config.addresses(port))
        out() << line << Qt::endl;
    const int status = app.exec();
    settings = nullptr;
    return status;
}
