#include "core/platform/SteadyClock.h"

#include <QElapsedTimer>

namespace {

class MonotonicClock final : public SteadyClock {
public:
    MonotonicClock() { mTimer.start(); }
    qint64 nowMs() const override { return mTimer.elapsed(); }

private:
    QElapsedTimer mTimer;
};

SteadyClock& systemClock()
{
    static MonotonicClock clock;
    return clock;
}

SteadyClock* gSteadyClock = nullptr;

} // namespace

SteadyClock& steadyClock() { return gSteadyClock ? *gSteadyClock : systemClock(); }

void setSteadyClock(SteadyClock* clock) { gSteadyClock = clock; }
