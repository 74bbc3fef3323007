#pragma once

#include "LeagueTestData.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/TournamentStore.h"
#include "frmMainTestAccess.h"
#include "gui/controls/FlexGrid.h"
#include "gui/floor/MainMenus.h"
#include "gui/floor/frmMain.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>

// A saved tournament of three players loaded as the open tournament, and the
// tournament window on it with everything it opens recorded.
class TournamentWindowFixture : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        openTournament() = OpenTournament();
        programSettings() = ProgramSettings();
        programSettings().gintRotationMatrix = DefaultRotation();
        programSettings().gintSecondsForRotation = 10;
        league = addLeague(QStringLiteral("Tuesday"));
        OpenTournament& t = openTournament();
        t.glngCurrentLeagueID = league;
        t.gstrCurrentLeagueName = QStringLiteral("Tuesday");
        t.gstrTournamentName = QStringLiteral("Week 1");
        t.glngMinutesPerSession = 20;
        t.gintBlindsLevel = 1;
        t.ResetLevels();
        t.RedimPayouts();
        SaveTournament(true);
        tournament = t.glngCurrentTournamentID;
        for (const char* name : {"Anna", "Bob", "Carl"}) {
            PlayerRecord& p
                = t.gtypPlayers.empty() ? (t.gtypPlayers.redim(1, 1), t.gtypPlayers[1]) : t.gtypPlayers.append();
            p.PlayerName = QString::fromLatin1(name);
            p.PlayerID = addPlayer(p.PlayerName, {league});
            SaveTournamentPlayer(Integer(t.gtypPlayers.upper()));
        }
        ASSERT_EQ(t.gintPlayerCount(), 3);

        w = new frmMain;
        w->showWizard = [this](int page) {
            wizardPages.push_back(page);
            busyOverWizard = busyOverWizard || QGuiApplication::overrideCursor();
            return true;
        };
        w->showPlayers = [this] {
            ++playersShown;
            return true;
        };
        w->askSearchText = [this] { return searchText; };
        w->askChipCount = [this](const QString& current) {
            chipCountShown = current;
            return chipCount;
        };
        w->showHome = [this] { ++homeShown; };
        w->Form_Load();
        prompts.messages.clear();
    }

    void TearDown() override
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<QMenu*>(top))
                m->hide();
        delete w.data();
        openTournament() = OpenTournament();
        programSettings() = ProgramSettings();
        LeagueDatabaseTest::TearDown();
    }

    // Shows the window as the home window does and waits for it to be active.
    void showActive()
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.data()));
    }

    QAction* action(const char* name) const { return parts(w).menus->action(QString::fromLatin1(name)); }
    QMenu* menu(const char* name) const { return parts(w).menus->menu(QString::fromLatin1(name)); }
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    Long screen() const { return openTournament().glngCurrentScreen; }
    // A column of an entrant's stored row.
    QVariant stored(long index, const char* column)
    {
        return db
            .query(QStringLiteral("SELECT \"%1\" FROM tblTournamentXPlayer WHERE PlayerID = ?").arg(column),
                   {openTournament().gtypPlayers[index].PlayerID})
            .value(QString::fromLatin1(column));
    }
    // Points the seat chart's current cell at a table and seat.
    void clickSeat(Integer table, Integer seat)
    {
        parts(w).mSeatChart.setCell(1, 1, {table, seat, 0});
        parts(w).display.gridTables->setRows(2);
        parts(w).display.gridTables->setCols(2);
        parts(w).display.gridTables->setRow(1);
        parts(w).display.gridTables->setCol(1);
    }

    Long league = 0, tournament = 0;
    QPointer<frmMain> w; // Exit deletes the window itself
    std::vector<int> wizardPages;
    bool busyOverWizard = false;
    int playersShown = 0;
    int homeShown = 0;
    std::optional<QString> searchText;
    std::optional<QString> chipCount;
    QString chipCountShown;
};

// The suites share the one fixture.
class MainMenusTest : public TournamentWindowFixture { };
class MainKeysTest : public TournamentWindowFixture { };
class ScreenControllerTest : public TournamentWindowFixture { };
class MainWindowTest : public TournamentWindowFixture { };
class ScreenObjectsWindowTest : public TournamentWindowFixture { };
