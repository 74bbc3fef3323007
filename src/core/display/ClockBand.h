#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

// The clock band: the countdown and the blinds, the two figures the room
// reads first. The countdown keeps its own size and its place; the blinds
// take the room left beside (or under) it, at a smaller size or with their
// first amount (the ante) on a line of its own, never over the countdown and
// never cut. Sizes and places in twips.

// A text's size at a point size, in the font of the label that shows it.
using MeasureText = std::function<QSize(const QString& text, int points)>;

// Never smaller than this, whatever the room: below it nothing reads.
inline constexpr int SmallestBandPoints = 8;

// A text made of groups (the ante, the blinds, the raises; the countdown is
// one group), shown on one line two blanks apart or broken between groups.
struct BandText {
    QStringList Groups;
    int OwnPoints = 0; // its screen object's size
    int FloorPoints = 0; // the smallest that reads from the back of the room
    MeasureText Measure;
};

struct FittedText {
    QString Text; // its lines separated by a line feed
    int Points = 0;
    QSize Size;
};

// The largest size, from the text's own down, at which it fits the width
// (and the height, when one is given): on one line, or with its first group
// on a line of its own, or one group a line; the fewest lines at the same
// size. A way taller than the height is taken only when no way within it
// reads at the floor; below the floor only when nothing fits there, and then
// never below SmallestBandPoints.
FittedText FitBandText(const BandText& text, int width, int height = 0);

// The band of the standard screen: the countdown at the left edge at its
// own size (smaller only when it alone is wider than the band), the blinds
// flush with the right edge on the countdown's foot (from the top when
// taller), at least gap apart. The
// blinds keep within the countdown's height (the screen under the band
// keeps its room) unless that would take them below their floor.
struct ClockBand {
    QRect Timer;
    QRect Blinds;
    FittedText TimerText;
    FittedText BlindsText;
};
ClockBand LayoutClockBand(int left, int right, int top, const BandText& timer, const BandText& blinds, int gap);
