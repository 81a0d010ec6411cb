#pragma once

#include <QList>
#include <QString>

/** One sale line as the sales window writes it to InvoiceItem. */
struct SaleLine
{
    QString code;
    QString description;
    double quantity = 1;
    double price = 0; ///< the line total after discount
    QString category = QStringLiteral("Inventory");
    QString department;
    QString uom = QStringLiteral("EACH");
    QString tax1 = QStringLiteral("Y");
    QString tax2 = QStringLiteral("N");
    QString serial;
    QString returnable = QStringLiteral("N");
    int dtr = 0;
    double discount = 0;
    int printed = 0;
    double cost = 0;
};

/** A receipt row as the sales window inserts it before posting. */
struct ReceiptRow
{
    int account = 1;
    double cash = 0, card = 0, cheque = 0, coupon = 0, eft = 0, badDebt = 0;
    QString payRef;
    double tendered = 0, change = 0, balance = 0, tip = 0;
    QString waiter = QStringLiteral("MARY");
    QString email;
};

/**
 * Writes sales into the database the way the sales window does, so that
 * posting can be exercised without the window: the invoice header (of this
 * till), its lines, the returnable rows and the stock taken off; inside a
 * ZkTransaction when the caller has one open.
 * Every failure ends the program: these are the fixtures of tests and
 * benchmarks, not the code under test.
 */
namespace SaleRows {

/** A line of inventory item @p code, priced and flagged from Inventory. */
SaleLine item(const QString& code, double quantity = 1);
/** A line of category @p category (e.g. "Remarks", "Notes") with a text. */
SaleLine textLine(const QString& category, const QString& text, double price = 0, double quantity = 1);

/** Opens an account's pending invoice (Status 'P') and returns its number. */
int newInvoice(int account, const QString& waiter = QStringLiteral("MARY"));
/** Adds lines to an invoice; returns their line numbers. */
QList<int> addLines(int invoice, const QList<SaleLine>& lines);
/** newInvoice and addLines in one. */
int invoice(int account, const QList<SaleLine>& lines, const QString& waiter = QStringLiteral("MARY"));

/** Inserts the receipt row and returns its number. */
int receipt(const ReceiptRow& row);

} // namespace SaleRows
