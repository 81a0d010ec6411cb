#include "main/staff.h"

#include "core/utility.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Staff {

const QStringList& rightNames()
{
    static const QStringList names = {
        QStringLiteral("MailStatement"), QStringLiteral("EmailRuns"),    QStringLiteral("Backup"),
        QStringLiteral("CashUp"),        QStringLiteral("CashDate"),     QStringLiteral("MonthEnd"),
        QStringLiteral("ReceiveStock"),  QStringLiteral("PurgeClient"),  QStringLiteral("MergeClient"),
        QStringLiteral("Inventory"),     QStringLiteral("Departments"),  QStringLiteral("Suppliers"),
        QStringLiteral("Stock"),         QStringLiteral("Reports"),      QStringLiteral("AuditTrail"),
        QStringLiteral("JornalTrail"),   QStringLiteral("ViewStatement"), QStringLiteral("Discount"),
        QStringLiteral("Preferences"),   QStringLiteral("TaxControl"),   QStringLiteral("PriceOveride"),
        QStringLiteral("AllowUnValidated"), QStringLiteral("ViewActions"), QStringLiteral("CashOnlyLock"),
        QStringLiteral("Refunds"),       QStringLiteral("ModifyClient"), QStringLiteral("ViewDocuments"),
        QStringLiteral("StockPriceAdjust"), QStringLiteral("StockPriceView"), QStringLiteral("StickyCash"),
        QStringLiteral("VoidInvoice"),   QStringLiteral("VoidReceipt")};
    return names;
}

QStringList administratorRights()
{
    QStringList rights = rightNames();
    rights.removeAll(QStringLiteral("CashOnlyLock"));
    rights.removeAll(QStringLiteral("StickyCash"));
    return rights;
}

bool insert(QSqlDatabase& db, const QString& name, const QString& code, const QString& initials,
            double commission, const QStringList& rights, QString* error)
{
    QStringList flags;
    for (const QString& right : rightNames())
        flags << (rights.contains(right) ? QStringLiteral("'Y'") : QStringLiteral("'N'"));
    const QString sql = QStringLiteral("INSERT INTO Personel (Name, Code, SP, Commision, Gross, CashAcc, ")
        + rightNames().join(QLatin1Char(',')) + QLatin1String(") VALUES ('") + Utility::escapeSQL(name)
        + QLatin1String("', '") + Utility::escapeSQL(code) + QLatin1String("', '")
        + Utility::escapeSQL(initials) + QLatin1String("', ") + QString::number(commission)
        + QLatin1String(", 'Y', 1, ") + flags.join(QLatin1Char(',')) + QLatin1Char(')');
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text() + QLatin1Char('\n') + sql;
    return false;
}

} // namespace Staff
