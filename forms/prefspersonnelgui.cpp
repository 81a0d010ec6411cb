#include "forms/prefspersonnelgui.h"

#include <QEvent>

PrefsPersonnelGui::PrefsPersonnelGui(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(UserListBox, &QListWidget::currentTextChanged, this, [this](const QString& n) { userSelected(n); });
    connect(NewButton, &QPushButton::clicked, this, [this] { newUser(); });
    connect(UpdateButton, &QPushButton::clicked, this, [this] { updateUser(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { deleteUser(); });
    connect(UnlockButton, &QPushButton::clicked, this, [this] { unlockLogin(); });
    connect(StyleComboBox, &QComboBox::textActivated, this, [this](const QString& s) { applyStyle(s); });
}

void PrefsPersonnelGui::languageChange()
{
    retranslateUi(this);
}

void PrefsPersonnelGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
