// The stock on hand with its re-order marks, and the price list by
// department with the compositions priced from their contents.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "reports/reporter.h"
#include "reports/reportwriter.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

#include <array>

void Sales::stockLevelReport()
{
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Code, Description, UnitOfMeasure, Quantity, OnOrder, ReOrder FROM Inventory "
                               "ORDER BY Description, Code"))) {
        Utility::showDBError(q);
        return;
    }
    ReportWriter report(tr("Stock Levels Report"));
    report.setSorting(false)
        .column(tr("Code"))
        .column(tr("Description"))
        .column(tr("UOM"))
        .column(tr("Quantity"), ReportWriter::Right)
        .column(tr("On Order"), ReportWriter::Right)
        .column(tr("Hand Count"));
    while (q.next()) {
        const double quantity = q.value(3).toDouble();
        const double onOrder = q.value(4).toDouble();
        const double reOrder = q.value(5).toDouble();
        // Red: short even with what is on order; grey: short until it comes.
        const int visual = quantity + onOrder <= reOrder ? ReportWriter::Red
                           : quantity <= reOrder         ? ReportWriter::Grey
                                                         : ReportWriter::Normal;
        report.row({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                    ReportWriter::quantity(quantity), ReportWriter::quantity(onOrder), QString()},
                   visual);
    }
    utils->logAction(tr("Stock Levels"), tr("Report"), QString(), '0');
    m_reporter->parseXml(report.finish());
}

void Sales::priceList()
{
    using Prices = std::array<double, 3>; // base, tier 1, tier 2
    QSqlQuery q;
    q.setForwardOnly(true);
    QString tiers[3] = {tr("Price"), tr("Tier 1"), tr("Tier 2")};
    if (!q.exec(QStringLiteral("SELECT BaseName, Tier1Name, Tier2Name FROM SysInfo"))) {
        Utility::showDBError(q);
        return;
    }
    if (q.next())
        for (int t = 0; t < 3; ++t)
            if (!q.value(t).toString().trimmed().isEmpty())
                tiers[t] = q.value(t).toString().trimmed();

    ReportWriter report(tr("Price List"));
    report.setSorting(false).column(tr("Description"));
    for (const QString& t : tiers)
        report.column(t, ReportWriter::Right);
    // A department's heading: large type on the grey background.
    const int heading = 129;

    // Every item's prices, for the departments and for the compositions.
    if (!q.exec(QStringLiteral("SELECT Code, Department, Description, Price, Tier1Price, Tier2Price FROM Inventory "
                               "ORDER BY Department, Description, Code"))) {
        Utility::showDBError(q);
        return;
    }
    QHash<QString, Prices> priceOf;
    QHash<QString, QList<QStringList>> itemsOf;
    while (q.next()) {
        const Prices p{q.value(3).toDouble(), q.value(4).toDouble(), q.value(5).toDouble()};
        priceOf.insert(q.value(0).toString(), p);
        itemsOf[q.value(1).toString()] << QStringList{q.value(2).toString(), ReportWriter::money(p[0]),
                                                     ReportWriter::money(p[1]), ReportWriter::money(p[2])};
    }
    if (!q.exec(QStringLiteral("SELECT Department FROM Departments ORDER BY Rank, Department"))) {
        Utility::showDBError(q);
        return;
    }
    while (q.next()) {
        const QString department = q.value(0).toString();
        report.row({department}, heading);
        for (const QStringList& item : itemsOf.value(department))
            report.row(item);
    }

    // A composition costs what its contents cost at each tier, less each
    // content's discount.
    if (!q.exec(QStringLiteral("SELECT Compositions.Code, Compositions.Description, CompositionContents.Quantity, "
                               "CompositionContents.Code, CompositionContents.Discount FROM Compositions LEFT JOIN "
                               "CompositionContents ON CompositionContents.CompId=Compositions.Code "
                               "ORDER BY Compositions.Description, Compositions.Code"))) {
        Utility::showDBError(q);
        return;
    }
    QList<int> order;
    QHash<int, QString> names;
    QHash<int, Prices> sets;
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (!names.contains(id)) {
            order << id;
            names.insert(id, q.value(1).toString());
            sets.insert(id, Prices{0, 0, 0});
        }
        if (q.value(3).isNull())
            continue;
        const Prices item = priceOf.value(q.value(3).toString(), Prices{0, 0, 0});
        const double share = q.value(2).toDouble() * (1.0 - q.value(4).toDouble() / 100.0);
        for (int t = 0; t < 3; ++t)
            sets[id][t] += share * item[t];
    }
    if (!order.isEmpty()) {
        report.row({tr("Compositions")}, heading);
        for (int id : order) {
            const Prices& p = sets.value(id);
            report.row({names.value(id), ReportWriter::money(p[0]), ReportWriter::money(p[1]), ReportWriter::money(p[2])});
        }
    }
    m_reporter->parseXml(report.finish());
}
