#pragma once

class QSize;
class QWidget;

/**
 * The back-office dialogs are used at the counter's touch screen as well as
 * with a mouse: every button of a form is made at least a finger high, and
 * the fields, choices and list rows tall enough to hit. Keyboards and mice
 * lose nothing by it.
 */
namespace TouchSize {

constexpr int kButtonHeight = 40;
constexpr int kFieldHeight = 32;
constexpr int kRowHeight = 30;

/** Gives every button, check box, field, choice and list row of @p form its
 *  touch height. The lists draw their cells as the program's lists do. */
void apply(QWidget* form);

/** Opens @p form at @p preferred, or smaller where its screen (less a
 *  title bar) is smaller, but never below what its layout needs. */
void fitScreen(QWidget* form, const QSize& preferred);

} // namespace TouchSize
