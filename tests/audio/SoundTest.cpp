#include "audio/MixerFixture.h"
#include "audio/Sound.h"
#include "support/CoutCapture.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

const std::string SHORT_SOUND = "sounds/blip.wav";
const std::string LONG_SOUND = "sounds/tone.wav";
constexpr double LONG_SOUND_SECONDS = 0.5;

using SoundTest = MixerFixture;

double deviceBytesPerSecond()
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    return static_cast<double>(frequency) * channels * (format & 0xff) / 8;
}

cSound* restartingSound(const std::string& fileName)
{
    auto* sound = new cSound(fileName);
    sound->setRestart(true);
    return sound;
}

TEST_F(SoundTest, NonRestartingSoundStartsOnceWhilePlayingAndAgainAfterStop)
{
    auto* roll = new cSound(LONG_SOUND);

    roll->play(MANY_LOOPS);
    const int channel = onlyPlayingChannel();
    ASSERT_NE(channel, -1);
    for (int tick = 0; tick < 5; ++tick) {
        roll->play(MANY_LOOPS);
    }
    EXPECT_EQ(playingChannels(), std::vector<int>{channel});
    EXPECT_EQ(channelEnds(), 0u) << "restarted while it still played";

    roll->stop();
    EXPECT_TRUE(playingChannels().empty());
    roll->play(MANY_LOOPS);
    EXPECT_EQ(playingChannels().size(), 1u);
}

TEST_F(SoundTest, NewNonRestartingSoundStartsWhateverElsePlays)
{
    for (int i = 0; i < 3; ++i) {
        restartingSound(LONG_SOUND)->play(MANY_LOOPS);
    }
    auto* roll = new cSound(LONG_SOUND);

    roll->play(0);

    EXPECT_EQ(playingChannels().size(), 4u);
}

TEST_F(SoundTest, RestartingSoundPlaysTwiceOverlappingOnTwoChannels)
{
    auto* jump = restartingSound(LONG_SOUND);

    jump->play(0);
    jump->play(0);

    std::vector<int> playing = playingChannels();
    ASSERT_EQ(playing.size(), 2u);
    EXPECT_EQ(Mix_GetChunk(playing[0]), Mix_GetChunk(playing[1]));
    EXPECT_EQ(channelEnds(), 0u);
}

TEST_F(SoundTest, StopOfNeverPlayedSoundLeavesOtherSoundsPlaying)
{
    restartingSound(LONG_SOUND)->play(MANY_LOOPS);
    auto* silent = new cSound(LONG_SOUND);

    silent->stop();

    EXPECT_EQ(playingChannels().size(), 1u);
    EXPECT_EQ(channelEnds(), 0u);
}

TEST_F(SoundTest, StopHaltsOnlyItsOwnCopyOfAFileTwoSoundsLoaded)
{
    auto* rollRight = new cSound(LONG_SOUND);
    auto* rollLeft = new cSound(LONG_SOUND);
    rollRight->play(MANY_LOOPS);
    rollLeft->play(MANY_LOOPS);
    ASSERT_EQ(playingChannels().size(), 2u);

    rollRight->stop();

    ASSERT_EQ(playingChannels().size(), 1u);
    rollLeft->stop();
    EXPECT_TRUE(playingChannels().empty());
}

// A roll sound ends; the mixer gives its channel to the next sound, which may
// be a hit or the other roll sound loaded from the very same file. One channel
// at first, so that the next sound can only take the roll's, then a second.
class ReusedChannelTest : public MixerFixture, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        MixerFixture::SetUp();
        Mix_AllocateChannels(1);
        roll = new cSound(SHORT_SOUND);
        {
            MixerHeld held;
            roll->play(0);
            ASSERT_EQ(onlyPlayingChannel(), 0);
            rollChunk = Mix_GetChunk(0);
        }
        ASSERT_TRUE(waitUntil([] { return Mix_Playing(0) == 0; }));
        restartingSound(GetParam())->play(MANY_LOOPS);
        ASSERT_EQ(onlyPlayingChannel(), 0);
        otherChunk = Mix_GetChunk(0);
        ASSERT_NE(otherChunk, rollChunk);
        Mix_AllocateChannels(2);
    }

    cSound* roll = nullptr;
    Mix_Chunk* rollChunk = nullptr;
    Mix_Chunk* otherChunk = nullptr;
};

TEST_P(ReusedChannelTest, FinishedSoundStartsAgainOnAnotherChannel)
{
    MixerHeld held;
    roll->play(0);

    ASSERT_EQ(playingChannels(), (std::vector<int>{0, 1})) << "the finished sound did not start again";
    EXPECT_EQ(Mix_GetChunk(1), rollChunk);
    EXPECT_EQ(Mix_GetChunk(0), otherChunk);
}

TEST_P(ReusedChannelTest, StopOfTheFinishedOrRestartedSoundLeavesTheChannelsNewSoundPlaying)
{
    roll->stop();
    EXPECT_EQ(onlyPlayingChannel(), 0);
    EXPECT_EQ(channelEnds(), 1u) << "only the roll sound's own end";

    roll->play(0);
    roll->stop();
    EXPECT_EQ(onlyPlayingChannel(), 0);
    EXPECT_EQ(Mix_GetChunk(0), otherChunk);
}

INSTANTIATE_TEST_SUITE_P(OtherSound, ReusedChannelTest, ::testing::Values(LONG_SOUND, SHORT_SOUND),
    [](const ::testing::TestParamInfo<std::string>& info) {
        return info.param == SHORT_SOUND ? std::string("SameFile") : std::string("OtherFile");
    });

// A crowd of colliding objects turns sounds away for a while: the busy mixer
// is said once, not once for every sound.
TEST_F(SoundTest, PlayWithoutFreeChannelIsReportedOnceAndTriedAgainLater)
{
    Mix_AllocateChannels(1);
    restartingSound(LONG_SOUND)->play(MANY_LOOPS);
    auto* roll = new cSound(SHORT_SOUND);
    {
        CoutCapture output;
        for (int i = 0; i < 3; ++i) {
            roll->play(0);
            restartingSound(SHORT_SOUND)->play(0);
        }
        const std::string text = output.text();
        ASSERT_EQ(output.count("Failed to play sound " + SHORT_SOUND + " "), 1) << text;
        EXPECT_EQ(output.count("\n"), 1);
        EXPECT_EQ(text.back(), '\n');
    }
    Mix_HaltChannel(0);

    MixerHeld held;
    roll->play(0);
    EXPECT_EQ(onlyPlayingChannel(), 0);
}

// A missing file, one that is no sound, and no name at all: reported once, or
// not at all without a name, and silent.
TEST_F(SoundTest, AFileThatCannotBeLoadedIsReportedOnceAndLeavesASilentSound)
{
    const std::string broken = ::testing::TempDir() + "quib-not-a-sound.wav";
    std::ofstream(broken) << "RIFF but not really a wave file";
    for (const std::string& name : {std::string("sounds/missing.wav"), broken, std::string()}) {
        CoutCapture output;
        auto* sound = new cSound(name);
        auto* sameFile = new cSound(name);
        sound->play(0);
        sound->stop();
        sameFile->play(0);
        EXPECT_EQ(output.text(), name.empty() ? "" : "Failed to load sound " + name + "\n");
        EXPECT_TRUE(playingChannels().empty()) << name;
    }
    std::remove(broken.c_str());
}

TEST_F(SoundTest, LoadedSoundPrintsNothingAndPlays)
{
    CoutCapture output;
    auto* sound = new cSound(SHORT_SOUND);

    MixerHeld held;
    sound->play(0);

    EXPECT_EQ(output.text(), "");
    EXPECT_EQ(playingChannels().size(), 1u);
}

// The audio singleton frees each sound at exit, so a reload must neither
// register the sound twice nor leave the first sample behind.
TEST_F(SoundTest, ReloadReplacesTheSample)
{
    auto* sound = new cSound(SHORT_SOUND);

    ASSERT_TRUE(sound->load(LONG_SOUND));
    sound->play(0);

    const int channel = onlyPlayingChannel();
    ASSERT_NE(channel, -1);
    EXPECT_NEAR(Mix_GetChunk(channel)->alen, deviceBytesPerSecond() * LONG_SOUND_SECONDS,
        deviceBytesPerSecond() * 0.01);
}

}  // namespace
