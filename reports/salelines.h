#pragma once

#include <QString>

namespace SaleLines {

/** The condition that the document numbered by @p invoiceColumn was sold or
 *  refunded: it has an "I" or "RF" ledger row, live or archived. Quotes,
 *  voided invoices and bills not yet posted are no sales. */
QString sold(const QString& invoiceColumn);

} // namespace SaleLines
