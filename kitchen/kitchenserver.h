#pragma once

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QTimer>

class QWebSocket;

/** A kitchen station's screen: its number (the departments' printer bit:
 *  1 label, 2 kitchen), the path of its page, its name and the key its
 *  address must carry. */
struct KitchenStation
{
    int number = 0;
    QString path;
    QString name;
    QString key;
};

/**
 * The kitchen screens' server. Serves each station's page at its path
 * (e.g. "/kitchen?key=..."), answers 403 to any request without the
 * station's key, and keeps every open page current over a web socket at
 * the same address: it reads the dockets the tills write (KitchenDockets)
 * a few times a second and pushes each station its open dockets when they
 * change; a page's touch bumps a docket, its recall button brings the last
 * one back. When the database cannot be read the pages are told so, and
 * the server keeps trying to reconnect.
 */
class KitchenServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    struct Options
    {
        QList<KitchenStation> stations;
        int amberSeconds = 600; ///< a docket this old turns amber
        int redSeconds = 1200;  ///< and this old red
        int pollMs = 250;
    };

    explicit KitchenServer(const Options& options, QObject* parent = nullptr);
    ~KitchenServer() override;

    /** Listens on @p address and @p port (0: any free one) and starts
     *  reading the database. The port bound; 0 when it cannot be had. */
    quint16 start(const QHostAddress& address, quint16 port);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    void poll();
    void acceptSockets();
    void receive(QWebSocket* socket, const QString& message);
    /** The station whose page @p url asks for with the right key. */
    const KitchenStation* stationOf(const QUrl& url) const;
    /** Whether @p key is the key of some station. */
    bool anyKey(const QString& key) const;
    QByteArray page(const KitchenStation& station) const;
    QJsonObject snapshot(int station) const;
    void send(QWebSocket* socket, QJsonObject message) const;
    void setDatabaseUp(bool up);
    bool reconnect();

    Options m_options;
    QTimer m_timer;
    QList<QPair<int, int>> m_open;   ///< (docket, station) on the screens, in order
    QHash<int, QJsonObject> m_cards; ///< the open dockets' cards by docket
    QHash<QWebSocket*, int> m_clients; ///< open pages and their stations
    bool m_databaseUp = true;
    QDateTime m_nextReconnect;
};
