#include "forms/sempergui.h"

#include "ui_sempergui.h"

#include <QEvent>

SemperGui::SemperGui(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(new Ui::SemperGui)
{
    m_ui->setupUi(this);
    SelectionLabel = m_ui->SelectionLabel;
    RoomListBox = m_ui->RoomListBox;
    UpButton = m_ui->UpButton;
    DownButton = m_ui->DownButton;
    ProcessButton = m_ui->ProcessButton;
    CancelButton = m_ui->CancelButton;

    connect(UpButton, &QPushButton::clicked, this, &SemperGui::selUp);
    connect(DownButton, &QPushButton::clicked, this, &SemperGui::selDown);
    connect(RoomListBox, &QListWidget::currentRowChanged, this, &SemperGui::selectionChanged);
    connect(RoomListBox, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(ProcessButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

SemperGui::~SemperGui()
{
    delete m_ui;
}

void SemperGui::languageChange()
{
    m_ui->retranslateUi(this);
}

void SemperGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
