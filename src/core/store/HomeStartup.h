#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class OpenTournament;
class ProgramSettings;

// The home window's start-up steps that need no window.

// Registers the link handler once per settings file, writes the default
// sound to the data folder when it is missing, opens zr.mdb in the
// data folder as the program's database and brings it up to date, then
// reads the proxy flag. False when the database cannot be opened; the reason
// has been shown, naming the file, and the file is left as it was.
bool StartupStuff(ProgramSettings& settings);

// The league and tournament selected at the last Exit.
void RestoreLastSelection(OpenTournament& t);
// Keeps the current league and tournament for the next start.
void StoreLastSelection(const OpenTournament& t);

// True when a screen this many pixels wide is narrower than 12000 twips.
bool ScreenTooNarrow(int widthPixels);
inline constexpr char ScreenTooNarrowText[]
    = "Screen resolution of 800 x 600 or higher is required, and 1024 x 768 is recommended for best "
      "viewability.";

// Said when the first-league prompt is closed without a name: the program
// ends, and the next start asks again.
inline constexpr char NoFirstLeagueText[]
    = "Zorvane needs a league to start, so it ends now. It will ask for the league's name at the next start.";

// The customer-room page on the product's web site; empty while no web site
// is set.
QString CustomerRoomAddress();
