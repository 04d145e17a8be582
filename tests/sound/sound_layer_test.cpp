// The program's sound layer, heard through a real sound server: whole sounds, a new sound
// cutting off the one before, and the first sound right after start-up.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/sound/recording.h"
#include "tests/sound/sound_checks.h"
#include "ui/platform_sound.h"

namespace kurobi::testing {
namespace {

TEST(SoundLayerTest, EachSoundAloneIsHeardOnceInFull) {
    WavePlayer player;
    Recording recording;
    ASSERT_TRUE(recording.Start());
    for (const char* name : {"Put", "Turn", "Kado", "Bu"}) {
        player.Play(name);
        ASSERT_TRUE(recording.Wait(1500));
    }
    ExpectHeard(HeardSounds(recording.Stop(), Recording::kRate), {"Put", "Turn", "Kado", "Bu"});
}

// The flips of the default display speed: each sound begins as soon as it is played, cutting
// off the one before, so the "Put" is heard until the first "Turn" begins and the onsets are
// as far apart as the calls. Sounds queued after each other would end up 100 ms apart.
TEST(SoundLayerTest, APutAndFiveTurnsEightyMsApartAreHeardInOrder) {
    WavePlayer player;
    Recording recording;
    ASSERT_TRUE(recording.Start());
    const auto first = std::chrono::steady_clock::now();
    player.Play("Put");
    for (int turn = 0; turn < 5; ++turn) {
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        player.Play("Turn");
    }
    const std::chrono::duration<double, std::milli> played =
        std::chrono::steady_clock::now() - first;
    ASSERT_TRUE(recording.Wait(500));
    const std::vector<HeardSound> heard = HeardSounds(recording.Stop(), Recording::kRate);
    ExpectHeard(heard, {"Put", "Turn", "Turn", "Turn", "Turn", "Turn"});
    ASSERT_FALSE(heard.empty());
    EXPECT_NEAR(heard.back().onsetMs - heard.front().onsetMs, played.count(), 30);
}

// Played before the stream to the server is open, the sound waits for it.
TEST(SoundLayerTest, TheFirstSoundAfterStartUpIsHeard) {
    Recording recording;
    ASSERT_TRUE(recording.Start());
    WavePlayer player;
    player.Play("Put");
    ASSERT_TRUE(recording.Wait(1000));
    ExpectHeard(HeardSounds(recording.Stop(), Recording::kRate), {"Put"});
}

}  // namespace
}  // namespace kurobi::testing
