#include "DrawingTest.h"
#include "graphics/DebugRender.h"

#include <box2d/box2d.h>
#include <SDL_opengl.h>

#include <cmath>
#include <memory>

namespace {

const b2Color ORANGE(1.0f, 0.6f, 0.2f);
constexpr Rgba ORANGE_LINE{255, 153, 51, 255};
// Half the colour at half opacity over the background.
constexpr Rgba ORANGE_FILL{171, 152, 138, 255};

// Lines 2.5 pixels wide centred on a pixel boundary cover the pixels on both sides.
constexpr float EDGE = 5.0f;
// Anti-aliased slanted lines cover the pixels they cross only in part.
constexpr int SLANTED = 60;
// Pixel centres, so one-pixel lines land on exactly one pixel.
constexpr float PIXEL_CENTRE = 0.05f;

bool isBackground(const Rgba& color)
{
    return colorNear(color, TestWindow::BACKGROUND);
}

} // namespace

class DebugRender : public DrawingTest {
protected:
    cDebugRender render;
};

TEST_F(DebugRender, SolidPolygonIsAHalfBrightFillUnderAFullColourOutline)
{
    const b2Vec2 square[] = {{-EDGE, -EDGE}, {EDGE, -EDGE}, {EDGE, EDGE}, {-EDGE, EDGE}};
    render.DrawSolidPolygon(square, 4, ORANGE);

    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, 0.0f), ORANGE_FILL)) << "centre";
    EXPECT_TRUE(colorNear(window.pixelAt(EDGE, 0.0f), ORANGE_LINE)) << "right edge";
    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, -EDGE), ORANGE_LINE)) << "bottom edge";
    EXPECT_TRUE(isBackground(window.pixelAt(EDGE + 1.0f, 0.0f))) << "outside";
    GLfloat width = 0.0f;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_FLOAT_EQ(2.5f, width);
}

TEST_F(DebugRender, SolidCircleShowsItsRadiusAlongTheAxis)
{
    render.DrawSolidCircle({0.0f, 0.0f}, EDGE, {0.0f, 1.0f}, ORANGE);

    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, EDGE * 0.5f), ORANGE_LINE)) << "radius line";
    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, -EDGE * 0.5f), ORANGE_FILL)) << "no line opposite";
    EXPECT_TRUE(colorNear(window.pixelAt(EDGE * 0.5f, 0.0f), ORANGE_FILL));
    EXPECT_TRUE(colorNear(window.pixelAt(-EDGE, 0.0f), ORANGE_LINE)) << "rim";
    EXPECT_TRUE(isBackground(window.pixelAt(EDGE + 1.0f, 0.0f)));
}

TEST_F(DebugRender, CircleIsASixteenSidedOutline)
{
    const float radius = 20.0f;
    render.DrawCircle({0.0f, 0.0f}, radius, ORANGE);

    // Corners every 22.5 degrees from 0; halfway between two, the side runs
    // cos(11.25 degrees) of the radius out, 0.38 units inside the true circle.
    const float between = 3.1415927f / 16.0f;
    const float side = radius * std::cos(between);
    EXPECT_TRUE(colorNear(window.pixelAt(radius - PIXEL_CENTRE, PIXEL_CENTRE), ORANGE_LINE, SLANTED));
    EXPECT_TRUE(colorNear(window.pixelAt(side * std::cos(between), side * std::sin(between)), ORANGE_LINE, SLANTED));
    EXPECT_TRUE(isBackground(window.pixelAt(radius * std::cos(between), radius * std::sin(between))));
    EXPECT_TRUE(isBackground(window.pixelAt(0.0f, 0.0f)));
}

TEST_F(DebugRender, SegmentRunsBetweenItsEnds)
{
    const float y = 3.0f + PIXEL_CENTRE;
    render.DrawSegment({-10.0f, y}, {10.0f, y}, b2Color(0.0f, 0.0f, 1.0f));

    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, y), {0, 0, 255, 255}));
    EXPECT_TRUE(colorNear(window.pixelAt(-9.0f, y), {0, 0, 255, 255}));
    EXPECT_TRUE(isBackground(window.pixelAt(11.0f, y)));
    EXPECT_TRUE(isBackground(window.pixelAt(0.0f, y + 1.0f)));
}

TEST_F(DebugRender, TransformDrawsItsAxesRedAndGreen)
{
    glLineWidth(3.0f);
    const b2Vec2 origin(2.0f + PIXEL_CENTRE, 1.0f + PIXEL_CENTRE);
    // A quarter turn: the x axis points up, the y axis to the left.
    render.DrawTransform(b2Transform(origin, b2Rot(b2_pi * 0.5f)));

    EXPECT_TRUE(colorNear(window.pixelAt(origin.x, origin.y + 0.3f), {255, 0, 0, 255}));
    EXPECT_TRUE(colorNear(window.pixelAt(origin.x - 0.3f, origin.y), {0, 255, 0, 255}));
    EXPECT_TRUE(isBackground(window.pixelAt(origin.x, origin.y + 0.6f))) << "axes are 0.4 long";
    EXPECT_TRUE(isBackground(window.pixelAt(origin.x + 0.3f, origin.y)));
}

TEST_F(DebugRender, PointHasItsSizeAndLeavesTheGamesPointSize)
{
    const b2Vec2 at(-3.0f + PIXEL_CENTRE, PIXEL_CENTRE);
    render.DrawPoint(at, 8.0f, b2Color(1.0f, 0.0f, 0.0f));

    EXPECT_TRUE(colorNear(window.pixelAt(at.x, at.y), {255, 0, 0, 255}));
    EXPECT_TRUE(colorNear(window.pixelAt(at.x + 0.2f, at.y), {255, 0, 0, 255})) << "wider than the game's 3";
    EXPECT_TRUE(isBackground(window.pixelAt(at.x + 0.6f, at.y)));
    GLfloat size = 0.0f;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_FLOAT_EQ(3.0f, size);
}

// The world calls the renderer only for what its flags ask.
TEST_F(DebugRender, WorldDrawsShapesOnlyWhileFlagsAreSet)
{
    b2World world(b2Vec2(0.0f, -10.0f));
    b2BodyDef bodyDef;
    b2Body* body = world.CreateBody(&bodyDef);
    b2PolygonShape box;
    box.SetAsBox(EDGE, EDGE);
    body->CreateFixture(&box, 0.0f);
    world.SetDebugDraw(&render);

    world.DebugDraw();
    EXPECT_TRUE(isBackground(window.pixelAt(0.0f, 0.0f)));
    EXPECT_TRUE(isBackground(window.pixelAt(EDGE, 0.0f)));

    render.SetFlags(b2Draw::e_shapeBit | b2Draw::e_jointBit);
    world.DebugDraw();
    EXPECT_FALSE(isBackground(window.pixelAt(0.0f, 0.0f)));
    EXPECT_FALSE(isBackground(window.pixelAt(EDGE, 0.0f)));
}
