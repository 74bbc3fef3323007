#include "core/display/MainLayout.h"
#include "core/display/SizeSets.h"

#include <gtest/gtest.h>

namespace {

MainLayoutInput standardInput(const SizeSet& sizes, Integer lastChipSlot)
{
    MainLayoutInput in;
    in.Client = QSize(19200, 14000);
    in.Sizes = &sizes;
    MainLabelSizes& s = in.Labels;
    s.Level = s.TimerCap = s.BlindsCap = s.ChipValuesCap = s.PayoutCap = QSize(2000, 400);
    s.Timer = s.Blinds = QSize(3000, 800);
    s.ChipAmount.fill(QSize(900, 300));
    s.Place.fill(QSize(500, 360));
    s.Payout.fill(QSize(800, 360));
    in.LastChipSlot = lastChipSlot;
    in.ChipColor.fill(QStringLiteral("Red"));
    return in;
}

} // namespace

TEST(DisplayLayout, SizeSetByScreenWidth)
{
    const SizeSet small = SizeSetFor(12000, 1);
    const SizeSet large = SizeSetFor(12001, 0);
    EXPECT_FALSE(small.Large);
    EXPECT_TRUE(large.Large);
    EXPECT_EQ(QSize(small.ChipWidth, small.ChipHeight), QSize(800, 550));
    EXPECT_EQ(QSize(large.BasicChipWidth, large.BasicChipHeight), QSize(1200, 1000));
    EXPECT_EQ(small.SidePanelWidth, 2300);
    EXPECT_EQ(small.Fonts.mintPlayerGridFontSize, 20); // one per row, small
    EXPECT_EQ(large.Fonts.mintPlayerGridFontSize, 20); // two groups, large
    EXPECT_EQ(PlayersGridColumnWidths(false, 1).size(), 5);
    EXPECT_EQ(PlayersGridColumnWidths(true, 0).at(5), 600);
}

TEST(DisplayLayout, SixOrSevenChipsOnBothScreens)
{
    const SizeSet sizes = SizeSetFor(19200, 0);
    struct Case {
        Integer lastSlot;
        QSize chip, basicChip;
        int payoutCapTop; // 150 under the sixth or the tenth chip
        bool placesFourAndFive;
    };
    // Timer caption 20 + 400, timer 800, chips caption 150 below, 400 high,
    // first chip 100 below: 1870.
    const Case cases[] = {
        {5, QSize(1000, 700), QSize(1200, 1000), 6570, true},
        {6, QSize(750, 525), QSize(1020, 850), 7743, false},
    };
    for (const Case& c : cases) {
        const MainLayoutInput in = standardInput(sizes, c.lastSlot);
        const MainLayout all = LayoutScreenAll(in);
        EXPECT_EQ(all.Chip[0].Rect.topLeft(), QPoint(480, 1870)) << c.lastSlot;
        EXPECT_EQ(all.Chip[3].Rect.size(), c.chip) << c.lastSlot;
        EXPECT_EQ(all.ChipPicture[3].Rect, all.Chip[3].Rect);
        EXPECT_EQ(all.ChipAmount[0].Rect.left(), 480 + c.chip.width() + 50);
        EXPECT_EQ(all.PayoutCap.Rect.top(), c.payoutCapTop) << c.lastSlot;
        EXPECT_EQ(all.Place[0].Rect.top(), all.PayoutCap.Rect.bottom() + 1 + 50);
        EXPECT_EQ(all.Place[1].Rect.top(), all.Place[0].Rect.top() + 300);
        EXPECT_EQ(all.Payout[1].Rect.left(), all.Place[1].Rect.right() + 1 + 100);
        EXPECT_TRUE(all.Place[2].Visible);
        EXPECT_EQ(all.Place[3].Visible, c.placesFourAndFive);
        EXPECT_EQ(all.Payout[4].Visible, c.placesFourAndFive);
        EXPECT_EQ(all.BlindsCap.Rect.left(), 19200 - 2000 - 300);
        EXPECT_TRUE(all.GridVisible);

        const MainLayout basic = LayoutScreenBasic(in);
        EXPECT_EQ(basic.Chip[9].Rect.size(), c.basicChip);
        EXPECT_EQ(basic.ChipValuesCap.Rect.left(), 9600 + 2400);
        EXPECT_EQ(basic.Chip[0].Rect.left(), 12200);
        EXPECT_FALSE(basic.Level.Visible || basic.PayoutCap.Visible || basic.Place[0].Visible || basic.GridVisible);
    }
}

TEST(DisplayLayout, ChipColoursAndThePanelSwitch)
{
    const SizeSet sizes = SizeSetFor(9000, 0);
    MainLayoutInput in = standardInput(sizes, 2);
    in.ChipColor[1] = QStringLiteral("Custom Picture");
    in.ChipColor[2] = QStringLiteral("Not Used");
    const MainLayout l = LayoutScreenAll(in);
    const bool shape[] = {l.Chip[0].Visible, l.Chip[1].Visible, l.Chip[2].Visible};
    const bool picture[] = {l.ChipPicture[0].Visible, l.ChipPicture[1].Visible, l.ChipPicture[2].Visible};
    const bool amount[] = {l.ChipAmount[0].Visible, l.ChipAmount[1].Visible, l.ChipAmount[2].Visible};
    EXPECT_EQ(std::vector<bool>(shape, shape + 3), (std::vector<bool> {true, false, false}));
    EXPECT_EQ(std::vector<bool>(picture, picture + 3), (std::vector<bool> {false, true, false}));
    EXPECT_EQ(std::vector<bool>(amount, amount + 3), (std::vector<bool> {true, true, false}));

    in.ShowChipsAndPayouts = false;
    for (const MainLayout& off : {LayoutScreenAll(in), LayoutScreenBasic(in)}) {
        for (int i = 0; i < ChipSlotCount; ++i)
            EXPECT_FALSE(off.Chip[i].Visible || off.ChipPicture[i].Visible || off.ChipAmount[i].Visible) << i;
        for (int i = 0; i < TopPayoutCount; ++i)
            EXPECT_FALSE(off.Place[i].Visible || off.Payout[i].Visible) << i;
        EXPECT_FALSE(off.PayoutCap.Visible);
    }
}

TEST(DisplayLayout, ATinyWindowGivesNothingBelowZero)
{
    const SizeSet sizes = SizeSetFor(9000, 0);
    MainLayoutInput in = standardInput(sizes, 0);
    in.Client = QSize(300, 200);
    for (const MainLayout& l : {LayoutScreenAll(in), LayoutScreenBasic(in)})
        for (const Placed& p : {l.Level, l.TimerCap, l.Timer, l.BlindsCap, l.Blinds, l.ChipValuesCap})
            EXPECT_TRUE(p.Rect.left() >= 0 && p.Rect.top() >= 0 && p.Rect.width() >= 0);
}

TEST(DisplayLayout, AChipReachingIntoTheCommandRowHidesItsShapePictureAndAmountTogether)
{
    const SizeSet sizes = SizeSetFor(19200, 0);
    // The amount, centred on the shape (700 high), reaches past it or not;
    // the line cuts whichever reaches further.
    struct Case {
        int amountHeight;
        int lineBelowShapeTop;
    };
    const Case cases[] = {{1000, 750}, {300, 600}};
    for (const Case& c : cases) {
        for (const QString& colour : {QStringLiteral("Red"), QStringLiteral("Custom Picture")}) {
            SCOPED_TRACE(testing::Message() << c.amountHeight << " " << colour.toStdString());
            MainLayoutInput in = standardInput(sizes, 5);
            in.Labels.ChipAmount.fill(QSize(900, c.amountHeight));
            in.ChipColor[2] = colour;
            in.CommandsTop = LayoutScreenAll(in).Chip[2].Rect.top() + c.lineBelowShapeTop;
            const MainLayout l = LayoutScreenAll(in);
            for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i) {
                EXPECT_EQ(l.ChipAmount[i].Visible, i < 2) << i;
                EXPECT_EQ(l.Chip[i].Visible || l.ChipPicture[i].Visible, i < 2) << i;
            }
        }
    }
}

TEST(DisplayLayout, TopPayoutsCloseUpUnderTheLastChipBeforeAnyRowIsHidden)
{
    const SizeSet sizes = SizeSetFor(19200, 0);
    MainLayoutInput in = standardInput(sizes, 3); // four chips
    for (std::size_t i = 4; i < std::size_t(ChipSlotCount); ++i)
        in.ChipColor[i] = QStringLiteral("Not Used");
    const MainLayout roomy = LayoutScreenAll(in);
    ASSERT_TRUE(roomy.PayoutsFit);
    const int lastRowBottom = roomy.Place[4].Rect.bottom() + 1;

    // One twip short: the caption moves up under the fourth chip, the rows
    // under the caption, and all five show.
    in.CommandsTop = lastRowBottom - 1;
    const MainLayout closed = LayoutScreenAll(in);
    EXPECT_TRUE(closed.PayoutsFit);
    EXPECT_EQ(closed.PayoutCap.Rect.top(), closed.Chip[3].Rect.bottom() + 1 + 50);
    EXPECT_EQ(closed.Place[0].Rect.top(), closed.PayoutCap.Rect.bottom() + 1);
    for (std::size_t i = 0; i < std::size_t(TopPayoutCount); ++i)
        EXPECT_TRUE(closed.Place[i].Visible && closed.Payout[i].Visible) << i;

    // Closed up and still short: the window is asked for a smaller font.
    in.CommandsTop = closed.Place[4].Rect.bottom();
    EXPECT_FALSE(LayoutScreenAll(in).PayoutsFit);
}

TEST(DisplayLayout, TheBigClockEndsBeforeTheChips)
{
    const SizeSet sizes = SizeSetFor(19200, 0);
    MainLayoutInput in = standardInput(sizes, 5);
    const MainLayout basic = LayoutScreenBasic(in);
    EXPECT_EQ(basic.ClockRoom, basic.ChipValuesCap.Rect.left() - basic.Timer.Rect.left() - 300);
    in.ShowChipsAndPayouts = false;
    EXPECT_EQ(LayoutScreenBasic(in).ClockRoom, 19200 - 640 - 300);
}

TEST(DisplayLayout, TheLevelMovesUpIntoTheCaptionsRowOnceTheBlindsComeWithinAGapOfIt)
{
    // Blinds long enough to reach under the centred level: left of its
    // letters' end, at its end, within a gap of it, and a gap away.
    const SizeSet sizes = SizeSetFor(19200, 0);
    MainLayoutInput in = standardInput(sizes, 5);
    const MainLayout apart = LayoutScreenAll(in);
    const QRect level = apart.Level.Rect;
    ASSERT_GT(level.top(), apart.BlindsCap.Rect.top());
    struct Case {
        int gap; // from the level's last twip to the blinds' first
        bool movesUp;
    };
    const Case cases[] = {{-1, true}, {0, true}, {TextGap - 1, true}, {TextGap, false}};
    for (const Case& c : cases) {
        const int blindsLeft = level.right() + 1 + c.gap;
        in.Labels.Blinds.setWidth(19200 - 300 - blindsLeft);
        const MainLayout l = LayoutScreenAll(in);
        ASSERT_EQ(l.Blinds.Rect.left(), blindsLeft) << c.gap;
        EXPECT_EQ(l.Level.Rect.top(), c.movesUp ? l.BlindsCap.Rect.top() : level.top()) << "gap " << c.gap;
        EXPECT_EQ(l.Level.Rect.left(), level.left()) << c.gap;
    }
}

namespace {

// A face whose letters are all 11 twips wide and 23 high for every point.
QSize measureText(const QString& text, int points)
{
    int widest = 0;
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines)
        widest = std::max(widest, int(line.size()));
    return QSize(widest * points * 11, int(lines.size()) * points * 23);
}

BandText bandText(const QStringList& groups, int own, int floor) { return {groups, own, floor, measureText}; }

} // namespace

TEST(DisplayLayout, TheBlindsTakeTheRoomBesideTheCountdownSmallerOrBrokenNeverOverIt)
{
    // The standard screen of a 1024-pixel screen: the countdown at 48
    // points, blinds in euros of 15 to 47 letters, the floor at 28 points.
    const SizeSet sizes = SizeSetFor(15360, 0);
    MainLayoutInput in = standardInput(sizes, 5);
    in.Client = QSize(15360, 11520);
    in.Timer = bandText({QStringLiteral("120:00")}, 48, 48);
    struct Case {
        QStringList groups;
        int points;
        int lines;
    };
    const Case cases[] = {
        {{QStringLiteral("EUR 25"), QStringLiteral("EUR 100")}, 48, 1},
        // Smaller, within the countdown's height, while they read at the
        // floor so; else the ante on a line of its own.
        {{QStringLiteral("EUR 535"), QStringLiteral("EUR 2,675/EUR 5,350")}, 35, 1},
        {{QStringLiteral("EUR 10,000"), QStringLiteral("EUR 50,000/EUR 100,000")}, 29, 1},
        {{QStringLiteral("EUR 10,000"), QStringLiteral("EUR 50,000/EUR 100,000"), QStringLiteral("EUR 1/EUR 2")},
         45,
         3},
    };
    for (const Case& c : cases) {
        in.Blinds = bandText(c.groups, 48, 28);
        const MainLayout l = LayoutScreenAll(in);
        const QString shown = c.groups.join(QStringLiteral("  "));
        EXPECT_EQ(l.TimerText.Points, 48) << shown.toStdString();
        EXPECT_EQ(l.Timer.Rect, QRect(384, 420, 6 * 48 * 11, 48 * 23)) << shown.toStdString();
        EXPECT_EQ(l.BlindsText.Points, c.points) << shown.toStdString();
        EXPECT_EQ(l.BlindsText.Text.count(u'\n') + 1, c.lines) << shown.toStdString();
        EXPECT_EQ(l.Blinds.Rect.size(), measureText(l.BlindsText.Text, l.BlindsText.Points));
        EXPECT_EQ(l.Blinds.Rect.right() + 1, 15360 - 300);
        // On the countdown's foot; from its top when taller.
        if (l.Blinds.Rect.height() <= l.Timer.Rect.height())
            EXPECT_EQ(l.Blinds.Rect.bottom(), l.Timer.Rect.bottom()) << shown.toStdString();
        else
            EXPECT_EQ(l.Blinds.Rect.top(), l.Timer.Rect.top()) << shown.toStdString();
        EXPECT_GE(l.Blinds.Rect.left(), l.Timer.Rect.right() + 1 + 600) << shown.toStdString();
        // What follows starts under the taller of the two.
        EXPECT_EQ(l.ChipValuesCap.Rect.top(), std::max(l.Timer.Rect.bottom(), l.Blinds.Rect.bottom()) + 1 + 150);
    }
}

TEST(DisplayLayout, BandTextsGoBelowTheirFloorOnlyWhereNothingFitsThereAndNeverBelowEightPoints)
{
    const BandText blinds = bandText({QStringLiteral("EUR 10,000"), QStringLiteral("EUR 50,000/EUR 100,000")}, 90, 28);
    struct Case {
        int width;
        int height; // 0: any
        int points;
        int lines;
    };
    const Case cases[] = {
        {34 * 90 * 11, 0, 90, 1}, // one line at its own size
        {22 * 60 * 11, 0, 60, 2}, // the ante on a line of its own: larger than one line
        {22 * 60 * 11, 60 * 23, 38, 1}, // one line within the height, above the floor
        {22 * 28 * 11, 28 * 23, 28, 2}, // one line would be below the floor: taller
        {22 * 28 * 11, 0, 28, 2}, // at the floor
        {22 * 20 * 11, 0, 20, 2}, // nothing fits at the floor: the largest that fits
        {10, 0, 8, 1}, // nothing fits at all: the smallest, on one line
    };
    for (const Case& c : cases) {
        const FittedText f = FitBandText(blinds, c.width, c.height);
        EXPECT_EQ(f.Points, c.points) << c.width << " x " << c.height;
        EXPECT_EQ(f.Text.count(u'\n') + 1, c.lines) << c.width << " x " << c.height;
    }
}

TEST(DisplayLayout, SummaryStyleThreeGivesTheClockBlockItsRoomBeforeTheChipAmounts)
{
    // Amounts in euros wide enough to push the chips far left: the column
    // keeps right of the countdown and of the blinds' longest amount at their
    // caption's size, as far as its amounts at the floor end in the window.
    const SizeSet sizes = SizeSetFor(15360, 0);
    MainLayoutInput in = standardInput(sizes, 5);
    in.Client = QSize(15360, 11520);
    in.Labels.ChipAmount.fill(QSize(7200, 1400));
    in.ChipAmountPoints = 70;
    in.BlindsCapPoints = 48;
    in.Timer = bandText({QStringLiteral("120:00")}, 90, 90);
    in.Blinds = bandText({QStringLiteral("EUR 10,000"), QStringLiteral("EUR 50,000/EUR 100,000")}, 90, 28);
    const MainLayout l = LayoutScreenBasic(in);
    EXPECT_EQ(l.TimerText.Points, 90);
    const int left = 512;
    const int narrowest = 200 + 1200 + 300 + 7200 * 28 / 70;
    EXPECT_EQ(l.ChipValuesCap.Rect.left(), std::min(left + 22 * 48 * 11 + 300, 15360 - narrowest - 300));
    EXPECT_GE(l.BlindsText.Points, 28);
    EXPECT_LE(l.Blinds.Rect.width(), l.ClockRoom);
    EXPECT_LE(l.Timer.Rect.width(), l.ClockRoom);
    EXPECT_FALSE(l.ChipAmountsFit); // the window shrinks the amounts
}
