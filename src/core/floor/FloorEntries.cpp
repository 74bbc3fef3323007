#include "core/floor/FloorEntries.h"

#include "core/floor/EntryOptions.h"
#include "core/store/MoneyRules.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/PlainNumberText.h"

namespace {

// A rebuy or an add-on, when offered: its money, its chips and one more of
// them.
bool addBuy(OpenTournament& t, long index, bool EntryOffer::*offered, double PlayerRecord::*total,
            Long PlayerRecord::*count, double amount, double chips, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(index))
        return false;
    PlayerRecord& p = t.gtypPlayers[index];
    if (!(EntryOptions(t, p).*offered) || PoolPastCeiling(t, amount))
        return false;
    p.*total = MoneyPlus(p.*total, amount);
    p.TotalChipValue += chips;
    p.*count += 1;
    CalculatePayouts(t);
    rows.Players.insert(index);
    return true;
}

} // namespace

BuyinOutcome BuyinPlayer(OpenTournament& t, long index, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(index))
        return BuyinOutcome::Bought;
    PlayerRecord& p = t.gtypPlayers[index];
    const bool already = p.TotalBuyin != 0;
    if (!already && PoolPastCeiling(t, t.gdblBuyin))
        return BuyinOutcome::PoolPastCeiling;
    if (!already) {
        p.TotalBuyin = t.gdblBuyin;
        p.TotalChipValue += t.gdblBuyinChipValue;
    }
    CalculatePayouts(t);
    rows.Players.insert(index);
    return already ? BuyinOutcome::AlreadyBoughtIn : BuyinOutcome::Bought;
}

QString AlreadyBoughtInMessage() { return QStringLiteral("Player has already bought in."); }

bool RebuyPlayer(OpenTournament& t, long index, FloorRows& rows)
{
    return addBuy(t, index, &EntryOffer::Rebuy, &PlayerRecord::TotalRebuy, &PlayerRecord::NumRebuys, t.gdblRebuyAmount,
                  t.gdblRebuyChipValue, rows);
}

bool AddonPlayer(OpenTournament& t, long index, FloorRows& rows)
{
    return addBuy(t, index, &EntryOffer::Addon, &PlayerRecord::TotalAddon, &PlayerRecord::NumAddons, t.gdblAddonAmount,
                  t.gdblAddonChipValue, rows);
}

void ClearAllBuys(OpenTournament& t, long index, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(index))
        return;
    PlayerRecord& p = t.gtypPlayers[index];
    p.TotalChipValue = 0;
    p.TotalBuyin = 0;
    p.TotalRebuy = 0;
    p.TotalAddon = 0;
    p.NumRebuys = 0;
    p.NumAddons = 0;
    CalculatePayouts(t);
    rows.Players.insert(index);
}

void SetPlayerWinnings(OpenTournament& t, long index, bool bUnEliminate)
{
    if (!t.gtypPlayers.contains(index))
        return;
    PlayerRecord& p = t.gtypPlayers[index];
    const double s = bUnEliminate ? -1.0 : 1.0;
    const long place = p.Finish;
    if (place >= 1 && place <= t.gintNumberPaid) {
        p.Points += s * SingleAsShown(t.gsngPayoutPoints.value(place));
        const double amount = t.gdblCalculatedPayout.value(place);
        p.Payout = bUnEliminate ? MoneyLess(p.Payout, amount) : MoneyPlus(p.Payout, amount);
    }
    if (t.gintUseAutoPointsAll == 1)
        p.Points += s * t.gdblAutoPointsAllPlayers;
    if (t.gintUseAutoPointsbyPosition == 1)
        p.Points += s * double(t.gintPlayerCount() - place + 1) * t.gdblAutoPointsByPositionFactor;
}

std::optional<QString> ChipCountFault(const QString& text)
{
    double count = 0;
    if (!ReadsAsNumber(text, &count))
        return QStringLiteral("Must be numeric.");
    if (auto tooLarge = RefuseTooLarge<Count>(count, QStringLiteral("Chip count")))
        return tooLarge;
    return RefuseNegative(count, QStringLiteral("Chip count"));
}

Integer NumberFinished(const OpenTournament& t)
{
    Integer n = 0;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        n += t.gtypPlayers[i].Finish != 0 ? 1 : 0;
    return n;
}

long GetPlayerIndexByName(const OpenTournament& t, const QString& strName)
{
    for (long i = 1; i <= t.gintPlayerCount(); ++i) {
        const QString& name = t.gtypPlayers[i].PlayerName;
        if (strName == name || strName == u'>' + name)
            return i;
    }
    return 0;
}
