#pragma once

struct SoundRecord;

// How the program makes its sounds. The windows install the one that plays
// through the sound card at start-up; tests install a recording double.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Plays what the record says for the event (0 to 11): a beep, or its wave
    // file without waiting for it to end; a record of kind None plays
    // nothing. Never blocks, and a missing file never stops the caller.
    virtual void play(int event, const SoundRecord& sound) = 0;
};

// The program's one sound player. Until a window layer installs its own, one
// that plays nothing is used.
SoundPlayer& soundPlayer();
void setSoundPlayer(SoundPlayer* player);
