#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/ProgramSettings.h"

// Which rotation table applies: 0 before the start, 1 in play, 2 on a break,
// 3 when fewer than two players are still in. On level 1 the clock decides
// between 0 and 1 (has the countdown moved since it was last started, paused
// or reset, that is, do the seconds left differ from those at that moment?);
// the end of play is only recognised from level 2 on.
int RotationPhase(bool OnBreak, Integer BlindsLevel, int PlayersStillIn, bool ClockHasMoved);

// The next screen of a rotation step: the first screen after Current that
// rotates in the phase, wrapping to the start; Current itself when the phase
// rotates no screen at all.
Long NextRotationScreen(const RotationTable& Matrix, int Phase, Long Current);

// The rotation interval: the stored seconds when they are 1 to 59, else 10.
int RotationIntervalMs(Integer SecondsForRotation);

// The [Defaults] ShowToolbar text as a flag: 1, -1 and True (any case) show
// the toolbar, 0 and False hide it; anything else shows it.
bool ToolbarShownSetting(const QString& Text);
