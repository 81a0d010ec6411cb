#pragma once

#include <QDateTime>
#include <QString>

class DocWriter;
struct SysInfoRecord;

/** The client fields that receipts and invoices print. */
struct DocumentClient
{
    QString name, postal, shipping, phone, cell, email, vatNo;
};

namespace DocumentHead {

/** Reads the printed fields of a client (the e-mail lower-cased on
 *  request). Returns false after showing a failed read; @p found tells
 *  whether the account exists. */
bool readClient(int account, bool lowerEmail, DocumentClient* client, bool* found);

/** Writes the head fields that receipts and invoices share, from the type
 *  to the shop's seventh address line. The logo field follows the printer
 *  group's Mode key (@p printerGroup, e.g. "/ReceiptPrinter"). */
void write(DocWriter& doc, const QString& type, const QString& printer, const QString& printerGroup, int number,
           const QDateTime& when, int account, const DocumentClient& client, const QString& email,
           const SysInfoRecord& shop);
/** As above, for documents numbered by a text ("5/12": day and account). */
void write(DocWriter& doc, const QString& type, const QString& printer, const QString& printerGroup,
           const QString& number, const QDateTime& when, int account, const DocumentClient& client,
           const QString& email, const SysInfoRecord& shop);

} // namespace DocumentHead
