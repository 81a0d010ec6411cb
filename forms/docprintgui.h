#pragma once

#include <QDialog>

class DocView;
class QComboBox;
class QPushButton;
namespace Ui {
class DocPrintGui;
}

/** The layout of the document window: the view, the mode selector and the
 *  Print, Process, Email and Close buttons. DocPrint gives it its logic. */
class DocPrintGui : public QDialog
{
    Q_OBJECT

public:
    explicit DocPrintGui(QWidget* parent = nullptr);
    ~DocPrintGui() override;

    DocView* view;
    QComboBox* ModeComboBox;
    QPushButton* PrintButton;
    QPushButton* ProcessButton;
    QPushButton* EmailButton;
    QPushButton* CloseButton;

public slots:
    virtual void printPage() {}
    virtual void processPage() {}
    virtual void emailPage() {}
    virtual void closePage() {}
    virtual void mode_activated(int) {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();

private:
    Ui::DocPrintGui* m_ui;
};
