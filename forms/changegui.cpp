#include "forms/changegui.h"

#include "ui_changegui.h"

#include <QEvent>

ChangeGui::ChangeGui(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(new Ui::ChangeGui)
{
    m_ui->setupUi(this);
    textLabel1 = m_ui->textLabel1;
    AmountLabel = m_ui->AmountLabel;
    CashAmountEdit = m_ui->CashAmountEdit;
    pushButton1 = m_ui->pushButton1;
    pushButton2 = m_ui->pushButton2;
    pushButton3 = m_ui->pushButton3;
    pushButton4 = m_ui->pushButton4;
    pushButton5 = m_ui->pushButton5;
    pushButton6 = m_ui->pushButton6;
    processButton = m_ui->processButton;
    cancelButton = m_ui->cancelButton;

    connect(pushButton1, &QPushButton::clicked, this, &ChangeGui::fastCash1);
    connect(pushButton2, &QPushButton::clicked, this, &ChangeGui::fastCash2);
    connect(pushButton3, &QPushButton::clicked, this, &ChangeGui::fastCash3);
    connect(pushButton4, &QPushButton::clicked, this, &ChangeGui::fastCash4);
    connect(pushButton5, &QPushButton::clicked, this, &ChangeGui::fastCash5);
    connect(pushButton6, &QPushButton::clicked, this, &ChangeGui::fastCash6);
    connect(processButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CashAmountEdit, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ChangeGui::cancel);
}

ChangeGui::~ChangeGui()
{
    delete m_ui;
}

void ChangeGui::languageChange()
{
    m_ui->retranslateUi(this);
}

void ChangeGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
