#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

/** The far end of a test serial port: what the device would receive. */
class SerialPeer
{
public:
    explicit SerialPeer(const QString& path);
    bool isOpen() const { return m_open; }
    /** The bytes received until @p count have come (or a few seconds passed),
     *  and whatever follows at once. */
    QByteArray read(int count);

private:
    QSerialPort m_port;
    bool m_open = false;
};
