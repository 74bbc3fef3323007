#include "core/setup/WizardAwards.h"

#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

namespace {

const QString Dollars = QStringLiteral("$#,##0");

// 20 players expected at $20: $400; three places at 50/30/20 %.
WizardMoney expected()
{
    WizardMoney m;
    m.Estimates.Players = 20;
    m.Estimates.Buyin = 20;
    m.PayoutKind = OpenTournament::PayPercentages;
    m.Payouts = {{"0", "0"}, {"50", "0"}, {"30", "0"}, {"20", "0"}};
    return m;
}

AwardEntry award(const char* dollars)
{
    AwardEntry e;
    e.Description = QStringLiteral("High Hand");
    e.Dollars = QString::fromLatin1(dollars);
    e.Points = QStringLiteral("0");
    return e;
}

WizardAwardList listOf(std::initializer_list<const char*> payouts)
{
    QList<QStringList> rows;
    for (const char* p : payouts)
        rows << QStringList {"0", "0", "0", "High Hand", QString::fromLatin1(p), "0", "0"};
    return WizardAwardList(rows);
}

// Eleven players entered who have paid $70 each: $770.
OpenTournament entered()
{
    OpenTournament t;
    for (int i = 0; i < 11; ++i)
        t.gtypPlayers.append().TotalBuyin = 70;
    return t;
}

const QString PoolGone = QStringLiteral(": the prize pool is $0 and every place will pay $0.");
const QString Expected = QStringLiteral("the money the estimates expect to be taken in ($400)");

} // namespace

// The question an award is kept by weighs every award and bounty with it,
// the one being edited once, against the money taken in once players are
// entered, else the estimate; it says what the places then pay.
TEST(WizardAwards, TheAwardQuestionWeighsEveryAwardAgainstTheMoneyTakenIn)
{
    const auto bountyForAll = [](const char* dollars, int choice = 2) {
        WizardMoney m = expected();
        m.BountyAllChoice = choice;
        m.BountyAllDollars = QString::fromLatin1(dollars);
        return m;
    };
    WizardMoney fixed = expected();
    fixed.PayoutKind = OpenTournament::PayFixedAmounts;
    fixed.Payouts = {{"0", "0"}, {"200", "0"}, {"100", "0"}, {"50", "0"}};
    WizardMoney prizes = expected();
    prizes.PayoutKind = OpenTournament::PayPrizes;
    prizes.Payouts = {{"0", "0"}, {"A car", "0"}};
    WizardMoney moreExpected = expected();
    moreExpected.Estimates.Players = 12;
    moreExpected.Estimates.Buyin = 70; // $840 expected, $770 taken in

    const struct {
        const char* name;
        WizardAwardList awards;
        long edited;
        WizardMoney boxes;
        OpenTournament t;
        const char* dollars;
        QString question; // empty: none
    } cases[] = {
        {"alone it fits", listOf({}), 0, expected(), {}, "300", {}},
        {"$300 then $200 in $400",
         listOf({"300"}),
         0,
         expected(),
         {},
         "200",
         "The awards and bounties come to $500, more than " + Expected + PoolGone + " Keep this award?"},
        {"all of the pool",
         listOf({"300"}),
         0,
         expected(),
         {},
         "100",
         "The awards and bounties come to $400, all of " + Expected + PoolGone + " Keep this award?"},
        {"no money, no question", listOf({"900"}), 0, expected(), {}, "0", {}},
        {"the bounty for all players counts",
         listOf({}),
         0,
         bountyForAll("10"),
         {},
         "250",
         "The awards and bounties come to $450, with the automatic bounty of $10 for each of the 20 players "
         "expected, more than "
             + Expected + PoolGone + " Keep this award?"},
        {"a bounty asked for player by player does not", listOf({}), 0, bountyForAll("10", 1), {}, "250", {}},
        {"an edit counts the award once", listOf({"100", "200"}), 2, expected(), {}, "250", {}},
        {"an edit beyond",
         listOf({"100", "300"}),
         2,
         expected(),
         {},
         "350",
         "The awards and bounties come to $450, more than " + Expected + PoolGone + " Keep this award?"},
        {"an edit that lowers", listOf({"500"}), 1, expected(), {}, "450", {}},
        {"fewer came than expected", listOf({}), 0, moreExpected, entered(), "800",
         "The awards and bounties come to $800, more than the money taken in ($770)" + PoolGone + " Keep this award?"},
        {"entrants' bounties are awards already", listOf({}), 0, bountyForAll("60"), entered(), "700", {}},
        {"fixed places are still paid",
         listOf({}),
         0,
         fixed,
         {},
         "500",
         "The awards and bounties come to $500, more than " + Expected
             + ". The places are still paid their fixed amounts ($350), so $850 will be paid out in all. Keep "
               "this award?"},
        {"fixed places, all of the money", listOf({}), 0, fixed, {}, "400", {}},
        {"prizes",
         listOf({}),
         0,
         prizes,
         {},
         "401",
         "The awards and bounties come to $401, more than " + Expected + ". Keep this award?"},
    };
    for (const auto& c : cases) {
        const MoneyClaims claims = AwardClaims(c.awards, c.edited, c.boxes, c.t);
        EXPECT_EQ(AwardQuestion(claims, award(c.dollars), Dollars).value_or(QString()), c.question) << c.name;
    }
}

// At Finish the automatic bounty for every player expected is weighed as
// the award dialog weighs an award, and says where it is set; a bounty kept
// as stored is not asked about again.
TEST(WizardAwards, FinishAsksAboutAnAutomaticBountyThatLeavesThePlacesNothing)
{
    WizardMoney m = expected();
    m.Estimates.Players = 10;
    m.Estimates.Buyin = 50;
    m.BountyAllChoice = 2;
    m.BountyAllDollars = QStringLiteral("60");
    OpenTournament stored;
    stored.gintAutoBountyType = 2;
    stored.gdblAutoBountyDollars = 60;
    const QString question
        = QStringLiteral("The awards and bounties come to $600, with the automatic bounty of $60 for each of the 10 "
                         "players expected, more than the money the estimates expect to be taken in ($500)")
        + PoolGone
        + QStringLiteral(" The automatic bounty is set on page \"6. Bounties\", in \"Bounty Amount $\". Keep it?");
    EXPECT_EQ(AutomaticBountyQuestion(listOf({}), m, stored, true, Dollars), question) << "a new tournament";
    EXPECT_FALSE(AutomaticBountyQuestion(listOf({}), m, stored, false, Dollars)) << "as stored";
    stored.gdblAutoBountyDollars = 5;
    EXPECT_EQ(AutomaticBountyQuestion(listOf({}), m, stored, false, Dollars), question) << "raised";
    m.BountyAllDollars = QStringLiteral("5");
    EXPECT_FALSE(AutomaticBountyQuestion(listOf({"400"}), m, stored, true, Dollars)) << "$450 of $500";
    m.BountyAllChoice = 1;
    m.BountyAllDollars = QStringLiteral("60");
    EXPECT_FALSE(AutomaticBountyQuestion(listOf({}), m, stored, true, Dollars)) << "asked player by player";
}
