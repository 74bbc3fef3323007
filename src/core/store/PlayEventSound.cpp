#include "core/store/PlayEventSound.h"

#include "core/platform/SoundPlayer.h"
#include "core/store/ProgramSettings.h"

void PlayEventSound(const ProgramSettings& settings, int event)
{
    if (!settings.gtypSounds.contains(event))
        return;
    soundPlayer().play(event, settings.gtypSounds[event]);
}

void PlayEventSound(int event) { PlayEventSound(programSettings(), event); }
