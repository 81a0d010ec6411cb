#include "core/utility.h"

#include "core/globals.h"
#include "core/zkprompt.h"
#include "core/zksettings.h"
#include "documents/docprint.h"

#include <QApplication>
#include <QColor>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

#include <unistd.h>

namespace {

struct PaletteColours
{
    QColor mode1Text;   ///< mode 1: text colour (invalid: unchanged)
    QColor mode2Button; ///< mode 2: button colour
    QColor mode2Text;   ///< mode 2: text colour (invalid: unchanged)
};

const PaletteColours kPalettes[8] = {
    {QColor(255, 0, 0), QColor(255, 0, 0), QColor(255, 255, 192)},
    {QColor(0, 192, 0), QColor(0, 192, 0), QColor()},
    {QColor(0, 0, 255), QColor(0, 0, 255), QColor(255, 255, 255)},
    {QColor(0, 85, 255), QColor(174, 231, 255), QColor()},
    {QColor(255, 0, 0), QColor(255, 205, 205), QColor()},
    {QColor(), QColor(255, 255, 0), QColor()},
    {QColor(138, 46, 138), QColor(228, 199, 255), QColor()},
    {QColor(0, 192, 0), QColor(211, 255, 219), QColor()},
};

// Disabled buttons keep the style's grey text so that they still look disabled.
void setButtonText(QPalette& p, const QColor& c)
{
    p.setColor(QPalette::Active, QPalette::ButtonText, c);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, c);
}

QString localHostName()
{
    char buffer[256] = {0};
    if (gethostname(buffer, sizeof(buffer) - 1) != 0)
        return QString();
    return QString::fromLocal8Bit(buffer);
}

} // namespace

Utility::Utility()
{
    buildPalettes();
    m_docPrint = new DocPrint(nullptr, QStringLiteral("Brevalon"));
    if (settings->readEntry(QStringLiteral("/Global/PrintLogo")).isEmpty()) {
        settings->writeEntry(QStringLiteral("/Global/PrintLogo"),
                             settings->readEntry(QStringLiteral("/Global/InstallDir"))
                                 + QLatin1String("/powerlogo.png"));
        newDocPrint();
    }
}

Utility::~Utility()
{
    closePorts();
    delete m_docPrint;
}

void Utility::buildPalettes()
{
    const int mode = settings->readNumEntry(QStringLiteral("/Global/ButtonColourMode"));
    for (int i = 0; i < 8; ++i) {
        QPalette p = QApplication::palette();
        const PaletteColours& c = kPalettes[i];
        if (mode == 1) {
            if (c.mode1Text.isValid())
                setButtonText(p, c.mode1Text);
        } else if (mode == 2) {
            p.setColor(QPalette::Button, c.mode2Button);
            if (c.mode2Text.isValid())
                setButtonText(p, c.mode2Text);
        }
        m_palettes[i] = p;
    }
}

bool Utility::initClass(bool mustExist)
{
    ZkPrompt::setWaitCursor(true);

    // Tills are told apart by a name of their own, not by their host names:
    // two tills may share one, or have none that resolves.
    const QString name = localHostName();
    m_hostName = name.isEmpty() ? QStringLiteral("unknown") : name;
    m_stationId = settings->readEntry(QStringLiteral("/Global/StationId"));
    if (m_stationId.isEmpty()) {
        m_stationId = QUuid::createUuid().toString(QUuid::Id128).left(12);
        settings->writeEntry(QStringLiteral("/Global/StationId"), m_stationId);
    }

    QSqlQuery q;
    if (!q.exec(QStringLiteral(
            "SELECT ALINE1, ALINE2, ALINE3, ALINE4, ALINE5, ALINE6, ALINE7, InvFooter1, InvFooter2, "
            "RecFooter, StatementFooter1, StatementFooter2, StatementFooter3, Tax1, Tax1Name, Tax2, "
            "Tax2Name, HandOverFooter, TaxMode, BaseMarkup, Tier1Markup, Tier2Markup, Rounding, "
            "ArrearsInterest, MaxStatementDays FROM SysInfo"))) {
        showDBError(q);
        ZkPrompt::setWaitCursor(false);
        return false;
    }
    const bool found = q.next();
    if (!found && mustExist) {
        ZkPrompt::setWaitCursor(false);
        ZkPrompt::critical(m_mainWindow, QStringLiteral("Brevalon"),
                           tr("No Resturant details were located in the database"));
        return false;
    }
    // Without a row every field reads as empty text or zero.
    auto text = [&](int i) { return found ? q.value(i).toString() : QString(); };
    auto real = [&](int i) { return found ? q.value(i).toDouble() : 0.0; };

    SysInfoRecord info;
    for (int i = 0; i < 7; ++i)
        info.aline[i] = text(i);
    info.invFooter[0] = text(7);
    info.invFooter[1] = text(8);
    info.recFooter = text(9);
    for (int i = 0; i < 3; ++i)
        info.statementFooter[i] = text(10 + i);
    info.tax1 = real(13);
    info.tax1Name = text(14);
    info.tax2 = real(15);
    info.tax2Name = text(16);
    info.handOverFooter = text(17);
    info.taxModeText = text(18);
    for (int i = 0; i < 3; ++i)
        info.markup[i] = real(19 + i);
    info.rounding = found ? q.value(22).toInt() : 0;
    info.arrearsInterest = real(23);
    info.maxStatementDays = found ? q.value(24).toInt() : 0;
    m_info = info;
    m_taxMode = info.taxModeText == QLatin1String("E") ? 0 : 1;

    openPorts();

    m_docPrint->setPreviewSize(settings->readNumEntry(QStringLiteral("/Misc/PreviewWidth")),
                               settings->readNumEntry(QStringLiteral("/Misc/PreviewHeight")));
    m_docPrint->setZoom(settings->readNumEntry(QStringLiteral("/Misc/PreviewFontSize")));

    m_logActions = settings->readBoolEntry(QStringLiteral("/Global/LogActions"));

    ZkPrompt::setWaitCursor(false);
    return true;
}
