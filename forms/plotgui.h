#pragma once

#include <QDialog>

class QPushButton;
class ZkCanvas;
namespace Ui {
class PlotGui;
}

/** The layout of the chart window: the drawing surface and the Print and
 *  Close buttons. Plot gives it its logic. */
class PlotGui : public QDialog
{
    Q_OBJECT

public:
    explicit PlotGui(QWidget* parent = nullptr);
    ~PlotGui() override;

    ZkCanvas* Canvas;
    QPushButton* PrintButton;
    QPushButton* CloseButton;

public slots:
    virtual void print() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::PlotGui* m_ui;
};
