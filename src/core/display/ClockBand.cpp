#include "core/display/ClockBand.h"

#include "core/store/FittingSize.h"

#include <algorithm>

namespace {

// The ways to show the groups, fewest lines first: one line; the first group
// alone above the rest; one group a line.
QStringList arrangements(const QStringList& groups)
{
    const QString apart = QStringLiteral("  ");
    QStringList ways {groups.join(apart)};
    if (groups.size() >= 2)
        ways << groups.first() + u'\n' + groups.mid(1).join(apart);
    if (groups.size() >= 3)
        ways << groups.join(u'\n');
    return ways;
}

} // namespace

FittedText FitBandText(const BandText& text, int width, int height)
{
    const int own = std::max(text.OwnPoints, SmallestBandPoints);
    const int floor = std::clamp(text.FloorPoints, SmallestBandPoints, own);
    const auto fits = [&](const QString& way, int points) {
        const QSize size = text.Measure(way, points);
        return size.width() <= width && (height <= 0 || size.height() <= height);
    };
    // Within the height where some way reads at the floor there; else by
    // the width alone.
    const QStringList ways = arrangements(text.Groups);
    const bool withinHeight
        = height > 0 && std::any_of(ways.begin(), ways.end(), [&](const QString& way) { return fits(way, floor); });
    if (height > 0 && !withinHeight)
        return FitBandText(text, width);
    FittedText best;
    bool bestFits = false;
    for (const QString& way : ways) {
        // Below the floor only when no way fits there.
        const int lowest = fits(way, floor) ? floor : SmallestBandPoints;
        const int points = LargestFittingSize(lowest, own, [&](int p) { return fits(way, p); });
        const bool wayFits = fits(way, points);
        if (best.Text.isNull() || (wayFits && !bestFits) || (wayFits == bestFits && points > best.Points)) {
            best = {way, points, text.Measure(way, points)};
            bestFits = wayFits;
        }
    }
    return best;
}

ClockBand LayoutClockBand(int left, int right, int top, const BandText& timer, const BandText& blinds, int gap)
{
    ClockBand band;
    const int width = std::max(0, right - left);
    // The countdown first: whole, at its own size wherever the band holds it.
    band.TimerText = FitBandText(timer, width);
    band.Timer = QRect(left, top, band.TimerText.Size.width(), band.TimerText.Size.height());
    // The blinds in what is left beside it, flush right; a line smaller
    // than the countdown stands on the same foot.
    const int room = std::max(0, right - (band.Timer.left() + band.Timer.width() + gap));
    band.BlindsText = FitBandText(blinds, room, band.Timer.height());
    const QSize b = band.BlindsText.Size;
    band.Blinds = QRect(std::max(0, right - b.width()), top + std::max(0, band.Timer.height() - b.height()), b.width(),
                        b.height());
    return band;
}
