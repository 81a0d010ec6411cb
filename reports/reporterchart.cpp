// The report viewer's chart of the rows chosen.

#include "reports/reporter.h"

#include "core/zklistitem.h"
#include "core/zkprompt.h"
#include "reports/plot.h"

#include <QTreeWidget>

namespace {

/** The first of the month a heading names as year "-" month ("2026-07");
 *  invalid when it names none. */
QDate monthOf(const QString& heading)
{
    const QStringList parts = heading.trimmed().split(QLatin1Char('-'));
    if (parts.size() < 2)
        return QDate();
    bool yearOk = false;
    bool monthOk = false;
    const int year = parts.at(0).toInt(&yearOk);
    const int month = parts.at(1).toInt(&monthOk);
    return yearOk && monthOk ? QDate(year, month, 1) : QDate();
}

} // namespace

void Reporter::chartPage()
{
    QList<QTreeWidgetItem*> chosen;
    for (int i = 0; i < ReportListView->topLevelItemCount(); ++i)
        if (ReportListView->topLevelItem(i)->isSelected())
            chosen << ReportListView->topLevelItem(i);
    if (chosen.isEmpty()) {
        ZkPrompt::warning(this, tr("Graph Results"), tr("You must higlight entries to chart"));
        return;
    }

    Plot plot(this);
    plot.setTitle(QLatin1String("<b>Brevalon<br>") + m_title.toHtmlEscaped() + QLatin1String("</b>"));
    plot.setType(m_columns == 2 ? QStringLiteral("bar") : QStringLiteral("line"));
    plot.setStartDate(monthOf(ReportListView->headerItem()->text(1)));
    QStringList legends;
    QVector<double> values;
    for (const QTreeWidgetItem* item : chosen) {
        legends << item->text(0).simplified();
        for (int m = 1; m <= Plot::kMonths; ++m) {
            bool ok = false;
            const double v = m < m_columns ? ZkListItem::number(item->text(m), &ok) : 0.0;
            values << (ok ? v : 0.0);
        }
    }
    plot.setLegends(legends);
    plot.setValues(values);
    ZkPrompt::exec(&plot);
}
