#include "FieldBuilder.h"
#include "core/setup/NewTournament.h"
#include "core/store/OpenTournament.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(NewTournament, BlankDefaults)
{
    // Whatever was open before leaves nothing behind.
    OpenTournament before = FieldOf(5, 9);
    before.gintStartingChipCount[2] = 40;
    before.gstrChipPicture[7] = QStringLiteral("old.png");
    const OpenTournament t = makeBlankTournament(QDate(2023, 9, 3));

    EXPECT_EQ(t.gdblNumberLevels, 10);
    EXPECT_EQ(t.gdblSmall, 25);
    EXPECT_EQ(t.gdblBig, 50);
    EXPECT_EQ(t.gintNumberPaid, 3);
    EXPECT_EQ(t.gdblPayout[1] + t.gdblPayout[2] * 10 + t.gdblPayout[3] * 100, 60 + 300 + 1000);
    EXPECT_EQ(t.gstrChipColor[3], QStringLiteral("Black"));
    EXPECT_EQ(t.gstrChipColor[4], QStringLiteral("Not Used"));
    EXPECT_EQ(t.gintStartingChipCount[2], 0);
    EXPECT_EQ(t.gstrChipPicture[7], QString());
    EXPECT_EQ(t.gintAllowRebuys + t.gintAllowAddons, 0);
    EXPECT_EQ(t.gintPlayerCount() + t.gintAwardCount(), 0);
    EXPECT_EQ(t.gvarTournamentDate.toDateTime().date(), QDate(2023, 9, 3))
        << "a day whose local midnight may not exist";
    EXPECT_EQ(SampleRules(),
              QStringLiteral("Sample Tournament Rules\r\n\r\n1.  Minimum bet is the big blind.\r\n\r\n2.  "
                             "Check raising is allowed.\r\n\r\n3.  One card is burned before the flop, "
                             "turn, and river."));
    EXPECT_TRUE(SampleCustomMessage().endsWith(QStringLiteral("Where:  Varnel's\r\n\r\n")));
}

TEST(NewTournament, CopyKeepsSettingsAndLeavesTheSourceAlone)
{
    OpenTournament source = FieldOf(4, 9);
    source.glngCurrentTournamentID = 12;
    source.gstrTournamentName = QStringLiteral("Week 3");
    source.gintBlindsLevel = 6;
    source.gdblBuyin = 55;
    source.gtypAwards.append({7, 1, 2, QStringLiteral("Bounty"), 10, 1, 3});
    const OpenTournament copy = prepareCopy(source, QDate(2026, 12, 9));
    EXPECT_EQ(copy.glngCurrentTournamentID, 0);
    EXPECT_EQ(copy.gstrTournamentName, QString());
    EXPECT_EQ(copy.gintBlindsLevel, 1);
    EXPECT_EQ(copy.gdblBuyin, 55);
    EXPECT_EQ(copy.gintPlayerCount(), 0);
    EXPECT_EQ(copy.gtypAwards[1].AwardedToPlayerID, 0);
    EXPECT_EQ(source.gtypAwards[1].AwardedToPlayerID, 3);
    EXPECT_EQ(source.gstrTournamentName, QStringLiteral("Week 3"));
}
