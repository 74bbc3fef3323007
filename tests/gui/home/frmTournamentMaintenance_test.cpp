#include "gui/home/frmTournamentMaintenance.h"

#include "ManageTestData.h"
#include "WindowTestHelpers.h"
#include "core/store/CurrentLeague.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using TournamentListTest = ManageDatabaseTest;

TEST_F(TournamentListTest, RenameChangesTheNameAloneAndDeleteClearsTheCurrentTournament)
{
    LoadLeague(db, openTournament(), monday);
    LoadTournament(db, openTournament(), week2, false);
    frmTournamentMaintenance w;
    ASSERT_EQ(w.lstTournaments->count(), 2);
    EXPECT_EQ(w.lstTournaments->currentRow(), 0);

    w.lstTournaments->setCurrentRow(1); // Week 2, the open one
    OnNextDialog<frmChangeTournamentName>([](frmChangeTournamentName& d) {
        for (const char* name : {"  ", "week 1", "Week 2"}) { // its own name is allowed
            d.txtName->setText(QString::fromUtf8(name));
            d.cmdOK->click();
        }
    });
    w.cmdRename->click();
    OnNextDialog<frmChangeTournamentName>([](frmChangeTournamentName& d) {
        d.txtName->setText(QStringLiteral("Ann's Final"));
        d.cmdOK->click();
    });
    w.cmdRename->click();
    EXPECT_EQ(prompts.messages,
              (QStringList {QStringLiteral("Tournament name required."),
                            QStringLiteral("Tournament name already exists in this league.")}));
    EXPECT_EQ(w.lstTournaments->item(1)->text(), QStringLiteral("Ann's Final"));
    EXPECT_EQ(openTournament().gstrTournamentName, QStringLiteral("Ann's Final"));
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblTournament WHERE TournamentName = ?"), {"Ann's Final"}), 1);

    prompts.messages.clear();
    w.lstTournaments->setCurrentRow(0); // Week 1, not the open one
    prompts.answers = {Prompter::Answer::Yes};
    w.cmdDelete->click();
    EXPECT_EQ(prompts.messages,
              QStringList {QStringLiteral("Are you sure you want to delete this tournament and all "
                                          "of its associated data?")});
    EXPECT_EQ(w.lstTournaments->count(), 1);
    EXPECT_EQ(openTournament().glngCurrentTournamentID, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblTournament")), 2);
}

} // namespace
