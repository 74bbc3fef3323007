#include "core/display/SoundOptions.h"

#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"

const std::array<const char*, SoundEventCount>& SoundEventLabels()
{
    static const std::array<const char*, SoundEventCount> labels = {
        "Start Clock",          "Player Eliminated",    "5 Minutes Remaining",  "2 Minutes Remaining",
        "1 Minute Remaining",   "30 Seconds Remaining", "10 Seconds Remaining", "End/Change Session",
        "Balance Tables Alert", "Start Break",          "Player Rebuy",         "Hand Timer Elapsed",
    };
    return labels;
}

Long ShownSoundKind(Long Kind)
{
    return Kind >= SoundRecord::None && Kind <= SoundRecord::WaveFile ? Kind : SoundRecord::None;
}

void StoreSoundOptions(ProgramSettings& Settings, const SoundOptions& Options)
{
    Settings.gint5MinNotice = Options.Notice;
    Settings.gintNotifyEndOfSession = Options.NotifyEndOfSession;
    for (int i = 0; i < SoundEventCount; ++i) {
        Settings.gtypSounds[i].Kind = Options.Sounds[i].Kind;
        Settings.gtypSounds[i].FileName = Options.Sounds[i].FileName;
    }
    const QString display = QString::fromLatin1(DisplaySection);
    const QString sounds = QString::fromLatin1(SoundsSection);
    WriteIniValue(display, QStringLiteral("5MinNotice"), Settings.gint5MinNotice);
    WriteIniValue(display, QStringLiteral("NotifyEndOfSession"), Settings.gintNotifyEndOfSession);
    for (int i = 0; i < SoundEventCount; ++i) {
        WriteIniValue(sounds, QStringLiteral("SoundsToPlay%1").arg(i), Settings.gtypSounds[i].Kind);
        WriteIniValue(sounds, QStringLiteral("CustomSound%1").arg(i), Settings.gtypSounds[i].FileName);
    }
}
