#pragma once

#include "forms/padentrygui.h"

/**
 * The decimal keypad for tendered amounts. The tendering window presets
 * the field with its amount field's text, runs the keypad and copies the
 * text back; the keypad itself checks nothing but the one decimal point.
 */
class PadEntry : public PadEntryGui
{
    Q_OBJECT

public:
    enum Mode { Cash = 0, Card = 1, Cheque = 2, Eft = 3, Coupon = 4, Tip = 5 };

    /** @p name is accepted for the callers' sake; the object name is always
     *  "PadEntry", by which scripted runs recognise the dialog. */
    explicit PadEntry(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                      Qt::WindowFlags flags = {});

    /** The caption: 0 "Cash Amount", 1 "C/Card Amount", 2 "Cheque Amount",
     *  3 "Eft Amount", 4 "Coupon Amount", else "Tip Amount". */
    void setMode(int mode);
    int mode() const { return m_mode; }

    QString getValue() const;
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
    /** Appends the decimal point unless the field holds one already. */
    void dot() override;
    void clear() override;

protected:
    void languageChange() override;

private:
    void applyMode();

    int m_mode = Cash;
};
