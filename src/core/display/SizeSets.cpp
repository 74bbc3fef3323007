#include "core/display/SizeSets.h"

SizeSet SizeSetFor(int screenWidthTwips, Long PlayerDisplay)
{
    SizeSet s;
    s.Large = screenWidthTwips > LargeScreenTwips;
    s.Fonts = ScreenFontSizesFor(s.Large, PlayerDisplay);
    if (!s.Large) {
        s.ChipWidth = 800;
        s.ChipHeight = 550;
        s.BasicChipWidth = 1050;
        s.BasicChipHeight = 800;
        s.BasicChipsOffset = 1800;
        s.SidePanelWidth = 2300;
    }
    return s;
}

QList<int> PlayersGridColumnWidths(bool Large, Long PlayerDisplay)
{
    if (PlayerDisplay == 1)
        return Large ? QList<int> {4200, 1540, 1760, 1950, 2450} : QList<int> {3490, 1190, 1340, 1400, 1840};
    return Large ? QList<int> {2000, 820, 880, 950, 1000, 600, 2000, 820, 880, 950, 1000}
                 : QList<int> {1720, 620, 670, 700, 720, 400, 1720, 620, 670, 700, 720};
}
