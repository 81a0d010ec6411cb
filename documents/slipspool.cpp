#include "documents/slipspool.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

namespace SlipSpool {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

QString lpr(const QString& printer, int copies, bool remove, const QString& file)
{
    QStringList args;
    if (!printer.isEmpty())
        args << QStringLiteral("-P") << printer;
    args << QStringLiteral("-o") << QStringLiteral("raw");
    if (copies > 0)
        args << QStringLiteral("-#") << QString::number(copies);
    if (remove)
        args << QStringLiteral("-r");
    args << file;

    QProcess process;
    process.start(QStringLiteral("lpr"), args);
    if (!process.waitForStarted())
        return QCoreApplication::translate("SlipSpool", "The print command lpr could not be started: %1")
            .arg(process.errorString());
    // The spooler answers quickly; the till waits for it as for any command.
    process.waitForFinished(-1);
    const QString said = QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput())
                             .trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return QCoreApplication::translate("SlipSpool", "The print command lpr stopped abnormally. %1").arg(said);
    if (process.exitCode() != 0)
        return said.isEmpty()
                   ? QCoreApplication::translate("SlipSpool", "lpr ended with status %1").arg(process.exitCode())
                   : said;
    return QString();
}

} // namespace SlipSpool
