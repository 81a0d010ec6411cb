#pragma once

#include <QString>

class QAbstractButton;
class QLineEdit;

/**
 * The six bank notes of the fast-cash buttons (the receipt tab's and the
 * take-out change dialog's): each has a value and a picture in the settings.
 */
namespace BankNotes {

/** The value of note @p note (1 to 6). */
double value(int note);

/** The picture file of note @p note: as set, or, for a name without a
 *  folder, the installed picture of that name; empty when none is set. */
QString picture(int note);

/** Gives a note's button its picture (or its value, when the picture has
 *  gone missing). Returns false when the note has no picture set: the
 *  button is then not used. */
bool dress(QAbstractButton* button, int note);

/** Fast cash: adds note @p note to the amount in @p cash and gives it the
 *  keyboard, where Return takes the payment. */
void add(QLineEdit* cash, int note);

} // namespace BankNotes
