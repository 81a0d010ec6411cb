#pragma once

#include "maintenance/prefsfields.h"

class QSqlRecord;
class QWidget;

/**
 * One page of the preferences dialog. A page ties its widgets to what they
 * edit in m_fields (see PrefsFields) and so usually needs nothing more than
 * its form; a page with work of its own (the users) overrides load and
 * collect. A new page is a form in forms/, a class deriving from it and
 * from PrefsPage, and one Prefs::addPage call.
 */
class PrefsPage
{
public:
    virtual ~PrefsPage() = default;

    /** The page's widget, shown as a tab of the dialog. */
    virtual QWidget* pageWidget() = 0;
    /** The tab's caption. */
    virtual QString pageTitle() const = 0;

    /** Shows the stored values; @p sysInfo is the SysInfo row. */
    virtual void load(const QSqlRecord& sysInfo) { m_fields.load(sysInfo); }
    /** Adds what a save writes; false when a value was refused (told). */
    virtual bool collect(PrefsSave& save) { return m_fields.collect(save, pageWidget()); }

protected:
    PrefsFields m_fields;
};
