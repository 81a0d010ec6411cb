#include "sales/padentry.h"

#include "core/moneyvalidator.h"
#include "sales/keypad.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PadEntry::PadEntry(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : PadEntryGui(parent, flags)
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("PadEntry"));
    setModal(modal);
    Keypad::colourKeys(clearButton, okButton);
    // The point key writes the separator that the money fields expect.
    dotButton->setText(QString(MoneyValidator::localeSeparators().decimal));
    Keypad::showImage(logoLable, QStringLiteral("tender.png"));
    applyMode();
    lineEdit1->setFocus();
}

void PadEntry::setMode(int mode)
{
    m_mode = mode;
    applyMode();
}

void PadEntry::applyMode()
{
    switch (m_mode) {
    case Cash:
        textLabel1->setText(tr("Cash Amount"));
        break;
    case Card:
        textLabel1->setText(tr("C/Card Amount"));
        break;
    case Cheque:
        textLabel1->setText(tr("Cheque Amount"));
        break;
    case Eft:
        textLabel1->setText(tr("Eft Amount"));
        break;
    case Coupon:
        textLabel1->setText(tr("Coupon Amount"));
        break;
    default:
        textLabel1->setText(tr("Tip Amount"));
        break;
    }
}

void PadEntry::languageChange()
{
    PadEntryGui::languageChange();
    dotButton->setText(QString(MoneyValidator::localeSeparators().decimal));
    applyMode();
}

QString PadEntry::getValue() const
{
    return lineEdit1->text();
}

void PadEntry::setValue(const QString& text)
{
    lineEdit1->setText(text);
}

void PadEntry::num0() { Keypad::press(lineEdit1, QStringLiteral("0")); }
void PadEntry::num1() { Keypad::press(lineEdit1, QStringLiteral("1")); }
void PadEntry::num2() { Keypad::press(lineEdit1, QStringLiteral("2")); }
void PadEntry::num3() { Keypad::press(lineEdit1, QStringLiteral("3")); }
void PadEntry::num4() { Keypad::press(lineEdit1, QStringLiteral("4")); }
void PadEntry::num5() { Keypad::press(lineEdit1, QStringLiteral("5")); }
void PadEntry::num6() { Keypad::press(lineEdit1, QStringLiteral("6")); }
void PadEntry::num7() { Keypad::press(lineEdit1, QStringLiteral("7")); }
void PadEntry::num8() { Keypad::press(lineEdit1, QStringLiteral("8")); }
void PadEntry::num9() { Keypad::press(lineEdit1, QStringLiteral("9")); }

void PadEntry::dot()
{
    const QChar point = MoneyValidator::localeSeparators().decimal;
    if (!lineEdit1->text().contains(point))
        Keypad::press(lineEdit1, QString(point));
    else
        lineEdit1->setFocus();
}

void PadEntry::clear()
{
    lineEdit1->clear();
    lineEdit1->setFocus();
}
