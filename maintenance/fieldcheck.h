#pragma once

#include <QString>

class QLineEdit;
class QWidget;

/**
 * The numbers typed into the maintenance forms, checked before anything is
 * written: a text that is no number, or a value outside what the column
 * keeps or what makes sense, is refused with a message naming the field.
 */
namespace FieldCheck {

/** The largest amount a DECIMAL(10, 2) column keeps. */
constexpr double kMaxAmount = 99999999.99;
/** The largest quantity a DECIMAL(10, 3) column keeps. */
constexpr double kMaxQuantity = 9999999.999;
/** The largest markup a DECIMAL(10, 4) column keeps. */
constexpr double kMaxMarkup = 999999.9999;

/** Reads @p field as a number from @p min to @p max (an empty field is 0).
 *  A refusal is told under @p caption, naming the field as @p name and the
 *  limits with @p decimals decimals, and focuses the field. */
bool number(QWidget* parent, const QString& caption, const QString& name, QLineEdit* field, double min, double max,
            int decimals, double* value);

} // namespace FieldCheck
