#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

/**
 * The state of the kitchen screens in the database (KitchenDockets): which
 * dockets each station shows, and its bumps and recalls. The tills write
 * the dockets; this side only reads them and sets Bumped, so two screens
 * of a station, or a restarted server, show the same. Every failed
 * statement is shown (Utility::showDBError) and makes the call return
 * false.
 */
namespace KitchenBoard {

/** A docket on a screen. */
struct Docket
{
    int id = 0;
    int station = 0; ///< 1 label, 2 kitchen
    QDateTime ordered;
    QString document;
};

/** The dockets not bumped, as (id, station), oldest order first. */
bool openDockets(QList<QPair<int, int>>* open);
/** The dockets of the given ids, in the order of @p ids. */
bool read(const QList<int>& ids, QList<Docket>* dockets);
/** Marks a docket of @p station done now. @p bumped tells whether it was
 *  on the screen: false for one bumped before or another station's. */
bool bump(int id, int station, bool* bumped);
/** Brings back the docket that @p station bumped last, of those bumped in
 *  the last @p hours; @p id gets it (0 when there is none). */
bool recall(int station, int* id, int hours = 12);

} // namespace KitchenBoard
