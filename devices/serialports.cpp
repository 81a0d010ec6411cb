#include "devices/serialports.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"

#include <QCoreApplication>
#include <QSerialPort>

namespace SerialPorts {

QString deviceFor(const QString& portName)
{
    // Tests point a port at a pseudo-terminal; the program never sets these.
    if (portName == QCoreApplication::translate("Utility", "COM1")) {
        const QByteArray over = qgetenv("BREVALON_COM1");
        return over.isEmpty() ? QStringLiteral("/dev/ttyS0") : QString::fromLocal8Bit(over);
    }
    if (portName == QCoreApplication::translate("Utility", "COM2")) {
        const QByteArray over = qgetenv("BREVALON_COM2");
        return over.isEmpty() ? QStringLiteral("/dev/ttyS1") : QString::fromLocal8Bit(over);
    }
    return QString();
}

int baudRate(const QString& speed)
{
    static const char* const known[] = {"1200", "2400", "4800", "9600", "19200", "38400", "57600"};
    for (const char* k : known) {
        if (speed == QLatin1String(k))
            return speed.toInt();
    }
    return 115200;
}

QSerialPort* open(const QString& device, const QString& speed, const QString& dsr)
{
    auto* port = new QSerialPort;
    port->setPortName(device);
    port->setParity(QSerialPort::NoParity);
    port->setBaudRate(baudRate(speed));
    port->setFlowControl(dsr == QLatin1String("No") ? QSerialPort::NoFlowControl
                                                     : QSerialPort::HardwareControl);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    port->open(QIODevice::ReadWrite);
    return port;
}

} // namespace SerialPorts

void Utility::closePorts()
{
    if (m_drawerPort == m_polePort)
        m_drawerPort = nullptr;
    delete m_polePort;
    m_polePort = nullptr;
    delete m_drawerPort;
    m_drawerPort = nullptr;
}

void Utility::openPorts()
{
    closePorts();
    const QString pole = settings->readEntry(QStringLiteral("/Global/DisplayPole"));
    const QString drawer = settings->readEntry(QStringLiteral("/Global/CashDraw"));
    const QString poleDevice = SerialPorts::deviceFor(pole);
    if (!poleDevice.isEmpty())
        m_polePort = SerialPorts::open(poleDevice, settings->readEntry(QStringLiteral("/Global/DisplaySpeed")),
                                       settings->readEntry(QStringLiteral("/Global/DisplayDSR")));
    const QString drawerDevice = SerialPorts::deviceFor(drawer);
    if (!drawerDevice.isEmpty()) {
        if (drawer == pole)
            m_drawerPort = m_polePort;
        else
            m_drawerPort = SerialPorts::open(drawerDevice,
                                             settings->readEntry(QStringLiteral("/Global/CashDrawSpeed")),
                                             settings->readEntry(QStringLiteral("/Global/CashDrawDSR")));
    }
}
