#include "gui/display/LabelFit.h"

#include "core/platform/Twips.h"
#include "core/store/FittingSize.h"

#include <QLabel>
#include <algorithm>
#include <climits>

void FitLabelWidth(QLabel* label, int roomTwips) { FitLabelSize(label, roomTwips, INT_MAX); }

void FitLabelSize(QLabel* label, int widthTwips, int heightTwips)
{
    constexpr int SmallestLabelPoints = 8;
    QFont font = label->font();
    const int own = font.pointSize();
    const int fits = LargestFittingSize(std::min(SmallestLabelPoints, own), own, [&](int size) {
        font.setPointSize(size);
        label->setFont(font);
        const QSize hint = label->sizeHint() * TwipsPerPixel;
        return hint.width() <= widthTwips && hint.height() <= heightTwips;
    });
    font.setPointSize(fits);
    label->setFont(font);
}
