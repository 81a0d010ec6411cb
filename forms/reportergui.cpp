#include "forms/reportergui.h"

#include "ui_reportergui.h"

#include <QEvent>

ReporterGui::ReporterGui(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::ReporterGui)
{
    m_ui->setupUi(this);
    TitleLabel = m_ui->TitleLabel;
    ReportListView = m_ui->ReportListView;
    PrintButton = m_ui->PrintButton;
    ChartButton = m_ui->ChartButton;
    ExportButton = m_ui->ExportButton;
    CloseButton = m_ui->CloseButton;
    languageChange();

    connect(PrintButton, &QPushButton::clicked, this, [this] { printPage(); });
    connect(ChartButton, &QPushButton::clicked, this, [this] { chartPage(); });
    connect(ExportButton, &QPushButton::clicked, this, [this] { exportPage(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { closePage(); });
}

ReporterGui::~ReporterGui()
{
    delete m_ui;
}

void ReporterGui::languageChange()
{
    setWindowTitle(tr("Brevalon Reporter"));
    PrintButton->setText(tr("Print"));
    ChartButton->setText(tr("Chart"));
    ExportButton->setText(tr("Export"));
    CloseButton->setText(tr("Close"));
}

void ReporterGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
