#pragma once

#include <QFrame>
#include <QPixmap>

class QPainter;

/**
 * A drawing surface without border whose owner paints it: on a repaint
 * after its size changed (or after refresh()) it fills a buffer with the
 * background, tiling the background image when one is set, and calls
 * drawContents, which emits redraw with a painter on the buffer. The buffer
 * is then copied to the screen, so exposing the window does not redraw a
 * chart. Mouse events are passed on as signals.
 */
class ZkCanvas : public QFrame
{
    Q_OBJECT

public:
    explicit ZkCanvas(QWidget* parent = nullptr);

    /** An image tiled over the background; a null image: plain colour. */
    void setBackgroundImage(const QPixmap& image);
    void setBackgroundColor(const QColor& colour);
    /** Draws the buffer again at the next repaint, as the contents changed. */
    void refresh();

signals:
    /** Draw the contents with @p painter; its device is the canvas's size. */
    void redraw(QPainter* painter);
    void mousePressed(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseDoubleClicked(QMouseEvent* event);

protected:
    /** Emits redraw; a subclass may draw here instead. */
    virtual void drawContents(QPainter* painter);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void render();

    QPixmap m_buffer;
    QPixmap m_background;
    QColor m_backgroundColour = Qt::white;
    bool m_stale = true;
};
