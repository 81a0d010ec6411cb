#include "forms/plotgui.h"

#include "ui_plotgui.h"

#include <QEvent>

PlotGui::PlotGui(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::PlotGui)
{
    m_ui->setupUi(this);
    Canvas = m_ui->Canvas;
    PrintButton = m_ui->PrintButton;
    CloseButton = m_ui->CloseButton;
    languageChange();

    connect(PrintButton, &QPushButton::clicked, this, [this] { print(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

PlotGui::~PlotGui()
{
    delete m_ui;
}

void PlotGui::languageChange()
{
    setWindowTitle(tr("Brevalon Results"));
    PrintButton->setText(tr("Print"));
    CloseButton->setText(tr("Close"));
}

void PlotGui::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
