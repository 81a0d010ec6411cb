#pragma once

#include <QDialog>
#include <QString>

/**
 * The document window: shows a document before it goes to its printer.
 * Owned by Utility; replaced (Utility::newDocPrint) when settings change so
 * that a fresh one reads them again.
 */
class DocPrint : public QDialog
{
    Q_OBJECT

public:
    DocPrint(QWidget* parent, const QString& caption);

    /** Size of the preview window. */
    void setPreviewSize(int width, int height);
    /** Zoom (font size) of the preview. */
    void setZoom(int zoom);
    int zoom() const { return m_zoom; }

    /** The logo printed at the top of page documents. */
    QString logo() const { return m_logo; }

private:
    QString m_caption;
    QString m_logo;
    int m_zoom = 8;
};
