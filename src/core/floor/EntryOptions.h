#pragma once

struct PlayerRecord;
class OpenTournament;

// What a player may be offered now: a first buy-in, a rebuy or an add-on.
// The one rule behind the player buttons and the seat-chart menu; the
// operations themselves do not test it again.
struct EntryOffer {
    bool Buyin = false; // has not bought in, whatever his place
    bool Rebuy = false; // bought in, still playing, and the rebuy period is open
    bool Addon = false; // bought in, still playing, and the add-on period is open
};

EntryOffer EntryOptions(const OpenTournament& t, const PlayerRecord& p);
