#include "core/zkclock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace {

QDateTime& pinned()
{
    static QDateTime when;
    return when;
}

std::function<void(int)>& sleeper()
{
    static std::function<void(int)> s;
    return s;
}

} // namespace

namespace ZkClock {

QDateTime now()
{
    return pinned().isValid() ? pinned() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

QString nowText()
{
    return now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString todayText()
{
    return today().toString(QStringLiteral("yyyy-MM-dd"));
}

void sleepSeconds(int seconds)
{
    if (sleeper()) {
        sleeper()(seconds);
        return;
    }
    QDeadlineTimer deadline(seconds * 1000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

void pin(const QDateTime& when)
{
    pinned() = when;
}

void setSleeper(std::function<void(int)> s)
{
    sleeper() = std::move(s);
}

} // namespace ZkClock
