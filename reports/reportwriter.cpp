#include "reports/reportwriter.h"

#include "core/utility.h"
#include "documents/docwriter.h"

#include <cmath>

namespace {

QByteArray attribute(const char* pattern, int column)
{
    return QByteArray(pattern).replace("%1", QByteArray::number(column));
}

} // namespace

ReportWriter::ReportWriter(const QString& title)
    : m_title(title)
{
}

ReportWriter& ReportWriter::column(const QString& heading, Align align)
{
    m_headings << heading;
    m_aligns << align;
    return *this;
}

ReportWriter& ReportWriter::setSorting(bool on)
{
    m_sorting = on;
    return *this;
}

ReportWriter& ReportWriter::setChart(bool on)
{
    m_chart = on;
    return *this;
}

ReportWriter& ReportWriter::setExport(bool on)
{
    m_export = on;
    return *this;
}

ReportWriter& ReportWriter::row(const QStringList& cells, int visual)
{
    m_rows << Row{cells, visual};
    return *this;
}

QString ReportWriter::finish() const
{
    DocWriter doc;
    doc.open("head")
        .raw("type", QStringLiteral("report"))
        .text("title", m_title)
        .raw("columns", QString::number(m_headings.size()));
    for (int c = 0; c < m_headings.size(); ++c) {
        doc.text(attribute("col%1", c).constData(), m_headings.at(c));
        if (m_aligns.at(c) != Auto)
            doc.raw(attribute("col%1align", c).constData(),
                    m_aligns.at(c) == Right ? QStringLiteral("right") : QStringLiteral("center"));
    }
    doc.raw("sorting", m_sorting ? QStringLiteral("true") : QStringLiteral("false"))
        .raw("chart", m_chart ? QStringLiteral("enabled") : QStringLiteral("disabled"))
        .raw("export", m_export ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    for (const Row& r : m_rows) {
        doc.open("item");
        for (int c = 0; c < m_headings.size(); ++c)
            doc.text(attribute("col%1", c).constData(), r.cells.value(c));
        if (r.visual != Normal)
            doc.raw("visual", QString::number(r.visual));
    }
    return doc.finish();
}

QString ReportWriter::monthHeading(const QDate& month)
{
    return month.toString(QStringLiteral("yyyy-MM"));
}

QString ReportWriter::money(double amount)
{
    return Utility::numStr(Utility::roundCents(amount), 2);
}

QString ReportWriter::quantity(double quantity)
{
    const double q = std::round(quantity * 1000.0) / 1000.0;
    return Utility::numStr(q, q == std::floor(q) ? 0 : 3);
}
