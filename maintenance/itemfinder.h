#pragma once

#include <QList>
#include <QString>

/**
 * Finds inventory items by what the operator types, the way the back-office
 * dialogs look them up: an exact code or description first, then the
 * descriptions that start with the text, then those that hold it. Case does
 * not matter. Each step is one statement an index serves, save the last,
 * which runs only when the others found nothing.
 */
namespace ItemFinder {

struct Match
{
    QString code;
    QString description;
};

/** What a search found. */
struct Found
{
    QList<Match> matches; ///< by description, at most the limit asked for
    bool exact = false; ///< the first match is the text itself
};

/** Looks @p text up; with @p byCode an exact code counts as well as an
 *  exact description. False after a failed statement (shown). */
bool find(const QString& text, bool byCode, int limit, Found* found);

} // namespace ItemFinder
