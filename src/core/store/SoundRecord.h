#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

// The events that can play a sound; gtypSounds is indexed by them.
enum SoundEvent : Integer {
    SoundStartClock = 0,
    SoundElimination = 1,
    SoundFiveMinutesLeft = 2,
    SoundTwoMinutesLeft = 3,
    SoundOneMinuteLeft = 4,
    SoundThirtySecondsLeft = 5,
    SoundTenSecondsLeft = 6,
    SoundEndOfLevel = 7,
    SoundTablesCanBeReduced = 8, // tables can be dropped or balanced
    SoundStartOfBreak = 9,
    SoundRebuy = 10,
    SoundHandTimerElapsed = 11,
};
inline constexpr int SoundEventCount = 12;

// What an event plays.
struct SoundRecord {
    enum : Long { None = 0, Beep = 1, WaveFile = 2 };
    Long Kind = None;
    QString FileName; // the wave file, for Kind WaveFile
    bool Played = false; // a warning already played in this level
};
