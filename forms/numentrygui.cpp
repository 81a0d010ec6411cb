#include "forms/numentrygui.h"

#include "ui_numentrygui.h"

#include <QEvent>

NumEntryGui::NumEntryGui(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(new Ui::NumEntryGui)
{
    m_ui->setupUi(this);
    logoLable = m_ui->logoLable;
    textLabel1 = m_ui->textLabel1;
    lineEdit1 = m_ui->lineEdit1;
    pushButton1 = m_ui->pushButton1;
    pushButton2 = m_ui->pushButton2;
    pushButton3 = m_ui->pushButton3;
    pushButton4 = m_ui->pushButton4;
    pushButton5 = m_ui->pushButton5;
    pushButton6 = m_ui->pushButton6;
    pushButton7 = m_ui->pushButton7;
    pushButton8 = m_ui->pushButton8;
    pushButton9 = m_ui->pushButton9;
    pushButton10 = m_ui->pushButton10;
    clearButton = m_ui->clearButton;
    okButton = m_ui->okButton;

    connect(pushButton1, &QPushButton::clicked, this, &NumEntryGui::num1);
    connect(pushButton2, &QPushButton::clicked, this, &NumEntryGui::num2);
    connect(pushButton3, &QPushButton::clicked, this, &NumEntryGui::num3);
    connect(pushButton4, &QPushButton::clicked, this, &NumEntryGui::num4);
    connect(pushButton5, &QPushButton::clicked, this, &NumEntryGui::num5);
    connect(pushButton6, &QPushButton::clicked, this, &NumEntryGui::num6);
    connect(pushButton7, &QPushButton::clicked, this, &NumEntryGui::num7);
    connect(pushButton8, &QPushButton::clicked, this, &NumEntryGui::num8);
    connect(pushButton9, &QPushButton::clicked, this, &NumEntryGui::num9);
    connect(pushButton10, &QPushButton::clicked, this, &NumEntryGui::num0);
    connect(clearButton, &QPushButton::clicked, this, &NumEntryGui::clear);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

NumEntryGui::~NumEntryGui()
{
    delete m_ui;
}

void NumEntryGui::languageChange()
{
    m_ui->retranslateUi(this);
}

void NumEntryGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
