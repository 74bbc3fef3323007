#include "FieldBuilder.h"
#include "LeagueTestData.h"
#include "QtMessageCheck.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"
#include "gui/display/DisplayPanels.h"
#include "gui/display/ScreenObjectStyler.h"
#include "gui/display/ScreenRefresh.h"

#include <QImage>
#include <QLabel>
#include <QTextEdit>
#include <stdexcept>

namespace {

// The tournament window's display panels, in a window of their own, found
// by name as the screen objects find them.
class DisplayWindow : public QWidget {
public:
    DisplayPanels d {this};

    template <typename W>
    W* get(const QString& name)
    {
        return findChild<W*>(name);
    }
    QString text(const QString& name) { return get<QLabel>(name)->text(); }
};

class ScreenContentsWindowTest : public LeagueDatabaseTest {
protected:
    DisplayWindow window;
    ScreenObjectTable table;
    SeatChartMap seats;
    ChipCountMap chipRows;
    OpenTournament t = FieldOf(12, 10);
    ProgramSettings settings;

    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        settings.gstrMoneyFormat = QStringLiteral("$#,##0");
        settings.gstrCurrencySymbol = QStringLiteral("$");
    }
    QColor textColor(const QString& name) { return window.get<QWidget>(name)->palette().color(QPalette::WindowText); }
};

} // namespace

TEST_F(ScreenContentsWindowTest, ScreenObjectsStyleTheirScreensControlsLaterEntriesWinning)
{
    db.execute(
        QStringLiteral("INSERT INTO tblFont (Description, LabelText, FontColor, FontName, FontBold, "
                       "FontItalic, FontSize, HeaderColor) VALUES ('Summary 1 Timer Label', 'Clock', '49344', "
                       "'Arial', 2, 1, 33, ''), ('Summary 4 Timer Label', 'Time', '255', 'Arial', 1, 0, 21, ''), "
                       "('Table/Seat Chart', '', '255', 'Arial', 1, 0, 9, '255')"));
    table.LoadScreenObjects(db, ScreenFontSizesFor(true, 0), prompts);

    SetScreenObjects(&window, table, 8);
    EXPECT_EQ(window.text("lblTimerCap"), "Time Remaining");
    EXPECT_EQ(window.get<QLabel>("lblTimerCap")->font().pointSize(), 48);
    EXPECT_EQ(window.get<QLabel>("lblLevel")->font().pointSize(), QFont().pointSize()); // no common entry

    SetScreenObjects(&window, table, 1);
    QLabel* cap = window.get<QLabel>("lblTimerCap");
    EXPECT_EQ(cap->text(), "Clock");
    EXPECT_EQ(textColor("lblTimerCap"), QColor(0xC0, 0xC0, 0x00));
    EXPECT_EQ(cap->font().family(), "Arial");
    EXPECT_FALSE(cap->font().bold());
    EXPECT_TRUE(cap->font().italic());
    EXPECT_EQ(cap->font().pointSize(), 33);
    EXPECT_EQ(textColor("lblLevel"), QColor(0x80, 0xFF, 0x80));

    SetScreenObjects(&window, table, 4);
    EXPECT_EQ(cap->text(), "Time Remaining");
    EXPECT_EQ(cap->font().pointSize(), 28);
    auto* rules = window.get<QTextEdit>("rtbRules");
    rules->setHtml(QStringLiteral("<p><span style=\"font-family:Courier; font-size:9pt\">Rule one</span></p>"));
    SetScreenObjects(&window, table, 4);
    QTextCursor c(rules->document());
    c.movePosition(QTextCursor::Right);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(c.charFormat().fontPointSize(), 9); // rich text keeps its fonts

    SetScreenObjects(&window, table, 13);
    EXPECT_EQ(cap->text(), "Time");
    EXPECT_EQ(textColor("lblTimerCap"), QColor(0xFF, 0, 0));

    auto* chart = window.get<FlexGrid>("gridTables");
    const OleColor before = chart->ForeColor();
    SetScreenObjects(&window, table, 9);
    EXPECT_EQ(chart->font().pointSize(), 9);
    EXPECT_EQ(chart->ForeColor(), before); // the chart colours its own cells

    const Integer chip = table.IndexOf("Chip Amount");
    table.gtypScreenObjects[chip].FontSize = 17;
    ApplyAllScreenObjectFonts(&window, table, chip);
    EXPECT_EQ(window.get<QLabel>("lblChipAmount(9)")->font().pointSize(), 17);
    EXPECT_NE(window.get<QLabel>("lblPayoutCap")->font().pointSize(), 17);
}

TEST_F(ScreenContentsWindowTest, RefreshFillsEveryScreenAndAFailingStepStopsNoOther)
{
    SeatTables(t, {6, 6});
    t.gstrTournamentName = QStringLiteral("Friday");
    t.gintNumberPaid = 2;
    t.RedimPayouts();
    t.gdblCalculatedPayout[1] = 700;
    t.gdblCalculatedPayout[2] = 300;
    t.gdblSmall = 25;
    t.gdblBig = 50;
    t.gstrChipColor[0] = QStringLiteral("Red");
    t.gdblChipAmount[0] = 25;
    for (PlayerRecord& p : t.gtypPlayers)
        p.TotalBuyin = 20;
    t.gtypPlayers[3].Kills = 2;

    ScreenRefresher r(window.d, seats, chipRows);
    r.tournament = &t;
    r.settings = &settings;
    int breakLabels = 0;
    r.AdjustBreakLabel = [&] { ++breakLabels; };
    r.beforeStep = [](const QString& step) {
        if (step == "LoadKillsGrid")
            throw std::runtime_error("no kills today");
    };
    {
        const ExpectedWarning logged(QStringLiteral("RefreshScreens: LoadKillsGrid failed: no kills today"));
        r.RefreshScreens(true);
    }

    const DisplayPanels& d = window.d;
    EXPECT_EQ(r.failures(), QStringList {"LoadKillsGrid"});
    EXPECT_EQ(d.lblBlinds->text(), "$25/$50");
    EXPECT_EQ(d.lblChipAmount[0]->text(), "$25");
    EXPECT_EQ(d.shpChip[0]->FillColor(), 0xFFu);
    EXPECT_EQ(d.lblPayout[1]->text(), "$300");
    EXPECT_EQ(d.lblPayout[2]->text(), "$0");
    EXPECT_EQ(d.gridPayouts->TextMatrix(1, 3), "$300");
    EXPECT_EQ(d.gridKills->TextMatrix(0, 0), ""); // its loader failed
    EXPECT_EQ(d.gridChipCount->Rows(), 13);
    EXPECT_EQ(d.lblNumPlayers->text(), "12 Plyrs on 2 Tbls");
    EXPECT_EQ(d.lblClassicItem[4]->text(), "$240");
    EXPECT_EQ(d.lblBuyin->text(), "$0\n for $0 in Chips");
    EXPECT_TRUE(d.txtManagerReport->toPlainText().contains("Total Number of Entrants:  12"));
    EXPECT_EQ(d.gridTables->TextMatrix(1, 1), "P1");
    EXPECT_EQ(seats.cell(7, 1).PlayerID, 0);
    EXPECT_EQ(seats.cell(6, 4).PlayerID, 12);
    EXPECT_EQ(breakLabels, 2);
    EXPECT_EQ(t.gintLastChipSlot, 9); // slots never set are no "Not Used"
}

TEST_F(ScreenContentsWindowTest, ChipPictureThatCannotBeReadLeavesTheChipEmpty)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path("chip.png")));
    t.gstrChipColor[3] = QStringLiteral("Custom Picture");
    t.gstrChipPicture[3] = path("chip.png");
    ScreenRefresher r(window.d, seats, chipRows);
    r.tournament = &t;
    r.settings = &settings;
    r.RefreshScreens(false);
    QLabel* picture = window.d.imgChip[3];
    EXPECT_FALSE(picture->pixmap().isNull());
    t.gstrChipPicture[3] = path("missing.png");
    r.RefreshScreens(false);
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_TRUE(r.failures().isEmpty());
}
