#include "core/utility.h"

#include <QSqlQuery>
#include <QVariant>

bool Utility::voidInvoice(int number)
{
    const QString caption = tr("Void Invoice");
    // A second void would put the goods back into stock twice.
    if (alreadyVoided('I', number, caption, tr("Invoice # %1 has already been voided").arg(number)))
        return false;
    const QString reason = askVoidReason(caption, tr("Enter the reason why you will void invoice number %1").arg(number),
                                         tr("You must give a reason you are trying to void this Invoice"));
    if (reason.isEmpty())
        return false;
    QSqlQuery q;
    // A document of a closed period is voided in the archive.
    for (const char* table : {"Journal", "JournalArchive"}) {
        if (!q.exec(QStringLiteral("UPDATE %1 SET Description='VI' WHERE MyNumber=%2 AND Description='I'")
                        .arg(QLatin1String(table))
                        .arg(number))
            && showDBError(q))
            return false;
    }
    if (!recordVoid(reason, 'I', number))
        return false;

    // The goods come back, except lines that were themselves returns.
    const QString returned = escapeSQL(tr("RET:")) + QLatin1Char('%');
    for (const char* table : {"InvoiceItemArchive", "InvoiceItem"}) {
        if (!q.exec(QStringLiteral("SELECT Code, Quantity FROM %1 WHERE InvoiceNumber=%2 AND "
                                   "COALESCE(Description, '') NOT LIKE '%3' ORDER BY MyNumber")
                        .arg(QLatin1String(table), QString::number(number), returned))) {
            showDBError(q);
            return false;
        }
        while (q.next()) {
            QSqlQuery stock;
            if (!stock.exec(QStringLiteral("UPDATE Inventory SET Quantity=Quantity+%1 WHERE Code='%2'")
                                .arg(QString::number(q.value(1).toDouble(), 'f', 3),
                                     escapeSQL(q.value(0).toString())))
                && showDBError(stock))
                return false;
        }
    }
    return true;
}

bool Utility::retractInvoice(int number)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM Journal WHERE MyNumber=%1 AND Description='I'").arg(number))) {
        showDBError(q);
        return false;
    }
    if (!q.exec(QStringLiteral("SELECT MyNumber FROM InvoiceItem WHERE InvoiceNumber=%1 AND DTR<>0").arg(number))) {
        showDBError(q);
        return true;
    }
    while (q.next()) {
        QSqlQuery due;
        if (!due.exec(QStringLiteral("DELETE FROM DTRHistory WHERE InvoiceItemNumber=%1").arg(q.value(0).toInt()))
            && showDBError(due))
            return true;
    }
    if (!q.exec(QStringLiteral("UPDATE Invoice SET Status='P' WHERE MyNumber=%1").arg(number)) && showDBError(q))
        return true;
    if (!q.exec(QStringLiteral("SELECT AccountNumber, Waiter FROM Invoice WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return true;
    }
    if (q.next()) {
        m_account = q.value(0).toInt();
        m_waiter = q.value(1).toString();
    }
    return true;
}
