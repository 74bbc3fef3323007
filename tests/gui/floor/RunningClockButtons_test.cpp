#include "MainWindowFixture.h"

#include "core/display/PlayersGrid.h"
#include "core/store/ScreenCatalogue.h"
#include "gui/controls/FlexGrid.h"
#include "gui/display/PlayersGridPart.h"
#include "gui/display/ScreenController.h"
#include "gui/floor/AwardDialogs.h"
#include "gui/floor/ClockPanel.h"
#include "gui/floor/EntryCommands.h"
#include "gui/floor/FloorCommands.h"

#include "FieldBuilder.h"
#include "LevelTestData.h"
#include "ManualClock.h"
#include "RecordingSoundPlayer.h"
#include "WindowTestHelpers.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Where the pointer rests after the row was clicked, and for how long,
// before the director clicks the button.
struct Approach {
    bool restsOnRow; // else it goes to the button at once and rests there
    int ms;
};
// The player button, and the way to it.
using ClickCase = std::tuple<const char*, Approach>;

// Ten entrants, all bought in, rebuys and add-ons open, on the window as the
// room sees it all evening: the clock running, the screens rotating and the
// long grids scrolling by themselves, every timer the window's own.
class RunningClockTest : public TournamentWindowFixture {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        OpenTournament& t = openTournament();
        t.gdblBuyin = 20;
        t.gdblRebuyAmount = 20;
        t.gdblAddonAmount = 10;
        t.gintAllowRebuys = 1;
        t.gintAllowAddons = 1;
        for (const char* name : {"Dora", "Emil", "Fay", "Gus", "Hal", "Ivy", "Jon"}) {
            PlayerRecord& p = t.gtypPlayers.append();
            p.PlayerName = QString::fromLatin1(name);
            p.PlayerID = addPlayer(p.PlayerName, {league});
        }
        for (long i = 1; i <= t.gintPlayerCount(); ++i) {
            t.gtypPlayers[i].TotalBuyin = 20;
            t.gtypPlayers[i].Table = Integer((i - 1) / 5 + 1);
            t.gtypPlayers[i].Seat = Integer((i - 1) % 5 + 1);
            SaveTournamentPlayer(Integer(i));
        }
        ASSERT_EQ(t.gintPlayerCount(), 10);
        programSettings().gintTrackKills = 1;
        programSettings().gintRotateScreens = 1;
        programSettings().gintAutoScroll = 1;
        w->Form_Unload();
        w->Form_Load();
        showActive();
        w->resize(1280, 1024);
        w->RefreshScreens(true);
        w->SwitchView(PlayersScreen);
        QTest::keyClick(w.data(), Qt::Key_F1);
        ASSERT_TRUE(parts(w).clock->tmrCountDown->isActive());
        ASSERT_TRUE(parts(w).players->tmrScroll->isActive());
        ASSERT_TRUE(parts(w).screens->tmrDisplay->isActive());
    }

    FlexGrid* grid() const { return parts(w).display.grid; }

    // The cells painted as the selected player's.
    std::vector<std::pair<long, long>> highlighted() const
    {
        std::vector<std::pair<long, long>> cells;
        for (long r = 0; r < grid()->Rows(); ++r)
            for (long c = 0; c < grid()->Cols(); ++c)
                if (grid()->CellBackColor(r, c) == 0x800000u) // dark blue
                    cells.emplace_back(r, c);
        return cells;
    }

    // Where on the window the mouse is: it reaches whatever shows there.
    QPoint onWindow(const QWidget* control, const QPoint& at) const { return control->mapTo(w.data(), at); }

    // The player's row, clicked on the name, as the director does.
    void clickPlayer(long index)
    {
        const long row = (index + 1) / 2;
        const long col = index % 2 == 1 ? 0 : PlayersRightGroup;
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, onWindow(grid(), grid()->CellRect(row, col).center()));
    }

    struct Buys {
        double rebuy, addon;
        bool operator==(const Buys&) const = default;
    };
    std::vector<Buys> buys() const
    {
        std::vector<Buys> all;
        const OpenTournament& t = openTournament();
        for (long i = 1; i <= t.gintPlayerCount(); ++i)
            all.push_back({t.gtypPlayers[i].TotalRebuy, t.gtypPlayers[i].TotalAddon});
        return all;
    }
};

class RunningClockButtonsTest : public RunningClockTest, public ::testing::WithParamInterface<ClickCase> { };

// The same window on a clock the test moves: the level ends on the window's
// own countdown tick, with no wait for its minutes.
class LevelEndTest : public RunningClockTest {
protected:
    ManualClock time;
    RecordingSoundPlayer sounds;
};

} // namespace

TEST_P(RunningClockButtonsTest, AClickActsOnceOnTheSelectedPlayer)
{
    const auto [name, approach] = GetParam();
    constexpr long Chosen = 5; // Emil, in the left group of row 3
    auto* button = control<QPushButton>(name);
    ASSERT_TRUE(button);
    std::vector<Buys> expected = buys();
    if (button == parts(w).frames.cmdBuyin)
        expected[Chosen - 1].rebuy += 20;
    if (button == parts(w).frames.cmdAddon)
        expected[Chosen - 1].addon += 10;

    clickPlayer(Chosen);
    ASSERT_EQ(w->FindPlayerIndex(), Chosen);
    ASSERT_TRUE(button->isVisible() && button->isEnabled());
    // The pointer rests on the name, or goes from the row to the button and
    // rests there.
    const QPoint onButton = onWindow(button, button->rect().center());
    if (approach.restsOnRow) {
        QTest::qWait(approach.ms);
        ASSERT_TRUE(button->isVisible()) << "the pointer is still on the row";
    }
    QTest::mouseMove(w->windowHandle(), onButton);
    if (!approach.restsOnRow)
        QTest::qWait(approach.ms);

    QStringList asked;
    if (button == parts(w).frames.cmdEliminate)
        OnNextDialog<frmAwardPlayer>([&asked](frmAwardPlayer& d) { asked << d.lblMessage->text(); });
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, onButton);

    EXPECT_TRUE(buys() == expected);
    if (button == parts(w).frames.cmdEliminate) {
        EXPECT_EQ(asked, QStringList {QStringLiteral("Please select the player who eliminated Emil?")});
    }
    if (button == parts(w).frames.cmdBuyin) {
        EXPECT_EQ(stored(Chosen, "TotalRebuy").toDouble(), 20);
    }
    // Nobody else was selected on the way.
    EXPECT_EQ(w->FindPlayerIndex(), Chosen);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(ClockRunning, RunningClockButtonsTest,
                         ::testing::Combine(::testing::Values("cmdBuyin", "cmdAddon", "cmdEliminate"),
                                            ::testing::Values(Approach {false, 1000}, Approach {false, 3000},
                                                              Approach {true, 3500})),
                         [](const ::testing::TestParamInfo<ClickCase>& info) {
                             const Approach& a = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param)) + (a.restsOnRow ? "RestingOnTheRow" : "After")
                                 + std::to_string(a.ms) + "ms";
                         });

// The pointer rests on the name, goes to the buttons and rests there, then
// rests on another player's row: the buttons go 3 s after it left them, not
// 3 s after the click, and the grid scrolls on by itself again.
TEST_F(RunningClockTest, TheButtonsGoThreeSecondsAfterThePointerLeftTheRowAndTheButtons)
{
    constexpr long Chosen = 5; // Emil, in the left group of row 3
    const FloorFrames& f = parts(w).frames;
    clickPlayer(Chosen);
    ASSERT_TRUE(f.frameButtons->isVisible());
    QTest::qWait(500);
    QTest::mouseMove(w->windowHandle(), onWindow(f.cmdAddon, f.cmdAddon->rect().center()));
    QTest::qWait(1000);
    ASSERT_TRUE(f.frameButtons->isVisible()) << "the pointer is on the buttons";

    QElapsedTimer left; // the pointer leaves as it moves
    left.start();
    QTest::mouseMove(w->windowHandle(), onWindow(grid(), grid()->CellRect(1, 0).center())); // Anna's row
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.frameButtons->isVisible(); }, 10000))
        << "the pointer rests on another row";
    // 3 s, give or take the timers' rounding.
    EXPECT_GE(left.elapsed(), 2950) << "gone while the pointer had only just left";
    EXPECT_TRUE(parts(w).players->tmrScroll->isActive());
    EXPECT_EQ(w->FindPlayerIndex(), Chosen) << "nobody else selected on the way";
}

// A player added while Emil's buttons show sorts before him: another player
// now stands on the selected row, and the buttons are not his.
TEST_F(RunningClockTest, ButtonsLeftOverAnotherPlayerAfterAReloadGo)
{
    constexpr long Chosen = 5; // Emil, in the left group of row 3
    const FloorFrames& f = parts(w).frames;
    clickPlayer(Chosen);
    ASSERT_TRUE(f.cmdBuyin->isVisible() && f.cmdBuyin->isEnabled());
    const QPoint rebuy = onWindow(f.cmdBuyin, f.cmdBuyin->rect().center());
    w->showPlayers = [this] {
        OpenTournament& t = openTournament();
        PlayerRecord& p = t.gtypPlayers.append();
        p.PlayerName = QStringLiteral("Abe");
        p.PlayerID = addPlayer(p.PlayerName, {league});
        SaveTournamentPlayer(Integer(t.gtypPlayers.upper()));
        LoadTournament(tournament, true); // as the players dialog leaves it: by name
        return true;
    };
    action("mnAddRemovePlayers")->trigger(); // Ctrl+A
    const OpenTournament& t = openTournament();
    ASSERT_EQ(t.gtypPlayers[1].PlayerName, QStringLiteral("Abe"));
    ASSERT_NE(t.gtypPlayers[Chosen].PlayerName, QStringLiteral("Emil"));
    EXPECT_FALSE(f.frameButtons->isVisible());
    EXPECT_TRUE(highlighted().empty());

    // The director clicks where Emil's Rebuy was: nobody rebuys.
    const std::vector<Buys> before = buys();
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, rebuy);
    EXPECT_TRUE(buys() == before);
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        EXPECT_EQ(stored(i, "TotalRebuy").toDouble(), 0) << t.gtypPlayers[i].PlayerName.toStdString();
}

// Rebuys until level 3 and add-ons until level 3, a break after level 2: both
// are offered in that break and neither once level 3 is played. The buttons
// stay on screen while one has the focus, the clock moves on under them.
TEST_F(RunningClockTest, WhatTheButtonsOfferFollowsTheEndOfTheBreak)
{
    OpenTournament& t = openTournament();
    SetTestLevels(t, {20, TestLevel(20, 15), 20, 20});
    OpenEntryPeriods(t, 3, 1, 3);
    w->SetLevel(2);
    QTest::keyClick(w.data(), Qt::Key_F3); // the break after level 2
    ASSERT_TRUE(t.gblnOnBreak);
    ASSERT_EQ(t.gintBlindsLevel, 3);

    constexpr long Chosen = 5;
    const FloorFrames& f = parts(w).frames;
    clickPlayer(Chosen);
    ASSERT_TRUE(f.cmdBuyin->isVisible());
    EXPECT_EQ(f.cmdBuyin->text(), QStringLiteral("Rebuy"));
    EXPECT_TRUE(f.cmdBuyin->isEnabled() && f.cmdAddon->isEnabled());
    for (int i = 0; i < 6 && QApplication::focusWidget() != f.cmdBuyin; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f.cmdBuyin);
    const std::vector<Buys> before = buys();

    QTest::keyClick(w.data(), Qt::Key_F3); // level 3 begins
    ASSERT_FALSE(t.gblnOnBreak);
    ASSERT_TRUE(f.frameButtons->isVisible()) << "the focus keeps them";
    EXPECT_EQ(f.cmdBuyin->text(), QStringLiteral("Rebuy"));
    EXPECT_FALSE(f.cmdBuyin->isEnabled());
    EXPECT_FALSE(f.cmdAddon->isEnabled());

    // Whatever reaches the commands now, nothing is stored.
    QTest::keyClick(f.cmdBuyin, Qt::Key_Space);
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, onWindow(f.cmdAddon, f.cmdAddon->rect().center()));
    parts(w).entries->BuyinOrRebuy(false);
    parts(w).entries->AddonPlayer(false);
    EXPECT_TRUE(buys() == before);
    EXPECT_EQ(stored(Chosen, "TotalRebuy").toDouble(), 0);
    EXPECT_EQ(stored(Chosen, "TotalAddon").toDouble(), 0);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(u'\n').toStdString();

    // The seat menu, up while the level changes, follows as well.
    w->SetLevel(2);
    t.gintPlayersPerTable = 5;
    w->SwitchView(TablesScreen);
    w->RefreshScreens(true);
    FlexGrid* chart = parts(w).display.gridTables;
    const PlayerRecord& p = t.gtypPlayers[Chosen];
    for (long r = 0; r < chart->Rows(); ++r)
        for (long c = 0; c < chart->Cols(); ++c)
            if (const SeatChartCell cell = parts(w).mSeatChart.cell(r, c);
                cell.Table == p.Table && cell.Seat == p.Seat) {
                chart->setRow(r);
                chart->setCol(c);
            }
    ASSERT_EQ(w->SeatChartPlayer(), Chosen);
    parts(w).commands->gridTables_Click();
    QAction* rebuy = action("mnBuyin");
    ASSERT_TRUE(menu("mnMovePlayerPopup")->isVisible());
    EXPECT_TRUE(rebuy->isEnabled() && rebuy->text() == QStringLiteral("Rebuy"));
    w->SetLevel(3);
    EXPECT_FALSE(rebuy->isEnabled());
    EXPECT_FALSE(action("mnAddon")->isEnabled());
    parts(w).entries->mnBuyin_Click();
    EXPECT_TRUE(buys() == before);
}

// Screens not rotating, the pointer resting on the selected row while the
// level ends on the clock and the break begins: the reload of the grid keeps
// the player on the row, and with the buttons his row stays highlighted.
TEST_F(LevelEndTest, TheRowUnderThePointerStaysHighlightedWhenTheBreakBegins)
{
    OpenTournament& t = openTournament();
    SetTestLevels(t, {1, TestLevel(1, 15), 1});
    action("mnRotate")->trigger();
    ASSERT_FALSE(parts(w).screens->tmrDisplay->isActive());
    w->SetLevel(2);
    w->ResetTimer();
    QTest::keyClick(w.data(), Qt::Key_F1);
    ASSERT_TRUE(parts(w).clock->tmrCountDown->isActive());

    constexpr long Chosen = 6; // in the right group of row 3
    const FloorFrames& f = parts(w).frames;
    clickPlayer(Chosen);
    ASSERT_TRUE(f.frameButtons->isVisible());
    std::vector<std::pair<long, long>> group; // the right group of row 3
    for (long c = PlayersRightGroup; c < PlayersRightGroup + 5; ++c)
        group.emplace_back(3, c);
    ASSERT_EQ(highlighted(), group);

    time.advance(parts(w).clock->clock.secondsLeft() * 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.gblnOnBreak; }, 5000)) << "the countdown's own tick ends the level";
    ASSERT_TRUE(f.frameButtons->isVisible()) << "the pointer rests on the row";
    EXPECT_EQ(w->FindPlayerIndex(), Chosen);
    EXPECT_EQ(highlighted(), group);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(u'\n').toStdString();
}
