#pragma once

#include "forms/prefsgui.h"

#include <QList>
#include <QString>

class PrefsPage;
class QSqlRecord;
class PrefsPersonnel;

/**
 * The preferences dialog ("Brevalon Preferences"): the business's details
 * in SysInfo, the users and their rights, the printers, e-mail, colours,
 * devices, bank notes and switches of the settings store. Each tab is a
 * PrefsPage; OK gathers every page's values, refuses the save when one is
 * wrong, then writes SysInfo and the log in one transaction, the settings
 * after it, and rebuilds the document renderer.
 */
class Prefs : public PrefsGui
{
    Q_OBJECT

public:
    explicit Prefs(QWidget* parent = nullptr);
    ~Prefs() override;

    /** Adds a page after the others and shows its stored values. */
    void addPage(PrefsPage* page);
    /** The pages, in the order of their tabs. */
    QList<PrefsPage*> pages() const { return m_pages; }

    /** The user chosen in the user list. */
    QString selectedUser() const;
    void setSelectedUser(const QString& name);

public slots:
    void saveSettings() override;
    void reloadData() override;

    // The users, as the Personnel page's buttons.
    void userSelected(const QString& name);
    void newUser();
    void updateUser();
    void deleteUser();
    /** Ends the selected user's session, wherever it runs, after asking. */
    void unlockLogin();

private:
    /** The SysInfo row; empty when the table holds none (or after an error, shown). */
    static QSqlRecord readSysInfo(bool* exists);

    QList<PrefsPage*> m_pages;
    PrefsPersonnel* m_personnel = nullptr;
    bool m_sysInfoExists = false;
};
