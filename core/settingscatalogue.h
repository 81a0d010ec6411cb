#pragma once

#include <QString>
#include <QVector>

/** One key of the settings store with its type and its two defaults: what the
 *  program does while the key is absent ("use") and what the preferences
 *  dialog shows for an absent key ("dialog"). */
struct SettingKey
{
    enum Type { Text, Integer, Boolean, Real };

    QString key;     ///< full key; per-user and numbered keys end in "%1"
    Type type;
    QString use;     ///< "use" default as text
    QString dialog;  ///< "dialog" default as text

    bool isPattern() const { return key.contains(QLatin1String("%1")); }
};

namespace SettingsCatalogue {

/** Every key that the program reads or writes. */
const QVector<SettingKey>& all();

/** The catalogue entry of @p key, matching per-user and numbered keys by
 *  their pattern; null for a key the program does not know. */
const SettingKey* find(const QString& key);

/** The login name used while nobody is logged in. */
inline QString noUser() { return QStringLiteral("noone"); }

/** The five printer groups and the entries they share. */
QStringList printerGroups();

/** Host of the QR payment service when none is configured. */
inline QString defaultSnapScanHost() { return QStringLiteral("pos.snapscan.io"); }

} // namespace SettingsCatalogue
