#include "endofday/reporthead.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zksettings.h"
#include "documents/docwriter.h"

#include <QCoreApplication>

#include <cmath>

namespace EndOfDayReport {

const char* const kMustPrint = "nocancel";
const char* const kShowOnly = "no";

void writeHead(
    DocWriter& doc, const QString& type, const QString& summary, bool taxNames, const char* autoAction)
{
    const SysInfoRecord& shop = utils->sysInfo();
    doc.open("head").raw("type", type).raw("printer", QStringLiteral("Mail"));
    if (settings->readEntry(QStringLiteral("/MailPrinter/Mode")) == QLatin1String("logo"))
        doc.raw("logo", QStringLiteral("&lt;img src=PrintLogo&gt;"));
    doc.text("date", Utility::locale().toString(ZkClock::today(), QLocale::LongFormat))
        .text("summary", summary);
    for (int i = 0; i < 7; ++i)
        doc.text(qPrintable(QStringLiteral("aline%1").arg(i + 1)), shop.aline[i]);
    if (taxNames)
        writeTaxNames(doc);
    doc.raw("auto", QLatin1String(autoAction)).printMoment();
}

void writeTaxNames(DocWriter& doc)
{
    const SysInfoRecord& shop = utils->sysInfo();
    doc.text("tax1name", shop.tax1Name).text("tax2name", shop.tax2Name);
}

QString clientName(int account, const QString& name)
{
    if (QString::number(account).startsWith(QLatin1Char('-')))
        return QCoreApplication::translate("Utility", "CASH");
    return name;
}

QString quantityText(double quantity)
{
    const double whole = std::round(quantity);
    if (std::fabs(quantity - whole) < 0.0005)
        return QString::number(whole + 0.0, 'f', 0);
    return Utility::numStr(quantity, 3);
}

QString wasSold(const QString& column)
{
    QString condition;
    for (const char* table : { "Journal", "JournalArchive" })
        condition += QStringLiteral("%1NOT EXISTS (SELECT 1 FROM %2 AS NS WHERE NS.MyNumber=%3 AND "
                                    "NS.Description IN ('Q','VI'))")
                         .arg(condition.isEmpty() ? QString() : QStringLiteral(" AND "),
                             QLatin1String(table), column);
    return condition;
}

double percentOf(double part, double whole)
{
    return Utility::roundCents(whole) == 0 ? 0.0 : 100.0 * part / whole;
}

} // namespace EndOfDayReport
