#pragma once

#include "forms/salesgui.h"

#include <QHash>
#include <QPixmap>
#include <array>
#include <functional>

class QCloseEvent;
class QLabel;
class QProcess;
class QTimer;

/**
 * The till: the program's main window. Its members live in files by concern
 * (construction and language here in sales.cpp, the session and the rights in
 * session.cpp and rights.cpp, window sizes in sizes.cpp, clearing in
 * clearing.cpp, help in help.cpp, administration in admin.cpp; the client
 * page in clientpage.cpp, finding and choosing an account in
 * clientsearch.cpp, merging and purging accounts in clientmerge.cpp and
 * clientpurge.cpp; the receipt tab's balance in receipttab.cpp).
 */
class Sales : public SalesGui
{
    Q_OBJECT

public:
    /** The operator's rights, in the order of their Personel columns. */
    enum Right {
        MailStatement,
        EmailRuns,
        Backup,
        CashUp,
        MonthEnd,
        ReceiveStock,
        PurgeClient,
        MergeClient,
        Inventory,
        Departments,
        Suppliers,
        Stock,
        Reports,
        AuditTrail,
        JornalTrail,
        ViewStatement,
        Discount,
        Preferences,
        TaxControl,
        PriceOveride,
        AllowUnValidated,
        ViewActions,
        CashOnlyLock,
        Refunds,
        CashDate,
        ModifyClient,
        ViewDocuments,
        StockPriceAdjust,
        StockPriceView,
        StickyCash,
        VoidReceipt,
        VoidInvoice,
        RightCount
    };

    explicit Sales(QWidget* parent = nullptr, const char* name = "sales");
    ~Sales() override;

    /** The Personel column of a right. */
    static QString rightColumn(Right right);
    /** Whether the operator holds @p right, as last read from Personel. */
    bool hasRight(Right right) const { return m_rights[right]; }

    /** How the program ends when the operator's session was taken away. */
    using ExitHook = std::function<void(int status)>;
    /** Replaces the exit (tests observe it); an empty hook restores it. */
    static void setExitHook(ExitHook hook);

    /** Applies a style by its stored name: "Default" is defStyle, "Polymer"
     *  is Fusion; an unknown name leaves the style as it is. */
    static void applyStyle(const QString& name);

    /** The banner's heading: the shop's first address line. Callers close
     *  it with "</h2>". */
    QString shopHeading() const;
    /** The program's name and version, as the pole display greets with. */
    static QString programName();
    static QString programVersion();

    /** The text of the status bar. */
    void setStatus(const QString& text);
    QString status() const;

    /** True while a client, table or the cash account is chosen for the sale. */
    bool clientSelected() const { return m_clientSelected; }
    /** The default discount the entry line returns to after each line. */
    QString defaultDiscount() const { return m_defaultDiscount; }
    /** The line type that a translated name of the type list stands for. */
    QString lineType(const QString& translated) const { return m_lineTypes.value(translated); }

    // The steps of logout around the login prompt.
    /** Saves the operator's sizes, returns to the default style and ends
     *  the session: translator cleared, "Logout" logged, Login row deleted. */
    void endSession();
    /** The window while nobody is logged in: caption, the shop's name and
     *  "Till Closed", the working parts hidden. */
    void showLoggedOut();
    /** The window after a login: caption, sizes, rights, language, a clear sale. */
    void startSession();

    /** Saves the window's geometry, splitter and column widths for @p user. */
    void saveSizes(const QString& user);

    /** The account number typed in AccEdit while the client page is in use,
     *  otherwise the current account; -1 when none. */
    int getAccountNumber() const;
    /** The old account kept between the two passes of a merge; -1 when none. */
    int mergeSource() const { return m_mergeFrom; }
    /** Whether an account name is a table's or a room's ("TABLE 3", "ROOM 12"). */
    static bool isTableName(const QString& name);

public slots:
    void logout() override;
    void clear() override;
    void F5clearAll() override;
    void F3() override;
    void F12() override;
    void setPending(bool on) override;
    void checkVendState() override;
    void applySizes() override;
    void doSizeChanges(int section, int oldSize, int newSize) override;
    void updateGuiControls(bool checkSession) override;
    void checkGuiPerms() override;
    void i18nInit() override;
    void helpContents() override;
    void helpAbout() override;
    void resetSequence() override;
    void languageChange() override;

    // Client accounts
    void newAccount() override;
    void updateAccount() override;
    void stickyClientSearch(bool sticky, bool touchName) override;
    void fillInDetails(QString account, bool touch) override;
    void clientDetails(int account) override;
    void clientSearch() override;
    void clientDetails() override;
    void clearClientGui() override;
    void mergeClient() override;
    void purgeClient() override;

    // The receipt tab's balance, as far as choosing an account needs it
    void refreshReceipt(int account) override;
    void refreshReceipt() override;
    void payInvChanged() override;
    void payInvChanged(int account) override;
    void amountTenderedChanged(const QString& text) override;
    void amountTenderedChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadIcons();
    void givePalettes();
    /** Menu bar by user and VendPage, full screen by setting. */
    void applyLayout();
    /** Reads the operator's flags; false when the row could not be read. */
    bool readRights();
    /** What each right switches; an empty entry is a right only consulted. */
    void buildRightTargets();
    void applyRights();
    /** Ends the program when the operator's Login row is gone or elsewhere;
     *  false when it did. */
    bool sessionStillOurs();
    /** Empties the sale and the parts of the window that belong to it. */
    void clearSaleParts();
    /** The banner of the administrator's till, closed for selling. */
    QString closedBanner() const;
    /** The sale tabs' captions while a sale is open or cleared. */
    void relabelSaleTabs();
    void updateTenderLabels();
    /** The operator's cash account (Personel.CashAcc); 1 when unknown. */
    int cashAccountNumber() const;
    void loadTranslation(const QString& language);
    QString installDir() const;
    QString shareDir() const;

    /** Validators and connections of the client page. */
    void initClientPage();
    /** Empties the page's fields, leaving its list of matches. */
    void clearClientForm();
    /** Loads an account into the client page and makes it the sale's
     *  account; false (after telling the operator) when there is none. */
    bool loadAccount(int account, bool touch);
    /** The banner of a chosen account: a table with its waiter, a client
     *  with the shop's name. */
    void showAccountBanner(int account, const QString& name);
    /** Runs the last client search again, quietly, to show what changed. */
    void refreshClientList();
    /** A name picked from the name entry's list: that account, exactly. */
    void pickName(const QString& name);
    /** Fills the page's list and the name entry's list from a search. */
    int listClients(const QString& sql);
    /** Forgets the sale's account after it was merged away or purged. */
    void dropAccount(int account);
    /** Empties the receipt tab: invoices to pay, amounts, balances. */
    void clearReceiptTab();

    std::array<bool, RightCount> m_rights{};
    std::array<std::function<void(bool)>, RightCount> m_rightTargets;
    QHash<QString, QString> m_lineTypes;
    QString m_defaultDiscount = QStringLiteral("0");
    bool m_clientSelected = false;
    bool m_saleTabsRelabelled = false;
    bool m_applyingSizes = false;
    int m_mergeFrom = -1;
    QString m_clientQuery;  ///< the last client search, run again to refresh the list
    QString m_accountName;  ///< the name of the account chosen for the sale
    QString m_topRowSearch; ///< the name entry's text that the lists show the matches of
    QLabel* m_statusLabel = nullptr;
    QTimer* m_permTimer = nullptr;
    QProcess* m_helpViewer = nullptr;
    QPixmap m_pendingPixmap;
    QPixmap m_noPendingPixmap;
};
