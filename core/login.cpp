#include "core/utility.h"

#include "core/globals.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/numentry.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const kNobody = "noone";
const char* const kAdmin = "Admin";

} // namespace

bool Utility::validateLoginId()
{
    poleDisplay(tr("Till Closed"), QStringLiteral("Brevalon ") + QLatin1String(BREVALON_VERSION));
    m_userName = QLatin1String(kNobody);
    // A closed till has no sale, so no waiter either; the login row must
    // carry the user who logs in, not the last sale's waiter.
    m_waiter.clear();

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

    const QString byCode = QLatin1String(" FROM Personel WHERE Code='") + escapeSQL(code) + QLatin1Char('\'');
    QSqlQuery q;
    if (!q.exec(QLatin1String("SELECT Name") + byCode)) {
        showDBError(q);
        return false;
    }
    if (!q.next()) {
        logAction(tr("Login"), tr("Tried login %1").arg(code), tr("Failed"), '2');
        return false;
    }
    QString name = q.value(0).toString();
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

    if (!q.exec(QLatin1String("SELECT Name, SP, CashAcc") + byCode)) {
        showDBError(q);
        return fail();
    }
    // The user may have been deleted at another station meanwhile.
    if (!q.next())
        return fail();
    const QString initials = q.value(1).toString();
    m_userCashAccount = q.value(2).toInt();

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

    m_userName = name;
    logAction(tr("Login"), QString(), QString(), '0');
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
