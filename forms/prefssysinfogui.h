#pragma once

#include "ui_prefssysinfogui.h"

#include <QWidget>

/** The "&SysInfo" page of the preferences (prefssysinfogui.ui): the
 *  business's address lines and footers, the language, the taxes and the
 *  price categories. */
class PrefsSysInfoGui : public QWidget, public Ui::PrefsSysInfoGui
{
    Q_OBJECT

public:
    explicit PrefsSysInfoGui(QWidget* parent = nullptr);

public slots:
    /** A language was chosen. */
    virtual void applyLang(const QString& language) { Q_UNUSED(language) }

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;
};
