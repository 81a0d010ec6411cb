// Interest on arrears: one charge per account and month, replaced when the
// month's interest is worked out again.

#include "core/utility.h"

#include "accounts/ageing.h"
#include "core/zkclock.h"
#include "core/zktransaction.h"

#include <QSqlQuery>

bool Utility::processInterest()
{
    if (m_account < 0)
        return true;
    const QDate today = ZkClock::today();
    const QDate charged(today.year(), today.month(), today.daysInMonth());
    Ageing aged;
    if (!AccountAgeing::read(m_account, charged, AccountAgeing::invoiceDebits(), &aged))
        return false;
    if (!aged.anyOwing())
        return true;
    const InterestCharge c = AccountAgeing::interest(aged, m_info.arrearsInterest / 100.0);

    const QString day = charged.toString(QStringLiteral("yyyy-MM-dd"));
    const QString nextDay = charged.addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
    auto money = [](double v) { return QString::number(v + 0.0, 'f', 2); };
    const QStringList statements{
        QStringLiteral("DELETE FROM Interest WHERE AccountNumber=%1 AND MyDate='%2'").arg(m_account).arg(day),
        QStringLiteral("INSERT INTO Interest (AccountNumber, MyDate, D30, D60, D90, D120) VALUES (%1, '%2', %3, %4, "
                       "%5, %6)")
            .arg(QString::number(m_account), day, money(c.d30), money(c.d60), money(c.d90), money(c.d120)),
        // A range, whatever time of the day the charge was stored with.
        QStringLiteral("DELETE FROM Journal WHERE AccountNumber=%1 AND Description='IA' AND MyDate>='%2' AND "
                       "MyDate<'%3'")
            .arg(QString::number(m_account), day, nextDay),
        QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, MyNumber, Status) VALUES "
                       "(%1, 'IA', '%2 00:00:00', %3, 0, 'C')")
            .arg(QString::number(m_account), day, money(c.total())),
    };
    // The month's charge worked out again comes to the same more often
    // than not (a statement run after a preview run): then there is
    // nothing to replace.
    QSqlQuery same;
    if (!same.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM Interest WHERE AccountNumber=%1 AND MyDate='%2' AND "
                                  "D30=%3 AND D60=%4 AND D90=%5 AND D120=%6), (SELECT COUNT(*) FROM Interest WHERE "
                                  "AccountNumber=%1 AND MyDate='%2'), (SELECT COUNT(*) FROM Journal WHERE "
                                  "AccountNumber=%1 AND Description='IA' AND MyDate>='%2' AND MyDate<'%7' AND "
                                  "Amount=%8), (SELECT COUNT(*) FROM Journal WHERE AccountNumber=%1 AND "
                                  "Description='IA' AND MyDate>='%2' AND MyDate<'%7')")
                       .arg(QString::number(m_account), day, money(c.d30), money(c.d60), money(c.d90), money(c.d120),
                            nextDay, money(c.total())))) {
        showDBError(same);
        return false;
    }
    const bool unchanged = same.next() && same.value(0).toInt() == 1 && same.value(1).toInt() == 1
        && same.value(2).toInt() == 1 && same.value(3).toInt() == 1;
    same.finish();
    if (unchanged)
        return true;

    ZkTransaction unit;
    if (!unit.isOpen())
        return false;
    for (const QString& sql : statements) {
        QSqlQuery q;
        if (!q.exec(sql)) {
            showDBError(q);
            return false;
        }
    }
    return unit.commit();
}
