#include "assets/AssetFiles.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

/// A WAV of the data folder as SDL decodes it.
struct Wav {
    SDL_AudioSpec spec{};
    std::vector<Sint16> samples;
    bool loaded = false;

    explicit Wav(const std::string& name)
    {
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        if (SDL_LoadWAV(dataPath(name).c_str(), &spec, &buffer, &length) == nullptr) {
            return;
        }
        loaded = true;
        if (spec.format == AUDIO_S16SYS) {
            samples.resize(length / sizeof(Sint16));
            SDL_memcpy(samples.data(), buffer, samples.size() * sizeof(Sint16));
        }
        SDL_FreeWAV(buffer);
    }

    double seconds() const { return double(samples.size()) / spec.channels / spec.freq; }

    double peakDbfs() const
    {
        int peak = 1;
        for (Sint16 s : samples) {
            peak = std::max(peak, std::abs(int(s)));
        }
        return 20.0 * std::log10(peak / 32768.0);
    }

    int sample(size_t frame, int channel) const { return samples[frame * spec.channels + channel]; }
    size_t frames() const { return samples.size() / spec.channels; }
};

class SoundEffect : public ::testing::TestWithParam<const char*> {};

TEST_P(SoundEffect, IsShortSixteenBitAt44100)
{
    const Wav wav(std::string("sounds/") + GetParam() + ".wav");
    ASSERT_TRUE(wav.loaded) << SDL_GetError();
    EXPECT_EQ(wav.spec.freq, 44100);
    EXPECT_EQ(wav.spec.format, AUDIO_S16SYS);
    EXPECT_GT(wav.seconds(), 0.02);
    EXPECT_LT(wav.seconds(), 1.5);
}

TEST_P(SoundEffect, PeaksAtASensibleLevel)
{
    const Wav wav(std::string("sounds/") + GetParam() + ".wav");
    ASSERT_FALSE(wav.samples.empty());
    EXPECT_GT(wav.peakDbfs(), -12.0);
    EXPECT_LT(wav.peakDbfs(), -3.0);
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundEffect,
                         ::testing::Values("twit", "roll", "twow", "bank", "boink", "click"));

TEST(RollingSound, LoopsWithoutAJumpAtTheLoopPoint)
{
    const Wav wav("sounds/roll.wav");
    ASSERT_GT(wav.frames(), 2u);
    for (int channel = 0; channel < wav.spec.channels; ++channel) {
        int largestStep = 0;
        for (size_t i = 1; i < wav.frames(); ++i) {
            largestStep = std::max(largestStep,
                                   std::abs(wav.sample(i, channel) - wav.sample(i - 1, channel)));
        }
        const int loopStep = std::abs(wav.sample(0, channel) - wav.sample(wav.frames() - 1, channel));
        EXPECT_LE(loopStep, largestStep) << "channel " << channel;
    }
}

TEST(OneShotSounds, StartAndEndInSilence)
{
    for (const char* name : {"twit", "twow", "bank", "boink", "click"}) {
        const Wav wav(std::string("sounds/") + name + ".wav");
        ASSERT_GT(wav.frames(), 0u) << name;
        EXPECT_LT(std::abs(wav.sample(0, 0)), 300) << name;
        EXPECT_LT(std::abs(wav.sample(wav.frames() - 1, 0)), 300) << name;
    }
}

/// The length in seconds an Ogg Vorbis file plays: its last page's granule
/// position (samples) over the rate; -1 when the file has no page.
double oggSeconds(const std::string& path, int rate)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    for (size_t i = bytes.size() < 27 ? 0 : bytes.size() - 27; i-- > 0;) {
        if (bytes[i] == 'O' && bytes[i + 1] == 'g' && bytes[i + 2] == 'g' && bytes[i + 3] == 'S') {
            std::uint64_t granule = 0;
            for (int k = 7; k >= 0; --k) {
                granule = (granule << 8) | bytes[i + 6 + k];
            }
            return double(granule) / rate;
        }
    }
    return -1.0;
}

TEST(Music, LoadsAsMusicOnTheDummyDevice)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    Mix_Music* music = Mix_LoadMUS(dataPath("sounds/music.ogg").c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    Mix_FreeMusic(music);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(Music, IsAShortLoop)
{
    const double length = oggSeconds(dataPath("sounds/music.ogg"), 44100);
    EXPECT_GE(length, 20.0);
    EXPECT_LE(length, 40.0);
}

} // namespace
