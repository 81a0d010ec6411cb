#include "sales/sales.h"

#include "core/globals.h"
#include "core/utility.h"

#include <QLabel>

Sales::Sales(QWidget* parent, const char* name)
    : QMainWindow(parent)
{
    setObjectName(QString::fromLatin1(name));
    m_closedLabel = new QLabel(this);
    m_closedLabel->setObjectName(QStringLiteral("TillClosedLabel"));
    m_closedLabel->setAlignment(Qt::AlignCenter);
    setCentralWidget(m_closedLabel);
    resize(800, 600);
}

void Sales::showLoggedOut()
{
    setWindowTitle(tr("Brevalon - Waiting for login"));
    m_closedLabel->setText(QStringLiteral("<h1>") + utils->sysInfo().aline[0].toHtmlEscaped()
                           + QLatin1String(" - ") + tr("Till Closed") + QLatin1String("</h1>"));
}

void Sales::logout()
{
    showLoggedOut();
}
