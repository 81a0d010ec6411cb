#include "forms/combodialoggui.h"

#include "ui_combodialoggui.h"

#include <QEvent>

ComboDialogGui::ComboDialogGui(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(new Ui::ComboDialogGui)
{
    m_ui->setupUi(this);
    textLabel1 = m_ui->textLabel1;
    comboBox1 = m_ui->comboBox1;
    buttonOk = m_ui->buttonOk;
    buttonCancel = m_ui->buttonCancel;

    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

ComboDialogGui::~ComboDialogGui()
{
    delete m_ui;
}

void ComboDialogGui::languageChange()
{
    m_ui->retranslateUi(this);
}

void ComboDialogGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
