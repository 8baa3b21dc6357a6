#pragma once

#include "app/Singleton.h"
#include "audio/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

/// Starts every audio test from silence on the dummy device, where the mixer
/// really plays, so what Mix_Playing answers is what a player would hear.
class MixerFixture : public ::testing::Test {
protected:
    // Generous: a 30 ms sound must end well within this even on a slow machine.
    static constexpr Uint32 WAIT_LIMIT_MS = 5000;
    static constexpr Uint32 POLL_MS = 5;
    // Enough repeats of any test sound to outlast a test.
    static constexpr int MANY_LOOPS = 100;

    void SetUp() override
    {
        ASSERT_TRUE(audio().isOpen()) << "the tests need SDL_AUDIODRIVER=dummy";
        silence();
        endsBefore = allEndings();
    }

    void TearDown() override
    {
        silence();
        Mix_AllocateChannels(MIX_CHANNELS);
        audio().setEffectsVolume(MIX_MAX_VOLUME);
        audio().setMusicVolume(MIX_MAX_VOLUME);
    }

    static cAudio& audio() { return Singleton<cAudio>::instance(); }

    static bool waitUntil(const std::function<bool()>& condition)
    {
        for (Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < WAIT_LIMIT_MS;) {
            if (condition()) {
                return true;
            }
            SDL_Delay(POLL_MS);
        }
        return condition();
    }

    static std::vector<int> playingChannels()
    {
        std::vector<int> playing;
        for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
            if (Mix_Playing(channel) != 0) {
                playing.push_back(channel);
            }
        }
        return playing;
    }

    /// The one channel that plays; -1 unless exactly one does.
    static int onlyPlayingChannel()
    {
        std::vector<int> playing = playingChannels();
        return playing.size() == 1 ? playing.front() : -1;
    }

    /// While it lives the mixer plays no further, so that a short sound just
    /// started is still playing when the test looks, however slow the machine.
    struct MixerHeld {
        MixerHeld() { SDL_LockAudio(); }
        ~MixerHeld() { SDL_UnlockAudio(); }
    };

    /// Channels that ended, naturally or halted, since the test began, as
    /// the mixer told the game.
    unsigned channelEnds() const { return allEndings() - endsBefore; }

private:
    static unsigned allEndings()
    {
        unsigned ends = 0;
        for (int channel = 0; channel < MIX_CHANNELS; ++channel) {
            ends += cAudio::endingsOn(channel);
        }
        return ends;
    }

    unsigned endsBefore = 0;

    static void silence()
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
};
