#include "gui/floor/EntryCommands.h"

#include "core/floor/AwardBookkeeping.h"
#include "core/floor/EntryOptions.h"
#include "core/floor/FloorEntries.h"
#include "core/floor/Levels.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/PlainNumberText.h"
#include "core/store/PlayEventSound.h"
#include "core/store/ProgramSettings.h"
#include "core/store/TournamentStore.h"
#include "gui/floor/AwardDialogs.h"
#include "gui/floor/ClockPanel.h"
#include "gui/floor/MainMenus.h"
#include "gui/floor/SeatingCommands.h"
#include "gui/floor/frmMain.h"
#include "gui/platform/BusyPointer.h"

#include <QAction>
#include <QLineEdit>

EntryCommands::EntryCommands(frmMain& window, const EntryParts& parts)
    : QObject(&window)
    , w(window)
    , mParts(parts)
{
    setObjectName(QStringLiteral("EntryCommands"));
    askKiller = [this](const KillQuestion& q, const QList<long>& stillIn, const QList<long>& everyone) {
        ShowDefaultPointer();
        frmAwardPlayer dialog(q.Message, stillIn, everyone, openTournament(), &w);
        dialog.exec();
        if (dialog.mbOKed)
            return KillAnswer {KillAnswer::Chosen, dialog.chosenPlayer()};
        return KillAnswer {dialog.mbSkipped ? KillAnswer::Skipped : KillAnswer::Cancelled, 0};
    };
    askAdjustment = [this](long index, const QString& dollars,
                           const QString& points) -> std::optional<std::pair<QString, QString>> {
        frmManualAdjust dialog(&w);
        dialog.mTournament = &openTournament();
        dialog.mPlayerIndex = index;
        dialog.txtDollars->setText(dollars);
        dialog.txtPoints->setText(points);
        dialog.exec();
        if (!dialog.mbOKed)
            return std::nullopt;
        return std::pair {dialog.txtDollars->text(), dialog.txtPoints->text()};
    };
    askAward = [this] {
        frmAwardAward dialog(openTournament(), &w);
        dialog.exec();
        return dialog.mbOKed ? dialog.chosenAward() : 0L;
    };

    auto on = [this](const char* name, std::function<void()> handler) {
        connect(mParts.menus.action(QString::fromLatin1(name)), &QAction::triggered, this, std::move(handler));
    };
    on("mnBuyin", [this] { mnBuyin_Click(); });
    on("mnAddon", [this] { AddonPlayer(true); });
    on("mnClearAll", [this] { ClearAllBuys(); });
    // The players list's entries act on its selected player, the seat
    // menu's ("2") on the clicked seat's.
    const struct {
        const char* name;
        void (EntryCommands::*command)(bool);
        bool fromTableView;
    } resetting[] = {
        {"mnEliminate", &EntryCommands::EliminatePlayer, true},
        {"mnManualAdjustPayout", &EntryCommands::ManualAdjustPayout, false},
        {"mnManualAdjustPayout2", &EntryCommands::ManualAdjustPayout, true},
        {"mnAward", &EntryCommands::AwardAward, false},
        {"mnAward2", &EntryCommands::AwardAward, true},
        {"mnClearAwards", &EntryCommands::ClearAllAwards, false},
        {"mnClearAwards2", &EntryCommands::ClearAllAwards, true},
    };
    for (const auto& e : resetting)
        on(e.name, [this, e] {
            w.ResetDisplayTimer();
            (this->*e.command)(e.fromTableView);
        });
}

long EntryCommands::player(bool bFromTableView) const
{
    return bFromTableView ? w.SeatChartPlayer() : playersGridPlayer();
}

bool EntryCommands::store(const std::function<void(OpenTournament&, FloorRows&)>& operation)
{
    return ReportFailures([&] { StoreFloorChange(gobjDatabase(), openTournament(), operation); });
}

void EntryCommands::reloadPlayers()
{
    OpenTournament& t = openTournament();
    ReportFailures([&] {
        LoadTournament(gobjDatabase(), t, t.glngCurrentTournamentID, true);
        // The level's figures from the level table, as at the tournament's
        // opening.
        ::SetLevel(t, t.gintBlindsLevel);
    });
    w.RefreshScreens(true);
}

void EntryCommands::mnBuyin_Click()
{
    w.ResetDisplayTimer();
    BuyinOrRebuy(true);
}

void EntryCommands::BuyinOrRebuy(bool bFromTableView)
{
    const long index = player(bFromTableView);
    if (index < 1)
        return;
    const OpenTournament& t = openTournament();
    if (EntryOptions(t, t.gtypPlayers[index]).Buyin)
        BuyinPlayer(bFromTableView);
    else
        RebuyPlayer(bFromTableView);
}

void EntryCommands::BuyinPlayer(bool bFromTableView)
{
    const long index = player(bFromTableView);
    if (index < 1)
        return;
    BuyinOutcome outcome = BuyinOutcome::Bought;
    if (!store([&](OpenTournament& t, FloorRows& rows) { outcome = ::BuyinPlayer(t, index, rows); }))
        return;
    if (outcome == BuyinOutcome::AlreadyBoughtIn)
        prompter().message(AlreadyBoughtInMessage());
    if (outcome == BuyinOutcome::PoolPastCeiling)
        prompter().message(PoolPastCeiling(openTournament(), openTournament().gdblBuyin).value_or(QString()));
    w.RefreshScreens(false);
}

bool EntryCommands::storeOffered(long index, double amount, bool (*operation)(OpenTournament&, long, FloorRows&))
{
    if (index < 1)
        return false;
    if (const std::optional<QString> tooLarge = PoolPastCeiling(openTournament(), amount)) {
        prompter().message(*tooLarge);
        return false;
    }
    bool offered = false;
    if (!store([&](OpenTournament& t, FloorRows& rows) { offered = operation(t, index, rows); }))
        return false;
    // Refused or not, what is shown follows what is offered now.
    w.RefreshScreens(false);
    return offered;
}

void EntryCommands::RebuyPlayer(bool bFromTableView)
{
    if (storeOffered(player(bFromTableView), openTournament().gdblRebuyAmount, &::RebuyPlayer))
        PlayEventSound(10);
}

void EntryCommands::AddonPlayer(bool bFromTableView)
{
    storeOffered(player(bFromTableView), openTournament().gdblAddonAmount, &::AddonPlayer);
}

void EntryCommands::ClearAllBuys()
{
    const long index = player(false);
    if (index < 1 || !store([index](OpenTournament& t, FloorRows& rows) { ::ClearAllBuys(t, index, rows); }))
        return;
    w.RefreshScreens(false);
}

void EntryCommands::EliminatePlayer(bool bFromTableView)
{
    const long index = player(bFromTableView);
    if (index < 1)
        return;
    const bool track = programSettings().gintTrackKills == 1;

    const std::optional<std::vector<KillAnswer>> answers
        = AskEliminationQuestions(openTournament(), index, track, askKiller);
    if (!answers)
        return;

    EliminationResult result;
    const AskKiller replay = ReplayKillAnswers(*answers);
    {
        BusyPointer busy;
        if (!store(
                [&](OpenTournament& t, FloorRows& rows) { result = ::EliminatePlayer(t, index, track, replay, rows); }))
            return;
    }
    switch (result.Outcome) {
    case EliminationResult::Refused:
        prompter().message(CannotUnEliminateMessage());
        return;
    case EliminationResult::NotOffered:
        w.RefreshScreens(false);
        return;
    case EliminationResult::Eliminated:
        if (result.Winner != 0)
            mParts.clock.mnClockPause_Click();
        PlayEventSound(1);
        mParts.seating.CheckNotifyReduceTables(false, false);
        break;
    default:
        break;
    }
    reloadPlayers();
}

void EntryCommands::ManualAdjustPayout(bool bFromTableView)
{
    const long index = player(bFromTableView);
    if (index < 1)
        return;
    const PlayerRecord& p = openTournament().gtypPlayers[index];
    const auto typed = askAdjustment(index, AmountText(p.Payout), PlainNumberText(p.Points));
    if (!typed)
        return;
    const double payout = NzDouble(typed->first);
    const double points = NzDouble(typed->second);
    if (store([&](OpenTournament& t, FloorRows& rows) {
            t.gtypPlayers[index].Payout = payout;
            t.gtypPlayers[index].Points = points;
            rows.Players.insert(index);
        }))
        reloadPlayers();
}

void EntryCommands::AwardAward(bool bFromTableView)
{
    const long index = player(bFromTableView);
    if (index < 1)
        return;
    const long award = askAward();
    if (award < 1)
        return;
    if (store([&](OpenTournament& t, FloorRows& rows) { GiveAwardToPlayer(t, index, award, rows); }))
        reloadPlayers();
}

void EntryCommands::ClearAllAwards(bool bFromTableView)
{
    const long index = player(bFromTableView);
    if (index < 1) {
        prompter().message(NoPlayerSelectedMessage());
        return;
    }
    if (store([&](OpenTournament& t, FloorRows& rows) { RevokePlayerAwards(t, index, rows); }))
        reloadPlayers();
}
