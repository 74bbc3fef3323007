#pragma once

#include "core/platform/ColorNumber.h"
#include "core/platform/ModelTypes.h"

#include <QString>

class ProgramSettings;

// The appearance settings as the appearance dialog shows them: list
// positions, check box states (1 ticked) and the two background colours.
struct AppearanceValues {
    Long PlayerDisplay = 0; // 0 two columns of players, 1 one column
    Integer DisplayPointsInGrid = 0;
    Integer ShowChipsAndPayouts = 0;
    QString CurrencySymbol;
    Integer CommaSeparator = 0;
    OleColor MainBGColor = 0;
    OleColor RotatingBGColor = 0;
    Integer TableID = 0; // 0 numbers, 1 letters
    Integer SeatID = 0;
    Integer HandTimer = 1; // minutes, 1 to 15
    Integer FullScreen = 0;
    Integer AutoScroll = 0;
    Integer TrackKills = 0;

    bool operator==(const AppearanceValues&) const = default;
};

inline constexpr Integer ShortestHandTimer = 1;
inline constexpr Integer LongestHandTimer = 15;

inline constexpr char FullScreenNotice[]
    = "On some operating systems, for the window to change to or from Full Screen, you may have to close the "
      "Zorvane window and reopen it for the change to take effect.";

// The stored settings as the dialog can show them: a hand-edited value its
// lists cannot show takes the nearest it can (minutes clamped to 1-15,
// anything but 1 showing numbers or two columns, a flag ticked only at 1).
AppearanceValues AppearanceShown(const ProgramSettings& Settings);

// "Reset to Defaults": the built-in look over what the dialog shows, which
// keeps its currency symbol, comma choice, hand-timer minutes and kill
// tracking, and the players layout that is stored.
AppearanceValues DefaultAppearance(const AppearanceValues& Shown, Long StoredLayout);

// Keeps the values in the settings and writes their 13 keys in order, the
// money format rebuilt after the comma choice.
void StoreAppearance(ProgramSettings& Settings, const AppearanceValues& Values);
