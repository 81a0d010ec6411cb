#pragma once

#include "forms/numentrygui.h"

/**
 * The integer keypad: login and waiter codes, table and invoice numbers.
 * The caller sets the mode, runs it (ZkPrompt::exec) and reads the text;
 * the keypad itself checks nothing.
 */
class NumEntry : public NumEntryGui
{
    Q_OBJECT

public:
    enum Mode { WaiterCode = 0, TableNumber = 1, InvoiceNumber = 2, Parts = 3 };

    /** @p name is accepted for the callers' sake; the object name is always
     *  "NumEntry", by which scripted runs recognise the dialog. */
    explicit NumEntry(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                      Qt::WindowFlags flags = {});

    /** 0 "Waiter Code" (digits hidden), 1 "Table No.", 3 "Parts", else
     *  "Invoice No.". */
    void setMode(int mode);
    int mode() const { return m_mode; }

    /** The text typed. */
    QString getValue() const;
    /** Presets the field. */
    void setValue(const QString& text);

public slots:
    void num0() override;
    void num1() override;
    void num2() override;
    void num3() override;
    void num4() override;
    void num5() override;
    void num6() override;
    void num7() override;
    void num8() override;
    void num9() override;
    void clear() override;

protected:
    void languageChange() override;

private:
    void applyMode();

    int m_mode = WaiterCode;
};
