#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
namespace Ui {
class SemperGui;
}

/** The form of the room-charge choice (sempergui.ui), titled "Room/Acc":
 *  the entry chosen in a label, the list of rooms and accounts, Up and
 *  Down, "F8 Process" and Cancel. */
class SemperGui : public QDialog
{
    Q_OBJECT

public:
    explicit SemperGui(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~SemperGui() override;

    QLabel* SelectionLabel;
    QListWidget* RoomListBox;
    QPushButton* UpButton;
    QPushButton* DownButton;
    QPushButton* ProcessButton;
    QPushButton* CancelButton;

    /** Fills the list from a reply of the hotel system. */
    virtual void populate(const QString& reply) = 0;
    /** The entry chosen; empty when none was. */
    virtual QString getSelection() const = 0;

public slots:
    virtual void selUp() = 0;
    virtual void selDown() = 0;
    /** The entry highlighted is shown in the label. */
    virtual void selectionChanged() = 0;

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;

private:
    Ui::SemperGui* m_ui;
};
