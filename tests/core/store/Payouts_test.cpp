#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

void addEntrants(OpenTournament& t, int count, double buyin)
{
    for (int i = 0; i < count; ++i) {
        PlayerRecord p;
        p.TotalBuyin = buyin;
        t.gtypPlayers.append(p);
    }
}

void setPayouts(OpenTournament& t, bool percentages, Integer roundTo, std::initializer_list<double> rows)
{
    t.gintPayAsPercentages = percentages ? 1 : 0;
    t.gintRoundTo = roundTo;
    t.gintNumberPaid = static_cast<Integer>(rows.size() - 1);
    t.RedimPayouts();
    long k = 0;
    for (double v : rows)
        t.gdblPayout[k++] = v;
}

double sum(const OpenTournament& t)
{
    double s = 0;
    for (double v : t.gdblCalculatedPayout)
        s += v;
    return s;
}

} // namespace

TEST(CalculatePayouts, AmountsAreUsedAsEnteredWhateverThePool)
{
    OpenTournament t;
    addEntrants(t, 3, 35);
    setPayouts(t, false, 10, {7.5, 300, 123.45});
    CalculatePayouts(t);
    ASSERT_EQ(t.gdblCalculatedPayout.upper(), 2);
    EXPECT_EQ(t.gdblCalculatedPayout[0], 7.5);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 300);
    EXPECT_EQ(t.gdblCalculatedPayout[2], 123.45);
}

TEST(CalculatePayouts, WinnerTakesTheRoundingWhenTheHouseHasNoShare)
{
    OpenTournament t;
    addEntrants(t, 3, 35); // pool 105
    setPayouts(t, true, 10, {0, 50, 30, 20});
    CalculatePayouts(t);
    EXPECT_EQ(t.gdblCalculatedPayout[3], 20);
    EXPECT_EQ(t.gdblCalculatedPayout[2], 30);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 55);
    EXPECT_EQ(t.gdblCalculatedPayout[0], 0);
}

TEST(CalculatePayouts, HouseTakesANegativeRemainder)
{
    OpenTournament t;
    addEntrants(t, 3, 35); // pool 105
    setPayouts(t, true, 10, {10, 50, 25, 15});
    CalculatePayouts(t);
    EXPECT_EQ(t.gdblCalculatedPayout[3], 20);
    EXPECT_EQ(t.gdblCalculatedPayout[2], 30);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 50);
    EXPECT_EQ(t.gdblCalculatedPayout[0], 5);
    EXPECT_EQ(sum(t), 105);
}

TEST(CalculatePayouts, AwardsComeOutOfThePoolGivenOrNot)
{
    OpenTournament t;
    addEntrants(t, 10, 100); // 1000
    AwardRecord bounty;
    bounty.Payout = 50;
    t.gtypAwards.append(bounty); // not given yet
    setPayouts(t, true, 1, {0, 100});
    CalculatePayouts(t);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 950);
}

TEST(CalculatePayouts, ThePoolCountsRebuysAndAddonsButNotHouseFees)
{
    OpenTournament t;
    PlayerRecord p;
    p.TotalBuyin = 20;
    p.TotalRebuy = 20;
    p.TotalAddon = 10;
    p.HouseFee = 5;
    t.gtypPlayers.append(p);
    p.Finish = 2; // finished entrants count too
    t.gtypPlayers.append(p);
    EXPECT_EQ(PrizePool(t), 100);
}

TEST(CalculatePayouts, HalvesRoundToEvenUnits)
{
    OpenTournament t;
    addEntrants(t, 1, 50); // pool 50
    setPayouts(t, true, 10, {0, 50, 50}); // 25 each: 2.5 units round to 2
    CalculatePayouts(t);
    EXPECT_EQ(t.gdblCalculatedPayout[2], 20);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 30);
}

TEST(CalculatePayouts, ZeroAndMissingInputsHaveADefinedResult)
{
    OpenTournament t;
    addEntrants(t, 3, 35);

    // A rounding unit of 0 pays to the unit instead of dividing by zero.
    setPayouts(t, true, 0, {0, 60, 40});
    CalculatePayouts(t);
    EXPECT_EQ(t.gdblCalculatedPayout[2], 42);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 63);

    // No paid place: the house row is the only one and takes the pool.
    setPayouts(t, true, 10, {0});
    CalculatePayouts(t);
    ASSERT_EQ(t.gdblCalculatedPayout.upper(), 0);
    EXPECT_EQ(t.gdblCalculatedPayout[0], 105);

    // Fewer settings than paid places (after ClearTournament, say): missing rows pay 0.
    t.gintNumberPaid = 2;
    t.gdblPayout.clear();
    CalculatePayouts(t);
    ASSERT_EQ(t.gdblCalculatedPayout.upper(), 2);
    EXPECT_EQ(t.gdblCalculatedPayout[1], 105);
    EXPECT_EQ(t.gdblCalculatedPayout[2], 0);

    // A negative count of paid places leaves nothing to compute.
    t.gintNumberPaid = -1;
    CalculatePayouts(t);
    EXPECT_TRUE(t.gdblCalculatedPayout.empty());

    // Awards beyond the money taken in leave nothing to share, never a
    // negative payout: no entrants and a $50 award pay 0 everywhere.
    OpenTournament empty;
    AwardRecord award;
    award.Payout = 50;
    empty.gtypAwards.append(award);
    setPayouts(empty, true, 1, {0, 60, 30, 10});
    CalculatePayouts(empty);
    EXPECT_EQ(PrizePool(empty), 0);
    for (long k = 0; k <= 3; ++k)
        EXPECT_EQ(empty.gdblCalculatedPayout.value(k), 0) << k;
}

TEST(CalculatePayouts, SharesBeyondThePoolPayFromPlaceOneDownNeverBelowZero)
{
    // Stored before Finish refused them, or changed outside the program.
    struct Case {
        const char* what;
        int entrants; // at $200 each
        Integer unit;
        std::initializer_list<double> percents; // the house first
        std::vector<double> expected;
        bool toMend;
    };
    const Case cases[] = {
        {"50/60/70 %", 3, 1, {0, 50, 60, 70}, {0, 300, 300, 0}, true},
        {"the house last", 5, 5, {1, 33.3, 33.3, 33.3}, {0, 335, 335, 330}, true},
        {"one place above 100 %", 3, 1, {0, 150, 20}, {0, 600, 0}, true},
        {"rounding down leaves some for place 1", 5, 100, {0, 34, 34, 34}, {0, 400, 300, 300}, true},
        {"a stored share below 0 pays nothing", 5, 1, {0, 110, -10}, {0, 1000, 0}, true},
        {"within 100 %, rounding up the others", 5, 5, {0, 0, 33.3, 33.3, 33.3}, {0, 0, 335, 335, 330}, false},
    };
    for (const Case& c : cases) {
        OpenTournament t;
        addEntrants(t, c.entrants, 200);
        setPayouts(t, true, c.unit, c.percents);
        CalculatePayouts(t);
        std::vector<double> paid(t.gdblCalculatedPayout.begin(), t.gdblCalculatedPayout.end());
        EXPECT_EQ(paid, c.expected) << c.what;
        EXPECT_EQ(sum(t), PrizePool(t)) << c.what;
        EXPECT_EQ(PayoutsToMend(t, QStringLiteral("$#,##0")).has_value(), c.toMend) << c.what;
    }
}

TEST(CalculatePayouts, RoundingNeverPaysAPlaceLessThanOneBelowIt)
{
    // Within 100 %: the rest of the rounding goes to place 1 (or the house),
    // in cents, and never leaves place 1 below a place under it whose
    // percentage is no higher, nor the house below 0.
    struct Case {
        const char* what;
        int entrants;
        double buyin;
        Integer unit;
        std::initializer_list<double> percents; // the house first
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"each share rounds up", 11, 70, 100, {0, 34, 33, 33}, {0, 370, 200, 200}},
        {"the house takes the rest", 11, 70, 100, {1, 33, 33, 33}, {70, 300, 200, 200}},
        {"a larger share below", 5, 200, 5, {0, 33.3, 33.3, 33.4}, {0, 335, 330, 335}},
        {"equal shares", 5, 200, 5, {0, 33.3, 33.3, 33.3}, {0, 335, 335, 330}},
        {"a pool in cents", 7, 12.10, 1, {0, 50, 30, 20}, {0, 42.7, 25, 17}},
        {"a pool in cents to the house", 7, 12.10, 1, {0.5, 50, 30, 19.5}, {0.7, 42, 25, 17}},
        {"an ordinary case stands", 3, 35, 10, {0, 50, 30, 20}, {0, 55, 30, 20}},
        {"a place with less above a place with more", 11, 70, 100, {0, 20, 40, 40}, {0, 170, 300, 300}},
    };
    for (const Case& c : cases) {
        OpenTournament t;
        addEntrants(t, c.entrants, c.buyin);
        setPayouts(t, true, c.unit, c.percents);
        CalculatePayouts(t);
        std::vector<double> paid(t.gdblCalculatedPayout.begin(), t.gdblCalculatedPayout.end());
        EXPECT_EQ(paid, c.expected) << c.what;
        EXPECT_EQ(sum(t), PrizePool(t)) << c.what;
    }
}

TEST(PayoutsToMend, NamesEveryPlayerWithWinningsBelowZeroAsStored)
{
    OpenTournament t;
    setPayouts(t, false, 1, {0, 100});
    const struct {
        const char* name;
        double payout;
    } players[] = {{"Ann", 0}, {"Bob Smith", -1180}, {"Cy", 25}, {"Di", -0.4}};
    for (const auto& p : players) {
        PlayerRecord& r = t.gtypPlayers.append();
        r.PlayerName = QString::fromLatin1(p.name);
        r.Payout = p.payout;
    }
    // The money format would show -0.4 as "$0".
    EXPECT_EQ(PayoutsToMend(t, QStringLiteral("$#,##0")).value_or(QString()).section(u'\n', 1, 2),
              QStringLiteral("Bob Smith: -$1,180\nDi: -0.4"));
    t.gtypPlayers[2].Payout = 0;
    t.gtypPlayers[4].Payout = 0;
    EXPECT_EQ(PayoutsToMend(t, QStringLiteral("$#,##0")), std::nullopt);
}
