#include "kitchen/kitchensettings.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>

namespace {

QString newKey()
{
    QByteArray bytes(18, '\0');
    for (char& b : bytes)
        b = char(QRandomGenerator::system()->bounded(256));
    return QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

KitchenSettings KitchenSettings::read()
{
    KitchenSettings s;
    s.address = settings->readEntry(QStringLiteral("/KitchenScreen/Address"));
    s.port = settings->readNumEntry(QStringLiteral("/KitchenScreen/Port"));
    s.amberMinutes = settings->readNumEntry(QStringLiteral("/KitchenScreen/AmberMinutes"));
    s.redMinutes = std::max(s.amberMinutes, settings->readNumEntry(QStringLiteral("/KitchenScreen/RedMinutes")));
    const struct
    {
        int number;
        const char* path;
        const char* name;
        const char* key;
    } stations[] = {{2, "kitchen", QT_TRANSLATE_NOOP("KitchenSettings", "Kitchen"), "/KitchenScreen/KitchenKey"},
                    {1, "label", QT_TRANSLATE_NOOP("KitchenSettings", "Label"), "/KitchenScreen/LabelKey"}};
    bool written = false;
    for (const auto& st : stations) {
        const QString keyName = QLatin1String(st.key);
        QString key = settings->readEntry(keyName).trimmed();
        if (key.isEmpty()) {
            key = newKey();
            settings->writeEntry(keyName, key);
            written = true;
        }
        s.stations.append(KitchenStation{st.number, QLatin1String(st.path),
                                         QCoreApplication::translate("KitchenSettings", st.name), key});
    }
    if (written)
        settings->sync();
    return s;
}

KitchenServer::Options KitchenSettings::serverOptions() const
{
    KitchenServer::Options o;
    o.stations = stations;
    o.amberSeconds = amberMinutes * 60;
    o.redSeconds = redMinutes * 60;
    return o;
}

QStringList KitchenSettings::addresses(quint16 port) const
{
    const QHostAddress bound(address);
    QString host = address;
    if (bound == QHostAddress::AnyIPv4 || bound == QHostAddress::AnyIPv6 || bound == QHostAddress::Any)
        host = QHostInfo::localHostName();
    else if (bound.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + address + QLatin1Char(']');
    QStringList lines;
    for (const KitchenStation& st : stations) {
        lines << QStringLiteral("%1: http://%2:%3/%4?key=%5")
                     .arg(st.name, host, QString::number(port), st.path,
                          QString::fromLatin1(QUrl::toPercentEncoding(st.key)));
    }
    return lines;
}
