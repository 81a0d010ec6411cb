#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPrinter;

/**
 * Prints rich text on a page printer: the whole page less a margin on every
 * side, broken into pages between lines (never through one), with "Page n"
 * and "Continued on page n+1" below the body when it takes more than one page.
 */
namespace PagePrint {

/** Prints @p html; returns the number of pages, 0 when the printer could
 *  not be opened. */
int print(QPrinter* printer, const QString& html, const QFont& font, double marginInches, const QColor& textColor);

} // namespace PagePrint
