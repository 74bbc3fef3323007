#include "core/setup/Estimates.h"

#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/PlainNumberText.h"

EstimateTotals CalcEstBuyinTotals(const EstimateInputs& in)
{
    EstimateTotals t;
    t.FromBuyins = RoundCents(in.Players * in.Buyin);
    t.FromRebuys = RoundCents(in.Rebuys * in.RebuyAmount);
    t.FromAddons = RoundCents(in.Addons * in.AddonAmount);
    t.HouseFee = RoundCents(in.Players * in.HouseFee);
    t.Collected = MoneyPlus(MoneyPlus(t.FromRebuys, t.FromBuyins), MoneyPlus(t.FromAddons, t.HouseFee));
    t.Chips = in.Rebuys * in.RebuyChips + in.Players * in.BuyinChips + in.Addons * in.AddonChips;
    return t;
}

double AwardsTotal(const QStringList& awardPayouts, int bountyAllChoice, const QString& bountyAllDollars,
                   double players)
{
    double total = 0;
    for (const QString& payout : awardPayouts)
        total = MoneyPlus(total, NzDouble(payout));
    if (bountyAllChoice == 2 && ReadsAsNumber(bountyAllDollars))
        total = MoneyPlus(total, players * NzDouble(bountyAllDollars));
    return total;
}

double EstimatedTakenIn(const EstimateInputs& in)
{
    return MoneyPlus(MoneyPlus(in.Players * in.Buyin, in.Rebuys * in.RebuyAmount), in.Addons * in.AddonAmount);
}

double EstimatedPool(const EstimateInputs& in, double awardsTotal)
{
    return MoneyLess(EstimatedTakenIn(in), awardsTotal);
}

QList<EstimatedPayout> CalcEstPayouts(int kind, const QStringList& payoutTexts, double pool, long unit)
{
    QList<EstimatedPayout> rows(payoutTexts.size());
    if (kind != OpenTournament::PayPercentages) {
        for (int i = 0; i < payoutTexts.size(); ++i)
            rows[i].Text = payoutTexts[i];
        return rows;
    }
    QList<double> percents;
    for (const QString& text : payoutTexts)
        percents << NzDouble(text);
    const QList<double> amounts = PercentagePayouts(percents, pool, double(unit));
    for (qsizetype i = 0; i < amounts.size(); ++i)
        rows[i] = {true, amounts[i], {}};
    return rows;
}

ChipEstimates CalcChipAmounts(const QList<ChipEstimateRow>& rows, double players, double startingChips)
{
    ChipEstimates e;
    for (const ChipEstimateRow& r : rows) {
        e.Needed << PlainNumberText(players * r.PerPlayer);
        e.Selected += r.Amount * r.PerPlayer;
    }
    e.MatchesStartingChips = e.Selected == startingChips;
    return e;
}

namespace {

QString zeroIfBlank(const QString& text) { return text.trimmed().isEmpty() ? QStringLiteral("0") : text; }

} // namespace

QList<PayoutRow> ReshapePayoutRows(const QList<PayoutRow>& current, int places, bool bSetPayouts,
                                   const OpenTournament& stored, int kind)
{
    QList<PayoutRow> rows;
    for (int i = 0; i <= places; ++i) {
        const bool storedRow = stored.gdblPayout.contains(i);
        PayoutRow row;
        if (bSetPayouts && stored.gintPayAsPercentages == OpenTournament::PayPrizes)
            row.Payout
                = storedRow && stored.gstrPayoutPrize.contains(i) ? stored.gstrPayoutPrize[i] : QStringLiteral("0");
        else if (bSetPayouts)
            row.Payout = storedRow ? PlainNumberText(stored.gdblPayout[i]) : QStringLiteral("0");
        else if (i >= current.size())
            row.Payout = QStringLiteral("0");
        else
            row.Payout = kind == OpenTournament::PayPrizes ? current[i].Payout : zeroIfBlank(current[i].Payout);
        if (bSetPayouts)
            row.Points = storedRow && stored.gsngPayoutPoints.contains(i) ? PlainNumberText(stored.gsngPayoutPoints[i])
                                                                          : QStringLiteral("0");
        else
            row.Points = i < current.size() ? zeroIfBlank(current[i].Points) : QStringLiteral("0");
        rows.append(row);
    }
    return rows;
}

bool ChopPot(QList<PayoutRow>& rows, int playersLeft)
{
    if (playersLeft < 2)
        return true;
    double sum = 0;
    for (int place = 1; place <= playersLeft; ++place) {
        if (place >= rows.size() || !ReadsAsNumber(rows[place].Payout))
            return false;
        sum += NzDouble(rows[place].Payout);
    }
    const QString share = FixedDecimalsText(sum / playersLeft, 2);
    for (int place = 1; place <= playersLeft; ++place)
        rows[place].Payout = share;
    return true;
}

QString ChopQuestion()
{
    return QStringLiteral("After a tournament has started, sometimes the remaining players prefer to split the pot "
                          "evenly based on who is left.  Pressing Yes will recalculate the remaining payouts to chop "
                          "the pot. Continue?");
}

QString ChopInvalidMessage() { return QStringLiteral("Invalid amount set in payouts grid."); }
