#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
namespace Ui {
class ComboDialogGui;
}

/** The form of the choose-from-list dialog (combodialoggui.ui, whose form
 *  keeps the name "MyDialog"): a label, a combo box, OK and Cancel. */
class ComboDialogGui : public QDialog
{
    Q_OBJECT

public:
    explicit ComboDialogGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~ComboDialogGui() override;

    QLabel* textLabel1;
    QComboBox* comboBox1;
    QPushButton* buttonOk;
    QPushButton* buttonCancel;

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::ComboDialogGui* m_ui;
};
