#include "forms/prefsprintersgui.h"

#include <QEvent>

PrefsPrintersGui::PrefsPrintersGui(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(LogoButton, &QPushButton::clicked, this, [this] { logoBrowse(); });
    connect(TextColorButton, &QPushButton::clicked, this, [this] { TextColorSelect(); });
    connect(RedBgButton, &QPushButton::clicked, this, [this] { RedBgSelect(); });
    connect(BlueBgButton, &QPushButton::clicked, this, [this] { BlueBgSelect(); });
    connect(DarkBlueBgButton, &QPushButton::clicked, this, [this] { DarkBlueBgSelect(); });
    connect(ReceiptSetupButton, &QPushButton::clicked, this, [this] { receiptPrinterSetup(); });
    connect(InvoiceSetupButton, &QPushButton::clicked, this, [this] { invoicePrinterSetup(); });
    connect(MailSetupButton, &QPushButton::clicked, this, [this] { mailPrinterSetup(); });
    connect(KitchenSetupButton, &QPushButton::clicked, this, [this] { kitchenPrinterSetup(); });
    connect(LabelSetupButton, &QPushButton::clicked, this, [this] { labelPrinterSetup(); });
}

void PrefsPrintersGui::languageChange()
{
    retranslateUi(this);
}

void PrefsPrintersGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
