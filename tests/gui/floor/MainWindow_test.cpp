#include "MainWindowFixture.h"

#include "core/store/SettingsFile.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/floor/FloorCommands.h"
#include "gui/floor/MainToolbar.h"
#include "gui/floor/frmChipCount.h"
#include "gui/shared/frmExport.h"
#include "gui/shared/frmPlayers.h"
#include "gui/shared/frmSearch.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

void fill(FlexGrid* g, const std::vector<QStringList>& rows)
{
    g->setRows(long(rows.size()));
    g->setCols(long(rows[0].size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            g->setTextMatrix(long(r), c, rows[r][c]);
}

} // namespace

TEST_F(MainWindowTest, FindSelectsTheLastMatchingRow)
{
    FlexGrid* g = parts(w).display.grid;
    fill(g, {{"Player", "Seat"}, {"Anna", "1-1"}, {"Bob", "1-2"}, {"bobby", "2-1"}});
    g->setRow(1);
    searchText = QString();
    QTest::mouseClick(parts(w).frames.cmdFind, Qt::LeftButton);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(g->Row(), 1);

    searchText = QStringLiteral("Zed");
    QTest::mouseClick(parts(w).frames.cmdFind, Qt::LeftButton);
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("No match found")});

    searchText = QStringLiteral("BOB");
    QTest::mouseClick(parts(w).frames.cmdFind, Qt::LeftButton);
    EXPECT_EQ(g->Row(), 3);
    EXPECT_EQ(g->Col(), 0);
    EXPECT_FALSE(parts(w).mbSettingGridSelection);
}

TEST_F(MainWindowTest, ChipCountIsNumericAndSavedForTheRowsPlayer)
{
    frmChipCount box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.txtChipCount->setFocus();
    // A refused count is selected again, so that the next one replaces it;
    // OK by click and by Enter.
    const struct {
        const char* typed;
        const char* message;
        bool click;
    } refused[] = {
        {"lots", "Must be numeric.", true},
        {"-2500", "Chip count cannot be negative.", false},
        {"1e39", "Chip count is too large.", false},
        {"-1e39", "Chip count is too large.", true},
        {"99999999999", "Chip count is too large.", false}, // a Single would keep 100,000,000,000
        {"16777217", "Chip count is too large.", true}, // kept as 16,777,216
    };
    for (const auto& c : refused) {
        QTest::keyClicks(box.txtChipCount, QString::fromLatin1(c.typed));
        if (c.click)
            QTest::mouseClick(box.cmdOK, Qt::LeftButton);
        else
            QTest::keyClick(box.txtChipCount, Qt::Key_Return);
        EXPECT_EQ(prompts.messages.value(prompts.messages.size() - 1), QString::fromLatin1(c.message));
        EXPECT_TRUE(box.txtChipCount->hasFocus()) << c.typed;
        EXPECT_EQ(box.txtChipCount->selectedText(), QString::fromLatin1(c.typed));
        EXPECT_FALSE(box.mbOKed);
    }
    // The winner's stack in a field of 200 at 50,000, which a Single keeps.
    QTest::keyClicks(box.txtChipCount, QStringLiteral("10000000"));
    QTest::keyClick(box.txtChipCount, Qt::Key_Return);
    EXPECT_TRUE(box.mbOKed);

    OpenTournament& t = openTournament();
    fill(parts(w).display.gridChipCount, {{"Player", "Chips"}, {"Anna", "0"}, {"Bob", "0"}});
    parts(w).mChipCountRows.setPlayerID(2, t.gtypPlayers[2].PlayerID);
    parts(w).display.gridChipCount->setRow(1); // a row without a player
    prompts.messages.clear();
    action("mnAssignChipCount")->trigger();
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("No player selected.")});

    parts(w).display.gridChipCount->setRow(2);
    t.gtypPlayers[2].ChipCount = 1234567;
    chipCount = QStringLiteral("3400");
    action("mnAssignChipCount")->trigger();
    // Every digit, never "1.23457e+06", which OK would store as 1,234,570.
    EXPECT_EQ(chipCountShown, QStringLiteral("1234567"));
    EXPECT_EQ(t.gtypPlayers[2].ChipCount, 3400.0f);
    EXPECT_EQ(stored(2, "ChipCount").toDouble(), 3400.0);
}

TEST_F(MainWindowTest, SeatMenuOffersFollowTheSeatedPlayer)
{
    OpenTournament& t = openTournament();
    t.gintAllowRebuys = 1;
    t.gintAllowAddons = 1;
    t.gintBlindsLevel = 1;
    FlexGrid* g = parts(w).display.gridTables;
    fill(g, {{"", "Table 1", "", ""}, {"1", "Anna", "", ""}, {"2", "Bob", "", ""}, {"3", "(Open)", "", "x"}});
    for (Integer seat = 1; seat <= 3; ++seat) {
        parts(w).mSeatChart.setCell(seat, 1, {1, seat, seat < 3 ? t.gtypPlayers[seat].PlayerID : 0});
        if (seat < 3) {
            t.gtypPlayers[seat].Table = 1;
            t.gtypPlayers[seat].Seat = seat;
        }
    }
    t.gtypPlayers[1].TotalBuyin = 20; // Anna bought in; Bob has not
    QAction* buyin = action("mnBuyin");
    QAction* addon = action("mnAddon");
    // A greyed entry reads as the player buttons would for the seat, never
    // what the seat before left on it.
    struct {
        long row, col;
        bool rebuysOpen;
        bool pops;
        const char* buyinText;
        bool buyinOn, addonOn;
    } cases[] = {
        {1, 1, true, true, "Rebuy", true, true},    {2, 1, true, true, "Buyin", true, false},
        {1, 1, false, true, "Rebuy", false, true},  {2, 1, false, true, "Buyin", true, false},
        {3, 1, true, true, "Rebuy", false, false}, // "(Open)": nobody to buy for
        {3, 3, true, false, "Rebuy", false, false}, // not a name column
        {1, 2, true, false, "Rebuy", false, false}, // empty cell
    };
    for (const auto& c : cases) {
        t.gintAllowRebuys = c.rebuysOpen ? 1 : 0;
        g->setRow(c.row);
        g->setCol(c.col);
        parts(w).commands->gridTables_Click();
        QMenu* m = menu("mnMovePlayerPopup");
        EXPECT_EQ(m->isVisible(), c.pops) << c.row << "," << c.col;
        m->hide();
        EXPECT_EQ(buyin->text(), QString::fromLatin1(c.buyinText)) << c.row << "," << c.col;
        EXPECT_EQ(buyin->isEnabled(), c.buyinOn) << c.row << "," << c.col;
        EXPECT_EQ(addon->isEnabled(), c.addonOn) << c.row << "," << c.col;
    }
}

TEST_F(MainWindowTest, TutorialShowsOnceAndCanBeTurnedOff)
{
    programSettings().gintTutorial = 1;
    w->show();
    w->bShowTutorial = true;
    w->Form_Activate();
    EXPECT_TRUE(parts(w).frames.frameTutorial->isVisibleTo(w.data()));
    // Nothing lies over it, the floating toolbar in its first place included.
    for (QWidget* control :
         {static_cast<QWidget*>(parts(w).frames.chkNoMore), static_cast<QWidget*>(parts(w).frames.cmdHideTutorial)})
        EXPECT_EQ(w->childAt(control->mapTo(w.data(), control->rect().center())), control)
            << control->objectName().toStdString();
    QTest::mouseClick(parts(w).frames.cmdHideTutorial, Qt::LeftButton);
    EXPECT_FALSE(parts(w).frames.frameTutorial->isVisibleTo(w.data()));
    w->Form_Activate();
    EXPECT_FALSE(parts(w).frames.frameTutorial->isVisibleTo(w.data()));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), QStringLiteral("unset")),
              QStringLiteral("unset"));

    w->bShowTutorial = true;
    w->Form_Activate();
    parts(w).frames.chkNoMore->setChecked(true);
    QTest::mouseClick(parts(w).frames.cmdHideTutorial, Qt::LeftButton);
    EXPECT_EQ(programSettings().gintTutorial, 0);
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), QString()), QStringLiteral("0"));
    w->bShowTutorial = true;
    w->Form_Activate();
    EXPECT_FALSE(parts(w).frames.frameTutorial->isVisibleTo(w.data()));
}

TEST_F(MainWindowTest, ToolbarHiddenStaysHidden)
{
    w->Form_Activate();
    EXPECT_TRUE(parts(w).picToolbar->isVisibleTo(w.data()));
    QTest::mouseClick(parts(w).picToolbar->cmdHideToolbar, Qt::LeftButton);
    EXPECT_FALSE(parts(w).picToolbar->isVisibleTo(w.data()));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("ShowToolbar"), QString()), QStringLiteral("0"));

    // The next show of the window reads it.
    w->mbActivated = false;
    parts(w).picToolbar->show();
    w->Form_Activate();
    EXPECT_FALSE(parts(w).picToolbar->isVisibleTo(w.data()));
    action("mnShowToolBar")->trigger();
    EXPECT_TRUE(parts(w).picToolbar->isVisibleTo(w.data()));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("ShowToolbar"), QString()), QStringLiteral("1"));

    // A drag moves it and keeps the place in twips.
    const QPoint start = parts(w).picToolbar->pos();
    QTest::mousePress(parts(w).picToolbar, Qt::LeftButton, {}, QPoint(3, 3));
    QMouseEvent move(QEvent::MouseMove, QPointF(13, 8), parts(w).picToolbar->mapToGlobal(QPointF(13, 8)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(parts(w).picToolbar, &move);
    QTest::mouseRelease(parts(w).picToolbar, Qt::LeftButton, {}, QPoint(13, 8));
    EXPECT_EQ(parts(w).picToolbar->pos(), start + QPoint(10, 5));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("ToolBarLeft"), QString()),
              QString::number((start.x() + 10) * 15));
}

TEST_F(MainWindowTest, ExitSavesFirstAndAFailedSaveKeepsTheWindow)
{
    w->show();
    openTournament().glngMinutesPerSession = 25;
    Database closed;
    setProgramDatabase(&closed);
    EXPECT_FALSE(w->btnClose_Click());
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(homeShown, 0);
    w->close(); // the close box too
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(homeShown, 0);

    setProgramDatabase(&db);
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(homeShown, 1);
    EXPECT_EQ(
        db.query(QStringLiteral("SELECT MinutesPerSession FROM tblTournament WHERE TournamentID = ?"), {tournament})
            .value(QStringLiteral("MinutesPerSession"))
            .toInt(),
        25);
    EXPECT_TRUE(QTest::qWaitFor([this] { return w.isNull(); }, 2000));
}

TEST_F(MainWindowTest, AddPlayersRefreshesAndShowsThePlayersWhenRotating)
{
    programSettings().gintRotateScreens = 1;
    w->SwitchView(3);
    w->bAskToAddPlayers = true;
    w->Form_Activate();
    EXPECT_EQ(playersShown, 1);
    EXPECT_EQ(screen(), 0);
    w->Form_Activate();
    EXPECT_EQ(playersShown, 1);
    QTest::mouseClick(parts(w).picToolbar->cmdAddRemovePlayers, Qt::LeftButton);
    EXPECT_EQ(playersShown, 2);
}

TEST_F(MainWindowTest, ExportsProposeTheirNamesInTheDataFolder)
{
    openTournament().gstrTournamentName = QStringLiteral("Week 1");
    const struct {
        const char* entry;
        const char* proposed;
    } cases[] = {
        {"mnExportSignInTourney", "Player Sign In Sheet  Tuesday Week 1.csv"},
        {"mnExportSignInLeague", "Player Sign In Sheet  Tuesday Week 1.csv"},
        {"mnExportPlayerFinish", "Week 1.csv"},
        {"mnExportPlayerAddress", "Player List Tuesday Week 1.csv"},
        {"mnExportZorvaneReport", "Week 1 Manager Report.txt"},
        {"mnExportSeatChart", "Week 1 Seat Chart.csv"},
        {"mnHPYCSV", "Week 1.csv"},
    };
    for (const auto& c : cases) {
        QString proposed;
        QTimer::singleShot(0, [&proposed] {
            auto* dialog = qobject_cast<frmExport*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            proposed = dialog->txtFile->text();
            QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        });
        action(c.entry)->trigger();
        EXPECT_EQ(proposed, path(QString::fromUtf8(c.proposed))) << c.entry;
    }

    parts(w).display.txtManagerReport->setPlainText(QStringLiteral("Report line"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmExport*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    action("mnExportZorvaneReport")->trigger();
    QFile written(path(QStringLiteral("Week 1 Manager Report.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("Report line"));
    EXPECT_EQ(prompts.messages.last(), QStringLiteral("Complete."));
}

TEST_F(MainWindowTest, EveryControlCarriesItsName)
{
    QStringList names {"frameCommands",
                       "btnClock",
                       "btnAdd",
                       "btnTables",
                       "btnSettings",
                       "btnClose",
                       "btnExport",
                       "btnHelp",
                       "btnView",
                       "picToolbar",
                       "cmdStartClock",
                       "cmdPauseClock",
                       "cmdAddRemovePlayers",
                       "cmdToggleScreen",
                       "cmdTournamentSetup",
                       "cmdHideToolbar",
                       "cmdViewPlayerScreen",
                       "cmdHandTimer",
                       "frameButtons",
                       "cmdFind",
                       "cmdEliminate",
                       "cmdBuyin",
                       "cmdHideBuyin",
                       "cmdAddon",
                       "cmdMore",
                       "frameAlert",
                       "lblTableMessage",
                       "cmdHideAlert",
                       "cmdManageTables",
                       "frameTutorial",
                       "chkNoMore",
                       "cmdHideTutorial",
                       "frameReminder",
                       "lblReminder",
                       "cmdOK",
                       "lblTimer",
                       "lblTimerCap",
                       "lblBlinds",
                       "lblBlindsCap",
                       "lblLevel",
                       "lblChipValuesCap",
                       "lblPayoutCap",
                       "grid",
                       "gridTables",
                       "gridChipCount",
                       "gridPayouts",
                       "gridAwards",
                       "gridKills",
                       "frameAll",
                       "frameSummary",
                       "frameSummary2",
                       "frameBuyin",
                       "txtManagerReport",
                       "rtbRules",
                       "rtbCustomMessage",
                       "imgCustomPicture",
                       "picFinished",
                       "lblFinished"};
    for (int i = 0; i < 15; ++i)
        names << QStringLiteral("lblClassicItem(%1)").arg(i);
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("lblChipAmount(%1)").arg(i);
    for (int i = 0; i < 5; ++i)
        names << QStringLiteral("lblPlace(%1)").arg(i) << QStringLiteral("lblPayout(%1)").arg(i);
    for (const QString& name : names)
        EXPECT_EQ(w->findChildren<QWidget*>(name).size(), 1) << name.toStdString();
    EXPECT_EQ(parts(w).frames.btnSettings->toolTip(), QStringLiteral("Tournament Setup (Ctrl S)"));
    EXPECT_EQ(parts(w).picToolbar->toolTip(), QStringLiteral("Drab to Move Toolbar"));
    EXPECT_EQ(parts(w).display.lblPayoutCap->toolTip(), QStringLiteral("Click to view all payouts..."));
}

TEST_F(MainWindowTest, FindAndAddPlayersOpenTheirDialogs)
{
    frmMain plain; // the window's own dialogs, not the recorded ones
    plain.Form_Load();
    fill(parts(plain).display.grid, {{"Player", "Seat"}, {"Anna", ""}, {"Bob", ""}});
    QTimer::singleShot(0, [] {
        auto* search = qobject_cast<frmSearch*>(QApplication::activeModalWidget());
        ASSERT_NE(search, nullptr);
        search->txtSearch->setText(QStringLiteral("bo"));
        QTest::mouseClick(search->cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(parts(plain).frames.cmdFind, Qt::LeftButton);
    EXPECT_EQ(parts(plain).display.grid->Row(), 2);

    bool players = false;
    QTimer::singleShot(0, [&players] {
        auto* dialog = qobject_cast<frmPlayers*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        players = !dialog->bManageOnly;
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });
    parts(plain).menus->action(QStringLiteral("mnAddRemovePlayers"))->trigger();
    EXPECT_TRUE(players);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('|')).toStdString();
}
