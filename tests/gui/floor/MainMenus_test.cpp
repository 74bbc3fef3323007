#include "MainWindowFixture.h"
#include "ModalDialogs.h"

#include "gui/controls/ctlButton.h"

#include "gui/controls/ClickableLabel.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Every row of a menu as "name|caption|key", "-" for a separator and
// ">name|caption" for a sub-menu.
QStringList rows(const QMenu* m)
{
    QStringList out;
    for (QAction* a : m->actions()) {
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (a->menu())
            out << QStringLiteral(">%1|%2").arg(a->menu()->objectName(), a->text());
        else
            out << QStringLiteral("%1|%2|%3").arg(a->objectName(), a->text(), a->shortcut().toString());
    }
    return out;
}

void click(ctlButton* b) { QTest::mouseClick(b->findChild<QLabel*>(QStringLiteral("lbl")), Qt::LeftButton); }

} // namespace

TEST_F(MainMenusTest, HoldEveryEntryInOrder)
{
    const std::vector<std::pair<const char*, QStringList>> expected = {
        {"mnPopup",
         {"mnViewPlayers|&Players|Ctrl+P",
          "mnViewSummary1|Summary Style &1|Ctrl+M",
          "mnViewSummary2|Summary Style &2|Ctrl+N",
          "mnViewBasic|Summary Style &3|Ctrl+O",
          "mnViewSummary4|Summary Style &4|Ctrl+U",
          "mnViewSummary5|Summary Style &5|Ctrl+W",
          "mnViewTables|&Table/Seat Chart|Ctrl+T",
          "mnViewBuyin|&Buyin Info|",
          "mnViewPayouts|P&ayouts|",
          "mnViewAwards|Bounties/A&wards|",
          "mnViewKills|&Kills|",
          "mnViewChipCount|Chip Co&unt|",
          "mnViewRules|&Rules|",
          "mnViewCustomMessage|&Custom Message|",
          "mnViewCustomPicture|Custom P&icture|",
          "mnViewManager|&Manager Report|",
          "-",
          "mnRotate|Rotate (On/Off)|Ctrl+R",
          "mnDisplayOptions|Rotating Scr&eens Options...|",
          "mnToggleScreen|Toggle Screen|F12",
          "-",
          "mnAppearance|Appeara&nce Settings...|",
          "mnFonts|&Fonts && Colors...|",
          "mnSounds|So&unds && Notifications...|",
          "mnShowToolBar|Show Toolbar|",
          "-",
          "mnCalc|Calculator|"}},
        {"mnMorePopup",
         {"mnAward|Award &Bounty or Other Special Award...|Ctrl+B", "mnClearAwards|Clear All Bounties/Spec&ial Awards|",
          "mnManualAdjustPayout|&Manually Adjust Payout/Points...|", "-",
          "mnClearAll|&Clear Buyin, Rebuys, and Addons|", "mnAddPlayers|&Add/Remove Players...|", "-",
          "mnMovePlayer|Assign this Player a &Seat...|", "mnUnassignPlayersSeat|&Unassign this Player's Seat|"}},
        {"mnExportPopup",
         {"mnExportSignInTourney|Create Sign In Sheet for Registrants...|",
          "mnExportSignInLeague|Create Sign In Sheet for Everyone in League...|", "-",
          "mnExportPlayerFinish|&Player Buyin/Finish List...|", "mnExportPlayerAddress|Player &Address/Phone List...|",
          "mnExportZorvaneReport|Z&orvane Report...|", "mnExportSeatChart|Table && Seat C&hart...|",
          ">mnSpecialExports|&Special Exports"}},
        {"mnSpecialExports", {"mnHPYCSV|HPT Format CSV |"}},
        {"mnClockPopup",
         {"mnClockStart|&Start Clock|F1", "mnClockPause|&Pause Clock|F2", "-",
          "mnSkipLevel|S&kip to Next Level/Break|F3", "mnClockReset|&Reset Clock for Current Session/Break|",
          "mnAddMinute|Add &1 Minute to Clock|", "-", "mnHandTimer|&Hand Timer...|F4", "-",
          "mnAdjustClockSettings|&Adjust Session Settings or Change Active Level...\tCtrl+S|"}},
        {"mnTablePopup",
         {"mnAssignSeatsAll|Assign &All Players Seats - Initial Seating|Ctrl+H",
          "mnAssignSeatsNew|Assign &New Players Seats - Late Entrants|", "mnClearSeats|&Clear All Seat Assignments|",
          "-", "mnBalanceTables|&Balance Tables - Balance Tables as Players Go Out|Ctrl+L",
          "mnReduceTables|Manually &Reduce Tables...|", "-", "mnViewTables2|&View Table/Seat Chart|"}},
        {"mnMovePlayerPopup",
         {"mnMovePlayerFromSeatChart|&Move this Player to Another Seat...|",
          "mnUnassignPlayersSeatFromSeatChart|&Unassign this Player's Seat|",
          "mnMovePlayerToSeat|&Assign a Player to this Seat...|", "-", "mnEliminate|&Eliminate|", "mnBuyin|&Rebuy|",
          "mnAddon|&Addon|", "-", "mnAward2|Award &Bounty or Other Special Award...|",
          "mnClearAwards2|Clear All Bounties/Spec&ial Awards|",
          "mnManualAdjustPayout2|&Manually Adjust Payout/Points...|"}},
        {"mnPlayersPopup",
         {"mnAddRemovePlayers|&Add/Remove Players in This Tournament|Ctrl+A",
          "mnGotoPlayerScreen|&Go To Players Screen for Player Elimination or Rebuy|"}},
        {"mnChipCountPopup", {"mnAssignChipCount|&Assign Chip Count...|"}},
    };
    for (const auto& [name, entries] : expected)
        EXPECT_EQ(rows(menu(name)), entries) << name;
    EXPECT_TRUE(action("mnRotate")->isCheckable());
    EXPECT_FALSE(action("mnViewTables2")->isCheckable());
}

TEST_F(MainMenusTest, PopFromTheirButtonsAndLabels)
{
    showActive();
    struct {
        const char* button;
        const char* menu;
    } cases[] = {{"btnClock", "mnClockPopup"},
                 {"btnAdd", "mnPlayersPopup"},
                 {"btnTables", "mnTablePopup"},
                 {"btnExport", "mnExportPopup"},
                 {"btnView", "mnPopup"}};
    for (const auto& c : cases) {
        auto* b = control<ctlButton>(c.button);
        click(b);
        QMenu* m = menu(c.menu);
        EXPECT_TRUE(QTest::qWaitFor([m] { return m->isVisible(); }, 2000)) << c.button;
        m->hide();
    }
    QTest::mouseClick(parts(w).display.lblTimer, Qt::LeftButton);
    EXPECT_TRUE(menu("mnClockPopup")->isVisible());
    menu("mnClockPopup")->hide();

    // Manage Tables pops the table menu; the alert goes when the menu closes.
    parts(w).frames.frameAlert->show();
    QTest::mouseClick(parts(w).frames.cmdManageTables, Qt::LeftButton);
    ASSERT_TRUE(menu("mnTablePopup")->isVisible());
    EXPECT_TRUE(parts(w).frames.frameAlert->isVisible());
    menu("mnTablePopup")->hide();
    EXPECT_FALSE(parts(w).frames.frameAlert->isVisible());

    // Short cuts into the set-up and the set-up button
    QTest::mouseClick(parts(w).display.lblBlindsCap, Qt::LeftButton);
    QTest::mouseClick(parts(w).display.lblChipAmount[3], Qt::LeftButton);
    QTest::mouseClick(parts(w).display.lblPayout[0], Qt::LeftButton);
    click(parts(w).frames.btnSettings);
    action("mnAdjustClockSettings")->trigger();
    EXPECT_EQ(wizardPages, (std::vector<int> {3, 2, 4, 0, 3}));
}

TEST_F(MainMenusTest, ViewSettingsEntriesOpenTheirDialogs)
{
    QStringList opened;
    for (const char* name : {"mnDisplayOptions", "mnAppearance", "mnFonts", "mnSounds"}) {
        CancelNextModal(opened);
        action(name)->trigger();
    }
    EXPECT_EQ(opened, QStringList({"frmDisplay", "frmAppearance", "frmFontsAndColors", "frmSounds"}));
    EXPECT_TRUE(prompts.messages.isEmpty());
}
