#include "app/Input.h"

#include <gtest/gtest.h>

namespace {

constexpr int RIGHT = 275;
constexpr int LEFT_BUTTON = 1;

TEST(InputTest, StartsWithNothingPressedAndTheMouseAtTheOrigin)
{
    cInput input;
    EXPECT_FALSE(input.keyHeld(RIGHT));
    EXPECT_FALSE(input.keyPressed(RIGHT));
    EXPECT_FALSE(input.buttonPressed(LEFT_BUTTON));
    EXPECT_FALSE(input.buttonReleased(LEFT_BUTTON));
    EXPECT_EQ(input.mouseX(), 0.0f);
    EXPECT_EQ(input.mouseY(), 0.0f);
}

TEST(InputTest, KeyPressIsReportedOnceThenHeldUntilReleased)
{
    cInput input;
    input.setKey(RIGHT, cInput::DOWN);
    input.endTick();
    EXPECT_FALSE(input.keyHeld(RIGHT));
    EXPECT_TRUE(input.keyPressed(RIGHT));
    input.endTick();
    EXPECT_FALSE(input.keyPressed(RIGHT));
    EXPECT_TRUE(input.keyHeld(RIGHT));
    input.setKey(RIGHT, cInput::UP);
    EXPECT_FALSE(input.keyPressed(RIGHT));
    EXPECT_FALSE(input.keyHeld(RIGHT));
}

TEST(InputTest, KeyPressedAndReleasedBetweenTicksIsLost)
{
    cInput input;
    input.setKey(RIGHT, cInput::DOWN);
    input.setKey(RIGHT, cInput::UP);
    EXPECT_FALSE(input.keyPressed(RIGHT));
    EXPECT_FALSE(input.keyHeld(RIGHT));
}

TEST(InputTest, ClickWithinOneTickIsPressedAndReleasedThenOnlyReleased)
{
    cInput input;
    input.setButton(LEFT_BUTTON, cInput::DOWN);
    input.setButton(LEFT_BUTTON, cInput::UP);
    EXPECT_TRUE(input.buttonPressed(LEFT_BUTTON));
    EXPECT_TRUE(input.buttonReleased(LEFT_BUTTON));
    input.endTick();
    EXPECT_FALSE(input.buttonPressed(LEFT_BUTTON));
    EXPECT_TRUE(input.buttonReleased(LEFT_BUTTON));
    input.endTick();
    EXPECT_TRUE(input.buttonReleased(LEFT_BUTTON));
}

TEST(InputTest, ButtonHeldAskedInThePressTickUsesUpThePress)
{
    cInput input;
    input.setButton(LEFT_BUTTON, cInput::DOWN);
    EXPECT_FALSE(input.buttonHeld(LEFT_BUTTON));
    EXPECT_FALSE(input.buttonPressed(LEFT_BUTTON));
    input.endTick();
    EXPECT_TRUE(input.buttonHeld(LEFT_BUTTON));
    input.setButton(LEFT_BUTTON, cInput::UP);
    EXPECT_FALSE(input.buttonHeld(LEFT_BUTTON));
    EXPECT_TRUE(input.buttonReleased(LEFT_BUTTON));
}

TEST(InputTest, PressHeldOverATickBecomesHeld)
{
    cInput input;
    input.setButton(3, cInput::DOWN);
    EXPECT_TRUE(input.buttonPressed(3));
    input.endTick();
    EXPECT_FALSE(input.buttonPressed(3));
    EXPECT_TRUE(input.buttonHeld(3));
}

TEST(InputTest, NumbersOutsideTheArraysAreIgnored)
{
    cInput input;
    input.setButton(255, cInput::DOWN);
    input.setButton(-1, cInput::DOWN);
    input.setKey(323, cInput::DOWN);
    input.setKey(-5, cInput::DOWN);
    EXPECT_FALSE(input.buttonPressed(255));
    EXPECT_FALSE(input.buttonHeld(255));
    EXPECT_FALSE(input.keyPressed(323));
    EXPECT_FALSE(input.keyHeld(-5));
    input.setButton(254, cInput::DOWN);
    EXPECT_TRUE(input.buttonPressed(254));
}

TEST(InputTest, MoveMouseShiftsTheWorldPosition)
{
    cInput input;
    input.moveMouse(1.5f, -2.0f);
    input.moveMouse(0.5f, 0.25f);
    EXPECT_FLOAT_EQ(input.mouseX(), 2.0f);
    EXPECT_FLOAT_EQ(input.mouseY(), -1.75f);
}

} // namespace
