#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

namespace {

void fillSome(OpenTournament& t)
{
    t.glngCurrentTournamentID = 42;
    t.gintNumberPaid = 2;
    t.RedimPayouts();
    t.gdblPayout[1] = 60;
    t.gtypAwards.append(AwardRecord {});
    t.gtypPlayers.append(PlayerRecord {});
    t.gtypPlayers.append(PlayerRecord {});
    t.gdblBuyin = 20;
    t.gstrChipColor[0] = QStringLiteral("Red");
}

} // namespace

TEST(OpenTournamentModel, StartsEmpty)
{
    OpenTournament t;
    EXPECT_EQ(t.glngCurrentTournamentID, 0);
    EXPECT_EQ(t.gintPlayerCount(), 0);
    EXPECT_EQ(t.gintAwardCount(), 0);
    EXPECT_TRUE(t.gdblPayout.empty());
    EXPECT_EQ(t.gstrChipColor.lower(), 0);
    EXPECT_EQ(t.gstrChipColor.upper(), 9);
}

TEST(OpenTournamentModel, ResetLevelsGivesTheBuiltInTenLevels)
{
    OpenTournament t;
    t.RedimLevels(3);
    t.gstrLevelReminder[1] = QStringLiteral("old");
    t.gintBlindsLevel = 4;
    t.gdblBig = 77;
    t.ResetLevels();

    EXPECT_EQ(t.gdblNumberLevels, 10);
    EXPECT_EQ(t.gdblLevelBigBlind.upper(), 10);
    EXPECT_EQ(t.gblnLevelWaitOnReminder.upper(), 10);
    EXPECT_EQ(t.gdblLevelSmallBlind[1], 10);
    EXPECT_EQ(t.gdblLevelBigBlind[1], 15);
    EXPECT_EQ(t.gdblLevelSmallBlind[10], 1000);
    EXPECT_EQ(t.gdblLevelBigBlind[10], 2000);
    EXPECT_EQ(t.gintLevelSessionTime[10], 300);
    for (long level = 1; level <= 10; ++level) {
        const bool breakAfter = level == 2 || level == 4 || level == 6 || level == 8;
        EXPECT_EQ(t.gdblLevelBreakAfter[level], breakAfter ? 15 : 0) << level;
        if (level < 10) {
            EXPECT_EQ(t.gintLevelSessionTime[level], 30) << level;
        }
        EXPECT_EQ(t.gdblLevelAnte[level], 0);
        EXPECT_EQ(t.gstrLevelReminder[level], QString());
        EXPECT_FALSE(t.gblnLevelWaitOnReminder[level]);
    }
    // The current level is left for the next SetLevel.
    EXPECT_EQ(t.gintBlindsLevel, 4);
    EXPECT_EQ(t.gdblBig, 77);
}

TEST(OpenTournamentModel, ClearTournamentPlayersOnlyKeepsIdPayoutsAndAwards)
{
    OpenTournament t;
    fillSome(t);
    t.ClearTournament(true);
    EXPECT_EQ(t.gintPlayerCount(), 0);
    EXPECT_EQ(t.glngCurrentTournamentID, 42);
    EXPECT_EQ(t.gintNumberPaid, 2);
    EXPECT_EQ(t.gdblPayout[1], 60);
    EXPECT_EQ(t.gintAwardCount(), 1);
}

TEST(OpenTournamentModel, ClearTournamentWholeEmptiesPayoutsAndAwardsKeepsSettings)
{
    OpenTournament t;
    fillSome(t);
    t.ClearTournament(false);
    EXPECT_EQ(t.gintPlayerCount(), 0);
    EXPECT_EQ(t.glngCurrentTournamentID, 0);
    EXPECT_EQ(t.gintNumberPaid, 0);
    EXPECT_TRUE(t.gdblPayout.empty());
    EXPECT_TRUE(t.gstrPayoutPrize.empty());
    EXPECT_TRUE(t.gsngPayoutPoints.empty());
    EXPECT_TRUE(t.gdblCalculatedPayout.empty());
    EXPECT_EQ(t.gintAwardCount(), 0);
    EXPECT_EQ(t.gdblBuyin, 20);
    EXPECT_EQ(t.gstrChipColor[0], QStringLiteral("Red"));
}

TEST(OpenTournamentModel, ClearPlayersLeavesSettingsAndPayoutSettings)
{
    OpenTournament t;
    fillSome(t);
    t.ClearPlayers();
    EXPECT_EQ(t.gintPlayerCount(), 0);
    EXPECT_TRUE(t.gdblCalculatedPayout.empty());
    EXPECT_EQ(t.gdblPayout[1], 60);
    EXPECT_EQ(t.glngCurrentTournamentID, 42);
    EXPECT_EQ(t.gintAwardCount(), 1);
}

TEST(OpenTournamentModel, IndexOutsideTheBoundsIsAClearError)
{
    OpenTournament t;
    t.gtypPlayers.append(PlayerRecord {});
    EXPECT_NO_THROW(t.gtypPlayers[1]);
    EXPECT_THROW(t.gtypPlayers[0], std::out_of_range);
    EXPECT_THROW(t.gtypPlayers[2], std::out_of_range);
    EXPECT_THROW(t.gstrChipColor[10], std::out_of_range);
    EXPECT_THROW(t.gdblLevelBigBlind[1], std::out_of_range);
    t.gintNumberPaid = 3;
    t.RedimPayouts();
    EXPECT_NO_THROW(t.gdblPayout[0]);
    EXPECT_NO_THROW(t.gdblPayout[3]);
    EXPECT_THROW(t.gdblPayout[4], std::out_of_range);
    try {
        t.gdblPayout[-1];
        FAIL();
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "index -1 is outside 0..3");
    }
}
