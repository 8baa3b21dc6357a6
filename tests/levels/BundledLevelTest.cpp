#include "levels/BundledLevelTest.h"

#include "app/Application.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "levels/Level1.h"
#include "support/FreshGame.h"

#include <SDL.h>

#include <unistd.h>

void BundledLevelTest::SetUp()
{
    ASSERT_EQ(chdir(QUIB_SOURCE_DIR "/data"), 0);
    ASSERT_TRUE(Singleton<cVideo>::instance().open(640, 480, 32, "QUIB"));
    level = new Level1;
    SDL_LockAudio();
}

void BundledLevelTest::TearDown()
{
    SDL_UnlockAudio();
    endLevel(level);
}

void BundledLevelTest::tick(int count)
{
    for (int i = 0; i < count; ++i) {
        cApplication::tick();
    }
}
