// Output of the document window: page printing, slips to a file or to the
// spooler, and the drawer kick through the receipt printer.

#include "documents/docprint.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docimages.h"
#include "documents/pageprint.h"
#include "documents/slipspool.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>

void DocPrint::printPage()
{
    if (!m_valid)
        return;
    bool chosen = false;
    if (ModeComboBox->currentIndex() != 0) {
        QPrintDialog setup(m_printer, this);
        setup.setObjectName(QStringLiteral("PrintSetup"));
        if (ZkPrompt::exec(&setup) != QDialog::Accepted)
            return;
        m_printerName = m_printer->printerName().toLocal8Bit();
        chosen = true;
    }
    bool printed;
    if (m_slip || m_slip40) {
        // A printer other than the slip printer gets the slip as a page.
        const bool samePrinter = !chosen || !m_printer->outputFileName().isEmpty()
                                 || QString::fromLocal8Bit(m_printerName) == m_configuredNames[m_role];
        printed = samePrinter ? printSlip() : printDocumentPage(m_pageHtml);
    } else {
        printed = printDocumentPage(m_pageHtml);
    }
    if (printed) {
        finish();
    } else if (m_auto == QLatin1String("print")) {
        // The document must not vanish: the window shows it instead.
        m_auto.clear();
    }
}

bool DocPrint::printSlip()
{
    const QString target = m_printer->outputFileName();
    if (!target.isEmpty()) {
        if (!SlipSpool::writeFile(target, m_slipBytes.bytes)) {
            ZkPrompt::critical(this, tr("%1 Error").arg(m_caption), tr("Error creating slip printer file %1").arg(target));
            return false;
        }
        return true;
    }
    const int copies = m_printer->copyCount() > 1 ? m_printer->copyCount() : qMax(1, m_copies[m_role]);
    return spool(m_slipBytes.bytes, QString::fromLocal8Bit(m_printerName), copies, true);
}

bool DocPrint::spool(const QByteArray& bytes, const QString& printer, int copies, bool remove)
{
    const QString file = spoolFile(utils ? utils->userName() : QStringLiteral("noone"));
    if (!SlipSpool::writeFile(file, bytes)) {
        ZkPrompt::critical(this, tr("%1 Error").arg(m_caption), tr("Error creating slip printer file %1").arg(file));
        return false;
    }
    const QString said = SlipSpool::lpr(printer, copies, remove, file);
    if (!said.isEmpty()) {
        ZkPrompt::critical(this, tr("%1 Error").arg(m_caption),
                           tr("The printer %1 did not take the document:\n\n%2")
                               .arg(printer.isEmpty() ? tr("(default)") : printer, said));
        return false;
    }
    return true;
}

bool DocPrint::printDocumentPage(const QString& html)
{
    m_printer->setDocName(m_fileName);
    const QColor colour(settings->readEntry(QStringLiteral("/Global/TextColor")));
    if (PagePrint::print(m_printer, html, view->font(), m_margin, colour.isValid() ? colour : QColor(Qt::black)) == 0) {
        const QString where = m_printer->outputFileName().isEmpty() ? m_printer->printerName()
                                                                    : m_printer->outputFileName();
        ZkPrompt::critical(this, tr("%1 Error").arg(m_caption), tr("Could not print on %1").arg(where));
        return false;
    }
    return true;
}

bool DocPrint::openDrawer()
{
    const QString mode = settings->readEntry(QStringLiteral("/ReceiptPrinter/Mode"));
    if (mode != QLatin1String("slip") && mode != QLatin1String("slip40"))
        return false;
    const QByteArray kick = SlipCodes::parse(SlipCodes::entry(QStringLiteral("KICK"), mode == QLatin1String("slip40")));
    m_slipText = QString::fromLatin1(kick);
    if (!spool(kick, m_configuredNames[ReceiptRole], 0, false))
        return false;
    done(1);
    return true;
}
