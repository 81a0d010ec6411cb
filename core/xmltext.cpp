#include "core/utility.h"

QString Utility::xmlText(const QString& text)
{
    // XML 1.0 has no way to carry the other control characters (a GS1
    // scanner sends 0x1D between its fields), half a surrogate pair or
    // U+FFFE and U+FFFF: one of them makes the whole document unreadable.
    QString s;
    s.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            s += c;
            s += text.at(++i);
        } else if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF) {
            continue;
        } else if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
            // Fields a scanner separated stay apart.
            s += QLatin1Char(' ');
        } else {
            s += c;
        }
    }
    return s;
}

namespace {

/** Whether escapeXML would hand @p text back as it is: nothing to escape
 *  or to drop, no line break, and its spaces single and inside. Reports
 *  write hundreds of thousands of such cells. */
bool alreadyPlain(const QString& text)
{
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u < 0x20 || u == '&' || u == '\'' || u == '"' || u == '<' || u == '>')
            return false;
        if (u == ' ') {
            if (i == 0 || i == n - 1 || text.at(i - 1).unicode() == ' ')
                return false;
        } else if (u >= 0x7f && (c.isSpace() || c.isSurrogate() || u >= 0xFFFE)) {
            return false;
        }
    }
    return true;
}

} // namespace

QString Utility::escapeXML(const QString& text, bool upper)
{
    const QString plain = upper ? text.toUpper() : text;
    if (alreadyPlain(plain))
        return plain;
    QString s = xmlText(plain);
    // The ampersand goes first, or the entities made after it would be
    // escaped a second time.
    s.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    s.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    s.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    s.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    s.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    // Text pasted from other systems may end its lines in CR LF or CR.
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return s.simplified();
}
