#pragma once

#include "core/platform/ModelTypes.h"

#include <functional>

// What the set-up wizard's save asks of the tournament window once the
// tournament is stored. The window registers its calls while it exists and
// takes them away when it goes; a call not registered is not made.
struct TournamentWindowCalls {
    std::function<void(Integer)> SetLevel;
    std::function<void()> SetRotatingScreenLocations;
    std::function<void()> ResetTourney;
    std::function<void()> ResetTimer;
    std::function<void()> AdjustBreakLabel;
};

void setTournamentWindowCalls(TournamentWindowCalls calls);
const TournamentWindowCalls& tournamentWindowCalls();

// The closing steps of a save: the level and the rotating screens always,
// for a new tournament also the tournament's reset, the timer and the break
// label.
void RunSaveClosingSteps(Integer level, bool newTourney);
