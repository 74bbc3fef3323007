#pragma once

#include "core/platform/SteadyClock.h"

// A steady clock that stands still until a test moves it. Installs itself as
// the program's clock for its lifetime.
class ManualClock : public SteadyClock {
public:
    qint64 now = 1'000'000; // away from 0, so nothing relies on the origin

    ManualClock() { setSteadyClock(this); }
    ~ManualClock() override { setSteadyClock(nullptr); }
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    qint64 nowMs() const override { return now; }
    void advance(qint64 ms) { now += ms; }
};
