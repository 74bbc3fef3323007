#include "gui/shared/frmAddEditPlayer.h"

#include "LeagueTestData.h"
#include "WindowTestHelpers.h"
#include "core/store/LeaguePlayers.h"
#include "core/store/OpenTournament.h"
#include "gui/shared/EditPlayerDetails.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class PlayerDialogTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        league = addLeague(QStringLiteral("Monday"));
        ann = addPlayer(QStringLiteral("Ann"), {league});
        bob = addPlayer(QStringLiteral("Bob"), {league});
        openTournament().glngCurrentLeagueID = league;
    }
    void TearDown() override
    {
        openTournament() = OpenTournament();
        LeagueDatabaseTest::TearDown();
    }

    Long league = 0, ann = 0, bob = 0;
};

TEST_F(PlayerDialogTest, OkChecksTheNameOrTheChoice)
{
    struct Case {
        bool newPlayer;
        bool addFromLeague;
        const char* name;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {true, false, "   ", "Player name required."},
        {true, false, "bob", "Player name already exists."},
        {true, false, " Cy ", nullptr},
        {false, false, "ANN", nullptr}, // his own name in other letters
        {false, false, "Bob", "Player name already exists."},
        {true, true, "", "No player selected."}, // everyone is in the league already
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.messages.clear();
        frmAddEditPlayer d;
        d.mbNewPlayer = c.newPlayer;
        d.mlngCurPlayerID = ann;
        d.Form_Load();
        d.txtPlayer->setText(QString::fromUtf8(c.name));
        if (c.addFromLeague)
            d.optAdd->click();
        d.cmdOK->click();
        EXPECT_EQ(d.mbOKed, c.message == nullptr);
        EXPECT_EQ(prompts.messages, c.message ? QStringList {QString::fromUtf8(c.message)} : QStringList {});
        EXPECT_EQ(d.txtPlayer->text(), QString::fromUtf8(c.name).trimmed());
    }
}

TEST_F(PlayerDialogTest, LeavingTheLastNameFillsAnEmptyScreenNameOnly)
{
    for (const char* typed : {"", "Ace"}) {
        frmAddEditPlayer d;
        d.Form_Load();
        d.txtPlayer->setText(QString::fromUtf8(typed));
        d.txtFirstName->setText(QStringLiteral("Cy"));
        d.txtLastName->setText(QStringLiteral("Young"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(d.txtLastName, &leave);
        EXPECT_EQ(d.txtPlayer->text(), *typed ? QStringLiteral("Ace") : QStringLiteral("Cy Young"));
        EXPECT_EQ(d.txtPlayer->maxLength(), 100);
        EXPECT_EQ(d.txtState->maxLength(), 20);
        d.cmdCancel->click();
        EXPECT_FALSE(d.mbOKed);
    }
}

TEST_F(PlayerDialogTest, EditPlayerDetailsStoresOnlyWhatIsConfirmed)
{
    QString name = QStringLiteral("unchanged");
    QString email = QStringLiteral("unchanged");
    OnNextDialog<frmAddEditPlayer>([](frmAddEditPlayer& d) {
        d.txtPlayer->setText(QStringLiteral("Annie"));
        d.cmdCancel->click();
    });
    EXPECT_FALSE(EditPlayerDetails(ann, QStringLiteral("Ann"), name, email));
    EXPECT_EQ(name, QStringLiteral("unchanged"));
    EXPECT_EQ(email, QStringLiteral("unchanged"));
    EXPECT_EQ(ReadPlayerDetails(db, ann).PlayerName, QStringLiteral("Ann"));

    OnNextDialog<frmAddEditPlayer>([](frmAddEditPlayer& d) {
        EXPECT_TRUE(d.optNew->isHidden());
        EXPECT_EQ(d.Frame1->title(), QStringLiteral("New Player Name"));
        d.txtPlayer->setText(QStringLiteral("Annie"));
        d.txtEmail->setText(QStringLiteral("annie@example.org"));
        d.cmdOK->click();
    });
    EXPECT_TRUE(EditPlayerDetails(ann, QStringLiteral("Ann"), name, email));
    EXPECT_EQ(name, QStringLiteral("Annie"));
    EXPECT_EQ(email, QStringLiteral("annie@example.org"));
    EXPECT_EQ(ReadPlayerDetails(db, ann).PlayerName, QStringLiteral("Annie"));
    EXPECT_EQ(ReadPlayerDetails(db, ann).Details[EmailDetail], QStringLiteral("annie@example.org"));

    EXPECT_THROW(EditPlayerDetails(999, QStringLiteral("Nobody"), name, email), DatabaseError);
}

TEST_F(PlayerDialogTest, AnEditKeepsWhatTheDirectorLeftAsStoredLongValuesAndNullsIncluded)
{
    // Imported data: longer than the boxes take when typed into.
    const QString longName = QStringLiteral("Zoë O'Hara, \"Ace\" ").repeated(8).left(125) + u'!';
    const QString longEmail = QString(47, u'z') + QStringLiteral("@example.org");
    ASSERT_EQ(longName.size(), 126);
    ASSERT_EQ(longEmail.size(), 59);
    db.execute(QStringLiteral("UPDATE tblPlayer SET PlayerName = ?, Email = ? WHERE PlayerID = ?"),
               {longName, longEmail, ann});

    OnNextDialog<frmAddEditPlayer>([&](frmAddEditPlayer& d) {
        EXPECT_EQ(d.txtPlayer->text(), longName);
        EXPECT_EQ(d.txtEmail->text(), longEmail);
        d.txtPlayer->end(false);
        QTest::keyClicks(d.txtPlayer, QStringLiteral("x")); // no room to type more
        EXPECT_EQ(d.txtPlayer->text(), longName);
        QTest::keyClicks(d.txtCity, QStringLiteral("Montreal"));
        d.cmdOK->click();
    });
    QString name, email;
    ASSERT_TRUE(EditPlayerDetails(ann, longName, name, email));
    EXPECT_EQ(name, longName);
    EXPECT_EQ(email, longEmail);

    Recordset rs = db.query(QStringLiteral("SELECT * FROM tblPlayer WHERE PlayerID = ?"), {ann});
    EXPECT_EQ(rs.value(QStringLiteral("PlayerName")).toString(), longName);
    for (const char* column : PlayerDetailColumns) {
        const QVariant value = rs.value(QString::fromLatin1(column));
        if (column == QLatin1String("Email"))
            EXPECT_EQ(value.toString(), longEmail);
        else if (column == QLatin1String("City"))
            EXPECT_EQ(value.toString(), QStringLiteral("Montreal"));
        else
            EXPECT_TRUE(value.isNull()) << column;
    }
}

} // namespace
