// The operator's session at this till: logging out, waiting for the next
// login, starting the session, the check that it is still ours, and closing
// the till.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QSqlQuery>
#include <QTranslator>
#include <cstdlib>

namespace {

const QString kNoone = QStringLiteral("noone");

Sales::ExitHook& exitHook()
{
    static Sales::ExitHook hook;
    return hook;
}

void endProgram(int status)
{
    if (exitHook())
        exitHook()(status);
    else
        std::exit(status);
}

void deleteLoginRow(const QString& user)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM Login WHERE Name='") + Utility::escapeSQL(user) + QLatin1Char('\'')))
        Utility::showDBError(q);
}

} // namespace

void Sales::setExitHook(ExitHook hook)
{
    exitHook() = std::move(hook);
}

void Sales::logout()
{
    endSession();
    showLoggedOut();
    while (!utils->validateLoginId())
        setWindowTitle(tr("Brevalon - Bad login attempt at ") + ZkClock::nowText());
    startSession();
}

void Sales::endSession()
{
    const QString user = utils->userName();
    const bool loggedIn = !utils->loggedOut();
    if (loggedIn)
        saveSizes(user);
    applyStyle(defStyle);
    if (!loggedIn)
        return;
    // Texts fall back to English until the next operator's language loads.
    loadTranslation(QStringLiteral("English"));
    utils->logAction(tr("Logout"), QString(), QString(), '1');
    deleteLoginRow(user);
    utils->setUserName(kNoone);
    utils->setWaiter(QString());
}

void Sales::showLoggedOut()
{
    setWindowTitle(tr("Brevalon - Waiting for login"));
    TillClosedLabel->setText(QLatin1String("<div style=\"font-size:28pt; font-weight:bold\">")
                             + utils->sysInfo().aline[0].toHtmlEscaped() + QLatin1String(" - ")
                             + tr("Till Closed") + QLatin1String("</div><p style=\"font-size:14pt\">")
                             + tr("Enter your code to log in") + QLatin1String("</p>"));
    WorkArea->hide();
    TillClosedLabel->show();
    menuBar()->hide();
    setStatus(QString());
}

void Sales::startSession()
{
    const QString user = utils->userName();
    // The user's language first, so that the title is in it too.
    i18nInit();
    setWindowTitle(tr("Brevalon - ") + user + tr(" Logged in at ") + ZkClock::nowText());
    TillClosedLabel->hide();
    WorkArea->show();
    applySizes();
    tabWidget3->setCurrentWidget(touchLayout() ? tab_3 : tab_2);
    updateGuiControls(true);
    clear();
}

bool Sales::sessionStillOurs()
{
    if (utils->adminLoggedIn() || utils->loggedOut())
        return true;
    const QString user = utils->userName();
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Host FROM Login WHERE Name='") + Utility::escapeSQL(user)
                + QLatin1Char('\''))) {
        // A failing database is no proof that the session was taken away.
        Utility::showDBError(q);
        return true;
    }
    if (q.next() && q.value(0).toString() == utils->hostName())
        return true;
    endProgram(0);
    return false;
}

void Sales::closeEvent(QCloseEvent* event)
{
    const int answer = ZkPrompt::question(this, QStringLiteral("Brevalon"),
                                          tr("Have you done your cash up ?\nAre you sure you wish to quit ?"),
                                          {tr("&Yes"), tr("&No")}, 1, 1);
    if (answer != 0) {
        event->ignore();
        return;
    }
    doSizeChanges(0, 0, 0);
    // The login screen of the next start opens as this one closes.
    saveSizes(kNoone);
    if (!utils->loggedOut())
        deleteLoginRow(utils->userName());
    utils->poleDisplay(QCoreApplication::translate("Utility", "Till Closed"),
                       programName() + QLatin1Char(' ') + QStringLiteral(BREVALON_VERSION));
    event->accept();
}
