#include "main/newshop.h"

#include "core/utility.h"
#include "core/zkclock.h"
#include "main/staff.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace NewShop {

namespace {

bool exec(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text() + QLatin1Char('\n') + sql;
    return false;
}

} // namespace

QString codeFormatProblem(const QString& code)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
    return digits.match(code).hasMatch() ? QString() : QStringLiteral("a login code is 1 to 20 digits");
}

QString codeProblem(QSqlDatabase& db, const QString& code)
{
    const QString format = codeFormatProblem(code);
    if (!format.isEmpty())
        return format;
    QSqlQuery q(db);
    if (!q.exec(QLatin1String("SELECT Name FROM Personel WHERE Code='") + Utility::escapeSQL(code)
                + QLatin1Char('\'')))
        return q.lastError().text();
    if (q.next())
        return QStringLiteral("the code is already %1's").arg(q.value(0).toString());
    return QString();
}

bool seed(QSqlDatabase& db, const QString& shopName, const QString& adminCode, double taxPercent,
          QString* error)
{
    const QString problem = codeProblem(db, adminCode);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    const QString sysInfo =
        QStringLiteral("INSERT INTO SysInfo (ALINE1, ALINE2, ALINE3, ALINE4, ALINE5, ALINE6, ALINE7, "
                       "InvFooter1, InvFooter2, RecFooter, StatementFooter1, StatementFooter2, "
                       "StatementFooter3, HandOverFooter, Tax1, Tax2, Tax1Name, Tax2Name, TaxMode, "
                       "BaseName, Tier1Name, Tier2Name, BaseMarkup, Tier1Markup, Tier2Markup, Rounding, "
                       "ArrearsInterest, MaxStatementDays, SequenceNo) VALUES ('")
        + Utility::escapeSQL(shopName)
        + QLatin1String("', '', '', '', '', '', '', '', '', 'Thank you', '', '', '', '', ")
        + QString::number(taxPercent / 100.0, 'f', 4)
        + QLatin1String(", 0, 'VAT', '', 'I', 'Retail', 'Tier 1', 'Tier 2', 1, 1, 1, 0, 0, 60, 1)");
    const QString cash = QStringLiteral(
        "INSERT INTO Clients (AccountNumber, Name, PostalAddr, BadDebt, PriceTier, MerchDiscount, "
        "OtherDiscount, Created, KeepCredit) VALUES (1, 'CASH', '', ' ', 0, 0, 0, '%1', ' ')")
                             .arg(ZkClock::todayText());
    return exec(db, sysInfo, error) && exec(db, cash, error)
        && Staff::insert(db, QStringLiteral("Admin"), adminCode, QStringLiteral("ADM"), 0,
                         Staff::administratorRights(), error);
}

bool addUser(QSqlDatabase& db, const QString& name, const QString& code, const QStringList& rights,
             QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString upper = name.trimmed().toUpper();
    if (upper.isEmpty() || upper.size() > 50)
        return fail(QStringLiteral("a user name is 1 to 50 characters"));
    // "Admin" is the one name the program treats as the administrator.
    if (upper == QLatin1String("ADMIN"))
        return fail(QStringLiteral("the administrator exists already"));
    for (const QString& right : rights) {
        if (!Staff::rightNames().contains(right))
            return fail(QStringLiteral("no such right: %1 (the rights are %2)")
                            .arg(right, Staff::rightNames().join(QLatin1String(", "))));
    }
    QSqlQuery q(db);
    if (!q.exec(QLatin1String("SELECT Name FROM Personel WHERE Name='") + Utility::escapeSQL(upper)
                + QLatin1Char('\'')))
        return fail(q.lastError().text());
    if (q.next())
        return fail(QStringLiteral("%1 exists already").arg(upper));
    const QString problem = codeProblem(db, code);
    if (!problem.isEmpty())
        return fail(problem);
    return Staff::insert(db, upper, code, upper.left(3), 0, rights, error);
}

} // namespace NewShop
