#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

/** One entry of the room-charge choice: a guest's room or a house account. */
struct SemperEntry
{
    QString text;         ///< "room,folio,name" or "code,name", as offered
    bool account = false; ///< from the account list, not the guest list
};

/** A charge to post to the hotel system for a receipt. */
struct SemperCharge
{
    SemperEntry entry;
    QDateTime when; ///< the receipt's date and time
    int receipt = 0;
    double amount = 0; ///< what was charged ("On Acc")
    double tax = 0;    ///< the tax of the invoices the receipt paid
    QString user;      ///< the waiter, or the operator where there are none
};

/**
 * The texts the till and the hotel system exchange over their TCP link:
 * the requests for the guest and account lists, the entries a reply of those
 * lists offers, and the batch that posts a charge, in the link's newer
 * ("<BATCH>") and older form.
 */
class SemperMessages
{
public:
    static QString guestRequest() { return QStringLiteral("<GST><EOF>"); }
    static QString accountRequest() { return QStringLiteral("<ACC><EOF>"); }

    /** The entries that a reply holding the guest and the account lists
     *  offers: the guests in the house, then the accounts, in their order. */
    static QList<SemperEntry> entries(const QString& reply);

    /** The batch posting @p charge. @p terminal is the till's code at the
     *  hotel system; empty gives "0101". */
    static QString batch(const SemperCharge& charge, bool newVersion, const QString& terminal);

    /** True when the hotel system refused what it was sent. */
    static bool refused(const QString& reply) { return reply.contains(QLatin1String("FALSE")); }
};
