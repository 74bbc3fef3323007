#include "MainWindowFixture.h"

#include "core/display/ScreenObjects.h"
#include "gui/controls/FlexGrid.h"
#include "gui/display/DisplayLayout.h"
#include "gui/display/ScreenRefresh.h"

#include <QLabel>
#include <QTextEdit>

TEST_F(ScreenObjectsWindowTest, StoredLooksShowAfterARestartAndAGarbageRowStopsNothing)
{
    db.execute(QStringLiteral("INSERT INTO tblFont (Description, LabelText, FontColor, FontName, FontBold, FontItalic, "
                              "FontSize, HeaderColor) VALUES ('Timer Label', 'Clock', '255', 'Arial', 1, 0, 30, ''), "
                              "('Blinds Value', NULL, 'green', NULL, 'x', NULL, 'huge', NULL), "
                              "('Players Grid', '', '16777215', 'Courier', 1, 0, 13, '255')"));
    delete w.data();
    w = new frmMain;
    w->Form_Load();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(screenObjects().gintScreenObjectCount(), 179);
    w->SwitchView(0);
    auto* cap = control<QLabel>("lblTimerCap");
    EXPECT_EQ(cap->text(), "Clock");
    EXPECT_EQ(cap->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(cap->font().pointSize(), 30);
    const ScreenObject& blinds = screenObjects().gtypScreenObjects[screenObjects().IndexOf("Blinds Value")];
    const QFont font = control<QLabel>("lblBlinds")->font();
    EXPECT_EQ(font.family(), "Times New Roman");
    EXPECT_EQ(font.pointSize(), blinds.DefaultFontSize);
    EXPECT_FALSE(font.bold()); // only 1 is bold
    EXPECT_EQ(control<QLabel>("lblBlinds")->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(control<QLabel>("lblChipValuesCap")->text(), "Chips");
    parts(w).layout->AdjustGridDisplays(); // a new players layout keeps the grid's stored look
    EXPECT_EQ(parts(w).display.grid->font().pointSize(), 13);
    EXPECT_EQ(parts(w).display.grid->ForeColorFixed(), 255u);

    w->Form_Unload();
    EXPECT_EQ(screenObjects().gintScreenObjectCount(), 0);
}

TEST_F(ScreenObjectsWindowTest, RefreshFillsTheWindowsScreensAndTheManagerReportShowsWhenChosen)
{
    OpenTournament& t = openTournament();
    t.gintPlayersPerTable = 2;
    t.gtypPlayers[1].Table = 1;
    t.gtypPlayers[1].Seat = 2;
    t.gtypPlayers[1].TotalBuyin = 20;
    w->RefreshScreens(true);
    EXPECT_TRUE(parts(w).refresher->failures().isEmpty()) << parts(w).refresher->failures().join(' ').toStdString();
    auto* chart = control<FlexGrid>("gridTables");
    EXPECT_EQ(chart->TextMatrix(0, 0), "Table 1");
    EXPECT_EQ(chart->TextMatrix(2, 1), "Anna");
    EXPECT_EQ(parts(w).mSeatChart.cell(2, 1).PlayerID, t.gtypPlayers[1].PlayerID);
    EXPECT_EQ(parts(w).mSeatChart.cell(1, 1).PlayerID, 0);
    EXPECT_EQ(parts(w).mSeatChart.cell(1, 1).Seat, 1);
    EXPECT_EQ(control<QLabel>("lblTournament")->text(), "Week 1");
    EXPECT_EQ(control<QLabel>("lblClassicItem(0)")->text(), "3");

    t.gtypPlayers[2].TotalBuyin = 20;
    w->SwitchView(7);
    EXPECT_TRUE(control<QTextEdit>("txtManagerReport")->toPlainText().contains("Total From Buyins:  40"));
}

TEST_F(ScreenObjectsWindowTest, EveryControlTheScreenObjectsNameIsOnTheWindow)
{
    QStringList missing;
    for (const ScreenObject& e : screenObjects().gtypScreenObjects) {
        if (!w->findChild<QWidget*>(e.ControlObjectName()))
            missing << e.ControlObjectName();
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
}
