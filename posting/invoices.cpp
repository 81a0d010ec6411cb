#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docwriter.h"
#include "posting/documenthead.h"
#include "posting/wholequantity.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

QString documentType(int mode, int taxMode)
{
    QString type;
    switch (mode) {
    case 1:
        type = QStringLiteral("Quote");
        break;
    case 2:
        type = QStringLiteral("Return");
        break;
    default:
        type = QStringLiteral("Invoice");
        break;
    }
    return taxMode == 0 ? type + QLatin1String("exc") : type;
}

} // namespace

int Utility::nextSequenceNumber(int invoice)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT SequenceNo FROM SysInfo"))) {
        showDBError(q);
        return -1;
    }
    const int next = q.next() ? q.value(0).toInt() + 1 : 1;
    if (!q.exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=%1").arg(next))) {
        showDBError(q);
        return -1;
    }
    if (!q.exec(QStringLiteral("UPDATE Invoice SET SequenceNo=%1 WHERE MyNumber=%2").arg(next).arg(invoice))) {
        showDBError(q);
        return -1;
    }
    return next;
}

QString Utility::buildInvoice(int number, bool reprint, double tendered, double* totalOut, double* tax1Out,
                              double* tax2Out)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyDate, Tax1, Tax2, AccountNumber, LOWER(Email), Waiter, SequenceNo FROM "
                               "Invoice WHERE MyNumber=%1")
                    .arg(number))) {
        showDBError(q);
        return QString();
    }
    if (!q.next()) {
        qWarning("I Can't locate Invoice # %d", number);
        ZkPrompt::setWaitCursor(false);
        return QString();
    }
    const QDateTime when = ZkDb::dateTime(q.value(0));
    const double rate1 = q.value(1).toDouble();
    const double rate2 = q.value(2).toDouble();
    const int account = q.value(3).toInt();
    const QString storedEmail = q.value(4).toString();
    const QString waiter = q.value(5).toString();
    const int storedSequence = q.value(6).toInt();
    // SQLite cannot drop the scratch table below while any statement is
    // still open, so each read is closed once taken.
    q.finish();
    const int sequence = reprint ? storedSequence : nextSequenceNumber(number);
    if (sequence < 0)
        return QString();

    DocumentClient client;
    bool found = false;
    if (!DocumentHead::readClient(account, true, &client, &found))
        return QString();
    double balance = getBalBF(account, true);
    const int mode = m_documentMode;

    DocWriter doc;
    DocumentHead::write(doc, documentType(mode, m_taxMode), QStringLiteral("Invoice"), QStringLiteral("/InvoicePrinter"),
                        number, when, account, client, reprint ? storedEmail : client.email, m_info);
    doc.text("waiter", waiter).printMoment().raw("sequence", QString::number(sequence));
    if (!reprint && settings->readEntry(QStringLiteral("/InvoicePrinter/Preview")) != QLatin1String("ON"))
        doc.raw("auto", QStringLiteral("print"));
    if (mode == 3)
        doc.raw("autoclose", QStringLiteral("true"));

    // Lines of a document that a cash-up has archived print on its reprint too.
    if (!makeTempInvoiceItemTable(QStringLiteral("WHERE InvoiceNumber=%1 ORDER BY MyNumber").arg(number), true))
        return QString();
    QSqlQuery lines;
    const bool read = lines.exec(
        QStringLiteral("SELECT Quantity, UPPER(Description), Price, Category, Discount, Tax1, Tax2, SerialNo, MyDate, "
                       "UnitOfMeasure, Department, Returnable FROM temp ORDER BY MyNumber"));
    if (!read) {
        showDBError(lines);
        ZkDb::releaseTemp();
        return QString();
    }
    double subtotal = 0, tax1 = 0, tax2 = 0;
    while (lines.next()) {
        const double quantity = lines.value(0).toDouble();
        const double price = lines.value(2).toDouble();
        const QString category = lines.value(3).toString();
        const bool remark = category == QLatin1String("Remarks");
        if (category == QLatin1String("Notes") || (roundCents(price) == 0 && !remark))
            continue;
        const QString flag1 = lines.value(5).toString();
        const QString flag2 = lines.value(6).toString();
        const QString serial = lines.value(7).toString();
        const bool returnable = lines.value(11).toString() == QLatin1String("Y");
        QString description = escapeXML(lines.value(1).toString());
        if (!serial.isEmpty())
            description += QLatin1String("\\n") + tr("Serial No: ") + escapeXML(serial);

        doc.open("item");
        if (!remark || returnable)
            doc.raw("quantity", numStr(quantity, 2)).raw("iquantity", Posting::wholeQuantityText(quantity));
        else
            doc.raw("quantity", QString()).raw("iquantity", QString());
        doc.text("uom", remark ? QString() : lines.value(9).toString())
            .text("department", remark ? QString() : lines.value(10).toString())
            .raw("description", description)
            .dates(ZkDb::dateTime(lines.value(8)))
            .raw("price", remark ? QString() : numStr(price, 2))
            .raw("unitprice", remark ? QString() : numStr(quantity != 0 ? price / quantity : 0, 2))
            .text("category", category)
            .raw("discount", remark ? QString() : numStr(lines.value(4).toDouble(), 2))
            .raw("tax1", numStr(lines.value(5).toDouble(), 2))
            .raw("tax2", numStr(lines.value(6).toDouble(), 2));
        QString taxFlags, untaxedFlags;
        if (rate1 > 0 && flag1 != QLatin1String("N"))
            taxFlags += QLatin1Char('*');
        if (rate2 > 0 && flag2 != QLatin1String("N"))
            taxFlags += QLatin1Char('#');
        if (rate1 > 0 && flag1 != QLatin1String("Y"))
            untaxedFlags += QLatin1Char('*');
        if (rate2 > 0 && flag2 != QLatin1String("Y"))
            untaxedFlags += QLatin1Char('#');
        doc.raw("taxflags", taxFlags).raw("itaxflags", untaxedFlags);

        subtotal += price;
        const bool on1 = flag1 == QLatin1String("Y");
        const bool on2 = flag2 == QLatin1String("Y");
        if (m_taxMode == 1) {
            const double net = price / (1 + (on1 ? rate1 : 0) + (on2 ? rate2 : 0));
            tax1 += on1 ? rate1 * net : 0;
            tax2 += on2 ? rate2 * net : 0;
        } else {
            tax1 += on1 ? rate1 * price : 0;
            tax2 += on2 ? rate2 * price : 0;
        }
    }
    // SQLite keeps the table locked while a statement on it is open.
    lines.finish();
    ZkDb::releaseTemp();

    double total = m_taxMode == 0 ? subtotal + tax1 + tax2 : subtotal;
    const double rounding = getRounding(&total);
    if (!reprint)
        balance = balance + total - rounding;

    doc.open("tail")
        .raw("tax1", numStr(rate1 * 100, 2))
        .raw("tax2", numStr(rate2 * 100, 2))
        .text("tax1name", m_info.tax1Name)
        .text("tax2name", m_info.tax2Name)
        .money("tax1total", tax1)
        .money("tax2total", tax2)
        .money("rounding", rounding)
        .money("subtotal", subtotal)
        .money("total", total)
        .money("outstanding", balance)
        .money("due", total - rounding)
        .money("exctotal", total - tax1 - tax2)
        .money("exc1total", total - tax1)
        .money("exc2total", total - tax2)
        .text("invfoot1", m_info.invFooter[0])
        .text("invfoot2", m_info.invFooter[1])
        .text("cashier", m_userName)
        .dates(when)
        .raw("sequence", QString::number(sequence))
        .raw("number", QString::number(number))
        .raw("acc", QString::number(account))
        .text("client", client.name)
        .text("waiter", waiter);
    if ((mode == 0 || mode == 3) && roundCents(tendered) > 0) {
        doc.text("takeOutTendered", tr("Change for ") + numStr(tendered, 2))
            .text("takeOutChange", tr("Change Amt ") + numStr(tendered - (total - rounding), 2));
    }

    if (mode == 0)
        poleDisplay(tr("Total Due"), numStr(total, 2));
    if (totalOut)
        *totalOut = total;
    if (tax1Out)
        *tax1Out = tax1;
    if (tax2Out)
        *tax2Out = tax2;
    return doc.finish();
}

