#include "documents/slipcodes.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QStringList>

const char* const SlipCodes::kBitImageForm = "ESC * m nL nH d1...dk";

QString SlipCodes::group(bool forty)
{
    return forty ? QStringLiteral("/Slip40Codes") : QStringLiteral("/SlipCodes");
}

QString SlipCodes::entry(const QString& name, bool forty)
{
    // The settings catalogue holds the defaults of both families.
    return settings->readEntry(group(forty) + QLatin1Char('/') + name);
}

QByteArray SlipCodes::parse(const QString& list)
{
    QByteArray bytes;
    const QStringList values = list.split(QLatin1Char(','));
    for (const QString& value : values) {
        const QString v = value.trimmed();
        if (v.isEmpty() || bytes.size() == 31)
            break;
        bytes.append(char(v.toInt() & 0xff));
    }
    return bytes;
}

SlipCodes SlipCodes::load(bool forty)
{
    auto code = [forty](const char* name) { return parse(entry(QString::fromLatin1(name), forty)); };
    SlipCodes c;
    c.init = code("INIT");
    c.eop = code("EOP");
    c.bold = code("BOLD");
    c.boldOff = code("BOLDOFF");
    c.emp = code("EMP");
    c.empOff = code("EMPOFF");
    c.dbl = code("DOUBLE");
    c.dblOff = code("DOUBLEOFF");
    c.cut = code("CUT");
    c.icut = code("ICUT");
    c.logo = code("LOGO");
    c.kick = code("KICK");
    c.bitImage = entry(QStringLiteral("BitImage"), forty);
    return c;
}
