#include "tests/endofday/endofdayshop.h"

#include "core/globals.h"
#include "core/utility.h"
#include "documents/docprint.h"

#include <QTest>

namespace {

using L = EndOfDayShop::Line;
using P = EndOfDayShop::Paid;

// A value as the reader sees it: the document window keeps the document's
// entities in its attributes.
QString asRead(QString value)
{
    value.replace(QLatin1String("&apos;"), QLatin1String("'")).replace(QLatin1String("&quot;"), QLatin1String("\""));
    return value.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QString money(double v)
{
    return QString::number(v, 'f', 2);
}

void journal(int account, const QString& code, const QString& when, double amount, double rounding, double tip,
    int number)
{
    TestShop::exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, "
                                  "TipAmount, MyNumber, Status, CrossRef) VALUES (%1, '%2', '%3', %4, %5, %6, %7, ' ', 0)")
                       .arg(QString::number(account), code, when, money(amount), money(rounding), money(tip),
                           QString::number(number)));
}

} // namespace

void EndOfDayShop::document(int number, int account, const QString& code, const QList<Line>& lines,
    double rounding, const QString& when, const QString& waiter, const QString& status)
{
    exec(QStringLiteral("INSERT INTO Invoice (MyNumber, MyDate, AccountNumber, Status, Tax1, Tax2, Waiter) VALUES "
                        "(%1, '%2', %3, '%4', 0.15, 0.02, '%5')")
             .arg(QString::number(number), when, QString::number(account), status, waiter));
    double total = 0;
    for (const Line& l : lines) {
        exec(QStringLiteral("INSERT INTO InvoiceItem (MyDate, InvoiceNumber, SP, Quantity, Category, Department, "
                            "Code, UnitOfMeasure, Price, Cost, Discount, Description, Tax1, Tax2, SerialNo, "
                            "Returnable, DTR, Printed, CashUp) VALUES ('%1', %2, 'MM', %3, 'Inventory', '%4', "
                            "'X', 'EACH', %5, %6, 0, '%7', '%8', '%9', '', 'N', 0, 0, 0)")
                 .arg(when, QString::number(number), QString::number(l.quantity, 'f', 3), l.department,
                     money(l.price), money(l.cost), l.description, l.tax1, l.tax2));
        total += l.price;
    }
    if (!code.isEmpty())
        journal(account, code, when, total, rounding, 0, number);
}

void EndOfDayShop::receipt(int number, int account, const Paid& p, const QList<int>& pays,
    const QString& when, const QString& waiter)
{
    exec(QStringLiteral("INSERT INTO Receipt (MyNumber, MyDate, AccountNumber, CashAmount, CardAmount, ChequeAmount, "
                        "CouponAmount, EFTAmount, BadDebtAmount, TipAmount, Waiter) VALUES (%1, '%2', %3, %4, %5, "
                        "%6, %7, %8, %9, %10, '%11')")
             .arg(QString::number(number), when, QString::number(account), money(p.cash), money(p.card),
                 money(p.cheque), money(p.coupon), money(p.eft), money(p.badDebt))
             .arg(money(p.tip), waiter));
    journal(account, "R", when, -(p.cash + p.card + p.cheque + p.coupon + p.eft + p.badDebt), 0, p.tip, number);
    for (int invoice : pays)
        exec(QStringLiteral("UPDATE Journal SET CrossRef=%1 WHERE Description='I' AND MyNumber=%2")
                 .arg(number)
                 .arg(invoice));
}

void EndOfDayShop::expectReports(int count, QList<DocParts>* shown, QList<Paper>* papers)
{
    for (int i = 0; i < count; ++i)
        prompts().expectExec(QStringLiteral("DocPrint"), [shown, papers](QDialog* d) {
            auto* window = static_cast<DocPrint*>(d);
            shown->append(DocParts::fromRoot(window->documentRoot()));
            if (papers)
                papers->append(Paper::of(window, Paper::canReadPages()));
            return 1;
        });
}

QStringList EndOfDayShop::paperFaults(const QList<Paper>& papers, const QStringList& shown)
{
    QStringList wrong;
    if (papers.size() != shown.size())
        wrong << QStringLiteral("%1 reports on paper").arg(papers.size());
    for (int i = 0; i < qMin(papers.size(), shown.size()); ++i)
        wrong << papers.at(i).faults(shown.at(i).split(QLatin1Char('|')));
    return wrong;
}

QList<DocParts> EndOfDayShop::cashUp(bool process, bool pending, QList<Paper>* papers)
{
    const QString caption = QStringLiteral("Brevalon - Cash Up");
    if (pending)
        prompts().expect(ZkPrompt::Question, caption, QStringLiteral("There are pending orders"), 0);
    prompts().expect(
        ZkPrompt::Question, caption, QStringLiteral("Please select the mode for cash up"), process ? 0 : 1);
    QList<DocParts> shown;
    expectReports(5, &shown, papers);
    utils->cashUp();
    if (!prompts().done())
        QTest::qFail(qPrintable(QStringLiteral("the cash-up did not ask: ") + prompts().pending()), __FILE__,
            __LINE__);
    return shown;
}

QStringList EndOfDayShop::rows(const DocParts& doc, const QStringList& fields)
{
    QStringList out;
    for (const DocElement& item : doc.items) {
        QStringList values;
        for (const QString& field : fields)
            values << asRead(item[field]);
        out << values.join(QLatin1String(" | "));
    }
    return out;
}

QString EndOfDayShop::tail(const DocParts& doc, const QStringList& fields)
{
    QStringList values;
    for (const QString& field : fields)
        values << asRead(doc.tail[field]);
    return values.join(QLatin1String(" | "));
}

void EndOfDayShop::tradeOneDay()
{
    // O'Brien's lunch of an earlier day, counted by the last cash-up.
    document(900, kObrien, "I", { L { "LUNCH", 1, 50.00, 20.00 } }, 0, "2026-12-01 13:00:00");
    exec("UPDATE Journal SET Status='P'");
    exec("UPDATE InvoiceItem SET CashUp=1");

    document(101, kCash, "I",
        { L { "FLAT WHITE", 2, 46.00, 12.00, "Y", "N", "HOT DRINKS" },
            L { "BURGER", 1, 115.00, 40.00, "Y", "Y", "MAINS" } });
    document(102, kBayside, "I", { L { "CATERING PLATTER", 1, 230.00, 100.00, "Y", "N", "DELI" } });
    document(103, kCash, "RF", { L { "RET: FLAT WHITE", -1, -23.00, -6.00, "Y", "N", "HOT DRINKS" } });
    document(104, kObrien, "Q", { L { "GIFT HAMPER", 1, 50.00, 30.00 } });
    document(105, kCash, "VI", { L { "CAKE", 1, 40.00, 10.00, "Y", "N", "DESSERTS" } });
    document(106, kCash, "I", { L { "SALAD", 1, 57.03, 20.00, "N", "N", "STARTERS" } }, 0.03);
    document(107, -1, "I", { L { "WATER", 1, 10.00, 2.00, "Y", "N", "DRINKS" } });
    document(108, kTable1 + 2, QString(), { L { "CHIPS", 1.5, 30.00, 9.00 } }, 0, noon(), "JOHN", "P");
    exec("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, Rounding, TipAmount, MyNumber, "
         "Status, CrossRef) VALUES (14, 'IA', '2026-12-05 08:00:00', 12.34, 0, 0, 0, ' ', 0)");

    receipt(201, kCash, P { 50.00, 0, 0, 10.00 }, { 101 });
    receipt(202, kCash, P { 0, 135.00, 0, 0, 0, 0, 5.00 }, { 106 });
    receipt(203, kBayside, P { 0, 0, 100.00 });
    receipt(204, kObrien, P { 20.00 });
    exec("UPDATE Journal SET Description='VR' WHERE MyNumber=204 AND Description='R'");
    receipt(205, kObrien, P { 0, 0, 0, 0, 30.00, 20.00 }, { 900 });
    receipt(206, -1, P { 0, 10.00 }, { 107 });
}
