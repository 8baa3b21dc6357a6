#include "levels/LevelTest.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "levels/DragBox.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"

#include <box2d/box2d.h>

namespace {

// Where the mouse takes hold of a tool, off its centre.
const b2Vec2 GRIP(0.3f, -0.2f);
// A place in the air, clear of everything.
const b2Vec2 CLEAR(5.0f, 6.0f);

class DragBoxTest : public LevelTest {
protected:
    void SetUp() override
    {
        LevelTest::SetUp();
        placePlayer(0.0f);
        box = addDragBox();
    }

    // A star on the wheel, collected by the first tick.
    cObject* collect(int kind, ObjectFactory factory)
    {
        cObject* tool = addStar(kind, factory, 0.0f, 1.0f);
        tick();
        EXPECT_TRUE(tool->isTool());
        return tool;
    }

    void grab(const cObject* tool, int button = 1)
    {
        pointAt(tool->getX() + GRIP.x, tool->getY() + GRIP.y);
        click(button);
        tick();
    }

    static b2Vec2 mouse() { return {input().mouseX(), input().mouseY()}; }

    static bool isAllSensor(const cObject* object)
    {
        for (const b2Fixture* f = object->getBody()->GetFixtureList(); f; f = f->GetNext()) {
            if (!f->IsSensor()) {
                return false;
            }
        }
        return true;
    }

    cDragBox* box = nullptr;
};

TEST_F(DragBoxTest, TheToolUnderTheMouseIsHighlighted)
{
    cObject* tool = collect(KIND_BOWLING_STAR, createBowlingBall);
    pointAt(tool->getX(), tool->getY());
    tick();
    expectTint(tool, 0.1f, 0.1f, 0.1f);
    pointAt(CLEAR.x, CLEAR.y);
    tick();
    expectTint(tool, 0.0f, 0.0f, 0.0f);
}

class GrabButtonTest : public DragBoxTest, public ::testing::WithParamInterface<int> {};

TEST_P(GrabButtonTest, ClickingAToolMakesAPreviewAtItsPlace)
{
    cObject* tool = collect(KIND_BOWLING_STAR, createBowlingBall);
    const int bodies = world()->GetBodyCount();
    grab(tool, GetParam());
    ASSERT_TRUE(box->isCarrying());
    const ObjectList previews = carried();
    ASSERT_EQ(previews.size(), 1u);
    const cObject* preview = previews.front();
    EXPECT_EQ(world()->GetBodyCount(), bodies + 1);
    EXPECT_NEAR(preview->getBody()->GetPosition().x, tool->getX(), 1e-4f);
    EXPECT_NEAR(preview->getBody()->GetPosition().y, tool->getY(), 1e-4f);
    EXPECT_EQ(preview->getLayer(), 100);
    EXPECT_FLOAT_EQ(preview->getTexture()->getAlpha(), 0.7f);
    EXPECT_TRUE(isAllSensor(preview));
    EXPECT_FALSE(preview->isRemovable());
    EXPECT_FLOAT_EQ(tool->getTexture()->getAlpha(), 0.4f);
}

INSTANTIATE_TEST_SUITE_P(LeftRightMiddle, GrabButtonTest, ::testing::Values(1, 3, 2));

TEST_F(DragBoxTest, AfterAShortClickThePreviewFollowsTheMouseAtTheGrabOffsetUntilTheNextClick)
{
    grab(collect(KIND_BOWLING_STAR, createBowlingBall));
    pointAt(CLEAR.x, CLEAR.y);
    tick(10);
    EXPECT_TRUE(box->isCarrying());
    EXPECT_TRUE(placedObjects().empty());
    const b2Body* preview = carried().front()->getBody();
    EXPECT_NEAR(preview->GetPosition().x, mouse().x - GRIP.x, 1e-4f);
    EXPECT_NEAR(preview->GetPosition().y, mouse().y - GRIP.y, 1e-4f);
    EXPECT_FLOAT_EQ(preview->GetAngle(), 0.0f);
    EXPECT_EQ(preview->GetLinearVelocity(), b2Vec2_zero);
}

TEST_F(DragBoxTest, ClickThenClickPlacesTheRealObject)
{
    cObject* tool = collect(KIND_BOWLING_STAR, createBowlingBall);
    const int bodies = world()->GetBodyCount();
    grab(tool);
    pointAt(CLEAR.x, CLEAR.y);
    tick();
    click();
    tick();
    const b2Vec2 target(mouse().x - GRIP.x, mouse().y - GRIP.y);

    EXPECT_FALSE(box->isCarrying());
    EXPECT_TRUE(carried().empty());
    EXPECT_EQ(world()->GetBodyCount(), bodies + 1);
    const ObjectList placed = placedObjects();
    ASSERT_EQ(placed.size(), 1u);
    const b2Body* ball = placed.front()->getBody();
    EXPECT_NEAR(ball->GetPosition().x, target.x, 1e-4f);
    EXPECT_NEAR(ball->GetPosition().y, target.y, 1e-4f);
    EXPECT_FALSE(isAllSensor(placed.front()));
    EXPECT_EQ(ball->GetType(), b2_dynamicBody);
    EXPECT_TRUE(level->getSounds().placeSound->isPlaying());

    tick();
    EXPECT_FLOAT_EQ(tool->getTexture()->getAlpha(), 1.0f);
}

// The rules run before the drag box in each tick: a click with the pointer on
// a placed ball removes it, and the carried copy, which overlapped only that
// ball, touches nothing after the step and is placed by the same click.
TEST_F(DragBoxTest, AClickWhileCarryingOverAPlacedObjectReplacesIt)
{
    cObject* tool = collect(KIND_BOWLING_STAR, createBowlingBall);
    grab(tool);
    pointAt(CLEAR.x, CLEAR.y);
    tick();
    click();
    tick(60);
    ASSERT_EQ(placedObjects().size(), 1u);
    const b2Vec2 resting = placedObjects().front()->getBody()->GetPosition();
    grab(tool);
    pointAt(resting.x, resting.y);
    tick(2);
    expectTint(carried().front(), 0.0f, -1.0f, -1.0f);

    click();
    tick();
    EXPECT_FALSE(box->isCarrying());
    const ObjectList placed = placedObjects();
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_NEAR(placed.front()->getBody()->GetPosition().x, resting.x - GRIP.x, 1e-4f);
    EXPECT_NEAR(placed.front()->getBody()->GetPosition().y, resting.y - GRIP.y, 1e-4f);
    EXPECT_TRUE(level->getSounds().removeSound->isPlaying());
    EXPECT_TRUE(level->getSounds().placeSound->isPlaying());
}

// What a player does again and again leaves no picture behind: a ball placed
// and clicked away, one put back on the panel, a cherry fed to a bird.
TEST_F(DragBoxTest, FiftyRoundsOfPlayLeaveTheLivePicturesAsTheyWere)
{
    cObject* ball = collect(KIND_BOWLING_STAR, createBowlingBall);
    cObject* cherry = collect(KIND_CHERRY_STAR, createCherry);
    createBird(world(), CLEAR.x, 2.0f, false);
    const cTextureManager& pictures = Singleton<cTextureManager>::instance();
    std::size_t first = 0;
    for (int round = 0; round < 50; ++round) {
        for (cObject* tool : {ball, ball, cherry}) {
            grab(tool);
            pointAt(CLEAR.x, CLEAR.y);
            tick();
            click();
            tick(40);
        }
        ASSERT_EQ(placedObjects().size(), 2u) << "round " << round << ": the cherry was not eaten";
        for (const cObject* placed : placedObjects()) {
            pointAt(placed->getBody()->GetPosition().x, placed->getBody()->GetPosition().y);
            click();
            tick();
        }
        grab(ball);
        pointAt(ball->getX(), ball->getY() - 3.0f);
        tick();
        click();
        tick();
        ASSERT_TRUE(placedObjects().empty() && !box->isCarrying()) << "round " << round;
        first = round == 0 ? pictures.pictureCount() : first;
        ASSERT_EQ(pictures.pictureCount(), first) << "round " << round;
    }
}

TEST_F(DragBoxTest, PressDragAndReleasePlacesTheRealObject)
{
    const cObject* tool = collect(KIND_BOWLING_STAR, createBowlingBall);
    pointAt(tool->getX(), tool->getY());
    input().setButton(1, cInput::DOWN);
    tick();
    ASSERT_TRUE(box->isCarrying());
    pointAt(CLEAR.x, CLEAR.y);
    tick(3);
    EXPECT_TRUE(box->isCarrying()) << "still held";
    input().setButton(1, cInput::UP);
    tick();
    EXPECT_FALSE(box->isCarrying());
    EXPECT_EQ(placedObjects().size(), 1u);
}

TEST_F(DragBoxTest, APreviewInTheGroundTurnsRedAndCannotBeDropped)
{
    grab(collect(KIND_BOWLING_STAR, createBowlingBall));
    pointAt(4.0f, 0.2f);
    tick(2);
    const cObject* preview = carried().front();
    expectTint(preview, 0.0f, -1.0f, -1.0f);
    click();
    tick();
    EXPECT_TRUE(box->isCarrying());
    EXPECT_TRUE(placedObjects().empty());

    // The contact that ends in the first step there is still seen in that tick.
    pointAt(CLEAR.x, CLEAR.y);
    tick(2);
    expectTint(preview, 0.0f, -1.0f, -1.0f);
    tick();
    expectTint(preview, 0.0f, 0.0f, 0.0f);
    click();
    tick();
    EXPECT_FALSE(box->isCarrying());
    EXPECT_EQ(placedObjects().size(), 1u);
}

// A release over the panel ends the press that took the tool and keeps it in
// hand; a click there puts it back, even while its preview is red over
// something in the world behind the panel.
TEST_F(DragBoxTest, AClickOnThePanelPutsTheCarriedToolBack)
{
    cObject* tool = collect(KIND_BOWLING_STAR, createBowlingBall);
    const int bodies = world()->GetBodyCount();
    const size_t objects = registry().getAll().size();
    pointAt(tool->getX(), tool->getY());
    input().setButton(1, cInput::DOWN);
    tick(3);
    input().setButton(1, cInput::UP);
    tick();
    ASSERT_TRUE(box->isCarrying());

    const b2Vec2 overPanel(tool->getX(), tool->getY() - 6.0f);
    physics::BodyDef at;
    at.position = overPanel;
    physics::addBox(physics::createBody(world(), at), physics::ShapeDef(), 1.0f, 1.0f);
    pointAt(overPanel.x, overPanel.y);
    tick(2);
    expectTint(carried().front(), 0.0f, -1.0f, -1.0f);
    click();
    tick();
    EXPECT_FALSE(box->isCarrying());
    EXPECT_TRUE(carried().empty());
    EXPECT_TRUE(placedObjects().empty());
    EXPECT_EQ(world()->GetBodyCount(), bodies + 1);
    EXPECT_EQ(registry().getAll().size(), objects);
    EXPECT_FALSE(level->getSounds().placeSound->isPlaying());
    tick();
    EXPECT_FLOAT_EQ(tool->getTexture()->getAlpha(), 1.0f);
}

TEST_F(DragBoxTest, ThePanelIncludesItsEdges)
{
    box->setPosition(10.0f, 5.0f);
    EXPECT_TRUE(box->contains(9.0f, 6.2f));
    EXPECT_TRUE(box->contains(11.0f, -7.8f));
    EXPECT_FALSE(box->contains(8.99f, 5.0f));
    EXPECT_FALSE(box->contains(11.01f, 5.0f));
    EXPECT_FALSE(box->contains(10.0f, 6.21f));
    EXPECT_FALSE(box->contains(10.0f, -7.81f));
}

// The cherry tool is 1.6 tall at the anchor, the skateboard 1.6 tall 1.5
// below it: their pictures share a strip 0.1 high.
TEST_F(DragBoxTest, AClickWhereTwoToolsOverlapTakesOnlyTheFirst)
{
    addStar(KIND_SKATE_STAR, createSkate, 0.0f, 1.0f);
    const cObject* cherry = collect(KIND_CHERRY_STAR, createCherry);
    const int bodies = world()->GetBodyCount();
    pointAt(cherry->getX(), cherry->getY() - 0.75f);
    click();
    tick();
    const ObjectList previews = carried();
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews.front()->getKind(), KIND_CHERRY);
    EXPECT_EQ(world()->GetBodyCount(), bodies + 1);

    pointAt(CLEAR.x, CLEAR.y);
    tick(2);
    click();
    tick();
    EXPECT_TRUE(carried().empty());
    EXPECT_EQ(world()->GetBodyCount(), bodies + 1);
    ASSERT_EQ(placedObjects().size(), 1u);
    EXPECT_EQ(placedObjects().front()->getKind(), KIND_CHERRY);
}

TEST_F(DragBoxTest, APlacedSkateboardKeepsItsPartsApart)
{
    const int bodies = world()->GetBodyCount();
    grab(collect(KIND_SKATE_STAR, createSkate));
    EXPECT_EQ(carried().size(), 3u);
    pointAt(CLEAR.x, CLEAR.y);
    tick(2);
    click();
    tick();
    const ObjectList placed = placedObjects();
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(world()->GetBodyCount(), bodies + 3);
    EXPECT_TRUE(carried().empty());
    const float boardX = placed.front()->getBody()->GetPosition().x;
    EXPECT_NEAR(placed[1]->getBody()->GetPosition().x - boardX, 0.8f, 1e-3f);
    EXPECT_NEAR(placed[2]->getBody()->GetPosition().x - boardX, -0.8f, 1e-3f);
}

// The cannon carries a marker object for its bouncing shape besides itself.
TEST_F(DragBoxTest, PlacingAndRemovingACannonLeavesNothingBehind)
{
    const cObject* tool = collect(KIND_CANNON_STAR, createCannon);
    const int bodies = world()->GetBodyCount();
    const size_t objects = registry().getAll().size();
    grab(tool);
    pointAt(CLEAR.x, CLEAR.y + 3.0f);
    tick(2);
    click();
    tick();
    ASSERT_EQ(placedObjects().size(), 1u);
    EXPECT_EQ(registry().getAll().size(), objects + 2);

    const b2Body* cannon = placedObjects().front()->getBody();
    pointAt(cannon->GetPosition().x, cannon->GetPosition().y);
    click();
    tick();
    EXPECT_TRUE(placedObjects().empty());
    EXPECT_EQ(world()->GetBodyCount(), bodies);
    EXPECT_EQ(registry().getAll().size(), objects);
}

} // namespace
