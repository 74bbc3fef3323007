#include "core/floor/HandTimer.h"

#include "core/store/PlayEventSound.h"
#include "core/store/SoundRecord.h"

void HandTimer::Reset(int minutes)
{
    mCountdown.reset(static_cast<Long>(qBound(0, minutes, 0x7fffffff / 60) * 60));
    mText = ClockText(mCountdown.secondsLeft());
}

void HandTimer::StartPause(qint64 nowMs, int minutes)
{
    if (mCountdown.running()) {
        mCountdown.pause(nowMs);
        mText = ClockText(mCountdown.secondsLeft());
        return;
    }
    if (mCountdown.secondsLeft() < 1)
        Reset(minutes);
    mCountdown.start(nowMs);
}

bool HandTimer::Tick(qint64 nowMs)
{
    if (!mCountdown.running())
        return false;
    const Long left = mCountdown.tick(nowMs);
    mText = ClockText(left);
    if (left >= 1)
        return false;
    mCountdown.stopAtZero();
    PlayEventSound(SoundHandTimerElapsed);
    return true;
}

QString HandTimer::startPauseCaption() const
{
    return mCountdown.running() ? QStringLiteral("Pause") : QStringLiteral("Start");
}
