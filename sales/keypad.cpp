#include "sales/keypad.h"

#include "core/globals.h"
#include "core/utility.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace Keypad {

void press(QLineEdit* field, const QString& key)
{
    field->setText(field->text() + key);
    field->setFocus();
}

void showImage(QLabel* label, const QString& file)
{
    const QPixmap image(Utility::shareFile(file));
    if (image.isNull()) {
        label->clear();
        return;
    }
    label->setPixmap(image.scaled(label->minimumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void colourKeys(QPushButton* clear, QPushButton* ok)
{
    if (!utils)
        return;
    clear->setPalette(utils->buttonPalette(5));
    ok->setPalette(utils->buttonPalette(2));
}

} // namespace Keypad
