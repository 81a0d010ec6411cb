#include "tests/accounts/accountsshop.h"

#include "core/globals.h"
#include "core/utility.h"

#include "documents/docimages.h"
#include "documents/docprint.h"
#include "documents/pageprint.h"
#include "tests/support/slipout.h"

#include <QDir>
#include <QDomElement>
#include <QPrinter>
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
    const QDomElement root = window->documentRoot();
    const QString type = root.firstChildElement(QStringLiteral("head")).attribute(QStringLiteral("type"));
    for (const int width : {80, 40}) {
        window->mode_activated(width == 80 ? 1 : 2);
        const QString slip = window->slipText();
        SlipOut::keep(window->slipBytes(), width == 40, type);
        if (slip.isEmpty())
            QTest::qFail(qPrintable(type + QStringLiteral(": no slip")), __FILE__, __LINE__);
        for (const QString& line : slip.split(QLatin1Char('\n')))
            if (SlipOut::paperWidth(line) > width)
                QTest::qFail(qPrintable(QStringLiteral("%1: %2 columns on a %3-column slip: %4")
                                            .arg(type).arg(SlipOut::paperWidth(line)).arg(width).arg(line)),
                             __FILE__, __LINE__);
        // Words of a description wrap apart; each word is on the slip.
        const QString printed = SlipOut::asPrinted(slip).simplified();
        for (QDomElement e = root.firstChildElement(QStringLiteral("item")); !e.isNull();
             e = e.nextSiblingElement(QStringLiteral("item")))
            for (const QString& word :
                 SlipOut::asPrinted(e.attribute(QStringLiteral("description"))).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (!printed.contains(word))
                    QTest::qFail(qPrintable(type + QStringLiteral(" slip lacks ") + word + QLatin1Char('\n') + slip),
                                 __FILE__, __LINE__);
    }
    window->mode_activated(0);
    const QString folder = qEnvironmentVariable("BREVALON_KEEP_OUTPUT");
    if (folder.isEmpty())
        return;
    static int kept = 0;
    QDir().mkpath(folder);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("%1/%2-%3-%4.pdf")
                                  .arg(folder, QString::fromLatin1(QTest::currentTestFunction()))
                                  .arg(++kept)
                                  .arg(window->documentRoot().firstChildElement(QStringLiteral("head"))
                                           .attribute(QStringLiteral("type"))));
    PagePrint::print(&printer, window->pageHtml(), window->view->font(), window->margin(), Qt::black);
}
