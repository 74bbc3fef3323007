#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <optional>

class ScreenObjectTable;

// Which of the fonts editor's buttons an entry of this kind enables.
struct EditorButtons {
    bool Font = false;
    bool Color = false;
    bool HeaderColor = false;
    bool Label = false;

    bool operator==(const EditorButtons&) const = default;
};
EditorButtons EditorButtonsFor(Long Kind);

// The entries the editor lists for a screen, in table order: the screen's
// own, and for the players screen also those on every screen; of a control
// array only its first element, which styles them all.
QList<Integer> EditorEntries(const ScreenObjectTable& Table, Long ScreenId);

// The font sizes, in points, a display element can take: the editor
// refuses any other and loading the stored looks keeps no other.
inline constexpr Integer SmallestFontSize = 4;
inline constexpr Integer LargestFontSize = 300;

// A size (from the font picker or as stored) as the whole points an entry
// keeps, halves to the even neighbour; nothing when outside the sizes an
// element can take.
std::optional<Integer> EditorFontSize(double Points);
// What the editor says when it refuses a size.
QString FontSizeRefusal();
