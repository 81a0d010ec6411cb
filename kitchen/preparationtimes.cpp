#include "kitchen/preparationtimes.h"

#include "core/utility.h"
#include "core/zkdb.h"
#include "documents/docwriter.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QMap>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PreparationTimes", text);
}

struct Tally
{
    double portions = 0;
    int dockets = 0;
    qint64 total = 0;
    qint64 longest = 0;

    void add(double quantity, qint64 seconds)
    {
        portions += quantity;
        ++dockets;
        total += seconds;
        longest = std::max(longest, seconds);
    }
    qint64 average() const { return dockets ? (total + dockets / 2) / dockets : 0; }
};

QString portionsText(double portions)
{
    return Utility::numStr(portions, portions == std::floor(portions) ? 0 : 2);
}

void row(DocWriter& doc, const QString& name, const Tally& t, int visual = 0)
{
    doc.open("item")
        .text("col0", name)
        .raw("col1", portionsText(t.portions))
        .raw("col2", QString::number(t.dockets))
        .raw("col3", PreparationTimes::duration(t.average()))
        .raw("col4", PreparationTimes::duration(t.longest));
    if (visual)
        doc.raw("visual", QString::number(visual));
}

void heading(DocWriter& doc, const QString& text)
{
    // Large type on the grey background: a section of the list.
    doc.open("item").text("col0", text);
    for (const char* col : {"col1", "col2", "col3", "col4"})
        doc.raw(col, QString());
    doc.raw("visual", QStringLiteral("17"));
}

} // namespace

namespace PreparationTimes {

QString duration(qint64 seconds)
{
    const qint64 s = std::max<qint64>(seconds, 0);
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString report(const QDate& from, const QDate& to)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT MyDate, Bumped, Docket FROM KitchenDockets WHERE Bumped IS NOT NULL AND "
                               "MyDate>='%1 00:00:00' AND MyDate<='%2 23:59:59'")
                    .arg(from.toString(QStringLiteral("yyyy-MM-dd")), to.toString(QStringLiteral("yyyy-MM-dd"))))) {
        Utility::showDBError(q);
        return QString();
    }
    QMap<QString, Tally> items;
    QMap<int, Tally> hours;
    Tally all;
    while (q.next()) {
        const QDateTime ordered = ZkDb::dateTime(q.value(0));
        const qint64 seconds = ordered.secsTo(ZkDb::dateTime(q.value(1)));
        QDomDocument dom;
        if (!dom.setContent(q.value(2).toString()))
            continue;
        QMap<QString, double> portions; // of this docket, per item
        double total = 0;
        for (QDomElement item = dom.documentElement().firstChildElement(QStringLiteral("item")); !item.isNull();
             item = item.nextSiblingElement(QStringLiteral("item"))) {
            const QString quantity = item.attribute(QStringLiteral("quantity"));
            if (quantity.isEmpty())
                continue; // a separator, modifier or remark
            const double n = Utility::strNum(quantity);
            portions[item.attribute(QStringLiteral("description")).replace(QLatin1String("\\n"), QLatin1String(" "))] += n;
            total += n;
        }
        for (auto p = portions.cbegin(); p != portions.cend(); ++p)
            items[p.key()].add(p.value(), seconds);
        hours[ordered.time().hour()].add(total, seconds);
        all.add(total, seconds);
    }

    DocWriter doc;
    doc.open("head")
        .raw("type", QStringLiteral("report"))
        .text("title", tr("Kitchen Preparation Times %1 to %2")
                           .arg(from.toString(QStringLiteral("yyyy-MM-dd")), to.toString(QStringLiteral("yyyy-MM-dd"))))
        .raw("columns", QStringLiteral("5"))
        .text("col0", tr("Item"))
        .text("col1", tr("Portions"))
        .text("col2", tr("Dockets"))
        .text("col3", tr("Average"))
        .text("col4", tr("Longest"))
        .raw("col1align", QStringLiteral("right"))
        .raw("col2align", QStringLiteral("right"))
        .raw("col3align", QStringLiteral("right"))
        .raw("col4align", QStringLiteral("right"))
        .raw("sorting", QStringLiteral("false"))
        .raw("export", QStringLiteral("enabled"));

    heading(doc, tr("By item"));
    QList<QString> names = items.keys();
    // Slowest first: where the kitchen loses its time.
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return items.value(a).average() > items.value(b).average();
    });
    for (const QString& name : names)
        row(doc, name, items.value(name));
    heading(doc, tr("By hour of order"));
    for (auto h = hours.cbegin(); h != hours.cend(); ++h)
        row(doc, QStringLiteral("%1:00 - %1:59").arg(h.key(), 2, 10, QLatin1Char('0')), h.value());
    row(doc, tr("All dockets"), all, 3);
    return doc.finish();
}

} // namespace PreparationTimes
