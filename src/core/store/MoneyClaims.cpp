#include "core/store/MoneyClaims.h"

#include "core/store/MoneyFormat.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/PlainNumberText.h"

namespace {

// Sums of money are weighed to the cent: 33.3 + 33.3 + 33.4 is 100.
double cents(double amount) { return RoundHalfEven(amount * 100) / 100; }

// Whether claims of that total leave the places short: with percentages a
// pool of 0 (nothing left once the awards are paid) pays every place
// nothing; otherwise more is paid out than was taken in.
bool beyond(const MoneyClaims& c, double total)
{
    if (c.Claim != MoneyClaim::Winnings && c.PayoutKind == OpenTournament::PayPercentages)
        return cents(total) >= cents(c.TakenIn);
    return cents(total) > cents(c.TakenIn);
}

bool told(const MoneyClaims& c)
{
    const double total = c.Others + c.Claimed;
    if (c.Claim == MoneyClaim::EntrantBounties)
        return c.Claimed > 0 && cents(c.TakenIn) > 0 && !beyond(c, c.Others) && beyond(c, total);
    return cents(c.Claimed) > cents(c.Before) && beyond(c, total);
}

} // namespace

std::optional<QString> MoneyClaimsText(const MoneyClaims& c, const QString& moneyFormat)
{
    if (!told(c))
        return std::nullopt;
    const auto money = [&](double amount) { return FormatMoney(amount, moneyFormat); };
    const double total = c.Others + c.Claimed;
    const bool automatic = c.AutoBounty > 0 && c.AutoPlayers > 0;

    QString text;
    if (c.Claim == MoneyClaim::Winnings) {
        text = QStringLiteral("The players' winnings would come to %1").arg(money(total));
    } else if (c.Claim == MoneyClaim::EntrantBounties) {
        const QString entered = c.AutoPlayers == 1
            ? QStringLiteral("the player just entered")
            : QStringLiteral("the %1 players just entered").arg(PlainNumberText(c.AutoPlayers));
        text = QStringLiteral("With the automatic bounty of %1 on %2, the awards and bounties come to %3")
                   .arg(money(c.AutoBounty), entered, money(total));
    } else if (automatic) {
        text = QStringLiteral("The awards and bounties come to %1, with the automatic bounty of %2 for each of the "
                              "%3 players expected")
                   .arg(money(total), money(c.AutoBounty), PlainNumberText(c.AutoPlayers));
    } else {
        text = QStringLiteral("The awards and bounties come to %1").arg(money(total));
    }

    const QString takenIn = (c.Estimated ? QStringLiteral("the money the estimates expect to be taken in (%1)")
                                         : QStringLiteral("the money taken in (%1)"))
                                .arg(money(c.TakenIn));
    const bool all = cents(total) <= cents(c.TakenIn);
    text += (all ? QStringLiteral(", all of ") : QStringLiteral(", more than ")) + takenIn;
    if (c.Claim == MoneyClaim::Winnings)
        text += QStringLiteral(".");
    else if (c.PayoutKind == OpenTournament::PayPercentages)
        text += QStringLiteral(": the prize pool is %1 and every place will pay %1.").arg(money(0));
    else if (c.PayoutKind == OpenTournament::PayFixedAmounts && c.FixedPlaces > 0)
        text += QStringLiteral(". The places are still paid their fixed amounts (%1), so %2 will be paid out in all.")
                    .arg(money(c.FixedPlaces), money(total + c.FixedPlaces));
    else
        text += QStringLiteral(".");

    switch (c.Claim) {
    case MoneyClaim::Award:
        return text + QStringLiteral(" Keep this award?");
    case MoneyClaim::AutomaticBounty:
        return text
            + QStringLiteral(" The automatic bounty is set on page \"6. Bounties\", in \"Bounty Amount $\". "
                             "Keep it?");
    case MoneyClaim::EntrantBounties:
        return text
            + QStringLiteral(" The automatic bounty is set in the tournament's settings, on page \"6. "
                             "Bounties\" (\"Bounty Amount $\").");
    case MoneyClaim::Winnings:
        return text + QStringLiteral(" Keep these winnings?");
    }
    return text;
}

MoneyClaims TournamentClaims(const OpenTournament& t, MoneyClaim claim)
{
    MoneyClaims c;
    c.Claim = claim;
    c.Others = AwardMoney(t);
    c.TakenIn = MoneyTakenIn(t);
    c.PayoutKind = t.gintPayAsPercentages;
    if (c.PayoutKind == OpenTournament::PayFixedAmounts)
        for (long k = 1; k <= t.gintNumberPaid && k <= t.gdblPayout.upper(); ++k)
            c.FixedPlaces += t.gdblPayout[k];
    return c;
}

std::optional<QString> WinningsQuestion(const OpenTournament& t, long playerIndex, const QString& dollars,
                                        const QString& moneyFormat)
{
    if (playerIndex < t.gtypPlayers.lower() || playerIndex > t.gtypPlayers.upper())
        return std::nullopt;
    MoneyClaims c = TournamentClaims(t, MoneyClaim::Winnings);
    c.Others = 0;
    for (long i = t.gtypPlayers.lower(); i <= t.gtypPlayers.upper(); ++i)
        if (i != playerIndex)
            c.Others += t.gtypPlayers[i].Payout;
    c.Claimed = NzDouble(dollars);
    c.Before = t.gtypPlayers[playerIndex].Payout;
    return MoneyClaimsText(c, moneyFormat);
}

std::optional<QString> EntrantBountiesMessage(const OpenTournament& t, int bounties, double money,
                                              const QString& moneyFormat)
{
    MoneyClaims c = TournamentClaims(t, MoneyClaim::EntrantBounties);
    c.Others -= money;
    c.Claimed = money;
    c.AutoBounty = t.gdblAutoBountyDollars;
    c.AutoPlayers = bounties;
    return MoneyClaimsText(c, moneyFormat);
}
