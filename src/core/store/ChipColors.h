#pragma once

#include "core/platform/ColorNumber.h"

#include <QString>
#include <array>
#include <optional>

// A chip slot's colour name beside the thirteen colours.
inline constexpr const char* ChipNotUsed = "Not Used";
inline constexpr const char* ChipCustomPicture = "Custom Picture";

struct ChipColor {
    const char* Name;
    OleColor Color;
};

// The thirteen named chip colours, in the order the chip lists show them
// after "Not Used" and "Custom Picture".
// "White" is the system window-background colour.
const std::array<ChipColor, 13>& ChipColors();

// The colour of a named chip (exact, case-sensitive name); nothing for
// "Not Used", "Custom Picture" or any other name.
std::optional<OleColor> ChipColorByName(const QString& Name);
