#pragma once

// A till for the sales window's tests: a fresh shop, the program's data
// under an install folder laid out as installed, a window whose later-part
// slots only count their calls, an exit that is recorded instead of taken,
// and a way to log an operator in without the keypad.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "sales/sales.h"
#include "tests/support/testshop.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <memory>

/** The window with the slots of later parts counting their calls instead. */
class ProbeSales : public Sales
{
public:
    QMap<QString, int> calls;
    QList<bool> stickyArguments;
    /** Off: client searches run for real (the client account tests). */
    bool probeClientSearch = true;
    /** Off: clearing asks for the next waiter for real (the restaurant tests). */
    bool probeWaiter = true;
    /** Off: previews and the receipt tab's refresh run for real (the
     *  tendering and document tests). */
    bool probeDocuments = true;
    /** Off: the QR payment asks the payment service for real. */
    bool probePayments = true;

    void previewInvoice() override
    {
        if (!probeDocuments) {
            Sales::previewInvoice();
            return;
        }
        ++calls[QStringLiteral("previewInvoice")];
    }
    void refreshReceipt() override
    {
        if (!probeDocuments) {
            Sales::refreshReceipt();
            return;
        }
        ++calls[QStringLiteral("refreshReceipt")];
    }
    void snapScanPayment() override
    {
        if (!probePayments) {
            Sales::snapScanPayment();
            return;
        }
        ++calls[QStringLiteral("snapScanPayment")];
    }
    void guiWaiter() override
    {
        if (probeWaiter)
            ++calls[QStringLiteral("guiWaiter")];
        else
            Sales::guiWaiter();
    }
    void stickyClientSearch(bool sticky, bool touchName) override
    {
        if (!probeClientSearch) {
            Sales::stickyClientSearch(sticky, touchName);
            return;
        }
        ++calls[QStringLiteral("stickyClientSearch")];
        stickyArguments << sticky;
    }
};

class Till
{
public:
    explicit Till(TestShop::Contents contents = TestShop::Demo)
        : shop(contents)
    {
        const QString install = shop.home() + QLatin1String("/opt/zendrik");
        QDir().mkpath(install);
        QFile::link(TestShop::installDir() + QLatin1String("/share"), install + QLatin1String("/share"));
        settings->writeEntry(QStringLiteral("/Global/InstallDir"), install);
        Sales::setExitHook([this](int status) { exits << status; });
        window = std::make_unique<ProbeSales>();
    }
    ~Till()
    {
        window.reset();
        Sales::setExitHook({});
    }

    QString installDir() const { return settings->readEntry(QStringLiteral("/Global/InstallDir")); }

    /** Logs @p user in as a successful keypad login leaves it: the Login
     *  row (not for Admin) and the user name; then the window starts. */
    void login(const QString& user)
    {
        if (user != QLatin1String("Admin"))
            TestShop::exec(QStringLiteral("INSERT INTO Login (Name, Host, Station) VALUES ('%1', '%2', '%3')")
                               .arg(user, utils->hostName(), utils->stationId()));
        utils->setUserName(user);
        window->startSession();
    }

    /** Gives @p user exactly the rights listed. */
    static void setRights(const QString& user, const QStringList& granted)
    {
        QStringList sets;
        for (int r = 0; r < Sales::RightCount; ++r) {
            const QString column = Sales::rightColumn(Sales::Right(r));
            sets << column + (granted.contains(column) ? QLatin1String("='Y'") : QLatin1String("='N'"));
        }
        TestShop::exec(QStringLiteral("UPDATE Personel SET ") + sets.join(QLatin1String(", "))
                       + QLatin1String(" WHERE Name='") + user + QLatin1Char('\''));
    }

    /** Adds a sale line as item entry would. */
    void addLine(const QString& quantity, const QString& description, const QString& amount)
    {
        new QTreeWidgetItem(window->VendListView, {quantity, description, QStringLiteral("0"), amount});
    }

    /** Expects prompts written "kind|caption|text|button" (kind I, W, C or Q; "B" is a beep: counted). */
    void expect(const QStringList& prompts)
    {
        const QMap<QString, ZkPrompt::Kind> kinds{{QStringLiteral("I"), ZkPrompt::Information},
                                                  {QStringLiteral("W"), ZkPrompt::Warning},
                                                  {QStringLiteral("C"), ZkPrompt::Critical},
                                                  {QStringLiteral("Q"), ZkPrompt::Question}};
        for (const QString& p : prompts) {
            if (p != QLatin1String("B"))
                shop.prompts().expect(kinds.value(p.section(QLatin1Char('|'), 0, 0)), nullIfEmpty(p.section(QLatin1Char('|'), 1, 1)),
                                      p.section(QLatin1Char('|'), 2, 2), p.section(QLatin1Char('|'), 3, 3).toInt());
        }
        m_beeps = shop.prompts().beeps() + int(prompts.count(QStringLiteral("B")));
    }
    /** True when the expected prompts came and, after expect(), the beeps counted to what it was told. */
    bool prompted()
    {
        const bool beeps = m_beeps < 0 || shop.prompts().beeps() == m_beeps;
        if (!shop.prompts().done() || !beeps)
            qWarning("prompts seen: %s; beeps %d of %d; missing: %s",
                     qPrintable(shop.prompts().seen().join(QLatin1String("; "))), shop.prompts().beeps(), m_beeps,
                     qPrintable(shop.prompts().pending()));
        m_beeps = -1;
        return shop.prompts().done() && beeps;
    }

    static QString nullIfEmpty(const QString& s) { return s.isEmpty() ? QString() : s; }

    TestShop shop;
    std::unique_ptr<ProbeSales> window;
    int m_beeps = -1;
    QList<int> exits;
};
