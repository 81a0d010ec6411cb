// The report viewer's CSV export.

#include "reports/reporter.h"

#include "core/docpath.h"
#include "core/zkprompt.h"

#include <QSaveFile>

namespace {

/** A cell the standard way: in double quotes, a quote inside doubled, so
 *  commas, quotes and line breaks come back as they were. */
QString csvCell(const QString& text)
{
    QString cell = text;
    return QLatin1Char('"') + cell.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

QString Reporter::csvText() const
{
    QString csv;
    for (const QStringList& cells : rows()) {
        QStringList quoted;
        for (const QString& cell : cells)
            quoted << csvCell(cell);
        csv += quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

void Reporter::exportPage()
{
    QString name = ZkPrompt::saveFileName(this, tr("Choose a destination file"), getDocPath(),
                                          tr("Export as CSV (*.csv)"));
    if (name.isEmpty()) {
        ZkPrompt::beep();
        return;
    }
    if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        name += QLatin1String(".csv");

    // Written beside the target and renamed over it once complete: a failure
    // half-way leaves nothing under the chosen name.
    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        file.write(csvText().toUtf8());
        written = file.commit();
    }
    if (!written) {
        ZkPrompt::beep();
        ZkPrompt::warning(this, tr("Export Results"), tr("CSV Export aborted, can't create %1").arg(name));
        return;
    }
    ZkPrompt::information(this, tr("Export Results"), tr("Export to CSV complete"));
}
