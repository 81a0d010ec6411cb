#include "core/utility.h"

#include "core/zkdb.h"
#include "core/zktransaction.h"

#include <QMap>
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

    ZkTransaction unit;
    if (!unit.isOpen() || !lockInvoiceAccount(number))
        return false;
    QSqlQuery q;
    // The void counts once, whichever till asks first.
    if (!ZkDb::exec(q, QStringLiteral("SELECT COUNT(*) FROM Voids WHERE DocType='I' AND Number=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    if (q.next() && q.value(0).toInt() > 0)
        return false;
    q.finish();
    // A document of a closed period is voided in the archive.
    for (const char* table : {"Journal", "JournalArchive"}) {
        if (!ZkDb::exec(q, QStringLiteral("UPDATE %1 SET Description='VI' WHERE MyNumber=%2 AND Description='I'")
                               .arg(QLatin1String(table))
                               .arg(number))) {
            showDBError(q);
            return false;
        }
    }
    if (!recordVoid(reason, 'I', number))
        return false;

    // The goods come back, except lines that were themselves returns; the
    // items are changed in the order of their codes, as every unit does.
    QMap<QString, double> back;
    const QString returned = escapeSQL(tr("RET:")) + QLatin1Char('%');
    for (const char* table : {"InvoiceItemArchive", "InvoiceItem"}) {
        if (!ZkDb::exec(q, QStringLiteral("SELECT Code, Quantity FROM %1 WHERE InvoiceNumber=%2 AND "
                                          "COALESCE(Description, '') NOT LIKE '%3' ORDER BY MyNumber")
                               .arg(QLatin1String(table), QString::number(number), returned))) {
            showDBError(q);
            return false;
        }
        while (q.next())
            back[q.value(0).toString()] += q.value(1).toDouble();
    }
    q.finish();
    for (auto it = back.cbegin(); it != back.cend(); ++it) {
        if (!ZkDb::exec(q, QStringLiteral("UPDATE Inventory SET Quantity=Quantity+%1 WHERE Code='%2'")
                               .arg(QString::number(it.value(), 'f', 3), escapeSQL(it.key())))) {
            showDBError(q);
            return false;
        }
    }
    return unit.commit();
}

bool Utility::retractInvoice(int number)
{
    if (!reopenInvoice(number, QStringLiteral("'I'")))
        return false;
    QSqlQuery q;
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
