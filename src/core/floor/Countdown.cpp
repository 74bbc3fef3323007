#include "core/floor/Countdown.h"

#include <QtGlobal>

void Countdown::reset(Long seconds)
{
    mRunning = false;
    mSecondsAtStart = mSecondsLeft = seconds;
}

void Countdown::start(qint64 nowMs)
{
    if (mRunning)
        return;
    mStartMs = nowMs;
    mRunning = true;
}

void Countdown::pause(qint64 nowMs)
{
    tick(nowMs);
    mRunning = false;
    mSecondsAtStart = mSecondsLeft;
}

void Countdown::addMinute(qint64 nowMs)
{
    pause(nowMs);
    mSecondsLeft += 60;
    mSecondsAtStart = mSecondsLeft;
}

void Countdown::stopAtZero()
{
    mRunning = false;
    mSecondsAtStart = mSecondsLeft = 0;
}

Long Countdown::tick(qint64 nowMs)
{
    if (mRunning) {
        // Whole seconds since the start; the clock never runs backwards, but
        // a start stamp given from elsewhere could lie ahead.
        const qint64 elapsed = qMax<qint64>(0, nowMs - mStartMs) / 1000;
        mSecondsLeft = static_cast<Long>(qMax<qint64>(qint64(mSecondsAtStart) - elapsed, -0x7fffffffLL));
    }
    return mSecondsLeft;
}

QString ClockText(Long secondsLeft)
{
    const Long shown = qMax<Long>(0, secondsLeft);
    return QStringLiteral("%1:%2").arg(shown / 60).arg(shown % 60, 2, 10, QLatin1Char('0'));
}
