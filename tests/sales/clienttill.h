#pragma once

// A till for the client account tests: the action log switched on, the
// client search running for real, an operator logged in and the client page
// in front.

#include "tests/sales/till.h"
#include "tests/support/actionrows.h"

#include <QSqlQuery>
#include <QStringList>
#include <QTest>

class ClientTill : public Till
{
public:
    explicit ClientTill(const QStringList& rights = {QStringLiteral("ModifyClient"), QStringLiteral("Discount")},
                        const QString& user = QStringLiteral("MARY"))
    {
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        utils->initClass(true);
        window->probeClientSearch = false;
        Till::setRights(user, rights);
        login(user);
        window->TabWidget2->setCurrentWidget(window->tab_6);
    }

    /** "ACTION|INFO" of the log rows written since the till was made. */
    static QStringList actions() { return actionLines(); }

    /** The account numbers the page lists, top to bottom. */
    QList<int> listed() const
    {
        QList<int> accounts;
        for (int i = 0; i < window->ClientListView->topLevelItemCount(); ++i)
            accounts << window->ClientListView->topLevelItem(i)->text(2).toInt();
        return accounts;
    }

    /** One column of a client row as stored. */
    static QString stored(int account, const QString& column)
    {
        return TestShop::value(QStringLiteral("SELECT %1 FROM Clients WHERE AccountNumber=%2").arg(column).arg(account))
            .toString();
    }
};
