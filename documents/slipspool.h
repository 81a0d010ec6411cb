#pragma once

#include <QByteArray>
#include <QString>

/**
 * Hands raw slip bytes to the print spooler: the spool file and the `lpr`
 * command that sends it to a named printer unchanged.
 */
namespace SlipSpool {

/** Writes @p bytes to @p path; false when the file cannot be written. */
bool writeFile(const QString& path, const QByteArray& bytes);

/** Runs `lpr -P printer -o raw [-# copies] [-r] file` and waits for it to
 *  end. An empty printer name means the spooler's default destination;
 *  copies below 1 leave the copy count out. Returns an empty text when the
 *  spooler took the job, otherwise what it said. */
QString lpr(const QString& printer, int copies, bool remove, const QString& file);

/** What keeps the print system's queue @p printer from printing, as
 *  `lpstat` tells it: "stopped" or "not accepting jobs", with the reason
 *  given. Empty when it can print, when @p printer is empty (the default
 *  destination) or unknown (lpr says so), or when lpstat cannot run. */
QString queueProblem(const QString& printer);

} // namespace SlipSpool
