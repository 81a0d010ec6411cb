// Charging a sale to a hotel room or house account: the room is chosen from
// the hotel system's lists before the receipt is written, and the charge is
// sent once the receipt is posted and printed. A charge that the hotel
// system refuses or never confirms leaves the receipt as it is; the cashier
// is told, and the action log keeps it, so that it can be made by hand.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "payments/semperchoice.h"
#include "payments/sempermessages.h"

#include <QSignalBlocker>
#include <QSqlQuery>
#include <QVariant>

bool Sales::chooseRoom(double onAccount, SemperEntry* room)
{
    *room = SemperEntry();
    if (!settings->readBoolEntry(QStringLiteral("/Global/Semper/Enabled")) || Utility::roundCents(onAccount) == 0)
        return true;
    m_semperReply.clear();
    m_semperRequest = SemperMessages::guestRequest();
    semperComms();
    // The hotel system that did not give its guests will not give its
    // accounts either: one failure message is enough.
    if (!m_semperFailed) {
        m_semperRequest = SemperMessages::accountRequest();
        semperComms();
    }
    SemperChoice choice(this);
    choice.populate(m_semperReply);
    ZkPrompt::setWaitCursor(false);
    ZkPrompt::exec(&choice);
    if (choice.getSelection().isEmpty()) {
        // No room, no sale: the charge is taken off and the till waits.
        EFTAmountEdit->clear();
        amountTenderedChanged();
        return false;
    }
    *room = choice.charge();
    return true;
}

void Sales::chargeRoom(const SemperEntry& room, int receipt, double amount)
{
    if (room.text.isEmpty())
        return;
    SemperCharge charge;
    charge.entry = room;
    charge.receipt = receipt;
    charge.amount = amount;
    charge.user = receiptWaiter();
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyDate FROM Receipt WHERE MyNumber=%1").arg(receipt))) {
        Utility::showDBError(q);
    } else if (q.next()) {
        charge.when = ZkDb::dateTime(q.value(0));
    }
    QList<int> invoices;
    if (!q.exec(QStringLiteral("SELECT MyNumber FROM Journal WHERE Description='I' AND CrossRef=%1 ORDER BY MyNumber")
                    .arg(receipt))) {
        Utility::showDBError(q);
    } else {
        while (q.next())
            invoices << q.value(0).toInt();
    }
    q.finish();
    // The hotel books the tax of what it charged: that of the invoices this
    // receipt paid, as their documents give it.
    for (int invoice : invoices) {
        double total = 0, tax1 = 0, tax2 = 0;
        utils->processInvoice(invoice, true, &total, &tax1, &tax2, true);
        charge.tax += tax1 + tax2;
    }

    const QString batch =
        SemperMessages::batch(charge, settings->readBoolEntry(QStringLiteral("/Global/Semper/NewVersion")),
                              settings->readEntry(QStringLiteral("/Global/Semper/Term")));
    m_semperReply.clear();
    m_semperRequest = batch;
    semperComms();
    const bool refused = SemperMessages::refused(m_semperReply);
    if (refused)
        ZkPrompt::critical(this, QStringLiteral("Brevalon"), tr("Semper Interface failure, please contact support"));
    // Nothing back at all confirms nothing either.
    if (!refused && !m_semperFailed && !m_semperReply.trimmed().isEmpty())
        return;

    const QString what = tr("Rec #%1: %2 to %3").arg(QString::number(receipt), Utility::numStr(amount, 2), room.text);
    qWarning("room charge not made: %s; batch %s", qPrintable(what), qPrintable(batch));
    utils->logAction(tr("Room Charge Failed"), what, QString(), '2');
    ZkPrompt::warning(this, tr("Brevalon - Receipt"),
                      tr("Receipt #%1 is posted, but the hotel system did not take its charge of %2 to %3.\n\n"
                         "Check the hotel system and make the charge there by hand.")
                          .arg(QString::number(receipt), Utility::numStr(amount, 2), room.text));
}
