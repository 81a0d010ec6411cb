// The waiter who takes the order: a code typed in the waiter field, or on
// the keypad of the touch layout, names the waiter the order is written for.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "sales/numentry.h"

#include <QEvent>
#include <QLineEdit>
#include <QSqlQuery>

namespace {

/** Without a keyboard the waiter field is touched, not typed into: the
 *  touch opens the keypad. */
class WaiterFieldTouch : public QObject
{
public:
    WaiterFieldTouch(QObject* parent, Sales* till)
        : QObject(parent)
        , m_till(till)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonRelease || !m_till->touchLayout())
            return QObject::eventFilter(watched, event);
        m_till->guiWaiter();
        return true;
    }

private:
    Sales* m_till;
};

} // namespace

void Sales::setUpWaiterField()
{
    WaiterEdit->installEventFilter(new WaiterFieldTouch(WaiterEdit, this));
}

void Sales::guiWaiter()
{
    // The administrator's till is closed: nobody orders there.
    if (utils->adminLoggedIn())
        return;
    if (!touchLayout()) {
        // At the keyboard the code is typed into the waiter field once the
        // table is chosen.
        if (tableAccountChosen() && !utils->hasWaiter() && WaiterEdit->isEnabled())
            WaiterEdit->setFocus();
        return;
    }
    QString code;
    {
        NumEntry keypad(this, "NumEntry", true);
        keypad.setMode(NumEntry::WaiterCode);
        keypad.setWindowTitle(tr("Brevalon - Waiter"));
        if (ZkPrompt::exec(&keypad) != QDialog::Accepted)
            return;
        code = keypad.getValue();
    }
    WaiterEdit->setText(code);
    applyWaiterCode(code);
}

void Sales::waiterSelected()
{
    if (utils->adminLoggedIn()) {
        WaiterEdit->clear();
        return;
    }
    applyWaiterCode(WaiterEdit->text().trimmed());
}

bool Sales::applyWaiterCode(const QString& code)
{
    QString name;
    QString initials;
    if (!code.isEmpty()) {
        QSqlQuery q;
        if (!q.exec(QStringLiteral("SELECT Name,SP FROM Personel WHERE Code='%1'").arg(Utility::escapeSQL(code)))) {
            Utility::showDBError(q);
            return false;
        }
        if (q.next()) {
            name = q.value(0).toString();
            initials = q.value(1).toString();
        }
    }
    if (name.isEmpty()) {
        ZkPrompt::beep();
        WaiterEdit->clear();
        return false;
    }
    // Lines rung up for one waiter are not ordered in another's name: the
    // new waiter starts afresh, or the sale stays as it was.
    if (VendListView->topLevelItemCount() > 0 && utils->hasWaiter() && utils->getWaiter() != name) {
        if (!confirmClearSale()) {
            WaiterEdit->clear();
            return false;
        }
        resetTill();
        WaiterEdit->setText(code);
    }
    utils->setWaiter(name);
    // The lines that follow carry the waiter as their salesperson.
    SalesGuiPersonEdit->setText(initials);
    setStatus(tr("Waiter: %1").arg(name));
    showWaiterBanner();
    checkPriceTiers();
    if (m_clientSelected) {
        TabWidget2->setCurrentWidget(tab);
        ItemComboBox->setFocus();
    } else if (touchLayout()) {
        guiTable();
    } else {
        NameComboBox->setFocus();
    }
    return true;
}

void Sales::showWaiterBanner()
{
    if (!m_clientSelected) {
        BannerLabel->setText(QLatin1String("<center>") + tr("Please select table / client")
                             + QLatin1String("</center>"));
        return;
    }
    BannerLabel->setText(QLatin1String("<center>") + shopHeading()
                         + tr(" - Served by %1").arg(utils->getWaiter().toHtmlEscaped())
                         + QLatin1String("</h2></center>"));
}
