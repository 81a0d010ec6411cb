#include "kitchen/kitchenserver.h"

#include "core/zkclock.h"
#include "core/zkdb.h"
#include "kitchen/docketcard.h"
#include "kitchen/kitchenboard.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebSocket>

#include <iterator>

namespace {

using Status = QHttpServerResponder::StatusCode;

// Nothing from elsewhere: the page's own script and style, and its socket.
const QByteArray kPolicy = "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
                           "img-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/kitchen/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void respond(QHttpServerResponder& responder, Status status, const QByteArray& type = QByteArray(),
             const QByteArray& body = QByteArray())
{
    // The address holds the key: no page it leads to may see it, nor may a
    // cache keep it.
    responder.write(body,
                    {{"Content-Type", type.isEmpty() ? QByteArray("text/plain; charset=utf-8") : type},
                     {"Cache-Control", "no-store"},
                     {"Referrer-Policy", "no-referrer"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"X-Frame-Options", "DENY"},
                     {"Content-Security-Policy", kPolicy}},
                    status);
}

// Compares in a time that does not tell how much of a guess was right.
bool sameKey(const QString& given, const QString& key)
{
    if (key.isEmpty())
        return false;
    const QByteArray a = given.toUtf8();
    const QByteArray b = key.toUtf8();
    unsigned char differ = a.size() == b.size() ? 0 : 1;
    for (qsizetype i = 0; i < b.size(); ++i)
        differ |= static_cast<unsigned char>(b.at(i) ^ (i < a.size() ? a.at(i) : 0));
    return differ == 0;
}

QString keyOf(const QUrl& url)
{
    return QUrlQuery(url).queryItemValue(QStringLiteral("key"), QUrl::FullyDecoded);
}

bool upgradesToSocket(const QHttpServerRequest& request)
{
    for (const auto& header : request.headers()) {
        if (header.first.compare("Upgrade", Qt::CaseInsensitive) == 0)
            return header.second.trimmed().compare("websocket", Qt::CaseInsensitive) == 0;
    }
    return false;
}

qint64 nowMs()
{
    return ZkClock::now().toMSecsSinceEpoch();
}

} // namespace

KitchenServer::KitchenServer(const Options& options, QObject* parent)
    : QAbstractHttpServer(parent)
    , m_options(options)
{
    m_timer.setInterval(m_options.pollMs);
    connect(&m_timer, &QTimer::timeout, this, &KitchenServer::poll);
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &KitchenServer::acceptSockets);
}

KitchenServer::~KitchenServer() = default;

quint16 KitchenServer::start(const QHostAddress& address, quint16 port)
{
    const quint16 bound = listen(address, port);
    if (bound == 0)
        return 0;
    // A database that could not be opened at the start is retried at once.
    m_databaseUp = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).isOpen();
    poll();
    m_timer.start();
    return bound;
}

const KitchenStation* KitchenServer::stationOf(const QUrl& url) const
{
    for (const KitchenStation& s : m_options.stations) {
        if (url.path() == QLatin1Char('/') + s.path)
            return sameKey(keyOf(url), s.key) ? &s : nullptr;
    }
    return nullptr;
}

bool KitchenServer::anyKey(const QString& key) const
{
    bool fits = false;
    for (const KitchenStation& s : m_options.stations)
        fits |= sameKey(key, s.key);
    return fits;
}

QByteArray KitchenServer::page(const KitchenStation& station) const
{
    const QString key = QString::fromLatin1(QUrl::toPercentEncoding(station.key)).toHtmlEscaped();
    return QString::fromUtf8(resource(QStringLiteral("kitchen.html")))
        .replace(QLatin1String("{{station}}"), station.name.toHtmlEscaped())
        .replace(QLatin1String("{{key}}"), key)
        .toUtf8();
}

bool KitchenServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const QUrl url = request.url();
    QHttpServerResponder responder = makeResponder(request, socket);
    // A page's socket: the server upgrades the connection when this says it
    // is handled (true) and has answered nothing; refused, the connection
    // is closed after the answer.
    if (upgradesToSocket(request)) {
        if (stationOf(url))
            return true;
        respond(responder, Status::Forbidden);
        return false;
    }
    const QString key = keyOf(url);
    if (!anyKey(key)) {
        respond(responder, Status::Forbidden);
        return true;
    }
    if (request.method() != QHttpServerRequest::Method::Get) {
        respond(responder, Status::MethodNotAllowed);
        return true;
    }
    const QString path = url.path();
    if (path == QLatin1String("/kitchen.js")) {
        respond(responder, Status::Ok, "text/javascript; charset=utf-8", resource(QStringLiteral("kitchen.js")));
        return true;
    }
    if (path == QLatin1String("/kitchen.css")) {
        respond(responder, Status::Ok, "text/css; charset=utf-8", resource(QStringLiteral("kitchen.css")));
        return true;
    }
    for (const KitchenStation& s : m_options.stations) {
        if (path != QLatin1Char('/') + s.path)
            continue;
        // Another station's key opens nothing here.
        if (sameKey(key, s.key))
            respond(responder, Status::Ok, "text/html; charset=utf-8", page(s));
        else
            respond(responder, Status::Forbidden);
        return true;
    }
    respond(responder, Status::NotFound);
    return true;
}

void KitchenServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    respond(responder, Status::NotFound);
}

void KitchenServer::acceptSockets()
{
    while (hasPendingWebSocketConnections()) {
        QWebSocket* socket = nextPendingWebSocketConnection().release();
        socket->setParent(this);
        const KitchenStation* station = stationOf(socket->requestUrl());
        if (!station) {
            // Refused before the upgrade already; should one come through,
            // it is closed before anything is said on it.
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket->deleteLater();
            continue;
        }
        socket->setMaxAllowedIncomingMessageSize(4096);
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& message) { receive(socket, message); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            m_clients.remove(socket);
            socket->deleteLater();
        });
        m_clients.insert(socket, station->number);
        send(socket, {{QStringLiteral("type"), QStringLiteral("hello")},
                      {QStringLiteral("station"), station->name},
                      {QStringLiteral("amber"), m_options.amberSeconds},
                      {QStringLiteral("red"), m_options.redSeconds}});
        send(socket, {{QStringLiteral("type"), QStringLiteral("status")},
                      {QStringLiteral("database"), m_databaseUp ? QStringLiteral("ok") : QStringLiteral("lost")}});
        if (m_databaseUp)
            send(socket, snapshot(station->number));
    }
}

void KitchenServer::receive(QWebSocket* socket, const QString& message)
{
    const QJsonObject m = QJsonDocument::fromJson(message.toUtf8()).object();
    const QString type = m.value(QStringLiteral("type")).toString();
    const int station = m_clients.value(socket);
    if (!m_databaseUp || station == 0)
        return;
    bool done = true;
    if (type == QLatin1String("bump")) {
        bool bumped = false;
        done = KitchenBoard::bump(m.value(QStringLiteral("id")).toInt(), station, &bumped);
    } else if (type == QLatin1String("recall")) {
        int id = 0;
        done = KitchenBoard::recall(station, &id);
    } else {
        return;
    }
    if (!done) {
        setDatabaseUp(false);
        return;
    }
    // Every screen shows the change at once, not at the next reading.
    poll();
}

void KitchenServer::poll()
{
    if (!m_databaseUp && !reconnect())
        return;
    QList<QPair<int, int>> open;
    if (!KitchenBoard::openDockets(&open)) {
        setDatabaseUp(false);
        return;
    }
    QList<int> unread;
    QSet<int> ids;
    for (const auto& o : qAsConst(open)) {
        ids.insert(o.first);
        if (!m_cards.contains(o.first))
            unread << o.first;
    }
    QList<KitchenBoard::Docket> dockets;
    if (!KitchenBoard::read(unread, &dockets)) {
        setDatabaseUp(false);
        return;
    }
    // A docket's document never changes: each is read once.
    for (const KitchenBoard::Docket& d : qAsConst(dockets))
        m_cards.insert(d.id, DocketCard::fromDocument(d.id, d.ordered, d.document));
    const bool recovered = !m_databaseUp;
    setDatabaseUp(true);
    if (open == m_open && !recovered)
        return;
    for (auto it = m_cards.begin(); it != m_cards.end();)
        it = ids.contains(it.key()) ? std::next(it) : m_cards.erase(it);
    m_open = open;
    for (auto c = m_clients.cbegin(); c != m_clients.cend(); ++c)
        send(c.key(), snapshot(c.value()));
}

QJsonObject KitchenServer::snapshot(int station) const
{
    QJsonArray dockets;
    for (const auto& o : m_open) {
        if (o.second == station && m_cards.contains(o.first))
            dockets.append(m_cards.value(o.first));
    }
    return {{QStringLiteral("type"), QStringLiteral("dockets")}, {QStringLiteral("dockets"), dockets}};
}

void KitchenServer::send(QWebSocket* socket, QJsonObject message) const
{
    // Each message carries the server's clock, which the page's timers run by.
    message.insert(QStringLiteral("now"), nowMs());
    socket->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void KitchenServer::setDatabaseUp(bool up)
{
    if (up == m_databaseUp)
        return;
    m_databaseUp = up;
    if (up)
        qInfo("kitchen: the database is back");
    else
        qWarning("kitchen: connection to the database lost; trying again every two seconds");
    m_nextReconnect = QDateTime::currentDateTimeUtc();
    for (auto c = m_clients.cbegin(); c != m_clients.cend(); ++c) {
        send(c.key(), {{QStringLiteral("type"), QStringLiteral("status")},
                       {QStringLiteral("database"), up ? QStringLiteral("ok") : QStringLiteral("lost")}});
    }
}

bool KitchenServer::reconnect()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (now < m_nextReconnect)
        return false;
    m_nextReconnect = now.addSecs(2);
    QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    db.close();
    // A server that is gone must not hold the screens for long.
    if (ZkDb::dialect() == ZkDb::MySql)
        db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=3;MYSQL_OPT_READ_TIMEOUT=10;MYSQL_OPT_WRITE_TIMEOUT=10"));
    if (!db.open())
        return false;
    return ZkDb::prepareSession(db);
}
