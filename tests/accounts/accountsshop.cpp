#include "tests/accounts/accountsshop.h"

#include "core/globals.h"
#include "core/utility.h"

#include "documents/docprint.h"
#include "tests/posting/paper.h"
#include "tests/support/slipout.h"

#include <QDomElement>
#include <QTest>

AccountsShop::AccountsShop()
{
    setTerms(0, 0);
}

void AccountsShop::setTerms(double arrearsInterest, int maxStatementDays)
{
    exec(QStringLiteral("UPDATE SysInfo SET ArrearsInterest=%1, MaxStatementDays=%2")
             .arg(arrearsInterest)
             .arg(maxStatementDays));
    if (!utils->initClass(true))
        QTest::qFail("initClass failed", __FILE__, __LINE__);
}

void AccountsShop::ledgerRow(int account, const QString& code, const QString& date, double amount, int number,
                             const QString& table, int crossRef)
{
    exec(QStringLiteral("INSERT INTO %1 (AccountNumber, Description, MyDate, Amount, Rounding, MyNumber, Status, "
                        "CrossRef) VALUES (%2, '%3', '%4 09:00:00', %5, 0, %6, 'C', %7)")
             .arg(table)
             .arg(account)
             .arg(code, date)
             .arg(amount, 0, 'f', 2)
             .arg(number)
             .arg(crossRef));
}

int AccountsShop::client(const QString& name, const QString& email, const QString& postal)
{
    exec(QStringLiteral("INSERT INTO Clients (Name, Email, PostalAddr, BadDebt, Created) VALUES ('%1', '%2', '%3', "
                        "' ', '2026-01-01')")
             .arg(Utility::escapeSQL(name), Utility::escapeSQL(email), Utility::escapeSQL(postal)));
    return value(QStringLiteral("SELECT MAX(AccountNumber) FROM Clients")).toInt();
}

void AccountsShop::checkPaper(DocPrint* window)
{
    // Words of a description wrap apart on a slip: each word must be on it.
    QStringList words;
    const QDomElement root = window->documentRoot();
    for (QDomElement e = root.firstChildElement(QStringLiteral("item")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("item")))
        words << SlipOut::asPrinted(e.attribute(QStringLiteral("description")))
                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList wrong = Paper::of(window, false).faults(words);
    if (!wrong.isEmpty())
        QTest::qFail(qPrintable(wrong.join(QLatin1Char('\n'))), __FILE__, __LINE__);
}
