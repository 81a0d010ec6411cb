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

int paperWidth(const QString& line)
{
    static const QRegularExpression tag(QStringLiteral("</?(B|EM|D|CUT|ICUT|LOGO|SNAPSCAN)>|&\\d+&"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression entity(QStringLiteral("&(amp|lt|gt|quot|apos);"));
    int width = 0;
    bool twice = false;
    QString rest = line;
    rest.replace(entity, QStringLiteral("_"));
    int at = 0;
    for (auto m = tag.globalMatch(rest); m.hasNext();) {
        const auto match = m.next();
        width += int(match.capturedStart() - at) * (twice ? 2 : 1);
        if (match.captured(1).compare(QLatin1String("D"), Qt::CaseInsensitive) == 0)
            twice = !match.captured().startsWith(QLatin1String("</"));
        at = int(match.capturedEnd());
    }
    return width + int(rest.size() - at) * (twice ? 2 : 1);
}

QString asPrinted(QString slip)
{
    slip.replace(QLatin1String("&apos;"), QLatin1String("'")).replace(QLatin1String("&quot;"), QLatin1String("\""));
    return slip.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace SlipOut
