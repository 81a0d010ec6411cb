#pragma once

#include "ui_prefsmiscgui.h"

#include <QWidget>

/** The "&Misc" page of the preferences (prefsmiscgui.ui): report and
 *  document previews, button colours, the accounts' rounding and interest,
 *  the display pole and the cash drawer, bank notes, the counter's switches
 *  and the backup-media command. */
class PrefsMiscGui : public QWidget, public Ui::PrefsMiscGui
{
    Q_OBJECT

public:
    explicit PrefsMiscGui(QWidget* parent = nullptr);

public slots:
    virtual void note1Browse() {}
    virtual void note2Browse() {}
    virtual void note3Browse() {}
    virtual void note4Browse() {}
    virtual void note5Browse() {}
    virtual void note6Browse() {}

protected:
    /** Sets every visible text through the translator. */
    virtual void languageChange();
    void changeEvent(QEvent* event) override;
};
