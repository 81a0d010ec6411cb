#pragma once

#include "ui_prefspaymentsgui.h"

#include <QWidget>

/** The "Pa&yments" page of the preferences (prefspaymentsgui.ui): the QR
 *  payment service (SnapScan) and the hotel system (Semper), each switched
 *  on or off with the address it is reached at. */
class PrefsPaymentsGui : public QWidget, public Ui::PrefsPaymentsGui
{
    Q_OBJECT

public:
    explicit PrefsPaymentsGui(QWidget* parent = nullptr);

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;
};
