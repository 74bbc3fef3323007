#include "FieldBuilder.h"
#include "LeagueTestData.h"
#include "QtMessageCheck.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"
#include "gui/display/ScreenObjectStyler.h"
#include "gui/display/ScreenRefresh.h"

#include <QImage>
#include <QLabel>
#include <QTextEdit>
#include <stdexcept>

namespace {

// A window holding every control the screen objects and the refresh name,
// each under its name, as the tournament window holds them.
class DisplayWindow : public QWidget {
public:
    DisplayWindow()
    {
        for (const char* name : {"lblLevel",      "lblTimerCap",
                                 "lblTimer",      "lblBlindsCap",
                                 "lblBlinds",     "lblChipValuesCap",
                                 "lblPayoutCap",  "lblTournamentCap",
                                 "lblTournament", "lblTotalBuyCap",
                                 "lblTotalBuy",   "lblNumPlayersCap",
                                 "lblNumPlayers", "lblAveStackCap",
                                 "lblAveStack",   "lblNextBreakCap",
                                 "lblNextBreak",  "lblNextBlindsCap",
                                 "lblNextBlinds", "lblBuyinCap",
                                 "lblBuyin",      "lblRebuyCap",
                                 "lblRebuy",      "lblAddonCap",
                                 "lblAddon",      "lblClassicTournamentTitle"})
            add<QLabel>(name);
        for (int i = 0; i < 10; ++i) {
            add<QLabel>(QStringLiteral("lblChipAmount(%1)").arg(i));
            add<ChipShape>(QStringLiteral("shpChip(%1)").arg(i));
            add<QLabel>(QStringLiteral("imgChip(%1)").arg(i));
        }
        for (int i = 0; i < 5; ++i) {
            add<QLabel>(QStringLiteral("lblPlace(%1)").arg(i));
            add<QLabel>(QStringLiteral("lblPayout(%1)").arg(i));
        }
        for (int i = 0; i < 15; ++i) {
            add<QLabel>(QStringLiteral("lblClassicHeader(%1)").arg(i));
            add<QLabel>(QStringLiteral("lblClassicItem(%1)").arg(i));
        }
        for (const char* name : {"grid", "gridPayouts", "gridAwards", "gridKills", "gridChipCount", "gridTables"})
            add<FlexGrid>(name);
        for (const char* name : {"rtbRules", "rtbCustomMessage", "txtManagerReport"})
            add<QTextEdit>(name);
    }

    template <typename W>
    W* get(const QString& name)
    {
        return findChild<W*>(name);
    }
    QString text(const QString& name) { return get<QLabel>(name)->text(); }

private:
    template <typename W>
    void add(const QString& name)
    {
        auto* w = new W(this);
        w->setObjectName(name);
    }
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

    ScreenRefresher r(&window, seats, chipRows);
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

    EXPECT_EQ(r.failures(), QStringList {"LoadKillsGrid"});
    EXPECT_EQ(window.text("lblBlinds"), "$25/$50");
    EXPECT_EQ(window.text("lblChipAmount(0)"), "$25");
    EXPECT_EQ(window.get<ChipShape>("shpChip(0)")->FillColor(), 0xFFu);
    EXPECT_EQ(window.text("lblPayout(1)"), "$300");
    EXPECT_EQ(window.text("lblPayout(2)"), "$0");
    EXPECT_EQ(window.get<FlexGrid>("gridPayouts")->TextMatrix(1, 3), "$300");
    EXPECT_EQ(window.get<FlexGrid>("gridKills")->TextMatrix(0, 0), ""); // its loader failed
    EXPECT_EQ(window.get<FlexGrid>("gridChipCount")->Rows(), 13);
    EXPECT_EQ(window.text("lblNumPlayers"), "12 Plyrs on 2 Tbls");
    EXPECT_EQ(window.text("lblClassicItem(4)"), "$240");
    EXPECT_EQ(window.text("lblBuyin"), "$0\n for $0 in Chips");
    EXPECT_TRUE(window.get<QTextEdit>("txtManagerReport")->toPlainText().contains("Total Number of Entrants:  12"));
    EXPECT_EQ(window.get<FlexGrid>("gridTables")->TextMatrix(1, 1), "P1");
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
    ScreenRefresher r(&window, seats, chipRows);
    r.tournament = &t;
    r.settings = &settings;
    r.RefreshScreens(false);
    auto* picture = window.get<QLabel>("imgChip(3)");
    EXPECT_FALSE(picture->pixmap().isNull());
    t.gstrChipPicture[3] = path("missing.png");
    r.RefreshScreens(false);
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_TRUE(r.failures().isEmpty());
}
