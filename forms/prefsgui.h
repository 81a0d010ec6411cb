#pragma once

#include "ui_prefsgui.h"

#include <QDialog>

/** The frame of the preferences dialog (prefsgui.ui): the tab widget that holds
 *  the pages, OK and Cancel. */
class PrefsGui : public QDialog, public Ui::PrefsGui
{
    Q_OBJECT

public:
    explicit PrefsGui(QWidget* parent = nullptr);

public slots:
    /** Saves every page; OK. */
    virtual void saveSettings() {}
    /** Shows the stored values again. */
    virtual void reloadData() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;
};
