#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
namespace Ui {
class PadEntryGui;
}

/** The form of the decimal keypad (padentrygui.ui): an image, a caption,
 *  the entry field, ten digit buttons, the decimal point, "CLR" and "OK". */
class PadEntryGui : public QDialog
{
    Q_OBJECT

public:
    explicit PadEntryGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~PadEntryGui() override;

    QLabel* logoLable;
    QLabel* textLabel1;
    QLineEdit* lineEdit1;
    QPushButton* pushButton1;
    QPushButton* pushButton2;
    QPushButton* pushButton3;
    QPushButton* pushButton4;
    QPushButton* pushButton5;
    QPushButton* pushButton6;
    QPushButton* pushButton7;
    QPushButton* pushButton8;
    QPushButton* pushButton9;
    QPushButton* pushButton10; ///< the 0
    QPushButton* dotButton;
    QPushButton* clearButton;
    QPushButton* okButton;

public slots:
    virtual void num0() {}
    virtual void num1() {}
    virtual void num2() {}
    virtual void num3() {}
    virtual void num4() {}
    virtual void num5() {}
    virtual void num6() {}
    virtual void num7() {}
    virtual void num8() {}
    virtual void num9() {}
    virtual void dot() {}
    virtual void clear() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::PadEntryGui* m_ui;
};
