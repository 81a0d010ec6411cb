#include "documents/docprint.h"

#include "core/globals.h"
#include "core/zksettings.h"

DocPrint::DocPrint(QWidget* parent, const QString& caption)
    : QDialog(parent)
    , m_caption(caption)
    , m_logo(settings->readEntry(QStringLiteral("/Global/PrintLogo")))
{
    setObjectName(QStringLiteral("DocPrint"));
    setWindowTitle(caption);
}

void DocPrint::setPreviewSize(int width, int height)
{
    resize(width, height);
}

void DocPrint::setZoom(int zoom)
{
    m_zoom = zoom;
}
