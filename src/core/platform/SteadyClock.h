#pragma once

#include <QtGlobal>

// A clock that only ever moves forward at the pace of real time, whatever
// happens to the date and time of day: setting the system clock or a
// daylight-saving step moves neither a countdown nor its end. Tests install
// a clock they move by hand.
class SteadyClock {
public:
    virtual ~SteadyClock() = default;

    // Milliseconds since an origin of the clock's own choosing.
    virtual qint64 nowMs() const = 0;
};

// The program's steady clock. Until something else is installed, the
// system's monotonic clock is used.
SteadyClock& steadyClock();
void setSteadyClock(SteadyClock* clock);
