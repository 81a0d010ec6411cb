// The sales window's backup command: the database to a .zbk file, then the
// file to the backup media through the configured command.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "maintenance/backupwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

const QString kBackup = QStringLiteral("Backup");

} // namespace

void Sales::backup()
{
    utils->logAction(kBackup, QString(), QString(), '0');
    QString fileName = ZkPrompt::saveFileName(this, tr("Choose a destination backup"),
                                              QDir::homePath() + QLatin1String("/Documents"),
                                              tr("Brevalon Backup (*.zbk)"));
    if (fileName.isEmpty()) {
        ZkPrompt::beep();
        const QString message = tr("Backup aborted, no destination choosen");
        setStatus(message);
        utils->logAction(kBackup, message, QString(), '0');
        return;
    }
    // "night.zbk.old" is taken as it is: it already names a backup.
    if (fileName.lastIndexOf(QLatin1String(".zbk")) < 0)
        fileName += QLatin1String(".zbk");

    ZkPrompt::setWaitCursor(true);
    const BackupWriter::Outcome outcome = BackupWriter::writeFile(fileName, [this](const QString& table) {
        setStatus(tr("Processing %1").arg(table));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    switch (outcome.result) {
    case BackupWriter::Written:
        break;
    case BackupWriter::CannotCreate: {
        ZkPrompt::setWaitCursor(false);
        ZkPrompt::beep();
        const QString message = tr("Backup aborted, can't create %1").arg(fileName);
        setStatus(message);
        utils->logAction(kBackup, message, QString(), '0');
        return;
    }
    case BackupWriter::DatabaseFailed:
        ZkPrompt::setWaitCursor(false);
        ZkDb::showError(outcome.databaseError, outcome.statement);
        ZkPrompt::beep();
        setStatus(tr("Backup aborted"));
        return;
    case BackupWriter::FileFailed: {
        ZkPrompt::setWaitCursor(false);
        ZkPrompt::beep();
        const QString message = tr("Backup aborted, %1").arg(outcome.fileError);
        ZkPrompt::warning(this, tr("Brevalon Backup"), message);
        setStatus(message);
        utils->logAction(kBackup, message, QString(), '2');
        return;
    }
    }

    const QString command = settings->readEntry(QStringLiteral("/Global/BackupCmd"));
    if (command.isEmpty()) {
        setStatus(tr("Skiping Writing Backup to media"));
        utils->logAction(kBackup, tr("No Backup Media App"), tr("Skiping Writing Backup to media"), '2');
        setStatus(tr("Backup complete"));
        ZkPrompt::beep();
        ZkPrompt::setWaitCursor(false);
        return;
    }
    const QString writing = tr("Writing Backup to media ...");
    setStatus(writing);
    utils->logAction(kBackup, writing, QString(), '0');
    // The command and the file name, split at blanks: the first piece is the program.
    QStringList pieces = QStringLiteral("%1 %2").arg(command, fileName).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString program = pieces.takeFirst();
    QProcess media;
    // Nothing is fed to the command and nothing read from it.
    media.setStandardInputFile(QProcess::nullDevice());
    media.setProcessChannelMode(QProcess::ForwardedChannels);
    media.start(program, pieces);
    const bool ran = media.waitForStarted(-1) && media.waitForFinished(-1)
        && media.exitStatus() == QProcess::NormalExit;
    if (ran && media.exitCode() == 0) {
        utils->logAction(kBackup, writing, tr("Complete"), '3');
        setStatus(tr("Backup complete"));
    } else {
        utils->logAction(kBackup, writing, tr("Failed"), '2');
        const QString why = ran ? tr("exit status %1").arg(media.exitCode()) : media.errorString();
        setStatus(tr("Backup created, but writing to media failed.") + QLatin1String(" (") + why
                  + QLatin1Char(')'));
    }
    ZkPrompt::beep();
    ZkPrompt::setWaitCursor(false);
}
