#include "core/store/ChipColors.h"

const std::array<ChipColor, 13>& ChipColors()
{
    static constexpr std::array<ChipColor, 13> colors {{
        {"White", WindowBackgroundColor},
        {"Blue", 0xFF8080},
        {"Red", 0xFF},
        {"Black", 0},
        {"Purple", 0xC000C0},
        {"Green", 0x8000},
        {"Yellow", 0xFFFF},
        {"Orange", 0x80FF},
        {"Pink", 0x8080FF},
        {"Gray", 0x808080},
        {"Brown", 0x4080},
        {"Maroon", 0x40},
        {"Turquoise", 0xC0C000},
    }};
    return colors;
}

std::optional<OleColor> ChipColorByName(const QString& Name)
{
    for (const ChipColor& c : ChipColors()) {
        if (Name == QLatin1String(c.Name))
            return c.Color;
    }
    return std::nullopt;
}
