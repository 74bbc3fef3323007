#include "core/store/HomeStartup.h"

#include "TestSupport.h"
#include "core/store/OpenTournament.h"
#include "core/store/SettingsFile.h"

TEST(HomeStartup, ScreensNarrowerThan12000TwipsAreTooNarrow)
{
    EXPECT_TRUE(ScreenTooNarrow(799));
    EXPECT_FALSE(ScreenTooNarrow(800)); // exactly 12000 twips
}

using HomeStartupFiles = DataFolderTest;

TEST_F(HomeStartupFiles, LastSelectionSurvivesARestartAndFallsBackToNone)
{
    OpenTournament t;
    RestoreLastSelection(t);
    EXPECT_EQ(t.glngCurrentLeagueID, 0);
    EXPECT_EQ(t.glngCurrentTournamentID, 0);

    t.glngCurrentLeagueID = 4;
    t.glngCurrentTournamentID = 17;
    StoreLastSelection(t);
    OpenTournament next;
    RestoreLastSelection(next);
    EXPECT_EQ(next.glngCurrentLeagueID, 4);
    EXPECT_EQ(next.glngCurrentTournamentID, 17);

    WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("LastLeague"), QStringLiteral("garbage"));
    RestoreLastSelection(next);
    EXPECT_EQ(next.glngCurrentLeagueID, 0);
}

TEST_F(HomeStartupFiles, CustomerRoomIsOnTheProductWebSite)
{
    EXPECT_EQ(CustomerRoomAddress(), QString());
    WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("ProductWebSite"), QStringLiteral("https://example.org/"));
    EXPECT_EQ(CustomerRoomAddress(), QStringLiteral("https://example.org/customerroom/transfer.asp"));
}
