#include "audio/MixerFixture.h"
#include "audio/Music.h"
#include "support/CoutCapture.h"

#include <string>

namespace {

const std::string OGG_TRACK = "sounds/tone.ogg";
const std::string SHORT_WAV_TRACK = "sounds/blip.wav";
constexpr int FOR_EVER = -1;

using MusicTest = MixerFixture;

TEST_F(MusicTest, OggTrackLoadsQuietlyAndPlays)
{
    CoutCapture output;
    auto* track = new cMusic(OGG_TRACK);

    track->play(FOR_EVER);

    EXPECT_EQ(output.text(), "");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(MusicTest, SecondTrackReplacesTheFirst)
{
    auto* endless = new cMusic(OGG_TRACK);
    auto* shortTrack = new cMusic(SHORT_WAV_TRACK);
    endless->play(FOR_EVER);

    shortTrack->play(0);

    // Only the short track can ever fall silent.
    EXPECT_TRUE(waitUntil([] { return Mix_PlayingMusic() == 0; }));
}

TEST_F(MusicTest, FailedTrackLeavesPlayingMusicAlone)
{
    auto* track = new cMusic(OGG_TRACK);
    track->play(FOR_EVER);
    CoutCapture output;
    auto* missing = new cMusic("sounds/missing.ogg");
    auto* sameFile = new cMusic("sounds/missing.ogg");

    missing->play(0);
    sameFile->play(0);

    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(output.text(), "Failed to load music sounds/missing.ogg\n") << "said once, like every missing file";
}

TEST_F(MusicTest, EmptyNameLoadsNothingAndPrintsNothing)
{
    CoutCapture output;
    auto* none = new cMusic("");

    none->play(FOR_EVER);

    EXPECT_EQ(output.text(), "");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MusicTest, StopMusicHaltsTheTrackAndMutingDoesNot)
{
    auto* track = new cMusic(OGG_TRACK);
    track->play(FOR_EVER);

    audio().setMusicVolume(0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    audio().stopMusic();

    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// The audio singleton frees each track at exit, where a sanitizer build would
// also catch a track that a reload registered twice.
TEST_F(MusicTest, ReloadedTrackPlays)
{
    auto* track = new cMusic(SHORT_WAV_TRACK);

    ASSERT_TRUE(track->load(OGG_TRACK));
    track->play(FOR_EVER);

    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

}  // namespace
