#include "sales/change.h"

#include "core/globals.h"
#include "core/moneyvalidator.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "sales/banknotes.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Change::Change(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : ChangeGui(parent, flags)
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("Change"));
    setModal(modal);
    // Where the font is not installed the figures still line up.
    QFont mono = CashAmountEdit->font();
    mono.setStyleHint(QFont::Monospace);
    CashAmountEdit->setFont(mono);
    CashAmountEdit->setValidator(new MoneyValidator(CashAmountEdit));
    if (utils) {
        processButton->setPalette(utils->buttonPalette(2));
        cancelButton->setPalette(utils->buttonPalette(5));
    }
    setUpNotes();
    CashAmountEdit->setFocus();
}

QPushButton* Change::noteButton(int note) const
{
    QPushButton* const buttons[6] = {pushButton1, pushButton2, pushButton3, pushButton4, pushButton5, pushButton6};
    return buttons[note - 1];
}

void Change::setUpNotes()
{
    for (int note = 1; note <= 6; ++note) {
        QPushButton* button = noteButton(note);
        button->setVisible(BankNotes::dress(button, note));
    }
}

void Change::setAmount(double amount)
{
    m_amount = amount;
    m_hasAmount = true;
    AmountLabel->setText(Utility::numStr(amount, 2));
}

double Change::getChange()
{
    const int result = ZkPrompt::exec(this);
    if (result != QDialog::Accepted)
        return -1;
    return Utility::strNum(CashAmountEdit->text());
}

void Change::fastCash1() { BankNotes::add(CashAmountEdit, 1); }
void Change::fastCash2() { BankNotes::add(CashAmountEdit, 2); }
void Change::fastCash3() { BankNotes::add(CashAmountEdit, 3); }
void Change::fastCash4() { BankNotes::add(CashAmountEdit, 4); }
void Change::fastCash5() { BankNotes::add(CashAmountEdit, 5); }
void Change::fastCash6() { BankNotes::add(CashAmountEdit, 6); }

void Change::cancel()
{
    // The money validator would refuse (and beep at) the minus sign.
    CashAmountEdit->setValidator(nullptr);
    CashAmountEdit->setText(QStringLiteral("-1"));
    reject();
}

void Change::languageChange()
{
    ChangeGui::languageChange();
    if (m_hasAmount)
        setAmount(m_amount);
    setUpNotes();
}
