#pragma once

#include "forms/changegui.h"

/**
 * Takes the cash tendered for a take-out sale, so that the slip can show
 * the change. Up to six bank-note buttons add their value to the amount.
 */
class Change : public ChangeGui
{
    Q_OBJECT

public:
    /** @p name is accepted for the callers' sake; the object name is always
     *  "Change", by which scripted runs recognise the dialog. */
    explicit Change(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                    Qt::WindowFlags flags = {});

    /** The amount the change is for, shown beside "Change for". */
    void setAmount(double amount);

    /** Runs the dialog and returns the amount tendered; -1 when cancelled. */
    double getChange();

public slots:
    void fastCash1() override;
    void fastCash2() override;
    void fastCash3() override;
    void fastCash4() override;
    void fastCash5() override;
    void fastCash6() override;
    /** Cancels: the amount becomes -1. */
    void cancel() override;

protected:
    void languageChange() override;

private:
    /** Shows the bank-note buttons that have a picture, hides the others. */
    void setUpNotes();
    QPushButton* noteButton(int note) const;

    double m_amount = 0;
    bool m_hasAmount = false;
};
