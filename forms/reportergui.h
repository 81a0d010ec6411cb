#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
namespace Ui {
class ReporterGui;
}

/** The layout of the report viewer: the title, the report's list and the
 *  Print, Chart, Export and Close buttons. Reporter gives it its logic. */
class ReporterGui : public QDialog
{
    Q_OBJECT

public:
    explicit ReporterGui(QWidget* parent = nullptr);
    ~ReporterGui() override;

    QLabel* TitleLabel;
    QTreeWidget* ReportListView;
    QPushButton* PrintButton;
    QPushButton* ChartButton;
    QPushButton* ExportButton;
    QPushButton* CloseButton;

public slots:
    virtual void printPage() {}
    virtual void chartPage() {}
    virtual void exportPage() {}
    virtual void closePage() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::ReporterGui* m_ui;
};
