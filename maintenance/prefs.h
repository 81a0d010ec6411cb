#pragma once

#include <QDialog>
#include <QString>

/**
 * The preferences and users dialog. So far it holds only the user list's
 * selection and the unlock of a user's session; its form (PrefsGui) with
 * the settings pages and the user editor comes with the rest of the
 * maintenance dialogs, which will set the selection from the user list.
 */
class Prefs : public QDialog
{
    Q_OBJECT

public:
    explicit Prefs(QWidget* parent = nullptr);

    /** The user chosen in the user list. */
    QString selectedUser() const { return m_selectedUser; }
    void setSelectedUser(const QString& name) { m_selectedUser = name; }

public slots:
    /** Ends the selected user's session, wherever it runs, after asking. */
    void unlockLogin();

private:
    QString m_selectedUser;
};
