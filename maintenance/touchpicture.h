#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QAbstractButton;
class QWidget;

/**
 * The pictures of the touch buttons as the maintenance dialogs handle
 * them: chosen from a file, made 56 by 56 pixels, stored encoded (PNG bytes
 * escaped by Utility::encodeImage) and shown on the dialog's picture button.
 */
namespace TouchPicture {

constexpr int kSize = 56;

/** The operator's change of a picture: kept, removed or a new one. */
enum Change { Kept, Removed, Chosen };

/** With a picture present asks whether to remove it; otherwise asks for a
 *  file and reads it into @p picture, 56 by 56. A file that is no picture
 *  is refused with a message and changes nothing. */
Change change(QWidget* parent, bool present, QImage* picture);

/** A picture as the Images and Departments tables keep it; empty for none. */
QByteArray encode(const QImage& picture);
/** A stored picture; null when there is none or it cannot be read. */
QImage decode(const QByteArray& stored);

/** Shows @p picture on @p button (the button's text when there is none). */
void show(QAbstractButton* button, const QImage& picture);

} // namespace TouchPicture
