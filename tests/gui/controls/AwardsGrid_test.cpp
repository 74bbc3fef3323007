#include "gui/controls/AwardsGrid.h"

#include "gui/controls/ctlDataEntryGrid.h"

#include <gtest/gtest.h>

namespace {

OpenTournament threeAwards()
{
    OpenTournament t;
    t.gtypAwards.redim(1, 3);
    t.gtypAwards[1] = {11, 0, 0, QStringLiteral("High hand"), 20.5, 0.1, 0};
    t.gtypAwards[2] = {12, 1, 7, QStringLiteral("Bounty, Ann"), 25, 5, 9};
    t.gtypAwards[3] = {13, 0, 0, QStringLiteral("Last woman"), 1500, 0, 0};
    return t;
}

QStringList rowTexts(const ctlDataEntryGrid& g, long row)
{
    QStringList texts;
    for (long c = 0; c < g.Cols(); ++c)
        texts << g.TextMatrix(row, c);
    return texts;
}

} // namespace

TEST(AwardsGrid, ShowsTypePayoutAndPointsAndKeepsTheIdsHidden)
{
    ctlDataEntryGrid g;
    g.setRows(5);
    FormatAwardsGrid(g);
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(rowTexts(g, 0), QStringList({"", "", "", "Award Type", "Payout", "Points", ""}));
    const long widths[] = {0, 0, 0, 2500, 950, 950, 0};
    for (long c = 0; c < 7; ++c)
        EXPECT_EQ(g.ColWidth(c), widths[c]) << c;

    const OpenTournament t = threeAwards();
    FillAwardsGrid(g, false, t);
    ASSERT_EQ(g.Rows(), 4);
    EXPECT_EQ(rowTexts(g, 1), QStringList({"11", "0", "0", "High hand", "20.5", "0.1", "0"}));
    EXPECT_EQ(rowTexts(g, 2), QStringList({"12", "1", "7", "Bounty, Ann", "25", "5", "9"}));
    EXPECT_EQ(rowTexts(g, 3), QStringList({"13", "0", "0", "Last woman", "1500", "0", "0"}));

    FillAwardsGrid(g, true, t);
    ASSERT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 0), QStringLiteral("13"));

    OpenTournament allGiven = t;
    for (long i = 1; i <= 3; ++i)
        allGiven.gtypAwards[i].AwardedToPlayerID = 4;
    FillAwardsGrid(g, true, allGiven);
    EXPECT_EQ(g.Rows(), 1);
}
