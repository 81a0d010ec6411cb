#include "maintenance/prefs.h"

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "core/zktransaction.h"
#include "forms/touchsize.h"
#include "maintenance/prefsmisc.h"
#include "maintenance/prefspayments.h"
#include "maintenance/prefspersonnel.h"
#include "maintenance/prefsprinters.h"
#include "maintenance/prefssysinfo.h"
#include "sales/sales.h"

#include <QScrollArea>
#include <QSqlQuery>
#include <QSqlRecord>

Prefs::Prefs(QWidget* parent)
    : PrefsGui(parent)
{
    setObjectName(QStringLiteral("Prefs"));
    addPage(new PrefsSysInfo);
    addPage(m_personnel = new PrefsPersonnel);
    addPage(new PrefsPrinters);
    addPage(new PrefsMisc);
    addPage(new PrefsPayments);
    // Further pages are added here, in the order their tabs should have.
    TabWidget->setCurrentIndex(0);
    TouchSize::fitScreen(this, QSize(780, 700));
}

Prefs::~Prefs() = default;

QSqlRecord Prefs::readSysInfo(bool* exists)
{
    *exists = false;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT * FROM SysInfo"))) {
        Utility::showDBError(q);
        return QSqlRecord();
    }
    *exists = q.next();
    return *exists ? q.record() : QSqlRecord();
}

void Prefs::addPage(PrefsPage* page)
{
    m_pages << page;
    // A page taller than a small screen scrolls, rather than pushing OK and
    // Cancel off it. The tab widget owns the scroller, and so the page.
    auto* scroller = new QScrollArea;
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(page->pageWidget());
    TabWidget->addTab(scroller, page->pageTitle());
    page->load(readSysInfo(&m_sysInfoExists));
}

void Prefs::reloadData()
{
    const QSqlRecord sysInfo = readSysInfo(&m_sysInfoExists);
    for (PrefsPage* page : qAsConst(m_pages))
        page->load(sysInfo);
}

QString Prefs::selectedUser() const
{
    return m_personnel->selectedUser();
}

void Prefs::setSelectedUser(const QString& name)
{
    m_personnel->setSelectedUser(name);
}

void Prefs::userSelected(const QString& name)
{
    m_personnel->userSelected(name);
}

void Prefs::newUser()
{
    m_personnel->newUser();
}

void Prefs::updateUser()
{
    m_personnel->updateUser();
}

void Prefs::deleteUser()
{
    m_personnel->deleteUser();
}

void Prefs::unlockLogin()
{
    m_personnel->unlockLogin();
}

void Prefs::saveSettings()
{
    PrefsSave save;
    for (PrefsPage* page : qAsConst(m_pages)) {
        if (!page->collect(save)) {
            TabWidget->setCurrentIndex(int(m_pages.indexOf(page)));
            return;
        }
    }

    {
        ZkTransaction unit;
        if (!unit.isOpen())
            return;
        if (!save.columns.isEmpty()) {
            QStringList names;
            QStringList values;
            QStringList sets;
            for (const PrefsSave::Column& c : qAsConst(save.columns)) {
                names << c.name;
                values << c.sql;
                sets << c.name + QLatin1Char('=') + c.sql;
            }
            // A database without its SysInfo row gets one.
            const QString sql = m_sysInfoExists
                ? QStringLiteral("UPDATE SysInfo SET ") + sets.join(QLatin1String(", "))
                : QStringLiteral("INSERT INTO SysInfo (%1) VALUES (%2)")
                      .arg(names.join(QLatin1String(", ")), values.join(QLatin1String(", ")));
            QSqlQuery q;
            if (!q.exec(sql)) {
                unit.rollback();
                Utility::showDBError(q);
                return;
            }
        }
        for (const PrefsSave::Log& log : qAsConst(save.logs))
            utils->logAction(log.action, log.info, QString(), log.type);
        utils->logAction(QStringLiteral("Config"), tr("Settings saved"), QString(), '0');
        if (!unit.commit())
            return;
    }

    for (const PrefsSave::Setting& s : qAsConst(save.settings)) {
        switch (s.value.typeId()) {
        case QMetaType::Bool:
            settings->writeEntry(s.key, s.value.toBool());
            break;
        case QMetaType::Int:
            settings->writeEntry(s.key, s.value.toInt());
            break;
        case QMetaType::Double:
            settings->writeEntry(s.key, s.value.toDouble());
            break;
        default:
            settings->writeEntry(s.key, s.value.toString());
        }
    }
    settings->sync();
    // The new tax rates, rounding, devices and printers take effect now.
    utils->initClass(true);
    utils->newDocPrint();
    // The language and the operator's style, as the sales window shows them.
    if (shop)
        shop->i18nInit();
    accept();
}
