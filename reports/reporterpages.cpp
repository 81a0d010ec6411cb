// The report viewer's printed pages: the paged preview and printing every
// page of it.

#include "reports/reporter.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zklistitem.h"
#include "core/zksettings.h"
#include "documents/zkrichtext.h"

#include <QTreeWidget>

namespace {

QString rowOpening(int visual)
{
    switch (visual & 0xf) {
    case 0:
        return QStringLiteral("<tr>");
    case 1:
        return QStringLiteral("<tr BGCOLOR=\"#CCCCCC\">");
    case 2:
        return QStringLiteral("<tr BGCOLOR=\"#FFCCCC\">");
    default:
        return QStringLiteral("<tr BGCOLOR=\"#C0FFCC\">");
    }
}

QString cellHtml(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

} // namespace

int Reporter::linesPerPage()
{
    const int lines = settings->readNumEntry(QStringLiteral("/Misc/RichTextLines"));
    return lines > 0 ? lines : 36;
}

QString Reporter::tableViewLoad() const
{
    QString html = QLatin1String("<center><h2>Brevalon ") + m_title.toHtmlEscaped() + QLatin1String("<br>")
                   + Utility::locale().toString(ZkClock::today(), QLocale::LongFormat)
                   + QLatin1String("</h2></center><table BORDER CELLSPACING=0 CELLPADDING=2><tr>");
    QTreeWidgetItem* header = ReportListView->headerItem();
    for (int c = 0; c < m_columns; ++c)
        html += QLatin1String("<th><b>") + cellHtml(header->text(c)) + QLatin1String("</b></th>");
    html += QLatin1String("</tr>");

    const int lines = linesPerPage();
    const int end = qMin(ReportListView->topLevelItemCount(), (m_page + 1) * lines);
    for (int k = m_page * lines; k < end; ++k) {
        const ZkListItem* r = row(k);
        const QString size = r->visual() > 15 ? QStringLiteral("+2") : QStringLiteral("-1");
        html += rowOpening(r->visual());
        for (int c = 0; c < m_columns; ++c)
            html += (c == 0 ? QLatin1String("<td>") : QLatin1String("<td align=center>"))
                    + QLatin1String("<font size=") + size + QLatin1Char('>') + cellHtml(r->text(c))
                    + QLatin1String("</font></td>");
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

void Reporter::showPage()
{
    m_preview->setText(tableViewLoad());
    m_preview->setNavState(m_page > 0, m_page < m_lastPage);
}

void Reporter::printPage()
{
    const int rows = ReportListView->topLevelItemCount();
    m_page = 0;
    m_lastPage = rows > 0 ? (rows - 1) / linesPerPage() : 0;
    showPage();
    m_preview->show();
    m_preview->raise();
    done(1);
}

void Reporter::tableViewAction(int action)
{
    switch (action) {
    case PreviousPage:
        if (m_page > 0) {
            --m_page;
            showPage();
        }
        break;
    case NextPage:
        if (m_page < m_lastPage) {
            ++m_page;
            showPage();
        }
        break;
    case PrintAllPages: {
        if (!m_preview->setNumPagesToPrint(m_lastPage + 1))
            break;
        const int shown = m_page;
        for (m_page = 0; m_page <= m_lastPage; ++m_page)
            m_preview->printPage(m_page + 1, tableViewLoad());
        m_page = shown;
        showPage();
        break;
    }
    default:
        break;
    }
}
