#pragma once

#include "forms/prefspersonnelgui.h"
#include "maintenance/prefspage.h"

/**
 * The "&Personnel" page: the users (Personel rows), their login codes,
 * commission, cash account and rights, and their per-user style and touch
 * layout. Users are written by New, Update, Delete and Unlock, each at
 * once and in one transaction with its log entry; the dialog's OK saves
 * nothing here.
 */
class PrefsPersonnel : public PrefsPersonnelGui, public PrefsPage
{
    Q_OBJECT

public:
    explicit PrefsPersonnel(QWidget* parent = nullptr);

    QWidget* pageWidget() override { return this; }
    QString pageTitle() const override { return tr("&Personnel"); }
    /** Lists the users again, keeping the chosen one. */
    void load(const QSqlRecord& sysInfo) override;
    bool collect(PrefsSave& save) override;

    /** The user chosen in the list; empty when none. */
    QString selectedUser() const { return m_user; }
    /** Chooses a user as a click in the list would. */
    void setSelectedUser(const QString& name);

public slots:
    void userSelected(const QString& name) override;
    void newUser() override;
    void updateUser() override;
    void deleteUser() override;
    void unlockLogin() override;
    void applyStyle(const QString& style) override;

private:
    void listUsers();
    void clearDetails();
    /** The check box of a right (a Personel column). */
    QCheckBox* rightBox(const QString& column) const;
    /** False (after telling the operator under @p caption) when @p code
     *  is no login code or another user than @p user has it. */
    bool codeAcceptable(const QString& code, const QString& user, const QString& caption);
    /** "Operation cancelled" under @p caption. */
    void cancelled(const QString& caption);

    QString m_user;
};
