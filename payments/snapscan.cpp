#include "payments/snapscan.h"

#include "payments/json.h"

#include <QUrl>
#include <cmath>
#include <curl/curl.h>
#include <memory>

namespace {

std::chrono::milliseconds s_timeout{30000};

// A verification reply is a few hundred bytes; anything beyond this is not
// one, and is not read into memory.
constexpr int kMaxReply = 1 << 20;

struct CurlDeleter
{
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

/** An amount in cents as the reply gives it; false when it is not one the
 *  ledger could keep. */
bool centsOf(const JSONValue* v, double* cents)
{
    if (!v->IsNumber() || !std::isfinite(v->AsNumber()))
        return false;
    *cents = std::trunc(v->AsNumber());
    return *cents >= 0 && *cents <= SnapScan::kMaxCents;
}

} // namespace

std::size_t curlData(void* data, std::size_t size, std::size_t count, void* buffer)
{
    auto* body = static_cast<QByteArray*>(buffer);
    const std::size_t bytes = size * count;
    if (body->size() + qsizetype(bytes) > kMaxReply)
        return 0; // libcurl ends the transfer with a write error
    body->append(static_cast<const char*>(data), qsizetype(bytes));
    return bytes;
}

QString SnapScan::verifyUrl(const QString& host)
{
    return QLatin1String("https://") + host + QLatin1String("/snapscan/verify");
}

QString SnapScan::verifyFields(const QString& merchant, int invoice)
{
    // A merchant id is the service's text; encoded, it stays one field.
    return QLatin1String("?merchant=") + QString::fromLatin1(QUrl::toPercentEncoding(merchant))
        + QLatin1String("&id=") + QString::number(invoice);
}

std::chrono::milliseconds SnapScan::timeout()
{
    return s_timeout;
}

void SnapScan::setTimeout(std::chrono::milliseconds limit)
{
    s_timeout = limit;
}

SnapScanReply SnapScan::verify(const QString& host, const QString& merchant, int invoice)
{
    const QString url = verifyUrl(host);
    const QString fields = verifyFields(merchant, invoice);
    qDebug("snapUrl %s", qPrintable(url));
    qDebug("snapFields %s", qPrintable(fields));

    SnapScanReply reply;
    const std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        reply.outcome = SnapScanReply::NoCurl;
        return reply;
    }
    std::unique_ptr<curl_slist, SlistDeleter> headers(curl_slist_append(nullptr, "Accept: */*"));
    headers.reset(curl_slist_append(headers.release(), "Content-Type: application/x-www-form-urlencoded"));
    const QByteArray address = (url + fields).toUtf8();
    const QByteArray caFile = qgetenv("BREVALON_SNAPSCAN_CA_FILE");
    QByteArray body;
    char error[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Brevalon");
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(s_timeout.count()));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_HEADER, 0L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, curlData);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    // libcurl reads no variable for its CA file; the system's CA folder
    // stays trusted beside this one.
    if (!caFile.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, caFile.constData());

    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        reply.outcome = SnapScanReply::Unreachable;
        reply.timedOut = result == CURLE_OPERATION_TIMEDOUT;
        reply.error = QString::fromUtf8(error[0] ? error : curl_easy_strerror(result));
        return reply;
    }
    long code = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &code);
    return interpret(code, body);
}

SnapScanReply SnapScan::interpret(long code, const QByteArray& body)
{
    SnapScanReply reply;
    reply.httpCode = code;
    if (code == 400) {
        reply.outcome = SnapScanReply::MerchantWrong;
        return reply;
    }
    if (code == 404) {
        reply.outcome = SnapScanReply::NotPaid;
        return reply;
    }
    reply.outcome = SnapScanReply::Unreadable;
    // Only an answer of the service counts: an error page, whatever its
    // body, verifies nothing.
    if (code != 200)
        return reply;
    const std::unique_ptr<JSONValue> json = JSON::Parse(body);
    if (!json || !json->IsObject())
        return reply;
    const JSONValue* status = json->Child(QStringLiteral("status"));
    if (!status || !status->IsString())
        return reply;
    if (status->AsString() == QLatin1String("pending")) {
        reply.outcome = SnapScanReply::Pending;
        return reply;
    }
    if (status->AsString() != QLatin1String("completed")) {
        reply.outcome = SnapScanReply::Failed;
        return reply;
    }
    const JSONValue* total = json->Child(QStringLiteral("total_amount"));
    const JSONValue* required = json->Child(QStringLiteral("required_amount"));
    const JSONValue* auth = json->Child(QStringLiteral("auth_code"));
    if (!total || !required || !auth || !(auth->IsString() || auth->IsNumber()))
        return reply;
    reply.authCode = auth->IsString() ? auth->AsString() : auth->Stringify();
    // What the patron paid covers what was asked; the rest is the tip.
    if (!centsOf(total, &reply.totalCents) || !centsOf(required, &reply.requiredCents)
        || reply.totalCents < reply.requiredCents) {
        reply.outcome = SnapScanReply::BadAmounts;
        reply.error = total->Stringify() + QLatin1Char('/') + required->Stringify();
        return reply;
    }
    reply.outcome = SnapScanReply::Completed;
    return reply;
}
