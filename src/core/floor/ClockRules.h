#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <QTime>
#include <array>

class ProgramSettings;

// A warning sound: its event plays when this many seconds are left.
struct TimerWarning {
    Long seconds;
    int event;
};
// In the order the tick checks them.
inline constexpr std::array<TimerWarning, 5> TimerWarnings {{{300, 2}, {120, 3}, {60, 4}, {30, 5}, {10, 6}}};

// Plays a warning once per level: when the time left reaches the warning's
// interval, the warning has not played yet, and the countdown was last
// started with at least that much time. Time above the interval arms it again.
// True when it played.
bool CheckPlayTimerSound(ProgramSettings& settings, Long lngMinutesRemaining, Long lngSecondsRemaining,
                         Long lngSecondsAtInterval, int intEvent, Long lngSecondsInThisSession);

// What a tick does with the notice panel.
enum class NoticeChange { None, Show, Hide };

// The "N Minutes Remaining" notice: shown on the whole five minutes once the
// clock has run from its start (not on the break, and only with the setting
// on and no notice up); a notice up is taken down between :54 and :06, so
// the end-of-session notice of the last seconds stays.
NoticeChange FiveMinuteNotice(Long secondsAtStart, Long minutes, Long seconds, bool noticesOn, bool noticeVisible,
                              bool onBreak);
QString FiveMinuteNoticeText(Long minutes);

// The blinking notice of the last five seconds.
bool EndOfSessionNotice(Long secondsLeft, bool noticesOn);
QString EndOfSessionText(bool onBreak);

// The caption of the clock button: 1 running, 0 not running; any other value
// gives no caption (the button keeps its own).
QString ClockCaption(int intType);

// The wall clock as the summary shows it: "9:05 PM".
QString WallClockText(const QTime& time);
