#include "forms/tableentrygui.h"

#include "ui_tableentrygui.h"

#include <QEvent>

TableEntryGui::TableEntryGui(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(new Ui::TableEntryGui)
{
    m_ui->setupUi(this);
    titleLabel = m_ui->titleLabel;
    iconView1 = m_ui->iconView1;
    pushButton1 = m_ui->pushButton1;
    pushButton2 = m_ui->pushButton2;
    pushButton3 = m_ui->pushButton3;
    pushButton4 = m_ui->pushButton4;

    connect(pushButton1, &QPushButton::clicked, this, &TableEntryGui::newTable);
    connect(pushButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(pushButton3, &QPushButton::clicked, this, &TableEntryGui::payBill);
    connect(pushButton4, &QPushButton::clicked, this, &TableEntryGui::payInvoice);
    connect(iconView1, &QListWidget::itemClicked, this, &TableEntryGui::tableSelected);
    connect(iconView1, &QListWidget::itemActivated, this, &TableEntryGui::tableSelected);
}

TableEntryGui::~TableEntryGui()
{
    delete m_ui;
}

void TableEntryGui::languageChange()
{
    m_ui->retranslateUi(this);
}

void TableEntryGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
