#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class OpenTournament;

// How blinds advance (gintAutoDoubleBlind).
inline constexpr Integer BlindModeLevelTable = 2;
inline constexpr Integer BlindModeDoubling = 1;

// The part of the open tournament that moves from level to level.
struct LevelState {
    Integer gintBlindsLevel = 0;
    bool gblnOnBreak = false;
    Long glngMinutesPerSession = 0;
    double gdblSmall = 0;
    double gdblBig = 0;
    double gdblSmallRaise = 0;
    double gdblBigRaise = 0;
    double gdblAnte = 0;
    QString gstrNextBreak;

    bool operator==(const LevelState&) const = default;
};

LevelState CurrentLevelState(const OpenTournament& t);
void ApplyLevelState(OpenTournament& t, const LevelState& s);

// The number of levels in the level table, as a whole number.
long LevelCount(const OpenTournament& t);

// The state with intLevel current, in level-table mode; in the other modes
// the state as it is. The level is kept within the table, and a break needs
// a level before it, so no level outside the table is ever read. On a break
// the length is the previous level's break, else the level's own length; the
// blinds are the level's; the next-break text becomes "None".
LevelState WithLevel(const OpenTournament& t, LevelState s, Integer intLevel);
// The state after the blinds went up: doubled in doubling mode, the next
// level (never past the last) in level-table mode; "NA" for the next break
// in the other two modes.
LevelState WithNextBlinds(const OpenTournament& t, LevelState s);

// The same on the open tournament itself.
void SetLevel(OpenTournament& t, Integer intLevel);
// The clock's part of a fresh start: no break is running.
void ResetTourney(OpenTournament& t);

// The level caption: "Level 3", "BREAK!", or empty outside level-table mode.
QString LevelCaption(const OpenTournament& t);
