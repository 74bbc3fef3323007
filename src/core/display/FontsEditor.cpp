#include "core/display/FontsEditor.h"

#include "core/display/ScreenObjects.h"
#include "core/store/Nz.h"
#include "core/store/ScreenCatalogue.h"

#include <algorithm>

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

Integer EditorFontSize(double Points)
{
    constexpr double Largest = 32767;
    return static_cast<Integer>(std::clamp(RoundHalfEven(Points), 1.0, Largest));
}
