#include "core/settingscatalogue.h"

#include <QHash>
#include <QRegularExpression>

namespace {

using T = SettingKey;

SettingKey k(const char* key, SettingKey::Type type, const char* use, const char* dialog = nullptr)
{
    return SettingKey{QString::fromLatin1(key), type, QString::fromLatin1(use),
                      QString::fromLatin1(dialog ? dialog : use)};
}

QVector<SettingKey> build()
{
    QVector<SettingKey> c = {
        // Installation, database and start-up.
        k("/Global/InstallDir", T::Text, "/opt/zendrik"),
        k("/Global/DBDriver", T::Text, "QMYSQL3"),
        k("/Global/DBServer", T::Text, "localhost"),
        k("/Global/DBName", T::Text, "Brevalon"),
        k("/Global/DBUser", T::Text, "Brevalon"),
        k("/Global/DBPassword", T::Text, "zdk"),
        // -1 stands for the port that the driver reports before one is set.
        k("/Global/DBPport", T::Integer, "-1"),
        k("/Global/i18n", T::Text, "English", ""),
        // The locale of money and numbers; empty: the system's.
        k("/Global/Locale", T::Text, ""),
        k("/Global/LogActions", T::Boolean, "false"),
        // Empty "use" here is replaced by the install dir + "/bin/backup".
        k("/Global/BackupCmd", T::Text, "", ""),
        k("/Global/PrintLogo", T::Text, ""),

        // Appearance of the sales screen.
        k("/Global/ButtonColourMode", T::Integer, "2"),
        k("/Global/FullScreen", T::Boolean, "false"),
        k("/Global/QtyCheck", T::Boolean, "true"),
        k("/Global/ListFont", T::Text, "Arial"),
        k("/Global/ListFontSize", T::Integer, "10"),
        k("/Global/ListFontWeight", T::Integer, "50"),
        k("/Global/TouchFont", T::Text, "Veranda"),
        k("/Global/TouchFontSize", T::Integer, "9"),
        k("/Global/TouchFontWeight", T::Integer, "75"),
        k("/Global/TableSelectWidth", T::Integer, "800"),
        k("/Global/TableSelectHeight", T::Integer, "600"),
        k("/Global/TextColor", T::Text, "#000000"),
        k("/Global/RedBg", T::Text, "#f8bfbf"),
        k("/Global/BlueBg", T::Text, "#98bff0"),
        k("/Global/DarkBlueBg", T::Text, "#e0e8f8"),

        // Cash handling.
        k("/Global/BankNote%1Value", T::Real, "0"),
        k("/Global/BankNote%1Logo", T::Text, ""),
        k("/Global/PrintReceipt", T::Boolean, "true", "false"),
        k("/Global/TakeOutChange", T::Boolean, "false"),
        k("/Global/DisplayPole", T::Text, "", "None"),
        k("/Global/DisplaySpeed", T::Text, "1200", "9600"),
        k("/Global/DisplayDSR", T::Text, "No"),
        k("/Global/CashDraw", T::Text, "", "None"),
        k("/Global/CashDrawSpeed", T::Text, "1200"),
        k("/Global/CashDrawDSR", T::Text, "No"),

        // E-mail.
        k("/Global/SmtpServer", T::Text, ""),
        k("/Global/SmtpPort", T::Integer, "25"),
        k("/Global/FromEmail", T::Text, ""),
        k("/Global/Email%1", T::Text, ""),

        // External payment and room-charge services.
        k("/Global/Semper/Enabled", T::Boolean, "false"),
        k("/Global/Semper/Host", T::Text, "127.0.0.1", ""),
        k("/Global/Semper/Port", T::Integer, "1600"),
        k("/Global/Semper/Term", T::Text, "0101", ""),
        k("/Global/Semper/NewVersion", T::Boolean, "false", "true"),
        k("/Global/SnapScan/Enabled", T::Boolean, "false"),
        k("/Global/SnapScan/Host", T::Text, "pos.snapscan.io", ""),
        k("/Global/SnapScan/MerchantId", T::Text, ""),

        // Document preview and report windows.
        k("/Misc/PreviewWidth", T::Integer, "525", "530"),
        k("/Misc/PreviewHeight", T::Integer, "790", "590"),
        k("/Misc/PreviewFontSize", T::Integer, "8"),
        k("/Misc/RichTextFont", T::Text, "Sans Serif"),
        k("/Misc/RichTextFontSize", T::Integer, "22", "8"),
        k("/Misc/RichTextWidth", T::Integer, "652", "530"),
        k("/Misc/RichTextHeight", T::Integer, "702", "590"),
        k("/Misc/RichTextZoom", T::Integer, "2", "1"),
        k("/Misc/RichTextLines", T::Integer, "36", "24"),

        // Per-user keys; the last component is the login name.
        k("/Personal/GUIStyle/%1", T::Text, "Default"),
        k("/Personal/VendPage/%1", T::Boolean, "true"),
        k("/Personal/CashAcc/%1", T::Text, "CASH"),
        k("/Personal/top/%1", T::Integer, "46"),
        k("/Personal/left/%1", T::Integer, "30"),
        k("/Personal/width/%1", T::Integer, "800"),
        k("/Personal/height/%1", T::Integer, "600"),
        k("/Personal/split/%1", T::Integer, "-1"),
        k("/Personal/QtyWidth/%1", T::Integer, "75"),
        k("/Personal/DescriptionWidth/%1", T::Integer, "195"),
        k("/Personal/DiscWidth/%1", T::Integer, "50"),
        k("/Personal/AmountWidth/%1", T::Integer, "50"),

        // The kitchen screens' server (brevalon-kitchen). An empty station
        // key is replaced by a random one when the server starts.
        k("/KitchenScreen/Address", T::Text, "127.0.0.1"),
        k("/KitchenScreen/Port", T::Integer, "8088"),
        k("/KitchenScreen/KitchenKey", T::Text, ""),
        k("/KitchenScreen/LabelKey", T::Text, ""),
        k("/KitchenScreen/AmberMinutes", T::Integer, "8"),
        k("/KitchenScreen/RedMinutes", T::Integer, "15"),

        k("/Volatile/Initials", T::Text, ""),
        k("/Pell/Debug", T::Text, ""),
    };

    for (const QString& group : SettingsCatalogue::printerGroups()) {
        const QByteArray g = group.toLatin1();
        c << k((g + "/Mode").constData(), T::Text, "")
          << k((g + "/Preview").constData(), T::Text, "")
          << k((g + "/PrinterName").constData(), T::Text, "")
          << k((g + "/PageSize").constData(), T::Integer, "0")
          << k((g + "/Orientation").constData(), T::Integer, "0")
          << k((g + "/ColorMode").constData(), T::Integer, "0")
          << k((g + "/NumCopies").constData(), T::Integer, "0")
          // Inches; a page printed to its very edge loses its first letters.
          << k((g + "/Margin").constData(), T::Real, "0.6");
    }

    struct Code { const char* entry; const char* slip; const char* slip40; const char* slip40Dialog; };
    const Code codes[] = {
        {"INIT", "27,120,48,27,67,33,27,106,216,27,106,216,26,106,85", "", nullptr},
        {"BOLD", "27,69", "27,71,33", nullptr},
        {"BOLDOFF", "27,70", "27,71,32", nullptr},
        {"EMP", "27,52", "27,69,33", nullptr},
        {"EMPOFF", "27,53", "27,69,32", nullptr},
        {"DOUBLE", "27,119,1,14", "27,104,1,14", nullptr},
        {"DOUBLEOFF", "27,119,48,20", "27,104,48,20", nullptr},
        {"EOP", "12", "", nullptr},
        {"CUT", "", "29,86,66,6", nullptr},
        {"ICUT", "", "29,86,66,6", nullptr},
        {"LOGO", "", "28,112,1,48", nullptr},
        {"KICK", "27,112,48,55,121", "27,112,48,55,121", nullptr},
        // Both families print the QR code: their firmware takes the same
        // bit-image command.
        {"BitImage", "ESC * m nL nH d1...dk", "ESC * m nL nH d1...dk", nullptr},
    };
    for (const Code& code : codes) {
        c << k((QByteArray("/SlipCodes/") + code.entry).constData(), T::Text, code.slip)
          << k((QByteArray("/Slip40Codes/") + code.entry).constData(), T::Text, code.slip40,
               code.slip40Dialog);
    }
    return c;
}

} // namespace

namespace SettingsCatalogue {

QStringList printerGroups()
{
    return {QStringLiteral("/ReceiptPrinter"), QStringLiteral("/InvoicePrinter"),
            QStringLiteral("/KitchenPrinter"), QStringLiteral("/LabelPrinter"),
            QStringLiteral("/MailPrinter")};
}

const QVector<SettingKey>& all()
{
    static const QVector<SettingKey> catalogue = build();
    return catalogue;
}

const SettingKey* find(const QString& key)
{
    struct Index
    {
        QHash<QString, const SettingKey*> exact;
        QVector<QPair<QRegularExpression, const SettingKey*>> patterns;
    };
    static const Index index = [] {
        Index ix;
        for (const SettingKey& entry : all()) {
            if (entry.isPattern()) {
                QStringList parts = entry.key.split(QLatin1String("%1"));
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                const QString re = parts.join(QLatin1String("[^/]+"));
                ix.patterns.append({QRegularExpression(QLatin1Char('^') + re + QLatin1Char('$')), &entry});
            } else {
                ix.exact.insert(entry.key, &entry);
            }
        }
        return ix;
    }();

    if (const SettingKey* hit = index.exact.value(key, nullptr))
        return hit;
    for (const auto& p : index.patterns) {
        if (p.first.match(key).hasMatch())
            return p.second;
    }
    return nullptr;
}

} // namespace SettingsCatalogue
