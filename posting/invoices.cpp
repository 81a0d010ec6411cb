#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "documents/docwriter.h"
#include "sales/change.h"

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

QString ledgerCode(int mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("Q");
    case 2:
        return QStringLiteral("RF");
    default:
        return QStringLiteral("I");
    }
}

// Quantities print as whole numbers cut toward zero: half a portion is no portion.
QString wholeQuantity(double quantity)
{
    const int whole = int(quantity);
    return whole == 0 ? QString() : QString::number(whole);
}

} // namespace

int Utility::nextSequenceNumber(int invoice)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT SequenceNo FROM SysInfo"))) {
        showDBError(q);
        return 0;
    }
    const int next = q.next() ? q.value(0).toInt() + 1 : 1;
    if (!q.exec(QStringLiteral("UPDATE SysInfo SET SequenceNo=%1").arg(next)) && showDBError(q))
        return next;
    if (!q.exec(QStringLiteral("UPDATE Invoice SET SequenceNo=%1 WHERE MyNumber=%2").arg(next).arg(invoice)))
        showDBError(q);
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
    const int sequence = reprint ? q.value(6).toInt() : nextSequenceNumber(number);

    QSqlQuery c;
    if (!c.exec(QStringLiteral("SELECT Name, PostalAddr, ShippingAddr, Phone, Cell, LOWER(Email), VatNo FROM "
                               "Clients WHERE AccountNumber=%1")
                    .arg(account))) {
        showDBError(c);
        return QString();
    }
    const bool hasClient = c.next();
    auto col = [&](int i) { return hasClient ? unescapeSQL(c.value(i).toString()) : QString(); };
    double balance = getBalBF(account, true);
    const int mode = m_documentMode;

    DocWriter doc;
    doc.open("head").raw("type", documentType(mode, m_taxMode)).raw("printer", QStringLiteral("Invoice"));
    if (settings->readEntry(QStringLiteral("/InvoicePrinter/Mode")) == QLatin1String("logo"))
        doc.raw("logo", QStringLiteral("&lt;img src=PrintLogo&gt;"));
    doc.raw("number", QString::number(number))
        .dates(when)
        .raw("acc", QString::number(account))
        .raw("client", clientLine(col(0), col(6)))
        .text("postal", col(1))
        .text("shipping", col(2))
        .text("phone", col(3))
        .text("cell", col(4))
        .text("email", reprint ? storedEmail : col(5));
    for (int i = 0; i < 7; ++i)
        doc.text(qPrintable(QStringLiteral("aline%1").arg(i + 1)), m_info.aline[i]);
    doc.text("waiter", waiter).printMoment().raw("sequence", QString::number(sequence));
    if (!reprint && settings->readEntry(QStringLiteral("/InvoicePrinter/Preview")) != QLatin1String("ON"))
        doc.raw("auto", QStringLiteral("print"));
    if (mode == 3)
        doc.raw("autoclose", QStringLiteral("true"));

    if (!makeTempInvoiceItemTable(QStringLiteral("WHERE InvoiceNumber=%1 ORDER BY MyNumber").arg(number), false))
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
        const QString serial = unescapeSQL(lines.value(7).toString());
        const bool returnable = lines.value(11).toString() == QLatin1String("Y");
        QString description = escapeXML(unescapeSQL(lines.value(1).toString()));
        if (!serial.isEmpty())
            description += QLatin1String("\\n") + tr("Serial No: ") + escapeXML(serial);

        doc.open("item");
        if (!remark || returnable)
            doc.raw("quantity", numStr(quantity, 2)).raw("iquantity", wholeQuantity(quantity));
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
        .text("client", col(0))
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

double Utility::postedTotal(int number)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT Tax1, Tax2 FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return 0;
    }
    const double rate1 = q.next() ? q.value(0).toDouble() : 0;
    const double rate2 = q.isValid() ? q.value(1).toDouble() : 0;
    if (!q.exec(QStringLiteral("SELECT Price, Tax1, Tax2 FROM InvoiceItem WHERE InvoiceNumber=%1").arg(number))) {
        showDBError(q);
        return 0;
    }
    double sum = 0, taxed1 = 0, taxed2 = 0;
    while (q.next()) {
        const double price = q.value(0).toDouble();
        sum += price;
        if (q.value(1).toString() == QLatin1String("Y"))
            taxed1 += price;
        if (q.value(2).toString() == QLatin1String("Y"))
            taxed2 += price;
    }
    if (m_taxMode == 0)
        return sum + roundCents(rate1 * taxed1) + roundCents(rate2 * taxed2);
    return sum;
}

bool Utility::processInvoice(int number, bool reprint, double* total, double* tax1, double* tax2, bool buildOnly)
{
    const int savedAccount = m_account;
    auto finish = [&](bool result) {
        m_account = savedAccount;
        return result;
    };
    const int mode = m_documentMode;

    double tendered = 0;
    if (settings->readBoolEntry(QStringLiteral("/Global/TakeOutChange")) && !reprint) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT UPPER(Clients.Name) FROM Invoice, Clients WHERE Invoice.MyNumber=%1 AND "
                                   "Clients.AccountNumber=Invoice.AccountNumber")
                        .arg(number))) {
            showDBError(q);
            return finish(false);
        }
        const QString name = q.next() ? q.value(0).toString() : QString();
        if (!name.startsWith(tr("TABLE "))) {
            Change change(m_mainWindow);
            change.setAmount(postedTotal(number));
            tendered = change.getChange();
            if (tendered < 0)
                return finish(false);
        }
    }

    const QString document = buildInvoice(number, reprint, tendered, total, tax1, tax2);
    if (buildOnly || document.isEmpty())
        return finish(false);
    const bool accepted = mode != 3 && showDocument(document, false);
    if (!accepted) {
        if ((mode == 0 || mode == 3) && !reprint)
            printDockets(number);
        return finish(false);
    }

    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Invoice WHERE MyNumber=%1 AND Status='C'").arg(number))) {
        showDBError(q);
        return finish(true);
    }
    const bool alreadyClosed = q.next() && q.value(0).toInt() > 0;
    if (!q.exec(QStringLiteral("UPDATE Invoice SET Status='C', Email='%1' WHERE MyNumber=%2")
                    .arg(escapeSQL(m_docPrint->email()))
                    .arg(number))
        && showDBError(q))
        return finish(true);
    if (!q.exec(QStringLiteral("SELECT AccountNumber FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return finish(true);
    }
    const int account = q.next() ? q.value(0).toInt() : m_account;
    m_account = account;
    double amount = postedTotal(number);
    // Accepting a closed document again (a reprint) must never post it twice.
    if (alreadyClosed)
        return finish(true);

    const double rounding = getRounding(&amount);
    if (!q.exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber) "
                               "VALUES (%1, '%2', '%3', %4, %5, %6)")
                    .arg(account)
                    .arg(ledgerCode(mode), ZkClock::nowText(), QString::number(amount, 'f', 2),
                         QString::number(rounding, 'f', 2))
                    .arg(number))
        && showDBError(q))
        return finish(true);
    if (mode == 2)
        logAction(tr("Refund"), tr("Account No %1, Doc No. %2").arg(account).arg(number), QString(), '2');
    if (mode == 0 || mode == 3) {
        if (!q.exec(QStringLiteral("SELECT MyNumber, Code, DTR FROM InvoiceItem WHERE InvoiceNumber=%1 AND DTR<>0 "
                                   "ORDER BY MyNumber")
                        .arg(number))) {
            showDBError(q);
            return finish(true);
        }
        if (q.next()) {
            QSqlQuery due;
            if (!due.exec(QStringLiteral("INSERT INTO DTRHistory (DateDue, InvoiceItemNumber, Code, AccountNumber) "
                                         "VALUES ('%1', %2, '%3', %4)")
                              .arg(ZkClock::today().addDays(q.value(2).toInt()).toString(QStringLiteral("yyyy-MM-dd")))
                              .arg(q.value(0).toInt())
                              .arg(escapeSQL(q.value(1).toString()))
                              .arg(account)))
                showDBError(due);
        }
    }
    return finish(true);
}

void Utility::printDockets(int number)
{
    const struct
    {
        int printer;
        const char* group;
    } dockets[] = {{1, "/LabelPrinter/Mode"}, {2, "/KitchenPrinter/Mode"}};
    for (const auto& d : dockets) {
        if (settings->readEntry(QLatin1String(d.group)) == QLatin1String("off"))
            continue;
        const QString docket = buildKitchen(number, d.printer);
        if (!docket.isEmpty())
            showDocument(docket, false);
    }
}

void Utility::previewInvoice(int number)
{
    QString document = buildInvoice(number, false, 0);
    if (document.isEmpty())
        return;
    document.remove(QStringLiteral("auto=\"print\""));
    showDocument(document, true);
}
