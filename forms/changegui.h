#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
namespace Ui {
class ChangeGui;
}

/** The form of the change dialog (changegui.ui): "Change for" and the
 *  amount, the cash field, six bank-note buttons, "F8 Process" and Cancel. */
class ChangeGui : public QDialog
{
    Q_OBJECT

public:
    explicit ChangeGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~ChangeGui() override;

    QLabel* textLabel1;
    QLabel* AmountLabel;
    QLineEdit* CashAmountEdit;
    QPushButton* pushButton1;
    QPushButton* pushButton2;
    QPushButton* pushButton3;
    QPushButton* pushButton4;
    QPushButton* pushButton5;
    QPushButton* pushButton6;
    QPushButton* processButton;
    QPushButton* cancelButton;

public slots:
    virtual void fastCash1() {}
    virtual void fastCash2() {}
    virtual void fastCash3() {}
    virtual void fastCash4() {}
    virtual void fastCash5() {}
    virtual void fastCash6() {}
    virtual void cancel() { reject(); }

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::ChangeGui* m_ui;
};
