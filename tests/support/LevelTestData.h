#pragma once

#include "core/floor/Levels.h"
#include "core/store/OpenTournament.h"

#include <initializer_list>

// One row of a test level table.
struct TestLevel {
    TestLevel(Integer minutes, double breakAfter = 0, const QString& reminder = QString(), bool wait = false)
        : minutes(minutes)
        , breakAfter(breakAfter)
        , reminder(reminder)
        , wait(wait)
    {
    }
    Integer minutes;
    double breakAfter;
    QString reminder;
    bool wait;
};

// Gives the tournament this level table in level-table mode, at level 1
// with no break running. Level n's blinds are 10n/20n.
inline void SetTestLevels(OpenTournament& t, std::initializer_list<TestLevel> levels)
{
    t.gintAutoDoubleBlind = BlindModeLevelTable;
    t.RedimLevels(static_cast<long>(levels.size()));
    long n = 0;
    for (const TestLevel& level : levels) {
        ++n;
        t.gintLevelSessionTime[n] = level.minutes;
        t.gdblLevelBreakAfter[n] = level.breakAfter;
        t.gdblLevelSmallBlind[n] = 10.0 * n;
        t.gdblLevelBigBlind[n] = 20.0 * n;
        t.gstrLevelReminder[n] = level.reminder;
        t.gblnLevelWaitOnReminder[n] = level.wait;
    }
    t.gblnOnBreak = false;
    SetLevel(t, 1);
}
