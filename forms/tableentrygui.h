#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
namespace Ui {
class TableEntryGui;
}

/** The form of the table chooser (tableentrygui.ui): the tables as icons
 *  and the buttons New Table, Pay Table, Pay By Invoice and Cancel. */
class TableEntryGui : public QDialog
{
    Q_OBJECT

public:
    explicit TableEntryGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~TableEntryGui() override;

    QLabel* titleLabel;
    QListWidget* iconView1;
    QPushButton* pushButton1;
    QPushButton* pushButton2;
    QPushButton* pushButton3;
    QPushButton* pushButton4;

public slots:
    virtual void newTable() = 0;
    virtual void payBill() = 0;
    virtual void payInvoice() = 0;
    virtual void tableSelected(QListWidgetItem* item) = 0;

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::TableEntryGui* m_ui;
};
