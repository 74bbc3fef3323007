#include "core/floor/EndOfLevel.h"

#include "LevelTestData.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using K = ClockEffect::Kind;

std::vector<K> kinds(const EndOfLevelPlan& plan)
{
    std::vector<K> out;
    for (const ClockEffect& e : plan.effects)
        out.push_back(e.kind);
    return out;
}

std::vector<int> sounds(const EndOfLevelPlan& plan)
{
    std::vector<int> out;
    for (const ClockEffect& e : plan.effects)
        if (e.kind == K::Sound)
            out.push_back(e.sound);
    return out;
}

} // namespace

TEST(EndOfLevel, LevelTableSteps)
{
    struct {
        const char* name;
        Integer level;
        bool onBreak;
        std::vector<K> steps;
        std::vector<int> sounds;
        Integer nextLevel;
        bool nextOnBreak;
        Long nextMinutes;
    } const rows[] = {
        {"next level",
         1,
         false,
         {K::ShowZero, K::Sound, K::TableCheck, K::Advance, K::RefreshScreens, K::ResetTimer, K::StartClock, K::Redraw},
         {7},
         2,
         false,
         3},
        {"a break after the level: its length, the next blinds",
         2,
         false,
         {K::ShowZero, K::Sound, K::TableCheck, K::Sound, K::Advance, K::RefreshScreens, K::ResetTimer, K::StartClock,
          K::Redraw},
         {7, 9},
         3,
         true,
         10},
        {"end of the break: the level already shown",
         3,
         true,
         {K::ShowZero, K::Sound, K::TableCheck, K::Advance, K::ResetTimer, K::StartClock, K::Redraw},
         {7},
         3,
         false,
         4},
        {"last level: paused at 0:00", 4, false, {K::ShowZero, K::Sound, K::TableCheck, K::Pause}, {7}, 4, false, 5},
    };
    for (const auto& row : rows) {
        OpenTournament t;
        SetTestLevels(t, {{2}, {3, 10}, {4}, {5}});
        t.gblnOnBreak = row.onBreak;
        SetLevel(t, row.level);
        const EndOfLevelPlan plan = PlanEndOfLevel(t);
        EXPECT_EQ(kinds(plan), row.steps) << row.name;
        EXPECT_EQ(sounds(plan), row.sounds) << row.name;
        EXPECT_EQ(plan.next.gintBlindsLevel, row.nextLevel) << row.name;
        EXPECT_EQ(plan.next.gblnOnBreak, row.nextOnBreak) << row.name;
        EXPECT_EQ(plan.next.glngMinutesPerSession, row.nextMinutes) << row.name;
        EXPECT_EQ(plan.next.gdblBig, 20.0 * row.nextLevel) << row.name;
    }
}

TEST(EndOfLevel, Reminders)
{
    struct {
        const char* name;
        QString reminder;
        bool wait;
        bool onBreak;
        Integer mode;
        std::vector<K> before; // the steps ahead of the level change
    } const rows[] = {
        {"in the frame", "Colour up", false, false, 2, {K::ShowZero, K::Sound, K::TableCheck, K::Reminder}},
        {"waiting", "Colour up", true, false, 2, {K::ShowZero, K::Sound, K::TableCheck, K::Pause, K::Reminder}},
        {"blanks only", "   ", true, false, 2, {K::ShowZero, K::Sound, K::TableCheck}},
        {"not at the end of a break", "Colour up", true, true, 2, {K::ShowZero, K::Sound, K::TableCheck}},
        {"not when blinds double", "Colour up", true, false, 1, {K::ShowZero, K::Sound, K::TableCheck}},
    };
    for (const auto& row : rows) {
        OpenTournament t;
        SetTestLevels(t, {{2, 0, row.reminder, row.wait}, {3}});
        t.gblnOnBreak = row.onBreak;
        t.gintAutoDoubleBlind = row.mode;
        const std::vector<K> all = kinds(PlanEndOfLevel(t));
        EXPECT_EQ(std::vector<K>(all.begin(), all.begin() + long(row.before.size())), row.before) << row.name;
        EXPECT_EQ(std::count(all.begin(), all.end(), K::Reminder), long(row.before.back() == K::Reminder)) << row.name;
    }

    // On the last level the reminder shows before the clock stops.
    OpenTournament t;
    SetTestLevels(t, {{2, 0, "Pay the dealers", true}});
    const EndOfLevelPlan plan = PlanEndOfLevel(t);
    EXPECT_EQ(kinds(plan), (std::vector<K> {K::ShowZero, K::Sound, K::TableCheck, K::Pause, K::Reminder, K::Pause}));
    EXPECT_EQ(plan.effects[4].text, QStringLiteral("Pay the dealers"));
    EXPECT_TRUE(plan.effects[4].wait);
}

TEST(EndOfLevel, DoublingAndFixedBlinds)
{
    OpenTournament t;
    t.glngMinutesPerSession = 20;
    t.gdblSmall = 25;
    t.gdblBig = 50;
    t.gdblSmallRaise = 1;
    t.gdblBigRaise = 2;
    t.gdblAnte = 5;
    t.gblnOnBreak = true;

    t.gintAutoDoubleBlind = BlindModeDoubling;
    EndOfLevelPlan plan = PlanEndOfLevel(t);
    EXPECT_EQ(kinds(plan),
              (std::vector<K> {K::ShowZero, K::Sound, K::TableCheck, K::ResetTourney, K::Advance, K::RefreshScreens,
                               K::ResetTimer, K::StartClock, K::Redraw}));
    const LevelState doubled = plan.next;
    EXPECT_EQ((std::vector<double> {doubled.gdblSmall, doubled.gdblBig, doubled.gdblSmallRaise, doubled.gdblBigRaise,
                                    doubled.gdblAnte}),
              (std::vector<double> {50, 100, 2, 4, 10}));
    EXPECT_FALSE(doubled.gblnOnBreak);
    EXPECT_EQ(doubled.gstrNextBreak, QStringLiteral("NA"));
    EXPECT_EQ(doubled.glngMinutesPerSession, 20);

    t.gintAutoDoubleBlind = 0;
    plan = PlanEndOfLevel(t);
    EXPECT_EQ(
        kinds(plan),
        (std::vector<K> {K::ShowZero, K::Sound, K::TableCheck, K::ResetTourney, K::Advance, K::ResetTimer, K::Redraw}));
    EXPECT_EQ(plan.next.gdblBig, 50);
}
