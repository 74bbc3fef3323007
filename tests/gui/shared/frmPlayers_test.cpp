#include "gui/shared/frmPlayers.h"

#include "ManageTestData.h"
#include "WindowTestHelpers.h"
#include "core/store/CurrentLeague.h"
#include "core/store/LeaguePlayers.h"
#include "core/store/ListItems.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/shared/HomeWidgets.h"
#include "gui/shared/frmAddEditPlayer.h"
#include "gui/shared/frmSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The Monday league (Ann, Bob, Cy; Dee plays elsewhere) and its stored
// tournament "Week 1", open, with Ann entered.
class PlayersWindowTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        monday = addLeague(QStringLiteral("Monday"));
        elsewhere = addLeague(QStringLiteral("Elsewhere"));
        ann = addPlayer(QStringLiteral("Ann"), {monday, elsewhere});
        bob = addPlayer(QStringLiteral("bob"), {monday});
        cy = addPlayer(QStringLiteral("Cy"), {monday});
        dee = addPlayer(QStringLiteral("Dee"), {elsewhere});
    }

    void TearDown() override
    {
        window.reset();
        openTournament() = OpenTournament();
        LeagueDatabaseTest::TearDown();
    }

    frmPlayers& open(bool manageOnly, const std::vector<AwardRecord>& awards = {}, Integer bountyType = 0,
                     std::vector<std::pair<Long, QString>> entrants = {})
    {
        if (entrants.empty())
            entrants = {{ann, QStringLiteral("Ann")}};
        OpenTournament& t = openTournament();
        t = SaveSampleTournament(db, monday, QStringLiteral("Week 1"), entrants, awards);
        t.gintAutoBountyType = bountyType;
        t.gdblAutoBountyDollars = 5;
        t.gdblAutoBountyPoints = 2;
        LoadLeague(db, t, monday);
        window = std::make_unique<frmPlayers>(manageOnly);
        return *window;
    }

    int row(const QString& name) const
    {
        const auto found = window->lstPlayers->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? -1 : window->lstPlayers->row(found.first());
    }
    void tick(const QString& name, bool on)
    {
        window->lstPlayers->item(row(name))->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    // The stored entrants "name buy-in chips", by name.
    QStringList storedEntrants()
    {
        QStringList rows;
        for (Recordset rs = db.query(QStringLiteral("SELECT P.PlayerName, X.TotalBuyin, X.TotalChipValue "
                                                    "FROM tblTournamentXPlayer X JOIN tblPlayer P USING (PlayerID) "
                                                    "ORDER BY P.PlayerName"));
             !rs.eof(); rs.moveNext())
            rows << QStringLiteral("%1 %2 %3")
                        .arg(rs.value(QStringLiteral("PlayerName")).toString())
                        .arg(rs.value(QStringLiteral("TotalBuyin")).toDouble())
                        .arg(rs.value(QStringLiteral("TotalChipValue")).toDouble());
        return rows;
    }
    // The stored awards "description dollars points holder", by description.
    QStringList storedAwards()
    {
        QStringList rows;
        for (Recordset rs = db.query(QStringLiteral("SELECT * FROM tblAward ORDER BY Description")); !rs.eof();
             rs.moveNext())
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(rs.value(QStringLiteral("Description")).toString())
                        .arg(rs.value(QStringLiteral("Payout")).toDouble())
                        .arg(rs.value(QStringLiteral("Points")).toDouble())
                        .arg(rs.value(QStringLiteral("AwardedToPlayerID")).toString());
        return rows;
    }

    std::unique_ptr<frmPlayers> window;
    Long monday = 0, elsewhere = 0, ann = 0, bob = 0, cy = 0, dee = 0;
};

TEST_F(PlayersWindowTest, TicksAtOkEnterAndTakeOutWithOrWithoutTheDefaultBuyin)
{
    for (const bool autoBuyin : {true, false}) {
        SCOPED_TRACE(autoBuyin);
        db.execute(QStringLiteral("DELETE FROM tblTournamentXPlayer"));
        frmPlayers& w = open(false);
        ASSERT_EQ(w.lstPlayers->count(), 3);
        EXPECT_EQ(w.lstPlayers->item(0)->checkState(), Qt::Checked); // Ann is entered
        w.chkBuyin->setChecked(autoBuyin);
        tick(QStringLiteral("bob"), true);
        tick(QStringLiteral("Cy"), true);
        tick(QStringLiteral("Cy"), false);
        tick(QStringLiteral("Ann"), false);
        w.cmdOK->click();

        EXPECT_TRUE(w.mbOKed);
        EXPECT_EQ(storedEntrants(),
                  QStringList {autoBuyin ? QStringLiteral("bob 20 1500") : QStringLiteral("bob 0 0")});
        ASSERT_EQ(openTournament().gintPlayerCount(), 1);
        EXPECT_EQ(openTournament().gtypPlayers[1].PlayerID, bob);
        EXPECT_EQ(ReadLongSetting(AutoBuyinKey), autoBuyin ? 1 : 0);
    }
}

struct BountyCase {
    Integer type;
    Prompter::Answer answer;
    bool bountyOnBobAlready;
    bool asked;
    QStringList awards;
};

class BountyTest : public PlayersWindowTest, public ::testing::WithParamInterface<BountyCase> { };

TEST_P(BountyTest, TheAutomaticBountyFollowsItsType)
{
    const BountyCase& c = GetParam();
    std::vector<AwardRecord> awards;
    if (c.bountyOnBobAlready)
        awards.push_back({0, 1, bob, QStringLiteral("Old bounty"), 9, 0, 0});
    frmPlayers& w = open(false, awards, c.type);
    prompts.answers = {c.answer};
    tick(QStringLiteral("bob"), true);
    w.cmdOK->click();

    const QString question = QStringLiteral("Would you like to assign the default bounty to bob?");
    EXPECT_EQ(prompts.messages, c.asked ? QStringList {question} : QStringList {});
    EXPECT_EQ(storedAwards(), c.awards);
    EXPECT_EQ(openTournament().gintAwardCount(), c.awards.size());
}

INSTANTIATE_TEST_SUITE_P(
    Types, BountyTest,
    ::testing::Values(BountyCase {0, Prompter::Answer::Yes, false, false, {}},
                      BountyCase {1, Prompter::Answer::Yes, false, true, {QStringLiteral("Bounty on bob 5 2 0")}},
                      BountyCase {1, Prompter::Answer::No, false, true, {}},
                      BountyCase {2, Prompter::Answer::No, false, false, {QStringLiteral("Bounty on bob 5 2 0")}},
                      BountyCase {2, Prompter::Answer::Yes, true, false, {QStringLiteral("Old bounty 9 0 0")}},
                      BountyCase {1, Prompter::Answer::Yes, true, false, {QStringLiteral("Old bounty 9 0 0")}}));

// The automatic bounty is weighed as players are entered: one that leaves
// the places nothing is told, with where it is set, and stays as set.
TEST_F(PlayersWindowTest, AnAutomaticBountyThatTakesThePoolIsToldAsPlayersAreEntered)
{
    frmPlayers& w = open(false, {}, 2);
    openTournament().gdblAutoBountyDollars = 30; // on a $20 buy-in
    openTournament().gintPayAsPercentages = OpenTournament::PayPercentages;
    programSettings().gstrMoneyFormat = QStringLiteral("$#,##0");
    w.chkBuyin->setChecked(true);
    tick(QStringLiteral("bob"), true);
    w.cmdOK->click();
    EXPECT_EQ(prompts.messages,
              QStringList {QStringLiteral(
                  "With the automatic bounty of $30 on the player just entered, the awards and bounties come to $30, "
                  "more than the money taken in ($20): the prize pool is $0 and every place will pay $0. The "
                  "automatic bounty is set in the tournament's settings, on page \"6. Bounties\" (\"Bounty Amount "
                  "$\").")});
    EXPECT_EQ(storedAwards(), QStringList {QStringLiteral("Bounty on bob 30 2 0")});
    programSettings() = ProgramSettings();
}

TEST_F(PlayersWindowTest, ATakenOutEntrantsAwardsAreFreedAndAnUnwonBountyOnHimGoes)
{
    const std::vector<AwardRecord> awards {
        {0, 0, 0, QStringLiteral("High hand"), 20, 1, bob}, // held by bob: free again
        {0, 1, bob, QStringLiteral("Bounty on bob"), 5, 1, 0}, // nobody won it: goes with him
        {0, 1, cy, QStringLiteral("Bounty on Cy"), 5, 1, ann}, // Ann won it: stays hers
        {0, 1, ann, QStringLiteral("Bounty on Ann"), 5, 1, 0}, // Ann stays: kept
    };
    frmPlayers& w = open(false, awards, 0, {{ann, "Ann"}, {bob, "bob"}, {cy, "Cy"}});
    tick(QStringLiteral("bob"), false);
    tick(QStringLiteral("Cy"), false);
    w.cmdOK->click();

    EXPECT_EQ(storedEntrants(), QStringList {QStringLiteral("Ann 0 0")});
    EXPECT_EQ(storedAwards(),
              (QStringList {QStringLiteral("Bounty on Ann 5 1 0"), QStringLiteral("Bounty on Cy 5 1 %1").arg(ann),
                            QStringLiteral("High hand 20 1 0")}));
    EXPECT_EQ(openTournament().gintAwardCount(), 3);
}

TEST_F(PlayersWindowTest, DeletingAMemberTakesHimOutAtOnceEvenWhenCancelFollows)
{
    frmPlayers& w = open(false);
    w.lstPlayers->setCurrentRow(row(QStringLiteral("Ann")));
    prompts.answers = {Prompter::Answer::Cancel, Prompter::Answer::Yes};
    ClickButton(w.btnRemove); // cancelled: nothing
    EXPECT_EQ(w.lstPlayers->count(), 3);
    ClickButton(w.btnRemove);
    w.cmdCancel->click();

    EXPECT_EQ(prompts.messages.value(1),
              QStringLiteral("The player will be removed from this tournament and all previous "
                             "ones.  Are you sure you want to remove this player from your "
                             "league?"));
    EXPECT_FALSE(w.mbOKed);
    EXPECT_EQ(w.lstOriginal->count(), 2);
    EXPECT_TRUE(storedEntrants().isEmpty());
    EXPECT_EQ(openTournament().gintPlayerCount(), 0);
    EXPECT_EQ(LeagueMemberItems(db, monday).size(), 2);
    EXPECT_EQ(LeagueMemberItems(db, elsewhere).size(), 2) << "Ann stays in her other league";
}

TEST_F(PlayersWindowTest, LeagueOnlyModeListsMembersSearchesAndAddsNewOnes)
{
    frmPlayers& w = open(true);
    EXPECT_TRUE(w.lstPlayers->isHidden());
    EXPECT_FALSE(w.lstPlayersNoCheckBoxes->isHidden());
    EXPECT_TRUE(w.cmdCancel->isHidden());
    EXPECT_TRUE(w.btnSelectAll->isHidden());
    EXPECT_EQ(w.cmdOK->text(), QStringLiteral("Close"));
    EXPECT_EQ(w.lstPlayersNoCheckBoxes->currentRow(), 0);

    const std::pair<const char*, int> searches[] = {{"BO", 1}, {"cy", 2}, {"Cyrus", 2}, {"", 2}};
    for (const auto& [text, expected] : searches) {
        OnNextDialog<frmSearch>([text = QString::fromUtf8(text)](frmSearch& s) {
            s.txtSearch->setText(text);
            s.cmdOK->click();
        });
        ClickButton(w.btnSearch);
        EXPECT_EQ(w.lstPlayersNoCheckBoxes->currentRow(), expected) << text;
    }
    EXPECT_EQ(prompts.messages, (QStringList {QStringLiteral("No match found"), QStringLiteral("No match found")}));

    // Dee joins from the other league; Eve is new.
    OnNextDialog<frmAddEditPlayer>([](frmAddEditPlayer& d) {
        d.optAdd->click();
        d.cmdOK->click();
    });
    ClickButton(w.btnNew);
    OnNextDialog<frmAddEditPlayer>([](frmAddEditPlayer& d) {
        d.txtPlayer->setText(QStringLiteral("  Eve "));
        d.txtEmail->setText(QStringLiteral("eve@example.org"));
        d.cmdOK->click();
    });
    ClickButton(w.btnNew);
    ASSERT_EQ(w.lstPlayersNoCheckBoxes->count(), 5);
    EXPECT_EQ(w.lstPlayersNoCheckBoxes->item(3)->text(), QStringLiteral("Dee"));
    EXPECT_EQ(w.lstPlayersNoCheckBoxes->currentRow(), 4);
    EXPECT_EQ(w.lstPlayers->item(4)->checkState(), Qt::Checked);
    EXPECT_EQ(w.lstOriginal->item(4)->checkState(), Qt::Unchecked);
    EXPECT_EQ(LeagueMemberItems(db, monday).size(), 5);
    EXPECT_EQ(ReadPlayerDetails(db, RowKey(w.lstPlayersNoCheckBoxes, 4)).Details[EmailDetail],
              QStringLiteral("eve@example.org"));
}

TEST_F(PlayersWindowTest, PlayerDetailsRenameTheRowsAndTheEntrantByKey)
{
    frmPlayers& w = open(false);
    openTournament().gtypPlayers[1].PlayerName = QStringLiteral("Ann (typed)"); // differs from the list
    w.lstPlayers->setCurrentRow(row(QStringLiteral("Ann")));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    OnNextDialog<frmAddEditPlayer>([](frmAddEditPlayer& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Rename Player"));
        EXPECT_EQ(d.txtPlayer->text(), QStringLiteral("Ann"));
        d.txtPlayer->setText(QStringLiteral("Annie"));
        d.cmdOK->click();
    });
    const QPoint onAnn = w.lstPlayers->visualItemRect(w.lstPlayers->item(0)).center();
    QTest::mousePress(w.lstPlayers->viewport(), Qt::LeftButton, {}, onAnn);
    QTest::mouseDClick(w.lstPlayers->viewport(), Qt::LeftButton, {}, onAnn);
    for (QListWidget* list : {w.lstPlayers, w.lstOriginal, w.lstPlayersNoCheckBoxes})
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Annie"));
    EXPECT_EQ(openTournament().gtypPlayers[1].PlayerName, QStringLiteral("Annie"));
}

TEST_F(PlayersWindowTest, AFailedOrRefusedOkIsShownAndChangesNothing)
{
    // Bob and Cy ticked, Ann unticked, with the automatic bounty: a failed
    // write, or buy-ins or bounties that would take their sum past what is
    // kept to the cent.
    const struct {
        bool failWrite;
        double buyin;
        double bounty;
        const char* message; // empty: the database's own
    } cases[] = {
        {false, 5000000000000, 5,
         "These entries would take the money taken in past 9999999999999.99, the most "
         "that is kept to the cent.  Nothing was entered."},
        {false, 0, 5000000000000,
         "These entries would take the awards total past 9999999999999.99, the most that "
         "is kept to the cent.  Nothing was entered."},
        {true, 0, 5, ""}, // last: the failed write leaves the database failing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        prompts.messages.clear();
        db.execute(QStringLiteral("DELETE FROM tblTournamentXPlayer"));
        frmPlayers& w = open(false, {}, 2);
        openTournament().gdblBuyin = c.buyin;
        openTournament().gdblAutoBountyDollars = c.bounty;
        w.chkBuyin->setChecked(true);
        if (c.failWrite)
            FailNext(db, QStringLiteral("tblTournamentXPlayer"), QStringLiteral("INSERT"));
        tick(QStringLiteral("bob"), true);
        tick(QStringLiteral("Cy"), true);
        tick(QStringLiteral("Ann"), false);
        w.cmdOK->click();

        EXPECT_FALSE(w.mbOKed);
        ASSERT_EQ(prompts.messages.size(), 1);
        if (*c.message) {
            EXPECT_EQ(prompts.messages.first(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(storedEntrants(), QStringList {QStringLiteral("Ann 0 0")});
        EXPECT_TRUE(storedAwards().isEmpty());
        ASSERT_EQ(openTournament().gintPlayerCount(), 1);
        EXPECT_EQ(openTournament().gtypPlayers[1].PlayerID, ann);
        EXPECT_EQ(openTournament().gintAwardCount(), 0);
    }
}

} // namespace
