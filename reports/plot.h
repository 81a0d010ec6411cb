#pragma once

#include "forms/plotgui.h"

#include <QDate>
#include <QStringList>
#include <QVector>

class QPainter;

/**
 * The chart window: up to six months of one or more series, as lines, or
 * as one bar per series. The values are kept flat, six per series in the
 * order of the legends; the scale's top is the next of 1, 2, 5 or 10 times
 * a power of ten at or above the largest value (never below 1).
 *
 * The drawing is laid out on a 100 by 100 grid of the surface it goes to,
 * the screen's canvas or a printer's page, with the legend in its own column
 * at the right so that it never covers a line.
 */
class Plot : public PlotGui
{
    Q_OBJECT

public:
    explicit Plot(QWidget* parent = nullptr);

    /** Months per series. */
    static constexpr int kMonths = 6;

    /** Rich text: the chart's heading. */
    void setTitle(const QString& title);
    /** "bar" for bars; anything else draws lines. */
    void setType(const QString& type);
    /** The first of the six months. */
    void setStartDate(const QDate& date);
    void setLegends(const QStringList& legends);
    /** Six values per series; values that are not finite count as 0. */
    void setValues(const QVector<double>& values);

    QString title() const { return m_title; }
    bool isBar() const { return m_bar; }
    QDate startDate() const { return m_start; }
    QStringList legends() const { return m_legends; }
    QVector<double> values() const { return m_values; }
    /** The top of the scale. */
    double top() const { return m_top; }

    /** The top of the scale for values whose largest is @p largest. */
    static double scaleTop(double largest);
    /** The colour of series @p i: black, red, green, blue, magenta, cyan, again. */
    static QColor seriesColour(int i);

    /** Draws the chart on @p painter within @p area. */
    void draw(QPainter* painter, const QRectF& area) const;

public slots:
    /** Draws on the canvas (its redraw signal). */
    void redraw(QPainter* painter);
    /** Prints the chart on one page after the printer set-up. */
    void print() override;

private:
    double value(int series, int month) const;

    QString m_title;
    bool m_bar = false;
    QDate m_start;
    QStringList m_legends;
    QVector<double> m_values;
    double m_top = 1.0;
};
