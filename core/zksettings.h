#pragma once

#include <QString>
#include <QVariant>

class QSettings;

/**
 * The per-user settings store. Keys are paths such as "/Global/InstallDir";
 * every value is kept as text. Reads never fail and never write: an absent
 * or unreadable value yields the default, which by default is the catalogue's
 * "use" default of the key.
 */
class ZkSettings
{
public:
    /** Opens the store of organisation "Zendrik", application "Brevalon"
     *  under @p home (normally $HOME). */
    explicit ZkSettings(const QString& home);
    ~ZkSettings();
    ZkSettings(const ZkSettings&) = delete;
    ZkSettings& operator=(const ZkSettings&) = delete;

    QString readEntry(const QString& key) const;
    QString readEntry(const QString& key, const QString& def) const;
    int readNumEntry(const QString& key) const;
    int readNumEntry(const QString& key, int def) const;
    bool readBoolEntry(const QString& key) const;
    bool readBoolEntry(const QString& key, bool def) const;
    double readDoubleEntry(const QString& key) const;
    double readDoubleEntry(const QString& key, double def) const;

    /** True when the key has been written at some time. */
    bool contains(const QString& key) const;

    void writeEntry(const QString& key, const QString& value);
    void writeEntry(const QString& key, const char* value) { writeEntry(key, QString::fromUtf8(value)); }
    void writeEntry(const QString& key, int value);
    void writeEntry(const QString& key, bool value);
    void writeEntry(const QString& key, double value);

    /** Pushes pending writes to disk; the store also does so on its own. */
    void sync();

    /** Folder that holds the store's file. */
    QString fileName() const;

    /** A per-user key: the group entry followed by the login name. */
    static QString userKey(const QString& entry, const QString& user);

private:
    QString raw(const QString& key, bool* found) const;
    QSettings* m_store;
};
