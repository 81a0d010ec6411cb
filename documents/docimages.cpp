#include "documents/docimages.h"

#include <QHash>
#include <QUrl>

namespace {

QHash<QString, QImage>& registry()
{
    static QHash<QString, QImage> images;
    return images;
}

QVariant registered(int type, const QUrl& name)
{
    if (type != QTextDocument::ImageResource)
        return QVariant();
    const QString key = name.toString();
    if (registry().contains(key))
        return registry().value(key);
    // A shop without a logo gets blank space, not the "missing image" icon.
    if (key == QLatin1String("PrintLogo")) {
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }
    return QVariant();
}

} // namespace

namespace DocImages {

void set(const QString& name, const QImage& image)
{
    if (image.isNull())
        registry().remove(name);
    else
        registry().insert(name, image);
}

QImage get(const QString& name)
{
    return registry().value(name);
}

bool has(const QString& name)
{
    return registry().contains(name);
}

} // namespace DocImages

QVariant DocTextDocument::loadResource(int type, const QUrl& name)
{
    const QVariant image = registered(type, name);
    return image.isValid() ? image : QTextDocument::loadResource(type, name);
}

DocView::DocView(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
}

QVariant DocView::loadResource(int type, const QUrl& name)
{
    const QVariant image = registered(type, name);
    return image.isValid() ? image : QTextEdit::loadResource(type, name);
}
