#include "MainWindowFixture.h"

#include "core/store/ScreenCatalogue.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/display/ScreenController.h"

#include <QTextEdit>
#include <QTimer>

TEST_F(ScreenControllerTest, ViewShowsEachScreenAndItsPanel)
{
    w->show();
    for (const ScreenEntry& s : ScreenCatalogue()) {
        action(s.Entry)->trigger();
        const QString caption = QString::fromUtf8(s.Caption);
        EXPECT_EQ(screen(), s.Id) << s.Entry;
        EXPECT_EQ(parts(w).frames.btnView->Caption(), QStringLiteral("View: ") + caption);
        for (const ScreenEntry& other : ScreenCatalogue())
            EXPECT_EQ(action(other.Entry)->isChecked(), other.Id == s.Id) << s.Entry << " " << other.Entry;
        for (QWidget* p : parts(w).display.screenPanels())
            EXPECT_EQ(p->isVisible(), p->objectName() == QLatin1String(s.Panel))
                << s.Entry << " " << p->objectName().toStdString();
        EXPECT_EQ(parts(w).display.grid->isVisible(), s.Id == 0) << s.Entry;
    }
    action("mnViewTables2")->trigger();
    EXPECT_EQ(screen(), 9);
    w->SwitchView(15);
    action("mnToggleScreen")->trigger();
    EXPECT_EQ(screen(), 0);
}

TEST_F(ScreenControllerTest, RelaysOutOnceAfterTheBigClockAndRotatesByPhase)
{
    int layouts = 0;
    parts(w).screens->fullLayout = [&layouts] { ++layouts; };
    w->SwitchView(8);
    EXPECT_EQ(layouts, 1);
    // Level 1, clock untouched: phase 0 rotates 0, 2, 4, 9, 10.
    openTournament().gintBlindsLevel = 1;
    parts(w).screens->tmrDisplay_Timer();
    EXPECT_EQ(screen(), 9);
    EXPECT_EQ(layouts, 2); // the flag left by screen 8
    parts(w).screens->tmrDisplay_Timer();
    EXPECT_EQ(screen(), 10);
    EXPECT_EQ(layouts, 2);
    parts(w).screens->tmrDisplay_Timer(); // wraps
    EXPECT_EQ(screen(), 0);
    EXPECT_EQ(layouts, 3); // after summary style 2
    parts(w).screens->clockHasMoved = [] { return true; }; // phase 1 rotates 0, 4, 10
    parts(w).screens->tmrDisplay_Timer();
    EXPECT_EQ(screen(), 4);
    openTournament().gblnOnBreak = true;
    programSettings().gintRotationMatrix[2] = {};
    parts(w).screens->tmrDisplay_Timer(); // a break with no screen keeps the screen
    EXPECT_EQ(screen(), 4);
}

TEST_F(ScreenControllerTest, LoadsRulesAsHtmlOrPlainText)
{
    openTournament().gstrRules = QStringLiteral("No <b>phones</b> at the table");
    openTournament().gstrCustomMessage
        = QStringLiteral("<!DOCTYPE HTML><html><body><p>Good <b>luck</b></p></body></html>");
    w->SwitchView(4);
    EXPECT_EQ(parts(w).display.rtbRules->toPlainText(), QStringLiteral("No <b>phones</b> at the table"));
    w->SwitchView(5);
    EXPECT_EQ(parts(w).display.rtbCustomMessage->toPlainText(), QStringLiteral("Good luck"));
}

TEST_F(ScreenControllerTest, OnlyTheOperatorStartsOrRestartsTheRotationAndTheScrollHold)
{
    programSettings().gintRotateScreens = 1;
    w->Form_Load();
    w->RefreshScreens(true);
    showActive();
    QTimer* rotation = parts(w).screens->tmrDisplay;
    // The window's own fill moves the grid's current cell: no rotation yet.
    EXPECT_FALSE(rotation->isActive());
    EXPECT_FALSE(parts(w).screens->mblnDisplayTimerReset);

    FlexGrid* grid = parts(w).display.grid;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 0).center() - grid->viewport()->pos());
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_TRUE(rotation->isActive());
    EXPECT_TRUE(parts(w).screens->mblnDisplayTimerReset);

    // A buy-in's refresh, a level change, a rotation step: none restarts the
    // interval or the hold.
    parts(w).screens->mblnDisplayTimerReset = false;
    w->RefreshScreens(false);
    w->RefreshScreens(true);
    w->SetScreen(true);
    parts(w).screens->tmrDisplay_Timer();
    EXPECT_FALSE(parts(w).screens->mblnDisplayTimerReset);
    EXPECT_TRUE(rotation->isActive());

    // Off and on again by the rotate command.
    action("mnRotate")->trigger();
    EXPECT_FALSE(rotation->isActive());
    action("mnRotate")->trigger();
    EXPECT_TRUE(rotation->isActive());
}
