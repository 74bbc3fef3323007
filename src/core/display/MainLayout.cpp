#include "core/display/MainLayout.h"

#include "core/display/SizeSets.h"
#include "core/store/ChipColors.h"
#include "core/store/Nz.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int SixChips = 6;
constexpr int BasicRightMargin = 300; // Summary Style 3: room right of the widest chip amount

int whole(double twips) { return static_cast<int>(RoundHalfEven(twips)); }

QRect rect(double left, double top, QSize size)
{
    return QRect(std::max(0, whole(left)), std::max(0, whole(top)), std::max(0, size.width()),
                 std::max(0, size.height()));
}

Placed shown(const QRect& r) { return Placed {r, true}; }

bool moreThanSixChips(const MainLayoutInput& in) { return in.LastChipSlot >= SixChips; }

// Rows of text may share the empty top of their lines, not their letters: the
// next row starts no more than this above the bottom of a row's text.
constexpr int LineOverlap = 60;
// Top payouts closed up: this far below the last chip row.
constexpr int ClosedGap = 50;

// Shapes stacked from the first top, each 1.1 of its height below the one
// before, or further when the amount beside it is taller; amounts beside
// them, vertically centred; pictures in the shapes.
void stackChips(MainLayout& l, const MainLayoutInput& in, int left, double top, QSize shape, int amountGap)
{
    for (int i = 0; i < ChipSlotCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const QRect chip = rect(left, top, shape);
        l.Chip[s].Rect = chip;
        l.ChipPicture[s].Rect = chip;
        const QSize amount = in.Labels.ChipAmount[s];
        l.ChipAmount[s].Rect
            = rect(left + shape.width() + amountGap, top + shape.height() / 2.0 - amount.height() / 2.0, amount);
        top += std::max(1.1 * shape.height(), amount.height() - double(LineOverlap));
    }
}

// Which chip controls show: a colour shows its shape, a picture its picture,
// both their amounts; "Not Used" shows nothing, nor does a panel switched off.
void chipVisibility(MainLayout& l, const MainLayoutInput& in)
{
    for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i) {
        const QString& colour = in.ChipColor[i];
        const bool used = in.ShowChipsAndPayouts && colour != QLatin1String(ChipNotUsed);
        const bool picture = colour == QLatin1String(ChipCustomPicture);
        l.ChipAmount[i].Visible = used;
        l.Chip[i].Visible = used && !picture;
        l.ChipPicture[i].Visible = used && picture;
    }
}

// A chip or payout row that would reach into the command row is not shown:
// what shows reads whole. A chip's shape, picture and amount (centred on the
// shape, it may reach further) are one row, as a place and its payout are.
void keepAboveCommands(MainLayout& l, int commandsTop)
{
    if (commandsTop <= 0)
        return;
    const auto clearRow = [commandsTop](std::initializer_list<Placed*> row) {
        const bool crosses = std::any_of(row.begin(), row.end(), [commandsTop](const Placed* p) {
            return p->Rect.top() + p->Rect.height() > commandsTop;
        });
        if (crosses)
            for (Placed* p : row)
                p->Visible = false;
    };
    for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i)
        clearRow({&l.Chip[i], &l.ChipPicture[i], &l.ChipAmount[i]});
    clearRow({&l.PayoutCap});
    for (std::size_t i = 0; i < std::size_t(TopPayoutCount); ++i)
        clearRow({&l.Place[i], &l.Payout[i]});
}

// The top payouts from their caption's top down: the caption, then the
// place rows placeGap below it, each row below the letters of the one above.
void placePayouts(MainLayout& l, const MainLayoutInput& in, int capTop, int placeGap)
{
    const MainLabelSizes& s = in.Labels;
    const int left = l.TimerCap.Rect.left();
    l.PayoutCap = Placed {rect(left, capTop, s.PayoutCap), in.ShowChipsAndPayouts};
    double top = l.PayoutCap.Rect.bottom() + 1 + placeGap;
    for (std::size_t i = 0; i < std::size_t(TopPayoutCount); ++i) {
        const bool visible = in.ShowChipsAndPayouts && (i < 3 || !moreThanSixChips(in));
        l.Place[i] = Placed {rect(left, top, s.Place[i]), visible};
        l.Payout[i] = Placed {rect(l.Place[i].Rect.right() + 1 + 100, top, s.Payout[i]), visible};
        top += std::max(s.Place[i].height(), s.Payout[i].height()) - LineOverlap;
    }
}

bool below(const Placed& p, int commandsTop) { return p.Visible && p.Rect.top() + p.Rect.height() > commandsTop; }

bool payoutsFit(const MainLayout& l, int commandsTop)
{
    if (commandsTop <= 0)
        return true;
    for (std::size_t i = 0; i < std::size_t(TopPayoutCount); ++i)
        if (below(l.Place[i], commandsTop) || below(l.Payout[i], commandsTop))
            return false;
    return !below(l.PayoutCap, commandsTop);
}

// Where the last chip row that shows ends (shape, picture or amount), or the
// chips caption when none shows.
int lastChipRowBottom(const MainLayout& l)
{
    int bottom = l.ChipValuesCap.Rect.bottom();
    for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i)
        for (const Placed* p : {&l.Chip[i], &l.ChipPicture[i], &l.ChipAmount[i]})
            if (p->Visible)
                bottom = std::max(bottom, p->Rect.bottom());
    return bottom;
}

// A blinds line long enough to reach under the centred level (a large
// ante) would touch its letters: the level moves up into the captions' row.
void placeLevel(MainLayout& l)
{
    const QRect& level = l.Level.Rect;
    const QRect& blinds = l.Blinds.Rect;
    if (blinds.left() < level.right() + 1 + TextGap && level.left() < blinds.right() + 1 + TextGap)
        l.Level.Rect.moveTop(std::min(level.top(), l.BlindsCap.Rect.top()));
}

QSize scaled(int width, int height, double factor) { return QSize(whole(width * factor), whole(height * factor)); }

// The countdown and the blinds stand this far apart at the least: more than
// the two blanks between the blinds' own amounts, so that they never read as
// one line.
constexpr int BandGap = 600;

// A band text as measured by its font, or, without a measure, at the size of
// its label whatever the text.
BandText measured(const BandText& text, QSize label)
{
    BandText t = text;
    if (!t.Measure)
        t.Measure = [label](const QString&, int) { return label; };
    return t;
}

int bottomOf(const QRect& r) { return r.top() + r.height(); }

} // namespace

MainLayout LayoutScreenAll(const MainLayoutInput& in)
{
    const SizeSet& sizes = *in.Sizes;
    const MainLabelSizes& s = in.Labels;
    const int W = in.Client.width();
    const int H = in.Client.height();
    MainLayout l;

    l.Level = shown(rect(W / 2.0 - s.Level.width() / 2.0, H / 50.0, s.Level));
    const double left = W / 40.0;
    l.TimerCap = shown(rect(left, 20, s.TimerCap));
    l.BlindsCap = shown(rect(W - s.BlindsCap.width() - 300, l.TimerCap.Rect.top(), s.BlindsCap));
    // The countdown under its caption, the blinds flush right beside it.
    const ClockBand band = LayoutClockBand(whole(left), std::max(whole(left), W - 300), bottomOf(l.TimerCap.Rect),
                                           measured(in.Timer, s.Timer), measured(in.Blinds, s.Blinds), BandGap);
    l.Timer = shown(band.Timer);
    l.Blinds = shown(band.Blinds);
    l.TimerText = band.TimerText;
    l.BlindsText = band.BlindsText;
    placeLevel(l);

    // What follows starts under the taller of the two.
    const int bandBottom = std::max(bottomOf(l.Timer.Rect), bottomOf(l.Blinds.Rect));
    const int capLeft = l.TimerCap.Rect.left();
    l.ChipValuesCap = Placed {rect(capLeft, bandBottom + 150, s.ChipValuesCap), in.ShowChipsAndPayouts};
    const QSize chip = moreThanSixChips(in) ? scaled(sizes.ChipWidth, sizes.ChipHeight, 0.75)
                                            : QSize(sizes.ChipWidth, sizes.ChipHeight);
    stackChips(l, in, capLeft, l.ChipValuesCap.Rect.bottom() + 1 + 100, chip, 50);
    chipVisibility(l, in);

    const QRect& sixthOrTenth = l.Chip[moreThanSixChips(in) ? 9 : 5].Rect;
    placePayouts(l, in, sixthOrTenth.bottom() + 1 + 150, 50);
    if (!payoutsFit(l, in.CommandsTop)) {
        placePayouts(l, in, lastChipRowBottom(l) + 1 + ClosedGap, 0);
        l.PayoutsFit = payoutsFit(l, in.CommandsTop);
    }
    keepAboveCommands(l, in.CommandsTop);
    l.GridVisible = true;
    return l;
}

MainLayout LayoutScreenBasic(const MainLayoutInput& in)
{
    const SizeSet& sizes = *in.Sizes;
    const MainLabelSizes& s = in.Labels;
    const int W = in.Client.width();
    const int H = in.Client.height();
    MainLayout l;

    const double left = W / 30.0;
    const BandText timer = measured(in.Timer, s.Timer);
    const BandText blinds = measured(in.Blinds, s.Blinds);
    const QSize chip = moreThanSixChips(in) ? scaled(sizes.BasicChipWidth, sizes.BasicChipHeight, 0.85)
                                            : QSize(sizes.BasicChipWidth, sizes.BasicChipHeight);
    // The column starts right of the centre, but no further right than lets
    // its widest amount end inside the window.
    int widest = 0;
    for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i)
        if (in.ChipColor[i] != QLatin1String(ChipNotUsed))
            widest = std::max(widest, s.ChipAmount[i].width());
    const int column = std::max(s.ChipValuesCap.width(), 200 + chip.width() + 300 + widest);
    double chipsLeft = std::min(W / 2.0 + sizes.BasicChipsOffset, double(W - column - BasicRightMargin));
    if (in.ShowChipsAndPayouts) {
        // The clock block first: its countdown at its own size and the
        // blinds, one amount a line, at their caption's size; the chips move
        // right for it as far as their amounts, smaller down to the floor,
        // still end inside the window.
        const QString oneLine = timer.Groups.join(QString());
        int clockWants = timer.Measure(oneLine, timer.OwnPoints).width();
        const int blindsPoints = std::min(blinds.OwnPoints, std::max(in.BlindsCapPoints, blinds.FloorPoints));
        for (const QString& group : blinds.Groups)
            clockWants = std::max(clockWants, blinds.Measure(group, blindsPoints).width());
        const double floorScale
            = in.ChipAmountPoints > 0 ? std::min(1.0, double(blinds.FloorPoints) / in.ChipAmountPoints) : 1.0;
        const int narrowest = std::max(s.ChipValuesCap.width(), 200 + chip.width() + 300 + whole(widest * floorScale));
        chipsLeft = std::max(chipsLeft, left + clockWants + BasicRightMargin);
        chipsLeft = std::min(chipsLeft, double(W - narrowest - BasicRightMargin));
    }
    l.ChipValuesCap = Placed {rect(chipsLeft, H / 20.0, s.ChipValuesCap), in.ShowChipsAndPayouts};
    l.ClockRoom
        = std::max(0, (in.ShowChipsAndPayouts ? l.ChipValuesCap.Rect.left() : W) - whole(left) - BasicRightMargin);

    l.TimerCap = shown(rect(left, H / 20.0, s.TimerCap));
    l.TimerText = FitBandText(timer, l.ClockRoom);
    l.Timer = shown(rect(left, l.TimerCap.Rect.top() + s.TimerCap.height() - 200, l.TimerText.Size));
    l.BlindsCap = shown(rect(left, l.Timer.Rect.top() + l.Timer.Rect.height() - 60, s.BlindsCap));
    l.BlindsText = FitBandText(blinds, l.ClockRoom);
    l.Blinds = shown(rect(left, l.BlindsCap.Rect.top() + s.BlindsCap.height() - 200, l.BlindsText.Size));

    stackChips(l, in, l.ChipValuesCap.Rect.left() + 200, l.ChipValuesCap.Rect.top() + s.ChipValuesCap.height() + 150,
               chip, 300);
    chipVisibility(l, in);
    for (const Placed& amount : l.ChipAmount)
        if (amount.Visible && amount.Rect.left() + amount.Rect.width() > W - BasicRightMargin)
            l.ChipAmountsFit = false;
    keepAboveCommands(l, in.CommandsTop);
    // Level, payouts and the players grid stay hidden.
    l.GridVisible = false;
    return l;
}

int ChipColumnRight(const MainLayout& l)
{
    int right = 0;
    const auto reach = [&right](const Placed& p) {
        if (p.Visible && !p.Rect.isEmpty())
            right = std::max(right, p.Rect.left() + p.Rect.width());
    };
    reach(l.ChipValuesCap);
    reach(l.PayoutCap);
    for (std::size_t i = 0; i < std::size_t(ChipSlotCount); ++i) {
        reach(l.Chip[i]);
        reach(l.ChipPicture[i]);
        reach(l.ChipAmount[i]);
    }
    for (std::size_t i = 0; i < std::size_t(TopPayoutCount); ++i) {
        reach(l.Place[i]);
        reach(l.Payout[i]);
    }
    return right;
}
