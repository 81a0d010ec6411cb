#pragma once

class QWidget;

/**
 * The back-office dialogs are used at the counter's touch screen as well as
 * with a mouse: every button of a form is made at least a finger high, and
 * the fields and choices tall enough to hit. Keyboards and mice lose
 * nothing by it.
 */
namespace TouchSize {

constexpr int kButtonHeight = 40;
constexpr int kFieldHeight = 32;

/** Gives every button, check box, field and choice of @p form its touch height. */
void apply(QWidget* form);

} // namespace TouchSize
