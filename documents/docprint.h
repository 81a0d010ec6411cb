#pragma once

#include "documents/docrender.h"
#include "documents/qrpayment.h"
#include "forms/docprintgui.h"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QImage>
#include <QString>

class QPrinter;

/**
 * The document window. A caller hands it a document (parseXml) and runs it
 * (exec); it chooses the printer role of the document, renders the page or
 * slip from the templates (DocRender), shows it, and prints, spools or
 * e-mails it. Owned by Utility; replaced (Utility::newDocPrint) when
 * settings change so that a fresh one reads them again.
 */
class DocPrint : public DocPrintGui
{
    Q_OBJECT

public:
    /** The printer roles, in the order of their settings groups. */
    enum Role { ReceiptRole, InvoiceRole, MailRole, LabelRole, KitchenRole, RoleCount };

    DocPrint(QWidget* parent, const QString& caption);
    ~DocPrint() override;

    /** Re-reads the five printer groups and makes the invoice printer current. */
    void updatePrinters();
    /** Reads a document, chooses printer and mode, renders it and carries out
     *  an automatic print or e-mail. */
    void parseXml(const QString& text);
    /** Builds the HTML page of the document and shows it. */
    void processDocument(const QString& type, const QDomElement& root);
    /** Builds the slip text and bytes of the document and shows the preview. */
    void processSlip(const QString& type, const QDomElement& root);
    /** Shows the window unless an automatic action has completed; with
     *  @p viewOnly the Print, Process and Email buttons are off. Returns 1
     *  when the document was processed. */
    int exec(bool viewOnly = false);
    /** Sends the receipt printer's drawer kick; false when it could not. */
    bool openDrawer();

    /** Characters by which the entities in @p text are longer than the
     *  characters they stand for. */
    static int escapedCodeSize(const QString& text) { return DocRender::escapedCodeSize(text); }

    void setZoom(int zoom);
    int zoom() const { return m_zoom; }
    void setPreviewSize(int width, int height);

    QString logo() const { return m_logoFile; }
    QString caption() const { return m_caption; }
    QString title() const { return m_title; }
    QString fileBaseName() const { return m_fileName; }
    QString email() const { return m_email; }
    QString autoAction() const { return m_auto; }
    bool isSlip() const { return m_slip; }
    bool isSlip40() const { return m_slip40; }
    /** The page as rendered (the view's source). */
    QString pageHtml() const { return m_pageHtml; }
    QString slipText() const { return m_slipText; }
    /** The root element of the document last given to parseXml. */
    QDomElement documentRoot() const { return m_root; }
    QByteArray slipBytes() const { return m_slipBytes.bytes; }
    bool qrMade() const { return m_qrMade; }
    QPrinter* currentPrinter() const { return m_printer; }
    QPrinter* printer(Role role) const { return m_printers[role]; }
    double margin() const { return m_margin; }
    QString printerName() const { return QString::fromLocal8Bit(m_printerName); }

    /** The name pattern of a user's spool files: a fresh file is made for
     *  each job in the temporary folder ("brevalon-" + name, blanks made
     *  "_", then six random characters and ".esp"). */
    static QString spoolTemplate(const QString& user);

    /** True once the current document reached its printer: the spooler
     *  took the job, the page printer or the file was written. */
    bool outputTaken() const { return m_outputTaken; }
    /** True when an attempt to print the current document failed. */
    bool outputFailed() const { return m_outputFailed; }
    /** True once the current document was handed to the mail server. */
    bool emailSent() const { return m_emailSent; }
    /** True when the mail server refused the current document or could
     *  not be reached. */
    bool emailFailed() const { return m_emailFailed; }

public slots:
    void printPage() override;
    void processPage() override;
    void emailPage() override;
    void closePage() override;
    void mode_activated(int index) override;
    /** Esc and the window's close: refused while the document may not be
     *  cancelled (auto="nocancel"). */
    void reject() override;

private:
    void finish();
    bool printSlip();
    bool printDocumentPage(const QString& html);
    bool spool(const QByteArray& bytes, const QString& printer, int copies, bool remove);
    /** False (after telling the operator) when the print system holds the
     *  queue of @p printer stopped or refuses jobs for it. */
    bool queueReady(const QString& printer);
    void makePaymentCode(const QDomElement& root);
    void showInstallError(const QString& file);
    void writeDebug(const QString& path, const QString& text, const char* failure);

    QString m_caption;
    bool m_valid = false;
    bool m_emailFailed = false;
    bool m_emailSent = false;
    bool m_outputTaken = false;
    bool m_outputFailed = false;
    QPrinter* m_printers[RoleCount] = {};
    int m_copies[RoleCount] = {};
    QString m_configuredNames[RoleCount];
    Role m_role = InvoiceRole;
    QPrinter* m_printer = nullptr;
    double m_margin = 0.6;
    QByteArray m_printerName;
    bool m_slip = false;
    bool m_slip40 = false;
    bool m_defaultSlip = false;
    bool m_defaultSlip40 = false;
    QString m_type;
    QDomDocument m_document;
    QDomElement m_root;
    QString m_auto;
    bool m_autoClose = false;
    QString m_email;
    QString m_title;
    QString m_fileName;
    QrSymbol m_qr;
    bool m_qrMade = false;
    QString m_logoFile;
    QImage m_logo;
    QString m_pageHtml;
    QString m_slipText;
    SlipBytes m_slipBytes;
    int m_zoom = 8;
};
