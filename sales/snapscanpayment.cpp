// A QR payment: the patron paid the invoice through the payment service by
// scanning the code on it; the till asks the service whether that invoice
// is paid, with what total and tip, and when it is, tenders it and takes the
// receipt as any other payment. Anything short of a payment leaves the sale
// as it was.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "payments/snapscan.h"

#include <QSignalBlocker>

namespace {

double amountIn(const QLineEdit* field)
{
    return Utility::roundCents(Utility::strNum(field->text()));
}

/** What the cashier is told when @p reply is no payment; empty when it is one. */
QString refusal(const SnapScanReply& reply, int invoice)
{
    switch (reply.outcome) {
    case SnapScanReply::Completed:
        return QString();
    case SnapScanReply::NoCurl:
        return Sales::tr("Could not initialise curl");
    case SnapScanReply::Unreachable:
        if (reply.timedOut)
            return Sales::tr("SnapScan did not answer within %1 seconds, payment not verified")
                .arg(double(SnapScan::timeout().count()) / 1000.0);
        return Sales::tr("SnapScan could not be reached, payment not verified:\n%1").arg(reply.error);
    case SnapScanReply::MerchantWrong:
        return Sales::tr("SnapScan your Merchant information is incorrect\nPlease check preferences");
    case SnapScanReply::NotPaid:
        return Sales::tr("SnapScan Invoice (%1) not yet paid").arg(invoice);
    case SnapScanReply::Unreadable:
        return Sales::tr("SnapScan Communication Error, payment not verified (%1)").arg(reply.httpCode);
    case SnapScanReply::Pending:
        return Sales::tr("SnapScan payment pending please try again shortly");
    case SnapScanReply::Failed:
        return Sales::tr("SnapScan payment failed, please try again shortly");
    case SnapScanReply::BadAmounts:
        return Sales::tr("SnapScan reply refused, payment not verified: the amounts paid and required (%1) are not "
                         "a payment")
            .arg(reply.error);
    }
    return QString();
}

} // namespace

void Sales::snapScanPayment()
{
    const QList<QTreeWidgetItem*> picked = PayListView->selectedItems();
    if (amountIn(CurBalEdit) <= 0) {
        ZkPrompt::information(this, tr("Notice"), tr("No outstanding payments"));
        return;
    }
    if (picked.isEmpty()) {
        ZkPrompt::information(this, tr("Notice"), tr("No invoice selected for payment"));
        return;
    }
    // The service verifies one invoice: the payment is for it alone, with
    // nothing else tendered beside it.
    QTreeWidgetItem* row = picked.first();
    const int invoice = row->text(0).toInt();
    if (picked.size() > 1 || amountIn(TipAmountEdit) != 0 || amountIn(CashAmountEdit) != 0
        || amountIn(CardAmountEdit) != 0 || amountIn(ChequeAmountEdit) != 0 || amountIn(CouponAmountEdit) != 0
        || amountIn(EFTAmountEdit) != 0) {
        PayListView->clearSelection();
        row->setSelected(true);
        payInvChanged();
        amountTenderedChanged();
    }

    setStatus(tr("Processing SnapScan payment for Invoice #%1").arg(invoice));
    ZkPrompt::setWaitCursor(true);
    const SnapScanReply reply = SnapScan::verify(settings->readEntry(QStringLiteral("/Global/SnapScan/Host")),
                                                 settings->readEntry(QStringLiteral("/Global/SnapScan/MerchantId")),
                                                 invoice);
    ZkPrompt::setWaitCursor(false);
    QString problem = refusal(reply, invoice);
    const double due = amountIn(CurBalEdit);
    if (problem.isEmpty() && Utility::roundCents(reply.requiredCents / 100) != due) {
        problem = tr("SnapScan Invoice (%1) was paid for %2, but %3 is due: payment not taken")
                      .arg(QString::number(invoice), Utility::numStr(reply.requiredCents / 100, 2),
                           Utility::numStr(due, 2));
    }
    if (!problem.isEmpty()) {
        setStatus(QString());
        ZkPrompt::warning(this, tr("Error"), problem);
        return;
    }

    const double total = reply.totalCents / 100;
    const double tip = reply.tipCents() / 100;
    {
        const QSignalBlocker blocker(TipAmountEdit);
        TipAmountEdit->setText(Utility::numStr(tip, 2));
    }
    CardAmountEdit->setText(Utility::numStr(total, 2));
    // The authorisation goes on the receipt as its reference, unless the
    // cashier gave one; only what prints and stores as text.
    QString auth;
    for (const QChar c : reply.authCode.left(64)) {
        if (c.isPrint())
            auth += c;
    }
    if (PayRefEdit->text().trimmed().isEmpty())
        PayRefEdit->setText(tr("SnapScan %1").arg(auth));
    setStatus(tr("SnapScan Auth: %1").arg(auth));
    amountTenderedChanged();
    if (tip != 0) {
        ZkPrompt::information(this, utils->getWaiter(),
                              tr("Patron left %1 (%2%) tip via SnapScan")
                                  .arg(Utility::numStr(tip, 2), Utility::numStr(100 * tip / total, 2)));
    }
    processReceipt();
}
