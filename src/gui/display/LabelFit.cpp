#include "gui/display/LabelFit.h"

#include "core/platform/Twips.h"
#include "core/store/FittingSize.h"

#include <QLabel>
#include <algorithm>

void FitLabelWidth(QLabel* label, int roomTwips)
{
    constexpr int SmallestLabelPoints = 8;
    QFont font = label->font();
    const int own = font.pointSize();
    const int fits = LargestFittingSize(std::min(SmallestLabelPoints, own), own, [&](int size) {
        font.setPointSize(size);
        label->setFont(font);
        return label->sizeHint().width() * TwipsPerPixel <= roomTwips;
    });
    font.setPointSize(fits);
    label->setFont(font);
}
