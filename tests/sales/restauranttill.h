#pragma once

// A restaurant till: a waiter's station on the touch layout or at the
// keyboard, the real table chooser, waiter keypad and client search, and
// the slots of the documents part counted with the account they were
// called for. Helpers open orders and print bills the way the counter
// leaves them in the database.

#include "tests/sales/till.h"

#include "core/zkprompt.h"
#include "sales/numentry.h"
#include "sales/tableentry.h"
#include "tests/support/actionrows.h"
#include "tests/support/keypadinput.h"
#include "tests/support/salerows.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

/** The window with the documents part's slots recorded instead, unless
 *  probeDocuments is off. */
class RestaurantSales : public ProbeSales
{
public:
    /** "slot@account" for every documents slot called, in order. */
    QStringList documentCalls;

    void historyPeriod(int period) override
    {
        if (!probeDocuments)
            Sales::historyPeriod(period);
        else
            record(QStringLiteral("historyPeriod(%1)").arg(period));
    }
    void findInvoice() override
    {
        if (!probeDocuments)
            Sales::findInvoice();
        else
            record(QStringLiteral("findInvoice"));
    }
    /** Takes the account's open order into the sale as one line, as the
     *  documents part does with all of them. */
    void editInvoice() override
    {
        if (!probeDocuments) {
            Sales::editInvoice();
            return;
        }
        record(QStringLiteral("editInvoice"));
        new QTreeWidgetItem(VendListView, {QStringLiteral("1"), QStringLiteral("ORDER OF %1").arg(utils->getAccountNumber()),
                                           QStringLiteral("0"), QStringLiteral("10.00")});
    }

private:
    void record(const QString& slot)
    {
        documentCalls << slot + QLatin1Char('@') + QString::number(utils->getAccountNumber());
    }
};

class RestaurantTill : public Till
{
public:
    enum Start { LoggedIn, LoginLater };

    /** @p user logs in on the touch layout (@p touch) or at the keyboard;
     *  with LoginLater the test logs in (start) once it has scripted the
     *  waiter's keypad that follows. */
    explicit RestaurantTill(const QString& user = QStringLiteral("MARY"), bool touch = true, Start start = LoggedIn)
        : m_user(user)
    {
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        settings->writeEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), user), touch);
        // Bills reach the scripted document window; dockets are left out.
        settings->writeEntry(QStringLiteral("/InvoicePrinter/Preview"), QStringLiteral("ON"));
        settings->writeEntry(QStringLiteral("/LabelPrinter/Mode"), QStringLiteral("off"));
        settings->writeEntry(QStringLiteral("/KitchenPrinter/Mode"), QStringLiteral("off"));
        utils->initClass(true);
        window = std::make_unique<RestaurantSales>();
        window->probeClientSearch = false;
        window->findChild<QTimer*>(QStringLiteral("PermissionTimer"))->stop();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the till's window did not become active");
        if (start == LoginLater)
            return;
        // The login itself is not what these tests are about: the waiter
        // is asked for by the test.
        login(user);
        window->probeWaiter = false;
    }

    /** Logs the user in as the keypad would; the waiter is asked for. */
    void start()
    {
        window->probeWaiter = false;
        login(m_user);
    }

    RestaurantSales& w() { return static_cast<RestaurantSales&>(*window); }
    ScriptedPrompts& prompts() { return shop.prompts(); }
    QWidget* focus() const { return QApplication::focusWidget(); }

    /** Chooses the account of @p name as a pick from the name entry's
     *  list does; true when it became the sale's account. */
    bool choose(const QString& name)
    {
        w().NameComboBox->setEditText(name);
        w().stickyClientSearch(false, true);
        return w().NameComboBox->currentText() == name && utils->getAccountNumber() > 0;
    }

    /** Demo accounts: TABLE n is account n + 1. */
    static int table(int n) { return n + 1; }

    /** An open order of @p waiter on a table: its pending invoice. */
    static int order(int account, const QString& waiter, const QStringList& codes = {QStringLiteral("3001")})
    {
        QList<SaleLine> lines;
        for (const QString& code : codes)
            lines << SaleRows::item(code);
        return SaleRows::invoice(account, lines, waiter);
    }

    /** Prints an open order as the bill: the document window accepts it. */
    void printBill(int invoice)
    {
        prompts().expectExec(QStringLiteral("DocPrint"), [](QDialog*) { return 1; });
        const int account = utils->getAccountNumber();
        const QString waiter = utils->hasWaiter() ? utils->getWaiter() : QString();
        if (!utils->processInvoice(invoice, false))
            QTest::qFail("the bill was not posted", __FILE__, __LINE__);
        utils->setDetails(account);
        utils->setWaiter(waiter);
    }

    /** Whether the sale's account is the table of @p n. */
    static bool atTable(int n) { return utils->getAccountNumber() == table(n); }

    /** The tables a chooser shows. */
    static QStringList shown(const TableEntry* chooser)
    {
        QStringList names;
        for (int i = 0; i < chooser->iconView1->count(); ++i)
            names << chooser->iconView1->item(i)->data(Qt::UserRole).toString();
        return names;
    }

    /** A chooser run that presses @p list ("", "new" or "pay") and then
     *  picks @p name the way a finger does; @p seen gets a look at the
     *  chooser and the till while it is up. */
    static std::function<int(QDialog*)> pick(const QString& list, const QString& name,
                                             std::function<void(TableEntry*)> seen = {})
    {
        return [=](QDialog* d) {
            auto* chooser = static_cast<TableEntry*>(d);
            if (list == QLatin1String("new"))
                chooser->pushButton1->click();
            else if (list == QLatin1String("pay"))
                chooser->pushButton3->click();
            if (seen)
                seen(chooser);
            chooser->show();
            for (int i = 0; i < chooser->iconView1->count(); ++i) {
                QListWidgetItem* item = chooser->iconView1->item(i);
                if (item->data(Qt::UserRole).toString() == name) {
                    QTest::mouseClick(chooser->iconView1->viewport(), Qt::LeftButton, {},
                                      chooser->iconView1->visualItemRect(item).center());
                    chooser->hide();
                    return chooser->result();
                }
            }
            QTest::qFail(qPrintable(QStringLiteral("%1 is not offered").arg(name)), __FILE__, __LINE__);
            return int(QDialog::Rejected);
        };
    }

    /** A chooser run ended with one of its buttons ("cancel", "invoice"). */
    static std::function<int(QDialog*)> press(const QString& button, std::function<void(TableEntry*)> seen = {})
    {
        return [=](QDialog* d) {
            auto* chooser = static_cast<TableEntry*>(d);
            if (seen)
                seen(chooser);
            (button == QLatin1String("invoice") ? chooser->pushButton4 : chooser->pushButton2)->click();
            return chooser->result();
        };
    }

    /** "ACTION|INFO" of the log rows, logins left out. */
    static QStringList actions() { return actionLines(); }

    /** The user logged in at this till. */
    QString user() const { return m_user; }

    /** Fails the test with what is still expected. */
    void allPromptsCame()
    {
        if (!prompts().done())
            QTest::qFail(qPrintable(QStringLiteral("prompts that never came: ") + prompts().pending()), __FILE__,
                         __LINE__);
    }

private:
    QString m_user;
};
