#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/** One row of the action log as stored. */
struct ActionRow
{
    QString date; ///< "yyyy-MM-dd hh:mm:ss"
    QString action;
    QString who;
    QString info;
    QString status;
};

/** The action log, oldest first; fails the test when it cannot be read. */
QList<ActionRow> actionRows();

/** "ACTION|INFO" of the log rows, logins left out. */
QStringList actionLines();
