#pragma once

#include "core/platform/ModelTypes.h"

#include <functional>

class OpenTournament;

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

// The closing steps of a save, on the tournament just saved (the open one;
// the window shows no other): its current level (gintBlindsLevel) and the
// rotating screens always, for a new tournament also the tournament's reset,
// the timer and the break label. Without the window the level's blinds, ante
// and minutes still become the tournament's current ones, and it is no
// longer on a break; the window shows them when it opens.
void RunSaveClosingSteps(OpenTournament& t, bool newTourney);
