#include "maintenance/prefssysinfo.h"

#include "core/globals.h"
#include "core/zksettings.h"

#include <QDir>
#include <QTranslator>

namespace {

QString i18nDir()
{
    return settings->readEntry(QStringLiteral("/Global/InstallDir")) + QLatin1String("/i18n/Brevalon/");
}

} // namespace

PrefsSysInfo::PrefsSysInfo(QWidget* parent)
    : PrefsSysInfoGui(parent)
{
    m_fields.column(ALINE1Edit, QStringLiteral("ALINE1"), tr("Changed Business Name"),
                    PrefsOptions::requiredText(tr("The business name")));
    for (int i = 2; i <= 7; ++i) {
        auto* edit = findChild<QLineEdit*>(QStringLiteral("ALINE%1Edit").arg(i));
        m_fields.column(edit, QStringLiteral("ALINE%1").arg(i), tr("Changed Address Line %1").arg(i));
    }
    const struct
    {
        QLineEdit* edit;
        const char* column;
        const char* text;
    } footers[] = {{InvFooter1Edit, "InvFooter1", QT_TR_NOOP("Changed Invoice Footer 1")},
                   {InvFooter2Edit, "InvFooter2", QT_TR_NOOP("Changed Invoice Footer 2")},
                   {StatementFooter1Edit, "StatementFooter1", QT_TR_NOOP("Changed Statement Footer 1")},
                   {StatementFooter2Edit, "StatementFooter2", QT_TR_NOOP("Changed Statement Footer 2")},
                   {StatementFooter3Edit, "StatementFooter3", QT_TR_NOOP("Changed Statement Footer 3")},
                   {HandOverFooterEdit, "HandOverFooter", QT_TR_NOOP("Changed Hand Over Footer")},
                   {RecFooterEdit, "RecFooter", QT_TR_NOOP("Changed Receipt Footer")}};
    for (const auto& f : footers)
        m_fields.column(f.edit, QLatin1String(f.column), tr(f.text));

    // Rates are fractions: 0.15 is 15 per cent.
    const PrefsOptions rate = PrefsOptions::number(PrefsOptions::Real, 0, 1, 4);
    m_fields.column(Tax1NameEdit, QStringLiteral("Tax1Name"), tr("Changed Tax Name"));
    m_fields.column(Tax1Edit, QStringLiteral("Tax1"), tr("Changed Tax Rate"), rate);
    m_fields.column(Tax2NameEdit, QStringLiteral("Tax2Name"), tr("Changed Levy Name"));
    m_fields.column(Tax2Edit, QStringLiteral("Tax2"), tr("Changed Levy Rate"), rate);
    TaxModeComboBox->addItem(tr("Exclusive"), QStringLiteral("E"));
    TaxModeComboBox->addItem(tr("Inclusive"), QStringLiteral("I"));
    m_fields.column(TaxModeComboBox, QStringLiteral("TaxMode"), tr("Changed Tax Mode"));

    const PrefsOptions markup = PrefsOptions::number(PrefsOptions::Real, 0, 1000, 4);
    m_fields.column(BaseNameEdit, QStringLiteral("BaseName"), tr("Changed Base Price Name"));
    m_fields.column(BaseMarkupEdit, QStringLiteral("BaseMarkup"), tr("Changed Base Price Markup"), markup);
    m_fields.column(Tier1NameEdit, QStringLiteral("Tier1Name"), tr("Changed Tier 1 Name"));
    m_fields.column(Tier1MarkupEdit, QStringLiteral("Tier1Markup"), tr("Changed Tier 1 Markup"), markup);
    m_fields.column(Tier2NameEdit, QStringLiteral("Tier2Name"), tr("Changed Tier 2 Name"));
    m_fields.column(Tier2MarkupEdit, QStringLiteral("Tier2Markup"), tr("Changed Tier 2 Markup"), markup);

    LanguageComboBox->addItem(QStringLiteral("English"));
    LanguageComboBox->addItems(languages());
    m_fields.setting(LanguageComboBox, QStringLiteral("/Global/i18n"), tr("Changed Language"));
}

QStringList PrefsSysInfo::languages()
{
    QStringList names;
    for (const QString& file : QDir(i18nDir()).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        names << file.section(QLatin1Char('.'), 0, 0);
    return names;
}

void PrefsSysInfo::applyLang(const QString& language)
{
    // The translator of the program stays as it is until the save; the
    // two modes are only looked up in the chosen language.
    QTranslator chosen;
    const QString file = language.compare(QLatin1String("English"), Qt::CaseInsensitive) == 0
        ? QString()
        : QDir(i18nDir()).filePath(language + QLatin1String(".qm"));
    const bool loaded = !file.isEmpty() && chosen.load(file);
    auto text = [&](const char* source) {
        const QString t = loaded ? chosen.translate("PrefsSysInfo", source) : QString();
        return t.isEmpty() ? QString::fromLatin1(source) : t;
    };
    TaxModeComboBox->setItemText(TaxModeComboBox->findData(QStringLiteral("E")), text("Exclusive"));
    TaxModeComboBox->setItemText(TaxModeComboBox->findData(QStringLiteral("I")), text("Inclusive"));
}
