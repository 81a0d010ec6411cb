#pragma once

#include <QString>

class QSerialPort;

namespace SerialPorts {

/** The device behind a port name: "COM1" is the first serial device,
 *  "COM2" the second; anything else names no port (empty). */
QString deviceFor(const QString& portName);

/** A port opened on @p device with the given speed setting ("1200" ..
 *  "57600"; anything else is 115200) and flow control ("No": none; else
 *  hardware). A port that cannot be opened is returned closed: writes to it
 *  have no effect. */
QSerialPort* open(const QString& device, const QString& speed, const QString& dsr);

/** The baud rate of a speed setting. */
int baudRate(const QString& speed);

} // namespace SerialPorts
