#include "accounts/accountdoc.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "documents/docwriter.h"
#include "posting/documenthead.h"

#include <QCoreApplication>

#include <cmath>

namespace AccountDoc {

QString todaysNumber(int account)
{
    return QStringLiteral("%1/%2").arg(ZkClock::today().day()).arg(account);
}

QString html(const QString& text)
{
    return text.toHtmlEscaped();
}

void clientHead(DocWriter& doc, const QString& type, int account, const DocumentClient& client)
{
    const DocumentClient shown{html(client.name),  html(client.postal), html(client.shipping), html(client.phone),
                               html(client.cell),  html(client.email),  html(client.vatNo)};
    // The address the window mails to stays as typed.
    DocumentHead::write(doc, type, QStringLiteral("Mail"), QStringLiteral("/MailPrinter"), todaysNumber(account),
                        ZkClock::now(), account, shown, client.email, utils->sysInfo());
    doc.printMoment();
}

QString rowColour(int row)
{
    return row % 2 == 0 ? QStringLiteral("#98bff0") : QStringLiteral("#e0e8f8");
}

QString quantityText(double quantity)
{
    const double whole = std::round(quantity);
    return Utility::numStr(quantity, qAbs(quantity - whole) < 0.0005 ? 0 : 3);
}

QString codeText(const QString& code)
{
    const char* const words[][2] = {
        {"I", QT_TRANSLATE_NOOP("Utility", "Invoice")},          {"R", QT_TRANSLATE_NOOP("Utility", "Receipt")},
        {"RF", QT_TRANSLATE_NOOP("Utility", "Refund")},          {"Q", QT_TRANSLATE_NOOP("Utility", "Quote")},
        {"VI", QT_TRANSLATE_NOOP("Utility", "Void Invoice")},    {"VR", QT_TRANSLATE_NOOP("Utility", "Void Receipt")},
        {"IA", QT_TRANSLATE_NOOP("Utility", "Interest on arrears")},
    };
    for (const auto& w : words) {
        if (code.trimmed().compare(QLatin1String(w[0]), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("Utility", w[1]);
    }
    return QCoreApplication::translate("Utility", code.toUtf8().constData());
}

} // namespace AccountDoc
