#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/SoundRecord.h"

#include <QString>
#include <array>

class ProgramSettings;

// The twelve events as the sounds dialog names them, by SoundEvent.
const std::array<const char*, SoundEventCount>& SoundEventLabels();

// The sound list's position for a stored kind: a kind the list cannot show
// (edited by hand) shows "None".
Long ShownSoundKind(Long Kind);

// The sounds dialog's choices: the two notices (1 ticked) and each event's
// kind and file.
struct SoundOptions {
    Integer Notice = 0;
    Integer NotifyEndOfSession = 0;
    std::array<SoundRecord, SoundEventCount> Sounds {};
};

// Keeps the choices in the settings (each event's file even when it plays
// no file) and writes 5MinNotice, NotifyEndOfSession, then per event
// SoundsToPlay<i> and CustomSound<i>.
void StoreSoundOptions(ProgramSettings& Settings, const SoundOptions& Options);
