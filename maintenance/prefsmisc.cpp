#include "maintenance/prefsmisc.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QFileInfo>
#include <QIcon>

namespace {

QString noteKey(int note, const char* entry)
{
    return QStringLiteral("/Global/BankNote%1%2").arg(note).arg(QLatin1String(entry));
}

} // namespace

PrefsMisc::PrefsMisc(QWidget* parent)
    : PrefsMiscGui(parent)
{
    auto whole = [](int min, int max) { return PrefsOptions::number(PrefsOptions::Integer, min, max); };
    m_fields.setting(RichTextFontSizeEdit, QStringLiteral("/Misc/RichTextFontSize"),
                     tr("Changed report preview font size"), whole(4, 72));
    m_fields.setting(RichTextZoomEdit, QStringLiteral("/Misc/RichTextZoom"), tr("Changed report preview scaling"),
                     whole(0, 10));
    m_fields.setting(RichTextWidthEdit, QStringLiteral("/Misc/RichTextWidth"), tr("Changed report preview width"),
                     whole(100, 10000));
    m_fields.setting(RichTextHeightEdit, QStringLiteral("/Misc/RichTextHeight"),
                     tr("Changed report preview height"), whole(100, 10000));
    m_fields.setting(RichTextLinesEdit, QStringLiteral("/Misc/RichTextLines"), tr("Changed report lines per page"),
                     whole(1, 1000));
    m_fields.setting(PreviewFontSizeEdit, QStringLiteral("/Misc/PreviewFontSize"),
                     tr("Changed document preview font size"), whole(4, 72));
    m_fields.setting(PreviewWidthEdit, QStringLiteral("/Misc/PreviewWidth"), tr("Changed document preview width"),
                     whole(100, 10000));
    m_fields.setting(PreviewHeightEdit, QStringLiteral("/Misc/PreviewHeight"),
                     tr("Changed document preview height"), whole(100, 10000));

    for (int mode = 0; mode < ButtonColourModeComboBox->count(); ++mode)
        ButtonColourModeComboBox->setItemData(mode, QString::number(mode));
    m_fields.setting(ButtonColourModeComboBox, QStringLiteral("/Global/ButtonColourMode"),
                     tr("Changed Button Colour Mode"), whole(0, 2));

    // Rounding is the cash step in cents; interest is per cent a month.
    m_fields.column(RoundingEdit, QStringLiteral("Rounding"), tr("Changed Rounding"), whole(0, 100));
    m_fields.column(ArrearsInterestEdit, QStringLiteral("ArrearsInterest"), tr("Changed Arrears Interest"),
                    PrefsOptions::number(PrefsOptions::Real, 0, 100));
    m_fields.column(MaxStatementDaysEdit, QStringLiteral("MaxStatementDays"), tr("Changed Max Statement days"),
                    whole(0, 3650));

    const PrefsOptions yesNo = PrefsOptions::words(QStringLiteral("Yes"), QStringLiteral("No"));
    m_fields.setting(DisplayPoleComboBox, QStringLiteral("/Global/DisplayPole"), tr("Display Pole Changed"));
    m_fields.setting(DisplaySpeedComboBox, QStringLiteral("/Global/DisplaySpeed"), tr("Display Pole Speed Changed"));
    m_fields.setting(DisplayDSRCheckBox, QStringLiteral("/Global/DisplayDSR"), tr("Display Pole DTR-DSR Changed"),
                     yesNo);
    m_fields.setting(CashDrawComboBox, QStringLiteral("/Global/CashDraw"), tr("Cash Drawer Changed"));
    m_fields.setting(CashDrawSpeedComboBox, QStringLiteral("/Global/CashDrawSpeed"), tr("Cash Draw Speed Changed"));
    m_fields.setting(CashDrawDSRCheckBox, QStringLiteral("/Global/CashDrawDSR"), tr("Cas Drawer DTR-DSR Changed"),
                     yesNo);

    for (int note = 1; note <= 6; ++note) {
        PrefsOptions value = PrefsOptions::number(PrefsOptions::Real, 0, 1e6);
        value.name = tr("Bank note %1").arg(note);
        value.infoFormat = QStringLiteral("BankNote%1 changed to ").arg(note) + QLatin1String("%1");
        m_fields.setting(findChild<QLineEdit*>(QStringLiteral("Note%1ValueEdit").arg(note)),
                         noteKey(note, "Value"), tr("Changed Bank Note %1").arg(note), value);
    }

    const PrefsOptions flag = PrefsOptions::of(PrefsOptions::Flag);
    m_fields.setting(QtyCheckCheckBox, QStringLiteral("/Global/QtyCheck"), tr("Changed Qty Check"), flag);
    m_fields.setting(TakeOutChangeCheckBox, QStringLiteral("/Global/TakeOutChange"), tr("Changed Take Out Change"),
                     flag);
    m_fields.setting(FullScreenCheckBox, QStringLiteral("/Global/FullScreen"), tr("Changed FullScreen"), flag);
    m_fields.setting(LogActionsCheckBox, QStringLiteral("/Global/LogActions"), tr("Changed Log Actions"), flag);
    m_fields.setting(PrintReceiptCheckBox, QStringLiteral("/Global/PrintReceipt"), tr("Changed Print Receipt"), flag);
    m_fields.setting(BackupCmdEdit, QStringLiteral("/Global/BackupCmd"), tr("Changed Backup Media App"));
}

void PrefsMisc::load(const QSqlRecord& sysInfo)
{
    PrefsPage::load(sysInfo);
    for (int note = 1; note <= 6; ++note)
        showNote(note);
}

QString PrefsMisc::getBankNotePath()
{
    return settings->readEntry(QStringLiteral("/Global/InstallDir")) + QLatin1String("/share/BankNotes");
}

void PrefsMisc::showNote(int note)
{
    auto* button = findChild<QPushButton*>(QStringLiteral("Note%1Button").arg(note));
    const QString file = settings->readEntry(noteKey(note, "Logo"));
    button->setIcon(file.isEmpty() ? QIcon() : QIcon(file));
    button->setToolTip(file);
}

void PrefsMisc::noteBrowse(int note)
{
    const QString key = noteKey(note, "Logo");
    QString file;
    const bool set = !settings->readEntry(key).isEmpty();
    if (!set
        || ZkPrompt::question(this, tr("Brevalon"), tr("Do you wish to remove the Bank Note ?"),
                              {tr("&Yes"), tr("&No")}, 1, 1)
            != 0) {
        file = ZkPrompt::openFileName(this, tr("Choose a Bank Note"), getBankNotePath(),
                                      tr("Images (*.png *.xpm *.jpg *.bmp)"));
        if (file.isEmpty())
            return;
    }
    settings->writeEntry(key, file);
    utils->logAction(QStringLiteral("Config"), QStringLiteral("BankNote%1 changed to %2").arg(note).arg(file),
                     QString(), '0');
    showNote(note);
}
