// The cash-up and the cash date: the five cash-up reports of what was
// posted since the last cash-up (processing it) or of one past day.

#include "core/utility.h"

#include "core/zkprompt.h"
#include "endofday/cashupreports.h"
#include "endofday/cashupscope.h"
#include "endofday/cashupsteps.h"
#include "endofday/statement.h"
#include "sales/datedialog.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// Shows a report and puts the busy cursor back for the work that follows.
void showReport(Utility* utility, const QString& document)
{
    utility->showDocument(document, false);
    ZkPrompt::setWaitCursor(true);
}

} // namespace

void Utility::cashUp()
{
    const QString caption = tr("Brevalon - Cash Up");
    QSqlQuery q;
    if (!EndOfDay::run(q, QStringLiteral("SELECT COUNT(*) FROM Invoice WHERE Status='P'")))
        return;
    const bool pending = q.next() && q.value(0).toInt() > 0;
    q.finish();
    if (pending
        && ZkPrompt::question(m_mainWindow, caption,
               tr("<font color=red><b>There are pending orders</b></font><p>Would you still like to "
                  "continue with Cash Up ?"),
               { tr("&Yes"), tr("&No") }, 0, 1)
            != 0)
        return;

    const int mode = ZkPrompt::question(m_mainWindow, caption, tr("Please select the mode for cash up"),
        { tr("&Print/Process"), tr("Pre&view"), tr("&Cancel") }, 0, 2);
    if (mode != 0 && mode != 1) {
        ZkPrompt::information(m_mainWindow, caption, tr("Operation cancelled"));
        return;
    }
    const bool process = mode == 0;
    logAction(tr("Cash Up"), process ? tr("Print") : tr("Preiview"), QString(), '0');

    ZkPrompt::setWaitCursor(true);
    if (process) {
        bool resumed = false;
        if (!CashUpSteps::unfinished(&resumed)) {
            ZkPrompt::setWaitCursor(false);
            return;
        }
        if (resumed) {
            ZkPrompt::setWaitCursor(false);
            ZkPrompt::information(m_mainWindow, caption,
                tr("The last cash up did not finish.\nWhat it had not finished is counted in this "
                   "one, once."));
            ZkPrompt::setWaitCursor(true);
        }
        // From here on the rows this cash-up counts are its own: a sale
        // another till posts meanwhile waits for the next cash-up.
        if (!CashUpSteps::take()) {
            ZkPrompt::setWaitCursor(false);
            return;
        }
    }
    const QStringList reports = CashUpReports::build(process ? CashUpScope::taken() : CashUpScope::open());
    if (reports.isEmpty()) {
        ZkPrompt::setWaitCursor(false);
        return;
    }
    for (int i = 0; i < 3; ++i)
        showReport(this, reports.at(i));
    if (process && !CashUpSteps::archiveLines()) {
        ZkPrompt::setWaitCursor(false);
        return;
    }
    showReport(this, reports.at(3));
    showReport(this, reports.at(4));
    // Counted only now that every report was shown: a till that dies before
    // this shows the whole cash-up again next time instead of losing part.
    if (process && CashUpSteps::finish() && CashUpSteps::archiveLedgers())
        logAction(tr("Cash Up"), tr("Complete"), QString(), '3');
    ZkPrompt::setWaitCursor(false);
}

void Utility::cashDate()
{
    DateDialog dialog(m_mainWindow);
    dialog.setWindowTitle(tr("Cash Date"));
    dialog.showDateEdit(true);
    if (ZkPrompt::exec(&dialog) != QDialog::Accepted)
        return;
    const QDate day = dialog.selectedDate();
    logAction(tr("Cash Date"), day.toString(QStringLiteral("yyyy-MM-dd")), QString(), '0');
    ZkPrompt::setWaitCursor(true);
    const QStringList reports = CashUpReports::build(CashUpScope::day(day));
    for (const QString& report : reports)
        showReport(this, report);
    ZkPrompt::setWaitCursor(false);
}
