#pragma once

#include "core/floor/SeatingEngine.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class FloorFrames;
class MainMenus;
class frmMain;

// What the seat commands use of the window's parts: the menus whose entries
// they answer and the frames that hold the table alert.
struct SeatingParts {
    MainMenus& menus;
    FloorFrames& frames;
};

// The seat commands of the tournament window: initial seating, late
// entrants, clearing, balancing and reducing tables, moving and unseating
// one player from the seat chart, and the table alert. Each command stores
// what it changed all or nothing, then redraws the screens.
class SeatingCommands : public QObject {
    Q_OBJECT
public:
    SeatingCommands(frmMain& window, const SeatingParts& parts);

    void mnAssignSeatsAll_Click();
    void mnAssignSeatsNew_Click();
    void mnClearSeats_Click();
    void mnBalanceTables_Click();
    void DropTable();
    void MovePlayer(long intPlayerIndex);
    // Unseats a player (index from 1); nothing for no player.
    void UnassignPlayer(long index);
    void mnMovePlayerFromSeatChart_Click();
    void mnUnassignPlayersSeatFromSeatChart_Click();
    void mnMovePlayerToSeat_Click();
    // Shows the alert when tables can be dropped or must be balanced.
    void CheckNotifyReduceTables(bool bEndOfSession, bool bNoSound);
    // After the set-up changed the table size: whoever lost his seat is named
    // and can be seated at once, as late entrants are; then the tables are
    // checked.
    void TableSizeChanged(const BoundedArray<PlayerRecord>& before, Integer oldSize);
    // "Manage Tables" of the alert: the tables are checked again, silently,
    // once the command chosen from the table menu is done (after its picker
    // and its change), or as soon as the menu closed without one.
    void CheckAgainAfterCommand();

    // The pickers; tests put their own in place. Each gives the chosen line
    // (from 0), or nothing when cancelled.
    std::function<std::optional<int>(const QStringList& tables)> pickTable;
    std::function<std::optional<int>(const QStringList& seats)> pickSeat;
    std::function<std::optional<int>(const QStringList& players)> pickPlayer;

    // Whether the last table alert came at the end of a level; the alert
    // comes back the same way after a table command.
    bool mbLastAlertEndOfSession = false;

private:
    // Runs a seat command on the open tournament and redraws when it
    // changed anyone.
    void run(const std::function<ChangedPlayers(OpenTournament&)>& command);
    // False when there is nobody to seat, or no table size to seat by (told).
    bool canSeat() const;
    // Runs a command of the menus; a check asked for meanwhile follows it.
    void runCommand(void (SeatingCommands::*handler)());
    void checkAgainIfAsked();

    frmMain& w;
    SeatingParts mParts;
    int mCommandsRunning = 0;
    bool mCheckAgain = false;
};
