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

QString queueProblem(const QString& printer)
{
    if (printer.isEmpty())
        return QString();
    QProcess process;
    // The words parsed below are the spooler's own, untranslated.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("lpstat"), {QStringLiteral("-p"), printer, QStringLiteral("-a"), printer});
    if (!process.waitForStarted() || !process.waitForFinished(10000))
        return QString();
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    QStringList problems;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        // The reason a queue was stopped follows on lines of its own.
        QStringList reason;
        while (i + 1 < lines.size() && lines.at(i + 1).startsWith(QLatin1Char('\t')))
            reason << lines.at(++i).trimmed();
        const QString why = reason.isEmpty() ? QString() : QLatin1String(" (") + reason.join(QLatin1Char(' ')) + QLatin1Char(')');
        if (line.startsWith(QLatin1String("printer ") + printer + QLatin1Char(' '))
            && line.contains(QLatin1String(" disabled since")))
            problems << QCoreApplication::translate("SlipSpool", "stopped") + why;
        else if (line.startsWith(printer + QLatin1String(" not accepting requests")))
            problems << QCoreApplication::translate("SlipSpool", "not accepting jobs") + why;
    }
    return problems.join(QLatin1String(", "));
}

} // namespace SlipSpool
