#pragma once

#include <QString>
#include <QStringList>

/** The e-mail form of a document and the remembered recipient addresses. */
namespace DocMail {

/** The boundary of the parts, as the message header names it. */
inline QString boundary() { return QStringLiteral("------------090904000900050707080002"); }

/** The multipart body: the logo as an inline PNG part named "Logo", then
 *  the page as HTML. @p logoBase64 is the logo's Base64 text. */
QString body(const QString& logoBase64, const QString& html);

/** The page made fit for the message: image references to the logo point
 *  at the attached part, and characters beyond ASCII become character
 *  references, so the part is plain 7-bit text. */
QString mailHtml(const QString& html);

/** The remembered addresses ("/Global/Email0" ..), up to the first empty one. */
QStringList remembered();
/** The list after choosing @p address: appended when new, the oldest
 *  dropped when ten are already kept. */
QStringList remember(const QStringList& list, const QString& address);
/** Writes the list back from key number 0 onwards. */
void store(const QStringList& list);

} // namespace DocMail
