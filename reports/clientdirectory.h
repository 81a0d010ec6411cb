#pragma once

#include <QHash>
#include <QString>

/**
 * The names and numbers of the client accounts, read once for a report that
 * lists accounts found in the ledger or the lines: one read of Clients
 * instead of one a row. An account that was purged keeps its number and an
 * empty name.
 */
class ClientDirectory
{
public:
    struct Client
    {
        QString name, phone, cell;
    };

    /** Reads every client; false after a failed statement (shown). */
    bool load();
    Client client(int account) const { return m_clients.value(account); }

private:
    QHash<int, Client> m_clients;
};
