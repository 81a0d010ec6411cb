#include "forms/prefsgui.h"

#include <QEvent>

PrefsGui::PrefsGui(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    connect(buttonOk, &QPushButton::clicked, this, [this] { saveSettings(); });
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PrefsGui::languageChange()
{
    retranslateUi(this);
}

void PrefsGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
