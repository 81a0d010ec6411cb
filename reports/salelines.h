#pragma once

#include <QDate>
#include <QString>

namespace SaleLines {

/** The condition that the line whose document number is @p invoiceColumn
 *  was sold (or refunded): its document is no quote and no voided
 *  invoice. The few such documents posted from @p from on are read first
 *  and left out by number, which costs the lines of a half year nothing;
 *  a document is posted, and voided, after its lines were entered. False
 *  after a failed statement (shown). */
bool sold(const QString& invoiceColumn, const QDate& from, QString* condition);

} // namespace SaleLines
