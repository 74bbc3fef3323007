#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

// A countdown in whole seconds, measured against a steady clock rather than
// counted in ticks: the seconds left are worked out afresh from the moment
// of the last start, so late or missed ticks never add up. The level clock
// and the hand timer each keep one. Times are the steady clock's
// milliseconds (SteadyClock::nowMs).
class Countdown {
public:
    // Stopped at a full length.
    void reset(Long seconds);
    // Runs from the given moment on; a running countdown is left as it is.
    void start(qint64 nowMs);
    // Stopped with the seconds left at that moment, so that the next start
    // goes on from there and paused time is never counted.
    void pause(qint64 nowMs);
    // Paused, then one minute more.
    void addMinute(qint64 nowMs);
    // Stopped at 0:00: the period is over, so the next start begins a full one.
    void stopAtZero();
    // Works out the seconds left of a running countdown; they go below 0 when
    // the end has passed.
    Long tick(qint64 nowMs);

    bool running() const { return mRunning; }
    Long secondsLeft() const { return mSecondsLeft; }
    Long secondsAtStart() const { return mSecondsAtStart; }
    // The moment a running countdown reaches (or reached) 0:00.
    qint64 zeroMs() const { return mStartMs + qint64(mSecondsAtStart) * 1000; }

private:
    Long mSecondsAtStart = 0; // seconds left at the last start, pause or reset
    Long mSecondsLeft = 0;
    qint64 mStartMs = 0; // the moment of the last start
    bool mRunning = false;
};

// Seconds left as the clock shows them, "m:ss" (9:05, 0:00); a time past
// the end shows as 0:00.
QString ClockText(Long secondsLeft);
