#include "core/utility.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSerialPort>
#include <QtDebug>

namespace {

constexpr int kColumns = 20;

// Right-aligned in the display's width, cut to it.
QByteArray displayLine(const QString& text)
{
    return text.left(kColumns).rightJustified(kColumns, QLatin1Char(' ')).toLatin1();
}

} // namespace

QByteArray Utility::poleDisplayBytes(const QString& first, const QString& second)
{
    QByteArray out;
    const bool closed = first == QCoreApplication::translate("Utility", "Till Closed");
    // Deselect, select the display, clear, cursor off, brightness.
    out.append("\x1b\x3d\x00\x1b\x3d\x02\x0c\x1f\x43\x00\x1f\x58", 12);
    out.append(char(closed ? 1 : 4));

    const QByteArray line1 = displayLine(first);
    QByteArray line2 = displayLine(second);
    if (first.length() > kColumns) {
        // The overflow of the first text leads the second line, keeping at
        // least two blanks before the second text. The blank that counts is
        // the last one before that text, not one inside it ("Change due"),
        // which would let the overflow overwrite the text itself.
        int p = -1;
        while (p + 1 < line2.size() && line2.at(p + 1) == ' ')
            ++p;
        const int room = p - 2;
        if (room > 0) {
            const QByteArray rest = first.mid(kColumns).left(room).leftJustified(room, QLatin1Char(' ')).toLatin1();
            line2.replace(0, room, rest);
        }
    }
    if (settings->readEntry(QStringLiteral("/Pell/Debug")) == QLatin1String("ON")) {
        qDebug("POLE1 >%s<", line1.constData());
        qDebug("POLE2 >%s<", line2.constData());
    }
    out.append(line1);
    out.append(line2);
    return out;
}

void Utility::poleDisplay(const QString& first, const QString& second)
{
    if (!m_polePort)
        return;
    m_polePort->write(poleDisplayBytes(first, second));
    m_polePort->flush();
}

bool Utility::hasCashDraw() const
{
    if (m_drawerPort)
        return true;
    const QString drawer = settings->readEntry(QStringLiteral("/Global/CashDraw"));
    return drawer == QLatin1String("SLIP40") || drawer == QLatin1String("SLIP80");
}
