// Helping the cashier fill in the receipt tab: a keypad on each amount
// field, the assists that put the rest of the balance on the card, cheque or
// EFT, the bank-note buttons, and the drawer opened without a sale.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "sales/banknotes.h"
#include "sales/padentry.h"

#include <QDialog>
#include <QHeaderView>
#include <QMenuBar>

namespace {

double amountIn(const QLineEdit* field)
{
    return Utility::roundCents(Utility::strNum(field->text()));
}

} // namespace

QList<QLineEdit*> Sales::tenderFields() const
{
    return {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, CouponAmountEdit, EFTAmountEdit, TipAmountEdit};
}

void Sales::runPad(QLineEdit* field, int mode)
{
    PadEntry pad(this);
    pad.setMode(mode);
    pad.setValue(field->text());
    // Closing the keypad any other way than OK leaves the amount as it was.
    if (ZkPrompt::exec(&pad) == QDialog::Accepted)
        field->setText(pad.getValue());
    field->setFocus();
}

void Sales::cashPad()
{
    runPad(CashAmountEdit, PadEntry::Cash);
}

void Sales::cardPad()
{
    runPad(CardAmountEdit, PadEntry::Card);
}

void Sales::chequePad()
{
    runPad(ChequeAmountEdit, PadEntry::Cheque);
}

void Sales::eftPad()
{
    runPad(EFTAmountEdit, PadEntry::Eft);
}

void Sales::couponPad()
{
    runPad(CouponAmountEdit, PadEntry::Coupon);
}

void Sales::tipPad()
{
    runPad(TipAmountEdit, PadEntry::Tip);
}

void Sales::assist(QLineEdit* field)
{
    double others = 0;
    for (QLineEdit* tender : {CashAmountEdit, CardAmountEdit, ChequeAmountEdit, CouponAmountEdit, EFTAmountEdit}) {
        if (tender != field)
            others += amountIn(tender);
    }
    // The rest of the amount due, and the tip on top of it.
    const double rest = amountIn(CurBalEdit) - (others - amountIn(TipAmountEdit));
    field->setText(Utility::numStr(rest, 2));
    amountTenderedChanged();
    field->setFocus();
}

void Sales::cardAssist()
{
    assist(CardAmountEdit);
}

void Sales::chequeAssist()
{
    assist(ChequeAmountEdit);
}

void Sales::eftAssist()
{
    assist(EFTAmountEdit);
}

void Sales::badDebtAssist()
{
    amountTenderedChanged();
}

void Sales::fastCash1()
{
    BankNotes::add(CashAmountEdit, 1);
}

void Sales::fastCash2()
{
    BankNotes::add(CashAmountEdit, 2);
}

void Sales::fastCash3()
{
    BankNotes::add(CashAmountEdit, 3);
}

void Sales::fastCash4()
{
    BankNotes::add(CashAmountEdit, 4);
}

void Sales::fastCash5()
{
    BankNotes::add(CashAmountEdit, 5);
}

void Sales::fastCash6()
{
    BankNotes::add(CashAmountEdit, 6);
}

void Sales::dressBankNotes()
{
    QPushButton* const notes[] = {bankNoteButton1, bankNoteButton2, bankNoteButton3,
                                  bankNoteButton4, bankNoteButton5, bankNoteButton6};
    for (int i = 0; i < 6; ++i)
        notes[i]->setVisible(BankNotes::dress(notes[i], i + 1));
}

void Sales::setUpReceiptTab()
{
    // The invoice number as wide as it needs; the amount takes the rest.
    PayListView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    PayListView->header()->setStretchLastSection(true);
    // Notes are drawn twice as wide as high; a coin sits in the middle.
    for (QPushButton* note : {bankNoteButton1, bankNoteButton2, bankNoteButton3, bankNoteButton4, bankNoteButton5,
                              bankNoteButton6}) {
        note->setIconSize(QSize(72, 36));
        note->setMinimumHeight(46);
    }
    dressBankNotes();
    // Receipt.PayRef holds 255 characters; more would be refused by one
    // server and cut short by another.
    PayRefEdit->setMaxLength(255);
}

void Sales::cashDrawer()
{
    utils->logAction(tr("Cash Draw Opened"), QString(), QString(), '0');
    utils->openDrawer();
}

void Sales::tabChanged(QWidget* page)
{
    SalesGui::tabChanged(page);
    if (page == tab_4)
        dressBankNotes(); // the preferences may have changed the notes
    else if (page == tab_5)
        historyPeriod(comboBox5->currentIndex());
}

bool Sales::isCashAccount(int account)
{
    return account == 1 || account == utils->getCashAccountNumber();
}

QString Sales::receiptWaiter() const
{
    // On the touch layout the waiters take the money; at the menus, the
    // operator does.
    return menuBar()->isHidden() ? utils->getWaiter() : utils->userName();
}
