#include "core/store/PlayEventSound.h"

#include "core/platform/SoundPlayer.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SoundRecord.h"

#include <QFileInfo>

void PlayEventSound(const ProgramSettings& settings, int event)
{
    if (!settings.gtypSounds.contains(event))
        return;
    soundPlayer().play(event, settings.gtypSounds[event]);
}

void PlayEventSound(int event) { PlayEventSound(programSettings(), event); }

SoundChoice ChooseSound(const SoundRecord& sound, bool hasAudioOutput)
{
    switch (sound.Kind) {
    case SoundRecord::Beep:
        return SoundChoice::Beep;
    case SoundRecord::WaveFile: {
        const QFileInfo file(sound.FileName);
        return hasAudioOutput && file.isFile() && file.isReadable() ? SoundChoice::WaveFile : SoundChoice::Beep;
    }
    default:
        return SoundChoice::Nothing;
    }
}
