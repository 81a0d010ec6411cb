#pragma once

#include <QString>
#include <functional>

class QDialog;

/** How a scripted operator leaves a keypad. */
enum class Finish { Ok, Cancel };

/** Types @p code on a number keypad's own buttons (other characters with
 *  the keyboard, as a scanner would) and presses OK or closes the keypad;
 *  for ScriptedPrompts::expectExec("NumEntry", ...). */
std::function<int(QDialog*)> typeCode(const QString& code, Finish finish = Finish::Ok);
