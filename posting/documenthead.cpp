#include "posting/documenthead.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "documents/docwriter.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

namespace DocumentHead {

namespace {

// The name, and the VAT number under it when the client has one.
QString clientLine(const QString& name, const QString& vatNo)
{
    QString client = Utility::escapeXML(name);
    if (!vatNo.trimmed().isEmpty())
        client += QLatin1String("\\n") + QCoreApplication::translate("Utility", "VAT No. ") + Utility::escapeXML(vatNo);
    return client;
}

} // namespace

bool readClient(int account, bool lowerEmail, DocumentClient* client, bool* found)
{
    QSqlQuery c;
    if (!c.exec(QStringLiteral("SELECT Name, PostalAddr, ShippingAddr, Phone, Cell, %1, VatNo FROM Clients WHERE "
                               "AccountNumber=%2")
                    .arg(lowerEmail ? QStringLiteral("LOWER(Email)") : QStringLiteral("Email"))
                    .arg(account))) {
        Utility::showDBError(c);
        return false;
    }
    *found = c.next();
    if (*found) {
        auto col = [&c](int i) { return c.value(i).toString(); };
        *client = DocumentClient{col(0), col(1), col(2), col(3), col(4), col(5), col(6)};
    }
    return true;
}

void write(DocWriter& doc, const QString& type, const QString& printer, const QString& printerGroup, int number,
           const QDateTime& when, int account, const DocumentClient& client, const QString& email,
           const SysInfoRecord& shop)
{
    write(doc, type, printer, printerGroup, QString::number(number), when, account, client, email, shop);
}

void write(DocWriter& doc, const QString& type, const QString& printer, const QString& printerGroup,
           const QString& number, const QDateTime& when, int account, const DocumentClient& client,
           const QString& email, const SysInfoRecord& shop)
{
    doc.open("head").raw("type", type).raw("printer", printer);
    if (settings->readEntry(printerGroup + QLatin1String("/Mode")) == QLatin1String("logo"))
        doc.raw("logo", QStringLiteral("&lt;img src=PrintLogo&gt;"));
    doc.raw("number", number)
        .dates(when)
        .raw("acc", QString::number(account))
        .raw("client", clientLine(client.name, client.vatNo))
        .text("postal", client.postal)
        .text("shipping", client.shipping)
        .text("phone", client.phone)
        .text("cell", client.cell)
        .text("email", email);
    for (int i = 0; i < 7; ++i)
        doc.text(qPrintable(QStringLiteral("aline%1").arg(i + 1)), shop.aline[i]);
}

} // namespace DocumentHead
