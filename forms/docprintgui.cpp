#include "forms/docprintgui.h"

#include "ui_docprintgui.h"

#include <QKeySequence>

DocPrintGui::DocPrintGui(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::DocPrintGui)
{
    m_ui->setupUi(this);
    view = m_ui->view;
    ModeComboBox = m_ui->ModeComboBox;
    PrintButton = m_ui->PrintButton;
    ProcessButton = m_ui->ProcessButton;
    EmailButton = m_ui->EmailButton;
    CloseButton = m_ui->CloseButton;
    languageChange();

    connect(PrintButton, &QPushButton::clicked, this, [this] { printPage(); });
    connect(ProcessButton, &QPushButton::clicked, this, [this] { processPage(); });
    connect(EmailButton, &QPushButton::clicked, this, [this] { emailPage(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { closePage(); });
    connect(ModeComboBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { mode_activated(index); });
}

DocPrintGui::~DocPrintGui()
{
    delete m_ui;
}

void DocPrintGui::languageChange()
{
    setWindowTitle(tr("Preview"));
    ModeComboBox->clear();
    ModeComboBox->addItem(tr("Default"));
    ModeComboBox->addItem(tr("Slip80"));
    ModeComboBox->addItem(tr("slip40"));
    ModeComboBox->addItem(tr("Page"));
    PrintButton->setText(tr("F8 Print"));
    PrintButton->setShortcut(QKeySequence(Qt::Key_F8));
    ProcessButton->setText(tr("F5 Process"));
    ProcessButton->setShortcut(QKeySequence(Qt::Key_F5));
    EmailButton->setText(tr("Email"));
    CloseButton->setText(tr("Close"));
    // Enter in the dialog must not print or process by accident.
    PrintButton->setAutoDefault(false);
    ProcessButton->setAutoDefault(false);
    EmailButton->setAutoDefault(false);
    CloseButton->setAutoDefault(false);
}
