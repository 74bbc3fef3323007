#include "MainWindowFixture.h"

#include "ManualClock.h"

#include "core/floor/Levels.h"
#include "core/platform/Twips.h"
#include "core/store/MoneyFormat.h"
#include "core/store/Payouts.h"
#include "core/store/ScreenCatalogue.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/display/DisplayLayout.h"
#include "gui/display/PlayersGridPart.h"
#include "gui/floor/ClockPanel.h"
#include "gui/floor/MainToolbar.h"

#include "FieldBuilder.h"
#include "TextFit.h"

#include <QFrame>
#include <QTimer>
#include <tuple>

namespace {

// Names of every length the room sees, some longer than the grids show whole.
const char* const Names[] = {
    "Alexandra Mcintyre",    "Bartholomew Fitzgerald-Smythe",
    "Carla Costa",           "Emma Evans",
    "Maximilian Oberhauser", "Jo Li",
    "Christopher Johnson",   "Wilhelmina Stewart",
    "Genevieve Dubois",      "Kai",
};

// A running tournament as a room sees it late in the evening: eighty
// entrants, ten out, seventy seated at twelve tables of six, chips up to
// $10,000, ten paid places, bounties, kills and chip counts.
void SeedLongNames(OpenTournament& t)
{
    t.gstrTournamentName = QStringLiteral("Tuesday Night Championship of the Riverside League");
    t.gintPlayersPerTable = 6;
    const double chips[] = {25, 100, 500, 1000, 5000, 10000};
    const char* const colours[] = {"White", "Red", "Green", "Black", "Purple", "Yellow"};
    for (int i = 0; i < OpenTournament::ChipSlots; ++i) {
        t.gstrChipColor[i] = i < 6 ? QString::fromLatin1(colours[i]) : QStringLiteral("Not Used");
        t.gdblChipAmount[i] = i < 6 ? chips[i] : 0;
    }
    t.gintNumberPaid = 10;
    t.gintPayAsPercentages = 0;
    t.RedimPayouts();
    const double pays[] = {0, 12500, 8000, 5000, 3500, 2500, 1800, 1200, 900, 700, 500};
    for (int k = 0; k <= 10; ++k)
        t.gdblPayout[k] = pays[k];
    CalculatePayouts(t);

    constexpr int Entrants = 80;
    constexpr int Out = 10;
    t.gtypPlayers.redim(1, Entrants);
    for (int i = 1; i <= Entrants; ++i) {
        PlayerRecord& p = t.gtypPlayers[i];
        p.PlayerName = QString::fromLatin1(Names[(i - 1) % std::size(Names)]);
        if (i > int(std::size(Names)))
            p.PlayerName += QStringLiteral(" %1").arg(i);
        p.PlayerID = 1000 + i;
        p.TotalBuyin = 100;
        p.TotalRebuy = (i % 3) * 100;
        p.TotalChipValue = 10000;
        p.ChipCount = Single(1234567 - i * 9000);
        if (i <= Out) {
            p.Finish = Entrants - i + 1;
            p.Payout = 420; // a bounty, shown with the points as 420\10
            p.Points = 10;
            p.EliminatedByPlayerID = 1000 + Entrants - i;
            t.gtypPlayers[Entrants - i].Kills += 1;
        } else {
            p.Table = (i - Out - 1) / 6 + 1;
            p.Seat = (i - Out - 1) % 6 + 1;
        }
    }
    t.gtypAwards.redim(1, 3);
    for (int a = 1; a <= 3; ++a) {
        AwardRecord& award = t.gtypAwards[a];
        award.AwardID = a;
        award.Description = QStringLiteral("Bounty on %1").arg(t.gtypPlayers[a * 20].PlayerName);
        award.Payout = 250;
        award.Points = 5;
        award.AwardedToPlayerID = a == 3 ? 0 : 1000 + a * 7;
    }
}

// The settings a new installation starts with: "$" amounts, the chip and
// payout column shown, two players a row; no rotation while a test looks.
void settingsOfANewInstallation()
{
    LoadSettings(programSettings());
    programSettings().gintRotateScreens = 0;
}

// The window opened again on the tournament at a size, with the size set of
// a screen of that size, as on the projector.
void openAt(frmMain* w, QSize size)
{
    parts(w).layout->screenWidthTwips = [size] { return PixelsToTwips(size.width()); };
    w->Form_Unload();
    w->Form_Load();
    w->show();
    w->resize(size);
    w->RefreshScreens(true);
}

// Every control of the chip and payout column.
QList<QWidget*> chipColumn(frmMain* w)
{
    const DisplayPanels& d = parts(w).display;
    QList<QWidget*> column {d.lblChipValuesCap, d.lblPayoutCap};
    for (std::size_t i = 0; i < d.lblChipAmount.size(); ++i)
        column << d.lblChipAmount[i] << d.shpChip[i] << d.imgChip[i];
    for (std::size_t i = 0; i < d.lblPlace.size(); ++i)
        column << d.lblPlace[i] << d.lblPayout[i];
    return column;
}

// The window, the screen shown, and whether the field is seeded or the
// tournament is new and empty (the grids show their headers alone).
using FitCase = std::tuple<QSize, Long, bool>;

class ScreenFitTest : public TournamentWindowFixture, public ::testing::WithParamInterface<FitCase> {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        const QSize size = std::get<0>(GetParam());
        settingsOfANewInstallation();
        programSettings().gintDisplayPointsInGrid = 1;
        if (std::get<2>(GetParam()))
            SeedLongNames(openTournament());
        openAt(w, size);
    }
};

} // namespace

TEST_P(ScreenFitTest, EveryTextReadsWholeInsideTheWindowAndNoPanelCoversTheChips)
{
    const auto [size, shown, seeded] = GetParam();
    ASSERT_EQ(w->size(), size);
    w->SwitchView(shown);
    if (shown == PlayersScreen && seeded) {
        // The action buttons of a player in the right group, at the right edge.
        FlexGrid* grid = parts(w).display.grid;
        const QRect cell = grid->CellRect(grid->TopRow() + 2, 6);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center() - grid->viewport()->pos());
        ASSERT_TRUE(parts(w).frames.frameButtons->isVisible());
    }
    // The command row is laid over the display as the panels are.
    QList<QWidget*> panels {parts(w).display.grid, parts(w).frames.frameCommands};
    for (QWidget* p : parts(w).display.screenPanels())
        panels << p;
    const QStringList faults = TextFit::Faults(w.data(), panels, chipColumn(w));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

TEST_P(ScreenFitTest, TheToolbarAtItsFirstPlaceCoversNothingAndStaysOffTheDisplayOnAResize)
{
    const auto [size, shown, seeded] = GetParam();
    parts(w).picToolbar->PlaceFromSettings();
    w->SwitchView(shown);
    ASSERT_TRUE(parts(w).picToolbar->isVisible());
    EXPECT_EQ(TextFit::ToolbarCovers(w.data(), parts(w).picToolbar), QStringList {});
    // The window enlarged: the toolbar goes along, inside it and still
    // over nothing.
    w->resize(size + QSize(160, 120));
    EXPECT_TRUE(w->rect().contains(parts(w).picToolbar->geometry()));
    EXPECT_EQ(TextFit::ToolbarCovers(w.data(), parts(w).picToolbar), QStringList {});
}

INSTANTIATE_TEST_SUITE_P(ThreeScreenSizes, ScreenFitTest,
                         ::testing::Combine(::testing::Values(QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)),
                                            ::testing::Range(Long(0), Long(16)), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<FitCase>& info) {
                             const QSize size = std::get<0>(info.param);
                             return QStringLiteral("%1x%2_Screen%3_%4")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(std::get<1>(info.param))
                                 .arg(std::get<2>(info.param) ? QStringLiteral("Seeded") : QStringLiteral("Empty"))
                                 .toStdString();
                         });

namespace {

// Forty levels: a first of one minute, twenty minutes each up to the last
// of two hours at 50,000/100,000 with an ante, a ten-minute break after
// level 9.
constexpr int Levels = 40;
constexpr int LongLevelMinutes = 120;

void SeedLevels(OpenTournament& t)
{
    t.gintAutoDoubleBlind = BlindModeLevelTable;
    t.RedimLevels(Levels);
    for (int n = 1; n <= Levels; ++n) {
        t.gintLevelSessionTime[n] = n == 1 ? 1 : n == Levels ? LongLevelMinutes : 20;
        t.gdblLevelBreakAfter[n] = n == 9 ? 10 : 0;
        t.gdblLevelSmallBlind[n] = n == Levels ? 50000 : 100.0 * n;
        t.gdblLevelBigBlind[n] = n == Levels ? 100000 : 200.0 * n;
        t.gdblLevelAnte[n] = n == Levels ? 10000 : 25.0 * n;
    }
    t.gblnOnBreak = false;
    SetLevel(t, 1);
}

// The window, and a screen that shows the clock, the level or the blinds.
using ClockFitCase = std::tuple<QSize, Long>;

class ClockFitTest : public TournamentWindowFixture, public ::testing::WithParamInterface<ClockFitCase> {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        const QSize size = std::get<0>(GetParam());
        settingsOfANewInstallation();
        // A currency of a word and a blank: the longest blinds the band holds.
        ProgramSettings& s = programSettings();
        s.gstrCurrencySymbol = QStringLiteral("EUR ");
        s.gstrMoneyFormat = MoneyFormat(s.gstrCurrencySymbol, s.gstrCommaSeparator);
        SeedLongNames(openTournament());
        SeedLevels(openTournament());
        openAt(w, size);
        w->SwitchView(std::get<1>(GetParam()));
    }

    // One tick of the clock's own timer after the time has moved on.
    void runFor(qint64 seconds)
    {
        time.advance(seconds * 1000);
        parts(w).clock->tmrCountDown_Timer();
    }

    void expectWhole()
    {
        const DisplayPanels& d = parts(w).display;
        QStringList faults = TextFit::Faults(w.data(), {}, {})
            + TextFit::Crowded({d.lblLevel, d.lblTimerCap, d.lblTimer, d.lblBlindsCap, d.lblBlinds});
        // The countdown at its own size; the blinds no smaller than the
        // standard screen's captions, nor than their own.
        const ScreenFontSizes& own = parts(w).layout->sizes.Fonts;
        const bool big = std::get<1>(GetParam()) == Summary3Screen;
        if (d.lblTimer->isVisible()
            && d.lblTimer->font().pointSize() < (big ? own.mintFontSummary3Value : own.mintFontValue))
            faults << QStringLiteral("lblTimer at %1 points").arg(d.lblTimer->font().pointSize());
        const int blinds = d.lblBlinds->font().pointSize();
        if (d.lblBlinds->isVisible() && (blinds < own.mintFontLabel || blinds < d.lblBlindsCap->font().pointSize()))
            faults << QStringLiteral("lblBlinds \"%1\" at %2 points, its caption at %3")
                          .arg(d.lblBlinds->text())
                          .arg(blinds)
                          .arg(d.lblBlindsCap->font().pointSize());
        EXPECT_TRUE(faults.isEmpty()) << parts(w).display.lblLevel->text().toStdString() << " at "
                                      << parts(w).display.lblTimer->text().toStdString() << ":\n"
                                      << faults.join(u'\n').toStdString();
    }

    ManualClock time; // in place before the window takes the program's clock
};

} // namespace

TEST_P(ClockFitTest, TheClockLevelAndBlindsReadWholeFromTheFirstLevelToTheLast)
{
    parts(w).clock->mnClockStart_Click();
    expectWhole(); // "1:00"
    runFor(59);
    expectWhole(); // "0:01"
    runFor(1);
    // From "20:00" at level 2, laid out while the clock showed "0:00", through
    // the break to "Level 40".
    while (openTournament().gintBlindsLevel < Levels) {
        expectWhole();
        runFor(openTournament().glngMinutesPerSession * 60);
    }
    ASSERT_EQ(parts(w).display.lblTimer->text(), QStringLiteral("120:00"));
    expectWhole();
    for (const qint64 step : {1, 19 * 60 + 59, 1, 89 * 60 + 59, 1, 9 * 60 + 58}) {
        runFor(step); // "119:59", "100:00", "99:59", "10:00", "9:59", "0:01"
        expectWhole();
    }
    EXPECT_EQ(parts(w).display.lblTimer->text(), QStringLiteral("0:01"));
}

INSTANTIATE_TEST_SUITE_P(ThreeScreenSizes, ClockFitTest,
                         ::testing::Combine(::testing::Values(QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)),
                                            ::testing::Values(PlayersScreen, Summary1Screen, Summary3Screen,
                                                              Summary2Screen, Summary4Screen, Summary5Screen)),
                         [](const ::testing::TestParamInfo<ClockFitCase>& info) {
                             const QSize size = std::get<0>(info.param);
                             return QStringLiteral("%1x%2_Screen%3")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(std::get<1>(info.param))
                                 .toStdString();
                         });

namespace {

// Names of eighteen wide letters, as long as the grids show whole.
const char* const FullNames[] = {"Alexandra Mcintyre",
                                 "Wilhelmina Stewart",
                                 "Maximilian Oberhau",
                                 "Christopher Johnso",
                                 "Genevieve Dubois",
                                 "Carla Costa",
                                 "Kai"};

// Eighty players at eight tables of ten, two of them with names of thirty
// letters; four chips, the third black, and five places paid.
void SeedEightTables(OpenTournament& t)
{
    t.gintPlayersPerTable = 10;
    const char* const colours[] = {"White", "Red", "Black", "Green"};
    for (int i = 0; i < OpenTournament::ChipSlots; ++i) {
        t.gstrChipColor[i] = i < 4 ? QString::fromLatin1(colours[i]) : QStringLiteral("Not Used");
        t.gdblChipAmount[i] = i < 4 ? 25.0 * (i + 1) : 0;
    }
    t.gintNumberPaid = 5;
    t.gintPayAsPercentages = 0;
    t.RedimPayouts();
    const double pays[] = {0, 12500, 8000, 5000, 3500, 2500};
    for (int k = 0; k <= 5; ++k)
        t.gdblPayout[k] = pays[k];
    CalculatePayouts(t);
    constexpr int Entrants = 80;
    t.gtypPlayers.redim(1, Entrants);
    for (int i = 1; i <= Entrants; ++i) {
        PlayerRecord& p = t.gtypPlayers[i];
        p.PlayerName = i == 7 || i == 44 ? QStringLiteral("Bartholomew Featherstonehaughs")
                                         : QString::fromLatin1(FullNames[(i - 1) % std::size(FullNames)]);
        p.PlayerID = 2000 + i;
        p.TotalBuyin = 100;
        p.TotalRebuy = (i % 3) * 100;
        p.Table = (i - 1) / 10 + 1;
        p.Seat = (i - 1) % 10 + 1;
    }
}

class RoomFitTest : public TournamentWindowFixture, public ::testing::WithParamInterface<QSize> {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        const QSize size = GetParam();
        settingsOfANewInstallation();
        SeedEightTables(openTournament());
        openAt(w, size);
    }

    void expectWhole(const QList<QWidget*>& panels, const QList<QWidget*>& column)
    {
        const QStringList faults = TextFit::Faults(w.data(), panels, column);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    }
};

} // namespace

TEST_P(RoomFitTest, EveryPaidPlaceOfTheTopPaysShowsAboveTheCommandRow)
{
    w->SwitchView(PlayersScreen);
    const DisplayPanels& d = parts(w).display;
    QList<QWidget*> rows {d.lblPayoutCap};
    for (std::size_t i = 0; i < d.lblPlace.size(); ++i) {
        EXPECT_TRUE(d.lblPlace[i]->isVisible() && d.lblPayout[i]->isVisible()) << "place " << i + 1;
        rows << d.lblPlace[i] << d.lblPayout[i];
    }
    expectWhole({parts(w).frames.frameCommands}, rows);
}

TEST_P(RoomFitTest, NamesOfEighteenLettersReadAcrossTheRoom)
{
    // The size set's own sizes where the window is large enough, never
    // below 14 points at 1024x768; the seat chart clear of the chip column,
    // its capitals as painted as tall as the room its width gives names of
    // eighteen letters: a few longer names are cut, not every name made
    // smaller for them.
    const bool small = GetParam().width() < 1280;
    const ScreenFontSizes& own = parts(w).layout->sizes.Fonts;
    w->SwitchView(PlayersScreen);
    expectWhole({}, {});
    EXPECT_GE(parts(w).display.grid->font().pointSize(), small ? 14 : int(own.PlayerGridDefaultFontSize(0)));
    w->SwitchView(TablesScreen);
    expectWhole({parts(w).display.gridTables}, chipColumn(w));
    const int floor = small ? 14 : GetParam().width() < 1920 ? 19 : 25;
    const auto [painted, floorCapitals] = TextFit::PaintedCapitals(parts(w).display.gridTables, floor);
    EXPECT_GE(painted, floorCapitals) << "capitals of " << floor << " points";
}

TEST_P(RoomFitTest, EveryRowOfThePlayersGridIsPaintedWholeWhileTheClockRunsAndItScrolls)
{
    w->SwitchView(PlayersScreen);
    parts(w).clock->mnClockStart_Click();
    FlexGrid* grid = parts(w).display.grid;
    QTimer* scroll = parts(w).players->tmrScroll;
    ASSERT_TRUE(scroll->isActive());
    scroll->setInterval(20); // its own timer, ticking faster
    EXPECT_EQ(TextFit::PaintedRows(grid).join(u'\n').toStdString(), "") << "as it opens";
    for (int step = 0; step < 8; ++step) {
        const long top = grid->TopRow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return grid->TopRow() != top; }, 5000));
        scroll->stop(); // still while the screen is looked at
        const QStringList faults = TextFit::PaintedRows(grid);
        scroll->start();
        EXPECT_TRUE(faults.isEmpty()) << "top row " << grid->TopRow() << ":\n" << faults.join(u'\n').toStdString();
    }
}

TEST_P(RoomFitTest, ASeatChartGrownAboveItsOwnSizeCutsNoName)
{
    // Four tables of short names give the chart room to grow; the few names
    // longer than the eighteen letters that must always read whole, whole
    // at the chart's own size, stop it where they still do.
    OpenTournament& t = openTournament();
    for (long i = 6; i <= 80; ++i) {
        PlayerRecord& p = t.gtypPlayers[i];
        p.PlayerName = i % 9 == 0 ? QStringLiteral("Alexandra Mcintyre %1").arg(i) : QStringLiteral("Kai %1").arg(i);
        if (i > 45)
            KnockOut(t, i, Integer(86 - i));
    }
    openAt(w, GetParam());
    w->SwitchView(TablesScreen);
    const FlexGrid* chart = parts(w).display.gridTables;
    if (chart->font().pointSize() <= int(parts(w).layout->sizes.Fonts.mintSeatChartFontSize))
        return;
    for (long r = 0; r < chart->Rows(); ++r)
        for (long c = 0; c < chart->Cols(); ++c)
            if (chart->ColWidth(c) > 0 && !chart->TextMatrix(r, c).isEmpty()) {
                EXPECT_EQ(chart->ShownText(r, c), chart->TextMatrix(r, c)) << "row " << r << ", column " << c;
            }
}

TEST_P(RoomFitTest, ASeatChartWhoseTablesAllShowNeverMoves)
{
    w->SwitchView(TablesScreen);
    FlexGrid* chart = parts(w).display.gridTables;
    QApplication::processEvents();
    EXPECT_FALSE(chart->verticalScrollBar()->isVisible());
    const long top = chart->TopRow();
    for (int tick = 0; tick < 6; ++tick) {
        parts(w).players->tmrScroll_Timer();
        EXPECT_EQ(chart->TopRow(), top) << "tick " << tick;
    }
}

TEST_P(RoomFitTest, ABlackChipOnTheBlackDisplayShowsItsShape)
{
    w->SwitchView(PlayersScreen);
    QWidget* chip = parts(w).display.shpChip[2];
    ASSERT_TRUE(chip->isVisible());
    // Only its edge can differ from the black around and inside it.
    const QImage shot = w->grab(QRect(chip->mapTo(w.data(), QPoint(0, 0)), chip->size())).toImage();
    int lit = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            lit += qGray(shot.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(lit, shot.width()) << "an outline all round";
}

INSTANTIATE_TEST_SUITE_P(
    ThreeScreenSizes, RoomFitTest,
    ::testing::Values(QSize(1024, 740), QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)),
    [](const ::testing::TestParamInfo<QSize>& info) {
        return QStringLiteral("%1x%2").arg(info.param.width()).arg(info.param.height()).toStdString();
    });
