#include "core/platform/SoundPlayer.h"

namespace {

class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(int, const SoundRecord&) override { }
};

SilentSoundPlayer gSilentPlayer;
SoundPlayer* gSoundPlayer = &gSilentPlayer;

} // namespace

SoundPlayer& soundPlayer() { return *gSoundPlayer; }

void setSoundPlayer(SoundPlayer* player) { gSoundPlayer = player ? player : &gSilentPlayer; }
