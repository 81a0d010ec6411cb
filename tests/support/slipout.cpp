#include "tests/support/slipout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace SlipOut {

void keep(const QByteArray& bytes, bool forty, const QString& what)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("BREVALON_SLIP_DIR"));
    if (dir.isEmpty() || bytes.isEmpty())
        return;
    QStringList parts{QCoreApplication::applicationName(), QString::fromLocal8Bit(qgetenv("BREVALON_TEST_BACKEND")),
                      QString::fromLatin1(QTest::currentTestFunction())};
    if (QTest::currentDataTag())
        parts << QString::fromLocal8Bit(QTest::currentDataTag());
    if (!what.isEmpty())
        parts << what;
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_]+"));
    const QString base = parts.replaceInStrings(unsafe, QStringLiteral("-")).join(QLatin1Char('.'));
    const QString suffix = forty ? QStringLiteral(".slip40") : QStringLiteral(".slip");
    QDir().mkpath(dir);
    // A test that prints the same document twice keeps both.
    QString path = dir + QLatin1Char('/') + base + suffix;
    for (int n = 2; QFile::exists(path); ++n)
        path = dir + QLatin1Char('/') + base + QLatin1Char('.') + QString::number(n) + suffix;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QFAIL(qPrintable(QStringLiteral("cannot keep the slip in ") + path));
}

} // namespace SlipOut
