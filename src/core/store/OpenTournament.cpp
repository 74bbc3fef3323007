#include "core/store/OpenTournament.h"

OpenTournament::OpenTournament()
{
    gstrChipColor.redim(0, ChipSlots - 1);
    gdblChipAmount.redim(0, ChipSlots - 1);
    gintStartingChipCount.redim(0, ChipSlots - 1);
    gstrChipPicture.redim(0, ChipSlots - 1);
    gdblPayout.redim(0, -1);
    gstrPayoutPrize.redim(0, -1);
    gsngPayoutPoints.redim(0, -1);
    gdblCalculatedPayout.redim(0, -1);
}

void OpenTournament::RedimLevels(long n)
{
    if (n < 0)
        n = 0;
    gdblNumberLevels = static_cast<double>(n);
    gdblLevelBigBlind.redim(1, n);
    gdblLevelSmallBlind.redim(1, n);
    gdblLevelBigRaise.redim(1, n);
    gdblLevelSmallRaise.redim(1, n);
    gdblLevelAnte.redim(1, n);
    gdblLevelBreakAfter.redim(1, n);
    gintLevelSessionTime.redim(1, n);
    gstrLevelReminder.redim(1, n);
    gblnLevelWaitOnReminder.redim(1, n);
}

void OpenTournament::RedimPayouts()
{
    gdblPayout.redim(0, gintNumberPaid);
    gstrPayoutPrize.redim(0, gintNumberPaid);
    gsngPayoutPoints.redim(0, gintNumberPaid);
    gdblCalculatedPayout.redim(0, gintNumberPaid);
}

void OpenTournament::ResetLevels()
{
    static constexpr double Small[] = {10, 15, 25, 50, 100, 150, 200, 250, 500, 1000};
    static constexpr double Big[] = {15, 30, 50, 100, 200, 300, 400, 500, 1000, 2000};

    RedimLevels(10);
    for (long level = 1; level <= 10; ++level) {
        gintLevelSessionTime[level] = 30;
        gdblLevelSmallBlind[level] = Small[level - 1];
        gdblLevelBigBlind[level] = Big[level - 1];
    }
    gintLevelSessionTime[10] = 300;
    for (long level : {2, 4, 6, 8})
        gdblLevelBreakAfter[level] = 15;
}

void OpenTournament::ClearTournament(bool PlayersOnly)
{
    if (!PlayersOnly) {
        gintNumberPaid = 0;
        glngCurrentTournamentID = 0;
        gtypAwards.clear();
        gdblPayout.clear();
        gstrPayoutPrize.clear();
        gdblCalculatedPayout.clear();
        gsngPayoutPoints.clear();
        // A break that ran when the last tournament was closed is no part
        // of the next one.
        gblnOnBreak = false;
        gstrNextBreak.clear();
    }
    gtypPlayers.clear();
}

void OpenTournament::ClearPlayers()
{
    gdblCalculatedPayout.clear();
    gtypPlayers.clear();
}

OpenTournament& openTournament()
{
    static OpenTournament tournament;
    return tournament;
}
