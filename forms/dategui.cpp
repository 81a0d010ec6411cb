#include "forms/dategui.h"

#include "ui_dategui.h"

#include <QEvent>

DateGui::DateGui(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(new Ui::DateGui)
{
    m_ui->setupUi(this);
    toolButton1 = m_ui->toolButton1;
    DateLabel = m_ui->DateLabel;
    toolButton2 = m_ui->toolButton2;
    monthBox = m_ui->monthBox;
    buttonGroup1 = m_ui->buttonGroup1;
    QPushButton* const months[12] = {m_ui->monthButton1, m_ui->monthButton2,  m_ui->monthButton3,
                                     m_ui->monthButton4, m_ui->monthButton5,  m_ui->monthButton6,
                                     m_ui->monthButton7, m_ui->monthButton8,  m_ui->monthButton9,
                                     m_ui->monthButton10, m_ui->monthButton11, m_ui->monthButton12};
    for (int i = 0; i < 12; ++i) {
        monthButton[i] = months[i];
        buttonGroup1->setId(months[i], i);
    }
    dateEdit1 = m_ui->dateEdit1;
    buttonOk = m_ui->buttonOk;

    connect(toolButton1, &QToolButton::clicked, this, &DateGui::decYear);
    connect(toolButton2, &QToolButton::clicked, this, &DateGui::incYear);
    connect(buttonGroup1, &QButtonGroup::idClicked, this, &DateGui::monthSelect);
    connect(dateEdit1, &QDateEdit::dateChanged, this, &DateGui::dateChanged);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
}

DateGui::~DateGui()
{
    delete m_ui;
}

void DateGui::languageChange()
{
    m_ui->retranslateUi(this);
}

void DateGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
