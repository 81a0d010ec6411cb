#include "maintenance/prefs.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"

#include <QSqlQuery>

Prefs::Prefs(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Prefs"));
}

void Prefs::unlockLogin()
{
    if (m_selectedUser.isEmpty())
        return;
    const int answer = ZkPrompt::question(
        this, tr("Unlock User"),
        tr("Confirm that you will unlock user '%1', this will result in their sessions terminating")
            .arg(m_selectedUser),
        QStringList{tr("&Yes"), tr("&No")}, 1, 1);
    if (answer != 0)
        return;
    utils->logAction(tr("Personel"), tr("Unlock user %1").arg(m_selectedUser), QString(), '0');
    // The station where the user works notices the missing row the next
    // time it checks the session, and ends.
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM Login WHERE Name='%1'").arg(Utility::escapeSQL(m_selectedUser))))
        Utility::showDBError(q);
}
