// The statement runs: every client owing more than 1.00 gets a statement,
// printed, previewed or e-mailed. An e-mail run writes down each statement
// the mail server took, so that a run broken off (the server gone half
// way, the run cancelled) sends only the rest when it is run again.

#include "core/utility.h"

#include "accounts/runprogress.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "documents/docprint.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>

namespace {

struct Debtor
{
    int account;
    QString name;
    QString email;
};

// Clients owing more than 1.00, in name order: the balance of getBalBF
// (interest included), for all accounts at once.
bool readDebtors(QList<Debtor>* debtors)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral(
            "SELECT Clients.AccountNumber, Clients.Name, Clients.Email, Owed.Balance FROM Clients INNER JOIN "
            "(SELECT AccountNumber, SUM(Amount - Rounding) AS Balance FROM Journal WHERE Description NOT IN "
            "('VR','VI','Q') GROUP BY AccountNumber) AS Owed ON Owed.AccountNumber=Clients.AccountNumber "
            "ORDER BY Clients.Name, Clients.AccountNumber"))) {
        Utility::showDBError(q);
        return false;
    }
    while (q.next()) {
        if (Utility::roundCents(q.value(3).toDouble()) > 1.00)
            debtors->append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString().trimmed()});
    }
    return true;
}

QString monthStart()
{
    const QDate today = ZkClock::today();
    return QDate(today.year(), today.month(), 1).toString(QStringLiteral("yyyy-MM-dd"));
}

// The accounts whose statement an e-mail run handed to the mail server
// this month.
bool readMailed(QSet<int>* mailed)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT AccountNumber FROM StatementMail WHERE MyDate>='%1'").arg(monthStart()))) {
        Utility::showDBError(q);
        return false;
    }
    while (q.next())
        mailed->insert(q.value(0).toInt());
    return true;
}

bool recordMailed(int account, const QString& email)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("INSERT INTO StatementMail (AccountNumber, MyDate, Email) VALUES (%1, '%2', '%3')")
                    .arg(QString::number(account), ZkClock::nowText(), Utility::escapeSQL(email)))) {
        Utility::showDBError(q);
        return false;
    }
    return true;
}

QString named(const Debtor& d)
{
    return QStringLiteral("#%1 %2").arg(d.account).arg(d.name);
}

} // namespace

void Utility::mailStatements()
{
    const QString caption = tr("Mail Statements");
    if (ZkPrompt::question(m_mainWindow, caption,
                           tr("Confirm that you wish to print statements for mailing\nThis may take a few minutes"),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(m_mainWindow, caption, tr("Operation cancelled"));
        return;
    }
    const int mode = ZkPrompt::question(m_mainWindow, tr("Brevalon - Mail Statements"),
                                        tr("Please select the mode for statements"),
                                        {tr("Pre&view"), tr("&Print"), tr("&Email")}, 0);
    const QString modeNames[] = {tr("Preview"), tr("Print"), tr("Email")};
    logAction(caption, modeNames[qBound(0, mode, 2)], QString(), '0');
    runStatements(mode, false);
}

void Utility::emailStatements()
{
    const QString caption = tr("Email Statements");
    if (ZkPrompt::question(m_mainWindow, caption,
                           tr("Confirm that you wish to e-mail statements to every client with an e-mail "
                              "address\nThis may take a few minutes"),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(m_mainWindow, caption, tr("Operation cancelled"));
        return;
    }
    logAction(caption, tr("Email"), QString(), '0');
    runStatements(2, true);
}

void Utility::runStatements(int mode, bool addressed)
{
    const bool email = mode == 2;
    QList<Debtor> debtors;
    QSet<int> mailed;
    if (!readDebtors(&debtors) || (email && !readMailed(&mailed)))
        return;

    const int current = m_account;
    QStringList notSent, noAddress;
    int sent = 0, sentBefore = 0;
    bool stopped = false;
    {
        RunProgress progress(m_mainWindow, tr("Brevalon - Mail Statements"), debtors.size());
        for (int i = 0; i < debtors.size() && !stopped; ++i) {
            const Debtor& d = debtors.at(i);
            if (!progress.step(i, d.name)) {
                stopped = true;
                break;
            }
            if (email && mailed.contains(d.account)) {
                ++sentBefore;
                continue;
            }
            if (addressed && d.email.isEmpty()) {
                noAddress << named(d);
                continue;
            }
            setDetails(d.account);
            const StatementResult result = processStatement(mode);
            if (result == StatementFailed)
                break; // a database failure, shown: the run ends there
            if (!email || result == StatementSkipped)
                continue;
            if (m_docPrint->emailSent()) {
                ++sent;
                if (!recordMailed(d.account, m_docPrint->email()))
                    break;
                continue;
            }
            notSent << named(d);
            if (m_docPrint->emailFailed()
                && ZkPrompt::question(m_mainWindow, tr("Brevalon - Mail Statements"),
                                      tr("The statement of %1 could not be e-mailed.\nGo on with the next "
                                         "clients?")
                                          .arg(named(d)),
                                      {tr("&Go on"), tr("&Stop")}, 0, 1)
                       != 0)
                stopped = true;
        }
    }
    setDetails(current);

    if (email) {
        QString report = tr("Statements e-mailed: %1").arg(sent);
        if (sentBefore > 0)
            report += QLatin1Char('\n') + tr("Already e-mailed this month, not sent again: %1").arg(sentBefore);
        if (!notSent.isEmpty())
            report += QLatin1String("\n\n") + tr("Not e-mailed:") + QLatin1Char('\n') + notSent.join(QLatin1Char('\n'));
        if (!noAddress.isEmpty())
            report += QLatin1String("\n\n") + tr("No e-mail address:") + QLatin1Char('\n')
                      + noAddress.join(QLatin1Char('\n'));
        if (!notSent.isEmpty() || stopped)
            report += QLatin1String("\n\n")
                      + tr("Run the statements by e-mail again to send the rest: those already sent are not "
                           "sent twice.");
        if (notSent.isEmpty() && noAddress.isEmpty() && !stopped)
            ZkPrompt::information(m_mainWindow, tr("Brevalon - Mail Statements"), report);
        else
            ZkPrompt::warning(m_mainWindow, tr("Brevalon - Mail Statements"), report);
    }
    ZkPrompt::information(m_mainWindow, tr("Brevalon - Mail Statements"),
                          stopped ? tr("Operation cancelled") : tr("Operation completed"));
}
