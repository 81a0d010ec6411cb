#include "documents/docwriter.h"

#include "core/utility.h"
#include "core/zkclock.h"

DocWriter::DocWriter()
    : m_text(QStringLiteral("<zendrik>\n"))
{
}

DocWriter& DocWriter::open(const char* element)
{
    if (m_open)
        close();
    m_text += QLatin1String("  <") + QLatin1String(element) + QLatin1Char('\n');
    m_open = true;
    return *this;
}

DocWriter& DocWriter::raw(const char* name, const QString& value)
{
    // Codes and numbers come from the database too: nothing XML cannot
    // carry may pass.
    m_text += QLatin1String("    ") + QLatin1String(name) + QLatin1String("=\"") + Utility::xmlText(value)
        + QLatin1String("\"\n");
    return *this;
}

DocWriter& DocWriter::text(const char* name, const QString& value, bool upper)
{
    return raw(name, Utility::escapeXML(value, upper));
}

DocWriter& DocWriter::money(const char* name, double value)
{
    return raw(name, Utility::numStr(value, 2));
}

DocWriter& DocWriter::dates(const QDateTime& when)
{
    const QLocale locale = Utility::locale();
    return text("date", locale.toString(when.date(), QLocale::LongFormat))
        .text("datetime", locale.toString(when, QLocale::ShortFormat))
        .raw("shortdate", when.toString(QStringLiteral("yyyy-MM-dd")))
        .raw("time", when.toString(QStringLiteral("hh:mm:ss")));
}

DocWriter& DocWriter::printMoment()
{
    const QDateTime now = ZkClock::now();
    return raw("printtime", now.toString(QStringLiteral("hh:mm:ss")))
        .raw("printdate", now.toString(QStringLiteral("yyyy-MM-dd")));
}

DocWriter& DocWriter::close()
{
    if (m_open)
        m_text += QLatin1String("  />\n");
    m_open = false;
    return *this;
}

QString DocWriter::finish()
{
    close();
    return m_text + QLatin1String("</zendrik>\n");
}
