#pragma once

#include "core/floor/EliminationQuestions.h"

#include <QObject>
#include <functional>

class ClockPanel;
class MainMenus;
class SeatingCommands;
class frmMain;

// What the entry commands use of the window's parts: the menus whose entries
// they answer, the clock a crowned winner pauses and the tables check after
// an elimination.
struct EntryParts {
    MainMenus& menus;
    ClockPanel& clock;
    SeatingCommands& seating;
};

// The floor operations on one entrant: buy-in, rebuy, add-on, clearing the
// buys, eliminating and un-eliminating, adjusting the payout by hand, and
// giving or taking back awards. Each stores its rows all or nothing, then
// redraws. The player comes from the players grid's selection, or from the
// seat chart's clicked seat (bFromTableView); a name never decides.
class EntryCommands : public QObject {
    Q_OBJECT
public:
    EntryCommands(frmMain& window, const EntryParts& parts);

    void BuyinPlayer(bool bFromTableView);
    void RebuyPlayer(bool bFromTableView);
    void AddonPlayer(bool bFromTableView);
    void ClearAllBuys();
    void EliminatePlayer(bool bFromTableView);
    void ManualAdjustPayout(bool bFromTableView);
    void AwardAward(bool bFromTableView);
    void ClearAllAwards(bool bFromTableView);

    // The seat menu's buy-in entry.
    void mnBuyin_Click();
    // A player who has not bought in buys in, one who has rebuys: his own
    // record decides, as it gave the button or entry its caption.
    void BuyinOrRebuy(bool bFromTableView);

    // The player selected in the players grid (0 for none); the players
    // grid sets it.
    std::function<long()> playersGridPlayer = [] { return 0L; };
    // The dialogs; tests put their own in place.
    AskKillerAmong askKiller;
    // The player's winnings and points typed for the player (index), from
    // those he has.
    std::function<std::optional<std::pair<QString, QString>>(long index, const QString& dollars, const QString& points)>
        askAdjustment;
    std::function<long()> askAward; // the award index chosen, 0 when cancelled

private:
    long player(bool bFromTableView) const;
    // Runs an operation on the open tournament and stores its rows; false
    // when it failed (shown) and nothing changed.
    bool store(const std::function<void(OpenTournament&, FloorRows&)>& operation);
    void reloadPlayers();
    // Runs a rebuy or an add-on of amount, which stores nothing unless the
    // rules offer it now and the money taken in can take it (else told);
    // true when it was stored.
    bool storeOffered(long index, double amount, bool (*operation)(OpenTournament&, long, FloorRows&));

    frmMain& w;
    EntryParts mParts;
};
