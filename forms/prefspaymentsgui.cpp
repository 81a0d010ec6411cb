#include "forms/prefspaymentsgui.h"

#include "forms/touchsize.h"

#include <QEvent>

PrefsPaymentsGui::PrefsPaymentsGui(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    // Few fields: there is room for them at a finger's height even at 800 by 600.
    TouchSize::apply(this);
}

void PrefsPaymentsGui::languageChange()
{
    retranslateUi(this);
}

void PrefsPaymentsGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
