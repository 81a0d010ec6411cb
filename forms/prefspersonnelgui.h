#pragma once

#include "ui_prefspersonnelgui.h"

#include <QWidget>

/** The "&Personnel" page of the preferences (prefspersonnelgui.ui): the
 *  user list, the chosen user's details and rights, New, Update, Delete and
 *  Unlock. */
class PrefsPersonnelGui : public QWidget, public Ui::PrefsPersonnelGui
{
    Q_OBJECT

public:
    explicit PrefsPersonnelGui(QWidget* parent = nullptr);

public slots:
    /** A user was chosen in the list. */
    virtual void userSelected(const QString& name) { Q_UNUSED(name) }
    virtual void newUser() {}
    virtual void updateUser() {}
    virtual void deleteUser() {}
    virtual void unlockLogin() {}
    /** A GUI style was chosen. */
    virtual void applyStyle(const QString& style) { Q_UNUSED(style) }

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;
};
