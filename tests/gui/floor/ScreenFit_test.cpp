#include "MainWindowFixture.h"

#include "core/display/ScreenCatalogue.h"
#include "core/platform/Twips.h"
#include "core/store/Payouts.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/display/DisplayLayout.h"
#include "gui/floor/MainToolbar.h"

#include "TextFit.h"

#include <QFrame>
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

// The window, the screen shown, and whether the field is seeded or the
// tournament is new and empty (the grids show their headers alone).
using FitCase = std::tuple<QSize, Long, bool>;

class ScreenFitTest : public TournamentWindowFixture, public ::testing::WithParamInterface<FitCase> {
protected:
    void SetUp() override
    {
        TournamentWindowFixture::SetUp();
        const QSize size = std::get<0>(GetParam());
        // The settings a new installation starts with: "$" amounts, the chip
        // and payout column shown, two players a row.
        LoadSettings(programSettings());
        programSettings().gintRotateScreens = 0;
        if (std::get<2>(GetParam()))
            SeedLongNames(openTournament());
        // The size set of a screen of the window's size, as on the projector.
        w->layout->screenWidthTwips = [size] { return PixelsToTwips(size.width()); };
        w->Form_Unload();
        w->Form_Load();
        w->show();
        w->resize(size);
        w->RefreshScreens(true);
    }

    QList<QWidget*> chipColumn() const
    {
        const DisplayPanels& d = w->display;
        QList<QWidget*> column {d.lblChipValuesCap, d.lblPayoutCap};
        for (std::size_t i = 0; i < d.lblChipAmount.size(); ++i)
            column << d.lblChipAmount[i] << w->layout->shpChip[i] << w->layout->imgChip[i];
        for (std::size_t i = 0; i < d.lblPlace.size(); ++i)
            column << d.lblPlace[i] << d.lblPayout[i];
        return column;
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
        FlexGrid* grid = w->display.grid;
        const QRect cell = grid->CellRect(grid->TopRow() + 2, 6);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center() - grid->viewport()->pos());
        ASSERT_TRUE(w->frames.frameButtons->isVisible());
    }
    // The command row is laid over the display as the panels are.
    QList<QWidget*> panels {w->display.grid, w->frames.frameCommands};
    for (QWidget* p : w->display.screenPanels())
        panels << p;
    const QStringList faults = TextFit::Faults(w.data(), panels, chipColumn());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

TEST_P(ScreenFitTest, TheToolbarAtItsFirstPlaceCoversNothingAndStaysOffTheDisplayOnAResize)
{
    const auto [size, shown, seeded] = GetParam();
    w->picToolbar->PlaceFromSettings();
    w->SwitchView(shown);
    ASSERT_TRUE(w->picToolbar->isVisible());
    EXPECT_EQ(TextFit::ToolbarCovers(w.data(), w->picToolbar), QStringList {});
    // The window enlarged: the toolbar goes along, inside it and still
    // over nothing.
    w->resize(size + QSize(160, 120));
    EXPECT_TRUE(w->rect().contains(w->picToolbar->geometry()));
    EXPECT_EQ(TextFit::ToolbarCovers(w.data(), w->picToolbar), QStringList {});
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
