#pragma once

#include <QString>

/** Where a docket goes: the station's printer or its kitchen screen. */
enum class DocketMedium { Paper, Screen };

namespace DocketRoute {

/** Station numbers, the bits of Departments.Printer. */
enum Station { Label = 1, Kitchen = 2 };

/** Whether a department whose Route column holds @p route sends its lines
 *  to @p medium: "S" the screen only, "B" both, anything else (the default
 *  "P", or a department written before screens existed) the printer only. */
inline bool reaches(const QString& route, DocketMedium medium)
{
    const QString r = route.trimmed().toUpper();
    if (r == QLatin1String("B"))
        return true;
    return (r == QLatin1String("S")) == (medium == DocketMedium::Screen);
}

/** The bit of InvoiceItem.Printed that records a line taken by @p station
 *  on @p medium: a printer marks the station's own bit (1, 2), a screen the
 *  bit two places up (4, 8), so each reaches each of its places once. */
inline int mark(int station, DocketMedium medium)
{
    return medium == DocketMedium::Screen ? station << 2 : station;
}

/** The Route code of a routing word ("printer", "screen", "both"); empty
 *  for any other word. */
inline QString code(const QString& word)
{
    const QString w = word.trimmed().toLower();
    if (w == QLatin1String("printer"))
        return QStringLiteral("P");
    if (w == QLatin1String("screen"))
        return QStringLiteral("S");
    if (w == QLatin1String("both"))
        return QStringLiteral("B");
    return QString();
}

/** The routing word of a Route code. */
inline QString word(const QString& route)
{
    if (reaches(route, DocketMedium::Paper) && reaches(route, DocketMedium::Screen))
        return QStringLiteral("both");
    return reaches(route, DocketMedium::Screen) ? QStringLiteral("screen") : QStringLiteral("printer");
}

} // namespace DocketRoute
