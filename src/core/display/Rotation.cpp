#include "core/display/Rotation.h"

int RotationPhase(bool OnBreak, Integer BlindsLevel, int PlayersStillIn, bool ClockHasMoved)
{
    if (OnBreak)
        return 2;
    if (BlindsLevel != 1)
        return PlayersStillIn < 2 ? 3 : 1;
    return ClockHasMoved ? 1 : 0;
}

Long NextRotationScreen(const RotationTable& Matrix, int Phase, Long Current)
{
    if (Phase < 0 || Phase >= RotationPhaseCount)
        return Current;
    const auto& row = Matrix[static_cast<std::size_t>(Phase)];
    for (Long s = Current + 1; s < ScreenCount; ++s)
        if (s >= 0 && row[static_cast<std::size_t>(s)] == 1)
            return s;
    for (Long s = 0; s < ScreenCount; ++s)
        if (row[static_cast<std::size_t>(s)] == 1)
            return s;
    return Current;
}

int RotationIntervalMs(Integer SecondsForRotation)
{
    return (SecondsForRotation >= 1 && SecondsForRotation <= 59 ? SecondsForRotation : 10) * 1000;
}

bool ToolbarShownSetting(const QString& Text)
{
    const QString t = Text.trimmed();
    if (t == QLatin1String("0") || t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return true;
}
