// The action log as a report, newest first, with the offer to clear it
// once it has been read.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"

#include <QSqlQuery>
#include <QVariant>

void Sales::actionReport()
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT MyDate, Who, Action, Info, Status FROM Actions ORDER BY id DESC"))) {
        Utility::showDBError(q);
        return;
    }
    // The shop's name heads the title: the log of which shop it is.
    QString shop = utils->sysInfo().aline[0].trimmed();
    if (shop.isEmpty())
        shop = tr("Brevalon");
    ReportWriter report(shop + tr(" Actions Report"));
    report.setSorting(false).setExport(false);
    report.column(tr("Date")).column(tr("Who")).column(tr("Action")).column(tr("Details"));
    // (The writer's escaping folds the format's two spaces into one.)
    while (q.next())
        report.row({ZkDb::dateTime(q.value(0)).toString(QStringLiteral("d MMM yy  hh:mm:ss")), q.value(1).toString(),
                    q.value(2).toString(), q.value(3).toString()},
                   q.value(4).toString().trimmed().toInt());
    if (report.rowCount() == 0) {
        ZkPrompt::information(this, tr("Brevalon"), tr("The Actions log is empty."));
        return;
    }
    m_reporter->parseXml(report.finish());
    const QString shown = m_reporter->title();
    disconnect(m_clearLogOnClose);
    m_clearLogOnClose = connect(
        m_reporter, &QDialog::finished, this,
        [this, shown](int) {
            // Another report loaded meanwhile is not the log.
            if (m_reporter->title() != shown)
                return;
            if (ZkPrompt::question(this, tr("Brevalon"), tr("Do you wish to clear the Action log ?"),
                                   {tr("&Yes"), tr("&No")}, 1, 1)
                != 0)
                return;
            setStatus(tr("Clearing Action Log ..."));
            QSqlQuery del;
            if (!del.exec(QStringLiteral("DELETE FROM Actions")))
                Utility::showDBError(del);
            setStatus(QString());
        },
        Qt::SingleShotConnection);
}
