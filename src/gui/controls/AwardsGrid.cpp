#include "gui/controls/AwardsGrid.h"

#include "core/floor/AwardsGrid.h"
#include "gui/controls/ctlDataEntryGrid.h"

void FormatAwardsGrid(ctlDataEntryGrid& Grid)
{
    Grid.setRows(1);
    Grid.setCols(7);
    const long widths[] = {0, 0, 0, 2500, 950, 950, 0};
    for (long c = 0; c < 7; ++c)
        Grid.setColWidth(c, widths[c]);
    Grid.setTextMatrix(0, 3, QStringLiteral("Award Type"));
    Grid.setTextMatrix(0, 4, QStringLiteral("Payout"));
    Grid.setTextMatrix(0, 5, QStringLiteral("Points"));
}

void FillAwardsGrid(ctlDataEntryGrid& Grid, bool UnawardedOnly, const OpenTournament& t)
{
    Grid.setRows(1);
    for (const QStringList& texts : AwardsGridRows(t, UnawardedOnly)) {
        Grid.setRows(Grid.Rows() + 1);
        for (long c = 0; c < texts.size() && c < Grid.Cols(); ++c)
            Grid.setTextMatrix(Grid.Rows() - 1, c, texts[c]);
    }
}
