#pragma once

#include "forms/prefssysinfogui.h"
#include "maintenance/prefspage.h"

/** The "&SysInfo" page: the business's details kept in SysInfo, and the
 *  language of the texts and documents. */
class PrefsSysInfo : public PrefsSysInfoGui, public PrefsPage
{
    Q_OBJECT

public:
    explicit PrefsSysInfo(QWidget* parent = nullptr);

    QWidget* pageWidget() override { return this; }
    QString pageTitle() const override { return tr("&SysInfo"); }

public slots:
    /** Offers the tax modes in the chosen language. */
    void applyLang(const QString& language) override;

private:
    /** The translation files of the installation, without ".qm". */
    static QStringList languages();
};
