// The help pages and the about box.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QUrl>

void Sales::helpContents()
{
    if (m_helpViewer->state() != QProcess::NotRunning)
        return;
    const QString folder = installDir() + QLatin1String("/help/Brevalon");
    const QString collection = folder + QLatin1String("/brevalon.qhc");
    // A viewer in the install folder is preferred; else Qt Assistant as the
    // system has it (Debian's assistant-qt6).
    QString viewer = installDir() + QLatin1String("/bin/assistant");
    if (!QFileInfo(viewer).isExecutable())
        viewer = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QLatin1String("/assistant");
    if (QFileInfo(viewer).isExecutable() && QFileInfo::exists(collection)) {
        m_helpViewer->start(viewer, {QStringLiteral("-collectionFile"), collection, QStringLiteral("-showUrl"),
                                     QStringLiteral("qthelp://org.zendrik.brevalon/doc/index.html")});
        return;
    }
    // Without the viewer the desktop's browser shows the pages.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder + QLatin1String("/index.html")));
}

void Sales::helpAbout()
{
    const QString user = utils->userName();
    const QString cash = settings->readEntry(ZkSettings::userKey(QStringLiteral("/Personal/CashAcc/"), user));
    ZkPrompt::information(this, tr("About Brevalon"),
                          QLatin1String("<h3>") + tr("Brevalon - Resturant Point Of Sale") + QLatin1String("</h3>")
                              + QLatin1String("<p>") + programVersion().toHtmlEscaped() + QLatin1String("</p>")
                              + QLatin1String("<P>") + tr("You are <b><em>") + user.toHtmlEscaped()
                              + QLatin1String("</em></b>") + tr(" on <b><em>") + utils->hostName().toHtmlEscaped()
                              + QLatin1String("</em></b><br>") + tr("Your Cash account is <b><em>")
                              + cash.toHtmlEscaped() + QLatin1String("</em></b>") + QLatin1String("<p>"));
}
