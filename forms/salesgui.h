#pragma once

#include "ui_salesgui.h"

#include <QMainWindow>

class QEvent;

/**
 * The form of the till: every widget, tab, menu and action of the sales
 * window, the connections from them to the window's slots, and the slots
 * themselves. The slots are virtual; the sales window overrides them, and one
 * it does not override tells the operator so instead of failing.
 */
class SalesGui : public QMainWindow, public Ui_SalesGui
{
    Q_OBJECT

public:
    explicit SalesGui(QWidget* parent = nullptr);
    ~SalesGui() override;

    /** The touch buttons in id order: toolButton1 is id 0, toolButton21 id 20. */
    QAbstractButton* touchButtonAt(int id) const;

    /** The colour of the figures of TotalLCD while nothing is special about the total. */
    static QColor totalNormalColour();
    void setTotalColour(const QColor& colour);

    /** Opens or closes the Sales tab for selling: closed while no account
     *  is chosen. The tab stays in view, its page greyed. */
    void setSalesTabOpen(bool open);
    bool salesTabOpen() const;

public slots:
    // The form's own keys and reactions.
    virtual void F1();
    virtual void F2();
    virtual void F9();
    virtual void F10();
    virtual void F11();
    virtual void tabChanged(QWidget* page);
    virtual void tableTextChanged(const QString& text);
    virtual void vendTaxChanged();
    /** Sets every visible text again through the translator. */
    virtual void languageChange();

    // The menus
    virtual void mailStatements();
    virtual void emailRun();
    virtual void renewals();
    virtual void backup();
    virtual void cashUp();
    virtual void monthEnd();
    virtual void receiveStock();
    virtual void cashDate();
    virtual void resetSequence();
    virtual void waiterCashUp();
    virtual void logout();
    virtual void preferences();
    virtual void editInventory();
    virtual void manageDepartments();
    virtual void manageCompositions();
    virtual void manageSuppliers();
    virtual void manageStockOrders();
    virtual void purgeClient();
    virtual void mergeClient();
    virtual void serialSearch();
    virtual void find();
    virtual void clear();
    virtual void editBill();
    virtual void editReturns();
    virtual void viewStatement();
    virtual void journalTrail();
    virtual void auditTrail();
    virtual void helpContents();
    virtual void helpAbout();

    // The reports menu
    virtual void merchandiseReport();
    virtual void newClientsReport();
    virtual void clientPurchasesReport();
    virtual void clientExpenditureReport();
    virtual void clientDebtReport();
    virtual void commissionReport();
    virtual void stockTraceAudit();
    virtual void SpPerformanceReport();
    virtual void stockLevelReport();
    virtual void actionReport();
    virtual void analysis();
    virtual void priceList();
    virtual void allClientsReport();
    virtual void outstandingInvoices();
    virtual void returnablesReport();
    virtual void pendingOrders();
    virtual void dailySalesReport();
    virtual void voidsReport();
    virtual void preparationTimesReport();

    // Function keys (F1, F2, F9, F10 and F11 are the form's own)
    virtual void F3();
    virtual void F12();
    virtual void F5clearAll();
    virtual void F6DeleteItem();

    // The window
    virtual void setPending(bool on);
    virtual void checkVendState();
    virtual void applySizes();
    virtual void doSizeChanges(int section, int oldSize, int newSize);
    virtual void updateGuiControls(bool checkSession);
    virtual void checkGuiPerms();
    virtual void i18nInit();

    // Item entry and the current sale
    virtual void itemReturnPressed();
    virtual void itemSelected(const QString& text);
    virtual void vendItemChanged(const QString& text);
    virtual void vendAddItem();
    virtual void vendRemoveItem();
    virtual void removeIntoEditor();
    virtual void addEditorContents();
    virtual bool addComposition(QString name);
    virtual void categoryChanged(int index);
    virtual void checkPriceTiers();
    virtual void vendPriceTierChanged(int tier);
    virtual void touchButton(int id);
    virtual void itemCleanup(const QString& text);

    // Tendering
    virtual void amountTenderedChanged(const QString& text);
    virtual void amountTenderedChanged();
    virtual void cashPad();
    virtual void cardPad();
    virtual void chequePad();
    virtual void eftPad();
    virtual void couponPad();
    virtual void tipPad();
    virtual void cardAssist();
    virtual void chequeAssist();
    virtual void eftAssist();
    virtual void badDebtAssist();
    virtual void fastCash1();
    virtual void fastCash2();
    virtual void fastCash3();
    virtual void fastCash4();
    virtual void fastCash5();
    virtual void fastCash6();
    virtual void refreshReceipt(int account);
    virtual void refreshReceipt();
    virtual void payInvChanged();
    virtual void payInvChanged(int account);
    virtual double checkPending(double* tax1, double* tax2);
    virtual void processReceipt();
    virtual void cashDrawer();

    // Invoices, quotes, refunds and orders
    virtual void processInvoice();
    virtual void orderInvoice();
    virtual void orderInvoice(bool clearAfter);
    virtual void quoteInvoice();
    virtual void refundInvoice();
    virtual void doInvoice(bool unused);
    virtual void previewInvoice();
    virtual void editInvoice();
    virtual void pullQuote();
    virtual void findInvoice();
    virtual void invoiceSearch();
    virtual void showPastInvoice();
    virtual void showPastRefund();
    virtual void showPastReceipt();
    virtual void showPastQuote();
    virtual void voidInvoice();
    virtual void reprintDocket();
    virtual void voidReceipt();
    virtual void clearInvoice();
    virtual void clearInvoiceGui();
    virtual void historyPeriod(int period);

    // Tables, waiters and bills
    virtual void guiTable();
    virtual void transferTable();
    virtual void guiWaiter();
    virtual void waiterSelected();

    // Client accounts
    virtual void newAccount();
    virtual void updateAccount();
    virtual void stickyClientSearch(bool sticky, bool touchName);
    virtual void fillInDetails(QString account, bool touch);
    virtual void clientDetails(int account);
    virtual void clientSearch();
    virtual void clientDetails();
    virtual void clearClientGui();

    // External payments
    virtual void snapScanPayment();
    virtual void semperComms();
    virtual void socketConnected();
    virtual void socketReadyRead();
    virtual void socketConnectionClosed();
    virtual void socketClosed();
    virtual void closeConnection();
    virtual void socketError(int error);
protected:
    /** Tells the operator that @p slot has no implementation yet. */
    void notImpl(const QString& slot);
    void changeEvent(QEvent* event) override;

private:
    void hideSaleDataColumns();
    void connectMenus();
    void connectKeys();
    void connectSalesTab();
    void connectReceiptTab();
    void connectDocumentsTab();
    void connectClientTab();
};
