#pragma once

#include "forms/combodialoggui.h"

#include <QStringList>

/** Chooses one entry of a list, e.g. the waiter to cash up. */
class ComboDialog : public ComboDialogGui
{
    Q_OBJECT

public:
    /** @p name is accepted for the callers' sake; the object name is always
     *  "ComboDialog", by which scripted runs recognise the dialog. */
    explicit ComboDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                         Qt::WindowFlags flags = {});

    /** Sets the question and replaces the entries to choose from. */
    void setup(const QString& label, const QStringList& items);
    /** The entry chosen. */
    QString getValue() const;

protected:
    void languageChange() override;

private:
    QString m_label; ///< the caller's question, kept over a change of language
};
