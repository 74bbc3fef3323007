#include "core/store/MoneyClaims.h"

#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

namespace {

const QString Dollars = QStringLiteral("$#,##0");

// Entrants who have paid these buy-ins, paid by percentages.
OpenTournament paid(std::initializer_list<double> buyins)
{
    OpenTournament t;
    t.gintPayAsPercentages = OpenTournament::PayPercentages;
    for (double b : buyins)
        t.gtypPlayers.append().TotalBuyin = b;
    return t;
}

void addBounty(OpenTournament& t, double payout)
{
    AwardRecord& a = t.gtypAwards.append();
    a.IsBounty = 1;
    a.Payout = payout;
}

} // namespace

// "Assign Bounty" asks, as the award dialog does, before winnings typed by
// hand take every player's winnings beyond the money taken in.
TEST(MoneyClaims, WinningsTypedByHandBeyondTheMoneyTakenInAreAskedAbout)
{
    OpenTournament t = paid({200, 200, 200});
    t.gtypPlayers[2].Payout = 100;
    const QString question = QStringLiteral("The players' winnings would come to $90,000,000,000,100, more than the "
                                            "money taken in ($600). Keep these winnings?");
    EXPECT_EQ(WinningsQuestion(t, 1, QStringLiteral("90000000000000"), Dollars), question);
    EXPECT_FALSE(WinningsQuestion(t, 1, QStringLiteral("500"), Dollars)) << "$600 in all";
    t.gtypPlayers[1].Payout = 900; // stored before: lowering it asks nothing
    EXPECT_FALSE(WinningsQuestion(t, 1, QStringLiteral("800"), Dollars));
}

// Bounties put on players as they are entered are told once they leave the
// places nothing, with where the automatic bounty is set; not when nobody
// has paid yet or the pool was gone before them.
TEST(MoneyClaims, EntrantBountiesThatLeaveThePlacesNothingAreTold)
{
    OpenTournament t = paid({50, 50});
    t.gdblAutoBountyDollars = 60;
    addBounty(t, 60);
    addBounty(t, 60);
    EXPECT_EQ(EntrantBountiesMessage(t, 2, 120, Dollars),
              QStringLiteral("With the automatic bounty of $60 on the 2 players just entered, the awards and bounties "
                             "come to $120, more than the money taken in ($100): the prize pool is $0 and every place "
                             "will pay $0. The automatic bounty is set in the tournament's settings, on page \"6. "
                             "Bounties\" (\"Bounty Amount $\")."));
    addBounty(t, 60);
    EXPECT_FALSE(EntrantBountiesMessage(t, 1, 60, Dollars)) << "the pool was gone before the third";

    OpenTournament unpaid = paid({0, 0});
    unpaid.gdblAutoBountyDollars = 5;
    addBounty(unpaid, 5);
    EXPECT_FALSE(EntrantBountiesMessage(unpaid, 1, 5, Dollars)) << "nobody has paid yet";

    OpenTournament fixed = paid({50});
    fixed.gintPayAsPercentages = OpenTournament::PayFixedAmounts;
    fixed.gintNumberPaid = 1;
    fixed.RedimPayouts();
    fixed.gdblPayout[1] = 40;
    fixed.gdblAutoBountyDollars = 60;
    addBounty(fixed, 60);
    EXPECT_EQ(EntrantBountiesMessage(fixed, 1, 60, Dollars),
              QStringLiteral("With the automatic bounty of $60 on the player just entered, the awards and bounties "
                             "come to $60, more than the money taken in ($50). The places are still paid their fixed "
                             "amounts ($40), so $100 will be paid out in all. The automatic bounty is set in the "
                             "tournament's settings, on page \"6. Bounties\" (\"Bounty Amount $\")."));
}
