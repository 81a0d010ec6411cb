#pragma once

#include "kitchen/kitchenserver.h"

#include <QString>
#include <QStringList>

/**
 * The kitchen screens' settings (group /KitchenScreen of the settings
 * store): the address and port to serve on, the station keys, and the ages
 * at which a docket turns amber and red.
 */
struct KitchenSettings
{
    QString address;
    int port = 0;
    int amberMinutes = 0;
    int redMinutes = 0;
    QList<KitchenStation> stations;

    /** Reads the settings. A station without a key gets a new random one,
     *  written back, so that no screen is ever open to anyone. */
    static KitchenSettings read();

    KitchenServer::Options serverOptions() const;
    /** "Kitchen: http://host:port/kitchen?key=..." for every station. */
    QStringList addresses(quint16 port) const;
};
