#include "core/floor/ActionButtons.h"

#include "core/floor/EntryOptions.h"
#include "core/floor/FloorEntries.h"
#include "core/floor/SeatingEngine.h"
#include "core/store/OpenTournament.h"

#include <algorithm>

ActionButtonStates ActionButtonsFor(const OpenTournament& t, Integer index)
{
    const PlayerRecord& p = t.gtypPlayers[index];
    const EntryOffer offer = EntryOptions(t, p);
    ActionButtonStates s;
    s.EliminateCaption = offer.Eliminate ? QStringLiteral("&Eliminate") : QStringLiteral("Un-&Eliminate");
    s.EliminateEnabled = offer.Eliminate || offer.UnEliminate;
    s.BuyinCaption = BuyinCaption(offer);
    s.BuyinEnabled = offer.Buyin || offer.Rebuy;
    s.AddonEnabled = offer.Addon;
    s.AssignSeatEnabled = CanBeSeated(p);
    s.EliminateIsDefault = NumberFinished(t) > 0;
    return s;
}

int ActionButtonsTop(int rowTop, int rowBottom, int buttonsHeight, int commandsTop)
{
    const int under = rowBottom + 1;
    if (under + buttonsHeight <= commandsTop)
        return under;
    return std::max(0, rowTop - buttonsHeight);
}
