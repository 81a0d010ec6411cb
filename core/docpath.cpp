#include "core/docpath.h"

#include <QDir>

QString getDocPath()
{
    const QString home = qEnvironmentVariable("HOME", QDir::homePath());
    return home + QLatin1String("/Documents");
}
