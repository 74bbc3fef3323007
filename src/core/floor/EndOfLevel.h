#pragma once

#include "core/floor/Levels.h"

#include <QString>
#include <vector>

class OpenTournament;

// One step of the end of a level, in the order the steps run.
struct ClockEffect {
    enum Kind {
        ShowZero, // the notice down, the timer at 0:00, the countdown stopped
        Sound, // PlayEventSound(sound)
        TableCheck, // whether tables can be dropped or must be balanced
        Reminder, // the level's reminder; with wait the rest waits for its OK
        Pause, // mnClockPause_Click
        ResetTourney, // caption "Clock: Not Running", no break
        Advance, // the tournament takes the plan's next state
        RefreshScreens, // RefreshScreens(False)
        ResetTimer, // mnClockReset_Click
        StartClock,
        Redraw, // SetScreen(True)
    };
    Kind kind;
    int sound = -1;
    QString text;
    bool wait = false;

    bool operator==(const ClockEffect&) const = default;
};

struct EndOfLevelPlan {
    std::vector<ClockEffect> effects;
    LevelState next; // the level, break and blinds that follow
};

// What ending the current level or break does. In level-table mode: the end
// of a break goes on with the level already shown; the last level pauses
// at 0:00 and goes no further; any other level starts its break (sound 9)
// or the next level. Doubling mode doubles the blinds and runs on; with no
// blind changes the clock stops at the full length. The table check follows
// the end-of-level sound.
EndOfLevelPlan PlanEndOfLevel(const OpenTournament& t);
