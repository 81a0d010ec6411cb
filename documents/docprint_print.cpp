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
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace {

// An empty name is the system's default printer; a message says so rather than naming nothing.
QString printerShown(const QString& name)
{
    return name.isEmpty() ? QCoreApplication::translate("DocPrint", "(default)") : name;
}

} // namespace

void DocPrint::printPage()
{
    if (!m_valid)
        return;
    // A printer chosen in the set-up dialog serves this one print: the
    // role's own printer is left as its settings made it, so the next
    // document of the role goes where the role goes.
    std::unique_ptr<QPrinter> chosen;
    QPrinter* const rolePrinter = m_printer;
    const QByteArray roleName = m_printerName;
    if (ModeComboBox->currentIndex() != 0) {
        chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!rolePrinter->printerName().isEmpty())
            chosen->setPrinterName(rolePrinter->printerName());
        chosen->setPageLayout(rolePrinter->pageLayout());
        chosen->setColorMode(rolePrinter->colorMode());
        chosen->setCopyCount(rolePrinter->copyCount());
        QPrintDialog setup(chosen.get(), this);
        setup.setObjectName(QStringLiteral("PrintSetup"));
        if (ZkPrompt::exec(&setup) != QDialog::Accepted)
            return;
        m_printer = chosen.get();
        m_printerName = m_printer->printerName().toLocal8Bit();
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
    m_printer = rolePrinter;
    m_printerName = roleName;
    if (printed) {
        m_outputTaken = true;
        finish();
    } else {
        m_outputFailed = true;
        // The document must not vanish: the window shows it instead.
        if (m_auto == QLatin1String("print"))
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

bool DocPrint::queueReady(const QString& printer)
{
    // A stopped queue takes jobs and holds them: the spooler would say
    // nothing, and the kitchen would wait for a docket that never comes.
    const QString problem = SlipSpool::queueProblem(printer);
    if (problem.isEmpty())
        return true;
    ZkPrompt::critical(this, tr("%1 Error").arg(m_caption),
                       tr("The printer %1 cannot print now: %2.\n\nNothing was sent to it. Start the printer, "
                          "then print again.")
                           .arg(printer, problem));
    return false;
}

bool DocPrint::spool(const QByteArray& bytes, const QString& printer, int copies, bool remove)
{
    if (!queueReady(printer))
        return false;
    // A fresh file of our own each time: a fixed name in a shared folder
    // would follow a link planted there and overwrite what it points at.
    const QString pattern = spoolTemplate(utils ? utils->userName() : QStringLiteral("noone"));
    QTemporaryFile file(pattern);
    file.setAutoRemove(false);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        ZkPrompt::critical(this, tr("%1 Error").arg(m_caption),
                           tr("Error creating slip printer file %1")
                               .arg(file.fileName().isEmpty() ? pattern : file.fileName()));
        file.remove();
        return false;
    }
    file.close();
    const QString said = SlipSpool::lpr(printer, copies, remove, file.fileName());
    // The spooler has its own copy; -r may have taken ours already.
    QFile::remove(file.fileName());
    if (!said.isEmpty()) {
        ZkPrompt::critical(this, tr("%1 Error").arg(m_caption),
                           tr("The printer %1 did not take the document:\n\n%2")
                               .arg(printerShown(printer), said));
        return false;
    }
    return true;
}

bool DocPrint::printDocumentPage(const QString& html)
{
    if (m_printer->outputFileName().isEmpty() && !queueReady(m_printer->printerName()))
        return false;
    m_printer->setDocName(m_fileName);
    const QColor colour(settings->readEntry(QStringLiteral("/Global/TextColor")));
    if (PagePrint::print(m_printer, html, view->font(), m_margin, colour.isValid() ? colour : QColor(Qt::black)) == 0) {
        const QString where = m_printer->outputFileName().isEmpty() ? m_printer->printerName()
                                                                    : m_printer->outputFileName();
        ZkPrompt::critical(this, tr("%1 Error").arg(m_caption),
                           tr("Could not print on %1").arg(printerShown(where)));
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
