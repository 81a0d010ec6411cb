#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "reports/reporter.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

Sales::Sales(QWidget* parent, const char* name)
    : SalesGui(parent)
{
    setObjectName(QString::fromLatin1(name));

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("StatusLabel"));
    m_statusLabel->setFont(QFont(QStringLiteral("Arial"), 11));
    statusBar()->addWidget(m_statusLabel, 1);

    m_helpViewer = new QProcess(this);
    m_helpViewer->setObjectName(QStringLiteral("HelpViewer"));

    loadIcons();
    givePalettes();
    buildRightTargets();
    initClientPage();
    setUpWaiterField();
    setPending(false);

    if (settings->readBoolEntry(ZkSettings::userKey(QStringLiteral("/Personal/VendPage/"), utils->userName())))
        tabWidget3->setCurrentWidget(tab_3);
    utils->poleDisplay(programName(), programVersion());
    m_reporter = new Reporter(this);

    m_permTimer = new QTimer(this);
    m_permTimer->setObjectName(QStringLiteral("PermissionTimer"));
    connect(m_permTimer, &QTimer::timeout, this, &Sales::checkGuiPerms);
    connect(VendListView->header(), &QHeaderView::sectionResized, this, &Sales::doSizeChanges);
    connect(SplitBillButton, &QPushButton::clicked, this, &Sales::splitBill);

    applySizes();
    setUpItemEntry();
    setUpReceiptTab();
    m_permTimer->start(1000);
    showLoggedOut();
}

Sales::~Sales()
{
    // A viewer started from the help menu outlives the till.
    if (m_helpViewer->state() != QProcess::NotRunning)
        m_helpViewer->setParent(nullptr);
}

QString Sales::installDir() const
{
    return settings->readEntry(QStringLiteral("/Global/InstallDir"));
}

QString Sales::shareDir() const
{
    return installDir() + QLatin1String("/share/Brevalon/");
}

void Sales::loadIcons()
{
    const QString share = shareDir();
    auto icon = [&](const char* file) { return QIcon(share + QLatin1String(file)); };
    tabWidget3->setTabIcon(tabWidget3->indexOf(tab_2), icon("keyboard.png"));
    tabWidget3->setTabIcon(tabWidget3->indexOf(tab_3), icon("dep.png"));
    toolButton1->setIcon(icon("dep.png"));
    toolButton2->setIcon(icon("delete.png"));
    toolButton3->setIcon(icon("next.png"));
    toolButton4->setIcon(icon("prev.png"));
    toolButton5->setIcon(icon("qty.png"));
    for (QToolButton* pad : {CashPadButton, CardPadButton, ChequePadButton, EFTPadButton, CouponPadButton,
                             TipPadButton})
        pad->setIcon(icon("qty.png"));
    m_pendingPixmap = QPixmap(share + QLatin1String("pending.png"));
    m_noPendingPixmap = QPixmap(share + QLatin1String("nopending.png"));
}

void Sales::givePalettes()
{
    const struct
    {
        int palette;
        QList<QAbstractButton*> buttons;
    } wear[] = {
        {1, {PushButton3, ReceiptClearButton, EditPushButton, pushButton28, pushButton29}},
        {2, {NewAccountButton}},
        {3, {PreviewPushButton, PullQuoteButton, QuotePushButton}},
        {4, {CashDrawButton, ViewQuoteButton}},
        {5, {pushButton30, OrderButton, RefreshButton, ViewInvoiceButton, SplitBillButton}},
        {6, {PushButton4, UpdateAccountButton}},
        {7, {ViewReturnButton, RefundPushButton}},
        {8, {PushButton5, ProcessButton, ViewReceiptButton}},
    };
    for (const auto& w : wear) {
        for (QAbstractButton* b : w.buttons)
            b->setPalette(utils->buttonPalette(w.palette));
    }
}

void Sales::F3()
{
    // The receipt tab's F3 refreshes it; elsewhere F3 previews the bill.
    if (TabWidget2->currentWidget() == tab_4)
        refreshReceipt();
    else
        previewInvoice();
}

void Sales::F12()
{
    snapScanPayment();
}

QString Sales::programName()
{
    return QStringLiteral("Brevalon");
}

QString Sales::programVersion()
{
    return tr("Version %1").arg(QStringLiteral(BREVALON_VERSION));
}

QString Sales::shopHeading() const
{
    return QLatin1String("<h2>") + utils->sysInfo().aline[0].toHtmlEscaped();
}

void Sales::setStatus(const QString& text)
{
    m_statusLabel->setText(text);
}

QString Sales::status() const
{
    return m_statusLabel->text();
}

void Sales::i18nInit()
{
    loadTranslation(settings->readEntry(QStringLiteral("/Global/i18n")));
    Utility::useLocaleSetting();
    m_lineTypes.clear();
    m_lineTypes.insert(tr("Inventory"), QStringLiteral("Inventory"));
    m_lineTypes.insert(tr("Remarks"), QStringLiteral("Remarks"));
    m_lineTypes.insert(tr("Pvt. Notes"), QStringLiteral("Pvt. Notes"));
    updateTenderLabels();
    applyStyle(settings->readEntry(ZkSettings::userKey(QStringLiteral("/Personal/GUIStyle/"), utils->userName())));
}

void Sales::loadTranslation(const QString& language)
{
    if (!nls)
        return;
    // English is the program's own language: no file, an empty translator.
    // So is a language left unset (every file name starts with nothing).
    const QDir dir(Utility::translationsDir());
    QString file;
    if (!language.trimmed().isEmpty() && language.compare(QLatin1String("English"), Qt::CaseInsensitive) != 0) {
        const QStringList candidates = dir.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
        for (const QString& name : candidates) {
            if (name.startsWith(language, Qt::CaseInsensitive)) {
                file = dir.filePath(name);
                break;
            }
        }
    }
    // Installing again is what tells the windows to take the new texts.
    QCoreApplication::removeTranslator(nls);
    (void)nls->load(file);
    QCoreApplication::installTranslator(nls);

    if (!m_toolkitTexts)
        m_toolkitTexts = new QTranslator(this);
    QCoreApplication::removeTranslator(m_toolkitTexts);
    // The file records its language ("de_DE"), which names Qt's file.
    if (!file.isEmpty() && !nls->language().isEmpty()
        && m_toolkitTexts->load(QLocale(nls->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_toolkitTexts);
}

void Sales::updateTenderLabels()
{
    EFTLabel->setText(settings->readBoolEntry(QStringLiteral("/Global/Semper/Enabled")) ? tr("On Acc") : tr("EFT"));
    // The QR payment is offered only where the service is set up.
    const bool snapScan = settings->readBoolEntry(QStringLiteral("/Global/SnapScan/Enabled"));
    SnapScanButton->setVisible(snapScan);
    F12Action->setEnabled(snapScan);
    F12Action->setVisible(snapScan);
}

void Sales::languageChange()
{
    SalesGui::languageChange();
    updateTenderLabels();
    captionTouchTab();
    nameTaxBoxes();
    if (m_saleTabsRelabelled)
        relabelSaleTabs();
}

void Sales::applyStyle(const QString& name)
{
    QString style = name;
    if (style.isEmpty() || style == QLatin1String("Default"))
        style = defStyle;
    if (style == QLatin1String("Polymer"))
        style = QStringLiteral("Fusion");
    if (style.isEmpty() || QApplication::style()->name().compare(style, Qt::CaseInsensitive) == 0)
        return;
    if (QStyle* s = QStyleFactory::create(style))
        QApplication::setStyle(s);
}
