#include "forms/zkrichtextgui.h"

#include "ui_zkrichtextgui.h"

ZkRichTextGui::ZkRichTextGui(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::ZkRichTextGui)
{
    m_ui->setupUi(this);
    TextView = m_ui->TextView;
    PrevButton = m_ui->PrevButton;
    NextButton = m_ui->NextButton;
    PrintButton = m_ui->PrintButton;
    PrintAllButton = m_ui->PrintAllButton;
    CloseButton = m_ui->CloseButton;
    languageChange();

    connect(PrintButton, &QPushButton::clicked, this, [this] { print(); });
    connect(PrintAllButton, &QPushButton::clicked, this, [this] { printAll(); });
    connect(PrevButton, &QPushButton::clicked, this, [this] { prev(); });
    connect(NextButton, &QPushButton::clicked, this, [this] { next(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });
}

ZkRichTextGui::~ZkRichTextGui()
{
    delete m_ui;
}

void ZkRichTextGui::languageChange()
{
    setWindowTitle(tr("Brevalon"));
    PrintButton->setText(tr("&Print"));
    PrintAllButton->setText(tr("Print All"));
    CloseButton->setText(tr("&Close"));
    PrevButton->setText(tr("&Prev"));
    NextButton->setText(tr("&Next"));
}
