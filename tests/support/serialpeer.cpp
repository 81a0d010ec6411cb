#include "tests/support/serialpeer.h"

#include <QElapsedTimer>

SerialPeer::SerialPeer(const QString& path)
{
    m_port.setPortName(path);
    m_open = m_port.open(QIODevice::ReadOnly);
}

QByteArray SerialPeer::read(int count)
{
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (got.size() < count && t.elapsed() < 5000) {
        m_port.waitForReadyRead(50);
        got += m_port.readAll();
    }
    m_port.waitForReadyRead(100); // anything extra would show
    got += m_port.readAll();
    return got;
}
