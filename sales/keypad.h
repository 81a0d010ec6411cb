#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

/** What the integer and the decimal keypad share. */
namespace Keypad {

/** Appends the text of a key to the keypad's field; the field keeps the
 *  keyboard, so a scanner or a keyboard can type into it as well. */
void press(QLineEdit* field, const QString& key);

/** Shows an installed image (Utility::shareFile) beside the caption. */
void showImage(QLabel* label, const QString& file);

/** The till's colours on the CLR and OK keys. */
void colourKeys(QPushButton* clear, QPushButton* ok);

} // namespace Keypad
