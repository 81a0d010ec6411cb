#pragma once

#include <QDate>
#include <QDialog>

class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
namespace Ui {
class DateGui;
}

/** The form of the month-oriented date picker (dategui.ui): the held
 *  month, two year buttons, twelve month buttons in `buttonGroup1` (ids 0
 *  to 11), an optional date field and OK. */
class DateGui : public QDialog
{
    Q_OBJECT

public:
    explicit DateGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~DateGui() override;

    QToolButton* toolButton1; ///< a year back
    QLabel* DateLabel;
    QToolButton* toolButton2; ///< a year on
    QGroupBox* monthBox;
    QButtonGroup* buttonGroup1;
    QPushButton* monthButton[12];
    QDateEdit* dateEdit1;
    QPushButton* buttonOk;

public slots:
    virtual void incYear() {}
    virtual void decYear() {}
    virtual void monthSelect(int) {}
    virtual void dateChanged(const QDate&) {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::DateGui* m_ui;
};
