#include "core/floor/Levels.h"

#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"

#include <QtGlobal>
#include <cmath>

namespace {

// LevelState carries the tournament's own member names, so one copy serves
// both ways.
template <typename To, typename From>
void copyLevelFields(To& to, const From& from)
{
    to.gintBlindsLevel = from.gintBlindsLevel;
    to.gblnOnBreak = from.gblnOnBreak;
    to.glngMinutesPerSession = from.glngMinutesPerSession;
    to.gdblSmall = from.gdblSmall;
    to.gdblBig = from.gdblBig;
    to.gdblSmallRaise = from.gdblSmallRaise;
    to.gdblBigRaise = from.gdblBigRaise;
    to.gdblAnte = from.gdblAnte;
    to.gstrNextBreak = from.gstrNextBreak;
}

} // namespace

LevelState CurrentLevelState(const OpenTournament& t)
{
    LevelState s;
    copyLevelFields(s, t);
    return s;
}

void ApplyLevelState(OpenTournament& t, const LevelState& s) { copyLevelFields(t, s); }

long LevelCount(const OpenTournament& t)
{
    // The level arrays are always dimensioned together with the count.
    return qMin<long>(std::lround(t.gdblNumberLevels), t.gintLevelSessionTime.upper());
}

LevelState WithLevel(const OpenTournament& t, LevelState s, Integer intLevel)
{
    const long count = LevelCount(t);
    if (t.gintAutoDoubleBlind != BlindModeLevelTable || count < 1)
        return s;
    const auto level = static_cast<Integer>(qBound<long>(1, long(intLevel), count));
    s.gintBlindsLevel = level;
    if (level == 1)
        s.gblnOnBreak = false;
    // Whole minutes, a half to the even neighbour.
    s.glngMinutesPerSession = s.gblnOnBreak ? Clamped<Long>(t.gdblLevelBreakAfter[level - 1])
                                            : static_cast<Long>(t.gintLevelSessionTime[level]);
    s.gdblSmall = t.gdblLevelSmallBlind[level];
    s.gdblBig = t.gdblLevelBigBlind[level];
    s.gdblSmallRaise = t.gdblLevelSmallRaise[level];
    s.gdblBigRaise = t.gdblLevelBigRaise[level];
    s.gdblAnte = t.gdblLevelAnte[level];
    s.gstrNextBreak = QStringLiteral("None");
    return s;
}

LevelState WithNextBlinds(const OpenTournament& t, LevelState s)
{
    if (t.gintAutoDoubleBlind == BlindModeLevelTable) {
        const Integer next = s.gintBlindsLevel < LevelCount(t) ? Integer(s.gintBlindsLevel + 1) : s.gintBlindsLevel;
        return WithLevel(t, s, next);
    }
    if (t.gintAutoDoubleBlind == BlindModeDoubling) {
        for (double* amount : {&s.gdblBig, &s.gdblSmall, &s.gdblBigRaise, &s.gdblSmallRaise, &s.gdblAnte})
            *amount *= 2;
    }
    s.gstrNextBreak = QStringLiteral("NA");
    return s;
}

void SetLevel(OpenTournament& t, Integer intLevel) { ApplyLevelState(t, WithLevel(t, CurrentLevelState(t), intLevel)); }

void ResetTourney(OpenTournament& t) { t.gblnOnBreak = false; }

QString LevelCaption(const OpenTournament& t)
{
    if (t.gintAutoDoubleBlind != BlindModeLevelTable)
        return QString();
    return t.gblnOnBreak ? QStringLiteral("BREAK!") : QStringLiteral("Level %1").arg(t.gintBlindsLevel);
}
