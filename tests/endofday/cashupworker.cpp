// A till that runs one processing cash-up as a process of its own, so that a
// test can kill it (SIGKILL) in the middle. Its operator accepts every box
// and takes every report as printed. It writes what it did to a log, one
// line a fact, flushed at once so that a killed till's log is complete up to
// the kill:
//
//   REPORT <the document, on one line>     a report shown
//   INFO <text>                            an information box
//   ERROR <caption>|<text>                 a warning or error box
//   STATEMENTS <n>                         statements the cash-up ran
//   DONE
//
// brevalon_cashupworker --home DIR --db NAME --log FILE [--crash-at N]
// The backend and the MariaDB server come from the test environment.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkdb.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>

namespace {

QFile logFile;

void note(const QString& line)
{
    logFile.write(QString(line).replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8() + '\n');
    logFile.flush();
}

ZkPrompt::Reply answer(const ZkPrompt::Request& r)
{
    ZkPrompt::Reply reply;
    reply.ok = true;
    switch (r.kind) {
    case ZkPrompt::Exec:
        if (auto* dp = qobject_cast<DocPrint*>(r.dialog)) {
            QString xml;
            QTextStream out(&xml);
            dp->documentRoot().save(out, -1);
            note(QStringLiteral("REPORT ") + xml);
        }
        reply.button = 1;
        return reply;
    case ZkPrompt::Information:
        note(QStringLiteral("INFO ") + r.text);
        return reply;
    case ZkPrompt::Warning:
    case ZkPrompt::Critical:
        note(QStringLiteral("ERROR %1|%2").arg(r.caption, r.text));
        return reply;
    default:
        reply.button = 0; // Yes to the open orders, Print/Process
        return reply;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString home, db, log;
    int crashAt = 0;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--home"))
            home = args[i + 1];
        else if (args[i] == QLatin1String("--db"))
            db = args[i + 1];
        else if (args[i] == QLatin1String("--log"))
            log = args[i + 1];
        else if (args[i] == QLatin1String("--crash-at"))
            crashAt = args[i + 1].toInt();
    }
    logFile.setFileName(log);
    if (!logFile.open(QIODevice::Append | QIODevice::Unbuffered))
        return 2;
    qputenv("HOME", home.toLocal8Bit());
    QDir(home).mkpath(QStringLiteral(".Zendrik/Brevalon"));
    settings = new ZkSettings(home);
    settings->writeEntry(QStringLiteral("/Global/DBDriver"), TestShop::driverSetting());
    settings->writeEntry(QStringLiteral("/Global/DBName"), db);
    if (TestShop::isMariaDb()) {
        auto env = [](const char* name, const char* fallback) {
            return qEnvironmentVariableIsEmpty(name) ? QString::fromLatin1(fallback)
                                                     : qEnvironmentVariable(name);
        };
        settings->writeEntry(
            QStringLiteral("/Global/DBServer"), env("BREVALON_TEST_MYSQL_HOST", "127.0.0.1"));
        settings->writeEntry(
            QStringLiteral("/Global/DBPport"), env("BREVALON_TEST_MYSQL_PORT", "3306").toInt());
        settings->writeEntry(QStringLiteral("/Global/DBUser"), env("BREVALON_TEST_MYSQL_USER", "root"));
        settings->writeEntry(QStringLiteral("/Global/DBPassword"), env("BREVALON_TEST_MYSQL_PASSWORD", ""));
    }
    settings->writeEntry(QStringLiteral("/Global/InstallDir"), TestShop::installDir());
    settings->writeEntry(QStringLiteral("/MailPrinter/Preview"), QStringLiteral("ON"));
    settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
    QString error;
    if (ZkDb::openDefault(&error) != ZkDb::Opened) {
        note(QStringLiteral("ERROR open|") + error);
        return 2;
    }
    utils = new Utility;
    if (!utils->initClass(true))
        return 2;
    utils->setUserName(QStringLiteral("MARY"));
    ZkPrompt::setHandler(answer);

    ZkDb::abortAtStatement(crashAt);
    utils->cashUp();
    note(QStringLiteral("STATEMENTS %1").arg(ZkDb::statementsRun()));
    note(QStringLiteral("DONE"));
    ZkPrompt::setHandler({});
    return 0;
}
