#pragma once

class ProgramSettings;

// Plays the sound the settings hold for a sound event (SoundEvent, 0 to 11)
// through the program's sound player. Any other number plays nothing.
void PlayEventSound(const ProgramSettings& settings, int event);
// The same with the program's settings.
void PlayEventSound(int event);
