#include "maintenance/prefsfields.h"

#include "core/globals.h"
#include "core/settingscatalogue.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSqlField>
#include <QSqlRecord>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Prefs", text);
}

QString dialogDefault(const QString& key)
{
    const SettingKey* entry = SettingsCatalogue::find(key);
    Q_ASSERT_X(entry, "PrefsFields", qPrintable(key + QLatin1String(" is not in the settings catalogue")));
    return entry ? entry->dialog : QString();
}

// Numbers are shown in the operator's locale and kept in the C locale.
QString numberShown(const QString& stored, const PrefsOptions& o)
{
    bool ok = false;
    const double v = stored.toDouble(&ok);
    if (!ok)
        return stored;
    return o.kind == PrefsOptions::Integer ? QString::number(qRound64(v)) : Utility::numStr(v, o.decimals);
}

} // namespace

PrefsOptions PrefsOptions::of(Kind kind)
{
    PrefsOptions o;
    o.kind = kind;
    return o;
}

PrefsOptions PrefsOptions::number(Kind kind, double min, double max, int decimals)
{
    PrefsOptions o = of(kind);
    o.min = min;
    o.max = max;
    o.decimals = decimals;
    return o;
}

PrefsOptions PrefsOptions::requiredText(const QString& name)
{
    PrefsOptions o;
    o.name = name;
    o.required = true;
    return o;
}

PrefsOptions PrefsOptions::toggle(const QString& enabled, const QString& disabled)
{
    PrefsOptions o = of(Flag);
    o.enabled = enabled;
    o.disabled = disabled;
    return o;
}

PrefsOptions PrefsOptions::words(const QString& on, const QString& off)
{
    PrefsOptions o = of(Flag);
    o.on = on;
    o.off = off;
    return o;
}

bool PrefsSave::changed(const QString& key) const
{
    for (const Setting& s : settings) {
        if (s.key == key)
            return true;
    }
    return false;
}

void PrefsFields::setting(QWidget* widget, const QString& key, const QString& changeText, const Options& options)
{
    m_fields.append({widget, key, QString(), changeText, options, QString()});
}

void PrefsFields::column(QWidget* widget, const QString& column, const QString& changeText, const Options& options)
{
    m_fields.append({widget, QString(), column, changeText, options, QString()});
}

QString PrefsFields::shown(const QWidget* widget, const Options& o)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text().trimmed();
    if (auto* box = qobject_cast<const QCheckBox*>(widget)) {
        if (!o.on.isEmpty())
            return box->isChecked() ? o.on : o.off;
        return box->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    }
    if (auto* list = qobject_cast<const QComboBox*>(widget)) {
        const QVariant data = list->currentData();
        return data.isValid() ? data.toString() : list->currentText();
    }
    return QString();
}

void PrefsFields::show(QWidget* widget, const QString& value, const Options& o)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(o.kind == PrefsOptions::Integer || o.kind == PrefsOptions::Real ? numberShown(value, o) : value);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(o.on.isEmpty() ? value == QLatin1String("true") : value == o.on);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        int index = list->findData(value);
        if (index < 0)
            index = list->findText(value);
        if (index < 0) {
            list->addItem(value.isEmpty() ? tr("(not set)") : value, value);
            index = list->count() - 1;
        }
        list->setCurrentIndex(index);
    }
}

void PrefsFields::load(const QSqlRecord& sysInfo)
{
    for (Field& f : m_fields) {
        QString stored;
        if (!f.key.isEmpty()) {
            const QString def = dialogDefault(f.key);
            if (f.options.kind == PrefsOptions::Flag && f.options.on.isEmpty())
                stored = settings->readBoolEntry(f.key, def == QLatin1String("true")) ? QStringLiteral("true")
                                                                                    : QStringLiteral("false");
            else
                stored = settings->readEntry(f.key, def);
        } else {
            const QVariant v = sysInfo.value(f.column);
            stored = v.isNull() ? QString() : v.toString();
        }
        show(f.widget, stored, f.options);
        // What was shown is what a save compares with: an absent key shown
        // with its default is not a change.
        f.loaded = shown(f.widget, f.options);
    }
}

bool PrefsFields::collect(PrefsSave& save, QWidget* parent) const
{
    const QString caption = tr("Brevalon Preferences");
    for (const Field& f : m_fields) {
        const Options& o = f.options;
        const QString name = o.name.isEmpty() ? f.changeText : o.name;
        const QString now = shown(f.widget, o);
        QVariant typed = now;
        QString sql = QLatin1Char('\'') + Utility::escapeSQL(now) + QLatin1Char('\'');
        auto refuse = [&](const QString& why) {
            f.widget->setFocus();
            ZkPrompt::warning(parent, caption, why);
            return false;
        };
        if (o.required && now.isEmpty())
            return refuse(tr("%1 may not be empty.").arg(name));
        if (o.kind == PrefsOptions::Integer || o.kind == PrefsOptions::Real) {
            bool ok = false;
            const double v = o.kind == PrefsOptions::Integer ? double(now.toLongLong(&ok)) : Utility::strNum(now, &ok);
            if (!ok)
                return refuse(tr("%1: \"%2\" is not a number.").arg(name, now));
            if (v < o.min || v > o.max)
                return refuse(tr("%1 must lie between %2 and %3.")
                                  .arg(name, QString::number(o.min), QString::number(o.max)));
            typed = o.kind == PrefsOptions::Integer ? QVariant(int(v)) : QVariant(v);
            sql = o.kind == PrefsOptions::Integer ? QString::number(qint64(v)) : QString::number(v, 'g', 15);
        } else if (o.kind == PrefsOptions::ByteCodes && !now.isEmpty()) {
            for (const QString& code : now.split(QLatin1Char(','))) {
                bool ok = false;
                const int byte = code.trimmed().toInt(&ok);
                if (!ok || byte < 0 || byte > 255)
                    return refuse(tr("%1: \"%2\" is not a list of byte values (0 to 255) separated by commas.")
                                      .arg(name, now));
            }
        } else if (o.kind == PrefsOptions::Flag && o.on.isEmpty()) {
            typed = now == QLatin1String("true");
        }
        if (!f.key.isEmpty())
            save.settings.append({f.key, typed});
        else
            save.columns.append({f.column, sql});
        if (now == f.loaded)
            continue;
        if (!o.enabled.isEmpty())
            save.logs.append({now == QLatin1String("true") ? o.enabled : o.disabled, QString(), '2'});
        else if (!o.infoFormat.isEmpty())
            save.logs.append({QStringLiteral("Config"), o.infoFormat.arg(now), '0'});
        else
            save.logs.append({f.changeText, QStringLiteral("Old:'%1' New:'%2'").arg(f.loaded, now), '2'});
    }
    return true;
}
