// The conversation with the hotel system: one connection per request, the
// request written once connected, every byte of the answer kept until the
// hotel system closes the connection. The till waits for it, processing
// events with the window disabled, but never longer than semperWait().

#include "sales/sales.h"

#include "core/globals.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace {

std::chrono::milliseconds s_semperWait{15000};

} // namespace

std::chrono::milliseconds Sales::semperWait()
{
    return s_semperWait;
}

void Sales::setSemperWait(std::chrono::milliseconds limit)
{
    s_semperWait = limit;
}

QTcpSocket* Sales::semperSocket()
{
    if (m_semperSocket)
        return m_semperSocket;
    m_semperSocket = new QTcpSocket(this);
    m_semperSocket->setObjectName(QStringLiteral("SemperSocket"));
    connect(m_semperSocket, &QTcpSocket::connected, this, &Sales::socketConnected);
    connect(m_semperSocket, &QTcpSocket::readyRead, this, &Sales::socketReadyRead);
    connect(m_semperSocket, &QTcpSocket::disconnected, this, [this] {
        if (m_semperClosing)
            socketClosed();
        else
            socketConnectionClosed();
    });
    connect(m_semperSocket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { socketError(int(error)); });
    return m_semperSocket;
}

bool Sales::waitSemperIdle(const QDeadlineTimer& deadline)
{
    QTcpSocket* socket = semperSocket();
    while (socket->state() != QAbstractSocket::UnconnectedState) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(int(deadline.remainingTime()) + 1, &loop, &QEventLoop::quit);
        connect(socket, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void Sales::semperComms()
{
    if (m_semperRequest.isEmpty())
        return;
    QTcpSocket* socket = semperSocket();
    setStatus(tr("Semper comms in progress..."));
    setEnabled(false);
    m_semperFailed = false;
    m_semperClosing = false;
    const QDeadlineTimer deadline(s_semperWait);
    bool answered = waitSemperIdle(deadline);
    if (answered) {
        socket->connectToHost(settings->readEntry(QStringLiteral("/Global/Semper/Host")),
                              quint16(settings->readNumEntry(QStringLiteral("/Global/Semper/Port"))));
        answered = waitSemperIdle(deadline);
    }
    if (!answered) {
        // A hotel system that accepts and never answers must not hold the
        // till: the conversation is given up as failed.
        socketError(int(QAbstractSocket::SocketTimeoutError));
        closeConnection();
        if (socket->state() != QAbstractSocket::UnconnectedState)
            socket->abort();
    }
    m_semperRequest.clear();
    setEnabled(true);
    if (!m_semperFailed)
        setStatus(QString());
    if (m_semperReply == QLatin1String("ERROR")) {
        ZkPrompt::critical(this, QStringLiteral("Brevalon"), tr("Semper Interface failure, please contact support"));
        m_semperReply.clear();
    }
}

void Sales::socketConnected()
{
    m_semperSocket->write(m_semperRequest.toUtf8());
    m_semperRequest.clear();
}

void Sales::socketReadyRead()
{
    m_semperReply += QString::fromUtf8(m_semperSocket->readAll());
}

void Sales::socketConnectionClosed()
{
    setStatus(tr("Connection closed by Semper"));
}

void Sales::closeConnection()
{
    m_semperClosing = true;
    m_semperSocket->close();
    // Bytes still to be written delay the close; socketClosed follows then.
    if (m_semperSocket->state() == QAbstractSocket::UnconnectedState && m_semperClosing)
        socketClosed();
}

void Sales::socketClosed()
{
    m_semperClosing = false;
    if (!m_semperFailed)
        setStatus(tr("Semper Connection Closed"));
}

void Sales::socketError(int error)
{
    // The hotel system ends every answer by closing: that is no error.
    if (error == int(QAbstractSocket::RemoteHostClosedError))
        return;
    m_semperFailed = true;
    m_semperReply = QStringLiteral("ERROR");
    QString text = tr("Semper Interface Error number %1 occurred\n").arg(error);
    qWarning("%s", qPrintable(text.trimmed()));
    if (error == int(QAbstractSocket::SocketTimeoutError))
        text = text.trimmed() + tr(": no answer within %1 seconds").arg(s_semperWait.count() / 1000.0);
    setStatus(text.trimmed());
}
