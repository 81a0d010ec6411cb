#pragma once

#include "forms/prefsprintersgui.h"
#include "maintenance/prefspage.h"

class QLineEdit;

/** The "Printers && &Email" page: the five printers' mode, preview and
 *  set-up, the company logo, the mail server, the slip codes and the page
 *  colours. The set-ups and the logo are written when chosen; the rest
 *  with the dialog. */
class PrefsPrinters : public PrefsPrintersGui, public PrefsPage
{
    Q_OBJECT

public:
    explicit PrefsPrinters(QWidget* parent = nullptr);

    QWidget* pageWidget() override { return this; }
    QString pageTitle() const override { return tr("Printers && &Email"); }
    void load(const QSqlRecord& sysInfo) override;

public slots:
    void logoBrowse() override;
    void TextColorSelect() override { chooseColour(TextColorEdit); }
    void RedBgSelect() override { chooseColour(RedBgEdit); }
    void BlueBgSelect() override { chooseColour(BlueBgEdit); }
    void DarkBlueBgSelect() override { chooseColour(DarkBlueBgEdit); }
    void receiptPrinterSetup() override;
    void invoicePrinterSetup() override;
    void mailPrinterSetup() override;
    void kitchenPrinterSetup() override;
    void labelPrinterSetup() override;

private:
    /** Runs the print system's dialog for a printer group and writes what
     *  was chosen; logs @p action with @p info (empty: the settings). */
    void printerSetup(const QString& group, const QString& action, const QString& info);
    void chooseColour(QLineEdit* edit);
    static void paintColour(QLineEdit* edit);
};
