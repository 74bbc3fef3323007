#pragma once

#include <QString>

struct PlayerRecord;
class OpenTournament;

// What a player may be offered now: a first buy-in, a rebuy, an add-on, his
// elimination or taking it back. The one rule behind the player buttons and
// the seat-chart menu, and the one the operations test again when they act:
// a button or menu entry left on screen while the level or the break
// changes offers nothing the rule no longer allows.
struct EntryOffer {
    bool Buyin = false; // has not bought in, whatever his place
    bool Rebuy = false; // bought in, still playing, and the rebuy period is open
    bool Addon = false; // bought in, still playing, and the add-on period is open
    bool Eliminate = false; // still playing
    // Out, and not the winner: the winner comes back only with place 2.
    bool UnEliminate = false;
};

EntryOffer EntryOptions(const OpenTournament& t, const PlayerRecord& p);

// The caption of the one command for both buys, on the player buttons and
// the seat-chart menu alike, offered or greyed: "Buyin" for a player who has
// not bought in, else "Rebuy".
QString BuyinCaption(const EntryOffer& offer);
