#include "tests/support/mailreader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

namespace {

QString maildir()
{
    return qEnvironmentVariable("BREVALON_TEST_MAILDIR");
}

} // namespace

QStringList MailReader::mails()
{
    return QDir(maildir()).entryList({QStringLiteral("*.eml")});
}

QString MailReader::readNew(const QStringList& before, const QString& logoFile, QString* error)
{
    QStringList now;
    QElapsedTimer t;
    t.start();
    while ((now = mails()).size() == before.size() && t.elapsed() < 10000)
        QTest::qWait(50);
    if (now.size() != before.size() + 1) {
        *error = QStringLiteral("%1 new mails, not one").arg(now.size() - before.size());
        return QString();
    }
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {qEnvironmentVariable("BREVALON_SOURCE_DIR") + QStringLiteral("/tests/documents/readmail.py"),
                  maildir() + QLatin1Char('/') + now.last(), logoFile});
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0) {
        *error = QStringLiteral("the mail could not be read: ") + QString::fromUtf8(reader.readAllStandardError());
        return QString();
    }
    return QString::fromUtf8(reader.readAllStandardOutput());
}
