#include "gui/home/frmAddLeague.h"

#include "ManageTestData.h"
#include "WindowTestHelpers.h"
#include "gui/home/frmManage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using AddLeagueTest = ManageDatabaseTest;

TEST_F(AddLeagueTest, NewLeagueCopiesMembersOnlyOnceYesIsTicked)
{
    openTournament().glngCurrentLeagueID = monday;
    frmManage hub;
    OnNextDialog<frmAddLeague>([](frmAddLeague& d) {
        EXPECT_FALSE(d.cmbLeague->isEnabled());
        d.chkCopy->click();
        EXPECT_TRUE(d.cmbLeague->isEnabled());
        d.cmbLeague->setCurrentText(QStringLiteral("Monday"));
        d.txtLeague->setText(QStringLiteral(" monday "));
        d.cmdOK->click(); // taken, in other letters
        EXPECT_TRUE(d.isVisible());
        d.txtLeague->setText(QStringLiteral(" Bob's League "));
        d.cmdOK->click();
    });
    ClickButton(hub.btnNew);

    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("League name already exists.")});
    EXPECT_EQ(hub.cmbLeague->currentText(), QStringLiteral("Bob's League"));
    EXPECT_EQ(hub.cmbLeague2->currentText(), QStringLiteral("Bob's League"));
    EXPECT_EQ(openTournament().gstrCurrentLeagueName, QStringLiteral("Bob's League"));
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeagueXPlayer WHERE LeagueID = ?"),
                    {openTournament().glngCurrentLeagueID}),
              2);
}

} // namespace
