#include "sales/datedialog.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkclock.h"
#include "core/zkprompt.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

DateDialog::DateDialog(QWidget* parent, const char* name)
    : DateGui(parent)
    , m_date(ZkClock::today())
{
    Q_UNUSED(name)
    setObjectName(QStringLiteral("DateDialog"));
    setModal(true);
    dateEdit1->hide();
    updateGUI();
}

void DateDialog::setDate(const QDate& date)
{
    if (!date.isValid())
        return;
    m_date = date;
    updateGUI();
}

bool DateDialog::ask(QWidget* parent, const QString& title, bool day, QDate* date)
{
    DateDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.showDateEdit(day);
    if (ZkPrompt::exec(&dialog) != QDialog::Accepted)
        return false;
    *date = dialog.selectedDate();
    return true;
}

void DateDialog::showDateEdit(bool show)
{
    dateEdit1->setVisible(show);
}

void DateDialog::incYear()
{
    m_date = m_date.addYears(1);
    updateGUI();
}

void DateDialog::decYear()
{
    m_date = m_date.addYears(-1);
    updateGUI();
}

void DateDialog::monthSelect(int i)
{
    if (i < 0 || i > 11)
        return;
    m_date = QDate(m_date.year(), i + 1, 1);
    updateGUI();
}

void DateDialog::dateChanged(const QDate& date)
{
    setDate(date);
}

void DateDialog::updateGUI()
{
    DateLabel->setText(m_date.toString(QStringLiteral("yyyy-MM")));
    // The year buttons name the year they lead to.
    toolButton1->setText(QStringLiteral("\u00ab %1").arg(m_date.year() - 1));
    toolButton2->setText(QStringLiteral("%1 \u00bb").arg(m_date.year() + 1));
    for (int i = 0; i < 12; ++i) {
        const bool held = i + 1 == m_date.month();
        monthButton[i]->setPalette(held && utils ? utils->buttonPalette(3) : QApplication::palette());
    }
    // The field follows the buttons without reporting back.
    const QSignalBlocker quiet(dateEdit1);
    dateEdit1->setDate(m_date);
}

void DateDialog::languageChange()
{
    DateGui::languageChange();
    updateGUI();
}
