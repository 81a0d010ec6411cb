#pragma once

#include <QString>

class DocWriter;
struct DocumentClient;

/** Pieces shared by the account and stock documents. */
namespace AccountDoc {

/** The number of the documents made for a client today: the day of the
 *  month, "/", the account ("5/12"). */
QString todaysNumber(int account);

/** Writes the head of a client's document (printer "Mail"): the client,
 *  the shop's lines and the print moment; the caller adds the rest and
 *  may leave the element open. */
void clientHead(DocWriter& doc, const QString& type, int account, const DocumentClient& client);

/** Business text (names, addresses, descriptions) made to show as it is
 *  on the page: the page takes values as markup, so "<" and "&" are
 *  escaped for it before DocWriter escapes them again for the XML. */
QString html(const QString& text);

/** The shading of listing row @p row: alternate rows alternate. */
QString rowColour(int row);

/** A quantity as printed: whole numbers without decimals. */
QString quantityText(double quantity);

/** A ledger code as the client reads it ("Invoice" for "I"). */
QString codeText(const QString& code);

} // namespace AccountDoc
