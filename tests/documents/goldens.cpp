#include "tests/documents/goldens.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Goldens {

QString dataDir()
{
    return QString::fromLocal8Bit(qgetenv("BREVALON_SOURCE_DIR")) + QLatin1String("/tests/documents/data");
}

QByteArray readData(const QString& name)
{
    QFile file(dataDir() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString compare(const QString& name, const QByteArray& actual)
{
    const QString path = dataDir() + QLatin1String("/golden/") + name;
    if (qgetenv("BREVALON_UPDATE_GOLDEN") == "1") {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + path;
        out.write(actual);
        return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("missing reference ") + path;
    const QByteArray expected = file.readAll();
    if (expected == actual)
        return QString();
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected.at(at) == actual.at(at))
        ++at;
    return QStringLiteral("%1 differs at byte %2 (reference %3 bytes, actual %4): expected \"%5\" got \"%6\"")
        .arg(name)
        .arg(at)
        .arg(expected.size())
        .arg(actual.size())
        .arg(QString::fromLatin1(expected.mid(at, 40).toPercentEncoding(" ")),
             QString::fromLatin1(actual.mid(at, 40).toPercentEncoding(" ")));
}

} // namespace Goldens
