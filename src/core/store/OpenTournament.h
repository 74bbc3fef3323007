#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"
#include "core/store/PlayerRecord.h"

#include <QString>
#include <QVariant>

// The one tournament held in memory. Members carry the names the rest of the
// program knows them by; the program reaches its instance through
// openTournament(), tests make their own.
class OpenTournament {
public:
    OpenTournament();

    static constexpr int ChipSlots = 10;

    // Identity
    Long glngCurrentTournamentID = 0; // 0 = none open

    // The current league (LoadLeague and CreateLeague set both together);
    // clearing the tournament leaves it alone.
    Long glngCurrentLeagueID = 0;
    QString gstrCurrentLeagueName;

    // Tournament settings, one per tblTournament column
    QString gstrTournamentName;
    QVariant gvarTournamentDate; // a null QVariant: no date
    double gdblBuyin = 0;
    Long glngMinutesPerSession = 0;
    Integer gintPlayersPerTable = 0;
    Integer gintAutoDoubleBlind = 0;
    Integer gintBlindsLevel = 0;
    Integer gintNumberPaid = 0;
    // What the payout settings hold (gintPayAsPercentages; the positions of
    // the set-up wizard's payout kind list): money amounts, percentages of
    // the prize pool, or prize texts.
    static constexpr Integer PayFixedAmounts = 0;
    static constexpr Integer PayPercentages = 1;
    static constexpr Integer PayPrizes = 2;
    Integer gintPayAsPercentages = PayFixedAmounts;
    Integer gintRoundTo = 0;
    Integer gintEstNumberofPlayers = 0;
    Integer gintEstNumberofRebuys = 0;
    Integer gintEstNumberofAddons = 0;
    Integer gintEstDurationOfTournament = 0;
    Integer gintEstTimeForBreaks = 0;
    Integer gintEstNumberofBreaks = 0;
    Long glngNotifyWhenTablesCanBeReduced = 0;
    Integer gintAllowRebuys = 0;
    Integer gintAllowAddons = 0;
    double gdblBuyinChipValue = 0;
    double gdblRebuyAmount = 0;
    double gdblRebuyChipValue = 0;
    Integer gintNumberRebuys = 0;
    Integer gintRebuyUntilLevel = 0;
    double gdblAddonAmount = 0;
    double gdblAddonChipValue = 0;
    Integer gintNumberAddons = 0;
    Integer gintAddonLevel1 = 0;
    Integer gintAddonLevel2 = 0;
    double gdblHouseTakeAmount = 0;
    double gdblNumberLevels = 0; // rows of the level table; change through RedimLevels
    QString gstrRules;
    QString gstrCustomMessage;
    Integer gintCustomPictureType = 0;
    QString gstrCustomPictureLocation;
    Integer gintUseAutoPointsAll = 0;
    double gdblAutoPointsAllPlayers = 0;
    Integer gintUseAutoPointsbyPosition = 0;
    double gdblAutoPointsByPositionFactor = 0;
    Long gintAutoBountyType = 0;
    double gdblAutoBountyDollars = 0;
    double gdblAutoBountyPoints = 0;

    // Current-level values
    double gdblBig = 0;
    double gdblSmall = 0;
    double gdblBigRaise = 0;
    double gdblSmallRaise = 0;
    double gdblAnte = 0;

    // Level table, 1..gdblNumberLevels, always re-dimensioned together
    BoundedArray<double> gdblLevelBigBlind;
    BoundedArray<double> gdblLevelSmallBlind;
    BoundedArray<double> gdblLevelBigRaise;
    BoundedArray<double> gdblLevelSmallRaise;
    BoundedArray<double> gdblLevelAnte;
    BoundedArray<double> gdblLevelBreakAfter;
    BoundedArray<Integer> gintLevelSessionTime;
    BoundedArray<QString> gstrLevelReminder;
    BoundedArray<bool> gblnLevelWaitOnReminder;

    // Payout table, 0..gintNumberPaid; element 0 is the house
    BoundedArray<double> gdblPayout;
    BoundedArray<QString> gstrPayoutPrize;
    BoundedArray<Single> gsngPayoutPoints;
    BoundedArray<double> gdblCalculatedPayout;

    // Chip set, slots 0..9
    BoundedArray<QString> gstrChipColor;
    BoundedArray<double> gdblChipAmount;
    BoundedArray<Integer> gintStartingChipCount;
    BoundedArray<QString> gstrChipPicture;

    // Entrants 1..gintPlayerCount and awards 1..gintAwardCount
    BoundedArray<PlayerRecord> gtypPlayers;
    BoundedArray<AwardRecord> gtypAwards;
    Integer gintPlayerCount() const { return static_cast<Integer>(gtypPlayers.count()); }
    Integer gintAwardCount() const { return static_cast<Integer>(gtypAwards.count()); }

    // Run state, never stored
    bool gblnOnBreak = false;
    QString gstrNextBreak;
    Long glngCurrentScreen = 0;
    Integer gintLastChipSlot = 0;

    // Sets gdblNumberLevels and gives all nine level arrays the bounds 1..n,
    // discarding their contents.
    void RedimLevels(long n);
    // Gives the four payout arrays the bounds 0..gintNumberPaid, discarding
    // their contents.
    void RedimPayouts();

    // The built-in ten levels.
    void ResetLevels();
    // Empties the entrants; unless PlayersOnly, also the payouts, the awards,
    // the tournament's id and the running break with its next-break text.
    void ClearTournament(bool PlayersOnly);
    // Empties the entrants and the computed payouts.
    void ClearPlayers();
};

// The program's open tournament.
OpenTournament& openTournament();
