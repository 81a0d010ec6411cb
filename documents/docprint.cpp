#include "documents/docprint.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docimages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QtDebug>

namespace {

const char* const kGroups[DocPrint::RoleCount] = {"/ReceiptPrinter", "/InvoicePrinter", "/MailPrinter",
                                                  "/LabelPrinter", "/KitchenPrinter"};

QString key(DocPrint::Role role, const char* entry)
{
    return QLatin1String(kGroups[role]) + QLatin1Char('/') + QLatin1String(entry);
}

bool debugOn()
{
    return settings->readEntry(QStringLiteral("/Pell/Debug")) == QLatin1String("ON");
}

} // namespace

DocPrint::DocPrint(QWidget* parent, const QString& caption)
    : DocPrintGui(parent)
    , m_caption(caption)
{
    setObjectName(QStringLiteral("DocPrint"));
    setWindowTitle(caption);
    m_logoFile = settings->readEntry(QStringLiteral("/Global/PrintLogo"));
    if (!m_logoFile.isEmpty()) {
        m_logo.load(m_logoFile);
        DocImages::set(QStringLiteral("PrintLogo"), m_logo);
    }
    for (int r = 0; r < RoleCount; ++r)
        m_printers[r] = new QPrinter(QPrinter::HighResolution);
    updatePrinters();
}

DocPrint::~DocPrint()
{
    for (QPrinter* p : m_printers)
        delete p;
}

void DocPrint::updatePrinters()
{
    for (int r = 0; r < RoleCount; ++r) {
        const Role role = Role(r);
        QPrinter* p = m_printers[r];
        m_configuredNames[r] = settings->readEntry(key(role, "PrinterName"));
        // A file chosen once in the printer set-up must not catch every
        // later document of the role; an empty name keeps the system's
        // default printer.
        if (!p->outputFileName().isEmpty())
            p->setOutputFileName(QString());
        if (!m_configuredNames[r].isEmpty())
            p->setPrinterName(m_configuredNames[r]);
        p->setPageOrientation(settings->readNumEntry(key(role, "Orientation")) == 1 ? QPageLayout::Landscape
                                                                                     : QPageLayout::Portrait);
        const int size = settings->readNumEntry(key(role, "PageSize"));
        if (size >= 0 && size <= int(QPageSize::LastPageSize))
            p->setPageSize(QPageSize(QPageSize::PageSizeId(size)));
        p->setColorMode(settings->readNumEntry(key(role, "ColorMode")) == 1 ? QPrinter::Color
                                                                             : QPrinter::GrayScale);
        m_copies[r] = settings->readNumEntry(key(role, "NumCopies"));
        p->setCopyCount(qMax(1, m_copies[r]));
    }
    m_role = InvoiceRole;
    m_printer = m_printers[InvoiceRole];
    m_margin = settings->readDoubleEntry(key(InvoiceRole, "Margin"));
    m_printerName = m_configuredNames[InvoiceRole].toLocal8Bit();
}

void DocPrint::setZoom(int zoom)
{
    m_zoom = zoom;
    QFont f = view->font();
    if (zoom > 0)
        f.setPointSize(zoom);
    view->setFont(f);
}

void DocPrint::setPreviewSize(int width, int height)
{
    // A preview taller than the till's screen hides its own buttons; leave
    // room for the window manager's title bar too.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize() - QSize(0, 40);
        width = qMin(width, room.width());
        height = qMin(height, room.height());
    }
    resize(width, height);
}

QString DocPrint::spoolTemplate(const QString& user)
{
    QString name = user;
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir::tempPath() + QLatin1String("/brevalon-") + name + QLatin1String("-XXXXXX.esp");
}

void DocPrint::writeDebug(const QString& path, const QString& text, const char* failure)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug("%s", failure);
        return;
    }
    file.write(text.toUtf8());
}

void DocPrint::showInstallError(const QString& file)
{
    ZkPrompt::critical(this, tr("%1 Error").arg(m_caption), tr("Instalation Error: %1").arg(file));
}

void DocPrint::makePaymentCode(const QDomElement& root)
{
    if (!settings->readBoolEntry(QStringLiteral("/Global/SnapScan/Enabled")))
        return;
    QDomElement tail = DocRender::first(root, QStringLiteral("tail"));
    const QString reference = tail.attribute(QStringLiteral("snapinfo"));
    if (reference.isEmpty())
        return;
    const QString text = QrPayment::paymentText(settings->readEntry(QStringLiteral("/Global/SnapScan/Host")),
                                                settings->readEntry(QStringLiteral("/Global/SnapScan/MerchantId")),
                                                reference);
    const QrSymbol symbol = QrPayment::encode(text);
    if (symbol.isNull())
        return;
    m_qr = symbol;
    DocImages::set(QrPayment::imageName(), QrPayment::image(symbol));
    tail.setAttribute(QStringLiteral("snapscan"), QStringLiteral("<img src=SnapScanQR><br>SnapScan"));
    m_qrMade = true;
}

void DocPrint::parseXml(const QString& xml)
{
    m_qrMade = false;
    m_qr = QrSymbol();
    m_valid = false;
    m_emailFailed = false;
    m_emailSent = false;
    m_outputTaken = false;
    m_outputFailed = false;
    m_pageHtml.clear();
    m_slipText.clear();
    m_slipBytes = SlipBytes();
    m_auto.clear();
    m_autoClose = false;
    m_email.clear();
    ModeComboBox->setCurrentIndex(0);
    updatePrinters();

    // A character XML cannot carry would make the whole document unreadable
    // and block the sale behind it; whatever brought it in, it goes here.
    const QString text = DocRender::correctAmpersands(Utility::xmlText(xml));
    if (debugOn())
        writeDebug(QStringLiteral("/tmp/zendrik.xml"), text, "Debug document parsing failed...");

    m_document = QDomDocument();
    // A text that does not parse leaves no root, whatever the parser kept.
    m_root = m_document.setContent(text) ? m_document.documentElement() : QDomElement();
    if (m_root.tagName() != QLatin1String("zendrik")) {
        m_slip = m_slip40 = false;
        m_pageHtml = tr("<b>Not a valid Zendrik Document</b>");
        view->setHtml(m_pageHtml);
        return;
    }
    m_valid = true;

    const QDomElement head = DocRender::first(m_root, QStringLiteral("head"));
    m_email = head.attribute(QStringLiteral("email"));
    EmailButton->setPalette(m_email.isEmpty() && utils ? utils->buttonPalette(1) : QApplication::palette());

    makePaymentCode(m_root);

    const QString type = head.attribute(QStringLiteral("type"));
    m_fileName = m_caption + QLatin1Char('_') + type + head.attribute(QStringLiteral("number"));
    m_title = type + QLatin1String(" - ") + head.attribute(QStringLiteral("aline1"));

    m_auto = head.attribute(QStringLiteral("auto"));
    CloseButton->setEnabled(m_auto != QLatin1String("nocancel"));
    m_autoClose = head.attribute(QStringLiteral("autoclose")) == QLatin1String("true");

    const QString printer = head.attribute(QStringLiteral("printer"));
    if (printer == QLatin1String("Receipt"))
        m_role = ReceiptRole;
    else if (printer == QLatin1String("Label"))
        m_role = LabelRole;
    else if (printer == QLatin1String("Kitchen"))
        m_role = KitchenRole;
    else if (printer == QLatin1String("Mail"))
        m_role = MailRole;
    else
        m_role = InvoiceRole;
    m_printer = m_printers[m_role];
    m_margin = settings->readDoubleEntry(key(m_role, "Margin"));
    m_printerName = m_configuredNames[m_role].toLocal8Bit();
    const QString mode = settings->readEntry(key(m_role, "Mode"));
    m_slip = m_defaultSlip = mode == QLatin1String("slip");
    m_slip40 = m_defaultSlip40 = mode == QLatin1String("slip40");

    m_type = DocRender::templateType(type, head.attribute(QStringLiteral("altlang")) == QLatin1String("Y"));

    if (!m_slip && !m_slip40) {
        processDocument(m_type, m_root);
        if (m_auto == QLatin1String("print"))
            printPage();
        else if (m_auto == QLatin1String("email") && !m_email.isEmpty())
            emailPage();
    } else {
        processSlip(m_type, m_root);
        if (m_auto == QLatin1String("print"))
            printPage();
    }
}

void DocPrint::processDocument(const QString& type, const QDomElement& root)
{
    const Rendered page = DocRender::page(RenderSettings::current(m_caption), type, root);
    if (!page.missingHead.isEmpty())
        showInstallError(page.prefix + QLatin1String("Head.html"));
    if (debugOn())
        writeDebug(QStringLiteral("/tmp/zendrik.html"), page.text, "Debug document printing failed...");
    m_pageHtml = page.text;
    view->setHtml(m_pageHtml);
}

void DocPrint::processSlip(const QString& type, const QDomElement& root)
{
    makePaymentCode(root);
    const Rendered slip = DocRender::slip(RenderSettings::current(m_caption), type, root, m_slip40);
    if (!slip.missingHead.isEmpty())
        showInstallError(slip.missingHead);
    m_slipText = slip.text;
    m_slipBytes = DocRender::slipBytes(m_slipText, SlipCodes::load(m_slip40),
                                       m_qrMade ? QrPayment::bitImage(m_qr) : QByteArray());
    m_pageHtml = DocRender::slipPreview(m_slipText, m_qrMade);
    if (debugOn())
        writeDebug(QStringLiteral("/tmp/zendrik.html"), m_pageHtml, "Debug document printing failed...");
    view->setHtml(m_pageHtml);
}

int DocPrint::exec(bool viewOnly)
{
    PrintButton->setEnabled(!viewOnly && m_valid);
    ProcessButton->setEnabled(!viewOnly && m_valid);
    EmailButton->setEnabled(!viewOnly && m_valid && !m_emailFailed);
    if (utils) {
        PrintButton->setPalette(utils->buttonPalette(8));
        CloseButton->setPalette(utils->buttonPalette(1));
    }
    if (!viewOnly && m_auto == QLatin1String("print")) {
        finish();
        return 1;
    }
    if (!viewOnly && m_auto == QLatin1String("email") && !m_email.isEmpty()) {
        finish();
        return 1;
    }
    return ZkPrompt::exec(this);
}

void DocPrint::finish()
{
    done(m_autoClose ? 0 : 1);
}

void DocPrint::processPage()
{
    finish();
}

void DocPrint::closePage()
{
    done(0);
}

void DocPrint::reject()
{
    if (m_auto == QLatin1String("nocancel"))
        return;
    DocPrintGui::reject();
}

void DocPrint::mode_activated(int index)
{
    switch (index) {
    case 1:
        m_slip = true;
        m_slip40 = false;
        break;
    case 2:
        m_slip = false;
        m_slip40 = true;
        break;
    case 3:
        m_slip = m_slip40 = false;
        break;
    default:
        m_slip = m_defaultSlip;
        m_slip40 = m_defaultSlip40;
        break;
    }
    if (!m_valid)
        return;
    if (!m_slip && !m_slip40)
        processDocument(m_type, m_root);
    else
        processSlip(m_type, m_root);
}
