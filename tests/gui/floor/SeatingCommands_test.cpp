#include "MainWindowFixture.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedRandom.h"

#include "gui/controls/FlexGrid.h"
#include "gui/floor/FloorFrames.h"
#include "gui/floor/SeatPickers.h"
#include "gui/floor/SeatingCommands.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <tuple>

namespace {

class SeatingWindowTest : public TournamentWindowFixture {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        setRandomSource(&rnd);
        SeatingCommands* s = parts(w).seating;
        s->pickTable = [this](const QStringList& items) { return answer(items); };
        s->pickSeat = [this](const QStringList& items) { return answer(items); };
        s->pickPlayer = [this](const QStringList& items) { return answer(items); };
    }
    void TearDown() override
    {
        setRandomSource(nullptr);
        TournamentWindowFixture::TearDown();
    }

    std::optional<int> answer(const QStringList& items)
    {
        offered = items;
        return pick;
    }
    int storedTable(long index) { return stored(index, "Table").toInt(); }

    ScriptedRandom rnd;
    std::optional<int> pick;
    QStringList offered;
};

} // namespace

TEST(SeatPickers, OkNeedsAChoiceAndCancelChangesNothing)
{
    ScriptedPrompter prompts;
    setPrompter(&prompts);
    for (const SeatPicker::Texts* texts : {&frmTables, &frmOpenSeats, &frmPlayerList}) {
        SeatPicker picker(*texts, {QStringLiteral("A - 4 Players"), QStringLiteral("B - 3 Players")});
        QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        EXPECT_EQ(prompts.messages.takeLast(), QString::fromUtf8(texts->Nothing));
        EXPECT_FALSE(picker.mbOKed);
        picker.list->setCurrentRow(1);
        QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        EXPECT_TRUE(picker.mbOKed);
        EXPECT_EQ(picker.ListIndex(), 1);
        EXPECT_EQ(picker.objectName(), QString::fromLatin1(texts->Name));
        EXPECT_TRUE(picker.findChild<QListWidget*>(QString::fromLatin1(texts->ListName)));
    }
    setPrompter(nullptr);
}

TEST_F(SeatingWindowTest, CommandsSeatStoreAndRefuseTablesWithoutSeats)
{
    action("mnAssignSeatsAll")->trigger();
    EXPECT_EQ(prompts.messages,
              QStringList {QStringLiteral("Set at least one seat per table in the tournament set-up.")});

    openTournament().gintPlayersPerTable = 2;
    action("mnAssignSeatsAll")->trigger();
    for (long i = 1; i <= 3; ++i) {
        EXPECT_GE(openTournament().gtypPlayers[i].Table, 1);
        EXPECT_EQ(storedTable(i), openTournament().gtypPlayers[i].Table);
    }

    // Reducing: the table picker lists every table; a table without room is refused.
    pick = 0;
    action("mnReduceTables")->trigger();
    EXPECT_EQ(offered.size(), 2);
    EXPECT_TRUE(prompts.messages.last().startsWith(QStringLiteral("There are not enough empty seats")));

    action("mnClearSeats")->trigger();
    EXPECT_EQ(storedTable(1) + storedTable(2) + storedTable(3), 0);
}

TEST_F(SeatingWindowTest, SeatChartCommandsGoBySeatNeverByName)
{
    OpenTournament& t = openTournament();
    t.gintPlayersPerTable = 4;
    t.gtypPlayers[1].Table = 1;
    t.gtypPlayers[1].Seat = 2;
    t.gtypPlayers[2].Finish = 3; // out: never offered a seat

    clickSeat(1, 3);
    action("mnMovePlayerFromSeatChart")->trigger();
    EXPECT_EQ(prompts.messages.takeLast(), QStringLiteral("There is no player at this seat."));

    clickSeat(1, 2);
    action("mnMovePlayerToSeat")->trigger();
    EXPECT_TRUE(prompts.messages.takeLast().startsWith(QStringLiteral("There is already a player at this seat.  ")));

    clickSeat(1, 4);
    pick = 1; // the second player still in: Carl
    action("mnMovePlayerToSeat")->trigger();
    EXPECT_EQ(offered, (QStringList {"Anna", "Carl"}));
    EXPECT_EQ(t.gtypPlayers[3].Table, 1);
    EXPECT_EQ(t.gtypPlayers[3].Seat, 4);
    EXPECT_EQ(storedTable(3), 1);

    clickSeat(1, 2);
    pick = std::nullopt; // the open-seat picker cancelled
    action("mnMovePlayerFromSeatChart")->trigger();
    EXPECT_EQ(t.gtypPlayers[1].Seat, 2);
    action("mnUnassignPlayersSeatFromSeatChart")->trigger();
    EXPECT_EQ(t.gtypPlayers[1].Table, 0);
}

TEST_F(SeatingWindowTest, TableAlertBySettingWithItsSound)
{
    RecordingSoundPlayer sounds;
    OpenTournament& t = openTournament();
    t.gintPlayersPerTable = 4;
    t.gtypPlayers[1].Table = 1;
    t.gtypPlayers[2].Table = 2; // two tables of one: one can go
    t.gtypPlayers[2].Seat = 1;
    t.gtypPlayers[1].Seat = 1;

    t.glngNotifyWhenTablesCanBeReduced = 1;
    parts(w).seating->CheckNotifyReduceTables(false, false);
    EXPECT_TRUE(parts(w).frames.frameAlert->isHidden()) << "setting 1: at the end of a level only";
    parts(w).seating->CheckNotifyReduceTables(true, false);
    EXPECT_FALSE(parts(w).frames.frameAlert->isHidden());
    EXPECT_EQ(parts(w).frames.lblTableMessage->text(),
              QStringLiteral("Notice:  You have one or more tables that can be dropped and/or need to be balanced."));
    EXPECT_TRUE(parts(w).seating->mbLastAlertEndOfSession);
    EXPECT_GE(parts(w).frames.frameAlert->height(), parts(w).frames.lblTableMessage->sizeHint().height())
        << "room for the notice";
    EXPECT_EQ(sounds.played, std::vector<int> {8});

    parts(w).frames.frameAlert->hide();
    t.glngNotifyWhenTablesCanBeReduced = 2;
    parts(w).seating->CheckNotifyReduceTables(false, true);
    EXPECT_FALSE(parts(w).frames.frameAlert->isHidden());
    EXPECT_EQ(sounds.played.size(), 1u) << "silent";
}

TEST_F(SeatingWindowTest, TableAlertAfterAModalTableCommandFromManageTables)
{
    OpenTournament& t = openTournament();
    t.gintPlayersPerTable = 4;
    t.glngNotifyWhenTablesCanBeReduced = 2;
    const std::pair<Integer, Integer> seats[] = {{1, 1}, {2, 1}, {2, 2}}; // 1 and 2 players: one table can go
    for (long i = 1; i <= 3; ++i)
        std::tie(t.gtypPlayers[i].Table, t.gtypPlayers[i].Seat) = seats[i - 1];
    showActive();
    QFrame* alert = parts(w).frames.frameAlert;
    auto chooseFromMenu = [this](const char* name) {
        QTest::mouseClick(parts(w).frames.cmdManageTables, Qt::LeftButton);
        QMenu* tables = menu("mnTablePopup");
        EXPECT_TRUE(QTest::qWaitFor([tables] { return tables->isVisible(); }, 2000));
        QTest::mouseClick(tables, Qt::LeftButton, {}, tables->actionGeometry(action(name)).center());
    };

    // Closed without a command: the tables still need it, so the alert is back.
    parts(w).seating->CheckNotifyReduceTables(false, true);
    QTest::mouseClick(parts(w).frames.cmdManageTables, Qt::LeftButton);
    menu("mnTablePopup")->hide();
    EXPECT_TRUE(QTest::qWaitFor([alert] { return alert->isVisible(); }, 2000));

    // The real table picker, answered once it shows: table 1 is broken up and
    // no check runs before that.
    parts(w).seating->pickTable = [this](const QStringList& items) { return PickFrom(frmTables, items, w); };
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        auto* picker = qobject_cast<SeatPicker*>(QApplication::activeModalWidget());
        if (!picker)
            return;
        answer.stop();
        picker->list->setCurrentRow(0);
        QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    answer.start(20);
    chooseFromMenu("mnReduceTables");
    ASSERT_TRUE(QTest::qWaitFor([&t] { return t.gtypPlayers[1].Table == 2; }, 2000));
    QTest::qWait(50);
    EXPECT_FALSE(alert->isVisible()) << "one table of 3 left";
}

TEST_F(SeatingWindowTest, ASmallerTableSizeNamesWhoLostASeatAndChecksTheTables)
{
    RecordingSoundPlayer sounds;
    OpenTournament& t = openTournament();
    t.gintPlayersPerTable = 4;
    t.glngNotifyWhenTablesCanBeReduced = 2;
    auto seatAsBefore = [&t] {
        const std::pair<Integer, Integer> seats[] = {{1, 1}, {2, 1}, {2, 3}};
        for (long i = 1; i <= 3; ++i)
            std::tie(t.gtypPlayers[i].Table, t.gtypPlayers[i].Seat) = seats[i - 1];
        t.gintPlayersPerTable = 4;
    };
    // The set-up lowers the table size to 2 and takes Carl off seat 2-3, as
    // its save does.
    w->showWizard = [&t](int) {
        t.gintPlayersPerTable = 2;
        t.gtypPlayers[3].Table = t.gtypPlayers[3].Seat = 0;
        return true;
    };
    const QString question = QStringLiteral(
        "Tables now have 2 seats: this player lost his seat.\n\n2-3  Carl\n\nSeat this player now at an open seat?");

    seatAsBefore();
    w->ShowSettings(0);
    EXPECT_EQ(prompts.messages, QStringList {question});
    EXPECT_EQ(t.gtypPlayers[3].Table, 0);
    EXPECT_FALSE(parts(w).frames.frameAlert->isHidden()) << "two tables of one: one can go";

    seatAsBefore();
    parts(w).frames.frameAlert->hide();
    prompts.messages.clear();
    prompts.answers = {Prompter::Answer::Yes};
    w->ShowSettings(0);
    EXPECT_EQ(prompts.messages, QStringList {question});
    EXPECT_GE(t.gtypPlayers[3].Table, 1);
    EXPECT_TRUE(t.gtypPlayers[3].Moved) << "marked for the floor";
    EXPECT_EQ(storedTable(3), t.gtypPlayers[3].Table);
}
