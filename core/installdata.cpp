#include "core/utility.h"

#include "core/globals.h"
#include "core/zksettings.h"

QString Utility::shareFile(const QString& name)
{
    return settings->readEntry(QStringLiteral("/Global/InstallDir")) + QLatin1String("/share/Brevalon/") + name;
}

QString Utility::translationsDir()
{
    return settings->readEntry(QStringLiteral("/Global/InstallDir")) + QLatin1String("/Brevalon/i18n");
}
