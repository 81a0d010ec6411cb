// The kitchen screens' preparation times, opened from the Reports menu.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "kitchen/preparationtimes.h"
#include "reports/reportdates.h"
#include "sales/datedialog.h"
#include "reports/reporter.h"

void Sales::preparationTimesReport()
{
    QDate from, until;
    if (!DateDialog::ask(this, tr("Preparation Times from .."), true, &from)
        || !DateDialog::ask(this, tr("Preparation Times until .."), true, &until))
        return;
    if (until < from) {
        ZkPrompt::warning(this, tr("Brevalon - Preparation Times"),
                          tr("The end date %1 is before the start date %2.")
                              .arg(ReportDates::text(until), ReportDates::text(from)));
        return;
    }
    const QString report = PreparationTimes::report(from, until);
    if (report.isEmpty())
        return;
    utils->logAction(tr("Preparation Times"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report);
}
