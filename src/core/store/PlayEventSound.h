#pragma once

class ProgramSettings;

// Plays the sound the settings hold for a sound event (SoundEvent, 0 to 11)
// through the program's sound player. Any other number plays nothing.
void PlayEventSound(const ProgramSettings& settings, int event);
// The same with the program's settings.
void PlayEventSound(int event);

struct SoundRecord;

// What a sound record comes to: a beep stands in for a wave file that is
// missing or unreadable, and for any file where there is no sound card.
enum class SoundChoice { Nothing, Beep, WaveFile };
SoundChoice ChooseSound(const SoundRecord& sound, bool hasAudioOutput);
