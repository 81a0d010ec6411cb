#pragma once

#include "forms/dategui.h"

#include <QDate>

/**
 * Picks a month (and, with the date field shown, a day): the year buttons
 * step the held date a year, a month button moves it to the first of that
 * month. The held month's button wears button palette 3.
 */
class DateDialog : public DateGui
{
    Q_OBJECT

public:
    /** Holds today. @p name is accepted for the callers' sake; the object
     *  name is always "DateDialog", by which scripted runs recognise it. */
    explicit DateDialog(QWidget* parent = nullptr, const char* name = nullptr);

    QDate selectedDate() const { return m_date; }
    /** Asks for a month (a day with @p day); false when the operator closed
     *  the dialog, @p date untouched. */
    static bool ask(QWidget* parent, const QString& title, bool day, QDate* date);
    void setDate(const QDate& date);
    /** Shows or hides the date field (hidden at first). */
    void showDateEdit(bool show);

public slots:
    void incYear() override;
    void decYear() override;
    /** The first day of month @p i + 1 of the held year. */
    void monthSelect(int i) override;
    void dateChanged(const QDate& date) override;
    /** Shows the held month and marks its button. */
    void updateGUI();

protected:
    void languageChange() override;

private:
    QDate m_date;
};
