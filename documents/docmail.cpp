#include "documents/docmail.h"

#include "core/globals.h"
#include "core/zksettings.h"

namespace {

constexpr int kRemembered = 10;

QString addressKey(int i)
{
    return QStringLiteral("/Global/Email%1").arg(i);
}

} // namespace

namespace DocMail {

QString body(const QString& logoBase64, const QString& html)
{
    const QString delimiter = QLatin1String("--") + boundary();
    QString b;
    b += QLatin1String("This is a multi-part message in MIME format.\n");
    b += delimiter + QLatin1Char('\n');
    b += QLatin1String("Content-Type: image/png;\n name=\"logo.png\"\n");
    b += QLatin1String("Content-Transfer-Encoding: base64\n");
    b += QLatin1String("Content-ID: <Logo>\n");
    b += QLatin1String("Content-Disposition: inline;\n filename=\"logo.png\"\n\n");
    b += logoBase64;
    b += QLatin1String("\n\n") + delimiter + QLatin1Char('\n');
    b += QLatin1String("Content-Type: text/html; charset=us-ascii\n");
    b += QLatin1String("<html><head>\n");
    b += QLatin1String("<META HTTP-EQUIV=\"Content-Type\" ");
    b += QLatin1String("CONTENT=\"text/html; charset=iso-8859-1\">\n");
    b += QLatin1String("</head>\n<body>");
    b += html;
    b += QLatin1String("\n</body>\n</html>\n\n");
    b += QLatin1String("\n\n") + delimiter + QLatin1String("--\n");
    return b;
}

QString mailHtml(const QString& html)
{
    QString h = html;
    h.replace(QLatin1String("PrintLogo"), QLatin1String("\"cid:Logo\""));
    QString out;
    out.reserve(h.size());
    const QList<uint> codes = h.toUcs4();
    for (const uint c : codes) {
        if (c < 128)
            out += QChar(char16_t(c));
        else
            out += QLatin1String("&#") + QString::number(c) + QLatin1Char(';');
    }
    return out;
}

QStringList remembered()
{
    QStringList list;
    for (int i = 0; i < kRemembered; ++i) {
        const QString address = settings->readEntry(addressKey(i));
        if (address.isEmpty())
            break;
        list << address;
    }
    return list;
}

QStringList remember(const QStringList& list, const QString& address)
{
    QStringList result = list;
    if (result.contains(address))
        return result;
    if (result.size() >= kRemembered)
        result.removeFirst();
    result << address;
    return result;
}

void store(const QStringList& list)
{
    for (int i = 0; i < list.size() && i < kRemembered; ++i)
        settings->writeEntry(addressKey(i), list.at(i));
}

} // namespace DocMail
