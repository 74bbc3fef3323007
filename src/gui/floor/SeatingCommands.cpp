#include "gui/floor/SeatingCommands.h"

#include "core/floor/RandomSource.h"
#include "core/floor/SeatingStore.h"
#include "core/floor/TableLabels.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenTournament.h"
#include "core/store/PlayEventSound.h"
#include "core/store/ProgramSettings.h"
#include "gui/floor/MainMenus.h"
#include "gui/floor/SeatPickers.h"
#include "gui/floor/frmMain.h"
#include "gui/platform/BusyPointer.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTimer>
#include <utility>

namespace {

// The line the picker chose, when it is one of the list's.
std::optional<int> picked(const std::function<std::optional<int>(const QStringList&)>& picker, const QStringList& lines)
{
    const std::optional<int> chosen = picker(lines);
    if (!chosen || *chosen < 0 || *chosen >= lines.size())
        return std::nullopt;
    return chosen;
}

} // namespace

SeatingCommands::SeatingCommands(frmMain& window, const SeatingParts& parts)
    : QObject(&window)
    , w(window)
    , mParts(parts)
{
    setObjectName(QStringLiteral("SeatingCommands"));
    pickTable = [this](const QStringList& items) { return PickFrom(frmTables, items, &w); };
    pickSeat = [this](const QStringList& items) { return PickFrom(frmOpenSeats, items, &w); };
    pickPlayer = [this](const QStringList& items) { return PickFrom(frmPlayerList, items, &w); };

    const std::pair<const char*, void (SeatingCommands::*)()> handlers[] = {
        {"mnAssignSeatsAll", &SeatingCommands::mnAssignSeatsAll_Click},
        {"mnAssignSeatsNew", &SeatingCommands::mnAssignSeatsNew_Click},
        {"mnClearSeats", &SeatingCommands::mnClearSeats_Click},
        {"mnBalanceTables", &SeatingCommands::mnBalanceTables_Click},
        {"mnReduceTables", &SeatingCommands::DropTable},
        {"mnMovePlayerFromSeatChart", &SeatingCommands::mnMovePlayerFromSeatChart_Click},
        {"mnUnassignPlayersSeatFromSeatChart", &SeatingCommands::mnUnassignPlayersSeatFromSeatChart_Click},
        {"mnMovePlayerToSeat", &SeatingCommands::mnMovePlayerToSeat_Click},
    };
    for (const auto& [name, handler] : handlers)
        connect(mParts.menus.action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler = handler] { runCommand(handler); });
    // The players list's entries act on its selected player.
    connect(mParts.menus.action(QStringLiteral("mnMovePlayer")), &QAction::triggered, this,
            [this] { MovePlayer(w.FindPlayerIndex()); });
    connect(mParts.menus.action(QStringLiteral("mnUnassignPlayersSeat")), &QAction::triggered, this,
            [this] { UnassignPlayer(w.FindPlayerIndex()); });
}

void SeatingCommands::runCommand(void (SeatingCommands::*handler)())
{
    {
        const QScopedValueRollback running(mCommandsRunning, mCommandsRunning + 1);
        (this->*handler)();
    }
    checkAgainIfAsked();
}

void SeatingCommands::CheckAgainAfterCommand()
{
    mCheckAgain = true;
    // A command chosen from the menu runs after the menu closed and checks
    // when it is done; a picker's own event loop may run this first, while
    // the command still waits for its choice.
    QTimer::singleShot(0, this, [this] {
        if (mCommandsRunning == 0)
            checkAgainIfAsked();
    });
}

void SeatingCommands::checkAgainIfAsked()
{
    if (!std::exchange(mCheckAgain, false))
        return;
    CheckNotifyReduceTables(mbLastAlertEndOfSession, true);
}

bool SeatingCommands::canSeat() const
{
    const OpenTournament& t = openTournament();
    if (t.gintPlayerCount() == 0)
        return false;
    if (!HasSeatsPerTable(t)) {
        prompter().message(NoSeatsPerTableMessage());
        return false;
    }
    return true;
}

void SeatingCommands::run(const std::function<ChangedPlayers(OpenTournament&)>& command)
{
    if (!canSeat())
        return;
    OpenTournament& t = openTournament();
    ChangedPlayers changed;
    {
        BusyPointer busy;
        if (!ReportFailures([&] { changed = StoreSeatingChange(gobjDatabase(), t, command); }))
            return;
    }
    if (!changed.empty())
        w.RefreshScreens(true);
}

void SeatingCommands::mnAssignSeatsAll_Click()
{
    run([](OpenTournament& t) { return AssignSeatsAll(t, randomSource()); });
}

void SeatingCommands::mnAssignSeatsNew_Click()
{
    run([](OpenTournament& t) { return AssignSeatsNew(t, 0, randomSource()); });
}

void SeatingCommands::mnClearSeats_Click()
{
    run([](OpenTournament& t) { return ClearAllSeats(t); });
}

void SeatingCommands::mnBalanceTables_Click()
{
    run([](OpenTournament& t) { return BalanceTables(t, randomSource()); });
}

void SeatingCommands::DropTable()
{
    if (!canSeat())
        return;
    const OpenTournament& t = openTournament();
    const QList<TableChoice> choices = DropTableChoices(t, programSettings().gintTableID);
    QStringList lines;
    for (const TableChoice& c : choices)
        lines << c.Text;
    const std::optional<int> chosen = picked(pickTable, lines);
    if (!chosen || choices[*chosen].Count == 0)
        return;
    const Integer table = choices[*chosen].Table;
    if (!DropTableHasRoom(t, table)) {
        prompter().message(QStringLiteral("There are not enough empty seats at active tables to move the players from "
                                          "the table you selected to other tables."));
        return;
    }
    run([table](OpenTournament& o) { return AssignSeatsNew(o, table, randomSource()); });
}

void SeatingCommands::MovePlayer(long intPlayerIndex)
{
    const OpenTournament& t = openTournament();
    if (intPlayerIndex < 1 || intPlayerIndex > t.gintPlayerCount() || !CanBeSeated(t.gtypPlayers[intPlayerIndex]))
        return;
    const QList<SeatRef> seats = OpenSeats(t);
    QStringList lines;
    for (const SeatRef& s : seats)
        lines << GetTableAndSeat(s.Table, s.Seat);
    const std::optional<int> chosen = picked(pickSeat, lines);
    if (!chosen)
        return;
    const SeatRef seat = seats[*chosen];
    run([&](OpenTournament& o) { return MovePlayerTo(o, intPlayerIndex, seat.Table, seat.Seat); });
}

void SeatingCommands::mnMovePlayerFromSeatChart_Click()
{
    const long index = w.SeatChartPlayer();
    if (index < 1) {
        prompter().message(QStringLiteral("There is no player at this seat."));
        return;
    }
    MovePlayer(index);
}

void SeatingCommands::UnassignPlayer(long index)
{
    if (index >= 1)
        run([index](OpenTournament& o) { return UnassignSeat(o, index); });
}

void SeatingCommands::mnUnassignPlayersSeatFromSeatChart_Click() { UnassignPlayer(w.SeatChartPlayer()); }

void SeatingCommands::mnMovePlayerToSeat_Click()
{
    const SeatChartCell cell = w.CurrentSeatChartCell();
    if (cell.Table < 1 || cell.Seat < 1)
        return;
    if (w.SeatChartPlayer() >= 1) {
        prompter().message(QStringLiteral("There is already a player at this seat.  Please Unassign the seat before "
                                          "moving a player to this seat."));
        return;
    }
    const OpenTournament& t = openTournament();
    const QList<long> players = PlayersStillIn(t);
    QStringList names;
    for (const long i : players)
        names << t.gtypPlayers[i].PlayerName;
    const std::optional<int> chosen = picked(pickPlayer, names);
    if (!chosen)
        return;
    const long index = players[*chosen];
    run([&](OpenTournament& o) { return MovePlayerTo(o, index, cell.Table, cell.Seat); });
}

void SeatingCommands::TableSizeChanged(const BoundedArray<PlayerRecord>& before, Integer oldSize)
{
    const OpenTournament& t = openTournament();
    if (t.gintPlayersPerTable == oldSize)
        return;
    const ProgramSettings& ps = programSettings();
    const QList<LostSeat> lost = SeatsLost(before, t);
    if (!lost.isEmpty()
        && prompter().askYesNo(SeatsLostQuestion(t, lost, ps.gintTableID, ps.gintSeatID)) == Prompter::Answer::Yes)
        mnAssignSeatsNew_Click();
    CheckNotifyReduceTables(false, false);
}

void SeatingCommands::CheckNotifyReduceTables(bool bEndOfSession, bool bNoSound)
{
    const OpenTournament& t = openTournament();
    if (!TableCheckRuns(t, bEndOfSession))
        return;
    if (!CheckTables(t).Alert())
        return;
    mParts.frames.lblTableMessage->setText(
        QStringLiteral("Notice:  You have one or more tables that can be dropped and/or need to be balanced."));
    // The frame grows to its message before it is placed.
    mParts.frames.Place(w.width(), w.height());
    mParts.frames.frameAlert->show();
    mParts.frames.frameAlert->raise();
    mbLastAlertEndOfSession = bEndOfSession;
    if (!bNoSound)
        PlayEventSound(8);
}
