// Order forms: one per supplier for the items at or below their re-order
// level. An order the operator accepts is put on order, so the same
// shortage is not ordered again.

#include "core/utility.h"

#include "accounts/accountdoc.h"
#include "core/globals.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "documents/docwriter.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

struct Supplier
{
    QString company, contact, tel, fax, email, cell, postal, physical;
};

struct OrderLine
{
    QString code, description, uom;
    double quantity;
};

} // namespace

void Utility::manageStockOrders()
{
    const QString caption = tr("Order Management");
    if (ZkPrompt::question(m_mainWindow, caption,
                           tr("Confirm that you wish to print order forms\nThis may take a few minutes"),
                           {tr("&Yes"), tr("&No")}, 1, 1)
        != 0) {
        ZkPrompt::information(m_mainWindow, caption, tr("Operation cancelled"));
        return;
    }
    QSqlQuery s;
    if (!s.exec(QStringLiteral("SELECT Company, Contact, Tel, Fax, Email, Cell, PostalAddr, PhysicalAddr FROM Supply "
                               "ORDER BY Company"))) {
        showDBError(s);
        return;
    }
    QList<Supplier> suppliers;
    while (s.next()) {
        auto col = [&s](int i) { return s.value(i).toString(); };
        suppliers.append({col(0), col(1), col(2), col(3), col(4), col(5), col(6), col(7)});
    }

    const QString shortage = QStringLiteral("Quantity + OnOrder <= ReOrder AND ToQuantity > 0");
    for (const Supplier& sup : suppliers) {
        QSqlQuery items;
        if (!items.exec(QStringLiteral("SELECT Code, Description, UnitOfMeasure, ToQuantity FROM Inventory WHERE "
                                       "Supplier='%1' AND %2 ORDER BY Description, Code")
                            .arg(escapeSQL(sup.company), shortage))) {
            showDBError(items);
            return;
        }
        QList<OrderLine> lines;
        while (items.next())
            lines.append({items.value(0).toString(), items.value(1).toString(), items.value(2).toString(),
                          items.value(3).toDouble()});
        if (lines.isEmpty())
            continue;

        DocWriter doc;
        doc.open("head").raw("type", QStringLiteral("order")).raw("printer", QStringLiteral("Mail"));
        if (settings->readEntry(QStringLiteral("/MailPrinter/Mode")) == QLatin1String("logo"))
            doc.raw("logo", QStringLiteral("&lt;img src=PrintLogo&gt;"));
        // Without a client chosen the day alone numbers the order.
        doc.raw("number", m_account >= 0 ? AccountDoc::todaysNumber(m_account)
                                         : QString::number(ZkClock::today().day()))
            .dates(ZkClock::now())
            .text("company", AccountDoc::html(sup.company))
            .text("att", AccountDoc::html(sup.contact))
            .text("phone", AccountDoc::html(sup.tel))
            .text("fax", AccountDoc::html(sup.fax))
            .text("email", sup.email)
            .text("cell", AccountDoc::html(sup.cell))
            .text("postal", AccountDoc::html(sup.postal))
            .text("shipping", AccountDoc::html(sup.physical));
        for (int i = 0; i < 7; ++i)
            doc.text(qPrintable(QStringLiteral("aline%1").arg(i + 1)), m_info.aline[i]);
        doc.printMoment().raw("auto", QStringLiteral("no"));
        for (int row = 0; row < lines.size(); ++row) {
            const OrderLine& line = lines.at(row);
            doc.open("item")
                .text("description", AccountDoc::html(line.description))
                .text("uom", AccountDoc::html(line.uom))
                .raw("quantity", AccountDoc::quantityText(line.quantity))
                .raw("bgcolor", AccountDoc::rowColour(row));
        }
        const QString document = doc.finish();
        if (!showDocument(document, false))
            continue;

        ZkTransaction unit;
        if (!unit.isOpen())
            return;
        for (const OrderLine& line : lines) {
            // Raised once: a shortage another station ordered meanwhile
            // no longer qualifies.
            QSqlQuery up;
            if (!up.exec(QStringLiteral("UPDATE Inventory SET OnOrder=OnOrder+%1 WHERE Code='%2' AND %3")
                             .arg(QString::number(line.quantity, 'f', 3), escapeSQL(line.code), shortage))) {
                showDBError(up);
                return;
            }
        }
        if (!unit.commit())
            return;
    }
}
