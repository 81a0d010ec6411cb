#pragma once

#include "forms/prefspaymentsgui.h"
#include "maintenance/prefspage.h"

/** The "Pa&yments" page: the QR payment service and the hotel system's
 *  room charges, kept in the settings store. */
class PrefsPayments : public PrefsPaymentsGui, public PrefsPage
{
    Q_OBJECT

public:
    explicit PrefsPayments(QWidget* parent = nullptr);

    QWidget* pageWidget() override { return this; }
    QString pageTitle() const override { return tr("Pa&yments"); }
    /** Refuses a service switched on without the address it is reached at. */
    bool collect(PrefsSave& save) override;
};
