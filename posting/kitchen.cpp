#include "core/utility.h"

#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "documents/docwriter.h"
#include "posting/wholequantity.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

QString Utility::buildKitchen(int invoiceNumber, int printer, QList<int>* lines, bool reprint)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyDate,SequenceNo,AccountNumber FROM Invoice WHERE MyNumber=%1").arg(invoiceNumber))) {
        showDBError(q);
        return QString();
    }
    if (!q.next()) {
        qWarning("I Can't locate Invoice # %d", invoiceNumber);
        return QString();
    }
    const QDateTime when = ZkDb::dateTime(q.value(0));
    const int sequence = q.value(1).toInt();
    const int account = q.value(2).toInt();
    // SQLite cannot drop the scratch table below while any statement is
    // still open, so each read is closed once taken.
    q.finish();
    QSqlQuery c;
    if (!c.exec(QStringLiteral("SELECT Name FROM Clients where AccountNumber=%1").arg(account))) {
        showDBError(c);
        return QString();
    }
    const QString client = c.next() ? c.value(0).toString() : QString();
    c.finish();
    const bool label = printer == 1;

    DocWriter doc;
    doc.open("head")
        .raw("type", QStringLiteral("Kitchen"))
        .text("waiter", getWaiter())
        .raw("printer", label ? QStringLiteral("Label") : QStringLiteral("Kitchen"))
        .raw("number", QString::number(invoiceNumber))
        .text("client", client)
        .dates(when)
        .printMoment()
        .raw("sequence", QString::number(sequence));
    if (reprint)
        doc.text("reprint", tr("REPRINT"));
    const QString preview = label ? QStringLiteral("/LabelPrinter/Preview") : QStringLiteral("/KitchenPrinter/Preview");
    if (settings->readEntry(preview) != QLatin1String("ON"))
        doc.raw("auto", QStringLiteral("print"));

    if (!makeTempInvoiceItemTable(QStringLiteral("WHERE InvoiceNumber=%1 ORDER BY MyNumber").arg(invoiceNumber), true))
        return QString();
    QSqlQuery rows;
    if (!rows.exec(QStringLiteral("SELECT Quantity,UPPER(Description),UnitOfMeasure,Category,Department,MyNumber,"
                                   "Printed,Price FROM temp WHERE InvoiceNumber=%1 ORDER BY MyNumber")
                        .arg(invoiceNumber))) {
        showDBError(rows);
        ZkDb::releaseTemp();
        return QString();
    }
    QHash<QString, int> routes; // department -> printer bits
    QList<int> written;
    bool previousMain = true; // the first line gets no separator
    while (rows.next()) {
        const QString category = rows.value(3).toString();
        // The mark holds the printers a line has been on (1 label, 2
        // kitchen): a line of a department routed to both reaches each once,
        // whichever docket is built first. A reprint takes them all again.
        if (category == QLatin1String("Notes") || (!reprint && (rows.value(6).toInt() & printer) != 0))
            continue;
        const QString department = rows.value(4).toString();
        if (!routes.contains(department)) {
            QSqlQuery route;
            if (!route.exec(QStringLiteral("SELECT Printer FROM Departments where Department='%1'")
                                .arg(escapeSQL(department)))) {
                showDBError(route);
                rows.finish();
                ZkDb::releaseTemp();
                return QString();
            }
            routes.insert(department, route.next() ? route.value(0).toInt() : 0);
        }
        if (!(routes.value(department) & printer))
            continue;

        const double quantity = rows.value(0).toDouble();
        const bool remark = category == QLatin1String("Remarks");
        // A free modifier (no charge, one of) belongs to the line above it.
        const bool modifier = roundCents(rows.value(7).toDouble()) == 0 && quantity == 1.0;
        const bool mainLine = Posting::wholeQuantity(quantity) != 0 && !modifier;
        if (mainLine && !previousMain && !written.isEmpty())
            doc.open("item").raw("quantity", QString()).raw("iquantity", QString()).raw("desription", QString());
        doc.open("item")
            .raw("quantity", remark || modifier ? QString() : numStr(quantity, 2))
            .raw("iquantity", Posting::wholeQuantityText(quantity))
            .text("uom", remark ? QString() : rows.value(2).toString())
            .text("description", rows.value(1).toString());
        previousMain = mainLine;
        written << rows.value(5).toInt();
    }
    // SQLite keeps the table locked while a statement on it is open.
    rows.finish();
    ZkDb::releaseTemp();
    if (written.isEmpty())
        return QString();
    if (lines)
        *lines = written;

    doc.open("tail").text("cashier", m_userName);
    const QString text = doc.finish();
    if (settings->readEntry(QStringLiteral("/Pell/Debug")) == QLatin1String("ON"))
        qDebug("%s", qPrintable(text));
    return text;
}

QList<int> Utility::docketPrinters()
{
    QList<int> printers;
    if (settings->readEntry(QStringLiteral("/LabelPrinter/Mode")) != QLatin1String("off"))
        printers << 1;
    if (settings->readEntry(QStringLiteral("/KitchenPrinter/Mode")) != QLatin1String("off"))
        printers << 2;
    return printers;
}

bool Utility::markDocketPrinted(int invoiceNumber, int printer, const QList<int>& lines)
{
    QSqlQuery q;
    for (const int line : lines) {
        for (const char* table : {"InvoiceItem", "InvoiceItemArchive"}) {
            if (!q.exec(QStringLiteral("UPDATE %1 set Printed=COALESCE(Printed, 0) | %2 WHERE MyNumber='%3' AND "
                                       "InvoiceNumber='%4'")
                            .arg(QLatin1String(table), QString::number(printer), QString::number(line),
                                 QString::number(invoiceNumber)))
                && showDBError(q))
                return false;
        }
    }
    return true;
}

bool Utility::printDocket(int invoiceNumber, int printer, bool reprint, bool* due)
{
    QList<int> lines;
    const QString docket = buildKitchen(invoiceNumber, printer, &lines, reprint);
    if (due)
        *due = !docket.isEmpty();
    if (docket.isEmpty())
        return true;
    const bool processed = showDocument(docket, false);
    // A line counts as sent once the spooler took its docket, or when the
    // operator processed a docket shown for preview. After a failed print
    // the window's Process and Close leave the lines unsent: they go out
    // with the table's next docket, or a reprint from the Documents tab.
    const bool sent = m_docPrint->outputTaken() || (processed && !m_docPrint->outputFailed());
    if (!sent) {
        if (m_docPrint->outputFailed())
            ZkPrompt::warning(m_mainWindow, tr("Brevalon - Docket"),
                              tr("The %1 docket of order %2 was not printed.\n\nIts lines stay unsent: they go "
                                 "out with the next docket of this order, or reprint it from the Documents tab.")
                                  .arg(printer == 1 ? tr("label") : tr("kitchen"))
                                  .arg(invoiceNumber));
        return false;
    }
    return markDocketPrinted(invoiceNumber, printer, lines);
}
