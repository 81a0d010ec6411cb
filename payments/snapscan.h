#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstddef>

/** What the payment service said about one invoice. */
struct SnapScanReply
{
    enum Outcome {
        NoCurl,        ///< libcurl could not be initialised
        Unreachable,   ///< no answer: connection, certificate or time-out (see error)
        MerchantWrong, ///< 400: the merchant is not known
        NotPaid,       ///< 404: no payment for the invoice yet
        Unreadable,    ///< not JSON, not 200, or a reply lacking what a payment needs
        Pending,
        Failed,
        BadAmounts,    ///< amounts that cannot be a payment
        Completed
    };
    Outcome outcome = Unreadable;
    long httpCode = 0;
    QString error;        ///< what went wrong on the way, for Unreachable
    bool timedOut = false;
    double totalCents = 0;    ///< what the patron paid, tip included
    double requiredCents = 0; ///< what the invoice asked for
    QString authCode;

    double tipCents() const { return totalCents - requiredCents; }
};

/**
 * Asks the QR payment service whether an invoice was paid: one HTTPS GET
 * over libcurl, blocking, with the peer's certificate verified. The
 * environment variable BREVALON_SNAPSCAN_CA_FILE may name a CA file trusted
 * besides the system's (a local stand-in's); production leaves it unset.
 */
class SnapScan
{
public:
    /** The address asked, in two parts: "https://<host>/snapscan/verify"
     *  and "?merchant=<merchant>&id=<invoice>". */
    static QString verifyUrl(const QString& host);
    static QString verifyFields(const QString& merchant, int invoice);

    /** Asks the service at @p host about @p invoice of @p merchant. */
    static SnapScanReply verify(const QString& host, const QString& merchant, int invoice);
    /** What a reply with HTTP code @p code and body @p body means. */
    static SnapScanReply interpret(long code, const QByteArray& body);

    /** How long a request may take; 30 seconds unless a test shortens it. */
    static std::chrono::milliseconds timeout();
    static void setTimeout(std::chrono::milliseconds limit);

    /** The largest amount the ledger keeps, in cents. */
    static constexpr double kMaxCents = 9999999999.0;
};

/** libcurl's write callback: appends @p size x @p count bytes to the
 *  QByteArray @p buffer and returns their number. */
std::size_t curlData(void* data, std::size_t size, std::size_t count, void* buffer);
