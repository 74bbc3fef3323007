#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

// One entrant of the open tournament.
struct PlayerRecord {
    QString PlayerName;
    Integer Table = 0; // 0 = not seated
    Integer Seat = 0; // 1 to gintPlayersPerTable
    Integer Finish = 0; // finishing place; 0 = still playing
    double Payout = 0; // money won, awards included
    Long PlayerID = 0;
    double TotalBuyin = 0;
    double TotalRebuy = 0;
    double TotalAddon = 0;
    double HouseFee = 0;
    double TotalChipValue = 0;
    Long NumRebuys = 0;
    Long NumAddons = 0;
    bool Moved = false; // set when the program moved the player; not stored
    double Points = 0;
    Integer Kills = 0;
    Long EliminatedByPlayerID = 0;
    Single ChipCount = 0;
};

// One award or bounty of the open tournament.
struct AwardRecord {
    Long AwardID = 0; // 0 = not stored yet
    Integer IsBounty = 0;
    Long BountyPlayerID = 0;
    QString Description;
    double Payout = 0;
    double Points = 0;
    Long AwardedToPlayerID = 0; // 0 = not given yet
};
