#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

/**
 * A kitchen docket as the kitchen page draws it: the head of the docket
 * document (table, waiter, number) and its lines exactly as the printed
 * docket has them.
 */
namespace DocketCard {

/** The card of docket @p id ordered at @p ordered, from its document:
 *  id, table, waiter, sequence, invoice, ordered (milliseconds since the
 *  epoch) and lines, each with quantity, uom, text and kind: "main" (a line
 *  with a quantity of its own), "sub" (a modifier or remark under it) or
 *  "gap" (the blank between blocks). Texts are plain, not mark-up: the page
 *  sets them as text. An unreadable document gives a card without lines. */
QJsonObject fromDocument(int id, const QDateTime& ordered, const QString& document);

} // namespace DocketCard
