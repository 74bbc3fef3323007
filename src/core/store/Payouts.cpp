#include "core/store/Payouts.h"

#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"

#include <algorithm>

double PrizePool(const OpenTournament& t)
{
    double takenIn = 0;
    for (const PlayerRecord& p : t.gtypPlayers)
        takenIn += p.TotalBuyin + p.TotalRebuy + p.TotalAddon;
    double awards = 0;
    for (const AwardRecord& a : t.gtypAwards)
        awards += a.Payout;
    return MoneyLess(takenIn, awards);
}

void CalculatePayouts(OpenTournament& t)
{
    const long paid = t.gintNumberPaid < 0 ? -1 : t.gintNumberPaid;
    t.gdblCalculatedPayout.redim(0, paid);

    // A setting missing for a row (fewer rows stored than places paid) counts as 0.
    auto setting = [&t](long k) { return t.gdblPayout.value(k); };

    if (t.gintPayAsPercentages != OpenTournament::PayPercentages) {
        for (long k = 0; k <= paid; ++k)
            t.gdblCalculatedPayout[k] = setting(k);
        return;
    }

    QList<double> percents;
    for (long k = 0; k <= paid; ++k)
        percents << setting(k);
    const QList<double> amounts = PercentagePayouts(percents, PrizePool(t), t.gintRoundTo);
    for (long k = 0; k <= paid; ++k)
        t.gdblCalculatedPayout[k] = amounts[k];
}

QList<double> PercentagePayouts(const QList<double>& percents, double pool, double unit)
{
    const double step = unit >= 1 ? unit : 1;
    QList<double> amounts(percents.size());
    double remainder = pool;
    for (qsizetype k = percents.size() - 1; k >= 0; --k) {
        amounts[k] = RoundHalfEven(percents[k] / 100.0 * pool / step) * step;
        remainder -= amounts[k];
    }
    // Without a paid place the house row is the only one there is.
    if (amounts.isEmpty())
        return amounts;
    if (percents[0] > 0 || amounts.size() < 2)
        amounts[0] += remainder;
    else
        amounts[1] += remainder;
    return amounts;
}
