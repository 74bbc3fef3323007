#include "gui/home/frmControlPanel.h"

#include "LeagueTestData.h"
#include "RecordingSoundPlayer.h"
#include "WindowTestHelpers.h"
#include "core/platform/Database.h"
#include "core/store/HomeStartup.h"
#include "core/store/OpenTournament.h"
#include "core/store/SettingsFile.h"
#include "core/store/TournamentStore.h"
#include "frmMainTestAccess.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/ctlButton.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/floor/AwardDialogs.h"
#include "gui/floor/MainMenus.h"
#include "gui/floor/frmMain.h"
#include "gui/home/frmManage.h"
#include "gui/setup/frmAddEditTournament.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class HomeWindowTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        openTournament() = OpenTournament();
    }

    void TearDown() override
    {
        home.reset();
        openTournament() = OpenTournament();
        DataFolderTest::TearDown();
    }

    // Starts the home window as the program does, without the splash.
    frmControlPanel& start(std::optional<QString> firstLeague = std::nullopt)
    {
        home = std::make_unique<frmControlPanel>();
        home->showSplash = [] {};
        home->askFirstLeagueName = [this, firstLeague] {
            ++firstLeaguePrompts;
            return firstLeague;
        };
        home->showStats = [this] { statsLeagues << openTournament().glngCurrentLeagueID; };
        home->endProgram = [this] { ++programEnded; };
        home->Form_Load();
        home->Form_Activate();
        return *home;
    }

    static void click(ctlButton* button)
    {
        QTest::mouseClick(button->findChild<QLabel*>(QStringLiteral("lbl")), Qt::LeftButton);
    }

    static QString selectedText(const QComboBox* list)
    {
        return list->currentIndex() < 0 ? QString() : list->currentText();
    }

    QString storedVersion()
    {
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        return db.query(QStringLiteral("SELECT DatabaseVersion FROM tblVersion"))
            .value(QStringLiteral("DatabaseVersion"))
            .toString();
    }

    std::unique_ptr<frmControlPanel> home;
    int firstLeaguePrompts = 0;
    int programEnded = 0;
    QList<Long> statsLeagues; // the current league whenever the statistics opened
};

// A data folder that already holds leagues and tournaments.
class HomeWindowWithLeagues : public HomeWindowTest {
protected:
    void SetUp() override
    {
        HomeWindowTest::SetUp();
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
        ASSERT_TRUE(CheckDatabaseVersion(db));
        auto add = [&db](const QString& sql, const QVariantList& values) {
            db.execute(sql, values);
            return static_cast<Long>(db.lastInsertId());
        };
        const QString league = QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES (?)");
        const QString tournament = QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName) VALUES (?, ?)");
        wednesday = add(league, {QStringLiteral("Wednesday")});
        friday = add(league, {QStringLiteral("Friday")});
        wednesdayFirst = add(tournament, {wednesday, QStringLiteral("Week 1")});
        wednesdaySecond = add(tournament, {wednesday, QStringLiteral("Week 2")});
        fridayFirst = add(tournament, {friday, QStringLiteral("Opener")});
        fridaySecond = add(tournament, {friday, QStringLiteral("Finale")});
    }

    void remember(Long league, Long tournament)
    {
        WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("LastLeague"), league);
        WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("LastTournament"), tournament);
    }

    // A whole tournament of Wednesday, stored as the set-up stores one; its key.
    Long saveWednesdayTournament(const QString& name)
    {
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        OpenTournament t;
        t.glngCurrentLeagueID = wednesday;
        t.gstrTournamentName = name;
        t.gintPlayersPerTable = 9;
        t.gintRoundTo = 1;
        t.ResetLevels();
        t.RedimPayouts();
        SaveTournament(db, t, true);
        return t.glngCurrentTournamentID;
    }

    Long wednesday = 0, friday = 0, wednesdayFirst = 0, wednesdaySecond = 0, fridayFirst = 0, fridaySecond = 0;
};

} // namespace

TEST_F(HomeWindowTest, FirstRunMakesTheFilesAndAsksForTheFirstLeague)
{
    frmControlPanel& w = start(QStringLiteral("Tuesday League"));

    EXPECT_TRUE(QFile::exists(path(QStringLiteral("zr.mdb"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Defaults.ini"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("airhorn.wav"))));
    EXPECT_EQ(storedVersion(), QStringLiteral("VANTISH"));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("DAORegistered"), 0), QStringLiteral("1"));
    EXPECT_EQ(firstLeaguePrompts, 1);
    for (QComboBox* list : w.cmbLeague)
        EXPECT_EQ(selectedText(list), QStringLiteral("Tuesday League"));
    EXPECT_EQ(openTournament().gstrCurrentLeagueName, QStringLiteral("Tuesday League"));
    EXPECT_EQ(w.cmbTournament->count(), 0);
    EXPECT_FALSE(w.btnOpen->Enabled());
    EXPECT_EQ(programEnded, 0);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(HomeWindowTest, ClosingTheFirstLeaguePromptSaysWhyAndEndsTheProgramWithoutALeague)
{
    start(std::nullopt);
    EXPECT_EQ(prompts.messages, QStringList {QString::fromLatin1(NoFirstLeagueText)});
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(gobjDatabase().isOpen());
    Database db;
    db.open(path(QStringLiteral("zr.mdb")));
    EXPECT_EQ(db.query(QStringLiteral("SELECT * FROM tblLeague")).recordCount(), 0);
}

TEST_F(HomeWindowTest, LeaguesAreListedInAReadersOrder)
{
    {
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
        ASSERT_TRUE(CheckDatabaseVersion(db));
        for (const char* name : {"Zoe League", "Frank League", "Émile League", "bob league", "Åsa League"})
            db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES (?)"), {QString::fromUtf8(name)});
    }
    frmControlPanel& w = start();
    QStringList shown;
    for (int i = 0; i < w.cmbLeague[0]->count(); ++i)
        shown << w.cmbLeague[0]->itemText(i);
    EXPECT_EQ(shown,
              QStringList({QStringLiteral("Åsa League"), QStringLiteral("bob league"), QStringLiteral("Émile League"),
                           QStringLiteral("Frank League"), QStringLiteral("Zoe League")}));
}

TEST_F(HomeWindowTest, TheLeftBarShowsWithItsWholeShadow)
{
    frmControlPanel& w = start(QStringLiteral("Tuesday League"));
    w.show();
    const QWidget* bar = w.findChild<QWidget*>(QStringLiteral("ctlLeftBar1"));
    const QWidget* shadow = bar->findChild<QWidget*>(QStringLiteral("lblShadow"));
    EXPECT_LE(shadow->geometry().right(), bar->width() - 1);
}

TEST_F(HomeWindowTest, ADamagedDatabaseIsNamedLeftAloneAndEndsTheProgram)
{
    const QByteArray garbage("This is no database, just a file that happens to have the name.");
    {
        QFile file(path(QStringLiteral("zr.mdb")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    start(QStringLiteral("never asked"));
    EXPECT_EQ(programEnded, 1);
    EXPECT_EQ(firstLeaguePrompts, 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(path(QStringLiteral("zr.mdb")))) << prompts.messages[0].toStdString();
    QFile file(path(QStringLiteral("zr.mdb")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST_F(HomeWindowWithLeagues, ALaterRunShowsTheLastLeagueAndTournament)
{
    remember(friday, fridayFirst);
    frmControlPanel& w = start();
    EXPECT_EQ(firstLeaguePrompts, 0);
    for (QComboBox* list : w.cmbLeague)
        EXPECT_EQ(selectedText(list), QStringLiteral("Friday"));
    EXPECT_EQ(w.cmbTournament->count(), 2);
    EXPECT_EQ(selectedText(w.cmbTournament), QStringLiteral("Opener"));
    EXPECT_TRUE(w.btnOpen->Enabled());
}

TEST_F(HomeWindowWithLeagues, ATournamentOfAnotherLeagueOrAGoneLeagueFallsBack)
{
    remember(friday, wednesdayFirst);
    frmControlPanel& w = start();
    EXPECT_EQ(selectedText(w.cmbTournament), QStringLiteral("Finale")); // the league's newest
    home.reset();

    remember(999, 998);
    frmControlPanel& again = start();
    EXPECT_EQ(selectedText(again.cmbLeague[0]), QStringLiteral("Friday")); // the first by name
    EXPECT_EQ(selectedText(again.cmbTournament), QStringLiteral("Finale"));
}

TEST_F(HomeWindowWithLeagues, PickingALeagueOnlyRefillsTheTournamentsUntilAButtonUsesIt)
{
    remember(friday, fridaySecond);
    frmControlPanel& w = start();
    w.cmbLeague[0]->setCurrentIndex(w.cmbLeague[0]->findText(QStringLiteral("Wednesday")));
    EXPECT_EQ(selectedText(w.cmbTournament), QStringLiteral("Week 2"));
    EXPECT_EQ(openTournament().glngCurrentLeagueID, friday);

    // View Stats makes the statistics list's league current; Exit keeps it.
    w.cmbLeague[1]->setCurrentIndex(w.cmbLeague[1]->findText(QStringLiteral("Wednesday")));
    click(w.btnStats);
    EXPECT_EQ(openTournament().glngCurrentLeagueID, wednesday);
    EXPECT_EQ(statsLeagues, QList<Long> {wednesday});

    // Post Results opens the web window for its own list's league and
    // leaves the current league alone; with no league it opens nothing.
    QList<Long> webWindows;
    w.showWebResults = [&webWindows](Long league) { webWindows << league; };
    w.cmbLeague[2]->setCurrentIndex(w.cmbLeague[2]->findText(QStringLiteral("Friday")));
    click(w.btnPostResults);
    w.cmbLeague[2]->setCurrentIndex(-1);
    click(w.btnPostResults);
    EXPECT_EQ(webWindows, QList<Long> {friday});
    EXPECT_EQ(openTournament().glngCurrentLeagueID, wednesday);
    click(w.btnExit);
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(gobjDatabase().isOpen());
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("LastLeague"), 0), QString::number(wednesday));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("LastTournament"), 0),
              QString::number(fridaySecond));
}

TEST_F(HomeWindowWithLeagues, TheCloseBoxDoesNotStoreTheSelection)
{
    remember(friday, fridayFirst);
    frmControlPanel& w = start();
    w.cmbLeague[1]->setCurrentIndex(w.cmbLeague[1]->findText(QStringLiteral("Wednesday")));
    click(w.btnStats);
    w.close();
    EXPECT_EQ(programEnded, 1);
    EXPECT_EQ(ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("LastLeague"), 0), QString::number(friday));
}

TEST_F(HomeWindowWithLeagues, TheOpenPictureDoesNothingWhileThereIsNothingToOpen)
{
    Database db;
    db.open(path(QStringLiteral("zr.mdb")));
    db.execute(QStringLiteral("DELETE FROM tblTournament"));
    frmControlPanel& w = start();
    ASSERT_FALSE(w.btnOpen->Enabled());
    prompts.messages.clear();
    QTest::mouseClick(w.imgOpen, Qt::LeftButton);
    click(w.btnOpen);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(HomeWindowWithLeagues, OpenLoadsTheChosenTournamentAndMakesItsLeagueCurrent)
{
    const Long saved = saveWednesdayTournament(QStringLiteral("Week 3"));
    remember(friday, fridayFirst);
    frmControlPanel& w = start();
    w.cmbLeague[0]->setCurrentIndex(w.cmbLeague[0]->findText(QStringLiteral("Wednesday")));
    ASSERT_EQ(selectedText(w.cmbTournament), QStringLiteral("Week 3"));
    click(w.btnOpen);
    EXPECT_EQ(openTournament().glngCurrentTournamentID, saved);
    EXPECT_EQ(openTournament().gstrTournamentName, QStringLiteral("Week 3"));
    EXPECT_EQ(openTournament().glngCurrentLeagueID, wednesday);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('|')).toStdString();
    frmMain* tournamentWindow = mainWindow();
    ASSERT_NE(tournamentWindow, nullptr);
    EXPECT_TRUE(tournamentWindow->isVisible());
    EXPECT_EQ(tournamentWindow->windowModality(), Qt::ApplicationModal);
    // Not full screen: maximised on the home window's screen.
    EXPECT_TRUE(tournamentWindow->isMaximized());
    EXPECT_EQ(tournamentWindow->screen(), w.screen());
    EXPECT_TRUE(tournamentWindow->btnClose_Click());
    EXPECT_TRUE(w.isVisible());

    // A tournament that cannot be read is reported, and the open one stays.
    prompts.messages.clear();
    w.cmbLeague[0]->setCurrentIndex(w.cmbLeague[0]->findText(QStringLiteral("Friday")));
    click(w.btnOpen);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(openTournament().glngCurrentTournamentID, saved);
}

TEST_F(HomeWindowWithLeagues, ATournamentOfNoLeagueIsOfferedMarkedInTheLeagueChosen)
{
    const Long old = saveWednesdayTournament(QStringLiteral("Old night"));
    {
        // As an older file has it.
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        db.execute(QStringLiteral("UPDATE tblTournament SET LeagueID = NULL WHERE TournamentID = ?"), {old});
    }
    remember(friday, fridaySecond);
    frmControlPanel& w = start();
    ASSERT_EQ(w.cmbTournament->count(), 3);
    EXPECT_EQ(w.cmbTournament->itemText(0), QStringLiteral("Old night (no league)"));
    EXPECT_EQ(selectedText(w.cmbTournament), QStringLiteral("Finale"));
    w.cmbTournament->setCurrentIndex(0);
    click(w.btnOpen);
    EXPECT_EQ(openTournament().glngCurrentTournamentID, old);
    EXPECT_EQ(openTournament().glngCurrentLeagueID, friday);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('|')).toStdString();
    frmMain* tournamentWindow = mainWindow();
    ASSERT_NE(tournamentWindow, nullptr);
    EXPECT_TRUE(tournamentWindow->btnClose_Click());
}

TEST_F(HomeWindowWithLeagues, OpeningPayoutsOfMoreThanTheWholePoolTellsOnceAndPaysNoLessThanZero)
{
    // 50, 60 and 70 % of $600, stored before Finish refused them, and Ann's
    // winnings as the last elimination worked them out then.
    {
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        OpenTournament t;
        t.glngCurrentLeagueID = wednesday;
        t.gstrTournamentName = QStringLiteral("Week 3");
        t.gintPayAsPercentages = OpenTournament::PayPercentages;
        t.gintRoundTo = 1;
        t.gintNumberPaid = 3;
        t.ResetLevels();
        t.RedimPayouts();
        for (long k = 0; k <= 3; ++k)
            t.gdblPayout[k] = k == 0 ? 0 : 40.0 + 10 * k;
        SaveTournament(db, t, true);
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"), {QString::fromLatin1(name)});
            PlayerRecord& p = t.gtypPlayers.append();
            p.PlayerID = Long(db.lastInsertId());
            p.PlayerName = QString::fromLatin1(name);
            p.TotalBuyin = 200;
            p.Payout = p.PlayerName == QLatin1String("Ann") ? -180 : 0;
            SaveTournamentPlayer(db, t, t.gintPlayerCount());
        }
    }
    frmControlPanel& w = start();
    w.cmbLeague[0]->setCurrentIndex(w.cmbLeague[0]->findText(QStringLiteral("Wednesday")));
    ASSERT_EQ(selectedText(w.cmbTournament), QStringLiteral("Week 3"));
    click(w.btnOpen);
    EXPECT_EQ(prompts.messages,
              QStringList {QStringLiteral(
                  "The payouts of this tournament add up to 180% of the prize pool; the places and the house can "
                  "take 100% at most.\n\nUntil they are mended on the payouts page of the tournament's settings, "
                  "the pool is paid from place 1 down, the house last, each its percentage for as long as the pool "
                  "lasts.\n\nThe winnings stored for these players are below 0, which winnings can never be:\n"
                  "Ann: -$180\n\nMend each on the players screen: select the player, click More... and choose "
                  "Manually Adjust Payout/Points..., then type the player's winnings in \"Assign Bounty\".")});
    frmMain* tournamentWindow = mainWindow();
    ASSERT_NE(tournamentWindow, nullptr);
    // Told, not changed; by the names the program shows.
    EXPECT_EQ(gobjDatabase().query(QStringLiteral("SELECT MIN(Payout) FROM tblTournamentXPlayer")).value(0).toDouble(),
              -180);
    EXPECT_EQ(parts(tournamentWindow).menus->action(QStringLiteral("mnManualAdjustPayout"))->text().remove(u'&'),
              QStringLiteral("Manually Adjust Payout/Points..."));
    EXPECT_EQ(parts(tournamentWindow).frames.cmdMore->text(), QStringLiteral("More..."));
    EXPECT_EQ(frmManualAdjust().windowTitle(), QStringLiteral("Assign Bounty"));
    QStringList topPays;
    for (int k = 0; k < 3; ++k)
        topPays << parts(tournamentWindow).display.lblPayout[std::size_t(k)]->text();
    EXPECT_EQ(topPays, (QStringList {"$300", "$300", "$0"}));
    EXPECT_TRUE(tournamentWindow->btnClose_Click());
}

TEST_F(HomeWindowTest, ANewTournamentStartsAtItsCurrentLevelNotAtTheManualBoxes)
{
    RecordingSoundPlayer sounds;
    frmControlPanel& w = start(QStringLiteral("Tuesday League"));
    // The wizard's defaults: manual boxes 25/50, no ante, 30 minutes; level 1
    // of the table made different in every figure.
    OnNextDialog<frmAddEditTournament>([](frmAddEditTournament& wizard) {
        EXPECT_EQ(wizard.txtLittleBlind->text(), QStringLiteral("25"));
        EXPECT_EQ(wizard.txtMinutesPerSession->text(), QStringLiteral("30"));
        wizard.txtName->setText(QStringLiteral("Opening Night"));
        wizard.chkAddPlayers->setChecked(false);
        const QStringList level1 {"5", "75", "150", "0", "0", "20"};
        for (int col = 0; col < level1.size(); ++col)
            wizard.gridLevels->setTextMatrix(1, col + 1, level1[col]);
        wizard.cmdFinish->click();
    });
    click(w.btnNew);

    const OpenTournament& t = openTournament();
    EXPECT_EQ(t.gstrTournamentName, QStringLiteral("Opening Night"));
    EXPECT_EQ(t.gintBlindsLevel, 1);
    EXPECT_EQ(t.gdblAnte, 5);
    EXPECT_EQ(t.gdblSmall, 75);
    EXPECT_EQ(t.gdblBig, 150);
    EXPECT_EQ(t.glngMinutesPerSession, 20);
    const Long id = t.glngCurrentTournamentID;
    const auto storedLevel = [id] {
        const Recordset row = gobjDatabase().query(
            QStringLiteral("SELECT Ante, Small, Big, MinutesPerSession FROM tblTournament WHERE TournamentID = ?"),
            {id});
        return QStringList {row.value(QStringLiteral("Ante")).toString(), row.value(QStringLiteral("Small")).toString(),
                            row.value(QStringLiteral("Big")).toString(),
                            row.value(QStringLiteral("MinutesPerSession")).toString()};
    };
    // Stored as it starts, before any later save.
    EXPECT_EQ(storedLevel(), (QStringList {"5", "75", "150", "20"}));
    frmMain* tournamentWindow = mainWindow();
    ASSERT_NE(tournamentWindow, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tournamentWindow));
    EXPECT_EQ(parts(tournamentWindow).display.lblTimer->text(), QStringLiteral("20:00"));
    EXPECT_EQ(parts(tournamentWindow).display.lblLevel->text(), QStringLiteral("Level 1"));
    QTest::keyClick(tournamentWindow, Qt::Key_F1);
    EXPECT_EQ(parts(tournamentWindow).frames.btnClock->Caption(), QStringLiteral("Clock: Running"));
    EXPECT_EQ(t.gdblSmall, 75);
    EXPECT_EQ(t.glngMinutesPerSession, 20);

    ASSERT_TRUE(tournamentWindow->btnClose_Click());
    EXPECT_EQ(storedLevel(), (QStringList {"5", "75", "150", "20"}));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(HomeWindowTest, TournamentsWhoseLeagueIsGoneAreNotOffered)
{
    {
        Database db;
        db.open(path(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
        ASSERT_TRUE(CheckDatabaseVersion(db));
        db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName) VALUES (7, 'Orphan')"));
    }
    frmControlPanel& w = start(std::nullopt);
    EXPECT_EQ(firstLeaguePrompts, 1);
    EXPECT_EQ(w.cmbTournament->count(), 0);
    EXPECT_FALSE(w.btnOpen->Enabled());
}

TEST_F(HomeWindowWithLeagues, ManageShowsAFreshHubAndTheListsFollowItsChangesOrACompactionEndsTheProgram)
{
    frmControlPanel& w = start();
    OnNextDialog<frmManage>([](frmManage& hub) {
        gobjDatabase().execute(
            QStringLiteral("UPDATE tblLeague SET LeagueName = 'Thursday' WHERE LeagueName = 'Friday'"));
        ClickButton(hub.btnClose);
    });
    click(w.btnMaintenance);
    EXPECT_EQ(w.cmbLeague[1]->findText(QStringLiteral("Thursday")), 0);
    EXPECT_EQ(programEnded, 0);

    prompts.answers = {Prompter::Answer::Yes};
    OnNextDialog<frmManage>([](frmManage& hub) { ClickButton(hub.btnCompress); });
    click(w.btnMaintenance);
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(gobjDatabase().isOpen());
}
