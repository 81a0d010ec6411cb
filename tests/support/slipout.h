#pragma once

#include <QByteArray>
#include <QString>

/**
 * Keeps the slips that tests produce for the ESC/POS check that CTest runs
 * after them (tests/documents/escpos): each slip goes as a file into the
 * folder named by BREVALON_SLIP_DIR, which scripts/test.sh sets; without it
 * nothing is written. The file is named after the test program, backend,
 * test function and data row, and ends in ".slip" or ".slip40" for the
 * printer it was made for, whose command set the check holds it to.
 */
namespace SlipOut {

/** Keeps @p bytes, made for a 40-column printer when @p forty; @p what
 *  tells apart several slips of one test row. Empty bytes are no slip. */
void keep(const QByteArray& bytes, bool forty, const QString& what = QString());

/** The columns a slip line takes on paper: tags take none, an entity one,
 *  and double-size type two a character. */
int paperWidth(const QString& line);

/** A slip's text as the printer prints it: its entities are characters. */
QString asPrinted(QString slip);

} // namespace SlipOut
