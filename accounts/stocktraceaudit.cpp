// The stock received and the stock levels adjusted in a month: one
// document per delivery, its lines grouped under their suppliers.

#include "core/utility.h"

#include "accounts/accountdoc.h"
#include "core/globals.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docwriter.h"
#include "sales/datedialog.h"

#include <QSqlQuery>
#include <QVariant>

void Utility::stockTraceAudit()
{
    DateDialog dialog(m_mainWindow);
    dialog.setWindowTitle(tr("Report For ..."));
    if (ZkPrompt::exec(&dialog) != QDialog::Accepted)
        return;
    const QDate month = dialog.selectedDate();
    const QDate first(month.year(), month.month(), 1);

    QSqlQuery traces;
    if (!traces.exec(QStringLiteral("SELECT MyNumber, MyDate, SP, Notes FROM StockTrace WHERE MyDate>='%1' AND "
                                    "MyDate<'%2' ORDER BY MyDate, MyNumber")
                         .arg(first.toString(QStringLiteral("yyyy-MM-dd")),
                              first.addMonths(1).toString(QStringLiteral("yyyy-MM-dd"))))) {
        showDBError(traces);
        return;
    }
    struct Trace
    {
        int number;
        QDateTime when;
        QString sp, notes;
    };
    QList<Trace> found;
    while (traces.next())
        found.append({traces.value(0).toInt(), ZkDb::dateTime(traces.value(1)), traces.value(2).toString(),
                      traces.value(3).toString()});
    if (found.isEmpty()) {
        ZkPrompt::information(m_mainWindow, tr("Brevalon - Stock Trace Report"),
                              tr("No Stock Received for the specified period."));
        return;
    }

    for (const Trace& t : found) {
        QSqlQuery lines;
        if (!lines.exec(QStringLiteral("SELECT Quantity, UnitOfMeasure, Description, Supplier, Adjustment FROM "
                                       "StockTraceItem WHERE TraceNumber=%1 ORDER BY id")
                            .arg(t.number))) {
            showDBError(lines);
            return;
        }
        DocWriter doc;
        doc.open("head").raw("type", QStringLiteral("stock")).raw("printer", QStringLiteral("Mail"));
        if (settings->readEntry(QStringLiteral("/MailPrinter/Mode")) == QLatin1String("logo"))
            doc.raw("logo", QStringLiteral("&lt;img src=PrintLogo&gt;"));
        doc.raw("number", QString::number(t.number))
            .dates(t.when)
            .text("sp", AccountDoc::html(t.sp))
            .text("notes", AccountDoc::html(t.notes));
        for (int i = 0; i < 7; ++i)
            doc.text(qPrintable(QStringLiteral("aline%1").arg(i + 1)), m_info.aline[i]);
        doc.printMoment().raw("auto", QStringLiteral("no"));

        QString supplier;
        bool firstLine = true;
        for (int row = 0; lines.next(); ++row) {
            const QString lineSupplier = lines.value(3).toString();
            if (firstLine || lineSupplier != supplier) {
                // The supplier's heading: bold, on the page's own background.
                doc.open("item")
                    .raw("quantity", QString())
                    .raw("uom", QString())
                    .raw("description", QStringLiteral("&lt;b&gt;") + Utility::escapeXML(AccountDoc::html(lineSupplier))
                                            + QStringLiteral("&lt;/b&gt;"));
                supplier = lineSupplier;
                firstLine = false;
            }
            QString description = lines.value(2).toString();
            if (lines.value(4).toString().trimmed() == QLatin1String("Y"))
                description.prepend(tr("** Level Adjustment ** "));
            doc.open("item")
                .raw("quantity", AccountDoc::quantityText(lines.value(0).toDouble()))
                .text("uom", AccountDoc::html(lines.value(1).toString()))
                .text("description", AccountDoc::html(description))
                .raw("bgcolor", AccountDoc::rowColour(row));
        }
        showDocument(doc.finish(), false);
    }
}
