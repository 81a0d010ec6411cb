#include "core/utility.h"

QString Utility::escapeXML(const QString& text, bool upper)
{
    QString s = upper ? text.toUpper() : text;
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
