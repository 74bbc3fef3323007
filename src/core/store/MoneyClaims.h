#pragma once

#include <QString>
#include <optional>

class OpenTournament;

// What is paid out besides the places, weighed against the money taken in
// whenever more of it is set: an award or bounty, the automatic bounty for
// every player, the bounties put on players as they are entered, or a
// player's winnings typed by hand. Awards and bounties come out of the prize
// pool, so once they reach the money taken in the pool is 0 and places paid
// as percentages pay nothing; places paid fixed amounts are paid all the
// same, beyond the money.
enum class MoneyClaim {
    Award, // kept in the award dialog: asked
    AutomaticBounty, // the automatic bounty for every player, at Finish: asked
    EntrantBounties, // the automatic bounties of players just entered: told
    Winnings, // a player's winnings typed in "Assign Bounty": asked
};

struct MoneyClaims {
    MoneyClaim Claim = MoneyClaim::Award;
    // The awards and bounties besides the claim (for winnings: every other
    // player's winnings), the claim's money and what it held before (an
    // award being edited, the winnings before they were typed). Only a claim
    // that adds money is weighed.
    double Others = 0;
    double Claimed = 0;
    double Before = 0;
    // The automatic bounty counted in Others or Claimed for every player
    // expected (none once players are entered: their bounties are awards).
    double AutoBounty = 0;
    double AutoPlayers = 0;
    // What the claims are weighed against: the money the entrants have paid
    // or, before anybody is entered, what the estimates expect.
    double TakenIn = 0;
    bool Estimated = false;
    // How the places are paid (the position of the payout kind: fixed
    // amounts, percentages, prizes), and the fixed amounts of the places in
    // all.
    int PayoutKind = 1;
    double FixedPlaces = 0;
};

// What the director is asked (or, for the entrants' bounties, told) when the
// claim takes what is paid out beyond the money taken in, saying what the
// payouts will then do and where the automatic bounty is set; amounts in
// moneyFormat. None when the money covers it, or the claim adds nothing.
// The entrants' bounties are told only when they are what takes the awards
// beyond the money, so that entering players who have not paid yet, or
// more players once the pool is gone, says nothing new.
std::optional<QString> MoneyClaimsText(const MoneyClaims& claims, const QString& moneyFormat);

// The claims of the tournament's own awards against the money its entrants
// have paid, with how its places are paid.
MoneyClaims TournamentClaims(const OpenTournament& t, MoneyClaim claim);

// "Assign Bounty": the player (index) to be given the winnings typed.
std::optional<QString> WinningsQuestion(const OpenTournament& t, long playerIndex, const QString& dollars,
                                        const QString& moneyFormat);

// Players just entered, whose automatic bounties (count of them, money in
// all) are among the tournament's awards.
std::optional<QString> EntrantBountiesMessage(const OpenTournament& t, int bounties, double money,
                                              const QString& moneyFormat);
