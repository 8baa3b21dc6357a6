#pragma once

#include "support/CoutCapture.h"
#include "support/Play.h"

#include <gtest/gtest.h>

class Level1;

/// The game's own level, built from the bundled data in a real window and
/// ticked by the application. Standard output is collected from before the
/// level is built. The mixer is held still while a test runs.
class BundledLevelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void tick(int count = 1);

    CoutCapture output;
    Level1* level = nullptr;
};
