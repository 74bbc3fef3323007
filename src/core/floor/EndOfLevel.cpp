#include "core/floor/EndOfLevel.h"

#include "core/store/OpenTournament.h"
#include "core/store/SoundRecord.h"

EndOfLevelPlan PlanEndOfLevel(const OpenTournament& t)
{
    EndOfLevelPlan plan;
    auto& effects = plan.effects;
    auto step = [&](ClockEffect::Kind kind) { effects.push_back({kind, -1, QString(), false}); };
    auto sound = [&](int event) { effects.push_back({ClockEffect::Sound, event, QString(), false}); };

    LevelState next = CurrentLevelState(t);
    step(ClockEffect::ShowZero);
    sound(SoundEndOfLevel);
    step(ClockEffect::TableCheck);

    const bool levelTable = t.gintAutoDoubleBlind == BlindModeLevelTable;
    const Integer level = t.gintBlindsLevel;
    if (levelTable && !t.gblnOnBreak && !t.gstrLevelReminder.value(level).trimmed().isEmpty()) {
        const bool wait = t.gblnLevelWaitOnReminder[level];
        if (wait)
            step(ClockEffect::Pause);
        effects.push_back({ClockEffect::Reminder, -1, t.gstrLevelReminder[level], wait});
    }

    if (levelTable) {
        if (t.gblnOnBreak) {
            next.gblnOnBreak = false;
            next = WithLevel(t, next, level);
            step(ClockEffect::Advance);
        } else if (level >= LevelCount(t)) {
            step(ClockEffect::Pause);
            plan.next = next;
            return plan;
        } else {
            if (t.gdblLevelBreakAfter.value(level) > 0) {
                next.gblnOnBreak = true;
                sound(SoundStartOfBreak);
            }
            next = WithNextBlinds(t, next);
            step(ClockEffect::Advance);
            step(ClockEffect::RefreshScreens);
        }
        step(ClockEffect::ResetTimer);
        step(ClockEffect::StartClock);
    } else {
        step(ClockEffect::ResetTourney);
        next.gblnOnBreak = false;
        next = WithNextBlinds(t, next);
        step(ClockEffect::Advance);
        if (t.gintAutoDoubleBlind == BlindModeDoubling)
            step(ClockEffect::RefreshScreens);
        step(ClockEffect::ResetTimer);
        if (t.gintAutoDoubleBlind == BlindModeDoubling)
            step(ClockEffect::StartClock);
    }
    step(ClockEffect::Redraw);
    plan.next = next;
    return plan;
}
