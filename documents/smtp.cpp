#include "documents/smtp.h"

#include "core/globals.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace {

int replyTimeout = 60;

// Header texts beyond ASCII travel as an encoded word.
QString headerText(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 127)
            return QLatin1String("=?UTF-8?B?") + QString::fromLatin1(text.toUtf8().toBase64()) + QLatin1String("?=");
    }
    return text;
}

} // namespace

void Smtp::setReplyTimeout(int seconds)
{
    replyTimeout = seconds;
}

QByteArray Smtp::compose(const QString& from, const QString& to, const QString& subject, const QString& body)
{
    QString message = QLatin1String("From: ") + from + QLatin1String("\nTo: ") + to + QLatin1String("\nSubject: ")
                      + headerText(subject) + QLatin1String("\nMIME-Version: 1.0")
                      + QLatin1String("\nContent-Type: multipart/related;\n boundary=\"------------"
                                      "090904000900050707080002\"")
                      + QLatin1String("\nContent-Transfer-Encoding: 7bit") + QLatin1String("\nX-Mailer: Zendrik")
                      + QLatin1String("\n\n") + body + QLatin1String("\n");
    message.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    message.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    // A line that begins with a dot would lose it (and a lone dot would end
    // the data): the server removes one leading dot from every line.
    message.replace(QLatin1String("\r\n."), QLatin1String("\r\n.."));
    return message.toLatin1();
}

Smtp::Smtp(const QString& from, const QString& to, const QString& subject, const QString& body, QObject* parent)
    : QObject(parent)
    , m_from(from)
    , m_to(to)
    , m_message(compose(from, to, subject, body))
    , m_socket(new QTcpSocket(this))
    , m_timer(new QTimer(this))
{
    const QString server = settings->readEntry(QStringLiteral("/Global/SmtpServer"));
    const int port = settings->readNumEntry(QStringLiteral("/Global/SmtpPort"));

    m_timer->setSingleShot(true);
    m_timer->setInterval(replyTimeout * 1000);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_state < 6) {
            if (m_reply.isEmpty())
                m_reply = tr("No reply from the server.");
            fail();
        }
    });

    ZkPrompt::setWaitCursor(true);
    {
        QEventLoop wait;
        connect(m_socket, &QTcpSocket::stateChanged, &wait, [&wait](QAbstractSocket::SocketState s) {
            if (s == QAbstractSocket::ConnectedState || s == QAbstractSocket::UnconnectedState)
                wait.quit();
        });
        QTimer::singleShot(replyTimeout * 1000, &wait, &QEventLoop::quit);
        m_socket->connectToHost(server, quint16(port));
        if (m_socket->state() != QAbstractSocket::ConnectedState
            && m_socket->state() != QAbstractSocket::UnconnectedState)
            wait.exec();
    }
    ZkPrompt::setWaitCursor(false);

    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        m_socket->abort();
        m_state = 6;
        m_result = Failed;
        ZkPrompt::critical(nullptr, tr("Email Error"),
                           tr("Could not contact SMTP server %1 or Port %2").arg(server).arg(port));
        return;
    }
    connect(m_socket, &QTcpSocket::readyRead, this, &Smtp::readyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &Smtp::connectionLost);
    m_timer->start();
    if (m_socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &Smtp::readyRead);
}

Smtp::~Smtp()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

void Smtp::send(const QByteArray& bytes)
{
    m_socket->write(bytes);
    m_socket->flush();
}

void Smtp::fail()
{
    m_state = 6;
    m_result = Failed;
    m_timer->stop();
    m_socket->disconnect(this);
    m_socket->abort();
    ZkPrompt::warning(nullptr, tr("Email Error"), tr("Error SMTP server:\n\n") + m_reply);
}

void Smtp::connectionLost()
{
    if (m_state >= 6)
        return;
    if (m_reply.isEmpty())
        m_reply = tr("The server closed the connection.");
    fail();
}

void Smtp::readyRead()
{
    if (m_state >= 6)
        return;
    // A reply may span several lines ("250-..."); it is complete with the
    // line whose code is followed by a blank.
    bool complete = false;
    while (!complete && m_socket->canReadLine()) {
        const QString line = QString::fromLatin1(m_socket->readLine());
        m_reply += line;
        QString bare = line;
        while (bare.endsWith(QLatin1Char('\n')) || bare.endsWith(QLatin1Char('\r')))
            bare.chop(1);
        complete = bare.length() < 4 || bare.at(3) == QLatin1Char(' ');
    }
    if (!complete)
        return;
    m_timer->start();

    const QChar digit = m_reply.isEmpty() ? QChar() : m_reply.at(0);
    const QChar expected = m_state == 4 ? QLatin1Char('3') : QLatin1Char('2');
    if (digit != expected) {
        fail();
        return;
    }
    m_reply.clear();
    switch (m_state) {
    case 0:
        send("HELO there\r\n");
        break;
    case 1:
        send("MAIL FROM: <" + m_from.toLatin1() + ">\r\n");
        break;
    case 2:
        send("RCPT TO: <" + m_to.toLatin1() + ">\r\n");
        break;
    case 3:
        send("DATA\r\n");
        break;
    case 4:
        send(m_message + "\r\n.\r\n");
        break;
    case 5:
        send("QUIT\r\n");
        m_result = Sent;
        m_timer->stop();
        break;
    }
    ++m_state;
    // More replies may already be waiting (a server that answers early).
    if (m_state < 6 && m_socket->canReadLine())
        QTimer::singleShot(0, this, &Smtp::readyRead);
}
