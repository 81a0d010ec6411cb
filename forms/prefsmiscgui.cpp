#include "forms/prefsmiscgui.h"

#include <QEvent>

PrefsMiscGui::PrefsMiscGui(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(Note1Button, &QPushButton::clicked, this, [this] { note1Browse(); });
    connect(Note2Button, &QPushButton::clicked, this, [this] { note2Browse(); });
    connect(Note3Button, &QPushButton::clicked, this, [this] { note3Browse(); });
    connect(Note4Button, &QPushButton::clicked, this, [this] { note4Browse(); });
    connect(Note5Button, &QPushButton::clicked, this, [this] { note5Browse(); });
    connect(Note6Button, &QPushButton::clicked, this, [this] { note6Browse(); });
}

void PrefsMiscGui::languageChange()
{
    retranslateUi(this);
}

void PrefsMiscGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
