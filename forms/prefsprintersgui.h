#pragma once

#include "ui_prefsprintersgui.h"

#include <QWidget>

/** The "Printers && &Email" page of the preferences (prefsprintersgui.ui):
 *  mode, preview and set-up of the five printers, the company logo, the mail
 *  server, the slip printers' codes and the page colours. */
class PrefsPrintersGui : public QWidget, public Ui::PrefsPrintersGui
{
    Q_OBJECT

public:
    explicit PrefsPrintersGui(QWidget* parent = nullptr);

public slots:
    virtual void logoBrowse() {}
    virtual void TextColorSelect() {}
    virtual void RedBgSelect() {}
    virtual void BlueBgSelect() {}
    virtual void DarkBlueBgSelect() {}
    virtual void receiptPrinterSetup() {}
    virtual void invoicePrinterSetup() {}
    virtual void mailPrinterSetup() {}
    virtual void kitchenPrinterSetup() {}
    virtual void labelPrinterSetup() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;
};
