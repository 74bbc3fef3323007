#include "core/display/RotationOptions.h"

#include "core/display/ScreenObjects.h"
#include "core/store/Nz.h"
#include "core/store/SettingsKeys.h"

namespace {

constexpr double FewestSeconds = 1;
constexpr double MostSeconds = 59;

} // namespace

std::optional<Integer> RotationSecondsFromText(const QString& Text)
{
    double number = 0;
    if (!ReadsAsNumber(Text, &number))
        return std::nullopt;
    const double seconds = RoundHalfEven(number);
    if (seconds < FewestSeconds || seconds > MostSeconds)
        return std::nullopt;
    return static_cast<Integer>(seconds);
}

std::optional<int> FirstPhaseWithoutScreen(const RotationTable& Matrix)
{
    for (int phase = 0; phase < RotationPhaseCount; ++phase) {
        bool any = false;
        for (Integer on : Matrix[phase])
            any = any || on != 0;
        if (!any)
            return phase;
    }
    return std::nullopt;
}

void StoreRotationOptions(ProgramSettings& Settings, Integer Seconds, const RotationTable& Matrix)
{
    const QString display = QString::fromLatin1(DisplaySection);
    Settings.gintSecondsForRotation = Seconds;
    WriteIniValue(display, QStringLiteral("SecondsForRotation"), Seconds);
    const QList<ListItem> listed = ScreenComboItems(false);
    for (int phase = 0; phase < RotationPhaseCount; ++phase) {
        for (const ListItem& row : listed) {
            const int screen = static_cast<int>(row.ItemData);
            const Integer on = Matrix[phase][screen] != 0 ? 1 : 0;
            Settings.gintRotationMatrix[phase][screen] = on;
            WriteIniValue(display, RotationKey(phase, screen), on);
        }
    }
}
