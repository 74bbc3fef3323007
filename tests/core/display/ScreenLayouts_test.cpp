#include "core/display/CustomPictures.h"
#include "core/display/ScreenLayouts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

namespace {

LabelPair pair(int capW, int capH, int valueW, int valueH) { return {QSize(capW, capH), QSize(valueW, valueH)}; }

SummaryPairs sizes()
{
    return {pair(2000, 400, 3000, 600), pair(1000, 300, 800, 500), pair(1200, 300, 900, 500),
            pair(1400, 300, 700, 500),  pair(1600, 300, 600, 500), pair(1800, 300, 500, 500)};
}

RotatingInput largeWindow(bool sidePanel)
{
    RotatingInput in;
    in.WindowWidth = 19200;
    in.SidePanelWidth = 3000;
    in.SidePanel = sidePanel;
    in.ChipValuesCapTop = 1800;
    in.CommandsTop = 14500;
    in.TimerCapLeft = 600;
    in.KillsLeft = in.ChipCountLeft = 3100;
    in.PayoutsLeft = in.AwardsLeft = 3100;
    return in;
}

} // namespace

TEST(ScreenLayoutRotating, SidePanelOnOrOff)
{
    const RotatingLayout on = RotatingScreenLocations(largeWindow(true));
    EXPECT_EQ(on.Grid.left(), 3000);
    EXPECT_EQ(on.Grid.left() + on.Grid.width(), 19200 - 300);
    EXPECT_EQ(on.Grid.top(), 1800);
    EXPECT_EQ(on.Grid.height(), 14500 - 1800 - 20);
    EXPECT_EQ(on.Rules.left(), 3000);
    EXPECT_EQ(on.Rules.width(), 19200 - 3000 - 180);
    // The seat chart starts clear of the chip column as measured, not at the
    // side panel's width; the payouts keep their width.
    RotatingInput measured = largeWindow(true);
    measured.ChipColumnRight = 2500;
    const RotatingLayout chart = RotatingScreenLocations(measured);
    EXPECT_EQ(chart.Tables.left(), 2500 + 120);
    EXPECT_EQ(chart.Tables.left() + chart.Tables.width(), 19200 - 120);
    EXPECT_EQ(chart.Payouts.width(), on.Payouts.width());

    const RotatingLayout off = RotatingScreenLocations(largeWindow(false));
    EXPECT_EQ(off.Grid.left(), (19200 - off.Grid.width()) / 2);
    for (const QRect& r : {off.Rules, off.CustomMessage, off.ManagerReport, off.Summary, off.Buyin})
        EXPECT_EQ(r.left(), 120);
    EXPECT_EQ(off.Payouts.left(), 600);

    // Summary 5 spans the window while it shows, then the frame comes back.
    RotatingInput wide = largeWindow(true);
    wide.Summary5Placed = true;
    const RotatingLayout five = RotatingScreenLocations(wide);
    EXPECT_EQ(five.Summary.left(), 120);
    EXPECT_EQ(five.Summary.width(), 19200 - 300);

    // A tiny window gives no negative sizes; a large picture fits the grid.
    RotatingInput tiny = largeWindow(true);
    tiny.WindowWidth = 1000;
    tiny.CommandsTop = 100;
    tiny.Picture = QSize(40000, 20000);
    const RotatingLayout small = RotatingScreenLocations(tiny);
    EXPECT_EQ(small.Grid.width(), 0);
    EXPECT_EQ(small.Grid.height(), 0);
    const RotatingLayout big = RotatingScreenLocations([] {
        RotatingInput in = largeWindow(true);
        in.Picture = QSize(40000, 20000);
        return in;
    }());
    EXPECT_LE(big.Picture.width(), big.Grid.width());
    EXPECT_LE(big.Picture.height(), big.Grid.height());
    EXPECT_EQ(big.Picture.width(), 2 * big.Picture.height());
}

TEST(ScreenLayoutSummary, StacksCentresAndColumns)
{
    const SummaryLayout one = LayoutSummary1(12000, sizes());
    EXPECT_EQ(one.Tournament.Cap.top(), 30);
    EXPECT_EQ(one.Tournament.Value.top(), 30 + 400 - 45);
    EXPECT_EQ(one.TotalBuy.Cap.top(), 385 + 600 + 90);
    EXPECT_EQ(one.AveStack.Cap.top(), one.TotalBuy.Cap.top());
    EXPECT_EQ(one.Tournament.Cap.left(), 6000 - 1000);
    EXPECT_EQ(one.TotalBuy.Value.left(), 3000 - 400);
    EXPECT_EQ(one.AveStack.Cap.left(), 9000 - 600);

    const SummaryLayout four = LayoutSummary4(12000, sizes());
    // A value 600 high overlaps its caption by an eighth of its height, not 90.
    EXPECT_EQ(four.NumPlayers.Cap.top(), 60 + 400 - 600 / 8 + 600 + 180);
    EXPECT_EQ(four.NextBlinds.Value.left(), 3000);

    const SummaryLayout five = LayoutSummary5(QRect(120, 1800, 15840, 9000), sizes());
    EXPECT_EQ(five.Frame, QRect(120, 1800, 15840, 9000));
    EXPECT_EQ(five.Tournament.Cap.top(), 960);
    EXPECT_EQ(five.NumPlayers.Cap.top(), 4500 - (500 + 300 + 360) / 2);
    EXPECT_EQ(five.NumPlayers.Cap.left(), 480);
    EXPECT_EQ(five.NextBlinds.Value.left(), 15840 - 500 - 240);

    const BuyinLayout buyin
        = LayoutBuyin(10000, 1800, pair(1000, 300, 2000, 500), pair(1000, 300, 2000, 500), pair(1000, 300, 2000, 500));
    EXPECT_EQ(buyin.FrameTop, 1800);
    EXPECT_EQ(buyin.Rebuy.Cap.top(), 100 + 300 - 500 / 8 + 500 + 150);
    EXPECT_EQ(buyin.Addon.Value.left(), 4000);
}

TEST(ScreenLayoutSummary, PairsSideBySideFitTheirHalf)
{
    const SummaryRooms one = SummaryRoomsFor(1, 12000);
    EXPECT_EQ(std::tuple(one.Tournament, one.TotalBuy, one.AveStack, one.NextBlinds),
              std::tuple(12000, 5880, 5880, 12000));
    const SummaryRooms five = SummaryRoomsFor(5, 12000);
    EXPECT_EQ(std::tuple(five.Tournament, five.NumPlayers, five.AveStack, five.NextBreak, five.NextBlinds),
              std::tuple(12000, 5400, 5400, 5400, 5400));
    EXPECT_EQ(SummaryRoomsFor(4, 12000).NextBlinds, 12000);
}

TEST(ScreenLayoutSummary2, RowsColumnsAndRules)
{
    Summary2Sizes s;
    s.Title = QSize(5000, 900);
    s.HeaderHeight.fill(300);
    s.ItemHeight.fill(500);
    const Summary2Layout l = LayoutSummary2(16160, 12140, s);
    EXPECT_EQ(l.Frame, QRect(80, 20, 16000, 12000));
    const int pitch = (12000 - 900 - 180) / 5;
    EXPECT_EQ(l.Header[0].top(), 1080);
    EXPECT_EQ(l.Header[3].top(), 1080 + 3 * pitch);
    EXPECT_EQ(l.Item[8].top(), l.Header[3].top() + 546);
    EXPECT_EQ(l.Header[7].left(), 4000);
    EXPECT_EQ(l.Header[7].width(), 8000);
    EXPECT_EQ(l.Item[12].left(), 12000);
    EXPECT_EQ(l.Border1, QLine(4000, 960, 4000, 11980));
    EXPECT_EQ(l.BorderHor[2], QLine(0, l.Header[2].top() - 120, 16000, l.Header[2].top() - 120));
    EXPECT_EQ(l.BorderHor[5], QLine(0, 11980, 16000, 11980));
}

TEST(ScreenLayoutGrids, ColumnsAsFractions)
{
    const QList<int> seats = GridColumnWidths(GridScreen::Tables, 10000);
    ASSERT_EQ(seats.size(), 11);
    EXPECT_EQ(std::accumulate(seats.begin(), seats.end(), 0), 9400);
    const QList<int> payouts = GridColumnWidths(GridScreen::Payouts, 10001);
    EXPECT_EQ(payouts[2], payouts[0]);
    EXPECT_EQ(payouts[3], payouts[1]);
    EXPECT_EQ(GridColumnWidths(GridScreen::Kills, 5000), (QList<int> {2000, 1000, 2000}));
}

TEST(ScreenLayoutGrids, NameColumnsTakeWhatTheShortColumnsDoNotNeed)
{
    // Two groups of name, seat, buy, finish, win around the gap column.
    const QList<int> needs {3000, 600, 705, 705, 900, 150, 2700, 600, 705, 705, 900};
    const QList<int> two = PlayersGridNameColumns(true);
    EXPECT_EQ(NameColumnsTakeTheRest(needs, two, 15000),
              (QList<int> {4665, 600, 705, 705, 900, 150, 4365, 600, 705, 705, 900}));
    // Too little room for every need: the needs' proportions.
    const QList<int> short_ = NameColumnsTakeTheRest(needs, two, 10200);
    EXPECT_EQ(short_, ColumnWidthsFilling(needs, 10200));
    EXPECT_LT(short_[0], needs[0]);

    // The seat chart: four seats and names, the gaps between tables narrow.
    const QList<int> chart = SeatChartColumnWidths({300, 2400, 90, 300, 2000, 90, 300, 2400, 90, 300, 1000}, 12000);
    EXPECT_EQ(chart,
              (QList<int> {300, 3105, SeatChartGap, 300, 2705, SeatChartGap, 300, 3105, SeatChartGap, 300, 1705}));
}

TEST(CustomPicture, FolderShowWrapsAndSkipsBadFiles)
{
    QTemporaryDir dir;
    for (const char* name : {"c.bmp", "a.jpg", "B.GIF", "X.JPG", "notes.txt", "d.ico"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QStringList names = CustomPictureNames(dir.path());
    EXPECT_EQ(names, (QStringList {"a.jpg", "X.JPG", "B.GIF", "c.bmp", "d.ico"}));

    auto all = [](const QString&) { return true; };
    QString last;
    QStringList shown;
    for (int i = 0; i < 6; ++i)
        shown << (last = ShowNextCustomPicture(names, last, all));
    EXPECT_EQ(shown, (QStringList {"a.jpg", "X.JPG", "B.GIF", "c.bmp", "d.ico", "a.jpg"}));
    EXPECT_EQ(ShowNextCustomPicture(names, QStringLiteral("gone.jpg"), all), QStringLiteral("a.jpg"));

    auto notX = [](const QString& n) { return n != QStringLiteral("X.JPG"); };
    EXPECT_EQ(ShowNextCustomPicture(names, QStringLiteral("a.jpg"), notX), QStringLiteral("B.GIF"));
    EXPECT_EQ(ShowNextCustomPicture(names, QString(), [](const QString&) { return false; }), QString());
    EXPECT_TRUE(CustomPictureNames(dir.filePath(QStringLiteral("missing"))).isEmpty());
    EXPECT_TRUE(CustomPictureNames(QString()).isEmpty());
}
