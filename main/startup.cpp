#include "main/startup.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/sales.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QSqlDatabase>
#include <QTimer>
#include <QTranslator>

#include <unistd.h>

namespace {

QString machineName()
{
    char buffer[257] = {0};
    if (gethostname(buffer, 256) != 0)
        return QString();
    return QString::fromLocal8Bit(buffer);
}

void dropConnection()
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace

QWidget* Startup::showSplash(const QString& installDir)
{
    auto* splash = new QLabel(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    splash->setObjectName(QStringLiteral("Brevalon"));
    const QPixmap image(installDir + QLatin1String("/share/Brevalon/splash.png"));
    splash->setPixmap(image);
    if (!image.isNull())
        splash->setFixedSize(image.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->geometry();
        splash->move(desk.center() - QPoint(splash->width() / 2, splash->height() / 2));
    }
    splash->show();
    QCoreApplication::processEvents();
    return splash;
}

int Startup::begin(QApplication& app)
{
    const QString home = QString::fromLocal8Bit(qgetenv("HOME"));
    QDir homeDir(home);
    if (!home.isEmpty() && homeDir.exists()) {
        homeDir.mkdir(QStringLiteral(".Zendrik"));
        homeDir.mkdir(QStringLiteral(".Zendrik/Brevalon"));
    }

    settings = new ZkSettings(home);
    nls = new QTranslator(&app);
    QCoreApplication::installTranslator(nls);

    const QString installDir = settings->readEntry(QStringLiteral("/Global/InstallDir"));
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), installDir);
    QCoreApplication::addLibraryPath(installDir + QLatin1String("/lib"));

    // The files are named after their language ("German.qm"), which is also
    // what /Global/i18n holds; a file named after the locale ("de_DE.qm")
    // is taken as well. Without either the texts simply stay in English.
    const QLocale locale = QLocale::system();
    const QString i18n = Utility::translationsDir();
    if (!nls->load(locale.name(), i18n))
        (void)nls->load(QLocale::languageToString(locale.language()), i18n);
    // Amounts are shown and read in one locale from the first window on.
    Utility::useLocaleSetting();

    QWidget* splash = showSplash(installDir);
    defStyle = QStringLiteral("Polymer");

    QString error;
    switch (ZkDb::openDefault(&error)) {
    case ZkDb::Opened:
        break;
    case ZkDb::DriverMissing:
        ZkPrompt::critical(splash, QStringLiteral("Brevalon"),
                           QCoreApplication::translate("main", "Could not load the  database driver %1")
                               .arg(settings->readEntry(QStringLiteral("/Global/DBDriver"))));
        delete splash;
        QCoreApplication::quit();
        teardown();
        return -1;
    case ZkDb::OpenFailed:
        ZkPrompt::critical(splash, QStringLiteral("Brevalon"), error);
        delete splash;
        QCoreApplication::quit();
        teardown();
        return -1;
    }

    utils = new Utility;
    if (!utils->initClass(false)) {
        delete splash;
        teardown();
        return 1;
    }

    shop = new Sales(nullptr, "sales");
    utils->setMainWindow(shop);
    shop->show();
    splash->raise();

    // The splash stays on top for a second after the window shows.
    QEventLoop wait;
    QTimer::singleShot(1000, &wait, &QEventLoop::quit);
    wait.exec();
    delete splash;

    utils->logAction(QCoreApplication::translate("main", "Start up"), QString(),
                     QCoreApplication::translate("main", "Host %1").arg(machineName()), '3');
    shop->logout();
    return 0;
}

int Startup::end()
{
    if (utils) {
        utils->logAction(QCoreApplication::translate("main", "Shut Down"), QString(),
                         QCoreApplication::translate("main", "Host %1").arg(machineName()), '3');
    }
    delete shop;
    shop = nullptr;
    teardown();
    return 0;
}

void Startup::teardown()
{
    delete settings;
    settings = nullptr;
    delete utils;
    utils = nullptr;
    dropConnection();
    if (nls) {
        QCoreApplication::removeTranslator(nls);
        delete nls;
        nls = nullptr;
    }
}

int Startup::run(QApplication& app)
{
    const int status = begin(app);
    if (status != 0)
        return status;
    app.exec();
    return end();
}
