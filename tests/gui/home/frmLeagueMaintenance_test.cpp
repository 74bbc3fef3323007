#include "gui/home/frmLeagueMaintenance.h"

#include "ManageTestData.h"
#include "WindowTestHelpers.h"
#include "core/store/CurrentLeague.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using LeagueListTest = ManageDatabaseTest;

TEST_F(LeagueListTest, DeleteNeverTakesTheLastLeague)
{
    frmLeagueMaintenance w;
    ASSERT_EQ(w.lstLeagues->count(), 2);
    w.lstLeagues->setCurrentRow(1); // Monday
    prompts.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    w.cmdDelete->click();
    EXPECT_EQ(w.lstLeagues->count(), 2);
    w.cmdDelete->click();
    ASSERT_EQ(w.lstLeagues->count(), 1);
    EXPECT_EQ(openTournament().glngCurrentLeagueID, friday);
    EXPECT_EQ(openTournament().gstrCurrentLeagueName, QStringLiteral("Friday"));
    w.cmdDelete->click();

    const QString question = QStringLiteral("Are you sure you want to delete this league and all of its associated "
                                            "data, including players and tournaments?");
    EXPECT_EQ(prompts.messages,
              (QStringList {question, question, QStringLiteral("You must have at least one league.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeague")), 1);
}

TEST_F(LeagueListTest, RenameTrimsAndRefusesBlankAndTakenNames)
{
    LoadLeague(db, openTournament(), monday);
    frmLeagueMaintenance w;
    w.lstLeagues->setCurrentRow(1);
    OnNextDialog<frmChangeLeagueName>([](frmChangeLeagueName& d) {
        EXPECT_EQ(d.txtName->text(), QStringLiteral("Monday"));
        for (const char* name : {"   ", "FRIDAY", " Bob's Monday "}) {
            d.txtName->setText(QString::fromUtf8(name));
            d.cmdOK->click();
        }
    });
    w.cmdRename->click();

    EXPECT_EQ(prompts.messages,
              (QStringList {QStringLiteral("League name required."), QStringLiteral("League name already exists.")}));
    EXPECT_EQ(w.lstLeagues->item(1)->text(), QStringLiteral("Bob's Monday"));
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeague WHERE LeagueName = ?"), {"Bob's Monday"}), 1);
    EXPECT_EQ(openTournament().gstrCurrentLeagueName, QStringLiteral("Bob's Monday"));
}

} // namespace
