#pragma once

#include "forms/salesgui.h"

#include <QHash>
#include <QPixmap>
#include <array>
#include <chrono>
#include <functional>

class QCloseEvent;
class QDeadlineTimer;
class QLabel;
class QProcess;
class QTcpSocket;
class QTimer;
class QTranslator;
class Reporter;
struct SemperEntry;

/**
 * The till: the program's main window. Its members live in files by concern
 * (construction and language here in sales.cpp, the session and the rights in
 * session.cpp and rights.cpp, window sizes in sizes.cpp, clearing in
 * clearing.cpp, help in help.cpp, administration in admin.cpp). Item entry:
 * the entry line in itementry.cpp and the queries behind it in
 * itemlookup.cpp, adding lines in saleline.cpp, taking them out in
 * saleremove.cpp, totals and the pending bill in saletotals.cpp,
 * compositions in compositions.cpp, price tiers in pricetiers.cpp, the touch
 * page in touchbuttons.cpp, serial numbers in serialsearch.cpp. Clients: the
 * client page in clientpage.cpp, finding and choosing an account in
 * clientsearch.cpp, merging and purging accounts in clientmerge.cpp and
 * clientpurge.cpp; the receipt tab's balance in receipttab.cpp.
 * Tendering: the amount fields, keypads, assists, bank notes and the drawer
 * in tendering.cpp (the note pictures in banknotes.cpp), posting a payment in
 * receiptposting.cpp. Documents: writing the sale as an invoice, quote,
 * refund or order in invoicing.cpp, the account's pending bill (preview,
 * edit) in pendingbill.cpp, past documents (view again, void, pull a quote,
 * find an invoice) in pastdocuments.cpp, the Documents tab's lists in
 * documentstab.cpp. The restaurant: choosing a table in restaurant.cpp, the
 * waiter in waiters.cpp, moving an order to another table in transfer.cpp,
 * changing a printed bill in editbill.cpp. The reports of the Reports
 * menu live in reports/ (the open orders in pendingorders.cpp) and are shown
 * in the one Reporter the window owns. External payments: the QR payment in
 * snapscanpayment.cpp, the link to the hotel system in semperlink.cpp,
 * charging a room in roomcharge.cpp.
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

    /** The columns of a sale line in VendListView; posting and the bills
     *  read the lines by these. */
    enum SaleColumn {
        ColQuantity,
        ColDescription,
        ColDiscount,
        ColAmount,
        ColCategory,
        ColCode,
        ColUnit,
        ColDate,
        ColTax1,
        ColTax2,
        ColSerial,
        ColSalesPerson,
        ColDepartment,
        ColCost,
        ColReturnable,
        ColDtr,
        ColPrinted,
        SaleColumnCount
    };

    /** The touch places: ids 5 to 20 of buttonGroup1. */
    static constexpr int kFirstPlace = 5;
    static constexpr int kPlaceCount = 16;

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
    /** Chooses the line type ("Inventory", "Remarks", "Pvt. Notes") in the
     *  type list, whatever its translated name. */
    void chooseLineType(const QString& type);

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
    /** @p total in TotalLCD, in a smaller type when it would not fit. */
    void showTotal(double total);

    // The item being entered.
    /** True while an inventory row is loaded for the entry line. */
    bool itemValidated() const { return m_item.validated; }
    /** True while the entry line lists compositions to choose from. */
    bool compositionPending() const { return m_compositionPending; }
    /** The item codes parallel to the entries of ItemComboBox. */
    QStringList itemCodes() const { return m_itemCodes; }

    // The touch page.
    /** The department whose items the places show; empty at top level. */
    QString touchDepartment() const { return m_touchDepartment; }
    /** The first entry of the department shown on the places. */
    int touchOffset() const { return m_touchOffset; }
    /** True while the places are the quantity keypad. */
    bool touchKeypadOn() const { return m_keypadOn; }
    /** The code (item, "<n>.CMP" composition, or department) of a place. */
    QString placeCode(int id) const { return m_placeCodes.value(id - kFirstPlace); }
    /** The account number typed in AccEdit while the client page is in use,
     *  otherwise the current account; -1 when none. */
    int getAccountNumber() const;
    /** The old account kept between the two passes of a merge; -1 when none. */
    int mergeSource() const { return m_mergeFrom; }
    /** Whether an account name is a table's or a room's ("TABLE 3", "ROOM 12"). */
    static bool isTableName(const QString& name);

    // The restaurant.
    /** True when the operator works on the touch layout (the user's
     *  VendPage setting; never the administrator). */
    bool touchLayout() const;
    /** The table an order is being moved from; -1 when no transfer is on. */
    int transferSource() const { return m_transferFrom; }

    /** The report viewer that every report of the menu is shown in. */
    Reporter* reporter() const { return m_reporter; }

public slots:
    void logout() override;
    void clear() override;
    void F5clearAll() override;
    void F3() override;
    void F12() override;
    void setPending(bool on) override;
    void checkVendState() override;
    void applySizes() override;
    /** Keeps the window on its screen: the sale page's buttons narrow when
     *  their row is wider than the screen, and a place or size remembered
     *  from a bigger screen is brought inside. */
    void fitScreen();
    void doSizeChanges(int section, int oldSize, int newSize) override;
    void updateGuiControls(bool checkSession) override;
    void checkGuiPerms() override;
    void i18nInit() override;
    void helpContents() override;
    void helpAbout() override;
    void resetSequence() override;
    void languageChange() override;

    // Back office (maintenance/)
    /** Writes the whole database to a .zbk file and hands it to the
     *  backup-media command. */
    void backup() override;
    /** Runs the preferences and users dialog. */
    void preferences() override;
    // The back office (backoffice.cpp)
    void editInventory() override;
    void manageDepartments() override;
    void manageCompositions() override;
    void manageSuppliers() override;
    void receiveStock() override;
    // Statements, renewals, trails and stock orders (accounts/)
    void mailStatements() override;
    void emailRun() override;
    void renewals() override;
    void viewStatement() override;
    void journalTrail() override;
    void auditTrail() override;
    void stockTraceAudit() override;
    void manageStockOrders() override;

    // Item entry and the current sale
    void itemReturnPressed() override;
    void itemSelected(const QString& text) override;
    void vendItemChanged(const QString& text) override;
    void vendAddItem() override;
    void vendRemoveItem() override;
    void removeIntoEditor() override;
    void addEditorContents() override;
    bool addComposition(QString name) override;
    void categoryChanged(int index) override;
    void checkPriceTiers() override;
    void vendPriceTierChanged(int tier) override;
    void touchButton(int id) override;
    void itemCleanup(const QString& text) override;
    void F6DeleteItem() override;
    void serialSearch() override;
    double checkPending(double* tax1, double* tax2) override;
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

    // Tables, waiters and bills
    void F1() override;
    void guiTable() override;
    void guiWaiter() override;
    void waiterSelected() override;
    void transferTable() override;
    void editBill() override;
    /** Splits the table's bill between its guests, by items or evenly;
     *  each bill is then paid on its own. */
    virtual void splitBill();

    // Reports (reports/): the open orders; the six-month reports; the
    // day's sales, commission and voids; the action log; the client
    // reports; returnables; stock levels and the price list
    void pendingOrders() override;
    void merchandiseReport() override;
    /** Six months of the lines of @p category, one row per entry of the
     *  table named like it: quantities when @p quantities, else the number
     *  of lines. */
    void vendReport(const QString& category, bool quantities);
    void SpPerformanceReport() override;
    void newClientsReport() override;
    void dailySalesReport() override;
    void commissionReport() override;
    void voidsReport() override;
    void actionReport() override;
    void clientDebtReport() override;
    void outstandingInvoices() override;
    void allClientsReport() override;
    void clientPurchasesReport() override;
    void clientExpenditureReport() override;
    void returnablesReport() override;
    void editReturns() override;
    void stockLevelReport() override;
    void priceList() override;
    /** The kitchen screens' preparation times over the days asked for. */
    void preparationTimesReport() override;

    // The receipt tab's balance, as far as choosing an account needs it
    void refreshReceipt(int account) override;
    void refreshReceipt() override;
    void payInvChanged() override;
    void payInvChanged(int account) override;
    void amountTenderedChanged(const QString& text) override;
    void amountTenderedChanged() override;

    // Tendering
    void cashPad() override;
    void cardPad() override;
    void chequePad() override;
    void eftPad() override;
    void couponPad() override;
    void tipPad() override;
    void cardAssist() override;
    void chequeAssist() override;
    void eftAssist() override;
    void badDebtAssist() override;
    void fastCash1() override;
    void fastCash2() override;
    void fastCash3() override;
    void fastCash4() override;
    void fastCash5() override;
    void fastCash6() override;
    void processReceipt() override;
    void cashDrawer() override;

    // Invoices, quotes, refunds and orders
    void processInvoice() override;
    void orderInvoice() override;
    void orderInvoice(bool clearAfter) override;
    void quoteInvoice() override;
    void refundInvoice() override;
    void doInvoice(bool unused) override;
    void previewInvoice() override;
    void editInvoice() override;
    void pullQuote() override;
    void find() override;
    void findInvoice() override;
    void invoiceSearch() override;
    void showPastInvoice() override;
    void showPastRefund() override;
    void showPastReceipt() override;
    void showPastQuote() override;
    void voidInvoice() override;
    void voidReceipt() override;
    /** Prints the dockets of the selected invoice (or the account's open
     *  order) again, every line, marked as a reprint. */
    void reprintDocket() override;
    void clearInvoice() override;
    void clearInvoiceGui() override;
    void historyPeriod(int period) override;
    void tabChanged(QWidget* page) override;

    // External payments: the QR payment (snapscanpayment.cpp), the link to
    // the hotel system (semperlink.cpp) and room charges (roomcharge.cpp)
    void snapScanPayment() override;
    void semperComms() override;
    void socketConnected() override;
    void socketReadyRead() override;
    void socketConnectionClosed() override;
    void socketClosed() override;
    void closeConnection() override;
    void socketError(int error) override;

    // End of day (endofday/salesmenu.cpp)
    void cashUp() override;
    void waiterCashUp() override;
    void cashDate() override;
    void monthEnd() override;
    void analysis() override;

public:
    /** The number a receipt whose print was cancelled (and so was taken off
     *  again) keeps for the next attempt; 0 when none. */
    int keptReceiptNumber() const { return m_keptReceipt; }
    /** The number of the bill taken back into the sale by editInvoice, which
     *  the next invoice header written takes again; 0 when none. */
    int keptInvoiceNumber() const { return m_keptInvoice; }
    /** The account's pending invoice: 0 when it has none, -1 after a failed
     *  statement (shown). */
    static int pendingInvoice(int account);

    /** The text the next semperComms sends to the hotel system. */
    void setSemperRequest(const QString& request) { m_semperRequest = request; }
    /** What the hotel system answered; "ERROR" after a failed conversation
     *  until its message was shown. */
    QString semperReply() const { return m_semperReply; }
    /** How long one conversation with the hotel system may take, from the
     *  connection to the hotel system's close: 15 seconds unless a test
     *  shortens it. */
    static std::chrono::milliseconds semperWait();
    static void setSemperWait(std::chrono::milliseconds limit);

protected:
    void closeEvent(QCloseEvent* event) override;
    /** Redraws the touch places when their size changes. */
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /** Whether the operator may open a back-office dialog under @p right
     *  (read afresh); logs the opening as @p action. */
    bool openBackOffice(Right right, const QString& action);
    /** The sale page's buttons in a smaller type while they are wider
     *  than @p roomWidth allows. */
    void narrowSaleButtons(int roomWidth);
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
    /** Loads the program's texts in @p language ("English": none) and the
     *  toolkit's own texts (the buttons of input and file dialogs) in the
     *  same language where Qt's translations are installed. */
    void loadTranslation(const QString& language);
    QString installDir() const;
    QString shareDir() const;

    // Item entry (itementry.cpp, itemlookup.cpp)
    /** The entry's validators and the tiers, once at construction. */
    void setUpItemEntry();
    /** The table that the current line type searches ("Inventory"). */
    QString entryTable() const;
    /** Fills the entry list with @p descriptions and the parallel codes;
     *  @p current becomes the entry shown. */
    void fillItemList(const QStringList& descriptions, const QStringList& codes, int current = 0);
    /** Loads the inventory row of the current list entry; false when none. */
    bool loadCurrentItem();
    /** The entry names nothing: beep, and a warning for a plain number. */
    void itemNotFound(const QString& entry);
    /** Whether an exact hit adds at once or waits for the quantity. */
    bool askQuantity() const;
    /** A validated item: the quantity field waits for it, or the line is added. */
    void takeValidatedItem();
    /** The tax boxes carry the shop's names of its two taxes. */
    void nameTaxBoxes();
    /** Focuses a field with its text selected. */
    static void focusSelected(QLineEdit* field);

    // Lines of the sale (saleline.cpp, saleremove.cpp)
    /** The entry back to empty after a line went in. */
    void resetEntry();
    /** Shows a line to the customer: the pole display and the echo label. */
    void echoLine(const QString& quantity, const QString& description, const QString& amount);
    /** The label above the list and the display show the program's banner. */
    void echoBanner();
    /** After the line at @p index went: the line above it is shown, the
     *  total recomputed. */
    void lineRemoved(int index);
    /** A new row after the selected one (or at the end), selected and shown. */
    QTreeWidgetItem* newSaleRow();

    // Totals (saletotals.cpp)
    /** TotalLCD recomputed from the pending bill and the lines. */
    void updateTotal();
    /** The banner after checkPending: who serves the open bill, or the
     *  call for a waiter. */
    void showServedBy(int invoice);
    /** True when the chosen account is a table or a room. */
    bool tableAccountChosen() const;

    // Touch page (touchbuttons.cpp)
    /** The places share the grid evenly, whatever they show. */
    void setUpTouchPage();
    /** Shows again what the places show, at their present size. */
    void refreshPlaces();
    void touchTopLevel();
    void showDepartments();
    void showDepartmentItems();
    void showKeypad(bool on);
    void keypadPress(int id);
    void pressPlace(int id);
    /** Puts a picture or label on place @p index (0..15); empty clears it. */
    void setPlace(int index, const QString& code, const QString& label, const QByteArray& image);
    void captionTouchTab();

    struct ItemState
    {
        QString code;
        QString unit;
        QString department;
        QString dtr;
        double cost = 0;
        bool returnable = false;
        int printed = 0;
        bool validated = false;
        bool priceFromBarcode = false;
        bool quantityFromBarcode = false;
    };
    ItemState m_item;
    QStringList m_itemCodes;
    bool m_compositionPending = false;
    /** False when the last checkPending could not read the bill. */
    bool m_pendingRead = true;
    /** A touch press adds its item at once, whatever QtyCheck says. */
    bool m_touchPress = false;
    QString m_touchDepartment;
    int m_touchOffset = 0;
    bool m_keypadOn = false;
    QStringList m_placeCodes;
    /** Validators and connections of the client page. */
    void initClientPage();
    /** Empties the page's fields, leaving its list of matches. */
    void clearClientForm();
    /** Loads an account into the client page and, with @p forSale, makes
     *  it the sale's account; false (after telling the operator) when there
     *  is none. */
    bool loadAccount(int account, bool touch, bool forSale = true);
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

    // Tendering (tendering.cpp, receiptposting.cpp)
    /** The six amount fields in the order of the receipt's columns and the tip. */
    QList<QLineEdit*> tenderFields() const;
    /** Runs the decimal keypad on an amount field. */
    void runPad(QLineEdit* field, int mode);
    /** Puts into @p field what the other tenders leave of the amount due. */
    void assist(QLineEdit* field);
    /** The bank-note buttons show the notes' pictures; those without one hide. */
    void dressBankNotes();
    /** The receipt tab's lists and buttons, once at construction. */
    void setUpReceiptTab();
    /** Whether an account is a cash account: 1 or the operator's own. */
    static bool isCashAccount(int account);
    /** The sale's waiter as a receipt records it: the waiter on the touch
     *  layout, the operator where the menus are. */
    QString receiptWaiter() const;
    /** Inside the receipt's unit: marks the invoices the receipt paid.
     *  @p everyOne tells whether it paid every invoice listed; @p paidElsewhere
     *  gets an invoice another till paid meanwhile (0 when none), which fails
     *  the unit. False after a failed statement. */
    bool markInvoicesPaid(int receipt, double outstanding, bool* everyOne, int* paidElsewhere);
    /** Chooses invoice @p number alone on the receipt tab: the amount due is
     *  its amount. */
    void choosePayment(int number);
    /** The bill the split is for: the one chosen on the receipt tab, else
     *  the table's open order, else its one unpaid bill; 0 when none is
     *  plain (the operator was told), -1 after a failed statement. */
    int billToSplit(int account);
    /** What the customer owes on an account at this till: its balance; at a
     *  cash account less the unpaid bills other tills made there. */
    double amountOwed(int account) const;

    // Documents (invoicing.cpp, pendingbill.cpp, pastdocuments.cpp, documentstab.cpp)
    /** The name of the sale's account, in upper case. */
    QString accountName() const;
    /** True when the sale is for a table or room and nobody serves it. */
    bool waiterMissing() const;
    /** True when the sale has lines; otherwise tells the operator so. */
    bool saleHasLines();
    /** True when the sale's account has no open order; otherwise tells the
     *  operator so under @p caption. */
    bool accountHasNoOrder(const QString& caption);
    /** Turns every line of the sale negative (or positive): quantity,
     *  amount and cost. */
    void setLineSigns(bool negative);
    /** Inside the sale's unit: writes the invoice header; its number, or -1. */
    int writeInvoiceHeader(int account);
    /** Inside the sale's unit: writes the sale's lines to an invoice, their
     *  returnable rows and their stock; false after a failed statement. The
     *  lines stay in the sale until the unit is in. */
    bool writeInvoiceLines(int invoice);
    /** The sale's unit: the lines join the account's pending invoice (or a
     *  new one) and it is posted in the document mode. Its number, or -1
     *  after a failure (shown) or with @p nothingToDo set when there was
     *  neither a line nor a pending invoice. */
    int writeSale(int account, bool* nothingToDo);
    /** Posts the sale (doInvoice) and prints it; with @p orderedFirst the
     *  lines' dockets print before the bill (Print Bill with lines). */
    void postSale(bool orderedFirst);
    /** The cash account chosen for a sale that had none. */
    void fallBackToCash();
    /** The number in the selected row of a Documents list; 0 (after a beep)
     *  when none is selected. */
    int selectedDocument(QTreeWidget* list);
    /** Shows a past document of @p list again in document mode @p mode. */
    void showPastDocument(QTreeWidget* list, int mode, const QString& logText);
    /** The Documents lists again, for today. */
    void documentsForToday();
    /** Adds the lines of quote @p quote to the sale at today's prices;
     *  false when it had none. */
    bool enterQuoteLines(int quote);

    // External payments (semperlink.cpp, roomcharge.cpp)
    QTcpSocket* semperSocket();
    /** Processes events until the hotel link is idle; false when
     *  @p deadline passed first. */
    bool waitSemperIdle(const QDeadlineTimer& deadline);
    /** With the hotel link on and an "On Acc" amount, asks the hotel system
     *  for its guests and accounts and the cashier for the room; @p room is
     *  left empty for a sale settled at the till. False (the amount taken
     *  off) when the cashier chose nothing. */
    bool chooseRoom(double onAccount, SemperEntry* room);
    /** Sends the charge of a posted receipt to the room chosen; a failure is
     *  shown and logged, the receipt stays. */
    void chargeRoom(const SemperEntry& room, int receipt, double amount);
    QTcpSocket* m_semperSocket = nullptr;
    QString m_semperRequest;
    QString m_semperReply;
    bool m_semperClosing = false;
    bool m_semperFailed = false;

    int m_keptReceipt = 0;
    int m_keptInvoice = 0;
    /** The sale holds lines taken out of an open order (Edit, a transfer). */
    bool m_linesTakenBack = false;
    /** The tip that an overpayment without cash put in the tip field. */
    QString m_autoTip;

    // Clearing (clearing.cpp)
    /** Asks before lines of the sale are thrown away; true when there are
     *  none or the operator agrees. */
    bool confirmClearSale();
    /** The till back to the next customer, without asking and without
     *  asking for the next waiter. */
    void resetTill();
    /** Asks for the waiter of the next order (never the administrator). */
    void askNextWaiter();

    // The restaurant (restaurant.cpp, waiters.cpp, transfer.cpp, editbill.cpp)
    /** A touch on the waiter field opens the keypad on the touch layout. */
    void setUpWaiterField();
    /** Runs the table chooser; @p table gets the name chosen, @p bill the
     *  bill of a split chosen to pay (else 0). Returns the chooser's result. */
    int runTableChooser(QString* table, int* bill = nullptr);
    /** Makes the table of @p name the sale's account, as if picked from the
     *  name entry's list; false when no account resulted. */
    bool selectTable(const QString& name);
    /** Looks a waiter's code up and makes the waiter the sale's; false
     *  (after a beep) for an unknown code or when the operator kept the
     *  sale of the waiter before. */
    bool applyWaiterCode(const QString& code);
    /** The banner while a waiter serves: the shop and the waiter, or the
     *  call for a table when none is chosen. */
    void showWaiterBanner();
    /** Takes the open order of @p account into the sale to be moved; false
     *  (after a beep) when the sale is then still empty. */
    bool takeOrderIntoSale(int account);
    /** Ends a transfer of an order between tables. */
    void endTransfer();

    std::array<bool, RightCount> m_rights{};
    std::array<std::function<void(bool)>, RightCount> m_rightTargets;
    QHash<QString, QString> m_lineTypes;
    QString m_defaultDiscount = QStringLiteral("0");
    bool m_clientSelected = false;
    bool m_saleTabsRelabelled = false;
    bool m_applyingSizes = false;
    int m_mergeFrom = -1;
    int m_transferFrom = -1; ///< the table an order is moved from
    QString m_clientQuery;  ///< the last client search, run again to refresh the list
    QString m_accountName;  ///< the name of the account chosen for the sale
    QString m_topRowSearch; ///< the name entry's text that the lists show the matches of
    QLabel* m_statusLabel = nullptr;
    QTimer* m_permTimer = nullptr;
    QProcess* m_helpViewer = nullptr;
    QTranslator* m_toolkitTexts = nullptr;
    Reporter* m_reporter = nullptr;
    /** The question to clear the action log, asked when the viewer that
     *  shows the log closes. */
    QMetaObject::Connection m_clearLogOnClose;
    QPixmap m_pendingPixmap;
    QPixmap m_noPendingPixmap;
};
