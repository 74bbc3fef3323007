#include "core/store/PlayEventSound.h"
#include "core/store/ProgramSettings.h"

#include "RecordingSoundPlayer.h"

#include <gtest/gtest.h>

TEST(PlayEventSound, PlaysTheTwelveEventsAndNothingElse)
{
    RecordingSoundPlayer player;
    ProgramSettings settings;
    for (int event : {-1, 0, 7, 11, 12, 100})
        PlayEventSound(settings, event);
    EXPECT_EQ(player.played, (std::vector<int> {0, 7, 11}));
}
