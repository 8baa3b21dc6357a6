#include "audio/MixerFixture.h"
#include "audio/Music.h"
#include "audio/Sound.h"

#include <cstdlib>
#include <utility>

namespace {

using AudioTest = MixerFixture;

// The effects and the music: how the game sets the volume, how the mixer tells it.
struct Volume {
    const char* name;
    void (cAudio::*set)(int);
    int (*mixer)();
};

void PrintTo(const Volume& volume, std::ostream* out) { *out << volume.name; }

class VolumeTest : public MixerFixture, public ::testing::WithParamInterface<Volume> {};

TEST_P(VolumeTest, IsClampedToTheMixerRange)
{
    const Volume& volume = GetParam();
    for (const auto& [asked, set] : {std::pair{50, 50}, {200, MIX_MAX_VOLUME}, {-5, 0}}) {
        (audio().*volume.set)(asked);
        EXPECT_EQ(volume.mixer(), set) << asked;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EffectsAndMusic, VolumeTest,
    ::testing::Values(Volume{"effects", &cAudio::setEffectsVolume, [] { return Mix_Volume(-1, -1); }},
                      Volume{"music", &cAudio::setMusicVolume, [] { return Mix_VolumeMusic(-1); }}));

TEST_F(AudioTest, EffectsVolumeReachesEveryChannel)
{
    audio().setEffectsVolume(30);

    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        EXPECT_EQ(Mix_Volume(channel, -1), 30) << "channel " << channel;
    }
}

// The game shuts SDL down just before it exits, so SDL is already gone when the
// audio singleton frees what still plays.
TEST_F(AudioTest, ExitAfterSdlQuitFreesEverythingCleanly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            new cSound("sounds/tone.wav");
            auto* playing = new cSound("sounds/tone.wav");
            playing->play(MANY_LOOPS);
            (new cMusic("sounds/tone.ogg"))->play(-1);
            SDL_Init(SDL_INIT_TIMER);
            SDL_Quit();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
