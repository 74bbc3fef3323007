#pragma once

#include "core/floor/BreakLabel.h"
#include "core/floor/Countdown.h"
#include "core/floor/EndOfLevel.h"

#include <QString>
#include <optional>

class OpenTournament;
class ProgramSettings;
class SteadyClock;

// What the level clock shows, for the window to copy into its labels.
struct ClockFace {
    QString timerText = QStringLiteral("0:00"); // lblTimer
    bool timerVisible = true;
    QString noticeText; // lblFinished
    bool noticeVisible = false; // picFinished
    QString clockCaption = QStringLiteral("Clock: Not Started"); // btnClock
    NextBreakText nextBreak; // lblNextBreak and the classic summary's short form
};

// The window side of the level clock. Every call comes from inside one of
// the clock's operations; none may call back into the clock, except
// ReminderClosed once a waiting reminder is closed.
class LevelClockView {
public:
    virtual ~LevelClockView() = default;

    // The face, the running state or the level changed.
    virtual void clockChanged() { }
    // A level's reminder. With wait the end of the level goes on only when
    // the view calls ReminderClosed; without, it stays up while play goes on.
    virtual void showReminder(const QString& text, bool wait) = 0;
    // SetScreen(bReset) and RefreshScreens(bRefreshTables) of the display.
    virtual void setScreen(bool) { }
    virtual void refreshScreens(bool) { }
    // The table check at the end of a level.
    virtual void checkTables() { }
    // A level or break began: the tournament holds its level and blinds, and
    // the clock already runs (or stands) as the new level wants.
    virtual void levelBegan() { }
};

// The level clock of the tournament window: the countdown of the current
// level or break, its warnings and notices, and the end of each level. The
// countdown is measured on the steady clock in whole seconds. When a level
// runs out by itself, the next one counts from the moment the last reached
// 0:00, not from the tick that noticed it, so the clock keeps time over a
// whole day. While the end of a level is under way (a waiting reminder is
// up), ticks and commands do nothing.
class LevelClock {
public:
    LevelClock(OpenTournament& t, ProgramSettings& settings, SteadyClock& clock, LevelClockView& view);

    // Start (or continue); a countdown at 0:00 starts its full length again.
    void StartClock();
    // The director's start: StartClock, then the start sound.
    void ClockStart();
    void ClockPause();
    // Stopped at the full length of the current level or break.
    void ResetTimer();
    // Paused, with one more minute.
    void AddMinute();
    // Ends the current level or break at once, running or not.
    void SkipLevel();
    // The 500 ms tick of a running clock.
    void Tick();
    // The waiting reminder was closed: the end of the level goes on.
    void ReminderClosed();
    // Caption "Clock: Not Running" and no break running.
    void ResetTourney();
    // Works out the next-break texts again.
    void AdjustBreakLabel();
    // 1 "Clock: Running", 0 "Clock: Not Running", anything else nothing.
    void SetClockCaption(int intType);

    bool running() const { return mCountdown.running(); }
    Long secondsLeft() const { return mCountdown.secondsLeft(); }
    Long secondsAtStart() const { return mCountdown.secondsAtStart(); }
    bool endingLevel() const { return mEnding; }
    // Counted down from where it last started or was reset.
    bool hasMoved() const { return secondsLeft() != secondsAtStart(); }
    // Stopped at the full length of the current level, as a reset leaves it.
    bool atFullLength() const;
    const ClockFace& face() const { return mFace; }

private:
    // Runs a command of the director's, unless the end of a level is under way.
    template <typename Work>
    void command(Work&& work);
    void endOfLevel(std::optional<qint64> zeroMs);
    void runEffects();
    void pause();
    void resetTimer();
    void startClock();
    qint64 now() const;

    OpenTournament& mTournament;
    ProgramSettings& mSettings;
    SteadyClock& mClock;
    LevelClockView& mView;
    Countdown mCountdown;
    ClockFace mFace;

    // The end of a level under way
    bool mEnding = false;
    bool mAwaitingReminder = false;
    EndOfLevelPlan mPlan;
    std::size_t mNextEffect = 0;
    bool mAdvanced = false; // the plan moved the tournament to its next state
    std::optional<qint64> mRestartMs; // where the next level's count begins
};
