#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/ProgramSettings.h"

#include <QString>
#include <optional>

inline constexpr char RotationSecondsRefused[] = "Number of seconds must be a number greater than 0 and less than 60.";
inline constexpr char RotationListEmpty[] = "You must select at least one screen per list.";

// The seconds per rotated screen as typed: a number that, rounded half to
// even, is 1 to 59; nothing for anything else.
std::optional<Integer> RotationSecondsFromText(const QString& Text);

// The first phase whose list selects no screen; nothing when every one does.
std::optional<int> FirstPhaseWithoutScreen(const RotationTable& Matrix);

// Keeps the interval and the rotation table in the settings and writes their
// keys: SecondsForRotation, then for each phase the screens in the order the
// rotation lists show them.
void StoreRotationOptions(ProgramSettings& Settings, Integer Seconds, const RotationTable& Matrix);
