// Choosing the table an order is for: the table chooser and what each of
// its endings leads to, and F1 on the touch layout.

#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "sales/tableentry.h"

#include <QLineEdit>
#include <QListWidget>

bool Sales::touchLayout() const
{
    return !utils->adminLoggedIn() && !utils->loggedOut()
        && settings->readBoolEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), utils->userName()));
}

void Sales::F1()
{
    // Without a keyboard the name entry is of no use: a table is chosen.
    if (touchLayout())
        guiTable();
    else
        SalesGui::F1();
}

int Sales::runTableChooser(QString* table, int* bill)
{
    // On the touch layout the chooser has no title bar to catch a finger.
    const Qt::WindowFlags flags = touchLayout() ? Qt::Dialog | Qt::FramelessWindowHint : Qt::WindowFlags();
    TableEntry chooser(this, "TableEntry", true, flags);
    chooser.setWindowTitle(tr("Brevalon - Tables"));
    if (flags.testFlag(Qt::FramelessWindowHint))
        chooser.move(mapToGlobal(rect().center()) - chooser.rect().center());
    // A waiter with no open table wants a free one.
    if (chooser.iconView1->count() == 0)
        chooser.newTable();
    const int result = ZkPrompt::exec(&chooser);
    *table = chooser.getValue();
    if (bill)
        *bill = chooser.getInvoice();
    return result;
}

bool Sales::selectTable(const QString& name)
{
    NameComboBox->setEditText(name);
    NameComboBox->setFocus();
    stickyClientSearch(true, true);
    return m_clientSelected && utils->getAccountNumber() > 0
        && m_accountName.compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

void Sales::guiTable()
{
    for (;;) {
        QString table;
        int bill = 0;
        const int result = runTableChooser(&table, &bill);
        if (result == TableEntry::PayByInvoice) {
            findInvoice();
            return;
        }
        if (result != QDialog::Accepted && result != TableEntry::PayTable) {
            // Lines rung up are not thrown away by a slip of the finger.
            if (!confirmClearSale())
                return;
            F5clearAll();
            return;
        }
        if (!selectTable(table)) {
            ZkPrompt::beep();
            continue;
        }
        historyPeriod(comboBox5->currentIndex());
        if (result == TableEntry::PayTable) {
            TabWidget2->setCurrentWidget(tab_4);
            // One bill of a split table is paid alone.
            if (bill > 0)
                choosePayment(bill);
            CashAmountEdit->setFocus();
            CashAmountEdit->selectAll();
        } else {
            TabWidget2->setCurrentWidget(tab);
            ItemComboBox->setFocus();
        }
        return;
    }
}
