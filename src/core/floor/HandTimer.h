#pragma once

#include "core/floor/Countdown.h"

#include <QString>

// The hand timer's countdown: a period of whole minutes that runs, pauses
// and continues, and stops at 0:00 with its sound; the next start after
// that runs a full period again.
class HandTimer {
public:
    // Stopped at a full period.
    void Reset(int minutes);
    // Pauses a running timer; starts a stopped one (a full period when it
    // stood at 0:00). The length is the one in force now.
    void StartPause(qint64 nowMs, int minutes);
    // The 100 ms tick: true when the period ran out with it.
    bool Tick(qint64 nowMs);

    bool running() const { return mCountdown.running(); }
    QString text() const { return mText; }
    // "Pause" while it runs, else "Start".
    QString startPauseCaption() const;

private:
    Countdown mCountdown;
    QString mText = ClockText(0);
};
