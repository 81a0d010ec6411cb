#include "maintenance/touchpicture.h"

#include "core/utility.h"
#include "core/zkprompt.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace TouchPicture {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TouchPicture", text);
}

} // namespace

Change change(QWidget* parent, bool present, QImage* picture)
{
    if (present) {
        if (ZkPrompt::question(parent, tr("Brevalon"), tr("Do you wish to remove the Touch Icon ?"),
                               {tr("&Yes"), tr("&No")}, 1, 1)
            != 0)
            return Kept;
        *picture = QImage();
        return Removed;
    }
    const QString file = ZkPrompt::openFileName(
        parent, tr("Choose Image"), QDir::homePath(),
        tr("Common images (*.jpg *.png *.bmp *.xpm);;Portable images (*.pbm *.pgm *.png *.ppm);;All files "
           "(*)"));
    if (file.isEmpty())
        return Kept;
    QImageReader reader(file);
    QImage read = reader.read();
    if (read.isNull()) {
        ZkPrompt::warning(
            parent, tr("Choose Image"),
            tr("%1 is not a picture that Brevalon can read.\nNo picture was taken.").arg(QFileInfo(file).fileName()));
        return Kept;
    }
    *picture = read.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return Chosen;
}

QByteArray encode(const QImage& picture)
{
    return picture.isNull() ? QByteArray() : Utility::encodeImage(picture, 32);
}

QImage decode(const QByteArray& stored)
{
    QImage picture;
    if (stored.size() > 3)
        picture.loadFromData(Utility::decodeImageBytes(stored));
    return picture;
}

void show(QAbstractButton* button, const QImage& picture)
{
    button->setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
}

} // namespace TouchPicture
