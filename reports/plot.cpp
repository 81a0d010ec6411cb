#include "reports/plot.h"

#include "core/zkprompt.h"
#include "reports/zkcanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPaintDevice>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <cmath>

namespace {

const char* const kColours[] = {"black", "red", "green", "blue", "magenta", "cyan"};

/** A piece of rich text laid out for the painter's device, so that its
 *  point sizes come out alike on the screen and on paper. */
class RichPiece
{
public:
    RichPiece(QPainter* painter, const QString& html, const QFont& font)
    {
        m_doc.documentLayout()->setPaintDevice(painter->device());
        m_doc.setDocumentMargin(0);
        m_doc.setDefaultFont(font);
        m_doc.setHtml(html);
    }
    void setWidth(qreal width) { m_doc.setTextWidth(width); }
    qreal idealWidth() { return m_doc.idealWidth(); }
    qreal height() const { return m_doc.size().height(); }
    void drawAt(QPainter* painter, const QPointF& topLeft)
    {
        painter->save();
        painter->translate(topLeft);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_doc.documentLayout()->draw(painter, context);
        painter->restore();
    }

private:
    QTextDocument m_doc;
};

QFont charter(int points)
{
    QFont font(QStringLiteral("Charter"), points);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

Plot::Plot(QWidget* parent)
    : PlotGui(parent)
{
    setObjectName(QStringLiteral("Plot"));
    connect(Canvas, &ZkCanvas::redraw, this, &Plot::redraw);
}

void Plot::setTitle(const QString& title)
{
    m_title = title;
    Canvas->refresh();
}

void Plot::setType(const QString& type)
{
    m_bar = type == QLatin1String("bar");
    Canvas->refresh();
}

void Plot::setStartDate(const QDate& date)
{
    m_start = date;
    Canvas->refresh();
}

void Plot::setLegends(const QStringList& legends)
{
    m_legends = legends;
    Canvas->refresh();
}

void Plot::setValues(const QVector<double>& values)
{
    m_values = values;
    double largest = 1.0;
    for (double& v : m_values) {
        if (!std::isfinite(v))
            v = 0;
        largest = qMax(largest, v);
    }
    m_top = scaleTop(largest);
    Canvas->refresh();
}

double Plot::scaleTop(double largest)
{
    const double top = std::isfinite(largest) ? qMax(1.0, largest) : 1.0;
    const double e = std::floor(std::log10(top));
    const double power = std::pow(10.0, e);
    // The fraction by division rather than by 10^(log10 - e): a round top
    // such as 100 must give exactly 1, not 1.0000000000000002.
    const double f = top / power;
    const double slack = 1e-9;
    if (f <= 1 + slack)
        return power;
    if (f <= 2 + slack)
        return 2 * power;
    if (f <= 5 + slack)
        return 5 * power;
    return 10 * power;
}

QColor Plot::seriesColour(int i)
{
    return QColor(QLatin1String(kColours[i % 6]));
}

double Plot::value(int series, int month) const
{
    const int at = series * kMonths + month;
    return at < m_values.size() ? m_values.at(at) : 0.0;
}

void Plot::redraw(QPainter* painter)
{
    draw(painter, QRectF(QPointF(0, 0), QSizeF(painter->device()->width(), painter->device()->height())
                                            / painter->device()->devicePixelRatioF()));
}

void Plot::draw(QPainter* painter, const QRectF& area) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->fillRect(area, Qt::white);

    // One unit of the 100 x 100 grid each way; pens scale with the device
    // so a line is as heavy on paper as on the screen.
    const qreal ux = area.width() / 100.0;
    const qreal uy = area.height() / 100.0;
    const qreal px = qMax<qreal>(1.0, painter->device()->logicalDpiY() / 96.0);

    RichPiece title(painter, QLatin1String("<center>") + m_title + QLatin1String("</center>"), charter(18));
    title.setWidth(area.width() - 4 * ux);
    title.drawAt(painter, area.topLeft() + QPointF(2 * ux, 2 * uy));
    const qreal titleBottom = area.top() + 2 * uy + title.height();

    QString legendHtml;
    for (int i = 0; i < m_legends.size(); ++i)
        legendHtml += QLatin1String("<nobr><font size=2 color=") + QLatin1String(kColours[i % 6])
                      + QLatin1String(">") + m_legends.at(i).toHtmlEscaped()
                      + QLatin1String("</font></nobr><br>");
    RichPiece legend(painter, legendHtml, charter(14));
    // The legend keeps a column of its own, at most a third of the width;
    // a longer name wraps there rather than run into the lines.
    const qreal legendWidth = m_legends.isEmpty() ? 0 : qMin(legend.idealWidth(), 33 * ux);
    legend.setWidth(legendWidth);
    const qreal legendLeft = area.right() - 2 * ux - legendWidth;
    legend.drawAt(painter, QPointF(legendLeft, titleBottom + 2 * uy));

    const QFont labelFont = charter(10);
    painter->setFont(labelFont);
    const QFontMetricsF fm(labelFont, painter->device());
    QStringList yLabels;
    qreal yLabelWidth = 0;
    for (int k = 0; k <= 10; ++k) {
        yLabels << QString::number(m_top * k / 10.0, 'g', 6);
        yLabelWidth = qMax(yLabelWidth, fm.horizontalAdvance(yLabels.last()));
    }
    const qreal xLabelHeight = 2 * fm.height();

    QRectF plot;
    plot.setLeft(area.left() + 2 * ux + yLabelWidth + 1.5 * ux);
    plot.setTop(titleBottom + 4 * uy);
    plot.setRight((m_legends.isEmpty() ? area.right() : legendLeft) - 4 * ux);
    plot.setBottom(area.bottom() - 3 * uy - xLabelHeight);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter->restore();
        return;
    }

    const QPen firstLine(Qt::black, px);
    const QPen gridLine(QColor(200, 200, 200), px);

    // Month axis: six positions a fifth of the width apart.
    for (int i = 0; i < kMonths; ++i) {
        const qreal x = plot.left() + i * plot.width() / 5.0;
        painter->setPen(i == 0 ? firstLine : gridLine);
        painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (!m_start.isValid())
            continue;
        const QDate month = m_start.addMonths(i);
        const QString html = QLatin1String("<center>") + QLocale().toString(month, QStringLiteral("MMM"))
                             + QLatin1String("<br>") + month.toString(QStringLiteral("yyyy"))
                             + QLatin1String("</center>");
        RichPiece label(painter, html, labelFont);
        const qreal w = 20 * ux;
        label.setWidth(w);
        label.drawAt(painter, QPointF(x - w / 2, plot.bottom() + uy));
    }

    // Value axis: eleven lines from 0 to the top.
    for (int k = 0; k <= 10; ++k) {
        const qreal y = plot.bottom() - k * plot.height() / 10.0;
        painter->setPen(k == 0 ? firstLine : gridLine);
        painter->drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter->setPen(Qt::black);
        const QRectF box(area.left(), y - fm.height() / 2, plot.left() - area.left() - 1.5 * ux, fm.height());
        painter->drawText(box, Qt::AlignRight | Qt::AlignVCenter, yLabels.at(k));
    }

    const int series = int(qMin<qsizetype>(m_legends.size(), (m_values.size() + kMonths - 1) / kMonths));
    painter->setClipRect(plot.adjusted(-4 * px, -4 * px, 4 * px, 0));
    if (m_bar) {
        // One slot per series; each bar a third of its slot, from its left edge.
        const qreal slot = plot.width() / qMax(1, series);
        const qreal barWidth = plot.width() / (3.0 * qMax(1, series));
        for (int i = 0; i < series; ++i) {
            const qreal height = qBound(0.0, value(i, 0) / m_top, 1.0) * plot.height();
            painter->fillRect(QRectF(plot.left() + i * slot, plot.bottom() - height, barWidth, height),
                              seriesColour(i));
        }
    } else {
        for (int i = 0; i < series; ++i) {
            QPolygonF line;
            for (int m = 0; m < kMonths; ++m)
                line << QPointF(plot.left() + m * plot.width() / 5.0,
                                plot.bottom() - value(i, m) / m_top * plot.height());
            QPen pen(seriesColour(i), 3 * px);
            pen.setJoinStyle(Qt::RoundJoin);
            pen.setCapStyle(Qt::RoundCap);
            painter->setPen(pen);
            painter->drawPolyline(line);
            painter->setBrush(seriesColour(i));
            for (const QPointF& p : line)
                painter->drawEllipse(p, 2.5 * px, 2.5 * px);
            painter->setBrush(Qt::NoBrush);
        }
    }
    painter->restore();
}

void Plot::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog setup(&printer, this);
    setup.setObjectName(QStringLiteral("PrintSetup"));
    if (ZkPrompt::exec(&setup) != QDialog::Accepted)
        return;
    ZkPrompt::setWaitCursor(true);
    QPainter painter;
    if (painter.begin(&printer)) {
        // The painter's origin is the printable area's corner.
        draw(&painter, QRectF(0, 0, printer.width(), printer.height()));
        painter.end();
    }
    ZkPrompt::setWaitCursor(false);
}
