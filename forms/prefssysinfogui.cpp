#include "forms/prefssysinfogui.h"

#include <QEvent>

PrefsSysInfoGui::PrefsSysInfoGui(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(LanguageComboBox, &QComboBox::textActivated, this, [this](const QString& l) { applyLang(l); });
}

void PrefsSysInfoGui::languageChange()
{
    retranslateUi(this);
}

void PrefsSysInfoGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
