#include "LeagueTestData.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"
#include "gui/setup/frmNewTourney.h"

#include <QComboBox>
#include <QRadioButton>

class NewTournament : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        openTournament() = OpenTournament();
    }
    void TearDown() override
    {
        openTournament() = OpenTournament();
        LeagueDatabaseTest::TearDown();
    }
};

TEST_F(NewTournament, EmptyDatabaseGivesTheBlankDefaults)
{
    frmNewTourney d;
    EXPECT_FALSE(d.hasTournaments());
    d.today = QDate(2026, 12, 9);
    d.optNo->setChecked(true);
    d.cmdOK_Click();
    ASSERT_TRUE(d.bOked);
    EXPECT_EQ(d.prepared.gdblNumberLevels, 10);
    EXPECT_EQ(d.prepared.gvarTournamentDate.toDateTime().date(), QDate(2026, 12, 9));
}

TEST_F(NewTournament, CopyOffersTheNewestAndLeavesTheOpenTournamentAlone)
{
    const Long league = addLeague(QStringLiteral("Tuesday"));
    addTournament(league, QStringLiteral("Week 1"));
    OpenTournament week2;
    week2.glngCurrentLeagueID = addLeague(QStringLiteral("Friday"));
    week2.gstrTournamentName = QStringLiteral("Week 2");
    week2.gdblBuyin = 55;
    week2.gintBlindsLevel = 4;
    week2.ResetLevels();
    week2.RedimPayouts();
    SaveTournament(db, week2, true);

    // The open tournament stays as it is.
    openTournament().gstrTournamentName = QStringLiteral("Running now");

    frmNewTourney d;
    d.show();
    EXPECT_EQ(d.cmbTourney->count(), 2) << "every league's tournaments";
    EXPECT_EQ(d.cmbTourney->currentText(), QStringLiteral("Week 2"));
    EXPECT_TRUE(d.optYes->isChecked());
    d.cmdOK_Click();
    ASSERT_TRUE(d.bOked);
    EXPECT_EQ(d.prepared.gdblBuyin, 55);
    EXPECT_EQ(d.prepared.gintBlindsLevel, 1);
    EXPECT_EQ(d.prepared.glngCurrentTournamentID, 0);
    EXPECT_EQ(openTournament().gstrTournamentName, QStringLiteral("Running now"));

    // A tournament that cannot be read: its message, nothing prepared.
    frmNewTourney broken;
    db.execute(QStringLiteral("DELETE FROM tblTournament WHERE TournamentName = 'Week 2'"));
    broken.show();
    broken.cmdOK_Click();
    EXPECT_FALSE(broken.bOked);
    EXPECT_EQ(prompts.messages.size(), 1);
}
