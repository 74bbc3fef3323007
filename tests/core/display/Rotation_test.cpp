#include "core/display/Rotation.h"
#include "core/store/ScreenCatalogue.h"

#include "TestSupport.h"

#include <set>

namespace {

struct PhaseCase {
    bool onBreak;
    Integer level;
    int stillIn;
    bool moved;
    int phase;
};

} // namespace

TEST(ScreenControllerRotation, PhaseFollowsBreakLevelClockAndPlayersLeft)
{
    const PhaseCase cases[] = {
        {false, 1, 10, false, 0}, // the clock has not moved
        {false, 1, 10, true, 1},  {false, 1, 1, true, 1}, // level 1 never ends the tournament
        {false, 1, 0, false, 0},  {false, 2, 2, false, 1}, {false, 2, 1, false, 3},
        {false, 7, 0, true, 3},   {true, 1, 10, false, 2}, // a break wins over everything
        {true, 5, 1, true, 2},
    };
    for (const PhaseCase& c : cases)
        EXPECT_EQ(RotationPhase(c.onBreak, c.level, c.stillIn, c.moved), c.phase)
            << "break " << c.onBreak << " level " << c.level << " in " << c.stillIn << " moved " << c.moved;
}

TEST(ScreenControllerRotation, NextScreenSearchesOnThenWrapsAndKeepsAnEmptyPhase)
{
    RotationTable m {};
    for (int s : {0, 4, 10})
        m[1][s] = 1;
    m[2][7] = 1; // a lone screen
    // phase 3 rotates nothing
    struct {
        int phase;
        Long current, next;
    } cases[] = {
        {1, 0, 4}, {1, 4, 10}, {1, 10, 0}, {1, 15, 0}, {1, 5, 10},
        {2, 7, 7}, {2, 15, 7}, {2, 0, 7},  {3, 9, 9},  {3, 15, 15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextRotationScreen(m, c.phase, c.current), c.next) << "phase " << c.phase << " from " << c.current;
}

TEST(ScreenControllerRotation, IntervalIsNeverZero)
{
    for (auto [seconds, ms] : std::initializer_list<std::pair<Integer, int>> {
             {1, 1000}, {59, 59000}, {10, 10000}, {0, 10000}, {60, 10000}, {-5, 10000}})
        EXPECT_EQ(RotationIntervalMs(seconds), ms) << seconds;
}

TEST(ScreenControllerRotation, ToolbarSettingReadsTheUsualFlags)
{
    for (const char* shown : {"1", "-1", "True", "TRUE", "true", "", "yes", "2"})
        EXPECT_TRUE(ToolbarShownSetting(QString::fromLatin1(shown))) << shown;
    for (const char* hidden : {"0", "False", "fALSE", " 0 "})
        EXPECT_FALSE(ToolbarShownSetting(QString::fromLatin1(hidden))) << hidden;
}

TEST(ScreenControllerCatalogue, SixteenScreensEachOnceWithToggleAndViewCaption)
{
    std::set<Long> ids;
    for (const ScreenEntry& s : ScreenCatalogue())
        ids.insert(s.Id);
    EXPECT_EQ(ids.size(), 16u);
    EXPECT_EQ(*ids.begin(), 0);
    EXPECT_EQ(*ids.rbegin(), 15);
    EXPECT_EQ(ViewButtonCaption(0), QStringLiteral("View: &Players"));
    EXPECT_EQ(ViewButtonCaption(1), QStringLiteral("View: Summary Style &1"));
    EXPECT_EQ(ViewButtonCaption(8), QStringLiteral("View: Summary Style &3"));
    EXPECT_EQ(NextToggleScreen(14), 15);
    EXPECT_EQ(NextToggleScreen(15), 0);
    EXPECT_TRUE(IsStoredRichText(QStringLiteral("<!DOCTYPE HTML PUBLIC><html>")));
    EXPECT_FALSE(IsStoredRichText(QStringLiteral("No rebuys after level 4 <b>ever</b>")));
}
