#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/numentry.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QWidget>
#include <QVariant>

namespace {

const char* const kNobody = "noone";
const char* const kAdmin = "Admin";

// Three wrong codes in a row are a typing slip; after that each try waits,
// twice as long after each further wrong code, up to a minute: the 10 000
// four-digit codes then take days to try instead of seconds.
constexpr int kFreeTries = 3;
constexpr int kFirstWait = 5;
constexpr int kLongestWait = 60;

} // namespace

int Utility::loginDelay() const
{
    if (m_failedLogins < kFreeTries)
        return 0;
    int wait = kFirstWait;
    for (int i = kFreeTries; i < m_failedLogins && wait < kLongestWait; ++i)
        wait *= 2;
    return qMin(wait, kLongestWait);
}

bool Utility::findCode(const QString& columns, const QString& code, QSqlQuery* q)
{
    // A server may compare "1111 " equal to "1111" (trailing blanks pad);
    // a code is valid only as stored, character for character.
    if (code.isEmpty() || code != code.trimmed())
        return false;
    if (!q->exec(QStringLiteral("SELECT Code, %1 FROM Personel WHERE Code='%2'").arg(columns, escapeSQL(code)))) {
        showDBError(*q);
        return false;
    }
    while (q->next()) {
        if (q->value(0).toString() == code)
            return true;
    }
    return false;
}

bool Utility::validateLoginId()
{
    poleDisplay(tr("Till Closed"), QStringLiteral("Brevalon ") + QLatin1String(BREVALON_VERSION));
    m_userName = QLatin1String(kNobody);
    // A closed till has no sale, so no waiter either; the login row must
    // carry the user who logs in, not the last sale's waiter.
    m_waiter.clear();

    if (const int wait = loginDelay()) {
        if (m_mainWindow)
            m_mainWindow->setWindowTitle(tr("Brevalon - Too many wrong codes: wait %1 seconds").arg(wait));
        ZkClock::sleepSeconds(wait);
    }
    QString code;
    {
        NumEntry keypad(m_mainWindow, "NumEntry", true);
        keypad.setMode(NumEntry::WaiterCode);
        keypad.setWindowTitle(tr("Brevalon - Login"));
        const int result = ZkPrompt::exec(&keypad);
        code = keypad.getValue();
        if (result != QDialog::Accepted || code.isEmpty()) {
            logAction(tr("Login"), tr("Cancel or blank ID"), tr("Failed"), '2');
            return false;
        }
    }

    QSqlQuery q;
    if (!findCode(QStringLiteral("Name"), code, &q)) {
        if (q.lastError().type() != QSqlError::NoError)
            return false; // shown
        ++m_failedLogins;
        // The code typed is not kept: the log is read by more people than
        // the codes are meant for. Its length is enough to see a slip.
        logAction(tr("Login"), tr("Tried login %1").arg(QString(code.size(), QLatin1Char('*'))), tr("Failed"),
                  '2');
        return false;
    }
    QString name = q.value(1).toString();
    q.finish();

    // The administrator may work at several stations at once.
    const bool admin = name == QLatin1String(kAdmin);
    if (!admin && !claimSession(name))
        return false;
    // From here a failure gives the session up again.
    auto fail = [&]() {
        if (!admin)
            releaseSession(name);
        m_userName = QLatin1String(kNobody);
        return false;
    };

    // The user may have been deleted at another station meanwhile.
    if (!findCode(QStringLiteral("Name, SP, CashAcc"), code, &q))
        return fail();
    const QString initials = q.value(2).toString();
    m_userCashAccount = q.value(3).toInt();

    if (!admin) {
        settings->writeEntry(QStringLiteral("/Volatile/Initials"), initials);
        if (!q.exec(QStringLiteral("SELECT Name from Clients WHERE AccountNumber='%1'").arg(m_userCashAccount))) {
            showDBError(q);
            return fail();
        }
        if (q.next())
            settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/CashAcc/"), name),
                                 q.value(0).toString());
    }
    q.finish();

    m_userName = name;
    m_failedLogins = 0;
    logAction(tr("Login"), QString(), QString(), '0');
    // Tax rates, rounding, footers, the log switch and the ports may have
    // changed at another station since this one started.
    initClass(true);
    return true;
}

bool Utility::claimSession(const QString& name)
{
    // The insert decides: Login.Name is unique, so of two tills logging the
    // same user in at once exactly one gets the row.
    const QString insert = QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', '%3')")
                               .arg(escapeSQL(name), escapeSQL(m_hostName), escapeSQL(m_stationId));
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlQuery claim;
        if (claim.exec(insert))
            return true;
        QSqlQuery q;
        // No row in the way: the insert failed for a reason of its own.
        if (!q.exec(QStringLiteral("SELECT Host, Station FROM Login WHERE Name='%1'").arg(escapeSQL(name)))
            || !q.next()) {
            showDBError(claim);
            return false;
        }
        const QString host = q.value(0).toString();
        const QString station = q.value(1).toString();
        q.finish();
        if (station != m_stationId || attempt > 0) {
            const QString warning = tr("%1 currently running on to %2").arg(name, host);
            ZkPrompt::warning(m_mainWindow, tr("Brevalon Error"), warning);
            logAction(tr("Login"), warning, tr("Failed"), '2');
            return false;
        }
        // Only a crash or a power failure leaves a session behind here.
        const int answer = ZkPrompt::question(
            m_mainWindow, QStringLiteral("Brevalon"),
            tr("<font color=\"red\"><b>%1 is currently shown as running on this terminal.</b></font>"
               "<p>It is possible you have experienced a power failure or system crash. You can "
               "recover from this, but be warned ...<br><font color=\"red\" size=+1>Any running "
               "session will terminate</font><p>Would you like to recover ?")
                .arg(name),
            QStringList{tr("&Yes"), tr("&No")}, 1, 1);
        if (answer != 0)
            return false;
        if (!q.exec(QStringLiteral("DELETE FROM Login WHERE Name='%1' AND Station='%2'")
                        .arg(escapeSQL(name), escapeSQL(m_stationId)))) {
            showDBError(q);
            return false;
        }
        ZkPrompt::information(m_mainWindow, QStringLiteral("Brevalon"), tr("Old session for %1 cleared").arg(name));
        initClass(true);
        // Claimed again below; another till may have been quicker.
    }
    return false;
}

void Utility::releaseSession(const QString& name)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM Login WHERE Name='%1' AND Station='%2'")
                    .arg(escapeSQL(name), escapeSQL(m_stationId))))
        showDBError(q);
}
