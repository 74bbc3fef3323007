#pragma once

class QLabel;

// A label wider than its room takes a smaller font until it fits (never
// below 8 points); the screen's own font comes back the next time the
// screen is shown. The room is in twips.
void FitLabelWidth(QLabel* label, int roomTwips);
// The same within a width and a height.
void FitLabelSize(QLabel* label, int widthTwips, int heightTwips);
