// The help pages and the about box.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QFileInfo>
#include <QProcess>

void Sales::helpContents()
{
    if (m_helpViewer->state() != QProcess::NotRunning)
        return;
    const QString page = installDir() + QLatin1String("/help/Brevalon/index.html");
    const QString viewer = installDir() + QLatin1String("/bin/assistant");
    if (QFileInfo(viewer).isExecutable()) {
        m_helpViewer->start(viewer, {QStringLiteral("-profile"),
                                     installDir() + QLatin1String("/help/Qelmora/contents.dcf"), page});
    } else {
        // Without the viewer the desktop's browser shows the page.
        m_helpViewer->start(QStringLiteral("xdg-open"), {page});
    }
}

void Sales::helpAbout()
{
    const QString user = utils->userName();
    const QString cash = settings->readEntry(ZkSettings::userKey(QStringLiteral("/Personal/CashAcc/"), user));
    ZkPrompt::information(this, tr("About Brevalon"),
                          QLatin1String("<h3>") + tr("Brevalon - Resturant Point Of Sale") + QLatin1String("</h3>")
                              + QLatin1String("<P>") + tr("You are <b><em>") + user.toHtmlEscaped()
                              + QLatin1String("</em></b>") + tr(" on <b><em>") + utils->hostName().toHtmlEscaped()
                              + QLatin1String("</em></b><br>") + tr("Your Cash account is <b><em>")
                              + cash.toHtmlEscaped() + QLatin1String("</em></b>") + QLatin1String("<p>"));
}
