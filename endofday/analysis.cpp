// Month end and the analysis of any period: the daily summary, the
// departments and the tax and income reports, asked for and shown.

#include "core/utility.h"

#include "core/zkprompt.h"
#include "endofday/analysisreports.h"
#include "sales/datedialog.h"

namespace {

QString dayText(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

void Utility::monthEnd()
{
    QDate day;
    if (!DateDialog::ask(m_mainWindow, tr("Month End"), false, &day))
        return;
    const QDate first(day.year(), day.month(), 1);
    const QString start = dayText(first);
    logAction(tr("Month End"), tr("For the month %1").arg(start), QString(), '0');
    analysis(start, dayText(QDate(day.year(), day.month(), first.daysInMonth())));
}

void Utility::analysis()
{
    QDate start, end;
    if (!DateDialog::ask(m_mainWindow, tr("Start Date for Analysis"), true, &start)
        || !DateDialog::ask(m_mainWindow, tr("End Date for Analysis"), true, &end))
        return;
    if (end < start) {
        ZkPrompt::warning(m_mainWindow, tr("Brevalon - Analysis"),
            tr("The end date %1 is before the start date %2.").arg(dayText(end), dayText(start)));
        return;
    }
    logAction(tr("Analysis "), tr("For %1 through %2").arg(dayText(start), dayText(end)), QString(), '0');
    analysis(dayText(start), dayText(end));
}

void Utility::analysis(const QString& start, const QString& end)
{
    ZkPrompt::setWaitCursor(true);
    const QStringList reports = AnalysisReports::build(start, end);
    for (const QString& report : reports) {
        showDocument(report, false);
        ZkPrompt::setWaitCursor(true);
    }
    ZkPrompt::setWaitCursor(false);
}
