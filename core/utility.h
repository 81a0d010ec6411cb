#pragma once

#include <QFont>
#include <QList>
#include <QImage>
#include <QLocale>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>

class DocPrint;
class QSerialPort;
enum class DocketMedium;
class QSqlQuery;
class QWidget;

/** The company and accounting record of the one SysInfo row. */
struct SysInfoRecord
{
    QString aline[7];          ///< ALINE1 .. ALINE7
    QString invFooter[2];      ///< InvFooter1, InvFooter2
    QString recFooter;
    QString statementFooter[3];
    QString handOverFooter;
    double tax1 = 0;
    double tax2 = 0;
    QString tax1Name;
    QString tax2Name;
    QString taxModeText;
    double markup[3] = {0, 0, 0}; ///< base, tier 1, tier 2
    int rounding = 0;
    double arrearsInterest = 0;
    int maxStatementDays = 0;
};

/**
 * The business services shared by every window (the one instance is `utils`).
 * One class, several files: each group of members below lives in the module
 * that owns the behaviour, as noted at the group.
 */
class Utility : public QObject
{
    Q_OBJECT

public:
    Utility();
    ~Utility() override;

    // ---- Start-up and system information (core/utility.cpp) ----

    /** Loads or reloads SysInfo and the device and preview settings. With
     *  @p mustExist a missing SysInfo row is reported and fails. */
    bool initClass(bool mustExist);
    /** This station's host name as carried by Login and Actions rows. */
    QString hostName() const { return m_hostName; }
    /** What tells this till from every other, whatever their host names:
     *  made once and kept in the settings store (/Global/StationId). Carried
     *  by Login rows and by the invoices the till writes. */
    QString stationId() const { return m_stationId; }
    const SysInfoRecord& sysInfo() const { return m_info; }
    /** 0 when prices exclude tax (SysInfo.TaxMode "E"), 1 when they include it. */
    int taxMode() const { return m_taxMode; }
    int roundingUnit() const { return m_info.rounding; }
    bool logActions() const { return m_logActions; }

    /** Button palette 1 to 8 (see the sales window for who wears which). */
    const QPalette& buttonPalette(int n) const { return m_palettes[qBound(1, n, 8) - 1]; }

    /** The main window, parent of the boxes that Utility shows. */
    QWidget* mainWindow() const { return m_mainWindow; }
    void setMainWindow(QWidget* w) { m_mainWindow = w; }

    /** The user logged in at this station ("noone" while logged out). */
    QString userName() const { return m_userName; }
    void setUserName(const QString& name) { m_userName = name; }
    /** The administrator: never locked out, keeps the menus, sells nothing. */
    bool adminLoggedIn() const { return m_userName == QLatin1String("Admin"); }
    /** Nobody is logged in at this station. */
    bool loggedOut() const { return m_userName == QLatin1String("noone"); }

    // ---- SQL text and database errors (core/sqltext.cpp) ----

    /** Text made safe between single quotes (storableText); upper-cased on
     *  request. */
    static QString escapeSQL(const QString& text, bool upper = false);
    /** Text without what no server can store: NUL and lone surrogates. */
    static QString storableText(const QString& text);
    /** Text made safe inside a LIKE pattern that is closed with
     *  likeEscape(): as escapeSQL, and a backslash matches itself on every
     *  server. The wildcards % and _
     *  stay wildcards. */
    static QString escapeLike(const QString& text, bool upper = false);
    /** What follows the closing quote of an escapeLike pattern. */
    static QString likeEscape() { return QStringLiteral(" ESCAPE '\\'"); }
    /** Shows a failed statement in the error box; true when there was an error. */
    static bool showDBError(const QSqlQuery& query);

    // ---- Money, tax and text helpers (core/money.cpp, core/balances.cpp,
    //      core/xmltext.cpp) ----

    /** Makes @p name (e.g. "en_ZA") the locale of every number shown or
     *  parsed, and the application's default locale. */
    static void setLocale(const QString& name);
    /** Makes the locale of /Global/Locale, or the system's when it is
     *  empty, the one locale of money (the language set-up calls it). */
    static void useLocaleSetting();
    /** The locale of numStr and strNum. */
    static QLocale locale();
    /** Fixed-point text in the locale with exactly @p decimals decimals. */
    static QString numStr(double value, int decimals);
    /** A number typed in the locale; 0 (and @p ok false) when it is not one. */
    static double strNum(const QString& text, bool* ok = nullptr);
    /** Rounds to cents, halves away from zero: the one rounding of money. */
    static double roundCents(double value);

    double getTax1() const { return m_info.tax1; }
    double getTax2() const { return m_info.tax2; }
    /** The tax on an amount at a rate, rounded to cents. */
    static double calcTax(double amount, double rate);
    /** The amount without the two taxes included in it, rounded to cents. */
    static double lessTax(double amount, double rate1, double rate2);
    /** Rounds @p amount to cents in place and returns the part that cash
     *  rounding (SysInfo.Rounding, in cents) takes off. In refund mode half a
     *  cent is taken off before the cut, whatever the sign. */
    double getRounding(double* amount) const;
    /** Markup 0 (base), 1 or 2 (tiers) as text, 6 significant digits. */
    QString getMarkupValue(int index) const;

    /** The document the counter is making: 0 invoice, 1 quote, 2 refund, 3 order. */
    int documentMode() const { return m_documentMode; }
    void setQuoteMode(bool on) { m_documentMode = on ? 1 : 0; }
    void setRefundMode(bool on) { m_documentMode = on ? 2 : 0; }
    void setOrderMode(bool on) { m_documentMode = on ? 3 : 0; }

    /** The account's balance: Amount - Rounding over its journal, leaving out
     *  quotes and voids, and interest unless @p withInterest. Pass true or
     *  false: an integer picks the overload below. */
    double getBalBF(int account, bool withInterest) const;
    /** The balance brought forward before invoice @p invoice (interest included). */
    double getBalBF(int account, int invoice) const;

    /** Text made safe inside an XML attribute or element, on one line. */
    static QString escapeXML(const QString& text, bool upper = false);
    /** Text without the characters XML 1.0 cannot carry: controls other
     *  than tab and line breaks become blanks; lone surrogates, U+FFFE and
     *  U+FFFF go. */
    static QString xmlText(const QString& text);

    // ---- Button images (core/imagecodec.cpp) ----

    /** The image as stored in Images.Image and Departments.Image. */
    static QByteArray encodeImage(const QImage& image, int depth);
    /** Undoes the storage encoding: the PNG bytes of a stored image. */
    static QByteArray decodeImageBytes(const QByteArray& stored);
    /** A button image of @p width by @p height: the stored picture, or the
     *  label drawn in the touch font when nothing is stored. */
    static QImage decodeImage(const QByteArray& stored, int length, const QString& label, int width,
                              int height);
    /** A Qt font weight from a stored weight (50 normal, 75 bold). */
    static QFont::Weight fontWeight(int legacyWeight);

    // ---- Waiter and current sale (core/sale.cpp) ----

    void setWaiter(const QString& waiter) { m_waiter = waiter; }
    /** True when a waiter was chosen for the sale. */
    bool hasWaiter() const { return !m_waiter.isEmpty(); }
    /** The waiter of the sale, or the logged-in user when none is set. */
    QString getWaiter() const { return m_waiter.isEmpty() ? m_userName : m_waiter; }

    /** The account the sale in progress is for; -1 when none is chosen. */
    int getAccountNumber() const { return m_account; }
    /** Chooses the account of the sale. 0 and 1 stand for the logged-in
     *  user's cash account; a negative number means none. */
    void setDetails(int account);
    /** The logged-in user's cash account (Personel.CashAcc); 1 when the
     *  user has no row or the lookup fails. */
    int getCashAccountNumber() const;
    /** Account 1 or the logged-in user's cash account. */
    bool isCashAccount(int account) const;
    /** The account's pending invoice (its open bill or order): the highest
     *  number with Status 'P'; 0 when there is none, -1 after a failed
     *  statement (shown). Tills that share a cash account keep a bill each
     *  there: on a cash account only this till's bills count. */
    int pendingInvoice(int account) const;
    /** The WHERE condition (without "WHERE") of the account's pending invoices. */
    QString pendingInvoiceWhere(int account) const;

    // ---- Action log (core/actionlog.cpp) ----

    /** Writes one row to the action log when logging is switched on. */
    void logAction(const QString& action, const QString& info, const QString& who, char type);

    // ---- Login (core/login.cpp) ----

    /** Asks for a login code and logs the user in; true on success. */
    bool validateLoginId();
    /** The cash account number of the user who logged in last (Personel.CashAcc). */
    int userCashAccount() const { return m_userCashAccount; }
    /** Seconds the next login prompt waits after wrong codes at this station. */
    int loginDelay() const;

    // ---- Installed data (core/installdata.cpp) ----

    /** A file of the installed data folder: the install dir followed by
     *  "/share/Brevalon/" and @p name. */
    static QString shareFile(const QString& name);
    /** The one folder of the translations: the install dir followed by
     *  "/Brevalon/i18n". A language's file is named after it ("German.qm"). */
    static QString translationsDir();

    // ---- Documents (documents/) ----

    /** The document renderer; replaced by newDocPrint when settings change. */
    DocPrint* docPrint() const { return m_docPrint; }
    /** Deletes the renderer and creates a fresh one that re-reads its settings. */
    void newDocPrint();

    // ---- Pole display and cash drawer (devices/) ----

    /** Shows two texts on the customer display (2 lines of 20 characters). */
    void poleDisplay(const QString& first, const QString& second);
    /** The bytes poleDisplay sends for two texts. */
    static QByteArray poleDisplayBytes(const QString& first, const QString& second);
    /** True when a drawer can be opened: its own port, or the receipt printer. */
    bool hasCashDraw() const;
    /** Opens the cash drawer: pulses its port, or kicks it through the
     *  receipt printer ("SLIP40"/"SLIP80"). */
    void openDrawer();

    QSerialPort* polePort() const { return m_polePort; }
    QSerialPort* drawerPort() const { return m_drawerPort; }

    // ---- Posting (posting/) ----

    /** Copies posted invoice lines into the scratch table "temp", which is
     *  this connection's own (a temporary table); @p where is appended to the
     *  copy from InvoiceItem and, with @p archive, from InvoiceItemArchive.
     *  The caller drops the table when done (ZkDb::releaseTemp). */
    bool makeTempInvoiceItemTable(const QString& where, bool archive);

    /** Hands a document to the document window; true when it was processed. */
    bool showDocument(const QString& document, bool viewOnly);

    // A new receipt or invoice is posted in one unit (ZkTransaction) and then
    // printed: post...() runs inside the caller's unit, print...() after it
    // committed. A document whose print is cancelled is taken off again in a
    // unit of its own, so a cancelled sale leaves nothing posted.

    /** The receipt document of a receipt row (empty when it cannot be read).
     *  On a first print the amounts come from the sale just taken. */
    QString buildReceipt(int number, bool firstPrint, double tendered, double change, double tip);
    /** Builds, shows or prints and, on an accepted first print, posts a
     *  receipt. True only when a first print was accepted and posted. */
    bool processReceipt(int number, bool firstPrint, double tendered, double change, double tip, bool semper);
    /** Inside the caller's unit: the receipt's ledger row ("R"), unless it
     *  is there already. False after a failure or when the row is missing. */
    bool postReceipt(int number);
    /** After the unit that posted it: prints the receipt (or not, by
     *  /Global/PrintReceipt). True when it was accepted; a cancelled print
     *  removes the receipt with its ledger row and the marks it put on the
     *  invoices it paid. */
    bool printReceipt(int number, double tendered, double change, double tip, bool semper);
    /** Voids a receipt after asking why; false when cancelled or failed. */
    bool voidReceipt(int number);

    /** The document of an invoice, quote, refund or order (empty when it
     *  cannot be read); stores the total and the two tax totals where given.
     *  A new document (not @p reprint) takes a new sequence number. */
    QString buildInvoice(int number, bool reprint, double tendered, double* total = nullptr,
                         double* tax1 = nullptr, double* tax2 = nullptr);
    /** Builds and (unless @p buildOnly) shows, closes and posts a document.
     *  True when the document was accepted. */
    bool processInvoice(int number, bool reprint, double* total = nullptr, double* tax1 = nullptr,
                        double* tax2 = nullptr, bool buildOnly = false);
    /** Inside the caller's unit, with the invoice's account locked: takes the
     *  invoice's sequence number and, in the document mode, closes it and
     *  posts it to the ledger once (an order only gets its number). False
     *  after a failure or when the invoice does not exist. */
    bool postInvoice(int number);
    /** After the unit that posted it: shows or prints the document (an order
     *  prints its dockets only). True when it was accepted. Otherwise the
     *  posting is taken off again and the invoice is pending once more, and
     *  an invoice's dockets print. */
    bool printInvoice(int number, double* total = nullptr, double* tax1 = nullptr, double* tax2 = nullptr);
    /** Takes the lock of the account an invoice belongs to (ZkDb::lockAccount);
     *  false after a failed statement. */
    bool lockInvoiceAccount(int number);
    /** Shows a document as a new one, without printing it by itself. */
    void previewInvoice(int number);
    /** Voids an invoice after asking why; false when cancelled or failed. */
    bool voidInvoice(int number);
    /** Re-opens a closed bill for editing, in a unit of its own (or the
     *  caller's): the account's pending invoice again, joined by the lines of
     *  a newer pending invoice of the account. False when it failed. */
    bool retractInvoice(int number);

    /** What a split by items moves: an invoice line (InvoiceItem.MyNumber)
     *  and how much of its quantity goes to the new bill. */
    struct SplitMove
    {
        int line = 0;
        double quantity = 0;
    };
    /** Splits a table's unpaid bill, or its open order (which becomes the
     *  bill), in one unit: @p moves go to a new bill of the same account.
     *  Returns the bills, the one split first; empty when it failed (shown)
     *  or was refused (@p refusal says why; nothing changed). */
    QList<int> splitInvoice(int number, const QList<SplitMove>& moves, QString* refusal);
    /** As splitInvoice, into @p parts bills of equal amounts, the last
     *  taking the cents left over; each line is shared out likewise. */
    QList<int> splitInvoiceEvenly(int number, int parts, QString* refusal);
    /** After the split's unit: prints each bill on its own, and the dockets
     *  of lines the kitchen has not had yet. */
    void printSplitBills(const QList<int>& bills);

    /** Prints the label and kitchen dockets of an invoice's lines not yet
     *  printed (after an order, or a bill whose print was cancelled). Never
     *  inside a unit: the dockets take their lines in units of their own. */
    void printDockets(int number);
    /** The docket of an invoice's lines not yet printed on @p printer (1
     *  label, 2 kitchen), or with @p reprint all its lines; empty when
     *  nothing is due. Marks nothing (printDocket claims the lines): @p lines
     *  receives those of its lines the printer has not had yet. */
    QString buildKitchen(int invoiceNumber, int printer, QList<int>* lines = nullptr, bool reprint = false);
    /** Builds the docket of @p printer, claims its lines in a unit that locks
     *  the account (two tills never print one line), prints it, and gives the
     *  lines back when the printer did not take it; false when it was not
     *  printed (the lines stay unsent) or could not be claimed. @p due tells whether any line was
     *  due at all. */
    bool printDocket(int invoiceNumber, int printer, bool reprint = false, bool* due = nullptr);
    /** The docket printers whose Mode is not "off", as printDocket numbers
     *  them. */
    static QList<int> docketPrinters();

    /** A docket as composed: its document and the invoice lines it holds. */
    struct Docket
    {
        QString document;
        QList<int> lines;
        QList<int> due; // of lines, those not had there yet
    };
    /** Composes the docket of an invoice's lines that @p station (1 label,
     *  2 kitchen) has not had yet on @p medium, or with @p reprint all of
     *  them, whose departments route there; changes nothing. No lines when
     *  nothing is due or it failed. */
    Docket composeDocket(int invoiceNumber, int station, DocketMedium medium, bool reprint = false);
    /** Marks lines as taken (@p mark: DocketRoute::mark). False after a
     *  failed statement (shown) or when another till took a line first. */
    bool markDocket(int invoiceNumber, const QList<int>& lines, int mark);
    /** Gives back the lines a docket claimed but did not print, in a unit
     *  of its own; false after a failed statement (shown). */
    bool unmarkDocket(int invoiceNumber, const QList<int>& lines, int mark);
    /** Sends the lines of an order that go to the kitchen screens there:
     *  one KitchenDockets row per station, written with the lines' marks
     *  as one unit. False after a failure (shown). */
    bool sendToScreens(int invoiceNumber);

    // ---- Client accounts and stock runs (accounts/) ----

    /** What became of a statement. */
    enum StatementResult { StatementFailed, StatementSkipped, StatementClosed, StatementProcessed };

    /** Charges the month's interest on arrears of the current account
     *  (replacing a charge made earlier in the month); false after a
     *  failure (shown). */
    bool processInterest();
    /** The statement of the current account: 1 printed, 2 e-mailed, any
     *  other mode previewed. */
    StatementResult processStatement(int mode);
    /** Statements for every client owing more than 1.00 (asks the mode). */
    void mailStatements();
    /** Statements e-mailed to every client owing more than 1.00 who has an
     *  address; a run broken off is finished by running it again. */
    void emailStatements();
    /** Reminders of the returnables due back within 20 days. */
    void mailRenewals();
    /** Every ledger row of the current account, live and archived. */
    void processJournalTrail();
    /** Every item line the current account bought. */
    void processAuditTrail();
    /** The stock received and adjusted in a month the operator picks. */
    void stockTraceAudit();
    /** One order form per supplier for its items at or below re-order level. */
    void manageStockOrders();

    // ---- End of day (endofday/) ----

    /** The cash-up: the five reports of what was posted since the last one
     *  and, when processing, the rows marked and archived. */
    void cashUp();
    /** The report-only cash-up of one waiter's day. */
    void waiterCashUp();
    /** The cash-up reports of a past day, asked for. */
    void cashDate();
    /** The period analysis of a month, asked for. */
    void monthEnd();
    /** The period analysis between two dates, asked for. */
    void analysis();
    /** The period analysis from @p start to @p end ("yyyy-MM-dd"), shown. */
    void analysis(const QString& start, const QString& end);

private:
    /** The statement run in @p mode; @p addressed leaves out the clients
     *  without an e-mail address. */
    void runStatements(int mode, bool addressed);
    void buildPalettes();
    /** Releases the device ports and opens them again from the settings. */
    void openPorts();
    void closePorts();
    /** Asks for the reason of a void until one is given; empty when cancelled. */
    QString askVoidReason(const QString& caption, const QString& prompt, const QString& refusal);
    /** Writes the Voids row of a voided document. */
    bool recordVoid(const QString& reason, char docType, int number);
    /** True (after telling the operator) when a document was voided before. */
    bool alreadyVoided(char docType, int number, const QString& caption, const QString& text);
    /** Takes the shop's next docket sequence number for an invoice; 0 when
     *  the invoice does not exist, -1 after a failed statement. */
    int takeSequenceNumber(int invoice);
    /** Which copy of an invoice a document is: a new one not yet posted (a
     *  preview), a new one just posted, or a reprint. */
    enum class InvoiceCopy { Draft, Posted, Reprint };
    /** The document of an invoice with the sequence number it holds. */
    QString invoiceDocument(int number, InvoiceCopy copy, double tendered, double* total, double* tax1,
                            double* tax2);
    /** The receipt document; on a first print @p posted tells whether the
     *  balance read already holds the receipt. */
    QString receiptDocument(int number, bool firstPrint, bool posted, double tendered, double change, double tip);
    /** Shows or prints a document just posted, with the amount tendered for
     *  a take-out sale; as printInvoice. */
    bool showPostedInvoice(int number, double tendered, double* total, double* tax1, double* tax2);
    /** What follows an accepted document: its e-mail address, the log of a
     *  refund posted now. */
    void documentAccepted(int number);
    /** The take-out change dialog of a new invoice; false when cancelled. */
    bool askTakeOutChange(int number, double* tendered);
    /** Stores the address the document window mailed a document to. */
    void saveDocumentEmail(const QString& table, int number);
    /** Makes a closed document pending again (undoing its ledger rows of
     *  @p codes and due-back records) in a unit, merging a newer pending
     *  invoice of its account into it. */
    bool reopenInvoice(int number, const QString& codes);
    /** Takes a posted receipt off again: its ledger row, the marks on the
     *  invoices it paid, and its row. */
    bool unpostReceipt(int number);
    /** Takes the lock of the account a receipt belongs to. */
    bool lockReceiptAccount(int number);
    /** An invoice's total from its lines, as posted to the ledger; false
     *  after a failed statement. */
    bool postedTotal(int number, double* total);
    /** The split's start, in its unit: locks the account, checks that
     *  @p number is an open order or an unpaid bill and posts an open order
     *  as the bill; fills @p root with the number the split's bills carry.
     *  False with @p refusal set when it may not be split. */
    bool beginSplit(int number, int* root, QString* refusal);
    /** A new bill of a split, like @p source and numbered; -1 on failure. */
    int newSplitBill(int source, int root);
    /** Sets a split bill's ledger row to the total of its lines: updated for
     *  the bill split, inserted (dated as it) for a new one. */
    bool postSplitTotal(int number, int source);
    /** Closes an accepted document and posts it to the ledger unless it was
     *  posted before; false when it could not be posted. */
    bool closeInvoice(int number, int mode);
    /** Whether a closed document's posting is in the ledger (live or
     *  archived) or can no longer be: its account is gone. */
    bool invoiceWasPosted(int number, int account, bool* posted);
    /** Claims the user's Login row for this till: the unique name makes the
     *  insert the claim. A row of this till (left by a crash) may be
     *  recovered after asking; a row of another till refuses the login. */
    bool claimSession(const QString& name);
    /** Gives this till's Login row of the user up. */
    void releaseSession(const QString& name);
    /** Runs "SELECT Code, <columns> FROM Personel" for a login code and
     *  leaves @p q on the row whose code is exactly @p code; false when
     *  there is none (or the statement failed: shown). */
    static bool findCode(const QString& columns, const QString& code, QSqlQuery* q);
    /** Reads the logged-in user's CashAcc into @p account when the user has
     *  a row (else leaves it); false after showing a failed lookup. */
    bool lookupCashAccount(int* account) const;

    QPalette m_palettes[8];
    SysInfoRecord m_info;
    int m_taxMode = 1;
    bool m_logActions = false;
    QString m_hostName = QStringLiteral("unknown");
    QString m_stationId;
    QString m_userName = QStringLiteral("noone");
    QString m_waiter;
    int m_documentMode = 0;
    bool m_postedNow = false; ///< the last closeInvoice wrote the ledger row
    int m_account = -1;
    int m_userCashAccount = 1;
    int m_failedLogins = 0;
    QWidget* m_mainWindow = nullptr;
    DocPrint* m_docPrint = nullptr;
    QSerialPort* m_polePort = nullptr;
    QSerialPort* m_drawerPort = nullptr;
};
