#include "core/zksettings.h"

#include "core/settingscatalogue.h"

#include <QDir>
#include <QSettings>

namespace {

// The store speaks in keys without the leading slash.
QString storeKey(const QString& key)
{
    return key.startsWith(QLatin1Char('/')) ? key.mid(1) : key;
}

QString useDefault(const QString& key)
{
    const SettingKey* entry = SettingsCatalogue::find(key);
    return entry ? entry->use : QString();
}

} // namespace

ZkSettings::ZkSettings(const QString& home)
    : m_store(new QSettings(home + QLatin1String("/.Zendrik/Brevalon/brevalonrc"), QSettings::IniFormat))
{
}

ZkSettings::~ZkSettings()
{
    m_store->sync();
    delete m_store;
}

QString ZkSettings::raw(const QString& key, bool* found) const
{
    const QVariant v = m_store->value(storeKey(key));
    *found = v.isValid();
    return v.toString();
}

bool ZkSettings::contains(const QString& key) const
{
    return m_store->contains(storeKey(key));
}

QString ZkSettings::readEntry(const QString& key, const QString& def) const
{
    bool found = false;
    const QString value = raw(key, &found);
    return found ? value : def;
}

QString ZkSettings::readEntry(const QString& key) const
{
    if (key == QLatin1String("/Global/BackupCmd") && !contains(key))
        return readEntry(QStringLiteral("/Global/InstallDir")) + QLatin1String("/bin/backup");
    return readEntry(key, useDefault(key));
}

int ZkSettings::readNumEntry(const QString& key, int def) const
{
    bool found = false;
    const QString value = raw(key, &found);
    if (!found)
        return def;
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok ? n : def;
}

int ZkSettings::readNumEntry(const QString& key) const
{
    return readNumEntry(key, useDefault(key).toInt());
}

bool ZkSettings::readBoolEntry(const QString& key, bool def) const
{
    bool found = false;
    const QString value = raw(key, &found).trimmed().toLower();
    if (!found)
        return def;
    if (value == QLatin1String("true") || value == QLatin1String("1") || value == QLatin1String("yes")
        || value == QLatin1String("on"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("0") || value == QLatin1String("no")
        || value == QLatin1String("off"))
        return false;
    return def;
}

bool ZkSettings::readBoolEntry(const QString& key) const
{
    return readBoolEntry(key, useDefault(key) == QLatin1String("true"));
}

double ZkSettings::readDoubleEntry(const QString& key, double def) const
{
    bool found = false;
    const QString value = raw(key, &found);
    if (!found)
        return def;
    bool ok = false;
    const double d = value.trimmed().toDouble(&ok);
    return ok ? d : def;
}

double ZkSettings::readDoubleEntry(const QString& key) const
{
    return readDoubleEntry(key, useDefault(key).toDouble());
}

void ZkSettings::writeEntry(const QString& key, const QString& value)
{
    m_store->setValue(storeKey(key), value);
}

void ZkSettings::writeEntry(const QString& key, int value)
{
    writeEntry(key, QString::number(value));
}

void ZkSettings::writeEntry(const QString& key, bool value)
{
    writeEntry(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void ZkSettings::writeEntry(const QString& key, double value)
{
    writeEntry(key, QString::number(value, 'g', 15));
}

void ZkSettings::sync()
{
    m_store->sync();
}

QString ZkSettings::fileName() const
{
    return m_store->fileName();
}

QString ZkSettings::userKey(const QString& entry, const QString& user)
{
    return entry + user;
}
