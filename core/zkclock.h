#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

/**
 * The one source of "now" and "today", and of the one-second waits that
 * stations use to wait for each other. Tests pin the clock and shorten the
 * wait; the program never does.
 */
namespace ZkClock {

QDateTime now();
QDate today();

/** "yyyy-MM-dd hh:mm:ss", the form stored in every date-time column. */
QString nowText();
/** "yyyy-MM-dd", the form stored in every date column. */
QString todayText();

/** Waits @p seconds, keeping the event loop alive. */
void sleepSeconds(int seconds);

/** Tests: fix the clock at @p when; an invalid value lets it run again. */
void pin(const QDateTime& when);
/** Tests: replace the wait; an empty function restores the real one. */
void setSleeper(std::function<void(int)> sleeper);

} // namespace ZkClock
