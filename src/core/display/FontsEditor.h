#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>

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

// A size from the font picker as the whole points an entry keeps (halves to
// the even neighbour).
Integer EditorFontSize(double Points);
