#include "reports/zkcanvas.h"

#include <QPainter>

ZkCanvas::ZkCanvas(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    // The buffer covers every pixel: nothing of the parent needs painting
    // underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZkCanvas::setBackgroundImage(const QPixmap& image)
{
    m_background = image;
    refresh();
}

void ZkCanvas::setBackgroundColor(const QColor& colour)
{
    m_backgroundColour = colour;
    refresh();
}

void ZkCanvas::refresh()
{
    m_stale = true;
    update();
}

void ZkCanvas::drawContents(QPainter* painter)
{
    emit redraw(painter);
}

void ZkCanvas::render()
{
    const qreal ratio = devicePixelRatioF();
    m_buffer = QPixmap(size() * ratio);
    m_buffer.setDevicePixelRatio(ratio);
    QPainter painter(&m_buffer);
    if (m_background.isNull())
        painter.fillRect(rect(), m_backgroundColour);
    else
        painter.drawTiledPixmap(rect(), m_background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawContents(&painter);
    m_stale = false;
}

void ZkCanvas::paintEvent(QPaintEvent*)
{
    if (m_stale || m_buffer.deviceIndependentSize().toSize() != size()
        || !qFuzzyCompare(m_buffer.devicePixelRatio(), devicePixelRatioF()))
        render();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_buffer);
}

void ZkCanvas::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}

void ZkCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}

void ZkCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

void ZkCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit mouseDoubleClicked(event);
}
