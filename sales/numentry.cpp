#include "sales/numentry.h"

#include "sales/keypad.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NumEntry::NumEntry(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : NumEntryGui(parent, flags)
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("NumEntry"));
    setModal(modal);
    Keypad::colourKeys(clearButton, okButton);
    applyMode();
    lineEdit1->setFocus();
}

void NumEntry::setMode(int mode)
{
    m_mode = mode;
    applyMode();
}

void NumEntry::applyMode()
{
    switch (m_mode) {
    case WaiterCode:
        textLabel1->setText(tr("Waiter Code"));
        Keypad::showImage(logoLable, QStringLiteral("waiter.png"));
        break;
    case TableNumber:
        textLabel1->setText(tr("Table No."));
        Keypad::showImage(logoLable, QStringLiteral("table.png"));
        break;
    case Parts:
        textLabel1->setText(tr("Parts"));
        Keypad::showImage(logoLable, QStringLiteral("invoice.png"));
        break;
    default:
        textLabel1->setText(tr("Invoice No."));
        Keypad::showImage(logoLable, QStringLiteral("invoice.png"));
        break;
    }
    // A code typed at the till is seen by whoever stands near it.
    lineEdit1->setEchoMode(m_mode == WaiterCode ? QLineEdit::Password : QLineEdit::Normal);
}

void NumEntry::languageChange()
{
    NumEntryGui::languageChange();
    applyMode();
}

QString NumEntry::getValue() const
{
    return lineEdit1->text();
}

void NumEntry::setValue(const QString& text)
{
    lineEdit1->setText(text);
}

void NumEntry::num0() { Keypad::press(lineEdit1, QStringLiteral("0")); }
void NumEntry::num1() { Keypad::press(lineEdit1, QStringLiteral("1")); }
void NumEntry::num2() { Keypad::press(lineEdit1, QStringLiteral("2")); }
void NumEntry::num3() { Keypad::press(lineEdit1, QStringLiteral("3")); }
void NumEntry::num4() { Keypad::press(lineEdit1, QStringLiteral("4")); }
void NumEntry::num5() { Keypad::press(lineEdit1, QStringLiteral("5")); }
void NumEntry::num6() { Keypad::press(lineEdit1, QStringLiteral("6")); }
void NumEntry::num7() { Keypad::press(lineEdit1, QStringLiteral("7")); }
void NumEntry::num8() { Keypad::press(lineEdit1, QStringLiteral("8")); }
void NumEntry::num9() { Keypad::press(lineEdit1, QStringLiteral("9")); }

void NumEntry::clear()
{
    lineEdit1->clear();
    lineEdit1->setFocus();
}
