#include "documents/slipcodes.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QStringList>

const char* const SlipCodes::kBitImageForm = "ESC * m nL nH d1...dk";

namespace {

struct Default
{
    const char* name;
    const char* slip;
    const char* slip40;
};

// What a printer of each family gets when nobody has set the code. Both
// families print the QR code by default: their firmware takes the same
// bit-image command.
const Default kDefaults[] = {
    {"INIT", "27,120,48,27,67,33,27,106,216,27,106,216,26,106,85", ""},
    {"EOP", "12", ""},
    {"BOLD", "27,69", "27,71,33"},
    {"BOLDOFF", "27,70", "27,71,32"},
    {"EMP", "27,52", "27,69,33"},
    {"EMPOFF", "27,53", "27,69,32"},
    {"DOUBLE", "27,119,1,14", "27,104,1,14"},
    {"DOUBLEOFF", "27,119,48,20", "27,104,48,20"},
    {"CUT", "", "29,86,66,6"},
    {"ICUT", "", "29,86,66,6"},
    {"LOGO", "", "28,112,1,48"},
    {"KICK", "27,112,48,55,121", "27,112,48,55,121"},
    {"BitImage", "ESC * m nL nH d1...dk", "ESC * m nL nH d1...dk"},
};

} // namespace

QString SlipCodes::group(bool forty)
{
    return forty ? QStringLiteral("/Slip40Codes") : QStringLiteral("/SlipCodes");
}

QString SlipCodes::entry(const QString& name, bool forty)
{
    QString def;
    for (const Default& d : kDefaults) {
        if (name == QLatin1String(d.name))
            def = QString::fromLatin1(forty ? d.slip40 : d.slip);
    }
    return settings->readEntry(group(forty) + QLatin1Char('/') + name, def);
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
