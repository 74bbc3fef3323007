#include "core/floor/LevelClock.h"

#include "core/floor/ClockRules.h"
#include "core/platform/SteadyClock.h"
#include "core/store/OpenTournament.h"
#include "core/store/PlayEventSound.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SoundRecord.h"

LevelClock::LevelClock(OpenTournament& t, ProgramSettings& settings, SteadyClock& clock, LevelClockView& view)
    : mTournament(t)
    , mSettings(settings)
    , mClock(clock)
    , mView(view)
{
}

qint64 LevelClock::now() const { return mClock.nowMs(); }

template <typename Work>
void LevelClock::command(Work&& work)
{
    if (mEnding)
        return;
    work();
    mView.clockChanged();
}

void LevelClock::StartClock()
{
    command([this] { startClock(); });
}

void LevelClock::ClockStart()
{
    command([this] { startClock(); });
    if (!mEnding)
        PlayEventSound(mSettings, SoundStartClock);
}

void LevelClock::ClockPause()
{
    command([this] { pause(); });
}

void LevelClock::ResetTimer()
{
    command([this] { resetTimer(); });
}

void LevelClock::AddMinute()
{
    command([this] {
        pause();
        mCountdown.addMinute(now());
        mFace.timerText = ClockText(mCountdown.secondsLeft());
    });
}

void LevelClock::SkipLevel() { endOfLevel(std::nullopt); }

void LevelClock::ResetTourney()
{
    SetClockCaption(0);
    ::ResetTourney(mTournament);
    mView.clockChanged();
}

void LevelClock::AdjustBreakLabel()
{
    mFace.nextBreak = ::AdjustBreakLabel(mTournament, mCountdown.secondsLeft());
    mView.clockChanged();
}

void LevelClock::SetClockCaption(int intType)
{
    const QString caption = ClockCaption(intType);
    if (!caption.isEmpty())
        mFace.clockCaption = caption;
}

void LevelClock::Tick()
{
    if (mEnding || !mCountdown.running())
        return;
    const Long left = mCountdown.tick(now());
    const Long shown = qMax<Long>(0, left);
    const Long minutes = shown / 60;
    const Long seconds = shown % 60;
    mFace.timerText = ClockText(shown);

    switch (FiveMinuteNotice(mCountdown.secondsAtStart(), minutes, seconds, mSettings.gint5MinNotice == 1,
                             mFace.noticeVisible, mTournament.gblnOnBreak)) {
    case NoticeChange::Show:
        mFace.noticeText = FiveMinuteNoticeText(minutes);
        mFace.noticeVisible = true;
        break;
    case NoticeChange::Hide:
        mFace.noticeVisible = false;
        mView.setScreen(true);
        break;
    case NoticeChange::None:
        break;
    }

    // The last minute blinks.
    if (left < 60)
        mFace.timerVisible = !mFace.timerVisible;

    for (const TimerWarning& warning : TimerWarnings)
        CheckPlayTimerSound(mSettings, minutes, seconds, warning.seconds, warning.event, mCountdown.secondsAtStart());

    mFace.nextBreak = ::AdjustBreakLabel(mTournament, left);

    if (EndOfSessionNotice(left, mSettings.gintNotifyEndOfSession == 1)) {
        mFace.timerVisible = true;
        mFace.noticeText = EndOfSessionText(mTournament.gblnOnBreak);
        mFace.noticeVisible = !mFace.noticeVisible;
    }
    mView.clockChanged();

    if (left < 1)
        endOfLevel(mCountdown.zeroMs());
}

void LevelClock::endOfLevel(std::optional<qint64> zeroMs)
{
    if (mEnding)
        return;
    mEnding = true;
    mRestartMs = zeroMs;
    mPlan = PlanEndOfLevel(mTournament);
    mNextEffect = 0;
    mAdvanced = false;
    runEffects();
}

void LevelClock::ReminderClosed()
{
    if (!mAwaitingReminder)
        return;
    mAwaitingReminder = false;
    runEffects();
}

void LevelClock::runEffects()
{
    while (mNextEffect < mPlan.effects.size()) {
        const ClockEffect& effect = mPlan.effects[mNextEffect++];
        switch (effect.kind) {
        case ClockEffect::ShowZero:
            mFace.noticeVisible = false;
            mFace.timerText = ClockText(0);
            mFace.timerVisible = true;
            mCountdown.stopAtZero();
            break;
        case ClockEffect::Sound:
            PlayEventSound(mSettings, effect.sound);
            break;
        case ClockEffect::TableCheck:
            mView.checkTables();
            break;
        case ClockEffect::Reminder:
            if (effect.wait) {
                // The next level counts from the director's OK.
                mRestartMs.reset();
                mAwaitingReminder = true;
                mView.clockChanged();
                mView.showReminder(effect.text, true);
                return;
            }
            mView.showReminder(effect.text, false);
            break;
        case ClockEffect::Pause:
            pause();
            break;
        case ClockEffect::ResetTourney:
            SetClockCaption(0);
            ::ResetTourney(mTournament);
            break;
        case ClockEffect::Advance:
            ApplyLevelState(mTournament, mPlan.next);
            mAdvanced = true;
            break;
        case ClockEffect::RefreshScreens:
            mView.refreshScreens(false);
            break;
        case ClockEffect::ResetTimer:
            resetTimer();
            break;
        case ClockEffect::StartClock:
            startClock();
            break;
        case ClockEffect::Redraw:
            mView.setScreen(true);
            break;
        }
    }
    mEnding = false;
    mRestartMs.reset();
    // The next break as the level now in force sees it, before the first tick.
    mFace.nextBreak = ::AdjustBreakLabel(mTournament, mCountdown.secondsLeft());
    mView.clockChanged();
    // Last, so that whatever the view does with it finds the clock running.
    if (mAdvanced)
        mView.levelBegan();
}

void LevelClock::pause()
{
    mFace.noticeVisible = false;
    mCountdown.pause(now());
    mFace.timerText = ClockText(mCountdown.secondsLeft());
    mFace.timerVisible = true;
    SetClockCaption(0);
}

void LevelClock::resetTimer()
{
    mCountdown.reset(mTournament.glngMinutesPerSession * 60);
    mFace.timerText = QStringLiteral("%1:00").arg(mTournament.glngMinutesPerSession);
    SetClockCaption(0);
    mFace.timerVisible = true;
}

bool LevelClock::atFullLength() const
{
    return !running() && secondsAtStart() == mTournament.glngMinutesPerSession * 60;
}

void LevelClock::startClock()
{
    if (mCountdown.secondsLeft() < 1)
        resetTimer();
    SetClockCaption(1);
    mCountdown.start(mRestartMs.value_or(now()));
    mFace.timerVisible = true;
}
