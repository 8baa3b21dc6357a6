#include "audio/MixerFixture.h"
#include "audio/Music.h"
#include "audio/Sound.h"

#include <cstdlib>

namespace {

using AudioTest = MixerFixture;

TEST_F(AudioTest, EffectsVolumeIsClampedToTheMixerRange)
{
    audio().setEffectsVolume(50);
    EXPECT_EQ(Mix_Volume(-1, -1), 50);
    audio().setEffectsVolume(200);
    EXPECT_EQ(Mix_Volume(-1, -1), MIX_MAX_VOLUME);
    audio().setEffectsVolume(-5);
    EXPECT_EQ(Mix_Volume(-1, -1), 0);
}

TEST_F(AudioTest, MusicVolumeIsClampedToTheMixerRange)
{
    audio().setMusicVolume(50);
    EXPECT_EQ(Mix_VolumeMusic(-1), 50);
    audio().setMusicVolume(200);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    audio().setMusicVolume(-5);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
}

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
