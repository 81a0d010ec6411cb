#pragma once

#include "forms/sempergui.h"
#include "payments/sempermessages.h"

/**
 * Where a room charge goes: "CASH SALE" (settled at the till, nothing sent
 * to the hotel system), a guest in the house or a house account, from the
 * lists the hotel system gave. Runs modally; cancelled, nothing is chosen.
 */
class SemperChoice : public SemperGui
{
    Q_OBJECT

public:
    explicit SemperChoice(QWidget* parent = nullptr);

    void populate(const QString& reply) override;
    /** The entry's text once the choice was made ("CASH SALE" among
     *  them); empty when the dialog was cancelled. */
    QString getSelection() const override;
    /** The entry chosen; its text is empty for "CASH SALE" or no choice. */
    SemperEntry charge() const;
    /** The text of the entry that charges nothing. */
    static QString cashSale() { return tr("CASH SALE"); }

public slots:
    void selUp() override;
    void selDown() override;
    void selectionChanged() override;

protected:
    void languageChange() override;
};
