#include "maintenance/prefspayments.h"

#include "core/zkprompt.h"

#include <QRegularExpression>

PrefsPayments::PrefsPayments(QWidget* parent)
    : PrefsPaymentsGui(parent)
{
    // Registered in the order the change log should list them.
    m_fields.setting(SnapScanEnabledCheckBox, QStringLiteral("/Global/SnapScan/Enabled"), QString(),
                     PrefsOptions::toggle(tr("Enabled SnapScan interface"), tr("Disabled SnapScan interface")));
    m_fields.setting(SnapScanHostEdit, QStringLiteral("/Global/SnapScan/Host"), tr("Changed SnapScan Server"));
    m_fields.setting(SnapScanMerchantIdEdit, QStringLiteral("/Global/SnapScan/MerchantId"),
                     tr("Changed SnapScan Merchant Id"));
    m_fields.setting(SemperEnabledCheckBox, QStringLiteral("/Global/Semper/Enabled"), QString(),
                     PrefsOptions::toggle(tr("Enabled Semper interface"), tr("Disabled Semper interface")));
    PrefsOptions port = PrefsOptions::number(PrefsOptions::Integer, 1, 65535);
    port.name = tr("The Semper port");
    m_fields.setting(SemperPortEdit, QStringLiteral("/Global/Semper/Port"), tr("Changed Semper port"), port);
    m_fields.setting(SemperHostEdit, QStringLiteral("/Global/Semper/Host"), tr("Changed Semper Server"));
    m_fields.setting(SemperTermEdit, QStringLiteral("/Global/Semper/Term"), tr("Changed Semper Terminal Id"));
    m_fields.setting(SemperNewVersionCheckBox, QStringLiteral("/Global/Semper/NewVersion"), QString(),
                     PrefsOptions::toggle(tr("Enabled New Semper Version"), tr("Disabled New Semper Version")));
}

bool PrefsPayments::collect(PrefsSave& save)
{
    auto refuse = [this](QWidget* field, const QString& why) {
        field->setFocus();
        ZkPrompt::warning(this, tr("Brevalon Preferences"), why);
        return false;
    };
    if (SnapScanEnabledCheckBox->isChecked()) {
        // An empty host would put "https:///" on every slip's QR code.
        if (SnapScanHostEdit->text().trimmed().isEmpty())
            return refuse(SnapScanHostEdit, tr("The SnapScan interface needs its server."));
        if (SnapScanMerchantIdEdit->text().trimmed().isEmpty())
            return refuse(SnapScanMerchantIdEdit, tr("The SnapScan interface needs the Merchant Id."));
    }
    if (SemperEnabledCheckBox->isChecked() && SemperHostEdit->text().trimmed().isEmpty())
        return refuse(SemperHostEdit, tr("The Semper interface needs its server."));
    // The terminal code is a field of comma-separated messages framed by
    // tags; only the trailing comma the newer messages end it with may stay.
    static const QRegularExpression term(QStringLiteral("^[^,<>]*,?$"));
    if (!term.match(SemperTermEdit->text().trimmed()).hasMatch())
        return refuse(SemperTermEdit, tr("The Semper Terminal Id may hold no commas (but a last one) and no < or >."));
    return PrefsPage::collect(save);
}
