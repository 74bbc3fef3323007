#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class OpenTournament;

// The set-up wizard's assistant figures, from the director's estimates.
struct EstimateInputs {
    double Players = 0, Rebuys = 0, Addons = 0;
    double Buyin = 0, BuyinChips = 0;
    double RebuyAmount = 0, RebuyChips = 0;
    double AddonAmount = 0, AddonChips = 0;
    double HouseFee = 0;
};
struct EstimateTotals {
    double FromBuyins = 0, FromRebuys = 0, FromAddons = 0, HouseFee = 0;
    double Collected = 0; // all four
    double Chips = 0; // chips of every buy-in, rebuy and add-on
};
EstimateTotals CalcEstBuyinTotals(const EstimateInputs& in);

// The money paid out as awards: every numeric award payout, and with the
// automatic bounty for all players (choice 2) a bounty per player.
double AwardsTotal(const QStringList& awardPayouts, int bountyAllChoice, const QString& bountyAllDollars,
                   double players);

// The payout rows, house first (index 0), then places 1..P: the texts of the
// payout grid's column 1.
// With percentages (kind 1) each place's share of the pool (buy-ins, rebuys
// and add-ons, less the awards) as PercentagePayouts works them out, so the
// estimate shows what will be paid. Other kinds show the texts as they are.
struct EstimatedPayout {
    bool IsMoney = false;
    double Amount = 0;
    QString Text;
};
QList<EstimatedPayout> CalcEstPayouts(int kind, const QStringList& payoutTexts, double pool, long unit);
// The estimated buy-ins, rebuys and add-ons, without the house fees.
double EstimatedTakenIn(const EstimateInputs& in);
// The estimated pool, less the awards as MoneyLess has it: never below 0.
double EstimatedPool(const EstimateInputs& in, double awardsTotal);

// Chip rows: per player count and value of each of the ten slots.
struct ChipEstimateRow {
    double Amount = 0;
    double PerPlayer = 0;
};
struct ChipEstimates {
    QStringList Needed; // per row, players x per-player count, plain text
    double Selected = 0; // the chips of one buy-in as selected
    bool MatchesStartingChips = false;
};
ChipEstimates CalcChipAmounts(const QList<ChipEstimateRow>& rows, double players, double startingChips);

// Reshapes the payout rows (house and places 1..places) as the places-paid
// list or the payout kind changes. With bSetPayouts the stored payouts fill
// the rows, as the stored kind has them (prize texts for prizes). Without,
// the rows that remain keep what they show, a blank cell reading "0": a
// text that is no number where money or a percentage is paid (a slip, or a
// prize left from the kind before) stays for Finish to refuse rather than
// become a place paid nothing. Added rows read "0". (kind is the position of
// the payout-kind list.)
struct PayoutRow {
    QString Payout;
    QString Points;
};
QList<PayoutRow> ReshapePayoutRows(const QList<PayoutRow>& current, int places, bool bSetPayouts,
                                   const OpenTournament& stored, int kind);

// Splits the payouts of places 1..n evenly ("0.00"). False, with the message,
// when one of them is missing or not a number.
bool ChopPot(QList<PayoutRow>& rows, int playersLeft);
QString ChopQuestion();
QString ChopInvalidMessage();
