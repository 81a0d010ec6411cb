#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "documents/docprint.h"
#include "documents/docwriter.h"
#include "posting/docketroute.h"
#include "posting/wholequantity.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace {

struct Route
{
    int stations = 0; // Departments.Printer
    QString medium;   // Departments.Route
};

} // namespace

Utility::Docket Utility::composeDocket(int invoiceNumber, int station, DocketMedium medium, bool reprint)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyDate,SequenceNo,AccountNumber FROM Invoice WHERE MyNumber=%1").arg(invoiceNumber))) {
        showDBError(q);
        return Docket();
    }
    if (!q.next()) {
        qWarning("I Can't locate Invoice # %d", invoiceNumber);
        return Docket();
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
        return Docket();
    }
    const QString client = c.next() ? c.value(0).toString() : QString();
    c.finish();
    const bool label = station == DocketRoute::Label;
    const bool paper = medium == DocketMedium::Paper;
    const int mark = DocketRoute::mark(station, medium);

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
    if (paper && settings->readEntry(preview) != QLatin1String("ON"))
        doc.raw("auto", QStringLiteral("print"));

    if (!makeTempInvoiceItemTable(QStringLiteral("WHERE InvoiceNumber=%1 ORDER BY MyNumber").arg(invoiceNumber), true))
        return Docket();
    QSqlQuery rows;
    // The description is upper-cased here, not by the server: SQLite's
    // UPPER leaves every letter beyond ASCII as it is.
    if (!rows.exec(QStringLiteral("SELECT Quantity,Description,UnitOfMeasure,Category,Department,MyNumber,"
                                   "Printed,Price FROM temp WHERE InvoiceNumber=%1 ORDER BY MyNumber")
                        .arg(invoiceNumber))) {
        showDBError(rows);
        ZkDb::releaseTemp();
        return Docket();
    }
    QHash<QString, Route> routes;
    Docket docket;
    bool previousMain = true; // the first line gets no separator
    while (rows.next()) {
        const QString category = rows.value(3).toString();
        // The mark holds the places a line has been (DocketRoute::mark): a
        // line of a department routed to two reaches each once, whichever
        // docket is built first. A reprint takes them all again.
        const bool taken = (rows.value(6).toInt() & mark) != 0;
        if (category == QLatin1String("Notes") || (taken && !reprint))
            continue;
        const QString department = rows.value(4).toString();
        if (!routes.contains(department)) {
            QSqlQuery route;
            if (!route.exec(QStringLiteral("SELECT Printer, Route FROM Departments where Department='%1'")
                                .arg(escapeSQL(department)))) {
                showDBError(route);
                rows.finish();
                ZkDb::releaseTemp();
                return Docket();
            }
            Route r;
            if (route.next())
                r = Route{route.value(0).toInt(), route.value(1).toString()};
            routes.insert(department, r);
        }
        const Route& route = routes[department];
        if (!(route.stations & station) || !DocketRoute::reaches(route.medium, medium))
            continue;

        const double quantity = rows.value(0).toDouble();
        const bool remark = category == QLatin1String("Remarks");
        // A free modifier (no charge, one of) belongs to the line above it.
        const bool modifier = roundCents(rows.value(7).toDouble()) == 0 && quantity == 1.0;
        const bool mainLine = Posting::wholeQuantity(quantity) != 0 && !modifier;
        if (mainLine && !previousMain && !docket.lines.isEmpty())
            doc.open("item").raw("quantity", QString()).raw("iquantity", QString()).raw("desription", QString());
        doc.open("item")
            .raw("quantity", remark || modifier ? QString() : numStr(quantity, 2))
            .raw("iquantity", Posting::wholeQuantityText(quantity))
            .text("uom", remark ? QString() : rows.value(2).toString())
            .text("description", rows.value(1).toString(), true);
        previousMain = mainLine;
        docket.lines << rows.value(5).toInt();
        if (!taken)
            docket.due << rows.value(5).toInt();
    }
    // SQLite keeps the table locked while a statement on it is open.
    rows.finish();
    ZkDb::releaseTemp();
    if (docket.lines.isEmpty())
        return Docket();
    doc.open("tail").text("cashier", m_userName);
    docket.document = doc.finish();
    return docket;
}

bool Utility::markDocket(int invoiceNumber, const QList<int>& lines, int mark)
{
    QSqlQuery q;
    for (const int line : lines) {
        int taken = 0;
        for (const char* table : {"InvoiceItem", "InvoiceItemArchive"}) {
            if (!q.exec(QStringLiteral("UPDATE %1 set Printed=COALESCE(Printed, 0) | %2 WHERE MyNumber=%3 AND "
                                       "InvoiceNumber=%4 AND (COALESCE(Printed, 0) & %2)=0")
                            .arg(QLatin1String(table), QString::number(mark), QString::number(line),
                                 QString::number(invoiceNumber)))) {
                showDBError(q);
                return false;
            }
            taken += q.numRowsAffected();
        }
        // Another till took the line meanwhile: its docket has it.
        if (taken == 0)
            return false;
    }
    return true;
}

QString Utility::buildKitchen(int invoiceNumber, int printer, QList<int>* lines, bool reprint)
{
    const Docket docket = composeDocket(invoiceNumber, printer, DocketMedium::Paper, reprint);
    if (lines)
        *lines = docket.due;
    if (!docket.document.isEmpty() && settings->readEntry(QStringLiteral("/Pell/Debug")) == QLatin1String("ON"))
        qDebug("%s", qPrintable(docket.document));
    return docket.document;
}

bool Utility::sendToScreens(int invoiceNumber)
{
    // Most shops have no screen: one look at the departments spares them
    // the dockets.
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Departments WHERE UPPER(TRIM(Route)) IN ('S','B') AND Printer<>0"))) {
        showDBError(q);
        return false;
    }
    if (!q.next() || q.value(0).toInt() == 0)
        return true;
    q.finish();

    // Composed first: the scratch table it uses is no part of a unit.
    QList<QPair<int, Docket>> dockets;
    for (const int station : {int(DocketRoute::Label), int(DocketRoute::Kitchen)}) {
        const Docket docket = composeDocket(invoiceNumber, station, DocketMedium::Screen);
        if (!docket.lines.isEmpty())
            dockets.append({station, docket});
    }
    if (dockets.isEmpty())
        return true;

    // The lines' marks and the dockets go together: a screen never shows a
    // docket whose lines could go again, nor loses lines already marked.
    ZkTransaction unit;
    if (!unit.isOpen())
        return false;
    for (const auto& d : qAsConst(dockets)) {
        // The document's own line breaks only lay it out (a break in one of
        // its texts is written "\n"): on one line it is stored alike on
        // every server.
        const QString document = QString(d.second.document).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (!markDocket(invoiceNumber, d.second.lines, DocketRoute::mark(d.first, DocketMedium::Screen))) {
            unit.rollback();
            return false;
        }
        if (!q.exec(QStringLiteral("INSERT INTO KitchenDockets (Station, InvoiceNumber, MyDate, Docket) "
                                   "VALUES (%1, %2, '%3', '%4')")
                        .arg(QString::number(d.first), QString::number(invoiceNumber), ZkClock::nowText(),
                             escapeSQL(document)))) {
            showDBError(q);
            return false;
        }
    }
    return unit.commit();
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
    // A reprint marks only the lines it carried for the first time.
    return lines.isEmpty() || markDocket(invoiceNumber, lines, DocketRoute::mark(printer, DocketMedium::Paper));
}
