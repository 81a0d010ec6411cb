#pragma once

#include <QMainWindow>

class QLabel;

/** The till: the program's main window. */
class Sales : public QMainWindow
{
    Q_OBJECT

public:
    explicit Sales(QWidget* parent = nullptr, const char* name = "sales");

    /** Logs the current user out and waits for the next login. */
    void logout();

private:
    /** The window as it stands while nobody is logged in. */
    void showLoggedOut();

    QLabel* m_closedLabel = nullptr;
};
