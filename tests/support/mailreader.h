#pragma once

#include <QString>
#include <QStringList>

/** The mails the test command's SMTP server keeps, one file each in
 *  BREVALON_TEST_MAILDIR. */
namespace MailReader {

/** The mail files there now. */
QStringList mails();

/** Waits up to ten seconds for exactly one mail more than @p before and
 *  reads it with Python's e-mail parser, as a mail program would, saving
 *  its logo to @p logoFile. Returns what the parser said; on any failure
 *  an empty text and the reason in @p error. */
QString readNew(const QStringList& before, const QString& logoFile, QString* error);

} // namespace MailReader
