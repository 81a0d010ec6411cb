#pragma once

#include "ui_deptablegui.h"

#include <QDialog>

class QTreeWidgetItem;

/**
 * The form of the department maintenance dialog: the list of departments in
 * button order, the name, the two docket stations and where their dockets
 * go (printer, screen or both), the touch picture and the commands. Its
 * virtual slots do nothing here; the dialog's own class gives them their
 * work.
 */
class DepTableGui : public QDialog, public Ui_DepTableGui
{
    Q_OBJECT

public:
    /** The list's columns. */
    enum Column { ColDepartment, ColRank, ColPrinter, ColRoute };

    explicit DepTableGui(QWidget* parent = nullptr);
    ~DepTableGui() override;

public slots:
    /** Fills the list from the table. */
    virtual void refresh() { }
    virtual void itemSelected(QTreeWidgetItem* item) { Q_UNUSED(item) }
    virtual void clear() { }
    virtual void imageSelection() { }
    virtual void newEntry() { }
    virtual void updateEntry() { }
    virtual void deleteEntry() { }
    virtual void rankUp() { }
    virtual void rankDown() { }
    /** Sets every visible text through the translator. */
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;
};
