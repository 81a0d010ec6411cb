#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSqlRecord;
class QWidget;

/** What saving the preferences writes: settings, the SysInfo row's columns
 *  (one UPDATE) and the action log's entries. Gathered from every page
 *  first, so that a refused value stops the save before anything is written. */
struct PrefsSave
{
    struct Setting
    {
        QString key;
        QVariant value; ///< typed as the store reads it
    };
    struct Column
    {
        QString name;
        QString sql; ///< the value as an SQL literal
    };
    struct Log
    {
        QString action;
        QString info;
        char type;
    };
    QList<Setting> settings;
    QList<Column> columns;
    QList<Log> logs;

    bool changed(const QString& key) const;
};

/** How a preferences field is shown, checked and logged, beyond its widget,
 *  source and change text. */
struct PrefsOptions
{
    /** ByteCodes: decimal byte values separated by commas. */
    enum Kind { Text, Integer, Real, Flag, ByteCodes };

    Kind kind = Text;
    QString name;         ///< what refusals call the field; empty: the change text
    bool required = false;
    double min = 0;       ///< numbers: the smallest value allowed
    double max = 1e9;     ///< and the largest
    int decimals = 2;     ///< real numbers: how many are shown
    QString on, off;      ///< a check box kept as two words ("ON"/"OFF") rather than a boolean
    QString infoFormat;   ///< log under "Config" with this info ("%1": the new value) instead
    QString enabled, disabled; ///< a switch logged as one of these, without old and new values

    static PrefsOptions of(Kind kind);
    static PrefsOptions number(Kind kind, double min, double max, int decimals = 2);
    static PrefsOptions requiredText(const QString& name);
    static PrefsOptions words(const QString& on, const QString& off);
    /** A boolean switch logged "Enabled ..." or "Disabled ...". */
    static PrefsOptions toggle(const QString& enabled, const QString& disabled);
};

/**
 * The widgets of a preferences page tied to what they edit: a key of the
 * settings store or a column of SysInfo. Loading shows the stored value, or
 * for an absent key the default the settings catalogue gives the dialog.
 * Saving writes every value shown (so the dialog's defaults take over once
 * saved) and logs each one that changed under its change text, with
 * "Old:'%1' New:'%2'".
 */
class PrefsFields
{
public:
    using Options = PrefsOptions;

    /** A settings key shown in a line edit, check box or list. A list's
     *  stored values are the items' data (their texts where they have none). */
    void setting(QWidget* widget, const QString& key, const QString& changeText, const Options& options = Options());
    /** A SysInfo column. */
    void column(QWidget* widget, const QString& column, const QString& changeText, const Options& options = Options());

    /** Shows the stored values; @p sysInfo is the SysInfo row (empty when none). */
    void load(const QSqlRecord& sysInfo);
    /** Adds every value to @p save; false, after telling the operator,
     *  when one is refused. */
    bool collect(PrefsSave& save, QWidget* parent) const;

    /** The value a widget shows, as the store keeps it. */
    static QString shown(const QWidget* widget, const Options& options);
    /** Shows @p value in the widget; a list gains an item for a value it
     *  does not offer, so that nothing changes unless chosen. */
    static void show(QWidget* widget, const QString& value, const Options& options);

private:
    struct Field
    {
        QWidget* widget;
        QString key;
        QString column;
        QString changeText;
        Options options;
        QString loaded;
    };
    QList<Field> m_fields;
};
