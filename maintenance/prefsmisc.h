#pragma once

#include "forms/prefsmiscgui.h"
#include "maintenance/prefspage.h"

/** The "&Misc" page: previews, button colours, the accounts' rounding and
 *  interest, the display pole and the cash drawer, the bank notes, the
 *  counter's switches and the backup-media command. */
class PrefsMisc : public PrefsMiscGui, public PrefsPage
{
    Q_OBJECT

public:
    explicit PrefsMisc(QWidget* parent = nullptr);

    QWidget* pageWidget() override { return this; }
    QString pageTitle() const override { return tr("&Misc"); }
    void load(const QSqlRecord& sysInfo) override;

    /** The folder the bank-note chooser starts in. */
    static QString getBankNotePath();

public slots:
    void note1Browse() override { noteBrowse(1); }
    void note2Browse() override { noteBrowse(2); }
    void note3Browse() override { noteBrowse(3); }
    void note4Browse() override { noteBrowse(4); }
    void note5Browse() override { noteBrowse(5); }
    void note6Browse() override { noteBrowse(6); }

private:
    /** Removes or chooses the picture of bank note @p note; written at once. */
    void noteBrowse(int note);
    void showNote(int note);
};
