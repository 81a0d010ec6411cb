#include "core/utility.h"

#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "documents/docwriter.h"
#include "posting/documenthead.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// The six tenders of a receipt row, in column order.
struct Tenders
{
    double cash = 0, card = 0, cheque = 0, coupon = 0, eft = 0, badDebt = 0;
    double total() const { return Utility::roundCents(cash + card + cheque + coupon + eft + badDebt); }
};

Tenders tendersAt(const QSqlQuery& q, int first)
{
    Tenders t;
    t.cash = q.value(first).toDouble();
    t.card = q.value(first + 1).toDouble();
    t.cheque = q.value(first + 2).toDouble();
    t.coupon = q.value(first + 3).toDouble();
    t.eft = q.value(first + 4).toDouble();
    t.badDebt = q.value(first + 5).toDouble();
    return t;
}

} // namespace

QString Utility::buildReceipt(int number, bool firstPrint, double tendered, double change, double tip)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT MyDate, AccountNumber, CashAmount, CardAmount, ChequeAmount, "
                               "CouponAmount, EFTAmount, BadDebtAmount, PayRef, Tendered, ChangeDue, Balance, "
                               "Email, TipAmount, Waiter FROM Receipt WHERE MyNumber=%1")
                    .arg(number))) {
        showDBError(q);
        return QString();
    }
    if (!q.next()) {
        qWarning("can't locate receipt # %d", number);
        return QString();
    }
    const QDateTime when = ZkDb::dateTime(q.value(0));
    const int account = q.value(1).toInt();
    const Tenders paid = tendersAt(q, 2);
    const QString payRef = q.value(8).toString();
    const QString storedEmail = q.value(12).toString();
    const QString cashier = q.value(14).toString();
    double balance = 0;
    if (firstPrint) {
        balance = getBalBF(account, true);
    } else {
        tendered = q.value(9).toDouble();
        change = q.value(10).toDouble();
        balance = q.value(11).toDouble();
        tip = q.value(13).toDouble();
    }

    DocumentClient client;
    bool found = false;
    if (!DocumentHead::readClient(account, false, &client, &found))
        return QString();
    if (!found) {
        qWarning("can't locate the client %d of receipt # %d", account, number);
        return QString();
    }

    DocWriter doc;
    DocumentHead::write(doc, roundCents(paid.cash + tip) >= 0 ? QStringLiteral("receipt") : QStringLiteral("refund"),
                        QStringLiteral("Receipt"), QStringLiteral("/ReceiptPrinter"), number, when, account, client,
                        firstPrint ? client.email : storedEmail, m_info);
    doc.printMoment();
    if (firstPrint && settings->readEntry(QStringLiteral("/ReceiptPrinter/Preview")) != QLatin1String("ON"))
        doc.raw("auto", QStringLiteral("print"));

    auto payment = [&doc](const QString& description, double amount) {
        doc.open("item").text("description", description).money("payment", amount);
    };
    if (paid.total() < 0)
        payment(tr("Refund"), paid.total());
    if (roundCents(paid.cash) > 0)
        payment(tr("Payment - Thank you"), paid.cash);
    if (roundCents(paid.card) > 0)
        payment(tr("C/Card Payment - Thank you"), paid.card);
    if (roundCents(paid.cheque) > 0)
        payment(tr("Cheque Payment - Thank you"), paid.cheque);
    if (roundCents(paid.coupon) > 0)
        payment(tr("Coupon Payment - Thank you"), paid.coupon);
    if (roundCents(paid.eft) > 0)
        payment(settings->readBoolEntry(QStringLiteral("/Global/Semper/Enabled")) ? tr("On Account - Thank you")
                                                                                 : tr("EFT Payment - Thank you"),
                paid.eft);
    if (roundCents(paid.badDebt) > 0)
        payment(tr("<b>Bad Debt Write Off</b>"), paid.badDebt);
    if (!payRef.isEmpty())
        doc.open("item").raw("description", tr("Ref: %1").arg(escapeXML(payRef))).raw("payment", QString());

    double outstanding = firstPrint ? balance - paid.total() : balance;
    if (account == 1 || account == getCashAccountNumber())
        outstanding = 0; // cash sales carry no running balance
    doc.open("tail")
        .money("tip", tip)
        .money("tender", tendered)
        .money("change", change)
        .money("outstanding", outstanding)
        .raw("firstprint", firstPrint ? QStringLiteral("true") : QStringLiteral("false"))
        .text("recfoot", m_info.recFooter)
        .text("cashier", cashier)
        .dates(when);

    if (firstPrint)
        poleDisplay(tr("Tendered %1").arg(numStr(tendered, 2)), tr("Change due %2").arg(numStr(change - tip, 2)));
    return doc.finish();
}

bool Utility::showDocument(const QString& document, bool viewOnly)
{
    ZkPrompt::setWaitCursor(false);
    m_docPrint->parseXml(document);
    return m_docPrint->exec(viewOnly) == 1;
}

bool Utility::processReceipt(int number, bool firstPrint, double tendered, double change, double tip, bool semper)
{
    ZkPrompt::setWaitCursor(true);
    const QString document = buildReceipt(number, firstPrint, tendered, change, tip);
    if (document.isEmpty()) {
        ZkPrompt::setWaitCursor(false);
        return false;
    }
    const bool show = settings->readBoolEntry(QStringLiteral("/Global/PrintReceipt")) || !(firstPrint || semper);
    const bool accepted = !show || showDocument(document, false);
    ZkPrompt::setWaitCursor(false);

    QSqlQuery q;
    if (!accepted) {
        // A cancelled sale leaves no receipt behind.
        if (firstPrint && !q.exec(QStringLiteral("DELETE FROM Receipt WHERE MyNumber=%1").arg(number)))
            showDBError(q);
        return false;
    }
    if (!firstPrint)
        return false;

    // A receipt posted without the window was not e-mailed; the window
    // still holds the address of the document it showed last.
    const QString email = show ? m_docPrint->email() : QString();
    if (!q.exec(QStringLiteral("UPDATE Receipt SET Email='") + escapeSQL(email)
                + QStringLiteral("' WHERE MyNumber=%1").arg(number))) {
        showDBError(q);
        return false;
    }
    if (!q.exec(QStringLiteral("SELECT MyDate, AccountNumber, CashAmount, CardAmount, ChequeAmount, CouponAmount, "
                               "EFTAmount, BadDebtAmount, TipAmount FROM Receipt WHERE MyNumber=%1")
                    .arg(number))) {
        showDBError(q);
        return false;
    }
    if (!q.next())
        return true;
    // Posting the same receipt again (a redo after a failure) must not
    // count the money twice.
    QSqlQuery posted;
    if (!posted.exec(QStringLiteral("SELECT COUNT(*) FROM Journal WHERE MyNumber=%1 AND Description IN ('R','VR')")
                         .arg(number))) {
        showDBError(posted);
        return false;
    }
    if (posted.next() && posted.value(0).toInt() > 0)
        return true;
    const Tenders paid = tendersAt(q, 2);
    QSqlQuery post;
    if (!post.exec(QStringLiteral("INSERT INTO Journal (AccountNumber, Description, MyDate, Amount, TipAmount, "
                                  "MyNumber) VALUES (%1, 'R', '%2', %3, %4, %5)")
                       .arg(QString::number(q.value(1).toInt()), escapeSQL(ZkDb::dateTimeText(q.value(0))),
                            QString::number(-paid.total() + 0.0, 'f', 2),
                            QString::number(q.value(8).toDouble(), 'f', 2), QString::number(number))))
        showDBError(post);
    return true;
}

QString Utility::askVoidReason(const QString& caption, const QString& prompt, const QString& refusal)
{
    for (;;) {
        bool ok = false;
        const QString reason = ZkPrompt::getText(m_mainWindow, caption, prompt, QString(), &ok);
        if (!ok) {
            ZkPrompt::information(m_mainWindow, caption, tr("Operation cancelled"));
            return QString();
        }
        if (!reason.trimmed().isEmpty())
            return reason;
        ZkPrompt::warning(m_mainWindow, caption, refusal);
    }
}

bool Utility::recordVoid(const QString& reason, char docType, int number)
{
    QSqlQuery q;
    // One arg() call: a reason that holds "%3" stays as it was typed.
    if (!q.exec(QStringLiteral("INSERT INTO Voids (Reason, DocType, Number, MyDate, Who) VALUES ('%1', '%2', %3, "
                               "'%4', '%5')")
                    .arg(escapeSQL(reason), QString(QLatin1Char(docType)), QString::number(number),
                         ZkClock::todayText(), escapeSQL(getWaiter()))))
        return !showDBError(q);
    return true;
}

bool Utility::alreadyVoided(char docType, int number, const QString& caption, const QString& text)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Voids WHERE DocType='%1' AND Number=%2")
                    .arg(QString(QLatin1Char(docType)), QString::number(number)))) {
        showDBError(q);
        return true;
    }
    if (!q.next() || q.value(0).toInt() == 0)
        return false;
    ZkPrompt::information(m_mainWindow, caption, text);
    return true;
}

bool Utility::voidReceipt(int number)
{
    const QString caption = tr("Void Receipt");
    if (alreadyVoided('R', number, caption, tr("Receipt # %1 has already been voided").arg(number)))
        return false;
    const QString reason = askVoidReason(caption, tr("Enter the reason why you will void receipt number %1").arg(number),
                                         tr("You must give a reason you are trying to void this Receipt"));
    if (reason.isEmpty())
        return false;
    logAction(tr("Void Receipt"), tr("Acc: %1").arg(getAccountNumber()), tr("Rec #: %1").arg(number), '0');
    QSqlQuery q;
    // A cash-up may have archived the receipt and the invoices it paid.
    for (const char* table : {"Journal", "JournalArchive"}) {
        if (!q.exec(QStringLiteral("UPDATE %1 SET Description='VR' WHERE MyNumber=%2 AND Description='R'")
                        .arg(QLatin1String(table))
                        .arg(number))
            && showDBError(q))
            return false;
        if (!q.exec(QStringLiteral("UPDATE %1 SET CrossRef=0 WHERE CrossRef=%2 AND Description='I'")
                        .arg(QLatin1String(table))
                        .arg(number))
            && showDBError(q))
            return false;
    }
    return recordVoid(reason, 'R', number);
}
