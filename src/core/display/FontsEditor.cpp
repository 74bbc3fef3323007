#include "core/display/FontsEditor.h"

#include "core/display/ScreenObjects.h"
#include "core/store/Nz.h"
#include "core/store/ScreenCatalogue.h"

#include <algorithm>
#include <cmath>

EditorButtons EditorButtonsFor(Long Kind)
{
    switch (Kind) {
    case KindCaptionLabel:
        return {true, true, false, true};
    case KindValueLabel:
        return {true, true, false, false};
    case KindGrid:
        return {true, true, true, false};
    case KindSeatChart:
        return {true, false, false, false};
    case KindRichText:
        return {false, true, false, false};
    default:
        return {};
    }
}

QList<Integer> EditorEntries(const ScreenObjectTable& Table, Long ScreenId)
{
    QList<Integer> entries;
    for (Integer i = 1; i <= Table.gintScreenObjectCount(); ++i) {
        const ScreenObject& e = Table.gtypScreenObjects[i];
        if (e.Screen != ScreenId && !(ScreenId == PlayersScreen && e.AllScreens))
            continue;
        if (e.IsArrayItem && e.ArrayIndex > 0)
            continue;
        entries.append(i);
    }
    return entries;
}

std::optional<Integer> EditorFontSize(double Points)
{
    if (!std::isfinite(Points))
        return std::nullopt;
    const double whole = RoundHalfEven(Points);
    if (whole < SmallestFontSize || whole > LargestFontSize)
        return std::nullopt;
    return static_cast<Integer>(whole);
}

QString FontSizeRefusal()
{
    return QStringLiteral("Please choose a font size from %1 to %2 points.").arg(SmallestFontSize).arg(LargestFontSize);
}
