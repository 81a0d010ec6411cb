#include "maintenance/prefsprinters.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"

#include <QColorDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

PrefsPrinters::PrefsPrinters(QWidget* parent)
    : PrefsPrintersGui(parent)
{
    const struct
    {
        QComboBox* mode;
        QCheckBox* preview;
        const char* group;
        const char* name;
        bool canBeOff;
    } printers[] = {{InvoiceModeComboBox, InvoicePreviewCheckBox, "/InvoicePrinter", QT_TR_NOOP("Invoice"), false},
                    {ReceiptModeComboBox, ReceiptPreviewCheckBox, "/ReceiptPrinter", QT_TR_NOOP("Receipt"), false},
                    {MailModeComboBox, MailPreviewCheckBox, "/MailPrinter", QT_TR_NOOP("Mail"), false},
                    {KitchenModeComboBox, KitchenPreviewCheckBox, "/KitchenPrinter", QT_TR_NOOP("Kitchen"), true},
                    {LabelModeComboBox, LabelPreviewCheckBox, "/LabelPrinter", QT_TR_NOOP("Label"), true}};
    const PrefsOptions onOff = PrefsOptions::words(QStringLiteral("ON"), QStringLiteral("OFF"));
    for (const auto& p : printers) {
        p.mode->addItem(tr("Page"), QStringLiteral("page"));
        p.mode->addItem(tr("Slip80"), QStringLiteral("slip"));
        p.mode->addItem(tr("Slip40"), QStringLiteral("slip40"));
        if (p.canBeOff)
            p.mode->addItem(tr("Off"), QStringLiteral("off"));
        const QString group = QLatin1String(p.group);
        const QString name = tr(p.name);
        m_fields.setting(p.mode, group + QLatin1String("/Mode"), tr("Changed %1 printer mode").arg(name));
        // Mailing runs are never previewed one by one.
        if (p.preview == MailPreviewCheckBox)
            p.preview->hide();
        else
            m_fields.setting(p.preview, group + QLatin1String("/Preview"),
                             tr("Changed %1 printer preview").arg(name), onOff);
    }

    m_fields.setting(SmtpServerEdit, QStringLiteral("/Global/SmtpServer"), tr("Changed SMTP Server"));
    m_fields.setting(FromEmailEdit, QStringLiteral("/Global/FromEmail"), tr("Changed Email Address"));
    m_fields.setting(SmtpPortEdit, QStringLiteral("/Global/SmtpPort"), tr("Changed SMTP Port"),
                     PrefsOptions::number(PrefsOptions::Integer, 1, 65535));

    const struct
    {
        const char* entry;
        const char* text;
    } codes[] = {{"INIT", QT_TR_NOOP("Init")},       {"BOLD", QT_TR_NOOP("Bold")},
                 {"BOLDOFF", QT_TR_NOOP("BoldOff")}, {"EMP", QT_TR_NOOP("Emp.")},
                 {"EMPOFF", QT_TR_NOOP("Emp. Off")}, {"DOUBLE", QT_TR_NOOP("Double")},
                 {"DOUBLEOFF", QT_TR_NOOP("DoubleOff")}, {"EOP", QT_TR_NOOP("End of Page")},
                 {"CUT", QT_TR_NOOP("Paper Cut")},   {"LOGO", QT_TR_NOOP("Logo")},
                 {"KICK", QT_TR_NOOP("Drawer Kick")}, {"BitImage", QT_TR_NOOP("Bit Image")}};
    for (const auto& code : codes) {
        const QString entry = QLatin1String(code.entry);
        // The bit-image entry describes a command rather than holding its bytes.
        const PrefsOptions kind =
            PrefsOptions::of(entry == QLatin1String("BitImage") ? PrefsOptions::Text : PrefsOptions::ByteCodes);
        m_fields.setting(findChild<QLineEdit*>(QLatin1String("Slip") + entry + QLatin1String("Edit")),
                         QLatin1String("/SlipCodes/") + entry, tr("Changed slip printer %1 codes").arg(tr(code.text)),
                         kind);
        m_fields.setting(findChild<QLineEdit*>(QLatin1String("Slip40") + entry + QLatin1String("Edit")),
                         QLatin1String("/Slip40Codes/") + entry,
                         tr("Changed slip40 printer %1 codes").arg(tr(code.text)), kind);
    }

    m_fields.setting(TextColorEdit, QStringLiteral("/Global/TextColor"), tr("Changed printer black"));
    m_fields.setting(RedBgEdit, QStringLiteral("/Global/RedBg"), tr("Changed printer Red"));
    m_fields.setting(BlueBgEdit, QStringLiteral("/Global/BlueBg"), tr("Changed printer Blue"));
    m_fields.setting(DarkBlueBgEdit, QStringLiteral("/Global/DarkBlueBg"), tr("Changed printer DarkBlue"));
    for (QLineEdit* edit : {TextColorEdit, RedBgEdit, BlueBgEdit, DarkBlueBgEdit})
        connect(edit, &QLineEdit::textChanged, this, [edit] { paintColour(edit); });
}

void PrefsPrinters::load(const QSqlRecord& sysInfo)
{
    PrefsPage::load(sysInfo);
    LogoEdit->setText(settings->readEntry(QStringLiteral("/Global/PrintLogo")));
}

void PrefsPrinters::logoBrowse()
{
    const QString old = settings->readEntry(QStringLiteral("/Global/PrintLogo"));
    const QString file = ZkPrompt::openFileName(this, tr("Choose a logo"), old,
                                                tr("Images (*.png *.xpm *.jpg *.bmp)"));
    if (file.isEmpty() || file == old)
        return;
    settings->writeEntry(QStringLiteral("/Global/PrintLogo"), file);
    LogoEdit->setText(file);
    utils->logAction(tr("Logo changed"), tr("Old %1 : New %2").arg(old, file), QString(), '0');
}

void PrefsPrinters::paintColour(QLineEdit* edit)
{
    const QColor colour(edit->text());
    edit->setStyleSheet(colour.isValid() ? QStringLiteral("QLineEdit { background: %1; color: %2 }")
                                               .arg(colour.name(), colour.lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black"))
                                         : QString());
}

void PrefsPrinters::chooseColour(QLineEdit* edit)
{
    QColorDialog dialog(QColor(edit->text()), this);
    dialog.setObjectName(QStringLiteral("ColourChooser"));
    if (ZkPrompt::exec(&dialog) == QDialog::Accepted && dialog.selectedColor().isValid())
        edit->setText(dialog.selectedColor().name());
}

void PrefsPrinters::printerSetup(const QString& group, const QString& action, const QString& info)
{
    QPrinter printer(QPrinter::HighResolution);
    const QString name = settings->readEntry(group + QLatin1String("/PrinterName"));
    if (!name.isEmpty())
        printer.setPrinterName(name);
    const int size = settings->readNumEntry(group + QLatin1String("/PageSize"));
    if (size > 0)
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(size)));
    printer.setPageOrientation(settings->readNumEntry(group + QLatin1String("/Orientation")) == 1
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setColorMode(settings->readNumEntry(group + QLatin1String("/ColorMode")) == 1 ? QPrinter::Color
                                                                                          : QPrinter::GrayScale);
    printer.setCopyCount(qMax(1, settings->readNumEntry(group + QLatin1String("/NumCopies"))));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrinterSetup"));
    if (ZkPrompt::exec(&dialog) != QDialog::Accepted)
        return;
    const int orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    const int pageSize = int(printer.pageLayout().pageSize().id());
    const int colour = printer.colorMode() == QPrinter::Color ? 1 : 0;
    settings->writeEntry(group + QLatin1String("/PrinterName"), printer.printerName());
    settings->writeEntry(group + QLatin1String("/Orientation"), orientation);
    settings->writeEntry(group + QLatin1String("/PageSize"), pageSize);
    settings->writeEntry(group + QLatin1String("/ColorMode"), colour);
    settings->writeEntry(group + QLatin1String("/NumCopies"), printer.copyCount());
    settings->sync();
    const QString details = tr("%1, page size %2, orientation %3, colour mode %4, %5 copies")
                                .arg(printer.printerName())
                                .arg(pageSize)
                                .arg(orientation)
                                .arg(colour)
                                .arg(printer.copyCount());
    utils->logAction(action, info.isEmpty() ? details : info, QString(), '0');
}

void PrefsPrinters::receiptPrinterSetup()
{
    printerSetup(QStringLiteral("/ReceiptPrinter"), QStringLiteral("Config"), tr("Receipt printer config"));
}

void PrefsPrinters::invoicePrinterSetup()
{
    printerSetup(QStringLiteral("/InvoicePrinter"), tr("Config Invoice Printer"), QString());
}

void PrefsPrinters::mailPrinterSetup()
{
    printerSetup(QStringLiteral("/MailPrinter"), tr("Config Mail Printer"), QString());
}

void PrefsPrinters::kitchenPrinterSetup()
{
    printerSetup(QStringLiteral("/KitchenPrinter"), tr("Config KitchenPrinter"), QString());
}

void PrefsPrinters::labelPrinterSetup()
{
    printerSetup(QStringLiteral("/LabelPrinter"), tr("Config Label Printer"), QString());
}
