#pragma once

#include "core/display/ScreenObjects.h"
#include "core/platform/ModelTypes.h"

#include <QList>

// Screens wider than this (in twips) take the large size set.
inline constexpr int LargeScreenTwips = 12000;

// The font sizes, chip sizes and margins of the display, chosen once per
// window load from the width of the screen the window is on. Sizes in twips.
struct SizeSet {
    bool Large = true;
    ScreenFontSizes Fonts;
    int ChipWidth = 1000;
    int ChipHeight = 700;
    int BasicChipWidth = 1200;
    int BasicChipHeight = 1000;
    int BasicChipsOffset = 2400; // Summary Style 3: chips caption right of the centre
    int SidePanelWidth = 3000; // kept free at the left for the chips and payouts
};

SizeSet SizeSetFor(int screenWidthTwips, Long PlayerDisplay);

// The players grid's column widths: five columns for one player per row
// (PlayerDisplay 1), else eleven, column 5 the gap between the two groups.
QList<int> PlayersGridColumnWidths(bool Large, Long PlayerDisplay);
