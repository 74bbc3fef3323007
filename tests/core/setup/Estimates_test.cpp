#include "core/setup/Estimates.h"
#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

namespace {

QList<double> amounts(const QList<EstimatedPayout>& rows)
{
    QList<double> out;
    for (const EstimatedPayout& r : rows)
        out << r.Amount;
    return out;
}

} // namespace

TEST(Estimates, PercentagesRoundToTheUnitAndTheLeftoverLandsOnce)
{
    struct Case {
        const char* what;
        QStringList percents;
        long unit;
        QList<double> expected;
    };
    const Case cases[] = {
        {"plain", {"0", "50", "30", "20"}, 1, {0, 500, 300, 200}},
        {"a leftover below 0 never puts place 1 below place 2", {"0", "33.3", "33.3", "33.3"}, 5, {0, 335, 335, 330}},
        {"beyond the pool, the house last", {"1", "33.3", "33.3", "33.3"}, 5, {0, 335, 335, 330}},
        {"halves to even", {"0", "0", "6.25", "6.75"}, 5, {0, 870, 60, 70}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(amounts(CalcEstPayouts(1, c.percents, 1000, c.unit)), c.expected) << c.what;
    EXPECT_EQ(CalcEstPayouts(2, {"0", "A watch"}, 1000, 1)[1].Text, QStringLiteral("A watch"));

    EstimateInputs in;
    in.Players = 20;
    in.Buyin = 50;
    EXPECT_EQ(EstimatedPool(in, AwardsTotal({"x", "10"}, 2, QStringLiteral("5"), 20)), 1000 - 10 - 100);
    EXPECT_EQ(AwardsTotal({}, 1, QStringLiteral("5"), 20), 0) << "a bounty asked for each player takes nothing";
    // Awards beyond the money taken in leave a pool of 0, never a negative
    // payout: no players and a $50 award.
    in.Players = 0;
    EXPECT_EQ(EstimatedPool(in, 50), 0);
    EXPECT_EQ(amounts(CalcEstPayouts(1, {"0", "60", "30", "10"}, EstimatedPool(in, 50), 1)),
              (QList<double> {0, 0, 0, 0}));
}

TEST(Estimates, TotalsAndChips)
{
    EstimateInputs in {20, 4, 10, 50, 1000, 40, 800, 20, 500, 5};
    const EstimateTotals t = CalcEstBuyinTotals(in);
    EXPECT_EQ(t.Collected, 1000 + 160 + 200 + 100);
    EXPECT_EQ(t.Chips, 20000 + 3200 + 5000);
    const ChipEstimates c = CalcChipAmounts({{25, 8}, {100, 8}, {0, 0}}, 20, 1000);
    EXPECT_EQ(c.Needed, (QStringList {"160", "160", "0"}));
    EXPECT_EQ(c.Selected, 1000);
    EXPECT_TRUE(c.MatchesStartingChips);
}

TEST(Estimates, ReshapeAndChop)
{
    OpenTournament stored;
    stored.gintNumberPaid = 2;
    stored.RedimPayouts();
    stored.gdblPayout[1] = 70;
    stored.gsngPayoutPoints[1] = 2.5f;
    QList<PayoutRow> rows = ReshapePayoutRows({}, 3, true, stored, 0);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1].Payout, QStringLiteral("70"));
    EXPECT_EQ(rows[1].Points, QStringLiteral("2.5"));
    EXPECT_EQ(rows[3].Payout, QStringLiteral("0")) << "beyond the stored rows";
    rows[2].Payout = QStringLiteral("3o");
    rows[3].Payout = QStringLiteral(" ");
    rows[1].Points = QStringLiteral("2.5x");
    rows = ReshapePayoutRows(rows, 5, false, stored, 0);
    EXPECT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[1].Payout, QStringLiteral("70"));
    // A slip stays for Finish to refuse; only a blank reads 0.
    EXPECT_EQ(rows[2].Payout, QStringLiteral("3o"));
    EXPECT_EQ(rows[3].Payout, QStringLiteral("0"));
    EXPECT_EQ(rows[1].Points, QStringLiteral("2.5x"));

    // Stored as prizes: loading takes the stored texts; a reshape keeps what
    // the rows show, by the kind chosen now.
    stored.gintPayAsPercentages = 2;
    stored.gstrPayoutPrize[1] = QStringLiteral("Trophy");
    EXPECT_EQ(ReshapePayoutRows(rows, 2, true, stored, 2)[1].Payout, QStringLiteral("Trophy"));
    rows[1].Payout = QStringLiteral("Watch");
    EXPECT_EQ(ReshapePayoutRows(rows, 2, false, stored, 2)[1].Payout, QStringLiteral("Watch"));
    EXPECT_EQ(ReshapePayoutRows(rows, 2, false, stored, 1)[1].Payout, QStringLiteral("Watch"));

    QList<PayoutRow> chop {{"0", "0"}, {"500", "0"}, {"300", "0"}, {"200", "0"}};
    EXPECT_TRUE(ChopPot(chop, 3));
    EXPECT_EQ(chop[2].Payout, QStringLiteral("333.33"));
    QList<PayoutRow> bad {{"0", "0"}, {"500", "0"}, {"x", "0"}};
    EXPECT_FALSE(ChopPot(bad, 2));
    EXPECT_FALSE(ChopPot(bad, 4)) << "a place that has no row";
}
