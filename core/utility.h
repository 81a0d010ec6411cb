#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>

class DocPrint;
class QSerialPort;
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

    // ---- SQL text and database errors (core/sqltext.cpp) ----

    /** Text made safe between single quotes; upper-cased on request. */
    static QString escapeSQL(const QString& text, bool upper = false);
    /** A text column as the operator wrote it: undoes the line-break escape
     *  that escapeSQL applies for SQLite. */
    static QString unescapeSQL(const QString& stored);
    /** Shows a failed statement in the error box; true when there was an error. */
    static bool showDBError(const QSqlQuery& query);

    // ---- Money, tax and text helpers (core/money.cpp) ----

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
    /** The waiter of the sale, or the logged-in user when none is set. */
    QString getWaiter() const { return m_waiter.isEmpty() ? m_userName : m_waiter; }

    // ---- Action log (core/actionlog.cpp) ----

    /** Writes one row to the action log when logging is switched on. */
    void logAction(const QString& action, const QString& info, const QString& who, char type);

    // ---- Login (core/login.cpp) ----

    /** Asks for a login code and logs the user in; true on success. */
    bool validateLoginId();

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

private:
    void buildPalettes();
    /** Releases the device ports and opens them again from the settings. */
    void openPorts();
    void closePorts();

    QPalette m_palettes[8];
    SysInfoRecord m_info;
    int m_taxMode = 1;
    bool m_logActions = false;
    QString m_hostName = QStringLiteral("unknown");
    QString m_userName = QStringLiteral("noone");
    QString m_waiter;
    QWidget* m_mainWindow = nullptr;
    DocPrint* m_docPrint = nullptr;
    QSerialPort* m_polePort = nullptr;
    QSerialPort* m_drawerPort = nullptr;
};
