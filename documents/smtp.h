#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

/**
 * One e-mail sent over one SMTP conversation. The constructor composes the
 * message and connects to the server of the settings; the replies drive the
 * conversation. The owner polls result() until it is no longer Running.
 */
class Smtp : public QObject
{
    Q_OBJECT

public:
    enum Result { Running = 0, Sent = 1, Failed = 2 };

    Smtp(const QString& from, const QString& to, const QString& subject, const QString& body,
         QObject* parent = nullptr);
    ~Smtp() override;

    /** The message as it goes on the wire: CRLF line ends, and lines that
     *  begin with a dot get a second one so that none ends the data. */
    static QByteArray compose(const QString& from, const QString& to, const QString& subject,
                              const QString& body);

    int result() const { return m_result; }
    int state() const { return m_state; }
    QByteArray message() const { return m_message; }

    /** Seconds without a reply after which the server counts as gone. */
    static void setReplyTimeout(int seconds);

private slots:
    void readyRead();
    void connectionLost();

private:
    void send(const QByteArray& bytes);
    void fail();

    QString m_from;
    QString m_to;
    QByteArray m_message;
    int m_state = 0;
    int m_result = Running;
    QString m_reply;
    QTcpSocket* m_socket = nullptr;
    QTimer* m_timer = nullptr;
};
