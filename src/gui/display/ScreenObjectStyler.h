#pragma once

#include "core/display/ScreenObjects.h"
#include "core/platform/ColorNumber.h"

class ListControl;
class QTextEdit;
class QWidget;

// Puts screen objects onto the controls of a window, found by object name.
// A control the window lacks is passed over.

// Sets the entry's look on its control as its kind says.
void ApplyScreenObjectFont(QWidget* Window, const ScreenObject& Entry);

// Styles every control of one screen, in table order, so that a summary
// style's own entries win over the common ones they share a control with.
void SetScreenObjects(QWidget* Window, const ScreenObjectTable& Table, Long ScreenId);

// When entry Index is the first element of a control array, gives the
// other elements its look, on their controls too.
void ApplyAllScreenObjectFonts(QWidget* Window, ScreenObjectTable& Table, Integer Index);

// Re-colours the whole text of a rich-text box, its fonts untouched.
void RecolorWholeText(QTextEdit* Box, OleColor Color);

// The sixteen screens with their ids as item data.
void FillScreenCombo(const ListControl& List, bool AllFields);
