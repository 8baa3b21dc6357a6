#include "app/Singleton.h"
#include "audio/Audio.h"
#include "audio/Music.h"
#include "audio/Sound.h"
#include "support/CoutCapture.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// The audio singleton opens the device once per process, so this program
// creates it once, with a driver that cannot exist, before any test runs.
namespace {

std::string startupOutput;

class NoDeviceEnvironment final : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "quib-no-such-driver", 1);
        CoutCapture output;
        Singleton<cAudio>::instance();
        startupOutput = output.text();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new NoDeviceEnvironment);

cAudio& audio()
{
    return Singleton<cAudio>::instance();
}

TEST(NoAudioDevice, StartUpReportsItOnce)
{
    EXPECT_EQ(startupOutput, "Unable to open audio\n");
    EXPECT_FALSE(audio().isOpen());
}

TEST(NoAudioDevice, EveryLoadFailsWithItsMessage)
{
    CoutCapture output;

    new cSound("sounds/tone.wav");
    new cMusic("sounds/tone.ogg");
    new cMusic("sounds/tone.wav");

    EXPECT_EQ(output.text(),
        "Failed to load sound sounds/tone.wav\n"
        "Failed to load music sounds/tone.ogg\n"
        "Failed to load music sounds/tone.wav\n");
}

TEST(NoAudioDevice, PlayingStoppingAndVolumesDoNothing)
{
    // Files of its own: a failed load is said once per process.
    CoutCapture output;
    auto* sound = new cSound("sounds/blip.wav");
    auto* track = new cMusic("sounds/blip.wav");
    const std::string loadMessages = output.text();

    sound->setRestart(true);
    sound->play(0);
    sound->stop();
    track->play(-1);
    audio().setEffectsVolume(0);
    audio().setMusicVolume(128);
    audio().stopMusic();

    EXPECT_EQ(output.text(), loadMessages) << "playing prints nothing more";
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

}  // namespace
