#include "tests/posting/paper.h"

#include "documents/docprint.h"
#include "tests/support/slipout.h"

#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

bool Paper::canReadPages()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

Paper Paper::of(DocPrint* window, bool page)
{
    static int made = 0;
    Paper paper;
    paper.type
        = window->documentRoot().firstChildElement(QStringLiteral("head")).attribute(QStringLiteral("type"));
    const QString keep = qEnvironmentVariable("BREVALON_KEEP_OUTPUT");
    const QString kept = QStringLiteral("%1/%2-%3").arg(keep).arg(++made).arg(paper.type);
    if (!keep.isEmpty())
        QDir().mkpath(keep);
    QTemporaryDir dir;
    if (page) {
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        window->currentPrinter()->setOutputFileName(pdf);
        window->printPage();
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        reader.waitForFinished();
        // The page's type joins "ff" into one glyph.
        paper.page
            = QString::fromUtf8(reader.readAllStandardOutput()).replace(QChar(0xFB00), QLatin1String("ff"));
        if (!keep.isEmpty())
            QFile::copy(pdf, kept + QLatin1String(".pdf"));
    }
    for (const bool forty : { false, true }) {
        window->mode_activated(forty ? 2 : 1);
        (forty ? paper.slip40 : paper.slip) = window->slipText();
        SlipOut::keep(window->slipBytes(), forty, paper.type);
        QFile out(kept + (forty ? QLatin1String(".slip40.txt") : QLatin1String(".slip.txt")));
        if (!keep.isEmpty() && out.open(QIODevice::WriteOnly))
            out.write(window->slipText().toUtf8());
    }
    window->mode_activated(0);
    return paper;
}

QStringList Paper::faults(const QStringList& shown) const
{
    QStringList wrong;
    if (page.contains(QLatin1String("-0.00")))
        wrong << type + QLatin1String(" page shows a negative nothing");
    for (const QString& text : shown) {
        if (!page.isNull() && !page.contains(text))
            wrong << type + QLatin1String(" page lacks ") + text + QLatin1Char('\n') + page;
        for (const QString& s : { slip, slip40 }) {
            if (!SlipOut::asPrinted(s).contains(text))
                wrong << type + QLatin1String(" slip lacks ") + text + QLatin1Char('\n') + s;
        }
    }
    for (const auto& [text, width] : { std::pair { slip, 80 }, { slip40, 40 } }) {
        if (text.isEmpty())
            wrong << QStringLiteral("%1: no %2-column slip").arg(type).arg(width);
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (SlipOut::paperWidth(line) > width)
                wrong << QStringLiteral("%1: %2 columns on a %3-column slip: %4")
                             .arg(type)
                             .arg(SlipOut::paperWidth(line))
                             .arg(width)
                             .arg(line);
        }
    }
    return wrong;
}
