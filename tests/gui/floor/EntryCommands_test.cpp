#include "MainWindowFixture.h"
#include "RecordingSoundPlayer.h"

#include "core/floor/AwardBookkeeping.h"
#include "core/floor/PlayerLookup.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/floor/AwardDialogs.h"
#include "gui/floor/EntryCommands.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class EntryWindowTest : public TournamentWindowFixture {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        OpenTournament& t = openTournament();
        t.gintPlayersPerTable = 9;
        t.gdblBuyin = 20;
        for (long i = 1; i <= 3; ++i) {
            t.gtypPlayers[i].Table = 1;
            t.gtypPlayers[i].Seat = Integer(i);
            SaveTournamentPlayer(Integer(i));
        }
        parts(w).entries->askKiller = [this](const KillQuestion& q, const QList<long>& stillIn, const QList<long>&) {
            asked << q.Message;
            offered << stillIn;
            return answers.isEmpty() ? KillAnswer {KillAnswer::Cancelled, 0} : answers.takeFirst();
        };
    }
    // Clicks seat s of table 1 on the seat chart, as the chart shows it.
    void atSeat(Integer s)
    {
        FlexGrid* g = parts(w).display.gridTables;
        w->RefreshScreens(true);
        for (long r = 0; r < g->Rows(); ++r)
            for (long c = 0; c < g->Cols(); ++c)
                if (const SeatChartCell cell = parts(w).mSeatChart.cell(r, c); cell.Table == 1 && cell.Seat == s) {
                    g->setRow(r);
                    g->setCol(c);
                    return;
                }
        // No chart drawn: a chart of that one seat.
        clickSeat(1, s);
    }

    RecordingSoundPlayer sounds;
    QStringList asked;
    QList<QList<long>> offered;
    QList<KillAnswer> answers;
};

} // namespace

TEST(ManualAdjust, NumbersOnlyWithTheFocusOnTheBox)
{
    ScriptedPrompter prompts;
    setPrompter(&prompts);
    frmManualAdjust d;
    d.txtDollars->setText(QStringLiteral("12a"));
    d.txtPoints->setText(QStringLiteral("1,500"));
    d.cmdOK_Click();
    EXPECT_EQ(prompts.messages.takeLast(), QStringLiteral("Dollars must be numeric."));
    d.txtDollars->setText(QStringLiteral("3"));
    d.txtPoints->setText(QStringLiteral("$4"));
    d.cmdOK_Click();
    EXPECT_EQ(prompts.messages.takeLast(), QStringLiteral("Points must be numeric."));
    EXPECT_EQ(d.focusWidget(), d.txtPoints);
    // Winnings are never negative; points may be.
    d.txtDollars->setText(QStringLiteral("-3"));
    d.txtPoints->setText(QStringLiteral("-12.5"));
    d.cmdOK_Click();
    EXPECT_EQ(prompts.messages.takeLast(), QStringLiteral("Player winnings cannot be negative."));
    EXPECT_EQ(d.focusWidget(), d.txtDollars);
    EXPECT_FALSE(d.mbOKed);
    d.txtDollars->setText(QStringLiteral("3"));
    d.cmdOK_Click();
    EXPECT_TRUE(d.mbOKed);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Assign Bounty"));

    // Winnings beyond the money taken in are asked about as awards are: No,
    // the default, keeps the dialog open on the winnings.
    OpenTournament t;
    for (int i = 0; i < 3; ++i)
        t.gtypPlayers.append().TotalBuyin = 200;
    programSettings().gstrMoneyFormat = QStringLiteral("$#,##0");
    frmManualAdjust asked;
    asked.mTournament = &t;
    asked.mPlayerIndex = 1;
    asked.txtDollars->setText(QStringLiteral("9000000000"));
    asked.txtPoints->setText(QStringLiteral("0"));
    asked.cmdOK_Click();
    EXPECT_EQ(prompts.safeDefault,
              QStringList {QStringLiteral("The players' winnings would come to $9,000,000,000, more than the "
                                          "money taken in ($600). Keep these winnings?")});
    EXPECT_FALSE(asked.mbOKed);
    EXPECT_EQ(asked.focusWidget(), asked.txtDollars);
    prompts.answers = {Prompter::Answer::Yes};
    asked.cmdOK_Click();
    EXPECT_TRUE(asked.mbOKed);
    programSettings() = ProgramSettings();
    setPrompter(nullptr);
}

TEST_F(EntryWindowTest, BuysFromTheSeatChart)
{
    QAction* buyin = action("mnBuyin");
    atSeat(1);
    buyin->trigger();
    EXPECT_EQ(stored(1, "TotalBuyin").toDouble(), 20);
    EXPECT_TRUE(sounds.played.empty());

    // Anna has bought in: she rebuys, whatever the entry's caption still says.
    openTournament().gdblRebuyAmount = 15;
    openTournament().gintAllowRebuys = 1;
    for (const char* caption : {"Buyin", "Oops"}) {
        buyin->setText(QString::fromLatin1(caption));
        buyin->trigger();
    }
    EXPECT_EQ(stored(1, "TotalRebuy").toDouble(), 30);
    EXPECT_EQ(openTournament().gtypPlayers[1].TotalBuyin, 20);
    EXPECT_EQ(sounds.played, (std::vector<int> {10, 10}));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(EntryWindowTest, EliminationsAskStoreAndCrownTheWinner)
{
    programSettings().gintTrackKills = 1;
    atSeat(1);
    action("mnEliminate")->trigger(); // cancelled: nothing happens
    EXPECT_EQ(openTournament().gtypPlayers[1].Finish, 0);
    EXPECT_TRUE(sounds.played.empty());

    answers = {{KillAnswer::Chosen, 2}};
    action("mnEliminate")->trigger();
    EXPECT_EQ(asked.last(), QStringLiteral("Please select the player who eliminated Anna?"));
    EXPECT_EQ(offered.last(), (QList<long> {2, 3})) << "never himself";
    const Long bob = openTournament().gtypPlayers[PlayerIndexAtSeat(openTournament(), 1, 2)].PlayerID;
    EXPECT_EQ(db.query(QStringLiteral("SELECT Kills FROM tblTournamentXPlayer WHERE PlayerID = ?"), {bob})
                  .value(QStringLiteral("Kills"))
                  .toInt(),
              1);

    // After the reload Bob and Carl are still at their seats.
    answers = {{KillAnswer::Skipped, 0}};
    atSeat(2);
    action("mnEliminate")->trigger();
    const OpenTournament& t = openTournament();
    int winners = 0;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        winners += t.gtypPlayers[i].Finish == 1 ? 1 : 0;
    EXPECT_EQ(winners, 1);
    EXPECT_EQ(sounds.played, (std::vector<int> {1, 1}));
}

TEST_F(EntryWindowTest, AwardsGivenAndTakenBack)
{
    OpenTournament& t = openTournament();
    t.gtypAwards.append({0, 0, 0, QStringLiteral("High hand"), 25, 2, 0});
    SaveTournament(false);
    parts(w).entries->askAward = [] { return 1L; };
    atSeat(3);
    action("mnAward2")->trigger();
    const long carl = PlayerIndexByID(t, t.gtypAwards[1].AwardedToPlayerID);
    ASSERT_GT(carl, 0);
    EXPECT_EQ(t.gtypPlayers[carl].Payout, 25);
    atSeat(3);
    action("mnClearAwards2")->trigger();

    EXPECT_EQ(t.gtypAwards[1].AwardedToPlayerID, 0);
    EXPECT_EQ(t.gtypPlayers[carl].Payout, 0);
}

namespace {

// The window after an elimination, as the director sees it.
struct AfterElimination {
    std::vector<int> sounds; // the events played since the clock started
    bool clockTicking = false;
    QString clockCaption;
    bool tablesAlert = false;
    QString playersLeft; // the summary's "Plyrs on Tbls" line
};

// Each step the window takes after an elimination, and what shows it.
struct EliminationStep {
    const char* name;
    QStringList eliminated; // in order, by the players grid's buttons
    std::function<void(const AfterElimination&)> check;
};

void PrintTo(const EliminationStep& step, std::ostream* os) { *os << step.name; }

// Two tables of two seats: Anna and Bob at the first, Carl at the second.
// The clock runs.
class EliminationStepsTest : public EntryWindowTest, public ::testing::WithParamInterface<EliminationStep> {
protected:
    void SetUp() override
    {
        EntryWindowTest::SetUp();
        OpenTournament& t = openTournament();
        t.gintPlayersPerTable = 2;
        t.glngNotifyWhenTablesCanBeReduced = 2;
        t.gtypPlayers[3].Table = 2;
        t.gtypPlayers[3].Seat = 1;
        SaveTournamentPlayer(3);
        SaveTournament(false);
        programSettings().gintTrackKills = 0;
        showActive();
        w->RefreshScreens(true);
        action("mnClockStart")->trigger();
        ASSERT_EQ(parts(w).frames.btnClock->Caption(), QStringLiteral("Clock: Running"));
        sounds.played.clear();
    }

    // Clicks the player's name in the players grid, then Eliminate.
    void eliminate(const QString& name)
    {
        FlexGrid* g = parts(w).display.grid;
        for (long r = 0; r < g->Rows(); ++r)
            for (long c = 0; c < g->Cols(); ++c)
                if (g->TextMatrix(r, c) == name) {
                    const QPoint at = g->viewport()->mapFrom(g, g->CellRect(r, c).center());
                    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
                    ASSERT_TRUE(parts(w).frames.cmdEliminate->isVisible()) << name.toStdString();
                    QTest::mouseClick(parts(w).frames.cmdEliminate, Qt::LeftButton);
                    return;
                }
        FAIL() << name.toStdString() << " is not in the players grid";
    }

    AfterElimination seen() const
    {
        return {sounds.played, control<QTimer>("tmrCountDown")->isActive(), parts(w).frames.btnClock->Caption(),
                parts(w).frames.frameAlert->isVisible(), control<QLabel>("lblNumPlayers")->text()};
    }
};

const EliminationStep EliminationSteps[] = {
    {"TheWinnersClockPauses",
     {"Bob", "Carl"},
     [](const AfterElimination& a) {
         EXPECT_FALSE(a.clockTicking);
         EXPECT_EQ(a.clockCaption.toStdString(), "Clock: Not Running");
     }},
    {"TheClockRunsOnWhileTwoPlay",
     {"Bob"},
     [](const AfterElimination& a) {
         EXPECT_TRUE(a.clockTicking);
         EXPECT_EQ(a.clockCaption.toStdString(), "Clock: Running");
     }},
    // The elimination's sound first, then the alert's own.
    {"TheSoundPlays",
     {"Anna"},
     [](const AfterElimination& a) {
         EXPECT_EQ(a.sounds, (std::vector<int> {1, 8}));
     }},
    {"TheTablesCheckSeesATableToDrop", {"Bob"}, [](const AfterElimination& a) { EXPECT_TRUE(a.tablesAlert); }},
    {"TheScreensShowTheRemainingPlayers",
     {"Bob"},
     [](const AfterElimination& a) { EXPECT_EQ(a.playersLeft.toStdString(), "2 Plyrs on 2 Tbls"); }},
};

} // namespace

TEST_P(EliminationStepsTest, AfterTheElimination)
{
    ASSERT_FALSE(parts(w).frames.frameAlert->isVisible());
    ASSERT_EQ(control<QLabel>("lblNumPlayers")->text(), QStringLiteral("3 Plyrs on 2 Tbls"));
    for (const QString& name : GetParam().eliminated)
        ASSERT_NO_FATAL_FAILURE(eliminate(name));
    GetParam().check(seen());
}

INSTANTIATE_TEST_SUITE_P(Window, EliminationStepsTest, ::testing::ValuesIn(EliminationSteps),
                         [](const auto& info) { return std::string(info.param.name); });
