#include "core/floor/EntryOptions.h"

#include "core/floor/Levels.h"
#include "core/store/OpenTournament.h"

namespace {

bool underLimit(long used, int limit) { return limit == 0 || used < limit; }

} // namespace

EntryOffer EntryOptions(const OpenTournament& t, const PlayerRecord& p)
{
    EntryOffer offer;
    offer.Eliminate = p.Finish == 0;
    offer.UnEliminate = p.Finish > 1;
    if (p.TotalBuyin == 0) {
        offer.Buyin = true;
        return offer;
    }
    if (p.Finish != 0)
        return offer;

    const bool levelTable = t.gintAutoDoubleBlind == BlindModeLevelTable;
    const Integer level = t.gintBlindsLevel;

    offer.Rebuy = t.gintAllowRebuys == 1 && underLimit(p.NumRebuys, t.gintNumberRebuys)
        && (t.gintRebuyUntilLevel == 0 || (levelTable && level < t.gintRebuyUntilLevel)
            || (t.gblnOnBreak && level == t.gintRebuyUntilLevel));

    if (t.gintAllowAddons == 1 && underLimit(p.NumAddons, t.gintNumberAddons)) {
        offer.Addon = !levelTable
            || (level > t.gintAddonLevel1
                && (t.gintAddonLevel2 == 0 || level < t.gintAddonLevel2
                    || (t.gblnOnBreak && level == t.gintAddonLevel2)));
    }
    return offer;
}

QString BuyinCaption(const EntryOffer& offer)
{
    return offer.Buyin ? QStringLiteral("Buyin") : QStringLiteral("Rebuy");
}
