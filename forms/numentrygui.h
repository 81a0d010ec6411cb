#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
namespace Ui {
class NumEntryGui;
}

/** The form of the integer keypad (numentrygui.ui): an image, a caption,
 *  the entry field, ten digit buttons, "CLR" and "OK". */
class NumEntryGui : public QDialog
{
    Q_OBJECT

public:
    explicit NumEntryGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~NumEntryGui() override;

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
    virtual void clear() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::NumEntryGui* m_ui;
};
