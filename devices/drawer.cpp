#include "core/utility.h"

#include "core/globals.h"
#include "core/zksettings.h"
#include "documents/docprint.h"

#include <QSerialPort>

void Utility::openDrawer()
{
    if (!m_drawerPort) {
        const QString drawer = settings->readEntry(QStringLiteral("/Global/CashDraw"));
        if ((drawer == QLatin1String("SLIP40") || drawer == QLatin1String("SLIP80")) && m_docPrint)
            m_docPrint->openDrawer();
        return;
    }
    QByteArray bytes;
    // On a port shared with the display the printer side of the device
    // must be selected first; any data then opens the drawer.
    if (m_drawerPort == m_polePort)
        bytes.append("\x1b\x3d\x00\x1b\x3d\x01", 6);
    bytes.append(QByteArray(6, '\r'));
    m_drawerPort->write(bytes);
    m_drawerPort->flush();
}
