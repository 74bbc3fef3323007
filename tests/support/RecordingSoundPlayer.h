#pragma once

#include "core/platform/SoundPlayer.h"
#include "core/store/SoundRecord.h"

#include <vector>

// A sound player that records the events it is asked to play and plays
// nothing. Installs itself for its lifetime.
class RecordingSoundPlayer : public SoundPlayer {
public:
    std::vector<int> played; // events, in order
    std::vector<SoundRecord> sounds; // what each was asked to play

    RecordingSoundPlayer() { setSoundPlayer(this); }
    ~RecordingSoundPlayer() override { setSoundPlayer(nullptr); }
    RecordingSoundPlayer(const RecordingSoundPlayer&) = delete;
    RecordingSoundPlayer& operator=(const RecordingSoundPlayer&) = delete;

    void play(int event, const SoundRecord& sound) override
    {
        played.push_back(event);
        sounds.push_back(sound);
    }
};
